#include "drills/arithmetic/frm2_kioku.h"

#include "data/folders.h"
#include "drills/arithmetic/keisan_screen.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {

const KiokuVariant Frm2Kioku::kKioku1{
    .info =
        {
            .formName = "frm2Kioku1",
            .menuButton = "cmdKioku1",
            .menuCaption = "記憶・計算Ⅰ",
            .menuLabel = "lblMemoComp1",
            .description =
                "計算を行った後、質問を考え、計算の結果を答える。記憶力と処理能力が向上する。",
            .tenQuestionRuns = true,
        },
    .caption = "記憶・計算問題Ⅰ",
    .title = "記憶･計算Ⅰ",
    .instructions = "①算式の結果を記憶\r\n②質問に答える\r\n③計算の結果を入力",
    .interferencePerQuestion = 1,
    .clientHeight = 7455,
    .setumeiHeight = 735,
    .answerPrompt = {2280, 5400, 1815, 1095},
    .answerTop = 5400,
};

const KiokuVariant Frm2Kioku::kKioku2{
    .info =
        {
            .formName = "frm2Kioku2",
            .menuButton = "cmdKioku2",
            .menuCaption = "記憶・計算Ⅱ",
            .menuLabel = "lblMemoComp2",
            .description = "計算を行った後、2つの質問を考え、計算の結果を答える。"
                           "記憶力と処理能力と生活力が向上する。",
            .tenQuestionRuns = true,
        },
    .caption = "記憶・計算問題Ⅱ",
    .title = "記憶･計算Ⅱ",
    .instructions = "①算式の結果を記憶\r\n②質問に答える\r\n③質問に答える\r\n④計算の結果を入力",
    .interferencePerQuestion = 2,
    .clientHeight = 8715,
    .setumeiHeight = 975,
    .answerPrompt = {2520, 6600, 1815, 975},
    .answerTop = 6600,
};

namespace {

constexpr double kQuestionPt = 14.25;
constexpr double kButtonPt = 12;
constexpr double kBunPt = 11.25;

constexpr std::string_view kAnswerPrompt =
    "計算の結果は、いくらですか？\r\n右に入力し、「ＥＮＴＥＲ」キーを押す";

// Where a file the window cannot use is told: the width of the window, so
// the message with its file name and line reads whole in the summary's type.
constexpr ui::Rect kMessagePlace{480, 3480, 9015, 1335};

drills::DrillFrame frameOf(const KiokuVariant& v) {
  return {
      .formName = v.info.formName,
      .caption = v.caption,
      .clientWidth = 9945,
      .clientHeight = v.clientHeight,
      .clockLabel = "lblJikoku",
      .startLabel = "lblKaishiJikan",
      .backButton = "cmdToMenu",
      .backIndex = -1,
  };
}

// In keyboard order: start, the step buttons, the answer, next, back.
std::vector<ui::ControlSpec> controlTable(const KiokuVariant& v) {
  using namespace ui;
  const bool two = v.interferencePerQuestion == 2;
  std::vector<ControlSpec> rows{
      label("Label1", v.title, {2160, 240, 2655, 615}).bold(21.75),
      label("lblSetumei", "", {5160, 480, 2655, v.setumeiHeight}),
      button("cmdKaishi", "開始", {1920, 1200, 2415, 855}).bold(kButtonPt),
      label("lblJikoku", "", {8040, 1560, 1695, 495}).size(12),
      label("lblKaishiJikan", "", {8040, 2160, 1695, 615}).size(12),
      label("lblQsNo", "", {480, 2280, 1215, 495}).bold(kQuestionPt).notice(),
      label("lblAtai1", "", {480, 2880, 855, 495}).bold(kQuestionPt),
      label("lblEnzan", "", {1680, 2880, 855, 495}).bold(kQuestionPt),
      label("lblAtai2", "", {2760, 2880, 855, 495}).bold(kQuestionPt),
      label("lblEq", "＝", {4080, 2880, 735, 495}).bold(kQuestionPt),
      button("cmdNext1", "計算できたら、クリック", {720, 3480, 3375, 495}).bold(kButtonPt),
      label("lblMondaiBun", "", {480, 4080, 3615, 615}).size(kBunPt),
      button("cmdNext2", "文章問題ができたら、クリック", {720, 4800, 3375, 495}).bold(kButtonPt),
  };
  if (two) {
    rows.push_back(label("lblMondaiBun2", "", {600, 5400, 3615, 615}).size(kBunPt));
    rows.push_back(
        button("cmdNext3", "文章問題ができたら、クリック", {720, 6120, 3375, 495}).bold(kButtonPt));
  }
  const std::int32_t top = v.answerTop;
  rows.push_back(label("lblAnswer", "", v.answerPrompt).size(9.75));
  rows.push_back(textBox("txtAnswer", {4440, top, 1575, 735})
                     .bold(kQuestionPt)
                     .labelledBy("lblAnswer")
                     .input(InputKind::Digits));
  rows.push_back(
      label("lblKotae", "", {6240, top + 120, 1575, 615}).face(faces::Gothic).size(11.25).notice());
  rows.push_back(button("cmdTugi", "次の問題", {8040, 5520, 1455, 735}).bold(kButtonPt));
  rows.push_back(label("lblKekka", "", {6720, 3720, 2775, 1335}).bold(kQuestionPt).notice());
  rows.push_back(button("cmdToMenu", "メニューへ戻る", {8160, 360, 1575, 735}).bold(kButtonPt));
  return rows;
}

using Step = Frm2Kioku::Step;

drills::StepTable<Step> stepsOf(const KiokuVariant& v) {
  // Ⅰ asks one interference question a calculation and has no second to show.
  const drills::StepView interference2 =
      v.interferencePerQuestion == 2
          ? drills::StepView{.shown = {"lblQsNo", "lblMondaiBun2", "cmdNext3"}, .focus = "cmdNext3"}
          : drills::StepView{};
  return {
      {Step::Idle, {.shown = {"cmdKaishi"}, .focus = "cmdKaishi"}},
      // The calculation leaves the keys where they are: the start button they
      // were on goes, and they move on as from any hidden button.
      {Step::Calculation,
       {.shown = {"lblQsNo", "lblAtai1", "lblEnzan", "lblAtai2", "lblEq", "cmdNext1"},
        .captions = {{"lblKotae", ""}}}},
      {Step::Interference1,
       {.shown = {"lblQsNo", "lblMondaiBun", "cmdNext2"}, .focus = "cmdNext2"}},
      {Step::Interference2, interference2},
      {Step::Answer,
       {.shown = {"lblQsNo", "lblAnswer", "txtAnswer", "lblKotae", "cmdTugi"},
        .captions = {{"lblAnswer", kAnswerPrompt}},
        .focus = "txtAnswer"}},
      // The right result stays on screen after a wrong answer: typing it then
      // must not count, so only the first Enter on a question is judged.
      {Step::Judged, {.shown = {"lblQsNo", "lblAnswer", "txtAnswer", "lblKotae", "cmdTugi"}}},
      {Step::Summary,
       {.shown = {"lblKekka", "cmdKaishi"}, .captions = {{"lblKotae", ""}}, .focus = "cmdKaishi"}},
      {Step::NoData, {.shown = {"lblKekka"}, .focus = "cmdToMenu"}},
  };
}

}  // namespace

Frm2Kioku::Frm2Kioku(ui::Services& services, const KiokuVariant& variant)
    : DrillWindow(services, frameOf(variant), controlTable(variant), stepsOf(variant)),
      variant_(variant),
      run_(clock(), random()) {
  onClick("cmdKaishi", [this] { start(); });
  onClick("cmdNext1", [this] { calculationDone(); });
  onClick("cmdNext2", [this] { interferenceDone(); });
  if (variant_.interferencePerQuestion == 2) onClick("cmdNext3", [this] { interferenceDone(); });
  onKeyPress("txtAnswer", [this](int key) {
    if (key == ui::kEnterKey) answer();
  });
  onClick("cmdTugi", [this] { nextQuestionStep(); });
}

void Frm2Kioku::onDrillLoad() {
  control("lblSetumei").setCaption(variant_.instructions);
  // Read once per load: every start of this visit draws from the same table.
  auto rows = readData("lblKekka", [] {
    return data::readKiokuBun(data::DataFolder() + std::string(data::kKiokuBunFile));
  });
  std::string shortage;
  if (rows) {
    KiokuBun_ = std::move(*rows);
    shortage = data::kiokuBunShortage(KiokuBun_.size(), variant_.interferencePerQuestion);
    if (!shortage.empty())
      control("lblKekka").setCaption("「" + std::string(data::kKiokuBunFile) + "」：" + shortage);
  }
  if (!rows || !shortage.empty()) {
    control("lblKekka").setPlace(kMessagePlace);
    enter(Step::NoData);
    return;
  }
  enter(Step::Idle);
}

void Frm2Kioku::start() {
  markStart();
  run_.StartRun();
  data::Shuffle(order_, static_cast<std::int16_t>(KiokuBun_.size()), data::kKiokuKeyRange,
                random());
  nextQuestionStep();
}

void Frm2Kioku::nextQuestionStep() {
  if (showNextQuestion(*this, run_, mondai_)) {
    enter(Step::Calculation);
    nameKeisanRow(*this);
    return;
  }
  control("lblKekka").setCaption(run_.SummaryText(SummaryLayout::Long));
  enter(Step::Summary);
}

int Frm2Kioku::interferenceRow(int j) const {
  return order_.ShuffleIndex[variant_.interferencePerQuestion * (run_.MondaiBangou() - 1) + j];
}

void Frm2Kioku::calculationDone() {
  // The sum is out of sight now, and out of hearing.
  control("lblQsNo").setAccessibleName("");
  control("lblMondaiBun").setCaption(KiokuBun_[interferenceRow(1) - 1]);
  enter(Step::Interference1);
}

void Frm2Kioku::interferenceDone() {
  if (step<Step>() == Step::Interference1 && variant_.interferencePerQuestion == 2) {
    control("lblMondaiBun2").setCaption(KiokuBun_[interferenceRow(2) - 1]);
    enter(Step::Interference2);
    return;
  }
  enter(Step::Answer);
}

void Frm2Kioku::answer() {
  if (step<Step>() != Step::Answer) return;
  judgeTypedAnswer(*this, run_, mondai_.Seikai, JudgementStyle::Colons);
  enter(Step::Judged);
}

}  // namespace zunobi::drills
