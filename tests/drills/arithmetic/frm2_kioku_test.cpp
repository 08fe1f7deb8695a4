#include "drills/arithmetic/frm2_kioku.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>

#include "data/cp932.h"
#include "data/folders.h"
#include "drills/arithmetic/scripted_draws.h"
#include "support/draws.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::drawFor;
using ui::testing::names;
using ui::testing::onScreen;

const std::set<std::string> kFrame{"Label1", "lblSetumei", "lblJikoku", "lblKaishiJikan",
                                   "cmdToMenu"};
const std::set<std::string> kIdle = names({kFrame, {"cmdKaishi"}});
const std::set<std::string> kKeisan =
    names({kFrame, {"lblQsNo", "lblAtai1", "lblEnzan", "lblAtai2", "lblEq", "cmdNext1"}});
const std::set<std::string> kAnswer =
    names({kFrame, {"lblQsNo", "lblAnswer", "txtAnswer", "lblKotae", "cmdTugi"}});
const std::set<std::string> kSummary = names({kFrame, {"lblKekka", "cmdKaishi"}});
const std::set<std::string> kNoData = names({kFrame, {"lblKekka"}});

const KiokuVariant* const kVariants[] = {&Frm2Kioku::kKioku1, &Frm2Kioku::kKioku2};

// "1,分類,質問1" … one line per row, each question its own text.
std::string rows(int n, const std::string& word = "質問") {
  std::string csv;
  for (int i = 1; i <= n; ++i)
    csv += std::to_string(i) + ",分類," + word + std::to_string(i) + "\r\n";
  return csv;
}

// The window on a program folder of its own that holds `csv` as the
// interference questions (none at all when nullopt).
struct Kioku {
  Kioku(const KiokuVariant& v, const std::optional<std::string>& csv)
      : variant(v), f(ui::testing::kLoadLater, v) {
    std::filesystem::create_directory(data::DataFolder(root.path()));
    if (csv) write(*csv);
    f.w->load();
  }
  void write(const std::string& csv) const {
    data::testing::writeBytes(data::DataFolder(root.path()) + std::string(data::kKiokuBunFile),
                              data::utf8ToCp932(csv));
  }
  int bun() const { return variant.interferencePerQuestion; }
  // Keys that sort the n rows backwards: position p shows row n − p + 1.
  void pushBackwardKeys(int n) {
    for (int i = 1; i <= n; ++i) f.t.random.push(drawFor(n - i + 1, 1000));
  }
  // From the sum of the question on show to its answer box; the
  // interference questions seen on the way.
  std::vector<std::string> toAnswer() {
    static const char* const kNext[] = {"cmdNext1", "cmdNext2", "cmdNext3"};
    static const char* const kBun[] = {"lblMondaiBun", "lblMondaiBun2"};
    std::vector<std::string> seen;
    for (int j = 0; j < bun(); ++j) {
      f.w->click(kNext[j]);
      seen.push_back(f.caption(kBun[j]));
    }
    f.w->click(kNext[bun()]);
    return seen;
  }
  // A whole run without typing; every interference question seen.
  std::vector<std::string> skipRun() {
    std::vector<std::string> seen;
    f.w->click("cmdKaishi");
    for (int k = 1; k <= 10; ++k) {
      for (auto& s : toAnswer()) seen.push_back(s);
      f.w->click("cmdTugi");
    }
    return seen;
  }

  const KiokuVariant& variant;
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
  ui::testing::WindowFixture<Frm2Kioku> f;
};

// The sum shows with the answer box out of reach, and the answer is judged
// once; a question left without an answer counts as wrong.
TEST(Frm2Kioku, JudgesOnlyInTheAnswerStepAndOnce) {
  for (const KiokuVariant* v : kVariants) {
    SCOPED_TRACE(v->info.formName);
    Kioku k(*v, rows(25));
    auto& f = k.f;
    k.pushBackwardKeys(25);
    testing::pushQuestion(f.t.random, 7, 3, 8);
    testing::pushQuestion(f.t.random, 1, 1, 1);
    const ui::Control* focusBefore = f.w->focused();
    f.w->click("cmdKaishi");
    EXPECT_EQ(onScreen(*f.w), kKeisan);
    EXPECT_EQ(f.w->focused(), focusBefore) << "the keys stay where they were";
    f.w->pressEnter("txtAnswer");
    f.w->click("cmdNext1");
    f.w->pressEnter("txtAnswer");
    EXPECT_EQ(f.caption("lblKotae"), "");
    EXPECT_EQ(f.caption("lblMondaiBun"), "質問25");
    EXPECT_EQ(f.w->control("lblQsNo").accessibleName(), "問題　1")
        << "the sum is not read out once it is hidden";
    f.w->click("cmdNext2");
    if (k.bun() == 2) f.w->click("cmdNext3");
    EXPECT_EQ(onScreen(*f.w), kAnswer);
    EXPECT_EQ(f.caption("lblAnswer"),
              "計算の結果は、いくらですか？\r\n右に入力し、「ＥＮＴＥＲ」キーを押す");
    f.answer("56 ");
    EXPECT_EQ(f.caption("lblKotae"), "正解は：56\r\nあなた：56 ");
    f.answer("56");
    EXPECT_EQ(f.caption("lblKotae"), "正解は：56\r\nあなた：56 ") << "judged once";
    f.w->click("cmdTugi");
    for (int q = 2; q <= 10; ++q) {
      k.toAnswer();
      f.w->click("cmdTugi");
    }
    EXPECT_EQ(onScreen(*f.w), kSummary);
    EXPECT_EQ(f.caption("lblKekka"), "問題数　　10\r\n正解数　　0\r\n所要時間　0：0");
    EXPECT_TRUE(f.w->control("cmdKaishi").hasFocus());
  }
}

TEST(Frm2Kioku, EachStartShufflesTheTableReadAtLoad) {
  for (const KiokuVariant* v : kVariants) {
    SCOPED_TRACE(v->info.formName);
    const int n = 10 * (v == &Frm2Kioku::kKioku1 ? 1 : 2);  // just enough: every row shows
    Kioku k(*v, rows(n));
    auto& r = k.f.t.random;
    k.pushBackwardKeys(n);
    r.push(0.0);  // questions 1 ＋ 1 from here on
    auto first = k.skipRun();
    std::vector<std::string> backwards;
    for (int i = n; i >= 1; --i) backwards.push_back("質問" + std::to_string(i));
    EXPECT_EQ(first, backwards);
    EXPECT_EQ(onScreen(*k.f.w), kSummary);

    // Another start draws every key afresh, re-seeded each, and takes the
    // rows from the table of this load: the file is not read again.
    k.write(rows(n, "別の質問"));
    for (int i = 1; i <= n; ++i) r.push(drawFor(i, 1000));
    r.push(0.0);
    const auto draws = r.draws();
    const auto reseeds = r.reseeds();
    k.f.w->click("cmdKaishi");
    EXPECT_EQ(r.draws() - draws, static_cast<std::size_t>(n) + 3) << "keys, then a question";
    EXPECT_EQ(r.reseeds() - reseeds, r.draws() - draws);
    std::vector<std::string> second;
    for (int q = 1; q <= 10; ++q) {
      for (auto& s : k.toAnswer()) second.push_back(s);
      k.f.w->click("cmdTugi");
    }
    std::vector<std::string> forwards(backwards.rbegin(), backwards.rend());
    EXPECT_EQ(second, forwards);
  }
}

TEST(Frm2Kioku, AFileItCannotUseIsToldAndNoRunStarts) {
  struct Case {
    const KiokuVariant* v;
    const char* what;
    std::optional<std::string> csv;
    const char* message;  // nullptr: the window is usable
  } cases[] = {
      {&Frm2Kioku::kKioku1, "missing", std::nullopt,
       "「記憶用文章.csv」：ファイルが見つかりません"},
      {&Frm2Kioku::kKioku1, "nine rows", rows(9),
       "「記憶用文章.csv」：文章が9件しかありません（10件以上必要です）"},
      {&Frm2Kioku::kKioku1, "ten rows", rows(10), nullptr},
      {&Frm2Kioku::kKioku2, "nineteen rows", rows(19),
       "「記憶用文章.csv」：文章が19件しかありません（20件以上必要です）"},
      {&Frm2Kioku::kKioku2, "twenty rows", rows(20), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.v->info.formName) + ": " + c.what);
    Kioku k(*c.v, c.csv);
    auto& w = *k.f.w;
    if (!c.message) {
      EXPECT_EQ(onScreen(w), kIdle);
      continue;
    }
    EXPECT_EQ(onScreen(w), kNoData);
    EXPECT_EQ(k.f.caption("lblKekka"), c.message);
    w.click("cmdKaishi");
    EXPECT_EQ(onScreen(w), kNoData);
    EXPECT_EQ(k.f.t.random.draws(), 0u);
  }
}

}  // namespace
}  // namespace zunobi::drills
