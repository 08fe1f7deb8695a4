#include "drills/knowledge/frm21_niji_jyukugo.h"

#include "data/cp932.h"
#include "data/folders.h"
#include "drills/turn_result.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm21NijiJyukugo::kInfo.formName,
    .caption = "二字熟語",
    .clientWidth = 9645,
    .clientHeight = 6735,
    .clockLabel = "lblJikoku",
    .startLabel = "lblJikanStart",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

constexpr std::string_view kShowAnswer = "解答を表示";
constexpr std::string_view kNextQuestion = "次の問題";

// The kanji boxes: 0 centre, 1 left, 2 above, 3 right, 4 below; squares one
// pitch apart, so a narrow gap lies between neighbours.
constexpr std::int32_t kBox = 795;
constexpr std::int32_t kPitch = 840;
constexpr std::int32_t kEdge = 240;
struct KanjiBox {
  std::int32_t column, row;
  std::string_view design;  // marks the place until the first start
};
constexpr KanjiBox kKanjiBoxes[] = {
    {1, 1, "答"}, {0, 1, "１"}, {1, 0, "２"}, {2, 1, "３"}, {1, 2, "４"}};

// A message about the data file takes up to three lines, down to the
// start button's top.
constexpr ui::Rect kMessagePlace{1080, 960, 4215, 675};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  std::vector<ControlSpec> rows{
      label("Label1", "二字熟語", {2160, 360, 1935, 615}).bold(20.25).colour(colours::Red),
      label("lblSetumei", "", {1080, 960, 4215, 375}).colour(colours::DarkBlue),
      label("lblJikoku", "", {5520, 240, 2295, 495}),
      label("lblJikanStart", "", {5520, 960, 2295, 375}),
      label("lblJikanEnd", "", {3480, 3960, 1935, 495}).bold(9).colour(colours::DarkRed).notice(),
      frame("Frame2", "問題メニュー", {600, 1680, 2295, 2295}),
      option("optMenu", 0, "トレーニング", {240, 360, 1695, 375}).in("Frame2"),
      option("optMenu", 1, "１０問", {240, 960, 1695, 375}).in("Frame2"),
      option("optMenu", 2, "１分間", {240, 1560, 1695, 375}).in("Frame2"),
      button("cmdStart", "開始", {3600, 1680, 1815, 1215}),
      frame("Frame1", "問題", {5880, 1680, 3135, 3015}),
  };
  for (int i = 0; i < 5; ++i) {
    const KanjiBox& b = kKanjiBoxes[i];
    rows.push_back(label("lblKanji", i, b.design,
                         {kEdge + b.column * kPitch, kEdge + b.row * kPitch, kBox, kBox})
                       .in("Frame1")
                       .bold(36)
                       .colour(colours::DarkBlue)
                       .centred()
                       .bordered()
                       .notice());
  }
  rows.insert(rows.end(), {
                              button("cmdKotae", kShowAnswer, {3720, 4800, 1695, 855}),
                              button("cmdBreake", "やめる", {3720, 5880, 1695, 735}),
                              label("lblCharngeSu", "", {6480, 4920, 1815, 615}),
                              label("lblKeikaTime", "", {6480, 5760, 2055, 495}).notice(),
                              button("cmdToMenu", "メニューへ戻る", {8280, 360, 1215, 975}),
                          });
  return rows;
}

using Step = Frm21NijiJyukugo::Step;

const drills::StepTable<Step> kSteps{
    {Step::Idle,
     {.shown = {"cmdStart"}, .captions = {{"cmdKotae", kShowAnswer}}, .focus = "cmdStart"}},
    // "やめる" waits for the first click of the run.
    {Step::FirstPuzzle,
     {.shown = {"cmdKotae"}, .captions = {{"cmdKotae", kShowAnswer}}, .focus = "cmdKotae"}},
    {Step::Puzzle,
     {.shown = {"cmdKotae", "cmdBreake"},
      .captions = {{"cmdKotae", kShowAnswer}},
      .focus = "cmdKotae"}},
    {Step::Answer,
     {.shown = {"cmdKotae", "cmdBreake"},
      .captions = {{"cmdKotae", kNextQuestion}},
      .focus = "cmdKotae"}},
    // The file ships with the program: there is nothing to play, only to mend.
    {Step::NoPuzzles, {.shown = {}, .focus = "cmdToMenu"}},
};

std::string countText(std::int32_t n) { return "問題数　" + ui::decimal(n); }

std::string dataPath() { return data::DataFolder() + std::string(data::kNijiJyukugoFile); }

std::string character(const std::string& compound, std::size_t at) {
  auto chars = data::utf8Characters(compound);
  return at < chars.size() ? chars[at] : std::string();
}

}  // namespace

Frm21NijiJyukugo::Frm21NijiJyukugo(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps) {
  setTabOrder({{"optMenu", 0},
               {"optMenu", 1},
               {"optMenu", 2},
               {"cmdStart"},
               {"cmdKotae"},
               {"cmdBreake"},
               {"cmdToMenu"}});
  onClick("cmdStart", [this] { start(); });
  onClick("cmdKotae", [this] { kotae(); });
  onClick("cmdBreake", [this] { breake(); });
}

void Frm21NijiJyukugo::prepare() { data::readJyukugoAhead(dataPath()); }

void Frm21NijiJyukugo::onDrillLoad() {
  control("lblJikanEnd").setCaption("");
  control("lblSetumei")
      .setCaption("中央に漢字１字を入れると、２字熟語が４つ完成します" + std::string(ui::kCrLf) +
                  "その字は何でしょう？");
  auto records = readData("lblSetumei", [] { return data::readJyukugo(dataPath()); });
  if (!records) {
    control("lblSetumei").setPlace(kMessagePlace);
    enter(Step::NoPuzzles);
    return;
  }
  records_ = std::move(*records);
  enter(Step::Idle);
}

void Frm21NijiJyukugo::drawQuestion() {
  const auto JyukugoSu = static_cast<std::int32_t>(records_.size());
  const std::int32_t JyukugoNo = ui::drawOneTo(random().draw(), JyukugoSu);
  const auto& record = records_[JyukugoNo - 1];
  // The nth compound of a list in a fresh random order.
  auto shuffled = [&](const data::Compounds& list, int nth) {
    return list[shuffle_.ShuffleIndex[nth] - 1];
  };
  data::Shuffle(shuffle_, static_cast<std::int16_t>(record.ato.size()), data::kJyukugoKeyRange,
                random());
  control("lblKanji", 1).setCaption(character(shuffled(record.ato, 1), 0));
  control("lblKanji", 2).setCaption(character(shuffled(record.ato, 2), 0));
  data::Shuffle(shuffle_, static_cast<std::int16_t>(record.saki.size()), data::kJyukugoKeyRange,
                random());
  control("lblKanji", 3).setCaption(character(shuffled(record.saki, 1), 1));
  control("lblKanji", 4).setCaption(character(shuffled(record.saki, 2), 1));
  Seikai_ = character(shuffled(record.saki, 1), 0);
}

void Frm21NijiJyukugo::clearKanji() {
  for (int i = 0; i < 5; ++i) control("lblKanji", i).setCaption("");
}

void Frm21NijiJyukugo::start() {
  MenuNo_ = control("optMenu", 1).selected() ? 2 : control("optMenu", 2).selected() ? 3 : 1;
  control("lblKeikaTime").setCaption("");
  markStart();
  const ui::DateTime now = clock().now();
  KaishiByou_ = now.secondsSinceMidnight();
  Shimekiri_.clear();
  if (MenuNo_ == 3) Shimekiri_.arm(now.plusMinutes(1));
  control("lblJikanEnd").setCaption("");
  control("lblKanji", 0).setCaption("");
  drawQuestion();
  MondaiSu_ = 1;
  control("lblCharngeSu").setCaption(countText(MondaiSu_));
  enter(Step::FirstPuzzle);
}

void Frm21NijiJyukugo::kotae() {
  if (step<Step>() != Step::Answer) {
    control("lblKanji", 0).setCaption(Seikai_);
    // The eleventh question of a ten-question run ends it at its answer.
    if (MenuNo_ == 2 && MondaiSu_ > 10) {
      Shuuryou();
      return;
    }
    enter(Step::Answer);
    return;
  }
  ++MondaiSu_;
  control("lblCharngeSu").setCaption(countText(MondaiSu_));
  if (records_.size() < 2) {
    Shuuryou();
    return;
  }
  drawQuestion();
  control("lblKanji", 0).setCaption("");
  enter(Step::Puzzle);
}

// The end of a run by its own rule: ten questions, the only record, the
// minute. A one-minute run's deadline outlives it, so its time-up still comes.
void Frm21NijiJyukugo::Shuuryou() {
  clearKanji();
  std::string elapsed = "1分　0秒";  // a one-minute run shows its full minute
  if (MenuNo_ != 3) {
    elapsed = elapsedText();
    --MondaiSu_;
  }
  control("lblKeikaTime").setCaption("所要時間　" + elapsed);
  control("lblCharngeSu").setCaption(countText(MondaiSu_));
  enter(Step::Idle);
}

void Frm21NijiJyukugo::breake() {
  // A stopped run is over for good: its minute no longer runs out.
  Shimekiri_.clear();
  control("lblKeikaTime").setCaption("所要時間　" + elapsedText());
  clearKanji();
  enter(Step::Idle);
}

void Frm21NijiJyukugo::onDrillTick() {
  if (!Shimekiri_.passed(clock().now())) return;
  // The time-up steps would repeat at every tick until the next start and
  // change nothing on show; done once, they leave the keys where they are.
  Shimekiri_.clear();
  control("lblJikanEnd").setCaption("時間です！");
  control("lblJikanStart").setCaption("");
  Shuuryou();
}

// Whole minutes and seconds from the start to now; a run of an hour or
// more keeps all its minutes.
std::string Frm21NijiJyukugo::elapsedText() {
  const std::int32_t KeikaByou = elapsedSeconds(KaishiByou_, clock().now().secondsSinceMidnight());
  return ui::decimal(KeikaByou / 60) + "分　" + ui::decimal(KeikaByou % 60) + "秒";
}

}  // namespace zunobi::drills
