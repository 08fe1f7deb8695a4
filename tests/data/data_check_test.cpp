#include "data/data_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/cp932.h"
#include "data/field_reader.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "temp_folder.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;

using Checker = std::function<void(const std::string&, CheckReport&)>;

struct Expect {
  std::int32_t line;
  std::string text;  // part of the message
  bool warning = false;
};

struct Case {
  const char* what;
  std::string utf8;  // written as CP932 (raw bytes if `raw`)
  std::vector<Expect> findings;
  bool raw = false;
};

void run(const Checker& check, const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    testing::TempFolder dir;
    std::string path = dir / "f.csv";
    testing::writeBytes(path, c.raw ? c.utf8 : utf8ToCp932(c.utf8));
    CheckReport r;
    check(path, r);
    ASSERT_EQ(r.findings().size(), c.findings.size())
        << c.what << "\n"
        << (r.findings().empty() ? std::string() : formatFinding(r.findings()[0]));
    for (std::size_t i = 0; i < c.findings.size(); ++i) {
      const auto& f = r.findings()[i];
      EXPECT_EQ(f.path, path) << c.what;
      EXPECT_EQ(f.line, c.findings[i].line) << c.what << ": " << f.message;
      EXPECT_NE(f.message.find(c.findings[i].text), std::string::npos)
          << c.what << ": " << f.message;
      EXPECT_EQ(f.warning, c.findings[i].warning) << c.what << ": " << f.message;
    }
  }
}

std::string repeat(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line;
  return s;
}

std::string kioku(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += std::to_string(i) + ",分類,今日の朝ご飯は何でしたか\r\n";
  return s;
}

// A compound record: centre 大, counts as given, the slots filled as told.
std::string jyukugo(int saki, int ato, const std::string& extra = "") {
  std::string s = "1";
  const char* sakiWords[] = {"大木", "大海", "大空", "大地"};
  const char* atoWords[] = {"巨大", "最大", "拡大", "重大"};
  for (int i = 0; i < 30; ++i) s += std::string(",") + (i < saki && i < 4 ? sakiWords[i] : "");
  s += "," + std::to_string(saki);
  for (int i = 0; i < 30; ++i) s += std::string(",") + (i < ato && i < 4 ? atoWords[i] : "");
  s += "," + std::to_string(ato) + extra + "\r\n";
  return s;
}

TEST(DataCheck, SourceLists) {
  std::string good = "1,x,答,説明,問題\r\n";
  run(checkSourceList,
      {
          {"good", repeat(good, 3), {}},
          {"four fields", good + "2,x,答,説明\r\n", {{2, "5つのところ4つ"}}},
          {"six fields", good + good + "3,x,答,説明,問題,余り\r\n", {{3, "5つのところ6つ"}}},
          {"empty question", "1,x,答,説明,\r\n", {{1, "問題（5番目の項目）が空"}}},
          {"empty answer", "1,x,,説明,問\r\n", {{1, "答え（3番目の項目）が空"}}},
          {"too long answer",
           "1,x," + std::string(201, 'a') + ",e,q\r\n",
           {{1, "200バイトを超え", true}}},
          {"not CP932", "1,x,a,b,c\r\n2,x,\x80,b,c\r\n", {{2, "CP932"}}, true},
          {"more than 10000", repeat(good, 10001), {{10001, "上限10000件"}}},
          {"every bad line is told",
           good + "2,x\r\n" + good + "4,x,a\r\n",
           {{2, "2つ"}, {4, "3つ"}}},
      });
}

TEST(DataCheck, KiokuBun) {
  run(checkKiokuBun,
      {
          {"twenty", kioku(20), {}},
          {"five hundred", kioku(500), {}},
          {"nineteen", kioku(19), {{0, "20件以上必要"}}},
          {"five hundred and one", kioku(501), {{501, "上限500件"}}},
          {"first field not whole", kioku(20) + "x,分類,文\r\n", {{21, "整数ではありません「x」"}}},
          {"first field beyond 16 bits",
           kioku(20) + "40000,分類,文\r\n",
           {{21, "整数ではありません"}}},
          {"two fields", kioku(20) + "21,文\r\n", {{21, "3つのところ2つ"}}},
          {"empty question", kioku(20) + "21,分類,\r\n", {{21, "空です"}}},
      });
}

TEST(DataCheck, NijiJyukugo) {
  run(checkNijiJyukugo,
      {
          {"good", jyukugo(4, 4) + jyukugo(2, 3), {}},
          {"count below two is skipped",
           jyukugo(4, 4) + jyukugo(1, 4),
           {{2, "使われません", true}}},
          {"count above thirty",
           jyukugo(4, 4) + jyukugo(4, 31),
           {{2, "0から30の整数ではありません"}}},
          {"fewer compounds than the count",
           jyukugo(4, 4) + jyukugo(5, 4),
           {{2, "5番目が二字ではありません"}}},
          {"62 fields",
           jyukugo(4, 4).substr(0, jyukugo(4, 4).rfind(',')) + "\r\n",
           {{1, "63つのところ62つ"}, {0, "使える熟語の組がありません"}}},
          {"no usable record", jyukugo(1, 1), {{1, "使われません", true}, {0, "ありません"}}},
          {"wrong centre",
           "1,大木,小川" + repeat(",", 28) + ",2,巨大,最大" + repeat(",", 28) + ",2\r\n",
           {{1, "「小川」に中央の字「大」がありません"}}},
          {"a slot beyond the count is filled",
           "1,大木,大海,大空" + repeat(",", 27) + ",2,巨大,最大" + repeat(",", 28) + ",2\r\n",
           {{1, "3番目は数を超える"}}},
          {"1501 usable", repeat(jyukugo(2, 2), 1501), {{1501, "上限1500組"}}},
      });
}

TEST(DataCheck, Documents) {
  std::string text = "お知らせ,1\r\n町内の清掃は日曜日です,1\r\n";
  std::string question = "清掃は何曜日,日曜日\r\n";
  run(checkDocument,
      {
          {"good", text + question, {}},
          {"question first", question + text, {}},
          {"no question line", text, {{0, "質問の行がありません"}}},
          {"no document line", question, {{0, "文書の行がありません"}}},
          {"three hundred lines", repeat("行,1\r\n", 299) + question, {}},
          {"three hundred and one lines", repeat("行,1\r\n", 300) + question, {{301, "上限300行"}}},
          {"three fields", text + "質問,答,余り\r\n" + question, {{3, "2つのところ3つ"}}},
          {"a question of 101 characters",
           text + repeat("問", 101) + ",答\r\n",
           {{3, "100文字を超え", true}}},
          {"an empty answer", text + "質問,\r\n", {{3, "答えが空"}}},
      });
}

// A program folder with every file the program reads, all good.
struct Folders {
  Folders() {
    fs::create_directory(DataFolder(dir.path()));
    fs::create_directory(WorkFolder(dir.path()));
    fs::create_directory(DocumentFolder(dir.path()));
    for (QuizList list : {QuizList::Nazonazo, QuizList::Omoide}) {
      testing::writeBytes(WorkFolder(dir.path()) + std::string(filesOf(list).source),
                          utf8ToCp932(repeat("1,x,答,説明,問題\r\n", 3)));
      EXPECT_TRUE(prepareQuestionFile(list, dir.path()).ok);
    }
    testing::writeBytes(DataFolder(dir.path()) + std::string(kKiokuBunFile),
                        utf8ToCp932(kioku(20)));
    testing::writeBytes(DataFolder(dir.path()) + std::string(kNijiJyukugoFile),
                        utf8ToCp932(jyukugo(4, 4)));
    for (int n = 1; n <= kDocumentCount; ++n)
      testing::writeBytes(DocumentFolder(dir.path()) + DocumentFileName(n),
                          utf8ToCp932("文書,1\r\n質問,答え\r\n"));
  }
  std::string data(std::string_view name) const {
    return DataFolder(dir.path()) + std::string(name);
  }
  testing::TempFolder dir;
};

TEST(DataCheck, WholeFolders) {
  struct Case {
    const char* what;
    std::function<void(Folders&)> change;
    int problems;
    int warnings;
    int problemsRequiringAll;
  } cases[] = {
      {"everything good", [](Folders&) {}, 0, 0, 0},
      {"no documents yet", [](Folders& f) { fs::remove_all(DocumentFolder(f.dir.path())); }, 0, 1,
       1},
      {"a gap among the documents",
       [](Folders& f) { fs::remove(DocumentFolder(f.dir.path()) + "b033.csv"); }, 1, 0, 1},
      {"no compound file", [](Folders& f) { fs::remove(f.data(kNijiJyukugoFile)); }, 0, 1, 1},
      {"no question file beside its list",
       [](Folders& f) { fs::remove(f.data(kNazonazoQuestions)); }, 1, 0, 1},
      {"neither list nor question file",
       [](Folders& f) {
         fs::remove(f.data(kOmoideQuestions));
         fs::remove(WorkFolder(f.dir.path()) + std::string(kOmoideList));
       },
       0, 2, 2},
      {"a question file out of date",
       [](Folders& f) {
         testing::writeBytes(WorkFolder(f.dir.path()) + std::string(kNazonazoList),
                             utf8ToCp932("1,x,新しい答,説明,問題\r\n"));
       },
       1, 0, 1},
      {"old records after the list's own",
       [](Folders& f) {
         testing::writeBytes(WorkFolder(f.dir.path()) + std::string(kNazonazoList),
                             utf8ToCp932("1,x,答,説明,問題\r\n"));
       },
       0, 1, 0},
      {"a cut record",
       [](Folders& f) {
         testing::writeBytes(f.data(kOmoideQuestions), std::string(kRecordLength + 3, ' '));
         fs::remove(WorkFolder(f.dir.path()) + std::string(kOmoideList));
       },
       // not a multiple of 700, the one whole record has no question
       2, 1, 3},
      {"a bad document",
       [](Folders& f) { testing::writeBytes(DocumentFolder(f.dir.path()) + "b068.csv", "\x80"); },
       1, 0, 1},
  };
  for (const auto& c : cases) {
    Folders f;
    c.change(f);
    auto r = checkDataFolders(f.dir.path());
    std::string all;
    for (const auto& x : r.findings()) all += formatFinding(x) + "\n";
    EXPECT_EQ(r.problems(), c.problems) << c.what << "\n" << all;
    EXPECT_EQ(r.warnings(), c.warnings) << c.what << "\n" << all;
    EXPECT_EQ(checkDataFolders(f.dir.path(), {true}).problems(), c.problemsRequiringAll) << c.what;
  }
}

TEST(DataCheck, FindingsNameFileAndLine) {
  EXPECT_EQ(formatFinding({"/d/file/a.csv", 12, "項目が足りません", false}),
            "/d/file/a.csv:12: 項目が足りません");
  EXPECT_EQ(formatFinding({"/d/file/a.csv", 0, "ファイルがありません", true}),
            "/d/file/a.csv: 注意：ファイルがありません");
}

// The data that ships beside the program.
TEST(DataCheck, ShippedDataIsGood) {
  auto r = checkDataFolders(ProgramFolder());
  for (const auto& f : r.findings()) EXPECT_TRUE(f.warning) << formatFinding(f);
  for (QuizList list : {QuizList::Nazonazo, QuizList::Omoide}) {
    auto records = readSourceList(WorkFolder() + std::string(filesOf(list).source));
    EXPECT_GE(records.size(), 20u) << filesOf(list).source;
    auto file = RecordFile::open(DataFolder() + std::string(filesOf(list).target),
                                 RecordFile::Access::Read);
    EXPECT_EQ(file.count(), static_cast<std::int32_t>(records.size()));
  }
}

}  // namespace
}  // namespace zunobi::data
