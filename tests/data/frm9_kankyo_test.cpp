#include "data/frm9_kankyo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/record_file.h"
#include "temp_folder.h"
#include "ui/testing.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;

// A program folder with its data and work folders, and the window on it.
struct Kankyo {
  Kankyo() {
    fs::create_directory(DataFolder(dir.path()));
    fs::create_directory(WorkFolder(dir.path()));
    window = std::make_shared<Frm9Kankyo>(t.services, dir.path());
    window->load();
  }
  std::string source(QuizList list) const {
    return WorkFolder(dir.path()) + std::string(filesOf(list).source);
  }
  std::string target(QuizList list) const {
    return DataFolder(dir.path()) + std::string(filesOf(list).target);
  }
  void writeList(QuizList list, const std::string& utf8) {
    testing::writeBytes(source(list), utf8ToCp932(utf8));
  }
  static const char* button(QuizList list) {
    return list == QuizList::Nazonazo ? "cmdNazonazo" : "cmdQuizRan";
  }
  std::string convert(QuizList list) {
    window->click(button(list));
    return window->control("lblMsg1").caption();
  }
  std::vector<QuizRecord> records(QuizList list) const {
    auto file = RecordFile::open(target(list), RecordFile::Access::Read);
    std::vector<QuizRecord> out;
    for (std::int32_t n = 1; n <= file.count(); ++n) out.push_back(file.read(n));
    return out;
  }
  std::size_t filesInDataFolder() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(DataFolder(dir.path())), fs::directory_iterator()));
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

TEST(Frm9Kankyo, OpensWithItsControls) {
  Kankyo k;
  auto& w = *k.window;
  EXPECT_EQ(w.caption(), "環境作成");
  EXPECT_EQ(w.control("lblMsg1").caption(), "") << "the design caption Label1 is not shown";
  EXPECT_EQ(w.control("cmdToMain").caption(), "メインへ");
  EXPECT_EQ(w.control("cmdQuizRan").caption(), "思い出し（SEQ　to　ＲＡＮ）");
  EXPECT_EQ(w.control("cmdNazonazo").caption(), "なぞなぞ（ｓｅｑ　to　ｒａｎ）");
  EXPECT_TRUE(w.control("cmdToMain").hasFocus());
  std::vector<ui::ControlId> order{{"cmdToMain"}, {"cmdQuizRan"}, {"cmdNazonazo"}};
  EXPECT_EQ(w.tabOrder(), order);
  for (const auto& c : w.controls()) {
    EXPECT_LE(c->place().left + c->place().width, w.clientWidth()) << c->name();
    EXPECT_LE(c->place().top + c->place().height, w.clientHeight()) << c->name();
  }
}

TEST(Frm9Kankyo, BackToTheMenu) {
  Kankyo k;
  k.window->click("cmdToMain");
  EXPECT_EQ(k.t.navigator.calls, (std::vector<std::string>{"show frm1Main", "unload frm9Kankyo"}));
}

TEST(Frm9Kankyo, EachButtonConvertsItsOwnList) {
  for (QuizList list : kLists) {
    Kankyo k;
    QuizList other = list == QuizList::Nazonazo ? QuizList::Omoide : QuizList::Nazonazo;
    k.writeList(list, "1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n3,x,A3,E3,Q3\r\n");
    k.writeList(other, "1,x,other,other,other\r\n");
    EXPECT_EQ(k.convert(list), "3件　終了");
    auto r = k.records(list);
    ASSERT_EQ(r.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      std::string n = std::to_string(i + 1);
      EXPECT_EQ(r[i].Answer, padded("A" + n, kAnswerWidth)) << "field 3 is the answer";
      EXPECT_EQ(r[i].Explanation, padded("E" + n, kExplanationWidth)) << "field 4";
      EXPECT_EQ(r[i].Question, padded("Q" + n, kQuestionWidth)) << "field 5 is the question";
    }
    EXPECT_FALSE(fs::exists(k.target(other))) << "the other question file is not touched";
    EXPECT_EQ(k.filesInDataFolder(), 1u) << "no temporary file is left behind";
  }
}

TEST(Frm9Kankyo, QuotedJapaneseFieldsAndTheirWidths) {
  Kankyo k;
  std::string longQuestion;
  for (int i = 0; i < 120; ++i) longQuestion += "問";
  k.writeList(QuizList::Omoide, "1,\"昭和, 39年\",\"東京オリンピック\",\"アジアで初めて、\",\"" +
                                    longQuestion + "\"\r\n");
  EXPECT_EQ(k.convert(QuizList::Omoide), "1件　終了");
  auto r = k.records(QuizList::Omoide);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].Answer, padded("東京オリンピック", kAnswerWidth));
  EXPECT_EQ(r[0].Explanation, padded("アジアで初めて、", kExplanationWidth));
  EXPECT_EQ(r[0].Question, longQuestion.substr(0, 100 * 3)) << "cut to 200 bytes";
}

TEST(Frm9Kankyo, EmptyListWritesNoRecord) {
  Kankyo k;
  k.writeList(QuizList::Nazonazo, "");
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "0件　終了");
  EXPECT_TRUE(fs::exists(k.target(QuizList::Nazonazo))) << "the question file is created";
  EXPECT_EQ(fs::file_size(k.target(QuizList::Nazonazo)), 0u);
}

TEST(Frm9Kankyo, AShorterListLeavesTheOldRecordsAfterIt) {
  Kankyo k;
  k.writeList(QuizList::Nazonazo, lines(5));
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "5件　終了");
  std::string old = testing::readBytes(k.target(QuizList::Nazonazo));
  k.writeList(QuizList::Nazonazo, "1,x,新,新,新\r\n2,x,新,新,新\r\n");
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "2件　終了");
  std::string now = testing::readBytes(k.target(QuizList::Nazonazo));
  ASSERT_EQ(now.size(), old.size());
  EXPECT_EQ(now.substr(2 * kRecordLength), old.substr(2 * kRecordLength));
  auto r = k.records(QuizList::Nazonazo);
  EXPECT_EQ(r[1].Answer, padded("新", kAnswerWidth));
  EXPECT_EQ(r[2].Answer, padded("答3", kAnswerWidth));
  // Pressing again repeats the conversion from the start.
  EXPECT_EQ(k.convert(QuizList::Nazonazo), "2件　終了");
  EXPECT_EQ(testing::readBytes(k.target(QuizList::Nazonazo)), now);
}

TEST(Frm9Kankyo, TenThousandLinesAreTheLimit) {
  Kankyo k;
  k.writeList(QuizList::Omoide, lines(10000));
  EXPECT_EQ(k.convert(QuizList::Omoide), "10000件　終了");
  EXPECT_EQ(fs::file_size(k.target(QuizList::Omoide)), 10000 * kRecordLength);
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
      {"short last line without a line end", utf8ToCp932("1,a,b,c,d\r\n2,a"),
       "の2行目：項目の数が違います（5つのところ2つ）"},
      {"blank line inside", utf8ToCp932("1,a,b,c,d\r\n\r\n3,a,b,c,d\r\n"),
       "の2行目：項目の数が違います（5つのところ1つ）"},
      {"bytes that are not CP932", "1,a,b,c,d\r\n2,a,\x80,c,d\r\n",
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
      std::string expected = "中止：「" + std::string(filesOf(list).source) + "」" + c.message +
                             "　問題ファイルは変更していません";
      EXPECT_EQ(k.convert(list), expected) << c.what;
      EXPECT_EQ(testing::readBytes(k.target(list)), old) << c.what;
      EXPECT_EQ(k.filesInDataFolder(), 1u) << c.what;
    }
  }
}

TEST(Frm9Kankyo, AQuestionFileThatCannotBeWrittenIsReported) {
  struct Case {
    const char* what;
    bool dataFolder;
    bool targetIsFolder;
  } cases[] = {{"no data folder", false, false}, {"a folder in the file's place", true, true}};
  for (const auto& c : cases) {
    Kankyo k;
    k.writeList(QuizList::Nazonazo, lines(2));
    if (!c.dataFolder) fs::remove_all(DataFolder(k.dir.path()));
    if (c.targetIsFolder) fs::create_directory(k.target(QuizList::Nazonazo));
    std::string message = k.convert(QuizList::Nazonazo);
    EXPECT_EQ(message, "中止：「クイズ（なぞなぞ）.ran」：" +
                           std::string(c.targetIsFolder ? "ファイルを読めません"
                                                        : "ファイルに書き込めません") +
                           "　問題ファイルは変更していません")
        << c.what;
    EXPECT_EQ(fs::is_directory(k.target(QuizList::Nazonazo)), c.targetIsFolder) << c.what;
  }
}

// Full-width characters take 180 twips at the label's 9 points, others 90.
std::int32_t estimatedWidth(const std::string& utf8) {
  std::int32_t twips = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    bool halfKatakana = len == 3 && utf8.compare(i, 2, "\xEF\xBD") == 0 &&
                        static_cast<unsigned char>(utf8[i + 2]) >= 0xA1;
    twips += (len == 1 || halfKatakana) ? 90 : 180;
    i += len;
  }
  return twips;
}

TEST(Frm9Kankyo, EveryMessageFitsItsLabel) {
  Kankyo k;
  std::vector<std::string> messages;
  const std::string bad[] = {
      "",  // missing (written below as no file)
      utf8ToCp932("1,a,b,c,d\r\n" + lines(9997) + "2,a,b,c,d,e,f,g,h,i,j,k\r\n"),
      lines(9990) + "2,a,\x80,c,d\r\n",
      utf8ToCp932(lines(9990) + "2,a,\"b,c,d\r\n"),
      utf8ToCp932(lines(10001)),
  };
  for (std::size_t i = 0; i < std::size(bad); ++i) {
    if (i == 0)
      fs::remove(k.source(QuizList::Omoide));
    else
      testing::writeBytes(k.source(QuizList::Omoide), bad[i]);
    messages.push_back(k.convert(QuizList::Omoide));
  }
  auto& label = k.window->control("lblMsg1");
  for (const auto& m : messages) {
    EXPECT_LE(estimatedWidth(m), label.place().width) << m;
    EXPECT_EQ(m.rfind("中止：", 0), 0u) << m;
  }
  EXPECT_LE(label.place().left + label.place().width, k.window->clientWidth());
}

TEST(Frm9Kankyo, FindsItsFoldersFromTheProgramFolder) {
  Kankyo k;
  k.writeList(QuizList::Nazonazo, lines(4));
  ScopedProgramFolder here(k.dir.path());
  ui::testing::TestServices t;
  auto w = std::make_shared<Frm9Kankyo>(t.services);
  w->load();
  w->click("cmdNazonazo");
  EXPECT_EQ(w->control("lblMsg1").caption(), "4件　終了");
  EXPECT_EQ(fs::file_size(k.target(QuizList::Nazonazo)), 4 * kRecordLength);
}

}  // namespace
}  // namespace zunobi::data
