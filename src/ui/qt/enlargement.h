// Enlargement: how much bigger than the design every window is drawn. One
// value for the whole run, chosen with Ctrl++ / Ctrl+- / Ctrl+0 and never
// stored; the forms keep their twips and know nothing of it.
#pragma once

#include "ui/qt/font_map.h"

namespace zunobi::ui::qt {

inline constexpr int kLargestPercent = 200;
inline constexpr int kPercentStep = 25;

// The size chosen in this run, in percent of the design.
int chosenPercent();
// Kept within the design size and the largest step.
void choosePercent(int percent);

}  // namespace zunobi::ui::qt
