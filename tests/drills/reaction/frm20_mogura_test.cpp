#include "drills/reaction/frm20_mogura.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using V = std::vector<std::string>;
constexpr int kCells = Frm20Mogura::kCells;

// Records each prompt, marked when the window's timer still ran as it opened.
struct WatchingMessageBox final : ui::MessageBox {
  void show(std::string_view prompt) override {
    prompts.push_back(std::string(prompt) + (form->timer().running() ? " (timer on)" : ""));
  }
  const ui::Form* form = nullptr;
  V prompts;
};

// r such that r × 8 lies well inside the hole's rounding range.
double rFor(int hole) { return hole / 8.0 + 0.01; }

class MoguraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.form = w.get();
    w->load();
    w->resize(11175, 7200);
  }
  ui::Control& cell(int i) { return w->control("cmdMogura", i); }
  int visibleCells() {
    int n = 0;
    for (int i = 0; i < kCells; ++i) n += cell(i).visible();
    return n;
  }
  int mole() {  // the hole showing "○", or -1
    int found = -1;
    for (int i = 0; i < kCells; ++i)
      if (cell(i).caption() == "○") found = found < 0 ? i : 99;
    return found;
  }
  // A whole game from the start click: the k-th mole comes up at holes[k]
  // and is hit when hits[k].
  void play(const std::vector<int>& holes, const std::vector<bool>& hits) {
    for (int h : holes) t.random.push(rFor(h));
    w->click("cmdStartEnd", 0);
    for (int tick = 0; tick <= Frm20Mogura::kLastTick; ++tick) {
      w->tick();
      if (tick % 2 == 0) continue;
      ASSERT_EQ(mole(), holes[tick / 2]) << tick;
      if (hits[tick / 2]) w->click("cmdMogura", mole());
    }
  }

  ui::testing::TestServices t;
  WatchingMessageBox box;
  ui::Services services{t.clock, t.random, t.navigator, box};
  std::shared_ptr<Frm20Mogura> w = std::make_shared<Frm20Mogura>(services);
};

TEST_F(MoguraTest, LayoutFollowsTheInnerSize) {
  struct Case {
    std::int32_t width, height, w, h;
  };
  const std::vector<Case> cases{
      {11177, 7204, 3725, 1440},
      {60000, 50000, 20000, 10000},  // 2 × W and 4 × H beyond 16 bits
      {2, 4, 0, 0},
  };
  for (const auto& c : cases) {
    w->resize(c.width, c.height);
    for (int i = 0; i < kCells; ++i)
      EXPECT_EQ(cell(i).place(), (ui::Rect{(i % 3) * c.w, (i / 3) * c.h, c.w, c.h})) << i;
    EXPECT_EQ(w->control("cmdStartEnd", 0).place(), (ui::Rect{0, 4 * c.h, c.w, c.h}));
    EXPECT_EQ(w->control("cmdStartEnd", 1).place(), (ui::Rect{2 * c.w, 4 * c.h, c.w, c.h}));
  }
}

TEST_F(MoguraTest, CaptionAndRatingAfterAGame) {
  struct Case {
    int hits;
    std::string prompt;
  };
  const std::vector<Case> cases{{10, "やったね　完全制覇だ！　10"},
                                {9, "あと少しだね　9"},
                                {4, "まだまだだね　4"},
                                {3, "いけませんね　3"}};
  const std::vector<int> holes{0, 8, 4, 4, 1, 7, 2, 6, 3, 5};  // 4 twice running
  for (const auto& c : cases) {
    box.prompts.clear();
    std::vector<bool> hits(10, false);
    for (int k = 0; k < c.hits; ++k) hits[9 - k] = true;
    play(holes, hits);
    EXPECT_EQ(w->caption(), "当たりは" + std::to_string(c.hits) + "でした");
    EXPECT_EQ(box.prompts, V{c.prompt}) << "the timer stops before the box opens";
  }
}

// Every other mole is hit; a click on a cross never counts, and a resize
// leaves the hit mole hidden.
TEST_F(MoguraTest, WholeGameThroughEveryState) {
  // Idle: nine crosses, inert.
  w->tick();
  w->click("cmdMogura", 4);
  EXPECT_EQ(visibleCells(), kCells);
  EXPECT_EQ(mole(), -1);

  for (int k = 0; k < 10; ++k) t.random.push(rFor(k % kCells));
  w->click("cmdStartEnd", 0);
  for (int i = 0; i < kCells; ++i) w->click("cmdMogura", i);  // before the first tick
  EXPECT_EQ(w->timer().interval(), 1000);
  for (int tick = 0; tick <= Frm20Mogura::kLastTick; ++tick) {
    SCOPED_TRACE(tick);
    w->tick();
    if (tick % 2 == 1) {  // mole up
      const int up = mole();
      EXPECT_EQ(up, (tick / 2) % kCells);
      for (int i = 0; i < kCells; ++i)
        if (i != up) w->click("cmdMogura", i);
      if (tick % 4 == 1) w->click("cmdMogura", up);
      w->resize(15000, 9000);
      EXPECT_EQ(visibleCells(), tick % 4 == 1 ? kCells - 1 : kCells);
    } else {  // rest, or over at the last tick
      EXPECT_EQ(visibleCells(), 0);
      EXPECT_EQ(w->timer().running(), tick < Frm20Mogura::kLastTick);
      EXPECT_EQ(box.prompts.size(), tick < Frm20Mogura::kLastTick ? 0u : 1u);
    }
  }
  EXPECT_EQ(w->caption(), "当たりは5でした");
  EXPECT_EQ(box.prompts, V{"まだまだだね　5"});
  // A new game keeps the last result in the caption until it ends.
  w->click("cmdStartEnd", 0);
  w->tick();
  w->tick();
  EXPECT_EQ(w->caption(), "当たりは5でした");
  // Restarted, the grid keeps its look until the first tick, but the mole
  // up belongs to the game before: ten more moles make at most ten.
  const int old = mole();
  w->click("cmdStartEnd", 0);
  w->click("cmdMogura", old);
  EXPECT_TRUE(cell(old).visible());
  for (int tick = 0; tick <= Frm20Mogura::kLastTick; ++tick) {
    w->tick();
    if (mole() >= 0) w->click("cmdMogura", mole());
  }
  EXPECT_EQ(w->caption(), "当たりは10でした");
}

}  // namespace
}  // namespace zunobi::drills
