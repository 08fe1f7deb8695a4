#include "data/data_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/data_files.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"

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

// Each file's findings as formatted, the file's path left out.
TEST(DataCheck, EveryFileAgainstItsLayout) {
  std::string quiz = "1,x,答,説明,問題\r\n";
  std::string doc = "お知らせ,1\r\n清掃は何曜日,日曜日\r\n";
  struct Case {
    Checker check;
    std::string utf8;
    std::vector<std::string> findings;
  } cases[] = {
      {checkSourceList, quiz + "2,x,a,b,c,d\r\n", {":2: 項目の数が違います（5つのところ6つ）"}},
      {checkSourceList, repeat(quiz, 10001), {":10001: 件数が上限を超えています（上限10000件）"}},
      {checkSourceList, "1,x,,説明,問題\r\n", {":1: 答え（3番目の項目）が空です"}},
      {checkKiokuBun, kioku(19), {": 文章が19件しかありません（20件以上必要です）"}},
      {checkKiokuBun,
       kioku(501),
       {":501: 注意：件数が上限を超えています（上限500件、この行から後は使われません）"}},
      {checkKiokuBun,
       kioku(20) + "1.5,分類,文\r\n",
       {":21: 1番目の項目が整数ではありません「1.5」"}},
      {checkKiokuBun, kioku(20) + "\"1,分類,文\r\n", {":21: 引用符（\"）が閉じていません"}},
      {checkNijiJyukugo,
       jyukugo(3, 3) + jyukugo(1, 3),
       {":2: 注意：熟語の数が2未満のため、この組は使われません"}},
      {checkNijiJyukugo,
       jyukugo(3, 3) + jyukugo(3, 31),
       {":2: 後の熟語（漢字＋中央）の数が0から30の整数ではありません「31」"}},
      {checkNijiJyukugo,
       jyukugo(4, 3),
       {":1: 前の熟語（中央＋漢字）の4番目が二字ではありません「」", ": 使える問題がありません"}},
      {checkNijiJyukugo,
       testing::jyukugoRecord(1, {"大木", "小川"}, {"巨大", "最大"}),
       {":1: 前の熟語（中央＋漢字）の2番目「小川」に中央の字「大」がありません"}},
      {checkNijiJyukugo,
       "一二三四五六七八九十一二三四五六七" + jyukugo(3, 3).substr(1),
       {":1: 1番目の項目が整数ではありません「一二三四五六七八九十一二三四五六…」"}},
      {checkNijiJyukugo,
       repeat(jyukugo(2, 2), 1501),
       {":1501: 使える熟語の組が上限を超えています（上限1500組）"}},
      {checkQuestionsAlone,
       std::string(kRecordLength + 5, ' '),
       {": 長さが700バイトの倍数ではありません（705バイト）", ": 1番目のレコード：問題が空です"}},
      {checkQuestionsAlone, "", {": 問題がありません"}},
      {checkDocument, "お知らせ,1\r\n", {": 質問の行がありません"}},
      {checkDocument, doc + ",答\r\n", {":3: 質問が空です"}},
      {checkDocument,
       repeat("行,1\r\n", 300) + doc,
       {":301: 行数が上限を超えています（上限300行）"}},
      {checkDocument,
       doc + repeat("問", 101) + ",答\r\n",
       {":3: 注意：質問が100文字を超えています（切れます）"}},
  };
  for (const auto& c : cases) {
    testing::TempFolder dir;
    const std::string path = dir / "f.csv";
    testing::writeBytes(path, utf8ToCp932(c.utf8));
    CheckReport r;
    c.check(path, r);
    std::vector<std::string> seen;
    for (const auto& f : r.findings()) seen.push_back(formatFinding(f).substr(path.size()));
    EXPECT_EQ(seen, c.findings);
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
      {"a question file whose third record is out of date",
       [](Folders& f) {
         testing::writeBytes(f.work(kNazonazoList), repeat("1,x,A,E,Q\r\n", 2) + "1,x,B,E,Q\r\n");
       },
       1, 0, 1, ".ran: 3番目のレコードが「"},
      {"a question file of bytes that are not CP932",
       [](Folders& f) { testing::writeBytes(f.data(kOmoideQuestions), std::string(700, '\xFF')); },
       2, 0, 2, ".ran: 1番目のレコード：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {"a question file without its list", [](Folders& f) { fs::remove(f.work(kOmoideList)); }, 0,
       1, 1,
       "/作業ファイル/クイズ（思い出し）.csv: "
       "注意：ファイルがありません（問題ファイルを作り直せません）"},
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
  EXPECT_EQ(excerpt("éあ😀x", 3), "éあ😀…");
}

}  // namespace
}  // namespace zunobi::data
