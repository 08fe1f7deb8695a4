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

void expectFreshMenu(ui::Form& menu) {
  EXPECT_EQ(menu.caption(), "ズノビー「ハルモ」");
  EXPECT_FALSE(menu.control("mnuKankyo").visible());
  EXPECT_TRUE(menu.control("cmdEnd").visible());
  EXPECT_TRUE(menu.control("cmdEnd").hasFocus());
  for (const auto* d : drillInfos())
    EXPECT_TRUE(menu.control(d->menuButton).visible()) << d->menuButton;
}

// The drills' fit is the drill frame's test; these are the other windows.
TEST(NavigationTest, EveryControlLiesInsideItsFrameOrTheWindow) {
  ui::testing::TestServices t;
  for (const auto& name : formRegistry().names()) {
    if (findDrill(name)) continue;
    auto form = formRegistry().create(name, t.services);
    form->load();
    EXPECT_EQ(ui::testing::controlsOutside(*form), std::vector<std::string>{}) << name;
  }
}

TEST(NavigationTest, EveryStepNamesControlsOfItsWindow) {
  ui::testing::TestServices t;
  for (const auto& name : formRegistry().names()) {
    auto form = formRegistry().create(name, t.services);
    auto* drill = dynamic_cast<drills::DrillWindow*>(form.get());
    if (!drill) continue;
    const auto known = [&](std::string_view control) {
      return drill->has(control) || drill->has(control, 0);
    };
    for (const auto& view : drill->steps()) {
      for (const auto& names : {view.shown, view.kept})
        for (auto control : names) EXPECT_TRUE(known(control)) << name << ": " << control;
      for (const auto& [control, caption] : view.captions)
        EXPECT_TRUE(known(control)) << name << ": " << control;
      if (!view.focus.empty()) {
        EXPECT_TRUE(known(view.focus)) << name << ": " << view.focus;
      }
    }
  }
}

// The two side windows open from the menu bar beside the menu and go back to
// it, the same menu, not reloaded. A drill opened beside one is the only
// window, so its way back leads to a fresh menu; the end button, or closing
// the menu, ends the program with the side window.
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
    side.open(app.menu());
    ASSERT_EQ(app.manager.loadedNames(), (std::vector<std::string>{"frm1Main", side.form}));
    app.manager.find(side.form)->click(side.back);
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    EXPECT_EQ(&app.menu(), menu);

    side.open(app.menu());
    app.menu().click("cmdKeisan");
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm2Keisan"});
    app.manager.find("frm2Keisan")->click("cmdToMenu");
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    expectFreshMenu(app.menu());

    for (auto end : {+[](ui::Form& m) { m.click("cmdEnd"); }, +[](ui::Form& m) { m.close(); }}) {
      App beside;
      side.open(beside.menu());
      end(beside.menu());
      EXPECT_TRUE(beside.manager.loadedNames().empty());
      EXPECT_TRUE(beside.manager.ended());
    }
  }
}

TEST(NavigationTest, TheInformationWindowNamesTheProgram) {
  App app;
  app.menu().click("mnuHarumo");
  bool named = false;
  for (const auto& c : app.manager.find("frm8Info")->controls())
    named |= c->caption().find("ズノビ") != std::string::npos;
  EXPECT_TRUE(named);
}

TEST(MenuTest, TextsAndKeyboardOrder) {
  App app;
  ui::Form& m = app.menu();
  expectFreshMenu(m);
  // The two descriptions as they stand: one ends in "を", one without "。".
  EXPECT_EQ(m.control("Label3").caption(), "「なぞなぞ」で、童心に返る。いつまでも、子供心を");
  EXPECT_EQ(m.control("lblMogu").caption(),
            "○の表示されているボタンをクリックする。素早く対応することで、気分を喚起できる");
  std::vector<std::string> order;
  for (const auto& id : m.tabOrder()) order.push_back(id.text());
  EXPECT_EQ(order, (std::vector<std::string>{
                       "cmdEnd", "cmdMondai", "cmdKeisan", "cmdMogura", "cmdNijiJyukugo",
                       "cmdKioku1", "cmdKioku2", "cmdKiokuSuujiretu", "cmdKiokuSuujiretu2",
                       "cmdJyanken", "cmdKeisanSaikoro", "cmdQuiz", "cmdNazo"}));
}

TEST(MenuTest, EveryWindowIsReachable) {
  // Every registered window is a drill the menu opens, or opened from its menu bar.
  for (const auto& name : formRegistry().names())
    EXPECT_TRUE(findDrill(name) || name == "frm1Main" || name == "frm8Info" || name == "frm9Kankyo")
        << name;
  EXPECT_EQ(drillInfos().size(), 12u);
  EXPECT_EQ(formRegistry().names().size(), 15u);
}

}  // namespace
}  // namespace zunobi::app
