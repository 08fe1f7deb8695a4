// Turning a source list into its question file: every failure leaves the
// question file byte for byte as it was and says what went wrong and where.
#include "data/quiz_preparation.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "data/data_files.h"
#include "data/folders.h"
#include "data/record_file.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;

bool runningAsRoot() { return ::geteuid() == 0; }

// Runs `body` as an ordinary user and gives back what it returned. The
// administrator may write anywhere whatever the permission bits say, so as
// root it runs in a child process that has become "nobody".
std::string asOrdinaryUser(const std::function<std::string()>& body) {
  if (!runningAsRoot()) return body();
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody) throw std::runtime_error("no user nobody");
  int out[2];
  if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
  pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
        ::setuid(nobody->pw_uid) != 0 || ::geteuid() == 0)
      ::_exit(3);
    std::string result = body();
    bool written =
        ::write(out[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    ::_exit(written ? 0 : 4);
  }
  ::close(out[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("the child as nobody failed: " + std::to_string(status));
  return result;
}

// A program folder with its work folder and, unless told otherwise, its data
// folder; `mode` makes the data folder read-only, or (0) a plain file.
struct Program {
  explicit Program(std::optional<mode_t> mode = 0755) {
    fs::permissions(dir.path(), fs::perms(0755));  // mkdtemp's 0700 would shut everyone out
    fs::create_directory(WorkFolder(dir.path()));
    if (mode == 0) testing::writeBytes(data(), "");
    if (mode > 0) fs::create_directory(data());
  }
  std::string data() const {
    return DataFolder(dir.path()).substr(0, DataFolder(dir.path()).size() - 1);
  }
  std::string source(QuizList l) const {
    return WorkFolder(dir.path()) + std::string(filesOf(l).source);
  }
  std::string target(QuizList l) const { return data() + "/" + std::string(filesOf(l).target); }
  void writeList(QuizList l, const std::string& utf8) {
    testing::writeBytes(source(l), utf8ToCp932(utf8));
  }
  std::string prepare(QuizList l) const { return prepareQuestionFile(l, dir.path()).message; }
  long filesInData() const {
    return std::distance(fs::directory_iterator(data()), fs::directory_iterator());
  }
  testing::TempFolder dir;
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

TEST(QuizPreparation, EachListBecomesItsOwnQuestionFile) {
  const std::string longQuestion = testing::repeat("問", 120);
  for (QuizList list : kLists) {
    Program p;
    QuizList other = list == QuizList::Nazonazo ? QuizList::Omoide : QuizList::Nazonazo;
    p.writeList(list,
                "1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n 3 , \"x,y\" ,\"答え, 3\",E3," + longQuestion);
    p.writeList(other, "1,x,other,other,other\r\n");
    EXPECT_EQ(p.prepare(list), "3件　終了");
    auto file = RecordFile::open(p.target(list));
    // Field 3 is the answer, 4 the explanation, 5 the question.
    EXPECT_EQ(file.read(1), (QuizRecord{padded("A1", kAnswerWidth), padded("E1", kExplanationWidth),
                                        padded("Q1", kQuestionWidth)}));
    EXPECT_EQ(file.read(3).Answer, padded("答え, 3", kAnswerWidth));
    EXPECT_EQ(file.read(3).Question, longQuestion.substr(0, 100 * 3)) << "cut to 200 bytes";
    EXPECT_FALSE(fs::exists(p.target(other))) << "the other question file is not touched";
    EXPECT_EQ(p.filesInData(), 1) << "no temporary file is left behind";
  }
  Program p;
  p.writeList(QuizList::Omoide, lines(10000));
  EXPECT_EQ(p.prepare(QuizList::Omoide), "10000件　終了") << "10000 lines are the limit";
}

TEST(QuizPreparation, AShorterListLeavesTheOldRecordsAfterIt) {
  Program p;
  const QuizList l = QuizList::Nazonazo;
  p.writeList(l, "");
  EXPECT_EQ(p.prepare(l), "0件　終了");
  EXPECT_EQ(fs::file_size(p.target(l)), 0u) << "created, empty";
  p.writeList(l, lines(5));
  EXPECT_EQ(p.prepare(l), "5件　終了");
  std::string old = testing::readBytes(p.target(l));
  p.writeList(l, "1,x,新,新,新\r\n2,x,新,新,新\r\n");
  EXPECT_EQ(p.prepare(l), "2件　終了");
  std::string now = testing::readBytes(p.target(l));
  ASSERT_EQ(now.size(), old.size());
  EXPECT_EQ(now.substr(2 * kRecordLength), old.substr(2 * kRecordLength));
  EXPECT_EQ(RecordFile::open(p.target(l)).read(2).Answer, padded("新", kAnswerWidth));
  p.writeList(l, "");
  EXPECT_EQ(p.prepare(l), "0件　終了");
  EXPECT_EQ(testing::readBytes(p.target(l)), now) << "an empty list changes nothing";
}

TEST(QuizPreparation, ABadListLeavesTheQuestionFileAsItWas) {
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
      {"a UTF-8 file", "1,a,\xE7\xAD\x94,c,d\r\n",
       "の1行目：CP932（シフトJIS）の文字として読めないバイトがあります"},
      {"more than 10000 lines", utf8ToCp932(lines(10001)),
       "の10001行目：件数が上限を超えています（上限10000件）"},
  };
  for (QuizList list : kLists) {
    for (const auto& c : cases) {
      Program p;
      std::string old = encodeRecord({"古い答", "古い説明", "古い問題"}) + "tail";
      testing::writeBytes(p.target(list), old);
      if (c.bytes) testing::writeBytes(p.source(list), *c.bytes);
      EXPECT_EQ(p.prepare(list), "中止：「" + std::string(filesOf(list).source) + "」" + c.message +
                                     "　問題ファイルは変更していません")
          << c.what;
      EXPECT_EQ(testing::readBytes(p.target(list)), old) << c.what;
      EXPECT_EQ(p.filesInData(), 1) << c.what;
    }
  }
}

// On an installed system the program folder belongs to the administrator:
// a conversion must say so and leave the question files as they were.
TEST(QuizPreparation, AQuestionFileThatMayNotOrCannotBeWrittenIsLeftAsItWas) {
  const std::string old = encodeRecord({"古い答", "古い説明", "古い問題"}) + "tail";
  struct Case {
    const char* what;
    std::optional<mode_t> dataFolderMode;  // 0: a plain file in its place; nullopt: none
    bool targetIsFolder;
    const char* message;  // %: the data folder; $: the question file's name
  } cases[] = {
      // As installed: the administrator's folder, readable by all.
      {"owned by another user, 0755", 0755, false,
       runningAsRoot() ? "中止：フォルダ「%」に書き込む権限がありません" : "3件　終了"},
      {"read-only for everyone, 0555", 0555, false,
       "中止：フォルダ「%」に書き込む権限がありません"},
      {"writable by everyone, 0777", 0777, false, "3件　終了"},
      {"a file in place of the folder", 0, false, "中止：「$」：ファイルに書き込めません"},
      {"no data folder", std::nullopt, false, "中止：「$」：ファイルに書き込めません"},
      {"a folder in place of the file", 0755, true, "中止：「$」：ファイルを読めません"},
  };
  for (const auto& c : cases) {
    for (QuizList list : kLists) {
      Program p(c.dataFolderMode);
      p.writeList(list, "1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n3,x,A3,E3,Q3\r\n");
      if (c.targetIsFolder)
        fs::create_directory(p.target(list));
      else if (c.dataFolderMode > 0)
        testing::writeBytes(p.target(list), old);
      if (c.dataFolderMode > 0) fs::permissions(p.data(), fs::perms(*c.dataFolderMode));
      // Only the folder's own permission bits need an ordinary user.
      const bool byBits = c.dataFolderMode > 0 && !c.targetIsFolder;
      std::string message =
          byBits ? asOrdinaryUser([&] { return p.prepare(list); }) : p.prepare(list);
      if (c.dataFolderMode > 0) fs::permissions(p.data(), fs::perms(0755));

      std::string expected = c.message;
      if (auto at = expected.find('%'); at != std::string::npos) expected.replace(at, 1, p.data());
      if (auto at = expected.find('$'); at != std::string::npos)
        expected.replace(at, 1, filesOf(list).target);
      if (expected.starts_with("中止")) expected += "　問題ファイルは変更していません";
      EXPECT_EQ(message, expected) << c.what;
      if (expected == "3件　終了") {
        EXPECT_EQ(RecordFile::open(p.target(list)).read(3).Answer.substr(0, 2), "A3") << c.what;
      } else if (c.dataFolderMode > 0 && !c.targetIsFolder) {
        EXPECT_EQ(testing::readBytes(p.target(list)), old) << c.what;
      }
      if (c.dataFolderMode > 0) {
        EXPECT_EQ(p.filesInData(), 1) << "nothing left behind; " << c.what;
      }
    }
  }
}

}  // namespace
}  // namespace zunobi::data
