#include "drills/knowledge/frm21_niji_jyukugo.h"

#include "data/cp932.h"
#include "data/folders.h"
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

// The buttons of each step, and the one the keyboard is on.
struct StepShows {
  bool start, kotae, breake;
  std::string_view kotaeCaption;
  std::string_view focus;
};
StepShows stepShows(Frm21NijiJyukugo::Step step) {
  using Step = Frm21NijiJyukugo::Step;
  switch (step) {
    case Step::Idle:
      return {true, false, false, kShowAnswer, "cmdStart"};
    case Step::FirstPuzzle:  // "やめる" waits for the first click of the run
      return {false, true, false, kShowAnswer, "cmdKotae"};
    case Step::Puzzle:
      return {false, true, true, kShowAnswer, "cmdKotae"};
    case Step::Answer:
      return {false, true, true, kNextQuestion, "cmdKotae"};
    case Step::NoPuzzles:
      break;
  }
  return {false, false, false, kShowAnswer, "cmdToMenu"};
}

std::string countText(std::int32_t n) { return "問題数　" + ui::decimal(n); }

std::string dataPath() { return data::DataFolder() + std::string(data::kNijiJyukugoFile); }

std::string character(const std::string& compound, std::size_t at) {
  auto chars = data::utf8Characters(compound);
  return at < chars.size() ? chars[at] : std::string();
}

}  // namespace

Frm21NijiJyukugo::Frm21NijiJyukugo(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable()) {
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

void Frm21NijiJyukugo::show(Step step) {
  const StepShows s = stepShows(step);
  control("cmdStart").setVisible(s.start);
  control("cmdKotae").setCaption(s.kotaeCaption);
  control("cmdKotae").setVisible(s.kotae);
  control("cmdBreake").setVisible(s.breake);
  control(s.focus).setFocus();
}

void Frm21NijiJyukugo::onDrillLoad() {
  control("lblJikanEnd").setCaption("");
  control("lblSetumei")
      .setCaption("中央に漢字１字を入れると、２字熟語が４つ完成します" + std::string(ui::kCrLf) +
                  "その字は何でしょう？");
  show(Step::Idle);
  auto records = readData("lblSetumei", [] { return data::readJyukugo(dataPath()); });
  if (!records) {
    // The file ships with the program: there is nothing to play, only to mend.
    control("lblSetumei").setPlace(kMessagePlace);
    show(Step::NoPuzzles);
    return;
  }
  records_ = std::move(*records);
}

void Frm21NijiJyukugo::drawQuestion() {
  const auto jyukugoSu = static_cast<std::int32_t>(records_.size());
  const auto& record = records_[ui::drawOneTo(random().draw(), jyukugoSu) - 1];
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
  seikai_ = character(shuffled(record.saki, 1), 0);
}

void Frm21NijiJyukugo::clearKanji() {
  for (int i = 0; i < 5; ++i) control("lblKanji", i).setCaption("");
}

void Frm21NijiJyukugo::start() {
  menuNo_ = control("optMenu", 1).selected() ? 2 : control("optMenu", 2).selected() ? 3 : 1;
  control("lblCharngeSu").setCaption("");
  control("lblKeikaTime").setCaption("");
  markStart();
  const ui::DateTime now = clock().now();
  kaishiByou_ = now.secondsSinceMidnight();
  shimekiri_ = now.plusMinutes(1);
  control("lblJikanEnd").setCaption("");
  control("lblKanji", 0).setCaption("");
  drawQuestion();
  mondaiSu_ = 1;
  control("lblCharngeSu").setCaption(countText(mondaiSu_));
  kaitouHyouji_ = false;
  running_ = true;
  show(Step::FirstPuzzle);
}

void Frm21NijiJyukugo::kotae() {
  if (!kaitouHyouji_) {
    control("lblKanji", 0).setCaption(seikai_);
    // The eleventh question of a ten-question run ends it at its answer.
    if (menuNo_ == 2 && mondaiSu_ > 10) {
      shuuryou();
      return;
    }
    kaitouHyouji_ = true;
    show(Step::Answer);
    return;
  }
  ++mondaiSu_;
  control("lblCharngeSu").setCaption(countText(mondaiSu_));
  kaitouHyouji_ = false;
  show(Step::Puzzle);
  if (records_.size() < 2) {
    shuuryou();
    return;
  }
  drawQuestion();
  control("lblKanji", 0).setCaption("");
}

void Frm21NijiJyukugo::shuuryou() {
  running_ = false;
  clearKanji();
  std::string elapsed = "1分　0秒";  // a one-minute run shows its full minute
  if (menuNo_ != 3) {
    elapsed = elapsedText();
    --mondaiSu_;
  }
  control("lblKeikaTime").setCaption("所要時間　" + elapsed);
  control("lblCharngeSu").setCaption(countText(mondaiSu_));
  kaitouHyouji_ = false;
  show(Step::Idle);
}

void Frm21NijiJyukugo::breake() {
  // A stopped run is over for good: its minute no longer runs out.
  running_ = false;
  control("lblKeikaTime").setCaption("所要時間　" + elapsedText());
  kaitouHyouji_ = false;
  show(Step::Idle);
  clearKanji();
}

void Frm21NijiJyukugo::onDrillTick() {
  if (!running_ || menuNo_ != 3 || !(clock().now() > shimekiri_)) return;
  control("lblJikanEnd").setCaption("時間です！");
  control("lblJikanStart").setCaption("");
  shuuryou();
}

// Whole minutes and seconds from the start to now; past midnight the day
// is taken off, and a run of an hour or more keeps all its minutes.
std::string Frm21NijiJyukugo::elapsedText() {
  constexpr std::int32_t kDay = 24 * 3600;
  std::int32_t keikaByou = clock().now().secondsSinceMidnight() - kaishiByou_;
  if (keikaByou < 0) keikaByou += kDay;
  return ui::decimal(keikaByou / 60) + "分　" + ui::decimal(keikaByou % 60) + "秒";
}

}  // namespace zunobi::drills
