#include "data/data_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "support/temp_folder.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string kioku(int n) { return repeat("1,分類,今日の朝ご飯は何でしたか\r\n", n); }

// A compound record around 大 with the given counts, as many slots filled.
std::string jyukugo(int saki, int ato) {
  const char* sakiWords[] = {"大木", "大海", "大空"};
  const char* atoWords[] = {"巨大", "最大", "拡大"};
  std::string s = "1";
  for (int i = 0; i < 30; ++i) s += std::string(",") + (i < saki && i < 3 ? sakiWords[i] : "");
  s.append(",").append(std::to_string(saki));  // not "," + …: GCC 12 -Wrestrict
  for (int i = 0; i < 30; ++i) s += std::string(",") + (i < ato && i < 3 ? atoWords[i] : "");
  return s + "," + std::to_string(ato) + "\r\n";
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
       "1,大木,小川" + repeat(",", 28) + ",2,巨大,最大" + repeat(",", 28) + ",2\r\n",
       {"1:「小川」に中央の字「大」がありません"}},
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
      testing::writeBytes(work(filesOf(list).source),
                          utf8ToCp932(repeat("1,x,答,説明,問題\r\n", 3)));
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
  } cases[] = {
      {"everything good", [](Folders&) {}, 0, 0, 0},
      {"no documents yet", [](Folders& f) { fs::remove_all(DocumentFolder(f.dir.path())); }, 0, 1,
       1},
      {"a gap among the documents",
       [](Folders& f) { fs::remove(DocumentFolder(f.dir.path()) + "b033.csv"); }, 1, 0, 1},
      {"a list without its question file",
       [](Folders& f) { fs::remove(f.data(kNazonazoQuestions)); }, 1, 0, 1},
      {"a question file out of date",
       [](Folders& f) {
         testing::writeBytes(f.work(kNazonazoList), utf8ToCp932("1,x,新しい答,説明,問題\r\n"));
       },
       1, 0, 1},
      {"a cut, blank question file",
       [](Folders& f) {
         testing::writeBytes(f.data(kOmoideQuestions), std::string(kRecordLength + 3, ' '));
         fs::remove(f.work(kOmoideList));
       },
       2, 1, 3},
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

}  // namespace
}  // namespace zunobi::data
