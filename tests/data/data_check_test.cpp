#include "data/data_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/cp932.h"
#include "data/data_files.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;
using testing::repeat;

std::string kioku(int n) { return repeat("1,分類,今日の朝ご飯は何でしたか\r\n", n); }

// A compound record around 大 with the given counts, up to three slots filled.
std::string jyukugo(int saki, int ato) {
  const std::vector<std::string> s{"大木", "大海", "大空"}, a{"巨大", "最大", "拡大"};
  return testing::jyukugoRecord(1, {s.begin(), s.begin() + std::min(saki, 3)},
                                {a.begin(), a.begin() + std::min(ato, 3)}, std::to_string(saki),
                                std::to_string(ato));
}

// A question file checked on its own, without its source list.
void checkQuestionsAlone(const std::string& path, CheckReport& r) {
  checkQuestionFile(path, "", r);
}

using Checker = void (*)(const std::string&, CheckReport&);

// Each file's findings: "line:message part", warnings marked "!".
TEST(DataCheck, EveryFileAgainstItsLayout) {
  std::string quiz = "1,x,答,説明,問題\r\n";
  std::string doc = "お知らせ,1\r\n清掃は何曜日,日曜日\r\n";
  struct Case {
    const char* what;
    Checker check;
    std::string utf8;
    std::vector<std::string> findings;
  } cases[] = {
      {"good list", checkSourceList, repeat(quiz, 3), {}},
      {"list lines of 4 and 3 fields",
       checkSourceList,
       quiz + "2,x,a,b\r\n" + quiz + "4,x,a\r\n",
       {"2:5つのところ4つ", "4:5つのところ3つ"}},
      {"list of 10001", checkSourceList, repeat(quiz, 10001), {"10001:上限10000件"}},
      {"20 sentences", checkKiokuBun, kioku(20), {}},
      {"19 sentences", checkKiokuBun, kioku(19), {"0:20件以上必要"}},
      {"501 sentences", checkKiokuBun, kioku(501), {"!501:上限500件、この行から後は使われません"}},
      {"sentence number not whole",
       checkKiokuBun,
       kioku(20) + "1.5,分類,文\r\n",
       {"21:整数ではありません「1.5」"}},
      {"good compounds", checkNijiJyukugo, jyukugo(3, 3) + jyukugo(2, 2), {}},
      {"a count below 2 is skipped",
       checkNijiJyukugo,
       jyukugo(3, 3) + jyukugo(1, 3),
       {"!2:使われません"}},
      {"a count above 30",
       checkNijiJyukugo,
       jyukugo(3, 3) + jyukugo(3, 31),
       {"2:0から30の整数ではありません"}},
      {"fewer compounds than the count",
       checkNijiJyukugo,
       jyukugo(4, 3) + jyukugo(2, 2),
       {"1:4番目が二字ではありません"}},
      {"no record the drill can use",
       checkNijiJyukugo,
       jyukugo(4, 3),
       {"1:4番目が二字ではありません", "0:使える問題がありません"}},
      {"a compound without the centre",
       checkNijiJyukugo,
       testing::jyukugoRecord(1, {"大木", "小川"}, {"巨大", "最大"}),
       {"1:「小川」に中央の字「大」がありません"}},
      {"a long record number, cut",
       checkNijiJyukugo,
       "一二三四五六七八九十一二三四五六七" + jyukugo(3, 3).substr(1),
       {"1:整数ではありません「一二三四五六七八九十一二三四五六…」"}},
      {"a file cut inside a quote",
       checkKiokuBun,
       kioku(20) + "\"1,分類,文\r\n",
       {"21:引用符（\"）が閉じていません"}},
      {"a question file with a short, blank record",
       checkQuestionsAlone,
       std::string(kRecordLength + 5, ' '),
       {"0:長さが700バイトの倍数ではありません（705バイト）", "0:1番目のレコード：問題が空です"}},
      {"an empty question file", checkQuestionsAlone, "", {"0:問題がありません"}},
      {"1501 usable records", checkNijiJyukugo, repeat(jyukugo(2, 2), 1501), {"1501:上限1500組"}},
      {"good document", checkDocument, doc, {}},
      {"no question line", checkDocument, "お知らせ,1\r\n", {"0:質問の行がありません"}},
      {"301 lines", checkDocument, repeat("行,1\r\n", 300) + doc, {"301:上限300行"}},
      {"a question of 101 characters",
       checkDocument,
       doc + repeat("問", 101) + ",答\r\n",
       {"!3:100文字を超え"}},
  };
  for (const auto& c : cases) {
    testing::TempFolder dir;
    testing::writeBytes(dir / "f.csv", utf8ToCp932(c.utf8));
    CheckReport r;
    c.check(dir / "f.csv", r);
    std::vector<std::string> seen;
    for (const auto& f : r.findings()) seen.push_back(formatFinding(f));
    ASSERT_EQ(seen.size(), c.findings.size()) << c.what << (seen.empty() ? "" : ": " + seen[0]);
    for (std::size_t i = 0; i < seen.size(); ++i) {
      std::string want = c.findings[i];
      bool warning = want[0] == '!';
      if (warning) want.erase(0, 1);
      std::string line = want.substr(0, want.find(':'));
      std::string part = want.substr(want.find(':') + 1);
      std::string prefix = dir / "f.csv" + (line == "0" ? "" : ":" + line) + ": ";
      EXPECT_EQ(seen[i].rfind(prefix + (warning ? "注意：" : ""), 0), 0u)
          << c.what << ": " << seen[i];
      EXPECT_NE(seen[i].find(part), std::string::npos) << c.what << ": " << seen[i];
    }
  }
}

// A program folder with every file the program reads, all good.
struct Folders {
  Folders() {
    for (auto f : {DataFolder(dir.path()), WorkFolder(dir.path()), DocumentFolder(dir.path())})
      fs::create_directory(f);
    for (QuizList list : {QuizList::Nazonazo, QuizList::Omoide}) {
      testing::writeBytes(work(filesOf(list).source), repeat("1,x,A,E,Q\r\n", 3));
      EXPECT_TRUE(prepareQuestionFile(list, dir.path()).ok);
    }
    testing::writeBytes(data(kKiokuBunFile), utf8ToCp932(kioku(20)));
    testing::writeBytes(data(kNijiJyukugoFile), utf8ToCp932(jyukugo(3, 3)));
    for (int n = 1; n <= kDocumentCount; ++n)
      testing::writeBytes(DocumentFolder(dir.path()) + DocumentFileName(n),
                          utf8ToCp932("文書,1\r\n質問,答え\r\n"));
  }
  std::string data(std::string_view name) const {
    return DataFolder(dir.path()) + std::string(name);
  }
  std::string work(std::string_view name) const {
    return WorkFolder(dir.path()) + std::string(name);
  }
  testing::TempFolder dir;
};

TEST(DataCheck, WholeFolders) {
  struct Case {
    const char* what;
    std::function<void(Folders&)> change;
    int problems, warnings, problemsRequiringAll;
    const char* finding;  // a part of the findings, the folder left out
  } cases[] = {
      {"everything good", [](Folders&) {}, 0, 0, 0, ""},
      {"no documents yet", [](Folders& f) { fs::remove_all(DocumentFolder(f.dir.path())); }, 0, 1,
       1, "/bun/b001.csv〜b068.csv: 注意：ファイルがありません"},
      {"a gap among the documents",
       [](Folders& f) { fs::remove(DocumentFolder(f.dir.path()) + "b033.csv"); }, 1, 0, 1,
       "/bun/b033.csv: "},
      {"a list without its question file",
       [](Folders& f) { fs::remove(f.data(kNazonazoQuestions)); }, 1, 0, 1,
       "/file/クイズ（なぞなぞ）.ran: ファイルがありません（zunobi-data prepare "
       "で作ってください）"},
      {"a question file whose first byte is out of date",
       [](Folders& f) { testing::writeBytes(f.work(kNazonazoList), repeat("1,x,B,E,Q\r\n", 3)); },
       1, 0, 1, ".ran: 1番目のレコードが「"},
      {"a question file of bytes that are not CP932",
       [](Folders& f) { testing::writeBytes(f.data(kOmoideQuestions), std::string(700, '\xFF')); },
       2, 0, 2, ".ran: 1番目のレコード：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {"a cut, blank question file",
       [](Folders& f) {
         testing::writeBytes(f.data(kOmoideQuestions), std::string(kRecordLength + 3, ' '));
         fs::remove(f.work(kOmoideList));
       },
       2, 1, 3, ".ran: 長さが700バイトの倍数ではありません"},
  };
  for (const auto& c : cases) {
    Folders f;
    c.change(f);
    auto r = checkDataFolders(f.dir.path());
    std::string all;
    for (const auto& x : r.findings()) all += formatFinding(x).substr(f.dir.path().size()) + "\n";
    EXPECT_EQ(r.problems(), c.problems) << c.what << "\n" << all;
    EXPECT_EQ(r.warnings(), c.warnings) << c.what << "\n" << all;
    EXPECT_NE(all.find(c.finding), std::string::npos) << c.what << "\n" << all;
    EXPECT_EQ(checkDataFolders(f.dir.path(), {true}).problems(), c.problemsRequiringAll) << c.what;
  }
}

TEST(DataCheck, ExcerptsCutAtWholeCharacters) {
  EXPECT_EQ(excerpt("abc", 3), "abc");
  EXPECT_EQ(excerpt("abcd", 3), "abc…");
  EXPECT_EQ(excerpt("éあ😀x", 3), "éあ😀…");
}

}  // namespace
}  // namespace zunobi::data
