#include "drills/memory/suujiretu_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

const SuujiretuVariant* const kVariants[] = {&SuujiretuWindow::kSuujiretu1,
                                             &SuujiretuWindow::kSuujiretu2};

// A loaded window on test services, its draws scripted.
struct Drill : ui::testing::WindowFixture<SuujiretuWindow> {
  explicit Drill(int variant, const std::vector<double>& draws = {})
      : WindowFixture(ui::testing::kLoadLater, *kVariants[variant]) {
    t.clock.setTime(10, 0, 0);
    for (double r : draws) t.random.push(r);
    w->load();
  }
  void wait(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      t.clock.advance(1);
      w->tick();
    }
  }
};

TEST(SuujiretuWindow, DigitsDisappearAtTheFirstTickPastTheChosenTime) {
  struct Case {
    int option;  // -1: none selected
    int seconds;
  };
  for (const Case c : {Case{-1, 20}, Case{0, 10}, Case{1, 15}, Case{2, 20}}) {
    SCOPED_TRACE(c.option);
    Drill d(0);
    if (c.option >= 0) d.w->click("Option1", c.option);
    d.wait(30);                             // no turn, no time-up
    for (int turn = 0; turn < 2; ++turn) {  // each turn keeps its own deadline
      d.w->click("cmdKaishi");
      d.wait(c.seconds);
      EXPECT_TRUE(d.showing("fraMondai"));
      d.wait(1);
      EXPECT_FALSE(d.showing("fraMondai"));
      EXPECT_EQ(d.caption("lblTimeOver"), kTimeOverText);
      d.w->click("cmdShitumon");
      d.wait(3);
      EXPECT_TRUE(d.showing("txtAnswer")) << "the time is up once a turn";
      d.answer("");
      d.wait(100);
    }
  }
}

// Scripted draws: the digits, then the sort keys, drawn from 1 … 1000.
struct Turn {
  int variant;
  std::vector<double> draws;
  std::vector<std::string> digits;
  std::string question;
  std::string seikai, wrong;
};

// The answer is judged as typed, and Enter in the result judges it again,
// timed from the same start.
TEST(SuujiretuWindow, WholeTurnsJudgedAsTypedAndAgainOnEnter) {
  const Turn turns[] = {
      // The first two keys are both 1000: they keep their order.
      {0,
       {0.75, 0.25, 0.95, 0.45, 0.9995, 0.9990005, 0.1005, 0.3005},
       {"7", "2", "9", "4"},
       "数字列番号\r\n　　　　　　　3、4、1、2　の順に数字を答えなさい",
       "9472",
       "９４７２"},
      {1,
       {0.35, 0.05, 0.85, 0.55, 0.15, 0.95, 0.4505, 0.1505, 0.5505, 0.6505, 0.2505, 0.3505},
       {"3", "0", "8", "5", "1", "9"},
       "数字列番号\r\n　　　　　　　2、5番目の２桁の数値と、\r\n　　　　　　　6、1番目の２桁の数値"
       "の"
       "\r\n　　　　　　　　　　　　　　　　　　　合計を答えなさい",
       "94",
       "094"},
  };
  for (const auto& turn : turns) {
    SCOPED_TRACE(turn.seikai);
    Drill d(turn.variant, turn.draws);
    d.w->click("cmdKaishi");
    EXPECT_EQ(d.caption("lblKaishiJikoku"), "開始の時刻　10:00:00");
    std::vector<std::string> digits;
    for (int k = 0; k < std::ssize(turn.digits); ++k) digits.push_back(d.caption("lblSuuji", k));
    EXPECT_EQ(digits, turn.digits);

    d.wait(4);
    d.w->click("cmdShitumon");
    EXPECT_EQ(d.caption("lblShitumon"), turn.question);
    d.t.clock.advance(9);
    d.answer(turn.wrong);
    EXPECT_EQ(d.caption("lblKotae"),
              "（前問題）\r\n正解は　　" + turn.seikai + "\r\nあなた　　" + turn.wrong);
    EXPECT_EQ(d.caption("lblKeikaJikan"), "経過時間　13秒");

    d.wait(40);
    d.w->control("txtAnswer").setText("");
    d.answer(turn.seikai);
    EXPECT_EQ(d.caption("lblKotae"), "（前問題）\r\n○");
    EXPECT_EQ(d.caption("lblKeikaJikan"), "経過時間　53秒");
    EXPECT_EQ(d.t.random.draws(), turn.draws.size());
    EXPECT_EQ(d.w->control("txtAnswer").text(), turn.seikai);

    d.w->click("cmdKaishi");
    EXPECT_EQ(d.w->control("txtAnswer").text(), "");
  }
}

}  // namespace
}  // namespace zunobi::drills
