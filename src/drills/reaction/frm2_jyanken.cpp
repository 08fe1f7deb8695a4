#include "drills/reaction/frm2_jyanken.h"

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
constexpr int kSeikai[5][3] = {
    {3, 1, 2},     // win: the hand that beats the opponent
    {2, 3, 1},     // lose: the hand that loses to the opponent
    {12, 23, 31},  // don't win: the same hand, then the losing one
    {13, 21, 32},  // don't lose: the same hand, then the winning one
    {1, 2, 3},     // draw: the same hand
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

using Step = Frm2Jyanken::Step;

// The button for other instructions is left as it stands at a start and at
// the end of the minute: it stays up when the minute ends right after an
// answer.
const drills::StepTable<Step> kSteps{
    {Step::Loaded, {.shown = {"fraOption", "cmdKaishi"}}},
    {Step::Started, {.shown = {"cmdJyanken"}, .kept = {"cmdBreake"}}},
    {Step::Dealt, {.shown = {"fraAite", "fraOwnAction"}}},
    {Step::Answered, {.shown = {"cmdJyanken", "cmdBreake"}}},
    {Step::ChoosingAgain, {.shown = {"fraOption", "cmdKaishi", "cmdBreake"}}},
    {Step::MinuteOver, {.shown = {"fraOption", "cmdKaishi"}, .kept = {"cmdBreake"}}},
};

}  // namespace

Frm2Jyanken::Frm2Jyanken(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps) {
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
  for (std::size_t i = 0; i < kShijiBun.size(); ++i) ShijiBun_[i] = kShijiBun[i];
  control("lblKekka").setCaption("");
  control("lblSeika").setCaption("");
  enter(Step::Loaded);
}

void Frm2Jyanken::start() {
  control("lblSeika").setCaption("");
  Shimekiri_.clear();
  if (control("Option1", 3).selected()) Shimekiri_.arm(clock().now().plusMinutes(1));
  markStart();
  Mondaisuu_ = 0;
  Seikaisuu_ = 0;
  enter(Step::Started);
}

void Frm2Jyanken::deal() {
  control("lblKekka").setCaption("");
  ++Mondaisuu_;
  AiteNoTe_ = static_cast<std::int16_t>(ui::drawOneTo(random().draw(), 3));
  control("lblJyanken").setCaption(kHandNames[AiteNoTe_]);
  if (control("Option1", 0).selected())
    ShijiBangou_ = 1;
  else if (control("Option1", 1).selected())
    ShijiBangou_ = 2;
  else
    ShijiBangou_ = static_cast<std::int16_t>(ui::drawOneTo(random().draw(), 5));
  control("lblAction").setCaption(ShijiBun_[ShijiBangou_]);
  SeikaiCode_ = static_cast<std::int16_t>(kSeikai[ShijiBangou_ - 1][AiteNoTe_ - 1]);
  enter(Step::Dealt);
}

void Frm2Jyanken::answer(int code1, int code2) {
  if (SeikaiCode_ == code1 || SeikaiCode_ == code2) {
    control("lblKekka").setCaption("正解");
    ++Seikaisuu_;
  } else {
    control("lblKekka").setCaption("間違い");
  }
  enter(Step::Answered);
}

void Frm2Jyanken::breake() {
  control("lblKekka").setCaption("");
  control("lblKaishiJikoku").setCaption("");
  enter(Step::ChoosingAgain);
}

std::string Frm2Jyanken::scoreText() const {
  // Whole-number arithmetic rounds the percentage down exactly (29 of 50 is
  // 58, where 29 / 50 × 100 in floating point falls just short); with no
  // question dealt the rate is 0.
  std::int64_t rate = Mondaisuu_ > 0 ? std::int64_t{Seikaisuu_} * 100 / Mondaisuu_ : 0;
  return "問題数：" + ui::decimal(Mondaisuu_) + "　正解数：" + ui::decimal(Seikaisuu_) +
         "　正答率：" + ui::decimal(rate);
}

void Frm2Jyanken::onDrillTick() {
  if (!Shimekiri_.passed(clock().now())) return;
  // The end of the minute would repeat at every tick until the next start
  // and change nothing on show: the counts stand still once play is hidden.
  Shimekiri_.clear();
  control("lblSeika").setCaption(scoreText());
  enter(Step::MinuteOver);
}

}  // namespace zunobi::drills
