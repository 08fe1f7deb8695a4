// On an installed system the program folder belongs to the administrator:
// a conversion must say so and leave the question files as they were.
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "support/temp_folder.h"

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

long entriesIn(const std::string& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(ReadOnlyFolder, AConversionThatMayNotWriteLeavesTheQuestionFileAsItWas) {
  enum class Expect { Refused, Written, CannotWriteFile };
  struct Case {
    const char* what;
    mode_t dataFolderMode;  // 0: a plain file stands in place of the folder
    Expect expect;
  } cases[] = {
      // As installed: the administrator's folder, readable by all.
      {"owned by another user, 0755", 0755, runningAsRoot() ? Expect::Refused : Expect::Written},
      {"read-only for everyone, 0555", 0555, Expect::Refused},
      {"writable by everyone, 0777", 0777, Expect::Written},
      {"a file in place of the folder", 0, Expect::CannotWriteFile},
  };
  const std::string old = encodeRecord({"古い答", "古い説明", "古い問題"}) + "tail";
  for (const auto& c : cases) {
    for (QuizList list : {QuizList::Nazonazo, QuizList::Omoide}) {
      testing::TempFolder dir;
      fs::permissions(dir.path(), fs::perms(0755));  // mkdtemp's 0700 would shut everyone out
      std::string data = DataFolder(dir.path());
      data.pop_back();
      std::string work = WorkFolder(dir.path());
      std::string target = data + "/" + std::string(filesOf(list).target);
      fs::create_directory(work);
      testing::writeBytes(work + std::string(filesOf(list).source),
                          utf8ToCp932("1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n3,x,A3,E3,Q3\r\n"));
      if (c.dataFolderMode == 0) {
        testing::writeBytes(data, old);
      } else {
        fs::create_directory(data);
        testing::writeBytes(target, old);
        fs::permissions(data, fs::perms(c.dataFolderMode));
      }

      std::string message =
          asOrdinaryUser([&] { return prepareQuestionFile(list, dir.path()).message; });

      const std::string unchanged = "　問題ファイルは変更していません";
      switch (c.expect) {
        case Expect::Refused:
          EXPECT_EQ(message, "中止：フォルダ「" + data + "」に書き込む権限がありません" + unchanged)
              << c.what;
          break;
        case Expect::Written:
          EXPECT_EQ(message, "3件　終了") << c.what;
          break;
        case Expect::CannotWriteFile:
          EXPECT_EQ(message, "中止：「" + std::string(filesOf(list).target) +
                                 "」：ファイルに書き込めません" + unchanged)
              << c.what;
          break;
      }
      fs::permissions(data, fs::perms(0755));
      if (c.expect == Expect::Written) {
        EXPECT_EQ(fs::file_size(target), 3 * kRecordLength) << c.what;
        EXPECT_EQ(RecordFile::open(target).read(3).Answer.substr(0, 2), "A3") << c.what;
      } else {
        EXPECT_EQ(testing::readBytes(c.dataFolderMode ? target : data), old) << c.what;
      }
      if (c.dataFolderMode) {
        EXPECT_EQ(entriesIn(data), 1) << "no file left behind; " << c.what;
      }
    }
  }
}

}  // namespace
}  // namespace zunobi::data
