#include "drills/reaction/frm20_mogura.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm20Mogura::kInfo.formName,
    .caption = "もぐらたたき",
    .clientWidth = 11175,
    .clientHeight = 7200,
    .clockLabel = "",
    .startLabel = "",
    .backButton = "cmdStartEnd",
    .backIndex = 1,
    .clockTimer = false,
};

constexpr std::string_view kMole = "○";
constexpr std::string_view kEmpty = "×";

// Cells of the design window, 11175 × 7200 twips: a third of the width by a
// fifth of the height.
constexpr int kDesignCellWidth = 3725;
constexpr int kDesignCellHeight = 1440;

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  std::vector<ControlSpec> rows;
  for (int i = 0; i < Frm20Mogura::kCells; ++i) {
    rows.push_back(button("cmdMogura", i, kEmpty,
                          {(i % 3) * kDesignCellWidth, (i / 3) * kDesignCellHeight,
                           kDesignCellWidth, kDesignCellHeight})
                       .bold(14.25));
  }
  rows.push_back(button("cmdStartEnd", 0, "開始",
                        {0, 4 * kDesignCellHeight, kDesignCellWidth, kDesignCellHeight}));
  rows.push_back(
      button("cmdStartEnd", 1, "メニューへ戻る",
             {2 * kDesignCellWidth, 4 * kDesignCellHeight, kDesignCellWidth, kDesignCellHeight}));
  rows.push_back(label("Label1", "○のボタンをクリックする（早くしないと、ダメです）",
                       {4200, 5280, 3135, 1215}));
  return rows;
}

// The message after a game: the rating text followed by the hits.
std::string ratingText(int atarisuu) {
  std::string_view rating;
  if (atarisuu >= 10)
    rating = "やったね　完全制覇だ！　";
  else if (atarisuu == 9)
    rating = "あと少しだね　";
  else if (atarisuu >= 4)
    rating = "まだまだだね　";
  else
    rating = "いけませんね　";
  return std::string(rating) + ui::decimal(atarisuu);
}

// The hole for a draw r: r × 8 rounded half to even, 0..8.
int moleIndex(double r) { return ui::drawNearest(r, Frm20Mogura::kCells - 1); }

using Step = Frm20Mogura::Step;

// Which holes show, and what, is the game's data, set by its ticks: no step
// names a control. A "○" left over from a game that was restarted is no
// mole of the new one: only a mole-up step takes hits.
const drills::StepTable<Step> kSteps{
    {Step::Idle, {}},
    {Step::Rest, {}},
    {Step::MoleUp, {}},
    {Step::Over, {}},
};

}  // namespace

Frm20Mogura::Frm20Mogura(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps) {
  setResizable(true);
  onResize([this] { layout(); });
  onClick("cmdMogura", [this](int index) { hit(index); });
  // Replaces the frame's handler, which would take either element of the
  // array for the back button.
  onClick("cmdStartEnd", [this](int index) {
    if (index == 0)
      start();
    else if (index == 1)
      backToMenu();
  });
}

void Frm20Mogura::onDrillLoad() {
  for (int i = 0; i < kCells; ++i) control("cmdMogura", i).setCaption(kEmpty);
  control("cmdStartEnd", 0).setCaption("開始");
  control("cmdStartEnd", 1).setCaption("メニューへ戻る");
  // The timer keeps interval 0 from the frame: no ticks before a start.
  enter(Step::Idle);
}

void Frm20Mogura::layout() {
  // Held wider than 16 bits, so a very large window lays out by the same rule.
  const std::int64_t h = std::max<std::int64_t>(0, clientHeight()) / 5;
  const std::int64_t w = std::max<std::int64_t>(0, clientWidth()) / 3;
  const auto cell = [&](std::int64_t left, std::int64_t top) {
    return ui::Rect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                    static_cast<std::int32_t>(w), static_cast<std::int32_t>(h)};
  };
  for (int i = 0; i < kCells; ++i) control("cmdMogura", i).setPlace(cell((i % 3) * w, (i / 3) * h));
  control("cmdStartEnd", 0).setPlace(cell(0, 4 * h));
  control("cmdStartEnd", 1).setPlace(cell(2 * w, 4 * h));
}

void Frm20Mogura::start() {
  TimerKaisuu_ = 0;
  Atarisuu_ = 0;
  timer().setInterval(1000);
  timer().setEnabled(true);
  enter(Step::Rest);
}

void Frm20Mogura::hit(int index) {
  auto& button = control("cmdMogura", index);
  if (step<Step>() != Step::MoleUp || button.caption() != kMole) return;
  ++Atarisuu_;
  button.hide();
}

void Frm20Mogura::showGrid(int mole) {
  if (mole != kNoMole) {
    // The other holes are "×" since the rest tick before.
    control("cmdMogura", mole).setCaption(kMole);
    for (int i = 0; i < kCells; ++i) control("cmdMogura", i).show();
    enter(Step::MoleUp);
    return;
  }
  for (int i = 0; i < kCells; ++i) {
    control("cmdMogura", i).hide();
    control("cmdMogura", i).setCaption(kEmpty);
  }
  enter(Step::Rest);
}

void Frm20Mogura::onDrillTick() {
  if (TimerKaisuu_ % 2 == 1) {
    showGrid(moleIndex(random().draw()));
  } else {
    showGrid(kNoMole);
    if (TimerKaisuu_ == kLastTick) {
      // Off before the box opens, so no tick runs while it waits for OK.
      timer().setEnabled(false);
      enter(Step::Over);
      setCaption("当たりは" + ui::decimal(Atarisuu_) + "でした");
      messageBox().show(ratingText(Atarisuu_));
    }
  }
  ++TimerKaisuu_;
}

}  // namespace zunobi::drills
