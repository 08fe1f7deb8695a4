#include <gtest/gtest.h>

#include <set>

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

struct Expected {
  std::string_view button, form, caption;
  int width, height;
};

// Each drill button, the window it opens and that window's frame.
const Expected kExpected[] = {
    {"cmdMogura", "frm20Mogura", "もぐらたたき", 11175, 7200},
    {"cmdJyanken", "frm2Jyanken", "じゃんけん", 0, 0},
    {"cmdQuiz", "frm2Quiz", "クイズ問題ー「ハルモ」", 9990, 7440},
    {"cmdNijiJyukugo", "frm21NijiJyukugo", "二字熟語", 9645, 6735},
    {"cmdMondai", "frm2Bunsyo", "文章問題", 0, 0},
    {"cmdNazo", "frm2Nazo", "クイズ問題ー「ハルモ」", 9990, 7440},
    {"cmdKeisan", "frm2Keisan", "計算問題", 9945, 6525},
    {"cmdKioku1", "frm2Kioku1", "記憶・計算問題Ⅰ", 9945, 7455},
    {"cmdKioku2", "frm2Kioku2", "記憶・計算問題Ⅱ", 9945, 8715},
    {"cmdKeisanSaikoro", "frm2KeisanSaikoro", "計算問題・さいころ", 11940, 6525},
    {"cmdKiokuSuujiretu", "frm2KiokuSuujiretu1", "記憶・数字列", 0, 0},
    {"cmdKiokuSuujiretu2", "frm2KiokuSuujiretu2", "記憶・数字列", 0, 0},
};

void expectFreshMenu(ui::Form& menu) {
  EXPECT_EQ(menu.caption(), "ズノビー「ハルモ」");
  EXPECT_FALSE(menu.control("mnuKankyo").visible());
  EXPECT_TRUE(menu.control("cmdEnd").visible());
  EXPECT_TRUE(menu.control("cmdEnd").hasFocus());
  for (const auto& d : kDrills) EXPECT_TRUE(menu.control(d.button).visible()) << d.button;
}

TEST(NavigationTest, EachDrillButtonOpensItsOwnWindowAlone) {
  for (const auto& e : kExpected) {
    SCOPED_TRACE(std::string(e.button));
    App app;
    app.menu().click(e.button);
    ASSERT_EQ(app.manager.loadedNames(), std::vector<std::string>{std::string(e.form)});
    auto& drill = dynamic_cast<drills::DrillWindow&>(*app.manager.find(e.form));
    EXPECT_EQ(drill.caption(), e.caption);
    if (e.width) {
      EXPECT_EQ(drill.clientWidth(), e.width);
      EXPECT_EQ(drill.clientHeight(), e.height);
    }
    EXPECT_FALSE(app.manager.ended());
  }
}

TEST(NavigationTest, EveryControlLiesInsideItsFrameOrTheWindow) {
  ui::testing::TestServices t;
  for (const auto& name : formRegistry().names()) {
    auto form = formRegistry().create(name, t.services);
    form->load();
    EXPECT_EQ(ui::testing::controlsOutside(*form), std::vector<std::string>{}) << name;
  }
}

TEST(NavigationTest, ClockShowsTheTimeFromLoadAndEverySecond) {
  for (const auto& e : kExpected) {
    SCOPED_TRACE(std::string(e.button));
    App app;
    app.clock.setTime(9, 5, 3);
    app.menu().click(e.button);
    auto& drill = dynamic_cast<drills::DrillWindow&>(*app.manager.find(e.form));
    const auto label = drill.frame().clockLabel;
    if (label.empty()) continue;
    EXPECT_EQ(drill.control(label).caption(), "現在の時刻　9:05:03");
    EXPECT_EQ(drill.timer().interval(), 1000);
    EXPECT_TRUE(drill.timer().running());
    app.clock.setTime(10, 0, 0);
    drill.tick();
    EXPECT_EQ(drill.control(label).caption(), "現在の時刻　10:00:00");
    if (!drill.frame().startLabel.empty()) {
      EXPECT_EQ(drill.control(drill.frame().startLabel).caption(), "");
    }
  }
}

TEST(NavigationTest, BackReturnsToAFreshMenu) {
  for (const auto& e : kExpected) {
    SCOPED_TRACE(std::string(e.button));
    App app;
    app.menu().control("mnuKankyo").show();  // would be lost on reload
    app.menu().click(e.button);
    auto& drill = dynamic_cast<drills::DrillWindow&>(*app.manager.find(e.form));
    EXPECT_TRUE(drill.control(drill.frame().backButton, drill.frame().backIndex).visible());
    drill.click(drill.frame().backButton, drill.frame().backIndex);
    ASSERT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    EXPECT_FALSE(app.manager.ended());
    expectFreshMenu(app.menu());
  }
}

TEST(NavigationTest, ReopenedDrillStartsFromItsLoad) {
  App app;
  app.clock.setTime(8, 0, 0);
  app.menu().click("cmdKeisan");
  app.clock.setTime(8, 30, 0);
  app.manager.find("frm2Keisan")->click("cmdToMenu");
  app.menu().click("cmdKeisan");
  EXPECT_EQ(app.manager.find("frm2Keisan")->control("lblJikoku").caption(), "現在の時刻　8:30:00");
}

TEST(NavigationTest, EndButtonEndsAtOnceEvenBesideThePreparationWindow) {
  {
    App app;
    app.menu().click("cmdEnd");
    EXPECT_TRUE(app.manager.ended());
  }
  {
    App app;
    app.menu().shortcut(Frm1Main::kKankyoShortcut);
    ASSERT_EQ(app.manager.loadedNames(), (std::vector<std::string>{"frm1Main", "frm9Kankyo"}));
    app.menu().click("cmdEnd");
    EXPECT_TRUE(app.manager.ended());
    EXPECT_TRUE(app.manager.loadedNames().empty());
  }
}

TEST(NavigationTest, ClosingTheLastWindowEndsTheProgram) {
  App app;
  app.menu().click("cmdKeisan");
  app.manager.find("frm2Keisan")->close();
  EXPECT_TRUE(app.manager.ended());

  App menuOnly;
  menuOnly.menu().close();
  EXPECT_TRUE(menuOnly.manager.ended());

  // The side windows go with the menu.
  App besideSides;
  besideSides.menu().click("mnuHarumo");
  besideSides.menu().shortcut(Frm1Main::kKankyoShortcut);
  besideSides.menu().close();
  EXPECT_EQ(besideSides.manager.loadedNames(), std::vector<std::string>{});
  EXPECT_TRUE(besideSides.manager.ended());
}

TEST(NavigationTest, SideWindowsOpenBesideTheMenuAndLeaveItAlone) {
  App app;
  ui::Form* menu = &app.menu();
  app.menu().click("mnuHarumo");
  ASSERT_EQ(app.manager.loadedNames(), (std::vector<std::string>{"frm1Main", "frm8Info"}));
  ui::Form& info = *app.manager.find("frm8Info");
  bool named = false;
  for (const auto& c : info.controls()) named |= c->caption().find("ズノビ") != std::string::npos;
  EXPECT_TRUE(named);
  info.click("cmdClose");
  EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
  EXPECT_EQ(&app.menu(), menu);  // the same menu, not reloaded

  app.menu().shortcut(Frm1Main::kKankyoShortcut);
  app.manager.find("frm9Kankyo")->click("cmdToMain");
  EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
  EXPECT_EQ(&app.menu(), menu);
}

TEST(NavigationTest, ADrillOpenedBesideASideWindowIsTheOnlyWindow) {
  for (std::string_view side : {"mnuHarumo", "Ctrl+Shift+K"}) {
    SCOPED_TRACE(std::string(side));
    App app;
    if (side == "mnuHarumo")
      app.menu().click(side);
    else
      app.menu().shortcut(side);
    ASSERT_EQ(app.manager.loadedNames().size(), 2u);
    app.menu().click("cmdKeisan");
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm2Keisan"});
    // So back leads to a fresh menu, not to one left standing beside the drill.
    app.manager.find("frm2Keisan")->click("cmdToMenu");
    EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm1Main"});
    expectFreshMenu(app.menu());
  }
}

TEST(MenuTest, LayoutAndTexts) {
  App app;
  ui::Form& m = app.menu();
  expectFreshMenu(m);
  EXPECT_EQ(m.clientWidth(), 15510);
  EXPECT_EQ(m.clientHeight(), 9210);
  EXPECT_EQ(m.control("Label1").caption(), "ズノビ");
  EXPECT_EQ(m.control("Label1").font().face, "HG創英角ﾎﾟｯﾌﾟ体");
  EXPECT_EQ(m.control("cmdEnd").caption(), "終了");
  EXPECT_EQ(m.control("cmdEnd").place(), (ui::Rect{12480, 240, 2535, 855}));
  EXPECT_EQ(m.control("Image1").place(), (ui::Rect{13200, 7680, 1890, 780}));
  EXPECT_EQ(m.control("mnuInfo").caption(), "【情　　報】");
  EXPECT_EQ(m.control("mnuHarumo").caption(), "ハルモ");
  EXPECT_EQ(m.control("mnuKankyo").caption(), "環境作成");
  EXPECT_EQ(m.control("Label3").caption(), "「なぞなぞ」で、童心に返る。いつまでも、子供心を");
  EXPECT_EQ(m.control("lblMogu").caption(),
            "○の表示されているボタンをクリックする。素早く対応することで、気分を喚起できる");

  struct Place {
    std::string_view button, label;
    int left, labelLeft, top;
  };
  const Place places[] = {
      {"cmdMogura", "lblMogu", 360, 2520, 1320},
      {"cmdJyanken", "lblJyan", 360, 2520, 2400},
      {"cmdQuiz", "lblQuiz", 360, 2520, 3480},
      {"cmdNijiJyukugo", "lblJyukugo", 360, 2520, 4560},
      {"cmdMondai", "lblBun", 360, 2520, 5640},
      {"cmdNazo", "Label3", 360, 2400, 6720},
      {"cmdKeisan", "lblComp", 7680, 9720, 1320},
      {"cmdKioku1", "lblMemoComp1", 7680, 9720, 2400},
      {"cmdKioku2", "lblMemoComp2", 7680, 9720, 3480},
      {"cmdKeisanSaikoro", "lblCompSaiko", 7680, 9720, 4560},
      {"cmdKiokuSuujiretu", "lblMemoSuji1", 7680, 9720, 5640},
      {"cmdKiokuSuujiretu2", "lblMemoSuji2", 7680, 9720, 6720},
  };
  for (const auto& p : places) {
    SCOPED_TRACE(std::string(p.button));
    EXPECT_EQ(m.control(p.button).place(), (ui::Rect{p.left, p.top, 1815, 855}));
    const auto& l = m.control(p.label).place();
    EXPECT_EQ(l.left, p.labelLeft);
    EXPECT_EQ(l.top, p.top);
    EXPECT_EQ(l.height, 855);
    // A description never runs under the other column's buttons.
    EXPECT_TRUE(l.left + l.width <= 7680 || l.left > 7680);
    EXPECT_LE(l.left + l.width, m.clientWidth());
  }

  std::vector<std::string> order;
  for (const auto& id : m.tabOrder()) order.push_back(id.text());
  EXPECT_EQ(order, (std::vector<std::string>{
                       "cmdEnd", "cmdMondai", "cmdKeisan", "cmdMogura", "cmdNijiJyukugo",
                       "cmdKioku1", "cmdKioku2", "cmdKiokuSuujiretu", "cmdKiokuSuujiretu2",
                       "cmdJyanken", "cmdKeisanSaikoro", "cmdQuiz", "cmdNazo"}));
}

TEST(MenuTest, EveryWindowIsReachable) {
  // Every registered window is opened by the menu or from its menu bar.
  std::set<std::string> reachable{"frm1Main", "frm8Info", "frm9Kankyo"};
  for (const auto& d : kDrills) reachable.insert(std::string(d.opens));
  for (const auto& name : formRegistry().names()) EXPECT_TRUE(reachable.count(name)) << name;
  EXPECT_EQ(reachable.size(), formRegistry().names().size());
}

}  // namespace
}  // namespace zunobi::app
