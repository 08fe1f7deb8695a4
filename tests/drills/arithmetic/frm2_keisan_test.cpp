#include "drills/arithmetic/frm2_keisan.h"

#include <gtest/gtest.h>

#include <memory>

#include "drills/arithmetic/scripted_draws.h"
#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::names;
using ui::testing::onScreen;

const std::set<std::string> kFrame{"Label1", "lblSetumei", "lblJikoku", "lblKaishiJikan",
                                   "cmdToMenu"};
const std::set<std::string> kQuestionRow{"lblQsNo", "lblAtai1",  "lblEnzan", "lblAtai2",
                                         "lblEq",   "txtAnswer", "lblKotae"};
const std::set<std::string> kIdle = names({kFrame, {"cmdKaishi"}});
const std::set<std::string> kAsking = names({kFrame, kQuestionRow});
const std::set<std::string> kSummary = names({kFrame, {"cmdKaishi", "lblKekka", "lblKotae"}});

using Fixture = ui::testing::WindowFixture<Frm2Keisan>;

TEST(Frm2Keisan, LoadsIdleWithItsInstructions) {
  Fixture f;
  EXPECT_EQ(onScreen(*f.w), kIdle);
  EXPECT_EQ(f.caption("lblSetumei"),
            "算式の結果を入力してください\r\n"
            "\u3000\u3000（入力の終了は「ＥＮＴＥＲ」キー）\r\n"
            "１０問で終了します");
  EXPECT_EQ(f.caption("lblJikoku"), "現在の時刻　9:05:03");
  EXPECT_EQ(f.w->timer().interval(), 1000);
  f.w->pressEnter("txtAnswer");
  EXPECT_EQ(f.t.random.draws(), 0u) << "Enter in the hidden box does nothing";
}

struct Step {
  int a1, enzan, a2;
  const char* symbol;
  const char* typed;
  const char* judgement;  // shown beside the next question
};

// Seven right answers out of ten.
const Step kRun[] = {
    {12, 1, 30, "＋", "42", "（前問題）\r\n○"},
    {5, 2, 9, "－", "-4", "（前問題）\r\n○"},
    {7, 3, 8, "×", "56 ", "（前問題）\r\n正解は：56\r\nあなた：56 "},
    {72, 4, 8, "／", "9", "（前問題）\r\n○"},
    {3, 2, 3, "－", "0", "（前問題）\r\n○"},
    {99, 3, 9, "×", "891", "（前問題）\r\n○"},
    {20, 2, 50, "－", "－30", "（前問題）\r\n正解は：-30\r\nあなた：－30"},
    {81, 4, 9, "／", "9", "（前問題）\r\n○"},
    {1, 1, 1, "＋", "", "（前問題）\r\n正解は：2\r\nあなた："},
    {45, 1, 54, "＋", "99", "（前問題）\r\n○"},
};

TEST(Frm2Keisan, PlaysAWholeRunThroughItsStates) {
  Fixture f;
  for (const auto& s : kRun) testing::pushQuestion(f.t.random, s.a1, s.enzan, s.a2);
  f.t.clock.setTime(10, 0, 0);
  f.w->click("cmdKaishi");
  EXPECT_EQ(f.caption("lblKaishiJikan"), "開始の時刻　10:00:00");
  std::string previous;
  for (int k = 1; k <= 10; ++k) {
    const Step& s = kRun[k - 1];
    SCOPED_TRACE(k);
    EXPECT_EQ(onScreen(*f.w), kAsking);
    EXPECT_EQ(f.caption("lblQsNo"), "問題　" + std::to_string(k));
    EXPECT_EQ(f.caption("lblAtai1"), std::to_string(s.a1));
    EXPECT_EQ(f.caption("lblEnzan"), s.symbol);
    EXPECT_EQ(f.caption("lblAtai2"), std::to_string(s.a2));
    EXPECT_EQ(f.w->control("lblQsNo").accessibleName(), "問題　" + std::to_string(k) + "　" +
                                                            std::to_string(s.a1) + "　" + s.symbol +
                                                            "　" + std::to_string(s.a2) + "　＝");
    EXPECT_EQ(f.caption("lblKotae"), previous);
    EXPECT_EQ(f.w->control("txtAnswer").text(), "");
    EXPECT_TRUE(f.w->control("txtAnswer").hasFocus());
    f.w->click("cmdKaishi");  // hidden: a run cannot be restarted midway
    EXPECT_EQ(f.caption("lblQsNo"), "問題　" + std::to_string(k));
    f.t.clock.advance(k == 10 ? 35 : 10);
    f.answer(s.typed);
    previous = s.judgement;
  }
  EXPECT_EQ(onScreen(*f.w), kSummary);
  EXPECT_EQ(f.caption("lblKotae"), "") << "the tenth judgement is never shown";
  EXPECT_EQ(f.caption("lblKekka"), "正解数　　7\r\n所要時間　2：5");
  EXPECT_EQ(f.caption("lblKaishiJikan"), "開始の時刻　10:00:00");
  f.w->pressEnter("txtAnswer");
  EXPECT_EQ(f.caption("lblKekka"), "正解数　　7\r\n所要時間　2：5");

  // A new run hides the summary and counts from zero again.
  f.w->click("cmdKaishi");
  EXPECT_EQ(onScreen(*f.w), kAsking);
  EXPECT_EQ(f.caption("lblQsNo"), "問題　1");
  for (int k = 1; k <= 10; ++k) f.answer("x");
  EXPECT_EQ(onScreen(*f.w), kSummary);
  EXPECT_EQ(f.caption("lblKekka"), "正解数　　0\r\n所要時間　0：0");
}

}  // namespace
}  // namespace zunobi::drills
