// The arithmetic windows play a run of ten in one shape: the start time,
// ten numbered questions, each answer judged, a summary, and a new run that
// counts from zero. What differs is how a question shows and where its
// judgement stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>

#include "data/cp932.h"
#include "data/folders.h"
#include "drills/arithmetic/frm2_keisan.h"
#include "drills/arithmetic/frm2_keisan_saikoro.h"
#include "drills/arithmetic/frm2_kioku.h"
#include "drills/arithmetic/scripted_draws.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::ScriptedRandom;

struct Asked {
  const char* shows;  // the question as its row shows it
  const char* typed;
  const char* judgement;  // worded with colons and without a heading
};

// Seven right answers; the draws are pushed by pushQuestion.
const struct Sum {
  int a1, enzan, a2;
  Asked asked;
} kSums[] = {
    {12, 1, 30, {"12＋30", "42", "○"}},
    {5, 2, 9, {"5－9", "-4", "○"}},
    {7, 3, 8, {"7×8", "56 ", "正解は：56\r\nあなた：56 "}},
    {72, 4, 8, {"72／8", "9", "○"}},
    {3, 2, 3, {"3－3", "0", "○"}},
    {99, 3, 9, {"99×9", "891", "○"}},
    {20, 2, 50, {"20－50", "－30", "正解は：-30\r\nあなた：－30"}},
    {81, 4, 9, {"81／9", "9", "○"}},
    {1, 1, 1, {"1＋1", "", "正解は：2\r\nあなた："}},
    {45, 1, 54, {"45＋54", "99", "○"}},
};

// Six right answers: the shown faces (their pips) and signs.
const struct Dice {
  int me1, me2, me3, enzan, enzan2;
  Asked asked;
} kDice[] = {
    {2, 6, 3, 1, 2, {"263＋－", "2", "○"}},
    {6, 6, 1, 1, 0, {"66＋", "2", "○"}},
    {1, 1, 1, 1, 1, {"111＋＋", "18", "○"}},
    {6, 1, 1, 2, 2, {"611－－", "－11", "正解は　　-11\r\nあなた　　－11"}},
    {3, 3, 4, 2, 1, {"334－＋", "+3", "正解は　　3\r\nあなた　　+3"}},
    {5, 4, 2, 1, 1, {"542＋＋", "10", "○"}},
    {4, 5, 6, 2, 0, {"45－", "01", "正解は　　1\r\nあなた　　01"}},
    {1, 2, 3, 1, 2, {"123＋－", "7", "○"}},
    {2, 2, 2, 2, 2, {"222－－", "-5", "○"}},
    {6, 5, 4, 1, 1, {"654＋＋", "", "正解は　　6\r\nあなた　　"}},
};

// What the question row shows: the sum, or the pips of each die on show
// and the signs.
std::string shown(const ui::Form& w) {
  const auto caption = [&](const char* name) { return w.control(name).caption(); };
  if (!w.has("fraSaikoro", 0))
    return caption("lblAtai1") + caption("lblEnzan") + caption("lblAtai2");
  std::string faces;
  for (int d = 0; d < 3; ++d) {
    if (!w.showing(w.control("fraSaikoro", d))) continue;
    int pips = 0;
    for (int k = 0; k < 7; ++k) pips += w.showing(w.control("optMe", 7 * d + k));
    faces += std::to_string(pips);
  }
  return faces + caption("lblEnzan") + caption("lblEnzan2");
}

struct Window {
  const char* caption;
  std::function<std::shared_ptr<ui::Form>(ui::Services&)> make;
  const char* setumei;
  std::function<void(ScriptedRandom&)> script;  // the first run's draws
  std::vector<Asked> asked;
  // The judgement stands beside the next question, under a heading, and
  // the tenth is never shown; or it shows at once, beside its own.
  const char* heading;
  std::vector<std::string> toAnswer, next;  // clicked before typing, after judging
  std::string summary, again;               // after the first run and a run of wrong answers
};

std::vector<Asked> asked(const auto& table) {
  std::vector<Asked> out;
  for (const auto& row : table) out.push_back(row.asked);
  return out;
}

void pushSums(ScriptedRandom& r) {
  for (const auto& s : kSums) testing::pushQuestion(r, s.a1, s.enzan, s.a2);
}

// Memory arithmetic: the rows of the interference questions, then the sums.
Window kioku(const KiokuVariant& v, const char* caption, const char* setumei,
             std::vector<std::string> toAnswer) {
  return {caption,
          [&v](ui::Services& s) { return std::make_shared<Frm2Kioku>(s, v); },
          setumei,
          [](ScriptedRandom& r) {
            for (int i = 0; i < 25; ++i) r.push(0.5);
            pushSums(r);
          },
          asked(kSums),
          nullptr,
          std::move(toAnswer),
          {"cmdTugi"},
          "問題数　　10\r\n正解数　　7\r\n所要時間　3：4",
          "問題数　　10\r\n正解数　　0\r\n所要時間　0：0"};
}

const Window kWindows[] = {
    {"計算問題",
     [](ui::Services& s) { return std::make_shared<Frm2Keisan>(s); },
     "算式の結果を入力してください\r\n　　（入力の終了は「ＥＮＴＥＲ」キー）\r\n１０問で終了します",
     pushSums,
     asked(kSums),
     "（前問題）\r\n",
     {},
     {},
     "正解数　　7\r\n所要時間　3：4",
     "正解数　　0\r\n所要時間　0：0"},
    {"計算問題・さいころ",
     [](ui::Services& s) { return std::make_shared<Frm2KeisanSaikoro>(s); },
     "さいころの数は対面を加えると７になります\r\n裏の面数を使って計算してください\r\n"
     "　　（入力の終了は「ＥＮＴＥＲ」キー）\r\n１０問で終了します",
     [](ScriptedRandom& r) {
       for (const auto& s : kDice) testing::pushDice(r, s.me1, s.me2, s.me3, s.enzan, s.enzan2);
     },
     asked(kDice),
     "（前問題）\r\n",
     {},
     {},
     "問題数　　10\r\n正解数　　6\r\n所要時間　3：4",
     "問題数　　10\r\n正解数　　0\r\n所要時間　0：0"},
    kioku(Frm2Kioku::kKioku1, "記憶・計算問題Ⅰ",
          "①算式の結果を記憶\r\n②質問に答える\r\n③計算の結果を入力", {"cmdNext1", "cmdNext2"}),
    kioku(Frm2Kioku::kKioku2, "記憶・計算問題Ⅱ",
          "①算式の結果を記憶\r\n②質問に答える\r\n③質問に答える\r\n④計算の結果を入力",
          {"cmdNext1", "cmdNext2", "cmdNext3"}),
};

TEST(ArithmeticWindows, PlayAWholeRunAcrossMidnightAndAnother) {
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
  std::filesystem::create_directory(data::DataFolder(root.path()));
  std::string csv;
  for (int i = 1; i <= 25; ++i)
    csv += std::to_string(i) + ",分類,質問" + std::to_string(i) + "\r\n";
  data::testing::writeBytes(data::DataFolder(root.path()) + std::string(data::kKiokuBunFile),
                            data::utf8ToCp932(csv));
  for (const Window& win : kWindows) {
    SCOPED_TRACE(win.caption);
    ui::testing::TestServices t;
    win.script(t.random);
    auto w = win.make(t.services);
    w->load();
    EXPECT_EQ(w->caption(), win.caption);
    EXPECT_EQ(w->control("lblSetumei").caption(), win.setumei);
    EXPECT_TRUE(w->showing(w->control("cmdKaishi")));
    w->pressEnter("txtAnswer");  // hidden: judges nothing
    EXPECT_EQ(w->control("lblKotae").caption(), "");
    t.clock.setTime(23, 59, 0);
    w->click("cmdKaishi");
    EXPECT_EQ(w->control("lblKaishiJikan").caption(), "開始の時刻　23:59:00");
    for (int k = 1; k <= 10; ++k) {
      const Asked& a = win.asked[k - 1];
      SCOPED_TRACE(k);
      EXPECT_EQ(w->control("lblQsNo").caption(), "問題　" + std::to_string(k));
      EXPECT_EQ(shown(*w), a.shows);
      w->click("cmdKaishi");  // hidden: a run cannot be restarted midway
      for (const auto& b : win.toAnswer) w->click(b);
      EXPECT_EQ(w->control("txtAnswer").text(), "");
      EXPECT_TRUE(w->control("txtAnswer").hasFocus());
      t.clock.advance(k == 10 ? 94 : 10);  // 184 s in all
      w->type("txtAnswer", a.typed);
      w->pressEnter("txtAnswer");
      const std::string judgement =
          win.heading ? (k < 10 ? win.heading + std::string(a.judgement) : "") : a.judgement;
      EXPECT_EQ(w->control("lblKotae").caption(), judgement);
      for (const auto& b : win.next) w->click(b);
    }
    EXPECT_EQ(w->control("lblKekka").caption(), win.summary);
    EXPECT_EQ(w->control("lblKaishiJikan").caption(), "開始の時刻　23:59:00");
    EXPECT_TRUE(w->showing(w->control("cmdKaishi")));
    w->pressEnter("txtAnswer");
    EXPECT_EQ(w->control("lblKekka").caption(), win.summary);
    if (win.heading) {
      EXPECT_EQ(w->control("lblKotae").caption(), "");
    }

    w->click("cmdKaishi");
    EXPECT_FALSE(w->showing(w->control("lblKekka")));
    EXPECT_EQ(w->control("lblQsNo").caption(), "問題　1");
    for (int k = 1; k <= 10; ++k) {
      for (const auto& b : win.toAnswer) w->click(b);
      w->type("txtAnswer", "x");
      w->pressEnter("txtAnswer");
      for (const auto& b : win.next) w->click(b);
    }
    EXPECT_EQ(w->control("lblKekka").caption(), win.again);
  }
}

// The question number reads out the whole question on show, and only it.
TEST(ArithmeticWindows, TheQuestionNumberReadsOutTheQuestion) {
  ui::testing::WindowFixture<Frm2Keisan> keisan(ui::testing::kLoadLater);
  testing::pushQuestion(keisan.t.random, 12, 1, 30);
  keisan.w->load();
  keisan.w->click("cmdKaishi");
  EXPECT_EQ(keisan.w->control("lblQsNo").accessibleName(), "問題　1　12　＋　30　＝");

  ui::testing::WindowFixture<Frm2KeisanSaikoro> dice(ui::testing::kLoadLater);
  testing::pushDice(dice.t.random, 4, 5, 6, 2, 0);
  dice.w->load();
  dice.w->click("cmdKaishi");
  EXPECT_EQ(dice.w->control("lblQsNo").accessibleName(),
            "問題　1　さいころ　４　－　さいころ　５　＝");
}

// Each of a die's seven pips has a place of its own.
TEST(ArithmeticWindows, EveryPipOfADieHasItsOwnPlace) {
  ui::testing::WindowFixture<Frm2KeisanSaikoro> f;
  for (int d = 0; d < 3; ++d) {
    std::set<std::pair<int, int>> places;
    for (int k = 0; k < 7; ++k)
      places.insert({f.w->control("optMe", 7 * d + k).place().left,
                     f.w->control("optMe", 7 * d + k).place().top});
    EXPECT_EQ(places.size(), 7u) << "die " << d;
  }
}

}  // namespace
}  // namespace zunobi::drills
