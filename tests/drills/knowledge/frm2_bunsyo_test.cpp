#include "drills/knowledge/frm2_bunsyo.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/cp932.h"
#include "data/folders.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::kLoadLater;
using ui::testing::names;
using ui::testing::onScreen;

const std::set<std::string> kLabels{"Label1",    "Label2",          "lblBunsyo",
                                    "lblJikoku", "lblKaishiJikoku", "lblSetumei",
                                    "lblQs",     "lblAnswer",       "lblBunNo"};
const std::set<std::string> kOfferNext = names({kLabels, {"cmdToMenu", "cmdMondai"}});
const std::set<std::string> kReading = names({kLabels, {"cmdToMenu", "cmdQs"}});
const std::set<std::string> kAsked = names({kLabels, {"cmdToMenu", "cmdAnswer"}});

const char* const kReadFirst = "問題文を理解したら、「質問」ボタンをクリック";

// The draw that picks document n of 68.
double drawFor(int n) { return (n - 0.5) / 68.0; }

// A program folder of its own with an empty document folder.
struct DocumentFolder {
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
  DocumentFolder() { std::filesystem::create_directory(root / "bun"); }
  static std::string path(int n) { return data::DocumentFolder() + data::DocumentFileName(n); }
  // Lines in UTF-8, each written as CP932 with CR LF.
  static void write(int n, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    data::testing::writeBytes(path(n), data::utf8ToCp932(text));
  }
};

// A text as its fixed 100-character field holds it.
std::string field100(const std::string& text, int chars) {
  return text + std::string(static_cast<std::size_t>(100 - chars), ' ');
}

using Fixture = ui::testing::WindowFixture<Frm2Bunsyo>;

TEST(Frm2Bunsyo, LoadsOfferingOnlyTheNextDocument) {
  Fixture f;
  EXPECT_EQ(onScreen(*f.w), kOfferNext);
  EXPECT_TRUE(f.w->control("cmdMondai").hasFocus());
  EXPECT_EQ(f.w->tabOrder(),
            (std::vector<ui::ControlId>{{"cmdMondai"}, {"cmdAnswer"}, {"cmdQs"}, {"cmdToMenu"}}));
  EXPECT_EQ(f.caption("lblBunsyo") + f.caption("lblSetumei") + f.caption("lblBunNo"), "");
  f.w->click("cmdQs");
  f.w->click("cmdAnswer");
  EXPECT_EQ(f.t.random.draws(), 0u) << "hidden buttons do nothing";
}

TEST(Frm2Bunsyo, ReadsAsksAndAnswersDocumentAfterDocument) {
  DocumentFolder folder;
  folder.write(7, {"\"回覧板\",1", "\"清掃は6月6日です。\",1", "\"清掃はいつですか。\",\"6月6日\"",
                   "\"集合は、公園です。\",1", "\"集合はどこですか。\",\"公園\""});
  folder.write(12, {"お知らせ,1", "何のお知らせですか。,清掃"});
  const std::string doc7 = "回覧板\r\n清掃は6月6日です。\r\n集合は、公園です。\r\n";
  Fixture f(kLoadLater);
  f.t.random.push({drawFor(7), 0.6, drawFor(12), 0.0});
  f.w->load();

  f.t.clock.setTime(10, 0, 0);
  f.w->click("cmdMondai");
  EXPECT_EQ(onScreen(*f.w), kReading);
  EXPECT_TRUE(f.w->control("cmdQs").hasFocus());
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "開始の時刻　10:00:00");
  EXPECT_EQ(f.caption("lblSetumei"), kReadFirst);
  EXPECT_EQ(f.caption("lblBunNo"), "007");
  EXPECT_EQ(f.caption("lblBunsyo"), doc7);
  EXPECT_EQ(f.caption("lblQs"), "");
  EXPECT_EQ(f.caption("lblAnswer"), "");

  f.t.clock.setTime(10, 2, 0);
  f.w->click("cmdQs");
  EXPECT_EQ(onScreen(*f.w), kAsked);
  EXPECT_TRUE(f.w->control("cmdAnswer").hasFocus());
  EXPECT_EQ(f.caption("lblSetumei"), "");
  EXPECT_EQ(f.caption("lblQs"), field100("集合はどこですか。", 9));
  EXPECT_EQ(f.caption("lblBunsyo"), "") << "hidden while the question is asked";
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "開始の時刻　10:00:00");

  f.w->click("cmdAnswer");
  EXPECT_EQ(onScreen(*f.w), kOfferNext);
  EXPECT_TRUE(f.w->control("cmdMondai").hasFocus());
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "");
  EXPECT_EQ(f.caption("lblAnswer"), field100("公園", 2));
  EXPECT_EQ(f.caption("lblBunsyo"), doc7) << "shown again with the answer";
  EXPECT_EQ(f.caption("lblQs"), field100("集合はどこですか。", 9));
  EXPECT_EQ(f.caption("lblSetumei"), "");
  EXPECT_EQ(f.caption("lblBunNo"), "007");

  f.t.clock.setTime(10, 5, 9);
  f.w->click("cmdMondai");
  EXPECT_EQ(onScreen(*f.w), kReading);
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "開始の時刻　10:05:09");
  EXPECT_EQ(f.caption("lblBunNo"), "012");
  EXPECT_EQ(f.caption("lblBunsyo"), "お知らせ\r\n");
  EXPECT_EQ(f.caption("lblQs"), "");
  EXPECT_EQ(f.caption("lblAnswer"), "");
  f.w->click("cmdQs");
  EXPECT_EQ(f.caption("lblQs"), field100("何のお知らせですか。", 10));
  EXPECT_EQ(f.t.random.reseeds(), 4u) << "a re-seed before every draw";
}

// The number drawn shows with three digits; a file with one question
// always asks it; questions and answers are cut to a hundred characters.
TEST(Frm2Bunsyo, ShowsTheDrawnDocumentAndItsQuestion) {
  std::string question, answer;  // 130 and 120 characters, mixed widths
  for (int i = 0; i < 13; ++i) question += "質問ですか？abcd";
  for (int i = 0; i < 12; ++i) answer += "答え１２３４５６７８";
  const std::string question100 = question.substr(0, 10 * 22),
                    answer100 = answer.substr(0, 10 * 30);
  const struct Case {
    double rBun, rQuestion;
    const char* number;
    std::vector<std::string> lines;
    std::string bunsyo, qs, ans;
  } cases[] = {
      {0.0,
       0.99999,
       "001",
       {"一行目,1", "二行目,1", "ただ一つの質問,\"答え\"", "三行目,1"},
       "一行目\r\n二行目\r\n三行目\r\n",
       field100("ただ一つの質問", 7),
       field100("答え", 2)},
      {1.0,
       1.0,
       "068",
       {"長い質問,1", question + "," + answer},
       "長い質問\r\n",
       question100,
       answer100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    DocumentFolder folder;
    folder.write(std::stoi(c.number), c.lines);
    Fixture f(kLoadLater);
    f.t.random.push({c.rBun, c.rQuestion});
    f.w->load();
    f.w->click("cmdMondai");
    EXPECT_EQ(f.caption("lblBunNo"), c.number);
    f.w->click("cmdQs");
    EXPECT_EQ(f.caption("lblQs"), c.qs);
    f.w->click("cmdAnswer");
    EXPECT_EQ(f.caption("lblAnswer"), c.ans);
    EXPECT_EQ(f.caption("lblBunsyo"), c.bunsyo);
  }
}

struct Trouble {
  const char* what;
  std::vector<std::string> lines;  // empty: no file
  std::string rawTail;             // bytes after the lines
  const char* because;             // a part of the reason shown
};

TEST(Frm2Bunsyo, ADocumentThatCannotBeUsedIsToldAndAnotherCanBeDrawn) {
  // The reader's own message, whatever the trouble; the reader's tests
  // hold the rest.
  const Trouble kTroubles[] = {
      {"missing", {}, "", "「b007.csv」：ファイルが見つかりません"},
      {"bytes that are not CP932", {"一行目,1"}, "\x85\x40,1\r\n", "CP932"},
  };
  for (const auto& t : kTroubles) {
    SCOPED_TRACE(t.what);
    DocumentFolder folder;
    if (!t.lines.empty() || !t.rawTail.empty()) {
      std::string text;
      for (const auto& l : t.lines) text += l + "\r\n";
      data::testing::writeBytes(DocumentFolder::path(7), data::utf8ToCp932(text) + t.rawTail);
    }
    folder.write(8, {"別の文書,1", "質問,答え"});
    Fixture f(kLoadLater);
    f.t.random.push({drawFor(7), drawFor(8)});
    f.w->load();
    f.w->click("cmdMondai");
    const std::string told = f.caption("lblSetumei");
    EXPECT_EQ(told.rfind("文書007を出題できません。\r\n", 0), 0u) << told;
    EXPECT_NE(told.find(t.because), std::string::npos) << told;
    EXPECT_EQ(f.caption("lblBunsyo"), "");
    EXPECT_EQ(f.caption("lblBunNo"), "007");
    EXPECT_EQ(onScreen(*f.w), kOfferNext);
    EXPECT_TRUE(f.w->control("cmdMondai").hasFocus());
    EXPECT_GT(f.w->control("lblSetumei").place().height, 375) << "room for the reason";

    f.w->click("cmdMondai");
    EXPECT_EQ(onScreen(*f.w), kReading);
    EXPECT_EQ(f.caption("lblSetumei"), kReadFirst);
    EXPECT_EQ(f.w->control("lblSetumei").place(), (ui::Rect{9720, 2520, 3855, 375}));
    EXPECT_EQ(f.caption("lblBunsyo"), "別の文書\r\n");
    f.w->click("cmdQs");
    EXPECT_EQ(f.caption("lblQs"), field100("質問", 2));
  }
}

}  // namespace
}  // namespace zunobi::drills
