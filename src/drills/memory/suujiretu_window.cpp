#include "drills/memory/suujiretu_window.h"

#include <vector>

#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {

const SuujiretuVariant SuujiretuWindow::kSuujiretu1{
    .info =
        {
            .formName = "frm2KiokuSuujiretu1",
            .menuButton = "cmdKiokuSuujiretu",
            .menuCaption = "記憶・数字列１",
            .menuLabel = "lblMemoSuji1",
            .description = "数字列を記憶し、提示された桁位置思い出す。記憶力と企画力が向上する。",
        },
    .title = "記憶・数字列１",
    .answerInstruction = "②質問の位置順に数字を入力してください（入力したら、「ENTER」キーを押す）",
    .header = "　１　　　　　　　　　２　　　　　　　　　３　　　　　　　　　４　　（数字列番号）",
    .digitCount = 4,
    .clientWidth = 11535,
    .clientHeight = 6840,
    .mondaiWidth = 5415,
    .shitumonHeight = 855,
    .timeOverLeft = 2640,
    .timeOverWidth = 4935,
    .kotaeWidth = 1935,
    .resultPoints = 12,
    .question = suujiretu::recallQuestion,
    .answer = suujiretu::recallAnswer,
};

const SuujiretuVariant SuujiretuWindow::kSuujiretu2{
    .info =
        {
            .formName = "frm2KiokuSuujiretu2",
            .menuButton = "cmdKiokuSuujiretu2",
            .menuCaption = "記憶・数字列２",
            .menuLabel = "lblMemoSuji2",
            .description =
                "数字列を記憶し、提示された桁位置で計算を行う。記憶力と計算力や構想力が向上する。",
        },
    .title = "記憶・数字列２",
    .answerInstruction = "②質問の結果の数字を入力してください（入力したら、「ENTER」キーを押す）",
    .header =
        "　１　　　　　　　　　２　　　　　　　　　３　　　　　　　　　４　　　　　　　　　５　　　"
        "　　　　　　６　　（数字列番号）",
    .digitCount = 6,
    .clientWidth = 11535,
    .clientHeight = 6840,
    .mondaiWidth = 7935,
    .shitumonHeight = 1695,
    .timeOverLeft = 2520,
    .timeOverWidth = 5055,
    .kotaeWidth = 1815,
    .resultPoints = 11.25,
    .question = suujiretu::sumQuestion,
    .answer = suujiretu::sumAnswer,
};

namespace {

constexpr std::uint32_t kGreen = 0x008000;
// The sort keys of the asked positions are drawn from 1..1000.
constexpr std::int32_t kRansuuRange = 1000;

drills::DrillFrame frameOf(const SuujiretuVariant& v) {
  return {
      .formName = v.info.formName,
      .caption = "記憶・数字列",
      .clientWidth = v.clientWidth,
      .clientHeight = v.clientHeight,
      .clockLabel = "lblGenzaiJikoku",
      .startLabel = "lblKaishiJikoku",
      .backButton = "cmdToMain",
      .backIndex = -1,
  };
}

std::vector<ui::ControlSpec> controlTable(const SuujiretuVariant& v) {
  using namespace ui;
  std::vector<ControlSpec> rows{
      label("Label1", v.title, {3480, 240, 3015, 615}).bold(21.75).colour(colours::Red),
      label("lblSetumei", "", {2760, 960, 3975, 735}),
      frame("Frame1", "記憶時間", {600, 360, 1215, 1335}),
      option("Option1", 0, "１０秒", {120, 240, 975, 255}).in("Frame1"),
      option("Option1", 1, "１５秒", {120, 600, 975, 255}).in("Frame1"),
      option("Option1", 2, "２０秒", {120, 960, 975, 255}).in("Frame1"),
      button("cmdKaishi", "開始", {720, 1920, 1335, 975}),
      frame("fraMondai", "", {2880, 2520, v.mondaiWidth, 1455}).hidden(),
  };
  for (int k = 0; k < v.digitCount; ++k) {
    rows.push_back(label("lblSuuji", k, "", {120 + 1200 * k, 360, 900, 900})
                       .in("fraMondai")
                       .bold(27.75)
                       .centred()
                       .notice());
  }
  rows.push_back(button("cmdShitumon", "質問", {720, 3840, 1335, 855}).hidden());
  rows.push_back(label("lblTimeOver", "", {v.timeOverLeft, 4080, v.timeOverWidth, 495})
                     .colour(colours::DarkRed)
                     .notice());
  rows.push_back(
      label("lblShitumon", "", {1200, 4800, 6255, v.shitumonHeight}).size(14.25).colour(kGreen));
  rows.push_back(textBox("txtAnswer", {7800, 4680, 1335, 735})
                     .size(14.25)
                     .hidden()
                     .labelledBy("lblShitumon")
                     .input(InputKind::Digits));
  rows.push_back(label("lblKotae", "", {7920, 5760, v.kotaeWidth, 855})
                     .face(faces::Gothic)
                     .size(v.resultPoints)
                     .notice());
  rows.push_back(label("lblKeikaJikan", "", {10080, 5760, 1215, 735}).size(v.resultPoints));
  rows.push_back(label("lblGenzaiJikoku", "", {7080, 480, 1695, 495}));
  rows.push_back(label("lblKaishiJikoku", "", {7080, 1200, 1575, 495}));
  rows.push_back(button("cmdToMain", "メインへ戻る", {9480, 360, 1695, 735}));
  return rows;
}

using Step = SuujiretuWindow::Step;

// The result labels show only what a step writes in them; the answer stays
// in its box after the result, where Enter judges it again.
const drills::StepTable<Step> kSteps{
    {Step::Idle,
     {.shown = {"cmdKaishi"},
      .captions = {{"lblKaishiJikoku", ""},
                   {"lblTimeOver", ""},
                   {"lblShitumon", ""},
                   {"lblKotae", ""},
                   {"lblKeikaJikan", ""}}}},
    {Step::Memorising,
     {.shown = {"fraMondai", "cmdShitumon"},
      .captions = {{"lblKotae", ""}, {"lblKeikaJikan", ""}, {"lblTimeOver", ""}}}},
    {Step::TimedOut, {.shown = {"cmdShitumon"}, .captions = {{"lblTimeOver", kTimeOverText}}}},
    {Step::Answering,
     {.shown = {"txtAnswer"},
      .captions = {{"lblTimeOver", ""}, {"lblKotae", ""}, {"lblKeikaJikan", ""}},
      .focus = "txtAnswer"}},
    {Step::Result,
     {.shown = {"cmdKaishi", "txtAnswer"},
      .captions = {{"lblShitumon", ""}, {"lblKaishiJikoku", ""}, {"lblTimeOver", ""}},
      .focus = "cmdKaishi"}},
};

}  // namespace

SuujiretuWindow::SuujiretuWindow(ui::Services& services, const SuujiretuVariant& variant)
    : DrillWindow(services, frameOf(variant), controlTable(variant), kSteps), variant_(variant) {
  onClick("cmdKaishi", [this] { startTurn(); });
  onClick("cmdShitumon", [this] { askQuestion(); });
  onKeyPress("txtAnswer", [this](int key) {
    if (key == ui::kEnterKey) judge();
  });
}

void SuujiretuWindow::onDrillLoad() {
  std::string setumei(kSetumeiFirstLine);
  setumei += ui::kCrLf;
  setumei += variant_.answerInstruction;
  control("lblSetumei").setCaption(setumei);
  enter(Step::Idle);
}

int SuujiretuWindow::memorisationSeconds() const {
  if (control("Option1", 0).selected()) return 10;
  if (control("Option1", 1).selected()) return 15;
  return 20;
}

void SuujiretuWindow::startTurn() {
  control("txtAnswer").setText("");
  KiokuByou_ = memorisationSeconds();
  // One clock reading for the deadline, the start label and the start
  // seconds, so they never straddle a second.
  const ui::DateTime now = clock().now();
  Shimekiri_.arm(now.plusSeconds(KiokuByou_));
  control("lblKaishiJikoku").setCaption(startText(now));
  KaishiByou_ = now.secondsSinceMidnight();
  control("fraMondai").setCaption(variant_.header);
  for (int k = 0; k < variant_.digitCount; ++k) {
    entries_[k].suuji = ui::drawOneTo(random().draw(), 10) - 1;
    control("lblSuuji", k).setCaption(ui::decimal(entries_[k].suuji));
  }
  enter(Step::Memorising);
}

void SuujiretuWindow::askQuestion() {
  // Asked before the time is up: the digits go now, and no notice follows.
  Shimekiri_.clear();
  const std::span<suujiretu::SortEntry> row(entries_.data(), variant_.digitCount);
  for (int k = 0; k < variant_.digitCount; ++k) {
    row[k].junban = k + 1;
    row[k].ransuu = ui::drawOneTo(random().draw(), kRansuuRange);
  }
  suujiretu::exchangeSort(row);
  control("lblShitumon").setCaption(variant_.question(row));
  Seikai_ = variant_.answer(row);
  enter(Step::Answering);
}

void SuujiretuWindow::judge() {
  const std::string typed = control("txtAnswer").text();
  const std::int32_t keikaByou = elapsedSeconds(KaishiByou_, clock().now().secondsSinceMidnight());
  control("lblKotae")
      .setCaption(judgementText(JudgementStyle::HeadedSpaces, typed == Seikai_, Seikai_, typed));
  control("lblKeikaJikan").setCaption(suujiretu::elapsedText(keikaByou));
  enter(Step::Result);
}

void SuujiretuWindow::onDrillTick() {
  if (!Shimekiri_.passed(clock().now())) return;
  Shimekiri_.clear();
  enter(Step::TimedOut);
}

}  // namespace zunobi::drills
