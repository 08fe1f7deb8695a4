#include <gtest/gtest.h>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "drills/drill_window.h"
#include "support/forms.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

namespace zunobi::app {
namespace {

struct App {
  App() { manager.show(Frm1Main::kName); }
  ui::Form& menu() { return *manager.find(Frm1Main::kName); }
  ui::testing::FakeClock clock;
  ui::testing::ScriptedRandom random{0.5};
  ui::testing::RecordingMessageBox box;
  ui::WindowManager manager{formRegistry(), clock, random, box};
};

// Every registered window is a drill the menu opens or a side window of its
// menu bar. The side windows' controls fit (the drills' fit is the drill
// frame's test), and a drill's steps name controls of its own.
TEST(NavigationTest, EveryWindowIsReachableAndNamesItsOwnControls) {
  ui::testing::TestServices t;
  for (const auto& name : formRegistry().names()) {
    auto form = formRegistry().create(name, t.services);
    auto* drill = dynamic_cast<drills::DrillWindow*>(form.get());
    if (!drill) {
      EXPECT_TRUE(name == "frm1Main" || name == "frm8Info" || name == "frm9Kankyo") << name;
      form->load();
      EXPECT_EQ(ui::testing::controlsOutside(*form), std::vector<std::string>{}) << name;
      continue;
    }
    EXPECT_TRUE(findDrill(name)) << name;
    const auto known = [&](std::string_view control) {
      return drill->has(control) || drill->has(control, 0);
    };
    for (const auto& view : drill->steps()) {
      for (const auto& names : {view.shown, view.kept})
        for (auto control : names) EXPECT_TRUE(known(control)) << name << ": " << control;
      for (const auto& [control, caption] : view.captions)
        EXPECT_TRUE(known(control)) << name << ": " << control;
      EXPECT_TRUE(view.focus.empty() || known(view.focus)) << name << ": " << view.focus;
    }
  }
}

// The two side windows open from the menu bar beside the menu and go back to
// it, the same menu, not reloaded. A drill opened from the menu takes the
// side window with it; the end button, or closing the menu, ends the program
// with the side window.
TEST(NavigationTest, SideWindowsStandBesideTheMenuAndGoWithIt) {
  const struct {
    std::string form;
    void (*open)(ui::Form& menu);
    const char* back;
  } sides[] = {
      {"frm8Info", [](ui::Form& m) { m.click("mnuHarumo"); }, "cmdClose"},
      {"frm9Kankyo", [](ui::Form& m) { m.shortcut(Frm1Main::kKankyoShortcut); }, "cmdToMain"},
  };
  for (const auto& side : sides) {
    SCOPED_TRACE(side.form);
    App app;
    ui::Form* menu = &app.menu();
    EXPECT_TRUE(menu->control("cmdEnd").hasFocus());
    side.open(app.menu());
    ASSERT_EQ(app.manager.loadedNames(), (std::vector<std::string>{"frm1Main", side.form}));
    app.manager.find(side.form)->click(side.back);
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    EXPECT_EQ(&app.menu(), menu);

    side.open(app.menu());
    app.menu().click("cmdKeisan");
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm2Keisan"});

    for (auto end : {+[](ui::Form& m) { m.click("cmdEnd"); }, +[](ui::Form& m) { m.close(); }}) {
      App beside;
      side.open(beside.menu());
      end(beside.menu());
      EXPECT_TRUE(beside.manager.loadedNames().empty());
      EXPECT_TRUE(beside.manager.ended());
    }
  }
}

}  // namespace
}  // namespace zunobi::app
