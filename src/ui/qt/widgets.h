// The widgets the view renders controls with, where Qt's own would break
// the design's measurements.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/wrapped_text.h"

namespace zunobi::ui::qt {

// A label: wrapped caption, one-em lines, top-aligned as the design lays it.
class LabelWidget final : public QFrame {
 public:
  explicit LabelWidget(QWidget* parent);
  void setCaption(const QString& text);
  QString caption() const { return text_; }
  void setAlignment(Qt::Alignment align) { align_ = align; }
  void setBordered(bool bordered);
  // Held apart from the palette: a frame's style sheet repolishes the labels
  // inside it and would put back the default text colour.
  void setTextColour(const QColor& colour);
  const WrappedText& layout();  // the lines as drawn
  // A notice is told to a screen reader whenever it changes.
  bool isNotice() const { return notice_; }
  void setNotice(bool notice) { notice_ = notice; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect textBox() const;
  QString text_;
  Qt::Alignment align_ = Qt::AlignLeft | Qt::AlignTop;
  QColor colour_;
  WrappedText layout_;
  bool dirty_ = true;
  bool notice_ = false;
};

// A push button whose caption stays on one line where a slightly smaller
// font allows it, and wraps within the button otherwise.
class CaptionButton final : public QPushButton {
 public:
  explicit CaptionButton(QWidget* parent);
  void setCaption(const QString& text);
  QString caption() const { return text_; }
  void setCaptionColour(const QColor& colour) { colour_ = colour; }
  const WrappedText& layout();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Enter presses the button as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void relayout();
  QRect textBox() const;
  QString text_;
  QColor colour_;
  QFont drawn_;
  WrappedText layout_;
  bool dirty_ = true;
};

// A frame whose caption sits on its top border, shrunk to the frame's width
// when it is longer; a frame without caption is a plain white panel.
class FrameWidget final : public QGroupBox {
 public:
  explicit FrameWidget(QWidget* parent);
  void setCaption(const QString& text);
  int captionWidth() const;
  // Read as one picture: what it holds is no thing of its own.
  bool isPicture() const { return picture_; }
  void setPicture(bool picture) { picture_ = picture; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void restyle();
  QFont base_;
  bool restyling_ = false;
  bool picture_ = false;
};

// An option button; the form keeps its group's exclusivity.
class OptionWidget final : public QRadioButton {
 public:
  explicit OptionWidget(QWidget* parent);
  // A pip is drawn as a filled round mark.
  void setCaption(const QString& text, int percent, bool pip);
};

// A picture stretched to its box.
class PictureWidget final : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent) : QWidget(parent) {}
  void setPicture(const QString& resource);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace zunobi::ui::qt
