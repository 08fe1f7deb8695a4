#include "drills/memory/suujiretu_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using Names = std::set<std::string>;

std::string spaces(int n) {
  std::string s;
  while (n-- > 0) s += "　";
  return s;
}

const Names kIdle{"cmdKaishi"};
const Names kMemorising{"fraMondai", "cmdShitumon", "lblKaishiJikoku"};
const Names kTimedOut{"cmdShitumon", "lblTimeOver", "lblKaishiJikoku"};
const Names kAnswering{"lblShitumon", "txtAnswer", "lblKaishiJikoku"};
const Names kResult{"lblKotae", "lblKeikaJikan", "cmdKaishi", "txtAnswer"};

const SuujiretuVariant& variantOf(int variant) {
  return variant == 0 ? SuujiretuWindow::kSuujiretu1 : SuujiretuWindow::kSuujiretu2;
}

// A loaded window on test services, its draws scripted.
struct Drill {
  explicit Drill(int variant, const std::vector<double>& draws = {})
      : count(variantOf(variant).digitCount) {
    t.clock.setTime(10, 0, 0);
    for (double r : draws) t.random.push(r);
    w = std::make_shared<SuujiretuWindow>(t.services, variantOf(variant));
    w->load();
  }
  const ui::Control& c(const char* name, int index = -1) const { return w->control(name, index); }
  // What the user sees of the turn: a shown control, a label only with a caption.
  Names shown() const {
    static const Names kTurn{"cmdKaishi",   "fraMondai",     "cmdShitumon",
                             "lblTimeOver", "lblShitumon",   "txtAnswer",
                             "lblKotae",    "lblKeikaJikan", "lblKaishiJikoku"};
    Names out;
    for (const auto& name : ui::testing::onScreen(*w)) {
      if (!kTurn.contains(name)) continue;
      const ui::Control& control = w->control(name);
      if (!(control.kind() == ui::ControlKind::Label && control.caption().empty()))
        out.insert(name);
    }
    return out;
  }
  std::string focus() const { return w->focused() ? w->focused()->name() : ""; }
  void wait(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      t.clock.advance(1);
      w->tick();
    }
  }
  void answer(const std::string& typed) {
    w->control("txtAnswer").setText("");
    w->type("txtAnswer", typed);
    w->pressEnter("txtAnswer");
  }
  int count;  // digits shown
  ui::testing::TestServices t;
  std::shared_ptr<SuujiretuWindow> w;
};

std::string kotae(const std::string& seikai, const std::string& typed) {
  if (seikai == typed) return "（前問題）\r\n○";
  return "（前問題）\r\n正解は　　" + seikai + "\r\nあなた　　" + typed;
}

TEST(SuujiretuWindow, TheHeaderSpacesTheColumns) {
  for (int variant : {0, 1}) {
    SCOPED_TRACE(variant);
    Drill d(variant);
    EXPECT_FALSE(d.w->has("lblSuuji", d.count));
    const char* numbers[] = {"１", "２", "３", "４", "５", "６"};
    std::string header = "　１";
    for (int k = 1; k < d.count; ++k) header += spaces(9) + numbers[k];
    header += spaces(2) + "（数字列番号）";
    d.w->click("cmdKaishi");
    EXPECT_EQ(d.c("fraMondai").caption(), header);
    EXPECT_EQ(header.size() / 3, d.count == 4 ? 41u : 61u);
  }
}

TEST(SuujiretuWindow, DigitsDisappearAtTheFirstTickPastTheChosenTime) {
  struct Case {
    int option;  // -1: none selected
    int seconds;
  };
  for (int variant : {0, 1}) {
    for (const Case c : {Case{-1, 20}, Case{0, 10}, Case{1, 15}, Case{2, 20}}) {
      SCOPED_TRACE(std::to_string(variant) + " option " + std::to_string(c.option));
      Drill d(variant);
      if (c.option >= 0) d.w->click("Option1", c.option);
      d.w->click("cmdKaishi");
      d.wait(c.seconds);
      EXPECT_EQ(d.shown(), kMemorising);
      d.wait(1);
      EXPECT_EQ(d.shown(), kTimedOut);
      EXPECT_EQ(d.c("lblTimeOver").caption(), kTimeOverText);
      d.w->click("cmdShitumon");
      d.wait(3);
      EXPECT_EQ(d.shown(), kAnswering);
      // The next turn keeps its own deadline.
      d.answer("");
      d.wait(100);
      d.w->click("cmdKaishi");
      d.wait(c.seconds);
      EXPECT_EQ(d.shown(), kMemorising);
      d.wait(1);
      EXPECT_EQ(d.shown(), kTimedOut);
    }
  }
}

TEST(SuujiretuWindow, NoTimeOverNoticeOnceAskedOrWithNoTurn) {
  for (int variant : {0, 1}) {
    SCOPED_TRACE(variant);
    Drill d(variant);
    d.w->click("Option1", 0);
    d.w->click("cmdKaishi");
    d.wait(3);
    d.w->click("cmdShitumon");
    d.wait(30);
    EXPECT_EQ(d.shown(), kAnswering);
    // A parked deadline runs out a day after an answer or after load.
    d.answer("1");
    d.wait(1);
    d.t.clock.advance(86400);
    d.wait(1);
    EXPECT_EQ(d.shown(), kResult);
    Drill idle(variant);
    idle.t.clock.advance(86401);
    idle.wait(1);
    EXPECT_EQ(idle.shown(), kIdle);
  }
}

// Scripted draws: the digits, then the sort keys.
struct Turn {
  int variant;
  std::vector<double> draws;
  std::vector<std::string> digits;
  std::string question;
  std::string seikai;
};

const std::vector<Turn>& turns() {
  static const std::vector<Turn> all{
      {0,
       {0.75, 0.25, 0.95, 0.45, 0.2005, 0.4005, 0.1005, 0.3005},
       {"7", "2", "9", "4"},
       "数字列番号\r\n" + spaces(7) + "3、1、4、2　の順に数字を答えなさい",
       "9742"},
      {1,
       {0.35, 0.05, 0.85, 0.55, 0.15, 0.95, 0.4505, 0.1505, 0.5505, 0.6505, 0.2505, 0.3505},
       {"3", "0", "8", "5", "1", "9"},
       "数字列番号\r\n" + spaces(7) + "2、5番目の２桁の数値と、\r\n" + spaces(7) +
           "6、1番目の２桁の数値の\r\n" + spaces(19) + "合計を答えなさい",
       "94"},
  };
  return all;
}

TEST(SuujiretuWindow, WholeTurnThroughEveryState) {
  for (const auto& turn : turns()) {
    SCOPED_TRACE(turn.seikai);
    Drill d(turn.variant, turn.draws);
    EXPECT_EQ(d.shown(), kIdle);
    EXPECT_EQ(d.w->caption(), "記憶・数字列");
    EXPECT_TRUE(d.c("lblSetumei").caption().starts_with(std::string(kSetumeiFirstLine) + "\r\n②"));

    d.w->click("cmdKaishi");
    EXPECT_EQ(d.shown(), kMemorising);
    EXPECT_EQ(d.c("lblKaishiJikoku").caption(), "開始の時刻　10:00:00");
    std::vector<std::string> digits;
    for (int k = 0; k < d.count; ++k) digits.push_back(d.c("lblSuuji", k).caption());
    EXPECT_EQ(digits, turn.digits);

    d.wait(4);
    d.w->click("cmdShitumon");
    EXPECT_EQ(d.shown(), kAnswering);
    EXPECT_EQ(d.focus(), "txtAnswer");
    EXPECT_EQ(d.c("lblShitumon").caption(), turn.question);
    EXPECT_EQ(d.t.random.draws(), turn.draws.size());
    EXPECT_EQ(d.t.random.reseeds(), d.t.random.draws());

    d.t.clock.advance(9);
    d.answer(turn.seikai);
    EXPECT_EQ(d.shown(), kResult);
    EXPECT_EQ(d.focus(), "cmdKaishi");
    EXPECT_EQ(d.c("lblKotae").caption(), kotae(turn.seikai, turn.seikai));
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　13秒");
    EXPECT_EQ(d.c("txtAnswer").text(), turn.seikai);

    d.wait(5);
    d.w->click("cmdKaishi");
    EXPECT_EQ(d.shown(), kMemorising);
    EXPECT_EQ(d.c("txtAnswer").text(), "");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(d.c("Option1", i).visible());
    EXPECT_EQ(d.c("lblGenzaiJikoku").caption(), "現在の時刻　10:00:18");
    d.w->click("cmdToMain");
    EXPECT_EQ(d.t.navigator.calls,
              (std::vector<std::string>{"show frm1Main", "unload " + d.w->name()}));
  }
}

TEST(SuujiretuWindow, JudgesTheTypedTextExactlyAndAgainOnEnter) {
  struct Case {
    std::size_t turn;
    std::string typed;
  };
  const std::vector<Case> cases{{0, "9742"}, {0, "９７４２"}, {0, ""},     {0, " 9742"}, {0, "974"},
                                {1, "94"},   {1, "094"},      {1, "９４"}, {1, "94 "},   {1, ""}};
  for (const auto& c : cases) {
    const Turn& turn = turns().at(c.turn);
    SCOPED_TRACE("'" + c.typed + "' for " + turn.seikai);
    Drill d(turn.variant, turn.draws);
    d.w->click("cmdKaishi");
    d.w->click("cmdShitumon");
    d.wait(2);
    d.answer(c.typed);
    EXPECT_EQ(d.c("lblKotae").caption(), kotae(turn.seikai, c.typed));
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　2秒");
    // Enter again in the result judges the same question, timed from the same start.
    d.wait(40);
    d.answer(turn.seikai);
    EXPECT_EQ(d.c("lblKotae").caption(), kotae(turn.seikai, turn.seikai));
    EXPECT_EQ(d.c("lblKeikaJikan").caption(), "経過時間　42秒");
    EXPECT_EQ(d.t.random.draws(), turn.draws.size());
    EXPECT_EQ(d.shown(), kResult);
  }
}

}  // namespace
}  // namespace zunobi::drills
