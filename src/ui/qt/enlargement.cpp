#include "ui/qt/enlargement.h"

#include <algorithm>

namespace zunobi::ui::qt {
namespace {

int chosen = kDesignPercent;

}  // namespace

int chosenPercent() { return chosen; }

void choosePercent(int percent) { chosen = std::clamp(percent, kDesignPercent, kLargestPercent); }

}  // namespace zunobi::ui::qt
