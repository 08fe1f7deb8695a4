#include "ui/qt/wrapped_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zunobi::ui::qt {

void WrappedText::set(const QString& text, const QFont& font, int width) {
  paragraphs_.clear();
  lines_ = 0;
  lineHeight_ = font.pixelSize() > 0 ? font.pixelSize()
                                     : static_cast<int>(std::ceil(QFontMetricsF(font).height()));
  if (text.isEmpty()) return;
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    auto layout = std::make_unique<QTextLayout>(paragraph, font);
    layout->setTextOption(option);
    layout->beginLayout();
    for (;;) {
      QTextLine line = layout->createLine();
      if (!line.isValid()) break;
      line.setLineWidth(std::max(1, width));
      ++lines_;
    }
    layout->endLayout();
    paragraphs_.push_back(std::move(layout));
  }
}

void WrappedText::draw(QPainter& painter, const QRect& box, Qt::Alignment align) const {
  int y = box.top();
  if (align & Qt::AlignVCenter) y += (box.height() - height()) / 2;
  const QFontMetricsF metrics(painter.font());
  // Centre the glyphs' own height within each em-high line.
  const qreal baselineShift = (lineHeight_ - (metrics.ascent() + metrics.descent())) / 2;
  for (const auto& layout : paragraphs_) {
    for (int i = 0; i < layout->lineCount(); ++i) {
      QTextLine line = layout->lineAt(i);
      qreal x = box.left();
      if (align & Qt::AlignHCenter) x += (box.width() - line.naturalTextWidth()) / 2;
      if (align & Qt::AlignRight) x += box.width() - line.naturalTextWidth();
      line.draw(&painter, QPointF(x - line.x(), y + baselineShift - line.y()));
      y += lineHeight_;
    }
  }
}

qreal singleLineWidth(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) {
    layout.endLayout();
    return 0;
  }
  line.setNumColumns(text.size());
  const qreal w = line.naturalTextWidth();
  layout.endLayout();
  return w;
}

QFont shrunkToWidth(const QString& text, const QFont& font, int width, int smallestPixels) {
  QFont fitted = font;
  const qreal natural = singleLineWidth(text, font);
  if (font.pixelSize() <= 0 || natural <= width || width <= 0) return fitted;
  fitted.setPixelSize(
      std::max(smallestPixels, static_cast<int>(std::floor(font.pixelSize() * width / natural))));
  while (fitted.pixelSize() > smallestPixels && singleLineWidth(text, fitted) > width)
    fitted.setPixelSize(fitted.pixelSize() - 1);
  return fitted;
}

QFont fittingFont(const QString& text, const QFont& font, int width) {
  constexpr double kSmallestShrink = 0.8;
  if (text.contains(QLatin1Char('\n'))) return font;
  if (singleLineWidth(text, font) * kSmallestShrink > width) return font;  // wraps instead
  return shrunkToWidth(text, font, width, 1);
}

}  // namespace zunobi::ui::qt
