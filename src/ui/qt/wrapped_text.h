// A caption laid out the way the design measured it: wrapped at the box's
// width, lines one em apart (the design faces' line height), CR LF a break.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPainter;

namespace zunobi::ui::qt {

class WrappedText {
 public:
  void set(const QString& text, const QFont& font, int width);
  int lineCount() const { return lines_; }
  int lineHeight() const { return lineHeight_; }
  int height() const { return lines_ * lineHeight_; }
  void draw(QPainter& painter, const QRect& box, Qt::Alignment align) const;

 private:
  std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
  int lines_ = 0;
  int lineHeight_ = 0;
};

// The one-line width of a caption in a font.
qreal singleLineWidth(const QString& text, const QFont& font);

// The font, a pixel size at a time smaller down to `smallestPixels`, in which
// a one-line caption fits `width`.
QFont shrunkToWidth(const QString& text, const QFont& font, int width, int smallestPixels);

// The font a one-line caption is drawn in within `width`: its own, or up to
// a fifth smaller where that keeps it on one line.
QFont fittingFont(const QString& text, const QFont& font, int width);

}  // namespace zunobi::ui::qt
