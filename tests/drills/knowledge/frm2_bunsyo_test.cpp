#include "drills/knowledge/frm2_bunsyo.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/cp932.h"
#include "data/folders.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

using ui::testing::kLoadLater;

const char* const kReadFirst = "問題文を理解したら、「質問」ボタンをクリック";

// The draw that picks document n of 68.
double drawFor(int n) { return (n - 0.5) / 68.0; }

// A program folder of its own with an empty document folder.
struct DocumentFolder {
  data::testing::TempFolder root;
  data::ScopedProgramFolder scoped{root.path()};
  DocumentFolder() { std::filesystem::create_directory(root / "bun"); }
  // Lines in UTF-8, each written as CP932 with CR LF.
  static void write(int n, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    data::testing::writeBytes(data::DocumentFolder() + data::DocumentFileName(n),
                              data::utf8ToCp932(text));
  }
};

// A text as its fixed 100-character field holds it.
std::string field100(const std::string& text, int chars) {
  return text + std::string(static_cast<std::size_t>(100 - chars), ' ');
}

using Fixture = ui::testing::WindowFixture<Frm2Bunsyo>;

TEST(Frm2Bunsyo, ReadsAsksAndAnswersDocumentAfterDocument) {
  DocumentFolder folder;
  folder.write(7, {"\"回覧板\",1", "\"清掃は6月6日です。\",1", "\"清掃はいつですか。\",\"6月6日\"",
                   "\"集合は、公園です。\",1", "\"集合はどこですか。\",\"公園\""});
  folder.write(12, {"お知らせ,1", "何のお知らせですか。,清掃"});
  const std::string doc7 = "回覧板\r\n清掃は6月6日です。\r\n集合は、公園です。\r\n";
  Fixture f(kLoadLater);
  f.t.random.push({drawFor(7), 0.6, drawFor(12), 0.0});
  f.w->load();

  f.t.clock.setTime(10, 0, 0);
  f.w->click("cmdMondai");
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "開始の時刻　10:00:00");
  EXPECT_EQ(f.caption("lblBunNo"), "007");
  EXPECT_EQ(f.caption("lblBunsyo"), doc7);
  f.w->click("cmdQs");
  EXPECT_EQ(f.caption("lblSetumei"), "");
  EXPECT_EQ(f.caption("lblQs"), field100("集合はどこですか。", 9));
  EXPECT_EQ(f.caption("lblBunsyo"), "") << "hidden while the question is asked";
  f.w->click("cmdAnswer");
  EXPECT_EQ(f.caption("lblKaishiJikoku"), "");
  EXPECT_EQ(f.caption("lblAnswer"), field100("公園", 2));
  EXPECT_EQ(f.caption("lblBunsyo"), doc7) << "shown again with the answer";

  f.w->click("cmdMondai");
  EXPECT_EQ(f.caption("lblBunNo"), "012");
  EXPECT_EQ(f.caption("lblBunsyo"), "お知らせ\r\n");
  EXPECT_EQ(f.caption("lblQs") + f.caption("lblAnswer"), "");
  f.w->click("cmdQs");
  EXPECT_EQ(f.caption("lblQs"), field100("何のお知らせですか。", 10));
}

// The reader's own message, whatever the trouble: the reader's tests hold
// the troubles. The last document, drawn at the top edge, is missing.
TEST(Frm2Bunsyo, ADocumentThatCannotBeUsedIsToldAndAnotherCanBeDrawn) {
  DocumentFolder folder;
  folder.write(8, {"別の文書,1", "質問,答え"});
  Fixture f(kLoadLater);
  f.t.random.push({1.0, drawFor(8)});
  f.w->load();
  f.w->click("cmdMondai");
  EXPECT_EQ(f.caption("lblSetumei"),
            "文書068を出題できません。\r\n「b068.csv」：ファイルが見つかりません");
  EXPECT_EQ(f.caption("lblBunsyo"), "");
  EXPECT_FALSE(f.showing("cmdQs"));

  f.w->click("cmdMondai");
  EXPECT_EQ(f.caption("lblSetumei"), kReadFirst);
  EXPECT_EQ(f.caption("lblBunsyo"), "別の文書\r\n");
  f.w->click("cmdQs");
  EXPECT_EQ(f.caption("lblQs"), field100("質問", 2));
}

}  // namespace
}  // namespace zunobi::drills
