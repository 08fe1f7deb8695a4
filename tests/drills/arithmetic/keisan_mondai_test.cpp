#include "drills/arithmetic/keisan_mondai.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drills/arithmetic/scripted_draws.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using testing::kTop;
using ui::testing::FakeClock;
using ui::testing::ScriptedRandom;

struct DrawCase {
  const char* what;
  std::vector<double> script;
  KeisanMondai expected;
  std::size_t draws;
};

TEST(MakeQuestion, MapsTheEdgesOfTheUnitInterval) {
  const DrawCase cases[] = {
      {"r = 0 everywhere", {0.0}, {1, 1, 1, 2}, 3},
      {"r just below 1 everywhere", {kTop}, {81, 9, 4, 9}, 5},
      {"equal operands subtract to zero", {kTop, kTop, 0.25}, {99, 99, 2, 0}, 3},
      {"larger right operand goes negative", {0.0, kTop, 0.25}, {1, 99, 2, -98}, 3},
      {"product redraws the right operand", {kTop, 0.3, 0.5, kTop}, {99, 9, 3, 891}, 4},
      {"quarter just below × stays −", {0.0, 0.0, std::nextafter(0.5, 0.0)}, {1, 1, 2, 0}, 3},
      {"dividend built from divisor and quotient", {0.5, 0.5, 0.75, 0.0, kTop}, {9, 1, 4, 9}, 5},
      {"r of 1 from a faulty source stays in range", {1.0}, {81, 9, 4, 9}, 5},
      {"negative r from a faulty source stays in range", {-0.5}, {1, 1, 1, 2}, 3},
      {"NaN from a faulty source stays in range", {std::nan("")}, {1, 1, 1, 2}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedRandom random;
    for (double r : c.script) random.push(r);
    FakeClock clock;
    KeisanRun run(clock, random);
    EXPECT_EQ(run.MakeQuestion(), c.expected);
    EXPECT_EQ(random.draws(), c.draws);
    EXPECT_EQ(random.reseeds(), c.draws) << "every draw is re-seeded first";
  }
}

TEST(JudgeAnswer, ComparesTheTypedTextExactly) {
  struct Case {
    const char* typed;
    int seikai;
    bool right;
  };
  const Case cases[] = {
      {"12", 12, true},   {"12 ", 12, false},  {" 12", 12, false},  {"012", 12, false},
      {"+12", 12, false}, {"12.0", 12, false}, {"１２", 12, false}, {"", 12, false},
      {"1 2", 12, false}, {"-5", -5, true},    {"－5", -5, false},  {"- 5", -5, false},
      {"5", -5, false},   {"0", 0, true},      {"-0", 0, false},    {"00", 0, false},
      {"891", 891, true}, {"-98", -98, true},  {"98", -98, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeAnswer(c.typed, c.seikai), c.right) << '"' << c.typed << "\" for " << c.seikai;
  }
}

TEST(Judgement, WordsEachWindowsVariant) {
  struct Case {
    JudgementStyle style;
    bool right;
    int seikai;
    const char* typed;
    const char* text;
  };
  const Case cases[] = {
      {JudgementStyle::HeadedColons, true, 12, "12", "（前問題）\r\n○"},
      {JudgementStyle::HeadedColons, false, -5, "5", "（前問題）\r\n正解は：-5\r\nあなた：5"},
      {JudgementStyle::HeadedColons, false, 12, "", "（前問題）\r\n正解は：12\r\nあなた："},
      {JudgementStyle::Colons, true, 3, "3", "○"},
      {JudgementStyle::Colons, false, 3, "３", "正解は：3\r\nあなた：３"},
      {JudgementStyle::HeadedSpaces, true, 2, "2", "（前問題）\r\n○"},
      {JudgementStyle::HeadedSpaces, false, -11, "11",
       "（前問題）\r\n正解は　　-11\r\nあなた　　11"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(judgementText(c.style, c.right, c.seikai, c.typed), c.text);
  }
}

TEST(KeisanRun, CountsTenQuestionsAndTheEleventhCallEndsTheRun) {
  FakeClock clock;
  ScriptedRandom random{0.0};
  KeisanRun run(clock, random);
  for (int pass = 0; pass < 2; ++pass) {
    run.StartRun();
    EXPECT_EQ(run.MondaiBangou(), 0);
    for (int k = 1; k <= 10; ++k) {
      ASSERT_TRUE(run.NextQuestion().has_value()) << "question " << k;
      EXPECT_EQ(run.QuestionNumberText(), "問題　" + std::to_string(k));
      if (k % 2 == 0) run.countRightAnswer();
    }
    clock.advance(184);
    EXPECT_FALSE(run.NextQuestion().has_value());
    EXPECT_EQ(run.MondaiBangou(), 0);
    // Five, not ten on the second pass: a new run counts from zero.
    EXPECT_EQ(run.SummaryText(SummaryLayout::Short), "正解数　　5\r\n所要時間　3：4");
    EXPECT_EQ(run.SummaryText(SummaryLayout::Long),
              "問題数　　10\r\n正解数　　5\r\n所要時間　3：4");
  }
  EXPECT_EQ(random.draws(), 2u * 10 * 3) << "the ending call draws nothing";
}

TEST(KeisanRun, TimesTheRunInMinutesAndSeconds) {
  struct Case {
    int h, m, s;
    int seconds;
    const char* text;
  };
  const Case cases[] = {
      {9, 0, 0, 0, "0：0"},     {9, 0, 0, 59, "0：59"},    {9, 0, 0, 60, "1：0"},
      {9, 0, 0, 3725, "62：5"}, {23, 59, 30, 50, "0：50"},
  };
  for (const auto& c : cases) {
    FakeClock clock;
    ScriptedRandom random{0.0};
    KeisanRun run(clock, random);
    clock.setTime(c.h, c.m, c.s);
    run.StartRun();
    for (int k = 0; k < 10; ++k) run.NextQuestion();
    clock.advance(c.seconds);
    ASSERT_FALSE(run.NextQuestion().has_value());
    EXPECT_EQ(run.ElapsedText(), c.text);
  }
}

}  // namespace
}  // namespace zunobi::drills
