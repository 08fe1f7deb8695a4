#include "drills/knowledge/frm2_quiz.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "data/cp932.h"
#include "data/folders.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::kLoadLater;

const char* const kFinished = "お疲れ様でした。全ての問題を終了しました。";

// A program folder of its own with an empty data folder.
struct QuizFolder {
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
  QuizFolder() { std::filesystem::create_directory(root / "file"); }

  static std::string path(const QuizVariant& list) {
    return data::DataFolder() + std::string(list.questionFile);
  }
  // Record k of a window's file: its texts name the window and k.
  static data::QuizRecord record(const QuizVariant& list, int k) {
    const std::string tag = std::string(list.info.formName) + std::to_string(k);
    return {"答え" + tag, "解説" + tag, "問題" + tag};
  }
  void write(const QuizVariant& list, int records, std::string_view tail = {}) const {
    std::string bytes;
    for (int k = 1; k <= records; ++k) bytes += data::encodeRecord(record(list, k));
    bytes += tail;
    data::testing::writeBytes(path(list), bytes);
  }
};

// The text as a 700-byte record holds it: filled with spaces to the width.
std::string filled(const std::string& text, std::size_t width) {
  return text + std::string(width - data::utf8ToCp932(text).size(), ' ');
}

// Handles this process holds open on the file, as the system counts them.
int openHandles(const std::string& path) {
  const auto target = std::filesystem::weakly_canonical(path);
  int n = 0;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (std::filesystem::read_symlink(fd.path(), ec) == target) ++n;
  }
  return n;
}

using Fixture = ui::testing::WindowFixture<Frm2Quiz>;

struct Visit {
  const QuizVariant& list;
  int records;
  std::string tail;  // bytes of a cut-short last record
  std::vector<double> draws;
  std::vector<int> order;  // record numbers, as lblNo shows them
};

const Visit kVisits[] = {
    {Frm2Quiz::kNazo, 1, "", {0.7}, {1}},
    {Frm2Quiz::kNazo, 3, "", {0.5, 0.1, 0.3}, {2, 3, 1}},
    // Equal keys keep their order.
    {Frm2Quiz::kQuiz, 3, "", {0.9, 0.9, 0.2}, {3, 1, 2}},
    {Frm2Quiz::kQuiz, 3, std::string(699, ' '), {0.99999, 0.0, 0.5}, {2, 3, 1}},
};

TEST(Frm2Quiz, ShowsEveryQuestionOnceWithItsAnswerAndExplanation) {
  for (const auto& v : kVisits) {
    SCOPED_TRACE(std::to_string(v.records) + " records, first " + std::to_string(v.order[0]));
    QuizFolder folder;
    folder.write(v.list, v.records, v.tail);
    // The other window's file is not read.
    const QuizVariant& other = &v.list == &Frm2Quiz::kNazo ? Frm2Quiz::kQuiz : Frm2Quiz::kNazo;
    folder.write(other, 5);
    Fixture f(kLoadLater, v.list);
    for (double r : v.draws) f.t.random.push(r);
    f.w->load();
    EXPECT_EQ(f.t.random.draws(), static_cast<std::size_t>(v.records)) << "a key per record";

    for (int k : v.order) {
      SCOPED_TRACE(k);
      const auto rec = QuizFolder::record(v.list, k);
      EXPECT_EQ(f.caption("lblQs"), filled(rec.Question, 200));
      EXPECT_EQ(f.caption("lblAns") + f.caption("lblKaisetu"), "");
      EXPECT_EQ(f.caption("lblNo"), std::to_string(k));

      f.w->click("cmdAns");
      EXPECT_EQ(f.caption("lblAns"), filled(rec.Answer, 200));
      EXPECT_EQ(f.caption("lblKaisetu"), filled(rec.Explanation, 300));
      f.w->click("cmdAns");
    }

    EXPECT_FALSE(f.showing("cmdAns"));
    EXPECT_EQ(f.caption("lblQs"), kFinished);
    EXPECT_EQ(f.caption("lblNo"), std::to_string(v.order.back())) << "keeps the last number";
  }
}

TEST(Frm2Quiz, ShowsTheFirst10000OfALargerFile) {
  QuizFolder folder;
  folder.write(Frm2Quiz::kNazo, 10001);
  Fixture f(kLoadLater, Frm2Quiz::kNazo);
  f.t.random.push(0.5);
  f.w->load();
  EXPECT_EQ(f.t.random.draws(), 10000u) << "a key per record read";
}

struct Trouble {
  const char* what;
  std::string bytes;  // the file; "dir" puts a folder in its place, "" leaves it missing
  bool create;
  const char* message;
};

TEST(Frm2Quiz, WithoutQuestionsSaysWhy) {
  const Trouble kTroubles[] = {
      {"missing", "", false, "問題がありません（「クイズ（なぞなぞ）.ran」が見つかりません）"},
      {"empty", "", true, "問題がありません（「クイズ（なぞなぞ）.ran」は空です）"},
      {"a folder", "dir", true, "「クイズ（なぞなぞ）.ran」：ファイルを読めません"},
  };
  for (const auto& t : kTroubles) {
    SCOPED_TRACE(t.what);
    QuizFolder folder;
    const std::string path = QuizFolder::path(Frm2Quiz::kNazo);
    if (t.bytes == "dir")
      std::filesystem::create_directory(path);
    else if (t.create)
      data::testing::writeBytes(path, t.bytes);
    Fixture f(Frm2Quiz::kNazo);
    EXPECT_EQ(f.caption("lblQs"), t.message);
    EXPECT_FALSE(f.showing("cmdAns"));
    EXPECT_EQ(openHandles(path), 0);
  }
}

// Records the way out, and whether the question file was still open when
// the menu came up.
class WatchingNavigator final : public ui::Navigator {
 public:
  explicit WatchingNavigator(std::string path) : path_(std::move(path)) {}
  void show(std::string_view form) override {
    calls.push_back("show " + std::string(form) +
                    (openHandles(path_) ? " beside the open file" : ""));
  }
  void unload(ui::Form& form) override {
    calls.push_back("unload " + form.name());
    form.unloaded();
  }
  void unloadByName(std::string_view form) override {
    calls.push_back("unload " + std::string(form));
  }
  void endProgram() override { calls.push_back("end"); }
  std::vector<std::string> calls;

 private:
  std::string path_;
};

TEST(Frm2Quiz, KeepsItsFileOpenUntilItLeavesOrIsUnloaded) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "back");
    QuizFolder folder;
    folder.write(Frm2Quiz::kQuiz, 2);
    const std::string path = QuizFolder::path(Frm2Quiz::kQuiz);
    ui::testing::TestServices t;
    WatchingNavigator navigator(path);
    ui::Services services{t.clock, t.random, navigator, t.messageBox};
    auto w = std::make_shared<Frm2Quiz>(services, Frm2Quiz::kQuiz);
    w->load();
    w->click("cmdAns");
    EXPECT_EQ(openHandles(path), 1);
    if (closeBox)
      w->close();
    else
      w->click("cmdToMenu");
    EXPECT_EQ(openHandles(path), 0);
    EXPECT_EQ(navigator.calls,
              closeBox ? (std::vector<std::string>{"unload frm2Quiz"})
                       : (std::vector<std::string>{"show frm1Main", "unload frm2Quiz"}));
  }
}

}  // namespace
}  // namespace zunobi::drills
