// Twips to pixels, and the design fonts mapped to installed faces of the
// same metrics.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cmath>
#include <cstdint>

#include "ui/form.h"

namespace zunobi::ui::qt {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDesignPercent = 100;

// Logical pixels at an enlargement in percent; Qt's high-DPI scaling does
// the rest.
inline int toPixels(std::int32_t twips, int percent = kDesignPercent) {
  if (percent == kDesignPercent)
    return static_cast<int>((twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
  return static_cast<int>(std::lround(twips * (percent / 100.0) / kTwipsPerPixel));
}
inline std::int32_t toTwips(int pixels, int percent = kDesignPercent) {
  if (percent == kDesignPercent) return pixels * kTwipsPerPixel;
  return static_cast<std::int32_t>(std::lround(pixels * kTwipsPerPixel * 100.0 / percent));
}

// Before the application starts: let the font library know only the
// installed font folders, not the whole desktop configuration, which costs
// more to read than the menu takes to draw. Left as it is when the design's
// faces cannot be found that way.
void prepareFonts();

// The installed family that stands in for a design face.
QString familyFor(std::string_view face);
QFont qtFont(const Font& font, int percent = kDesignPercent);
QColor qtColour(std::uint32_t rgb);
QString qtText(const std::string& utf8);  // CR LF becomes a line break

}  // namespace zunobi::ui::qt
