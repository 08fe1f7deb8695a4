#include "drills/reaction/frm2_jyanken.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2Jyanken::kInfo.formName,
    .caption = "じゃんけん",
    .clientWidth = 11415,
    .clientHeight = 7560,
    .clockLabel = "lblGenzaiJikoku",
    .startLabel = "lblKaishiJikoku",
    .backButton = "cmdToMain",
    .backIndex = -1,
};

constexpr std::array<std::string_view, 4> kHandNames{"", "グー", "チョキ", "パー"};

constexpr std::array<std::string_view, 6> kShijiBun{
    "", "勝って！", "負けて！", "勝たないで！", "負けないで！", "引き分けて！",
};

// Rows: instruction 1..5; columns: the opponent's hand 1..3. A pair is
// written 10 × first + second.
constexpr int kSeikai[6][4] = {
    {0, 0, 0, 0},     //
    {0, 3, 1, 2},     // win: the hand that beats the opponent
    {0, 2, 3, 1},     // lose: the hand that loses to the opponent
    {0, 12, 23, 31},  // don't win: the same hand, then the losing one
    {0, 13, 21, 32},  // don't lose: the same hand, then the winning one
    {0, 1, 2, 3},     // draw: the same hand
};

struct AnswerButton {
  std::string_view name;
  int code1;
  int code2;  // a single hand carries 0, which no question expects
};

constexpr std::array<AnswerButton, 6> kAnswerButtons{{
    {"cmdGuu", 1, 0},
    {"cmdTyoki", 2, 0},
    {"cmdPaa", 3, 0},
    {"cmdGuuPaa", 13, 31},
    {"cmdTyokiGuu", 21, 12},
    {"cmdPaaTyoki", 32, 23},
}};

constexpr int kColumnLeft = 240;
constexpr int kColumnRight = 2040;
constexpr int kAnswerWidth = 1695;
constexpr int kAnswerHeight = 615;

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  constexpr double kHandPoints = 15.75;
  return {
      label("Label1", "じゃんけん", {3480, 240, 3015, 615}).bold(21.75).colour(colours::Red),
      label("lblSetumei", "", {2760, 960, 4455, 735}),
      frame("fraOption", "じゃんけんの結果", {240, 360, 2055, 1815}),
      option("Option1", 0, "勝つ", {240, 240, 1695, 300}).in("fraOption"),
      option("Option1", 1, "負ける", {240, 600, 1695, 300}).in("fraOption"),
      option("Option1", 2, "いろいろ", {240, 960, 1695, 300}).in("fraOption"),
      option("Option1", 3, "いろいろ（1分間）", {240, 1320, 1695, 300}).in("fraOption"),
      button("cmdKaishi", "開始", {480, 2280, 1575, 975}),
      button("cmdJyanken", "じゃんけん", {2640, 2280, 1575, 975}),
      frame("fraAite", "相手の手", {4680, 2280, 4455, 1095}),
      label("lblJyanken", "", {240, 360, 1575, 495}).in("fraAite").bold(kHandPoints).notice(),
      label("lblAction", "", {2040, 360, 2295, 495}).in("fraAite").bold(kHandPoints).notice(),
      frame("fraOwnAction", "あなたの手は？", {3600, 3600, 3975, 2775}),
      button("cmdGuu", "グー", {kColumnLeft, 360, kAnswerWidth, kAnswerHeight}).in("fraOwnAction"),
      button("cmdTyoki", "チョキ", {kColumnLeft, 1200, kAnswerWidth, kAnswerHeight})
          .in("fraOwnAction"),
      button("cmdPaa", "パー", {kColumnLeft, 2040, kAnswerWidth, kAnswerHeight}).in("fraOwnAction"),
      button("cmdGuuPaa", "グー・パー", {kColumnRight, 360, kAnswerWidth, kAnswerHeight})
          .in("fraOwnAction"),
      button("cmdTyokiGuu", "チョキ・グー", {kColumnRight, 1200, kAnswerWidth, kAnswerHeight})
          .in("fraOwnAction"),
      button("cmdPaaTyoki", "パー・チョキ", {kColumnRight, 2040, kAnswerWidth, kAnswerHeight})
          .in("fraOwnAction"),
      label("lblKekka", "", {8880, 3720, 1695, 735})
          .bold(kHandPoints)
          .colour(colours::DarkRed)
          .notice(),
      button("cmdBreake", "別のじゃんけんをする", {8760, 5400, 1455, 735}),
      label("lblSeika", "", {6720, 6600, 4455, 615}).colour(colours::DarkRed).notice(),
      label("lblGenzaiJikoku", "", {7560, 480, 1695, 495}),
      label("lblKaishiJikoku", "", {7560, 1200, 1695, 495}),
      button("cmdToMain", "メインへ戻る", {9480, 360, 1695, 975}),
  };
}

// What each step shows, one column per control of kStepControls. The button
// for other instructions is left as it stands at a start and at the end of
// the minute: it stays up when the minute ends right after an answer.
constexpr std::array<std::string_view, 6> kStepControls{"fraOption", "cmdKaishi",    "cmdJyanken",
                                                        "fraAite",   "fraOwnAction", "cmdBreake"};
enum class Shown : std::uint8_t { Off, On, Keep };
struct StepRow {
  Frm2Jyanken::Step step;
  std::array<Shown, kStepControls.size()> shown;
};
constexpr Shown Off = Shown::Off, On = Shown::On, Keep = Shown::Keep;
constexpr std::array<StepRow, 6> kSteps{{
    {Frm2Jyanken::Step::Loaded, {On, On, Off, Off, Off, Off}},
    {Frm2Jyanken::Step::Started, {Off, Off, On, Off, Off, Keep}},
    {Frm2Jyanken::Step::Dealt, {Off, Off, Off, On, On, Off}},
    {Frm2Jyanken::Step::Answered, {Off, Off, On, Off, Off, On}},
    {Frm2Jyanken::Step::ChoosingAgain, {On, On, Off, Off, Off, On}},
    {Frm2Jyanken::Step::MinuteOver, {On, On, Off, Off, Off, Keep}},
}};

}  // namespace

Frm2Jyanken::Frm2Jyanken(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {
  onClick("cmdKaishi", [this] { start(); });
  onClick("cmdJyanken", [this] { deal(); });
  for (const auto& b : kAnswerButtons) onClick(b.name, [this, b] { answer(b.code1, b.code2); });
  onClick("cmdBreake", [this] { breake(); });
}

void Frm2Jyanken::onDrillLoad() {
  control("lblSetumei")
      .setCaption(std::string("①左のじゃんけん方法を、クリック") + std::string(ui::kCrLf) +
                  "②「開始」ボタンをクリック" + std::string(ui::kCrLf) +
                  "③「じゃんけん」を繰り返す");
  for (std::size_t i = 0; i < kShijiBun.size(); ++i) shijiBun_[i] = kShijiBun[i];
  show(Step::Loaded);
  control("lblKekka").setCaption("");
  control("lblSeika").setCaption("");
}

void Frm2Jyanken::show(Step step) {
  const auto row = std::find_if(kSteps.begin(), kSteps.end(),
                                [step](const StepRow& r) { return r.step == step; });
  for (std::size_t i = 0; i < kStepControls.size(); ++i) {
    if (row->shown[i] != Shown::Keep) control(kStepControls[i]).setVisible(row->shown[i] == On);
  }
}

void Frm2Jyanken::start() {
  show(Step::Started);
  control("lblSeika").setCaption("");
  shimekiri_ = clock().now().plusMinutes(1);
  markStart();
  ichiFunMode_ = control("Option1", 3).selected();
  mondaisuu_ = 0;
  seikaisuu_ = 0;
}

void Frm2Jyanken::deal() {
  show(Step::Dealt);
  control("lblKekka").setCaption("");
  ++mondaisuu_;
  aiteNoTe_ = static_cast<std::int16_t>(ui::drawOneTo(random().draw(), 3));
  control("lblJyanken").setCaption(kHandNames[aiteNoTe_]);
  if (control("Option1", 0).selected())
    shijiBangou_ = 1;
  else if (control("Option1", 1).selected())
    shijiBangou_ = 2;
  else
    shijiBangou_ = static_cast<std::int16_t>(ui::drawOneTo(random().draw(), 5));
  control("lblAction").setCaption(shijiBun_[shijiBangou_]);
  seikaiCode_ = static_cast<std::int16_t>(kSeikai[shijiBangou_][aiteNoTe_]);
}

void Frm2Jyanken::answer(int code1, int code2) {
  // The buttons sit in their frame: with it hidden no answer can be given.
  if (!control("fraOwnAction").visible()) return;
  show(Step::Answered);
  if (seikaiCode_ == code1 || seikaiCode_ == code2) {
    control("lblKekka").setCaption("正解");
    ++seikaisuu_;
  } else {
    control("lblKekka").setCaption("間違い");
  }
}

void Frm2Jyanken::breake() {
  show(Step::ChoosingAgain);
  control("lblKekka").setCaption("");
  control("lblKaishiJikoku").setCaption("");
}

std::string Frm2Jyanken::scoreText() const {
  // Whole-number arithmetic rounds the percentage down exactly (29 of 50 is
  // 58, where 29 / 50 × 100 in floating point falls just short); with no
  // question dealt the rate is 0.
  std::int64_t rate = mondaisuu_ > 0 ? std::int64_t{seikaisuu_} * 100 / mondaisuu_ : 0;
  return "問題数：" + ui::decimal(mondaisuu_) + "　正解数：" + ui::decimal(seikaisuu_) +
         "　正答率：" + ui::decimal(rate);
}

void Frm2Jyanken::onDrillTick() {
  if (!ichiFunMode_ || !(clock().now() > shimekiri_)) return;
  control("lblSeika").setCaption(scoreText());
  show(Step::MinuteOver);
}

}  // namespace zunobi::drills
