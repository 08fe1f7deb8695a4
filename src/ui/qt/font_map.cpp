#include "ui/qt/font_map.h"

#include <cmath>

namespace zunobi::ui::qt {

QString familyFor(std::string_view face) {
  if (face == faces::Gothic) return QStringLiteral("IPAGothic");
  if (face == faces::PMincho) return QStringLiteral("IPAPMincho");
  if (face == faces::Pop) return QStringLiteral("MotoyaLMaru");
  return QStringLiteral("IPAPGothic");
}

QFont qtFont(const Font& font) {
  QFont f(familyFor(font.face));
  // Points at the design's 96 dpi, so text keeps its size against the
  // twips-based geometry whatever the screen reports.
  f.setPixelSize(static_cast<int>(std::lround(font.size * 96.0 / 72.0)));
  f.setBold(font.bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QColor qtColour(std::uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString qtText(const std::string& utf8) {
  QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace zunobi::ui::qt
