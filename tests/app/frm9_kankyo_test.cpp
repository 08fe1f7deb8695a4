#include "app/frm9_kankyo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/record_file.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::app {
namespace {

namespace fs = std::filesystem;
using namespace data;

// A program folder with its data and work folders, and the window on it.
struct Kankyo {
  Kankyo() {
    fs::create_directory(DataFolder(dir.path()));
    fs::create_directory(WorkFolder(dir.path()));
    window = std::make_shared<Frm9Kankyo>(t.services, dir.path());
    window->load();
  }
  std::string source(QuizList l) const {
    return WorkFolder(dir.path()) + std::string(filesOf(l).source);
  }
  std::string target(QuizList l) const {
    return DataFolder(dir.path()) + std::string(filesOf(l).target);
  }
  void writeList(QuizList l, const std::string& utf8) {
    testing::writeBytes(source(l), utf8ToCp932(utf8));
  }
  std::string convert(QuizList l) {
    window->click(l == QuizList::Nazonazo ? "cmdNazonazo" : "cmdQuizRan");
    return window->control("lblMsg1").caption();
  }
  QuizRecord record(QuizList l, std::int32_t n) const {
    return RecordFile::open(target(l)).read(n);
  }
  long filesInDataFolder() const {
    return std::distance(fs::directory_iterator(DataFolder(dir.path())), fs::directory_iterator());
  }

  testing::TempFolder dir;
  ui::testing::TestServices t;
  std::shared_ptr<Frm9Kankyo> window;
};

std::string padded(const std::string& text, std::size_t width) {
  return text + std::string(width - utf8ToCp932(text).size(), ' ');
}

std::string lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i)
    s += std::to_string(i) + ",分類,答" + std::to_string(i) + ",説明,問題\r\n";
  return s;
}

const QuizList kLists[] = {QuizList::Nazonazo, QuizList::Omoide};

TEST(Frm9Kankyo, OpensWithItsControlsAndGoesBack) {
  Kankyo k;
  auto& w = *k.window;
  EXPECT_EQ(w.caption(), "環境作成");
  EXPECT_EQ(w.control("lblMsg1").caption(), "") << "the design caption Label1 is not shown";
  EXPECT_EQ(w.control("cmdQuizRan").caption(), "思い出し（SEQ　to　ＲＡＮ）");
  EXPECT_EQ(w.control("cmdNazonazo").caption(), "なぞなぞ（ｓｅｑ　to　ｒａｎ）");
  EXPECT_TRUE(w.control("cmdToMain").hasFocus());
  EXPECT_EQ(w.tabOrder(),
            (std::vector<ui::ControlId>{{"cmdToMain"}, {"cmdQuizRan"}, {"cmdNazonazo"}}));
  w.click("cmdToMain");
  EXPECT_EQ(k.t.navigator.calls, (std::vector<std::string>{"show frm1Main", "unload frm9Kankyo"}));
}

TEST(Frm9Kankyo, EachButtonConvertsItsOwnList) {
  std::string longQuestion;
  for (int i = 0; i < 120; ++i) longQuestion += "問";
  for (QuizList list : kLists) {
    Kankyo k;
    QuizList other = list == QuizList::Nazonazo ? QuizList::Omoide : QuizList::Nazonazo;
    k.writeList(list,
                "1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n 3 , \"x,y\" ,\"答え, 3\",E3," + longQuestion);
    k.writeList(other, "1,x,other,other,other\r\n");
    EXPECT_EQ(k.convert(list), "3件　終了");
    // Field 3 is the answer, 4 the explanation, 5 the question.
    EXPECT_EQ(k.record(list, 1),
              (QuizRecord{padded("A1", kAnswerWidth), padded("E1", kExplanationWidth),
                          padded("Q1", kQuestionWidth)}));
    EXPECT_EQ(k.record(list, 3).Answer, padded("答え, 3", kAnswerWidth));
    EXPECT_EQ(k.record(list, 3).Question, longQuestion.substr(0, 100 * 3)) << "cut to 200 bytes";
    EXPECT_FALSE(fs::exists(k.target(other))) << "the other question file is not touched";
    EXPECT_EQ(k.filesInDataFolder(), 1) << "no temporary file is left behind";
  }
}

TEST(Frm9Kankyo, AShorterListLeavesTheOldRecordsAfterIt) {
  Kankyo k;
  k.writeList(QuizList::Nazonazo, "");
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "0件　終了");
  EXPECT_EQ(fs::file_size(k.target(QuizList::Nazonazo)), 0u) << "created, empty";

  k.writeList(QuizList::Nazonazo, lines(5));
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "5件　終了");
  std::string old = testing::readBytes(k.target(QuizList::Nazonazo));
  k.writeList(QuizList::Nazonazo, "1,x,新,新,新\r\n2,x,新,新,新\r\n");
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "2件　終了");
  std::string now = testing::readBytes(k.target(QuizList::Nazonazo));
  ASSERT_EQ(now.size(), old.size());
  EXPECT_EQ(now.substr(2 * kRecordLength), old.substr(2 * kRecordLength));
  EXPECT_EQ(k.record(QuizList::Nazonazo, 2).Answer, padded("新", kAnswerWidth));

  k.writeList(QuizList::Nazonazo, "");
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "0件　終了");
  EXPECT_EQ(testing::readBytes(k.target(QuizList::Nazonazo)), now)
      << "an empty list changes nothing";
}

// Every failure leaves the question file byte for byte as it was and says
// what went wrong and where.
TEST(Frm9Kankyo, ABadListLeavesTheQuestionFileUnchanged) {
  struct Case {
    const char* what;
    std::optional<std::string> bytes;  // CP932; nullopt: no source list
    std::string message;               // after "中止：「<list>」"
  } cases[] = {
      {"missing list", std::nullopt, "：ファイルが見つかりません"},
      {"too few fields", utf8ToCp932("1,a,b,c,d\r\n2,a,b,c\r\n3,a,b,c,d\r\n"),
       "の2行目：項目の数が違います（5つのところ4つ）"},
      {"too many fields", utf8ToCp932("1,a,b,c,d\r\n2,a,b,c,d\r\n3,a,b,c,d,e\r\n"),
       "の3行目：項目の数が違います（5つのところ6つ）"},
      {"blank line inside", utf8ToCp932("1,a,b,c,d\r\n\r\n3,a,b,c,d\r\n"),
       "の2行目：項目の数が違います（5つのところ1つ）"},
      {"not CP932", "1,a,b,c,d\r\n2,a,\x80,c,d\r\n",
       "の2行目：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {"a UTF-8 file", "1,a,\xE7\xAD\x94,c,d\r\n",
       "の1行目：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {"unclosed quote", utf8ToCp932("1,a,b,c,d\r\n2,a,\"b,c,d\r\n"),
       "の2行目：引用符（\"）が閉じていません"},
      {"more than 10000 lines", utf8ToCp932(lines(10001)),
       "の10001行目：件数が上限を超えています（上限10000件）"},
  };
  for (QuizList list : kLists) {
    for (const auto& c : cases) {
      Kankyo k;
      std::string old = encodeRecord({"古い答", "古い説明", "古い問題"}) + "tail";
      testing::writeBytes(k.target(list), old);
      if (c.bytes) testing::writeBytes(k.source(list), *c.bytes);
      EXPECT_EQ(k.convert(list), "中止：「" + std::string(filesOf(list).source) + "」" + c.message +
                                     "　問題ファイルは変更していません")
          << c.what;
      EXPECT_EQ(testing::readBytes(k.target(list)), old) << c.what;
      EXPECT_EQ(k.filesInDataFolder(), 1) << c.what;
    }
  }
  Kankyo k;
  k.writeList(QuizList::Omoide, lines(10000));
  EXPECT_EQ(k.convert(QuizList::Omoide), "10000件　終了") << "10000 lines are the limit";
}

TEST(Frm9Kankyo, AQuestionFileThatCannotBeWrittenIsReported) {
  struct Case {
    bool targetIsFolder;
    const char* problem;
  } cases[] = {{false, "ファイルに書き込めません"}, {true, "ファイルを読めません"}};
  for (const auto& c : cases) {
    Kankyo k;
    k.writeList(QuizList::Nazonazo, lines(2));
    if (c.targetIsFolder)
      fs::create_directory(k.target(QuizList::Nazonazo));
    else
      fs::remove_all(DataFolder(k.dir.path()));
    EXPECT_EQ(k.convert(QuizList::Nazonazo), "中止：「クイズ（なぞなぞ）.ran」：" +
                                                 std::string(c.problem) +
                                                 "　問題ファイルは変更していません");
    EXPECT_EQ(fs::is_directory(k.target(QuizList::Nazonazo)), c.targetIsFolder);
  }
}

TEST(Frm9Kankyo, FindsItsFoldersFromTheProgramFolder) {
  Kankyo k;
  k.writeList(QuizList::Nazonazo, lines(4));
  ScopedProgramFolder here(k.dir.path());
  auto w = std::make_shared<Frm9Kankyo>(k.t.services);
  w->load();
  w->click("cmdNazonazo");
  EXPECT_EQ(w->control("lblMsg1").caption(), "4件　終了");
  EXPECT_EQ(fs::file_size(k.target(QuizList::Nazonazo)), 4 * kRecordLength);
}

}  // namespace
}  // namespace zunobi::app
