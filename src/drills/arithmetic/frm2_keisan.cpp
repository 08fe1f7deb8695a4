#include "drills/arithmetic/frm2_keisan.h"

#include "drills/arithmetic/keisan_screen.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2Keisan::kInfo.formName,
    .caption = "計算問題",
    .clientWidth = 9945,
    .clientHeight = 6525,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikan",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

constexpr double kQuestionPt = 14.25;

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "計算問題", {2400, 240, 3015, 615}).bold(21.75),
      label("lblSetumei", "", {1920, 960, 4215, 735}),
      button("cmdKaishi", "開始", {1920, 1920, 1575, 975}).bold(12),
      label("lblJikoku", "", {4560, 1800, 1695, 495}).size(12),
      label("lblKaishiJikan", "", {4560, 2400, 1695, 615}).size(12),
      button("cmdToMenu", "メニューへ戻る", {6960, 360, 1575, 735}).bold(12),
      label("lblQsNo", "", {480, 3240, 1215, 495}).bold(kQuestionPt).notice(),
      label("lblAtai1", "", {480, 4080, 855, 495}).bold(kQuestionPt),
      label("lblEnzan", "", {1680, 4080, 855, 495}).bold(kQuestionPt),
      label("lblAtai2", "", {2760, 4080, 855, 495}).bold(kQuestionPt),
      label("lblEq", "＝", {3840, 4080, 735, 495}).bold(kQuestionPt),
      textBox("txtAnswer", {4920, 3960, 1575, 735})
          .bold(kQuestionPt)
          .labelledBy("lblQsNo")
          .input(InputKind::Digits),
      label("lblKotae", "", {6840, 3960, 2655, 1095}).face(faces::Gothic).size(11.25).notice(),
      label("lblKekka", "", {6840, 2520, 2775, 1335}).bold(kQuestionPt).notice(),
  };
}

// The judgement of the question before stays beside the next one, and
// goes at the summary.
const drills::StepTable<Frm2Keisan::Step> kSteps{
    {Frm2Keisan::Step::Idle, {.shown = {"cmdKaishi"}}},
    {Frm2Keisan::Step::Asking,
     {.shown = {"lblQsNo", "lblAtai1", "lblEnzan", "lblAtai2", "lblEq", "txtAnswer", "lblKotae"},
      .focus = "txtAnswer"}},
    {Frm2Keisan::Step::Summary,
     {.shown = {"lblKekka", "cmdKaishi"}, .kept = {"lblKotae"}, .captions = {{"lblKotae", ""}}}},
};

}  // namespace

Frm2Keisan::Frm2Keisan(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps), run_(clock(), random()) {
  onClick("cmdKaishi", [this] { start(); });
  onKeyPress("txtAnswer", [this](int key) {
    if (key == ui::kEnterKey) answer();
  });
}

void Frm2Keisan::onDrillLoad() {
  control("lblSetumei")
      .setCaption(std::string("算式の結果を入力してください") + std::string(ui::kCrLf) +
                  "　　（入力の終了は「ＥＮＴＥＲ」キー）" + std::string(ui::kCrLf) +
                  "１０問で終了します");
  enter(Step::Idle);
}

void Frm2Keisan::start() {
  markStart();
  run_.StartRun();
  nextQuestionStep();
}

void Frm2Keisan::nextQuestionStep() {
  if (showNextQuestion(*this, run_, mondai_)) {
    enter(Step::Asking);
    nameKeisanRow(*this);
    return;
  }
  control("lblKekka").setCaption(run_.SummaryText(SummaryLayout::Short));
  enter(Step::Summary);
}

void Frm2Keisan::answer() {
  judgeTypedAnswer(*this, run_, mondai_.Seikai, JudgementStyle::HeadedColons);
  nextQuestionStep();
}

}  // namespace zunobi::drills
