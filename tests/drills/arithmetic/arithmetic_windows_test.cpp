// The arithmetic windows play a run of ten in one shape: the start time,
// ten numbered questions, each answer judged, a summary, and a new run that
// counts from zero. What differs is how a question shows and where its
// judgement stands; the memory windows also draw their everyday questions
// from a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

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

// "1,分類,質問1" … one line per row, each question its own text.
std::string rows(int n, const std::string& word = "質問") {
  std::string csv;
  for (int i = 1; i <= n; ++i)
    csv += std::to_string(i) + ",分類," + word + std::to_string(i) + "\r\n";
  return csv;
}

// A program folder of its own that holds `csv` as the everyday questions
// (none at all when nullopt).
struct KiokuFolder {
  explicit KiokuFolder(const std::optional<std::string>& csv) {
    std::filesystem::create_directory(data::DataFolder(root.path()));
    if (csv) write(*csv);
  }
  void write(const std::string& csv) const {
    data::testing::writeBytes(data::DataFolder(root.path()) + std::string(data::kKiokuBunFile),
                              data::utf8ToCp932(csv));
  }
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
};

struct Window {
  std::function<std::shared_ptr<ui::Form>(ui::Services&)> make;
  std::function<void(ScriptedRandom&)> script;  // the first run's draws
  std::vector<Asked> asked;
  // Memory arithmetic: the everyday questions between a sum and its answer,
  // whose judgement shows at once. Otherwise the judgement stands beside
  // the next question, under a heading, and the tenth is never shown.
  int bun;
  std::string summary;
  // The second question as its number reads it out: the whole question on
  // show, and only it.
  const char* spoken;
};

std::vector<Asked> asked(const auto& table) {
  std::vector<Asked> out;
  for (const auto& row : table) out.push_back(row.asked);
  return out;
}

void pushSums(ScriptedRandom& r) {
  for (const auto& s : kSums) testing::pushQuestion(r, s.a1, s.enzan, s.a2);
}

const char* const kSpokenSum = "問題　2　5　－　9　＝";

// Memory arithmetic: the keys of the everyday questions, then the sums.
Window kioku(const KiokuVariant& v) {
  return {[&v](ui::Services& s) { return std::make_shared<Frm2Kioku>(s, v); },
          [](ScriptedRandom& r) {
            for (int i = 0; i < 25; ++i) r.push(0.5);
            pushSums(r);
          },
          asked(kSums),
          v.interferencePerQuestion,
          "問題数　　10\r\n正解数　　7\r\n所要時間　3：4",
          kSpokenSum};
}

const Window kWindows[] = {
    {[](ui::Services& s) { return std::make_shared<Frm2Keisan>(s); }, pushSums, asked(kSums), 0,
     "正解数　　7\r\n所要時間　3：4", kSpokenSum},
    {[](ui::Services& s) { return std::make_shared<Frm2KeisanSaikoro>(s); },
     [](ScriptedRandom& r) {
       for (const auto& s : kDice) testing::pushDice(r, s.me1, s.me2, s.me3, s.enzan, s.enzan2);
     },
     asked(kDice), 0, "問題数　　10\r\n正解数　　6\r\n所要時間　3：4",
     "問題　2　さいころ　６　＋　さいころ　６　＝"},
    kioku(Frm2Kioku::kKioku1),
    kioku(Frm2Kioku::kKioku2),
};

TEST(ArithmeticWindows, PlayAWholeRunAcrossMidnightAndAnother) {
  KiokuFolder folder{rows(25)};
  for (const Window& win : kWindows) {
    ui::testing::TestServices t;
    win.script(t.random);
    auto w = win.make(t.services);
    w->load();
    SCOPED_TRACE(w->name());
    const auto toAnswer = [&] {
      for (int j = 1; win.bun && j <= win.bun + 1; ++j) w->click("cmdNext" + std::to_string(j));
    };
    t.clock.setTime(23, 59, 0);
    w->click("cmdKaishi");
    EXPECT_EQ(w->control("lblKaishiJikan").caption(), "開始の時刻　23:59:00");
    for (int k = 1; k <= 10; ++k) {
      const Asked& a = win.asked[k - 1];
      SCOPED_TRACE(k);
      EXPECT_EQ(w->control("lblQsNo").caption(), "問題　" + std::to_string(k));
      EXPECT_EQ(shown(*w), a.shows);
      if (k == 2) {
        EXPECT_EQ(w->control("lblQsNo").accessibleName(), win.spoken);
      }
      toAnswer();
      if (win.bun) {
        EXPECT_EQ(w->control("lblQsNo").accessibleName(), "問題　" + std::to_string(k))
            << "the sum is not read out once it is hidden";
      }
      EXPECT_TRUE(w->control("txtAnswer").hasFocus());
      t.clock.advance(k == 10 ? 94 : 10);  // 184 s in all
      w->type("txtAnswer", a.typed);
      w->pressEnter("txtAnswer");
      const std::string judgement =
          win.bun ? a.judgement : (k < 10 ? "（前問題）\r\n" + std::string(a.judgement) : "");
      EXPECT_EQ(w->control("lblKotae").caption(), judgement);
      if (win.bun) {  // the right result stays on show: typing it then must not count
        w->type("txtAnswer", "0");
        w->pressEnter("txtAnswer");
        EXPECT_EQ(w->control("lblKotae").caption(), judgement) << "judged once";
        w->click("cmdTugi");
      }
    }
    EXPECT_EQ(w->control("lblKekka").caption(), win.summary);

    w->click("cmdKaishi");
    for (int k = 1; k <= 10; ++k) {
      toAnswer();
      w->type("txtAnswer", "x");
      w->pressEnter("txtAnswer");
      if (win.bun) w->click("cmdTugi");
    }
    EXPECT_TRUE(w->control("lblKekka").caption().ends_with("正解数　　0\r\n所要時間　0：0"));
  }
}

const KiokuVariant* const kVariants[] = {&Frm2Kioku::kKioku1, &Frm2Kioku::kKioku2};

// A memory window on its own program folder.
struct Kioku : KiokuFolder {
  Kioku(const KiokuVariant& v, const std::optional<std::string>& csv)
      : KiokuFolder(csv), bun(v.interferencePerQuestion), f(v) {}
  // A whole run without typing; every everyday question seen.
  std::vector<std::string> skipRun() {
    static const char* const kNext[] = {"cmdNext1", "cmdNext2", "cmdNext3"};
    static const char* const kBun[] = {"lblMondaiBun", "lblMondaiBun2"};
    std::vector<std::string> seen;
    f.w->click("cmdKaishi");
    for (int k = 1; k <= 10; ++k) {
      for (int j = 0; j < bun; ++j) {
        f.w->click(kNext[j]);
        seen.push_back(f.caption(kBun[j]));
      }
      f.w->click(kNext[bun]);
      f.w->click("cmdTugi");
    }
    return seen;
  }
  int bun;  // everyday questions per sum
  ui::testing::WindowFixture<Frm2Kioku> f;
};

TEST(Frm2Kioku, EachStartShufflesTheTableReadAtLoad) {
  for (const KiokuVariant* v : kVariants) {
    SCOPED_TRACE(v->info.formName);
    const int n = 10 * v->interferencePerQuestion;  // just enough: every row shows
    Kioku k(*v, rows(n));
    auto& r = k.f.t.random;
    // Keys that sort the rows backwards, then questions 1 ＋ 1 from here on.
    for (int i = 1; i <= n; ++i) r.push(ui::testing::drawFor(n - i + 1, 1000));
    r.push(0.0);
    std::vector<std::string> backwards;
    for (int i = n; i >= 1; --i) backwards.push_back("質問" + std::to_string(i));
    EXPECT_EQ(k.skipRun(), backwards);

    // Another start draws every key afresh and takes the rows from the
    // table of this load: the file is not read again.
    k.write(rows(n, "別の質問"));
    for (int i = 1; i <= n; ++i) r.push(ui::testing::drawFor(i, 1000));
    r.push(0.0);
    const auto draws = r.draws();
    const auto second = k.skipRun();
    EXPECT_EQ(second, std::vector(backwards.rbegin(), backwards.rend()));
    EXPECT_EQ(r.draws() - draws, static_cast<std::size_t>(n) + 10 * 3) << "keys, then sums";
  }
}

// Just enough rows are usable: the run above plays on them.
TEST(Frm2Kioku, AFileItCannotUseIsToldAndNoRunStarts) {
  struct Case {
    const KiokuVariant* v;
    std::optional<std::string> csv;
    const char* message;
  } cases[] = {
      {&Frm2Kioku::kKioku1, std::nullopt, "「記憶用文章.csv」：ファイルが見つかりません"},
      {&Frm2Kioku::kKioku1, rows(9),
       "「記憶用文章.csv」：文章が9件しかありません（10件以上必要です）"},
      {&Frm2Kioku::kKioku2, rows(19),
       "「記憶用文章.csv」：文章が19件しかありません（20件以上必要です）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Kioku k(*c.v, c.csv);
    EXPECT_FALSE(k.f.showing("cmdKaishi"));
    EXPECT_EQ(k.f.caption("lblKekka"), c.message);
  }
}

}  // namespace
}  // namespace zunobi::drills
