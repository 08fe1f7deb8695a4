// The widgets the view renders controls with, where Qt's own would break
// the design's measurements.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/wrapped_text.h"

class QAction;

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
// when it is longer; a frame without caption is a plain white panel (the
// dice faces).
class FrameWidget final : public QGroupBox {
 public:
  explicit FrameWidget(QWidget* parent);
  void setCaption(const QString& text);
  int captionWidth() const;
  // A caption-less frame of caption-less option buttons draws a die: it is
  // announced by its face, not as its pips.
  bool isDie() const { return die_; }
  void setDie(bool die) { die_ = die; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void restyle();
  QFont base_;
  bool restyling_ = false;
  bool die_ = false;
};

// An option button; the form keeps its group's exclusivity.
class OptionWidget final : public QRadioButton {
 public:
  explicit OptionWidget(QWidget* parent);
  // Without a caption it is drawn as a pip: a filled round mark.
  void setCaption(const QString& text, int percent);
};

// A picture stretched to its box, described by what it shows.
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

// The menu bar: a strip of flat buttons, each opening its menu. Qt's own menu
// bar loads the style's icons and image plugins at start-up, which costs
// more than drawing the whole menu window.
class MenuStrip final : public QWidget {
 public:
  explicit MenuStrip(QWidget* parent);
};

// A top-level menu of the strip. Its items are the actions it holds as
// children; a menu without items carries out its own action.
class MenuButton final : public QPushButton {
 public:
  MenuButton(QAction* action, MenuStrip* strip);
  QAction* action() const { return action_; }
  QList<QAction*> items() const;
  // Opens the items below the button; from the keyboard the first is
  // highlighted so that the arrows and Enter work at once.
  void open(bool fromKeyboard);
  QMenu* popup() const { return popup_; }

 private:
  QAction* action_;
  QPointer<QMenu> popup_;
};

}  // namespace zunobi::ui::qt
