// Turning a source list into its question file: every failure leaves the
// question file byte for byte as it was and says what went wrong and where.
#include "data/quiz_preparation.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "data/data_files.h"
#include "data/folders.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;

// The administrator may write anywhere whatever the permission bits say:
// root runs `body` as the ordinary user "nobody".
std::string asOrdinaryUser(const std::function<std::string()>& body) {
  if (::geteuid() != 0) return body();
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody || ::setegid(nobody->pw_gid) != 0 || ::seteuid(nobody->pw_uid) != 0)
    throw std::runtime_error("cannot act as nobody");
  std::string result = body();
  if (::seteuid(0) != 0 || ::setegid(0) != 0) std::abort();
  return result;
}

// A program folder with its work folder and its data folder, or a plain file
// in the data folder's place.
struct Program {
  explicit Program(bool dataFolder = true) {
    fs::permissions(dir.path(), fs::perms(0755));  // mkdtemp's 0700 would shut everyone out
    fs::create_directory(WorkFolder(dir.path()));
    if (dataFolder)
      fs::create_directory(data());
    else
      testing::writeBytes(data(), "");
  }
  std::string data() const { return dir / "file"; }
  std::string source(QuizList l) const {
    return WorkFolder(dir.path()) + std::string(filesOf(l).source);
  }
  std::string target(QuizList l) const { return data() + "/" + std::string(filesOf(l).target); }
  void writeList(QuizList l, const std::string& utf8) {
    testing::writeBytes(source(l), utf8ToCp932(utf8));
  }
  std::string prepare(QuizList l) const { return prepareQuestionFile(l, dir.path()).message; }
  testing::TempFolder dir;
};

std::string lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i)
    s += std::to_string(i) + ",分類,答" + std::to_string(i) + ",説明,問題\r\n";
  return s;
}

std::string aborted(const std::string& why) {
  return "中止：" + why + "　問題ファイルは変更していません";
}

const QuizList kLists[] = {QuizList::Nazonazo, QuizList::Omoide};

// A shorter list than before leaves the old records after its own.
TEST(QuizPreparation, EachListBecomesItsOwnQuestionFile) {
  for (QuizList list : kLists) {
    Program p;
    const std::string old = testing::repeat(encodeRecord({"古", "古", "古"}), 5);
    testing::writeBytes(p.target(list), old);
    p.writeList(list, lines(3));
    EXPECT_EQ(p.prepare(list), "3件　終了");
    // Field 3 is the answer, 4 the explanation, 5 the question.
    EXPECT_EQ(testing::readBytes(p.target(list)).substr(2 * kRecordLength),
              encodeRecord({"答3", "説明", "問題"}) + old.substr(3 * kRecordLength));
    EXPECT_EQ(std::distance(fs::directory_iterator(p.data()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
  }
}

TEST(QuizPreparation, ABadListLeavesTheQuestionFileAsItWas) {
  struct Case {
    std::string bytes;    // CP932
    std::string message;  // after "中止：「<list>」"
  } cases[] = {
      {utf8ToCp932("1,a,b,c,d\r\n2,a,b,c\r\n"), "の2行目：項目の数が違います（5つのところ4つ）"},
      {utf8ToCp932("1,a,b,c,d,e\r\n"), "の1行目：項目の数が違います（5つのところ6つ）"},
      {"1,a,\xE7\xAD\x94,c,d\r\n",
       "の1行目：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {utf8ToCp932(lines(10001)), "の10001行目：件数が上限を超えています（上限10000件）"},
  };
  for (QuizList list : kLists) {
    for (const auto& c : cases) {
      Program p;
      std::string old = encodeRecord({"古い答", "古い説明", "古い問題"}) + "tail";
      testing::writeBytes(p.target(list), old);
      testing::writeBytes(p.source(list), c.bytes);
      EXPECT_EQ(p.prepare(list),
                aborted("「" + std::string(filesOf(list).source) + "」" + c.message));
      EXPECT_EQ(testing::readBytes(p.target(list)), old) << c.message;
    }
  }
}

// On an installed system the program folder belongs to the administrator:
// a conversion says so and names the folder.
TEST(QuizPreparation, AQuestionFileThatMayNotOrCannotBeWrittenIsLeftAsItWas) {
  for (QuizList list : kLists) {
    const std::string target(filesOf(list).target);
    Program readOnly;
    testing::writeBytes(readOnly.target(list), "old");
    fs::permissions(readOnly.data(), fs::perms(0555));
    // No list at all: the folder is refused before the list is read.
    std::string message = asOrdinaryUser([&] { return readOnly.prepare(list); });
    fs::permissions(readOnly.data(), fs::perms(0755));
    EXPECT_EQ(message, aborted("フォルダ「" + readOnly.data() + "」に書き込む権限がありません"));
    EXPECT_EQ(testing::readBytes(readOnly.target(list)), "old");

    Program fileForFolder(false);
    fileForFolder.writeList(list, lines(3));
    EXPECT_EQ(fileForFolder.prepare(list), aborted("「" + target + "」：ファイルに書き込めません"));

    Program folderForFile;
    folderForFile.writeList(list, lines(3));
    fs::create_directory(folderForFile.target(list));
    EXPECT_EQ(folderForFile.prepare(list), aborted("「" + target + "」：ファイルを読めません"));
  }
}

}  // namespace
}  // namespace zunobi::data
