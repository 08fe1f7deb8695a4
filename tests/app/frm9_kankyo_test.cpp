#include "app/frm9_kankyo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
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
    window->load();
  }
  void writeList(QuizList l, const std::string& utf8) {
    testing::writeBytes(WorkFolder(dir.path()) + std::string(filesOf(l).source), utf8ToCp932(utf8));
  }
  std::string convert(QuizList l) {
    window->click(l == QuizList::Nazonazo ? "cmdNazonazo" : "cmdQuizRan");
    return window->control("lblMsg1").caption();
  }
  std::string target(QuizList l) const {
    return DataFolder(dir.path()) + std::string(filesOf(l).target);
  }

  testing::TempFolder dir;
  ScopedProgramFolder here{dir.path()};  // where the window finds its folders
  ui::testing::TestServices t;
  std::shared_ptr<Frm9Kankyo> window = std::make_shared<Frm9Kankyo>(t.services);
};

// The conversion itself is the preparation's test; the window shows its message.
TEST(Frm9Kankyo, EachButtonConvertsItsOwnListAndShowsTheMessage) {
  for (auto [list, other] : {std::pair{QuizList::Nazonazo, QuizList::Omoide},
                             std::pair{QuizList::Omoide, QuizList::Nazonazo}}) {
    Kankyo k;
    k.writeList(list, "1,x,A1,E1,Q1\r\n2,x,A2,E2,Q2\r\n");
    EXPECT_EQ(k.convert(list), "2件　終了");
    EXPECT_EQ(fs::file_size(k.target(list)), 2 * kRecordLength);
    EXPECT_FALSE(fs::exists(k.target(other)));
    EXPECT_EQ(k.convert(other), "中止：「" + std::string(filesOf(other).source) +
                                    "」：ファイルが見つかりません　問題ファイルは変更していません");
  }
}

}  // namespace
}  // namespace zunobi::app
