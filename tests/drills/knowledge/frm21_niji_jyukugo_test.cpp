#include "drills/knowledge/frm21_niji_jyukugo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/limits.h"
#include "support/forms.h"
#include "support/temp_folder.h"
#include "ui/testing.h"

namespace zunobi::drills {
namespace {

struct Puzzle {
  std::vector<std::string> saki;  // centre + X
  std::vector<std::string> ato;   // X + centre
};

const Puzzle kYama{{"山道", "山林", "山頂"}, {"登山", "火山", "下山"}};
const Puzzle kKawa{{"川岸", "川上"}, {"小川", "河川"}};
const Puzzle kMixed{{"海辺", "空港", "花火"}, {"大海", "青空"}};

// "二字熟語.csv": each record a sequence number, 30 saki slots and their
// count, 30 ato slots and their count.
std::string file(const std::vector<Puzzle>& puzzles) {
  auto slots = [](const std::vector<std::string>& list) {
    std::string out;
    for (std::size_t i = 0; i < data::kMaxCompounds; ++i)
      out += "," + (i < list.size() ? list[i] : std::string());
    return out + "," + std::to_string(list.size());
  };
  std::string text;
  for (std::size_t i = 0; i < puzzles.size(); ++i)
    text += std::to_string(i + 1) + slots(puzzles[i].saki) + slots(puzzles[i].ato) + "\r\n";
  return text;
}

// The window, loaded on its own program folder.
struct Window : ui::testing::WindowFixture<Frm21NijiJyukugo> {
  // The file's bytes, or no file at all.
  explicit Window(const std::optional<std::string>& bytes)
      : WindowFixture(ui::testing::kLoadLater) {
    std::filesystem::create_directories(dir / "file");
    if (bytes) data::testing::writeBytes(dir / "file/二字熟語.csv", *bytes);
    w->load();
  }
  explicit Window(const std::vector<Puzzle>& puzzles) : Window(data::utf8ToCp932(file(puzzles))) {}

  // Record `row` of `rows`, then the ato and saki compounds that come first
  // and second in their shuffles (1-based); the others get a middle key.
  void script(int row, int rows, const Puzzle& p, std::pair<int, int> ato,
              std::pair<int, int> saki) {
    t.random.push((row - 0.5) / rows);
    auto keys = [&](std::size_t n, std::pair<int, int> firsts) {
      for (int i = 1; i <= static_cast<int>(n); ++i)
        t.random.push(((i == firsts.first ? 1 : i == firsts.second ? 2 : 50) - 0.5) / 100);
    };
    keys(p.ato.size(), ato);
    keys(p.saki.size(), saki);
  }

  std::string boxes() const {
    std::string s;
    // Appended, not " " + …: GCC 12 warns (-Wrestrict, wrongly) on that.
    for (int i = 0; i < 5; ++i) s.append(i ? " " : "").append(caption("lblKanji", i));
    return s;
  }
  void choose(int option) { w->click("optMenu", option); }
  void tickAt(int h, int m, int s) {
    t.clock.setTime(h, m, s);
    w->tick();
  }

  data::testing::TempFolder dir;
  data::ScopedProgramFolder program{dir.path()};
};

struct Question {
  int row;
  std::pair<int, int> ato, saki;
  const char* boxes;  // centre empty
  const char* answer;
};

// Records drawn at random, the same one twice in a row included; the third
// record's right-hand compounds begin with different kanji, so the answer
// must come from the compound of the right box.
const Question kTen[] = {
    {1, {2, 3}, {3, 1}, " 火 下 頂 道", "山"}, {2, {2, 1}, {1, 2}, " 河 小 岸 上", "川"},
    {2, {1, 2}, {2, 1}, " 小 河 上 岸", "川"}, {3, {1, 2}, {2, 3}, " 大 青 港 火", "空"},
    {1, {3, 1}, {1, 3}, " 下 登 道 頂", "山"}, {3, {2, 1}, {3, 1}, " 青 大 火 辺", "花"},
    {1, {2, 1}, {1, 2}, " 火 登 道 林", "山"}, {1, {3, 2}, {3, 2}, " 下 火 頂 林", "山"},
    {2, {1, 2}, {1, 2}, " 小 河 岸 上", "川"}, {1, {1, 3}, {2, 1}, " 登 下 林 道", "山"},
    {2, {2, 1}, {1, 2}, " 河 小 岸 上", "川"},
};

TEST(Frm21NijiJyukugo, PlaysAWholeTenQuestionRunStateByState) {
  Window w({kYama, kKawa, kMixed});
  const Puzzle* records[] = {nullptr, &kYama, &kKawa, &kMixed};
  for (const auto& q : kTen) w.script(q.row, 3, *records[q.row], q.ato, q.saki);
  w.choose(1);
  w.t.clock.setTime(10, 0, 0);
  w.w->click("cmdStart");
  for (int k = 1; k <= 11; ++k) {
    const Question& q = kTen[k - 1];
    SCOPED_TRACE(k);
    EXPECT_EQ(w.showing("cmdBreake"), k > 1) << "shown from the first click of a run";
    EXPECT_EQ(w.boxes(), q.boxes);
    EXPECT_EQ(w.caption("lblCharngeSu"), "問題数　" + std::to_string(k));
    w.t.clock.advance(k == 11 ? 15 : 11);
    w.w->click("cmdKotae");
    if (k == 11) break;  // its answer ends the run
    EXPECT_EQ(w.boxes(), q.answer + std::string(q.boxes));
    w.w->click("cmdKotae");
  }
  EXPECT_TRUE(w.showing("cmdStart"));
  EXPECT_EQ(w.boxes(), "    ");
  EXPECT_EQ(w.caption("lblCharngeSu"), "問題数　10");
  EXPECT_EQ(w.caption("lblKeikaTime"), "所要時間　2分　5秒");
  EXPECT_EQ(w.caption("lblJikanStart"), "開始の時刻　10:00:00");
  EXPECT_EQ(w.t.random.remaining(), 0u);
}

TEST(Frm21NijiJyukugo, TheMinuteRunsOutWhateverIsOnShow) {
  const struct Case {
    const char* what;
    std::vector<Puzzle> records;
    int clicks;
    const char* count;
  } cases[] = {
      {"an answer", {kYama, kKawa}, 1, "問題数　1"},
      {"the ten-question limit does not apply", {kYama, kKawa}, 25, "問題数　13"},
      {"a run ended by its only record still meets its minute", {kKawa}, 2, "問題数　2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Window w(c.records);
    w.choose(2);
    w.t.clock.setTime(10, 0, 30);
    w.w->click("cmdStart");
    w.choose(0);  // read only at the start
    for (int i = 0; i < c.clicks; ++i) w.w->click("cmdKotae");
    // Not yet at start + 1 minute itself: the end comes strictly after it.
    w.tickAt(10, 1, 30);
    EXPECT_EQ(w.caption("lblJikanEnd"), "");
    w.tickAt(10, 1, 31);
    EXPECT_TRUE(w.showing("cmdStart"));
    EXPECT_EQ(w.caption("lblJikanEnd"), "時間です！");
    EXPECT_EQ(w.caption("lblJikanStart"), "");
    EXPECT_EQ(w.caption("lblKeikaTime"), "所要時間　1分　0秒");
    EXPECT_EQ(w.caption("lblCharngeSu"), c.count);
    // The next start clears the notice.
    w.w->click("cmdStart");
    EXPECT_EQ(w.caption("lblJikanEnd") + w.caption("lblKeikaTime"), "");
    EXPECT_EQ(w.caption("lblCharngeSu"), "問題数　1");
  }
}

TEST(Frm21NijiJyukugo, TheOptionIsReadOnlyAtStart) {
  // No option chosen: training, which neither stops at ten nor at a minute.
  Window w({kYama, kKawa});
  w.t.clock.setTime(10, 0, 0);
  w.w->click("cmdStart");
  w.choose(1);
  for (int click = 1; click <= 28; ++click) w.w->click("cmdKotae");  // 14 answers and next
  w.choose(2);
  w.tickAt(10, 5, 0);
  EXPECT_FALSE(w.showing("cmdStart"));
  EXPECT_EQ(w.caption("lblCharngeSu"), "問題数　15") << "the eleventh answer did not end it";
}

// Stopped, or ended by the only record running out: the time taken in
// whole minutes, across midnight and past an hour.
TEST(Frm21NijiJyukugo, StoppingOrRunningOutShowsTheCountAndTheTimeTaken) {
  const struct Case {
    int option;
    std::vector<Puzzle> records;
    int h, m, s, seconds;
    const char* button;
    const char* count;
    const char* shown;
  } cases[] = {
      {2, {kYama, kKawa}, 10, 0, 0, 42, "cmdBreake", "問題数　3", "所要時間　0分　42秒"},
      {1, {kKawa}, 23, 59, 30, 50, "cmdKotae", "問題数　1", "所要時間　0分　50秒"},
      {0, {kKawa}, 10, 0, 0, 3725, "cmdBreake", "問題数　1", "所要時間　62分　5秒"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Window w(c.records);
    w.choose(c.option);
    w.t.clock.setTime(c.h, c.m, c.s);
    w.w->click("cmdStart");
    const std::size_t draws = w.t.random.draws();
    // To question 3 with its answer on show, or past the only record.
    for (int i = 0; i < (c.records.size() > 1 ? 5 : 1); ++i) w.w->click("cmdKotae");
    w.t.clock.advance(c.seconds);
    w.w->click(c.button);
    // Past the only record no question is drawn.
    EXPECT_EQ(w.t.random.draws() == draws, c.records.size() == 1);
    EXPECT_EQ(w.boxes(), "    ");
    EXPECT_EQ(w.caption("lblCharngeSu"), c.count);
    EXPECT_EQ(w.caption("lblKeikaTime"), c.shown);
    // No time-up comes after a stop, not even in a one-minute run.
    w.t.clock.advance(90);
    w.w->tick();
    EXPECT_EQ(w.caption("lblJikanEnd"), "");
    EXPECT_EQ(w.caption("lblKeikaTime"), c.shown);
  }
}

// The reader's own message, the reader's tests holding the troubles; the boxes
// still stand in their cross.
TEST(Frm21NijiJyukugo, AFileThatCannotBeUsedIsToldAndNothingStartsAroundTheBoxes) {
  Window w(std::nullopt);
  EXPECT_EQ(w.caption("lblSetumei"), "「二字熟語.csv」：ファイルが見つかりません");
  EXPECT_FALSE(w.showing("cmdStart"));
  // The answer box in the centre, the others left, above, right and below it.
  const auto at = [&](int i) { return w.w->control("lblKanji", i).place(); };
  EXPECT_TRUE(at(1).left < at(0).left && at(0).left < at(3).left && at(1).top == at(0).top);
  EXPECT_TRUE(at(2).top < at(0).top && at(0).top < at(4).top && at(2).left == at(0).left);
}

}  // namespace
}  // namespace zunobi::drills
