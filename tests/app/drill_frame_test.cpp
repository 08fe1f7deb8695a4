// The frame every drill window shares, checked once over the registry: the
// clock, the way back to the menu, and controls that fit their area; with
// the data the build lays beside the program, and in an empty program
// folder where every file the drills read is missing.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form_registry.h"
#include "data/folders.h"
#include "drills/drill_window.h"
#include "support/forms.h"
#include "support/sample_drill.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

namespace zunobi::app {
namespace {

// A drill window opened from the menu, as the program opens it.
struct Opened {
  explicit Opened(const drills::DrillInfo& d) {
    manager.show("frm1Main");
    menu().control("mnuKankyo").show();  // gone when the menu is loaded afresh
    menu().click(d.menuButton);
    w = dynamic_cast<drills::DrillWindow*>(manager.find(d.formName));
  }
  ui::Form& menu() { return *manager.find("frm1Main"); }
  ui::testing::FakeClock clock;
  ui::testing::ScriptedRandom random{0.5};
  ui::testing::RecordingMessageBox box;
  ui::WindowManager manager{formRegistry(), clock, random, box};
  drills::DrillWindow* w = nullptr;
};

// Runs `check` on every drill, with the shipped data and with none.
template <class Check>
void forEveryDrill(Check check) {
  for (bool shipped : {true, false}) {
    data::testing::TempFolder empty;
    std::optional<data::ScopedProgramFolder> scoped;
    if (!shipped) scoped.emplace(empty.path());
    for (const auto* d : drillInfos()) {
      SCOPED_TRACE(std::string(d->formName) + (shipped ? "" : " without data"));
      check(*d);
    }
  }
}

TEST(DrillFrame, TheClockShowsTheTimeFromLoadAndEverySecond) {
  forEveryDrill([](const drills::DrillInfo& d) {
    Opened o(d);
    ASSERT_NE(o.w, nullptr);
    const auto& frame = o.w->frame();
    if (frame.clockLabel.empty()) {
      EXPECT_FALSE(o.w->timer().running()) << "no clock, no timer from load";
      return;
    }
    EXPECT_EQ(o.w->control(frame.clockLabel).caption(), "現在の時刻　9:05:03");
    EXPECT_EQ(o.w->timer().interval(), 1000);
    EXPECT_TRUE(o.w->timer().running());
    EXPECT_EQ(o.w->control(frame.startLabel).caption(), "");
    o.clock.setTime(10, 0, 0);
    o.w->tick();
    EXPECT_EQ(o.w->control(frame.clockLabel).caption(), "現在の時刻　10:00:00");
  });
}

TEST(DrillFrame, BackLeadsToAFreshMenuAndOnlyTheBackButtonDoes) {
  forEveryDrill([](const drills::DrillInfo& d) {
    Opened o(d);
    ASSERT_NE(o.w, nullptr);
    const auto& frame = o.w->frame();
    ASSERT_TRUE(o.w->showing(o.w->control(frame.backButton, frame.backIndex)));
    // The other element of a button array (whack-a-mole's start) stays.
    if (frame.backIndex >= 0) o.w->click(frame.backButton, 1 - frame.backIndex);
    EXPECT_EQ(o.manager.loadedNames(), std::vector<std::string>{std::string(d.formName)});
    o.w->click(frame.backButton, frame.backIndex);
    EXPECT_EQ(o.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    EXPECT_FALSE(o.manager.ended());
    EXPECT_FALSE(o.menu().control("mnuKankyo").visible()) << "a menu loaded afresh";
  });
}

// The document drill unloads before the menu shows; the others show it first.
TEST(DrillFrame, BackUnloadsInTheWindowsOwnOrder) {
  forEveryDrill([](const drills::DrillInfo& d) {
    ui::testing::TestServices t;
    auto w = formRegistry().create(d.formName, t.services);
    w->load();
    const auto& frame = dynamic_cast<drills::DrillWindow&>(*w).frame();
    w->click(frame.backButton, frame.backIndex);
    const std::string menu = "show frm1Main", unload = "unload " + std::string(d.formName);
    const bool unloadFirst = d.formName == "frm2Bunsyo";
    EXPECT_EQ(t.navigator.calls,
              unloadFirst ? (std::vector{unload, menu}) : (std::vector{menu, unload}));
  });
}

TEST(DrillFrame, EveryControlLiesInsideItsFrameOrTheWindow) {
  forEveryDrill([](const drills::DrillInfo& d) {
    Opened o(d);
    ASSERT_NE(o.w, nullptr);
    EXPECT_EQ(ui::testing::controlsOutside(*o.w), std::vector<std::string>{});
  });
}

// A step that moves the focus sets it before it hides the control that had
// it: a toolkit passes the focus of a control that hides along the keyboard
// order, and a screen reader that hears of that stop is silent where it ends.
class AskingDrill final : public drills::DrillWindow {
 public:
  explicit AskingDrill(ui::Services& s)
      : DrillWindow(
            s, drills::testing::sampleFrame("frmAsking", "質問"),
            drills::testing::sampleControls({ui::button("cmdAsk", "質問", {120, 120, 1500, 600}),
                                             ui::textBox("txtAnswer", {120, 1000, 1500, 600})}),
            drills::StepTable<int>{{0, {.shown = {"cmdAsk"}, .focus = "cmdAsk"}},
                                   {1, {.shown = {"txtAnswer"}, .focus = "txtAnswer"}}}) {
    onClick("cmdAsk", [this] { enter(1); });
  }
  void onDrillLoad() override { enter(0); }
};

TEST(DrillFrame, AStepFocusesBeforeItHides) {
  struct Recording final : ui::FormView {
    void controlChanged(const ui::Control& c, ui::Property p) override {
      if (p == ui::Property::Focus || (p == ui::Property::Visible && !c.visible()))
        changes.push_back(c.name() + (p == ui::Property::Focus ? " focused" : " hidden"));
    }
    void formChanged(const ui::Form&, ui::FormProperty) override {}
    std::vector<std::string> changes;
  } view;
  ui::testing::TestServices t;
  AskingDrill w(t.services);
  w.load();
  w.setView(&view);
  w.click("cmdAsk");
  EXPECT_EQ(view.changes, (std::vector<std::string>{"txtAnswer focused", "cmdAsk hidden"}));
  w.setView(nullptr);
}

}  // namespace
}  // namespace zunobi::app
