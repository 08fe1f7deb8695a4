#include "ui/qt/widgets.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "ui/qt/jpeg.h"

namespace zunobi::ui::qt {
namespace {

constexpr int kButtonMargin = 3;

}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QFrame(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LabelWidget::setCaption(const QString& text) {
  if (text == text_) return;
  text_ = text;
  dirty_ = true;
  update();
}

void LabelWidget::setBordered(bool bordered) {
  setFrameShape(bordered ? QFrame::Box : QFrame::NoFrame);
  if (bordered) align_ = Qt::AlignCenter;
}

void LabelWidget::setTextColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

QRect LabelWidget::textBox() const { return contentsRect(); }

const WrappedText& LabelWidget::layout() {
  if (dirty_) {
    layout_.set(text_, font(), textBox().width());
    dirty_ = false;
  }
  return layout_;
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(colour_.isValid() ? colour_ : palette().color(QPalette::WindowText));
  layout().draw(painter, textBox(), align_);
}

void LabelWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) dirty_ = true;
  QFrame::changeEvent(event);
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
  dirty_ = true;
  QFrame::resizeEvent(event);
}

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {
  setAttribute(Qt::WA_Hover);  // the face lightens under the pointer
}

void CaptionButton::setCaption(const QString& text) {
  if (text == text_) return;
  text_ = text;
  dirty_ = true;
  update();
}

QRect CaptionButton::textBox() const {
  return rect().adjusted(kButtonMargin, kButtonMargin, -kButtonMargin, -kButtonMargin);
}

void CaptionButton::relayout() {
  drawn_ = fittingFont(text_, font(), textBox().width());
  layout_.set(text_, drawn_, textBox().width());
  dirty_ = false;
}

const WrappedText& CaptionButton::layout() {
  if (dirty_) relayout();
  return layout_;
}

// A plain raised key: light face, grey edge, darker while pressed, and a
// clear blue edge while it has the keyboard focus.
void CaptionButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool down = isDown() || isChecked();
  QColor fill = down ? QColor(0xd6, 0xd6, 0xd6) : QColor(0xf6, 0xf6, 0xf6);
  if (!down && underMouse()) fill = QColor(0xfc, 0xfc, 0xfc);
  if (!isFlat() || down || underMouse()) {
    // Crisp one-pixel edges with the corner pixels left out: the look of a
    // rounded key without the cost of antialiased curves.
    const QRect r = rect();
    painter.fillRect(r.adjusted(1, 1, -1, -1), fill);
    const int edges = hasFocus() ? 2 : 1;
    painter.setPen(hasFocus() ? QColor(0x2f, 0x6f, 0xc4) : QColor(0x9a, 0x9a, 0x9a));
    for (int e = 0; e < edges; ++e) {
      const QRect k = r.adjusted(e, e, -1 - e, -1 - e);
      painter.drawLine(k.left() + 1, k.top(), k.right() - 1, k.top());
      painter.drawLine(k.left() + 1, k.bottom(), k.right() - 1, k.bottom());
      painter.drawLine(k.left(), k.top() + 1, k.left(), k.bottom() - 1);
      painter.drawLine(k.right(), k.top() + 1, k.right(), k.bottom() - 1);
    }
  }
  if (dirty_) relayout();
  painter.setFont(drawn_);
  painter.setPen(colour_.isValid() ? colour_ : palette().color(QPalette::ButtonText));
  layout_.draw(painter, textBox(), Qt::AlignCenter);
}

void CaptionButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) dirty_ = true;
  QPushButton::changeEvent(event);
}

void CaptionButton::resizeEvent(QResizeEvent* event) {
  dirty_ = true;
  QPushButton::resizeEvent(event);
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !event->isAutoRepeat() &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

FrameWidget::FrameWidget(QWidget* parent) : QGroupBox(parent) { restyle(); }

void FrameWidget::setCaption(const QString& text) {
  setTitle(text);
  restyle();
}

int FrameWidget::captionWidth() const {
  return static_cast<int>(std::ceil(singleLineWidth(title(), font())));
}

void FrameWidget::restyle() {
  if (restyling_) return;
  restyling_ = true;
  if (title().isEmpty()) {
    setStyleSheet(QStringLiteral(
        "QGroupBox { background: white; border: 1px solid #808080; border-radius: 6px; }"));
  } else {
    // The caption on the border line, as a frame's caption is drawn.
    if (base_.pixelSize() <= 0) base_ = font();
    constexpr int kSmallestCaption = 8;  // pixels: still legible
    const QFont f = shrunkToWidth(title(), base_, width() - 16, kSmallestCaption);
    setFont(f);
    const int half = QFontMetrics(f).height() / 2;
    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; "
                                 "margin-top: %1px; }"
                                 "QGroupBox::title { subcontrol-origin: margin; left: 6px; "
                                 "padding: 0 2px; }")
                      .arg(half));
  }
  restyling_ = false;
}

void FrameWidget::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  restyle();
}

void FrameWidget::changeEvent(QEvent* event) {
  // A font set from the form is the caption's full size.
  if (event->type() == QEvent::FontChange && !restyling_) {
    base_ = font();
    QGroupBox::changeEvent(event);
    restyle();
    return;
  }
  QGroupBox::changeEvent(event);
}

void PictureWidget::setPicture(const QString& resource) {
  const QByteArray suffix = QFileInfo(resource).suffix().toLower().toLatin1();
  if (suffix == "jpg" || suffix == "jpeg") {
    QFile file(resource);
    image_ = file.open(QIODevice::ReadOnly) ? decodeJpeg(file.readAll()) : QImage();
  } else {
    image_ = QImageReader(resource).read();
  }
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), image_);
}

OptionWidget::OptionWidget(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

void OptionWidget::setCaption(const QString& text, int percent, bool pip) {
  setText(text);
  constexpr int kDesignMark = 13;  // pixels across, pip or round mark
  const int mark = kDesignMark * percent / 100;
  if (pip) {
    setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; "
                                 "border-radius: %2px; background: #202020; }")
                      .arg(mark)
                      .arg(mark / 2));
  } else {
    // Enlarged, the round mark grows with the caption.
    setStyleSheet(mark == kDesignMark ? QString()
                                      : QStringLiteral("QRadioButton::indicator { width: %1px; "
                                                       "height: %1px; }")
                                            .arg(mark));
  }
}

}  // namespace zunobi::ui::qt
