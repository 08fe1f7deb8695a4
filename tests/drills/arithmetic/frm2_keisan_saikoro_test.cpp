#include "drills/arithmetic/frm2_keisan_saikoro.h"

#include <gtest/gtest.h>

#include <memory>

#include "drills/arithmetic/scripted_draws.h"
#include "support/forms.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using testing::kFaceTable;
using ui::testing::names;
using ui::testing::onScreen;

const std::set<std::string> kFrame{
    "Label1",    "lblSetumei", "lblJikoku", "lblKaishiJikan", "cmdToMenu", "lblQsNo", "lblEnzan",
    "lblEnzan2", "lblEq",      "lblKotae",  "lblAtai1",       "lblAtai2",  "lblAtai3"};
const std::set<std::string> kIdle = names({kFrame, {"cmdKaishi", "lblKekka"}});

// A die on screen: its frame and the pips of its face.
std::set<std::string> die(int d, int face) {
  std::set<std::string> shown{"fraSaikoro(" + std::to_string(d) + ")"};
  for (int k : kFaceTable[face]) shown.insert("optMe(" + std::to_string(7 * d + k) + ")");
  return shown;
}

using Fixture = ui::testing::WindowFixture<Frm2KeisanSaikoro>;

TEST(Frm2KeisanSaikoro, LoadsIdleWithItsInstructions) {
  Fixture f;
  EXPECT_EQ(onScreen(*f.w), kIdle);
  EXPECT_EQ(f.caption("lblSetumei"),
            "さいころの数は対面を加えると７になります\r\n"
            "裏の面数を使って計算してください\r\n"
            "\u3000\u3000（入力の終了は「ＥＮＴＥＲ」キー）\r\n"
            "１０問で終了します");
  for (const char* name : {"lblQsNo", "lblEnzan", "lblEnzan2", "lblEq", "lblKekka", "lblKotae"})
    EXPECT_EQ(f.caption(name), "") << name;
  EXPECT_EQ(f.w->timer().interval(), 1000);
}

struct Step {
  int me1, me2, me3, enzan, enzan2;
  const char* signs;  // lblEnzan + lblEnzan2
  const char* typed;
  const char* judgement;  // shown beside the next question
};

// Six right answers out of ten.
const Step kRun[] = {
    {2, 6, 3, 1, 2, "＋－", "2", "（前問題）\r\n○"},
    {6, 6, 1, 1, 0, "＋", "2", "（前問題）\r\n○"},
    {1, 1, 1, 1, 1, "＋＋", "18", "（前問題）\r\n○"},
    {6, 1, 1, 2, 2, "－－", "－11", "（前問題）\r\n正解は　　-11\r\nあなた　　－11"},
    {3, 3, 4, 2, 1, "－＋", "+3", "（前問題）\r\n正解は　　3\r\nあなた　　+3"},
    {5, 4, 2, 1, 1, "＋＋", "10", "（前問題）\r\n○"},
    {4, 5, 6, 2, 0, "－", "01", "（前問題）\r\n正解は　　1\r\nあなた　　01"},
    {1, 2, 3, 1, 2, "＋－", "7", "（前問題）\r\n○"},
    {2, 2, 2, 2, 2, "－－", "-5", "（前問題）\r\n○"},
    {6, 5, 4, 1, 1, "＋＋", "", "（前問題）\r\n正解は　　6\r\nあなた　　"},
};

TEST(Frm2KeisanSaikoro, PlaysAWholeRunThroughItsStates) {
  Fixture f;
  for (const auto& s : kRun) testing::pushDice(f.t.random, s.me1, s.me2, s.me3, s.enzan, s.enzan2);
  f.t.clock.setTime(23, 59, 0);
  f.w->click("cmdKaishi");
  EXPECT_EQ(f.caption("lblKaishiJikan"), "開始の時刻　23:59:00");
  std::string previous;
  for (int k = 1; k <= 10; ++k) {
    const Step& s = kRun[k - 1];
    SCOPED_TRACE(k);
    auto expected = names({kFrame, {"txtAnswer"}, die(0, s.me1), die(1, s.me2)});
    if (s.enzan2 != 0) expected = names({expected, die(2, s.me3)});
    EXPECT_EQ(onScreen(*f.w), expected);
    EXPECT_EQ(f.caption("lblQsNo"), "問題　" + std::to_string(k));
    EXPECT_EQ(f.caption("lblEnzan") + f.caption("lblEnzan2"), s.signs);
    EXPECT_EQ(f.caption("lblEq"), "＝");
    EXPECT_EQ(f.caption("lblKotae"), previous);
    EXPECT_EQ(f.w->control("txtAnswer").text(), "");
    EXPECT_TRUE(f.w->control("txtAnswer").hasFocus());
    f.w->click("cmdKaishi");  // hidden during a run
    EXPECT_EQ(f.caption("lblQsNo"), "問題　" + std::to_string(k));
    f.t.clock.advance(k == 10 ? 94 : 10);  // across midnight, 184 s in all
    f.answer(s.typed);
    previous = s.judgement;
  }
  EXPECT_EQ(onScreen(*f.w), kIdle);
  EXPECT_EQ(f.caption("lblKekka"), "問題数　　10\r\n正解数　　6\r\n所要時間　3：4");
  for (const char* name : {"lblQsNo", "lblAtai1", "lblAtai2", "lblAtai3", "lblEnzan", "lblEnzan2",
                           "lblEq", "lblKotae"})
    EXPECT_EQ(f.caption(name), "") << name;
  EXPECT_EQ(f.caption("lblKaishiJikan"), "開始の時刻　23:59:00");

  // A new run hides the last summary and counts from zero again.
  for (int k = 1; k <= 10; ++k) testing::pushDice(f.t.random, 1, 1, 1, 1, 1);
  f.w->click("cmdKaishi");
  EXPECT_FALSE(f.w->control("lblKekka").visible());
  EXPECT_EQ(f.caption("lblQsNo"), "問題　1");
  for (int k = 1; k <= 10; ++k) f.answer("18");
  EXPECT_EQ(onScreen(*f.w), kIdle);
  EXPECT_EQ(f.caption("lblKekka"), "問題数　　10\r\n正解数　　10\r\n所要時間　0：0");
}

}  // namespace
}  // namespace zunobi::drills
