// The soak's own parts: the data sets it runs with, and the rules it checks,
// which must catch a window that breaks them. The random use itself is the
// soak's run (zunobi-soak), over the same data sets.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "data/data_check.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/record_file.h"
#include "drills/drill_window.h"
#include "soak/data_sets.h"
#include "soak/soak.h"
#include "support/sample_drill.h"
#include "ui/controls.h"

namespace zunobi::soak {
namespace {

std::string data(const std::string& program, std::string_view file) {
  return zunobi::data::DataFolder(program) + std::string(file);
}

TEST(LargestData, TheCheckPassesDataAtEveryReadersLimit) {
  ScratchFolder folder;
  writeLargestData(folder.path());
  const auto report = zunobi::data::checkDataFolders(folder.path(), {.requireAll = true});
  for (const auto& f : report.findings()) ADD_FAILURE() << zunobi::data::formatFinding(f);

  // And the data is the largest the readers take.
  EXPECT_EQ(zunobi::data::readJyukugo(data(folder.path(), zunobi::data::kNijiJyukugoFile)).size(),
            1500u);
  EXPECT_EQ(
      zunobi::data::RecordFile::open(data(folder.path(), zunobi::data::kOmoideQuestions)).count(),
      10000);
}

// Every file of a broken data set is broken: gone, or the maintainers' check
// finds it (a question file has no fields to miscount).
TEST(BrokenData, EveryFileHasTheProblemItIsNamedFor) {
  const std::string shipped = zunobi::data::ProgramFolder();
  const auto files = dataFiles(shipped);
  ASSERT_GT(files.size(), 70u) << "the shipped data lies beside the tests";
  for (Breakage b : kBreakages) {
    SCOPED_TRACE(std::string(nameOf(b)));
    ScratchFolder folder;
    writeBrokenData(shipped, folder.path(), b);
    const auto report = zunobi::data::checkDataFolders(folder.path(), {.requireAll = true});
    for (const auto& original : files) {
      const std::string path =
          folder.path() + original.substr(shipped.size());  // the same file in the copy
      if (b == Breakage::Missing) {
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
        continue;
      }
      if (b == Breakage::WrongFieldCount && path.ends_with(".ran")) continue;
      bool found = false;
      // Lines past the limit of a file a drill reads only so far are a warning.
      for (const auto& f : report.findings())
        found = found || (f.path == path && (!f.warning || b == Breakage::TooManyLines));
      EXPECT_TRUE(found) << path;
    }
  }
}

TEST(SoakRules, ValidTextAndNumbersInCaptions) {
  struct Case {
    std::string text;
    bool valid;
  };
  for (const Case& c : std::vector<Case>{{"", true},
                                         {"問題数　　10\r\n正解数　　7", true},
                                         {"🍙", true},
                                         {"\xFF", false},
                                         {"\xE5\x95", false},  // cut short
                                         {std::string("a\0b", 3), false},
                                         {"\xC0\xAF", false},           // overlong "/"
                                         {"\xED\xA0\x80", false},       // a surrogate
                                         {"\xF4\x90\x80\x80", false}})  // past U+10FFFF
    EXPECT_EQ(validText(c.text), c.valid) << c.text;

  struct Number {
    std::string text, key;
    long value;
  };
  for (const Number& n : std::vector<Number>{{"問題数　　10\r\n正解数　　7", "正解数", 7},
                                             {"問題数：12　正解数：3", "問題数", 12},
                                             {"問題数　１１", "問題数", 11},
                                             {"経過時間　-5秒", "経過時間", -5},
                                             {"正解数", "正解数", -1},
                                             {"所要時間　", "問題数", -1}})
    EXPECT_EQ(numberAfter(n.text, n.key), n.value) << n.text;
}

// A drill that breaks one rule when its button is pressed a few times.
enum class Fault { Throws, BadText, TooManyRight, HidesBack, LeavesMenuBeside };

class FaultyDrill final : public drills::DrillWindow {
 public:
  FaultyDrill(ui::Services& s, std::string_view name, Fault fault)
      : DrillWindow(
            s, drills::testing::sampleFrame(name, "故障"),
            drills::testing::sampleControls({ui::button("cmdFault", "押す", {120, 120, 1500, 600}),
                                             ui::label("lblKekka", "", {120, 1600, 3000, 400})}),
            drills::StepTable<int>{{0, {}}}) {
    onClick("cmdFault", [this, fault] {
      if (++presses_ < 3) return;
      switch (fault) {
        case Fault::Throws:
          throw std::runtime_error("broken");
        case Fault::BadText:
          control("lblKekka").setCaption("\x82\xa0");
          break;
        case Fault::TooManyRight:
          control("lblKekka").setCaption("問題数：3　正解数：4");
          break;
        case Fault::HidesBack:
          control("cmdToMenu").hide();
          break;
        case Fault::LeavesMenuBeside:
          navigator().show(drills::kMenuForm);
          break;
      }
    });
  }

 private:
  int presses_ = 0;
};

TEST(SoakRules, EachBrokenRuleIsCaught) {
  struct Case {
    Fault fault;
    std::string reported;
  } cases[] = {{Fault::Throws, "an exception escaped: broken"},
               {Fault::BadText, "lblKekka holds no valid text"},
               {Fault::TooManyRight, "more right answers than questions"},
               {Fault::HidesBack, "the back button is not showing"},
               {Fault::LeavesMenuBeside, "loaded: ["}};
  ScratchFolder empty;
  for (const auto& c : cases) {
    ui::FormRegistry registry;
    registry.add(std::string(app::Frm1Main::kName),
                 [](ui::Services& s) { return std::make_shared<app::Frm1Main>(s); });
    for (const auto* d : app::drillInfos())
      registry.add(std::string(d->formName),
                   [name = d->formName, fault = c.fault](ui::Services& s) {
                     return std::make_shared<FaultyDrill>(s, name, fault);
                   });
    const auto report =
        runSoak({.actions = 5000, .dataSets = {{"empty", empty.path()}}, .registry = &registry});
    EXPECT_NE(report.failure.find(c.reported), std::string::npos) << report.failure;
    EXPECT_LT(report.actions, 5000u);
  }
}

}  // namespace
}  // namespace zunobi::soak
