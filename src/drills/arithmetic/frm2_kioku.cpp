#include "drills/arithmetic/frm2_kioku.h"

#include <algorithm>
#include <array>
#include <span>

#include "data/folders.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {

const KiokuVariant Frm2Kioku::kKioku1{
    .formName = "frm2Kioku1",
    .caption = "記憶・計算問題Ⅰ",
    .title = "記憶･計算Ⅰ",
    .setumei = "①算式の結果を記憶\r\n②質問に答える\r\n③計算の結果を入力",
    .bunPerQuestion = 1,
    .clientHeight = 7455,
    .setumeiHeight = 735,
    .answerPrompt = {2280, 5400, 1815, 1095},
    .answerTop = 5400,
};

const KiokuVariant Frm2Kioku::kKioku2{
    .formName = "frm2Kioku2",
    .caption = "記憶・計算問題Ⅱ",
    .title = "記憶･計算Ⅱ",
    .setumei = "①算式の結果を記憶\r\n②質問に答える\r\n③質問に答える\r\n④計算の結果を入力",
    .bunPerQuestion = 2,
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
      .formName = v.formName,
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
  const bool two = v.bunPerQuestion == 2;
  std::vector<ControlSpec> rows{
      label("Label1", v.title, {2160, 240, 2655, 615}).bold(21.75),
      label("lblSetumei", "", {5160, 480, 2655, v.setumeiHeight}),
      button("cmdKaishi", "開始", {1920, 1200, 2415, 855}).bold(kButtonPt),
      label("lblJikoku", "", {8040, 1560, 1695, 495}).size(12),
      label("lblKaishiJikan", "", {8040, 2160, 1695, 615}).size(12),
      label("lblQsNo", "", {480, 2280, 1215, 495}).bold(kQuestionPt),
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
  rows.push_back(
      textBox("txtAnswer", {4440, top, 1575, 735}).bold(kQuestionPt).labelledBy("lblAnswer"));
  rows.push_back(
      label("lblKotae", "", {6240, top + 120, 1575, 615}).face(faces::Gothic).size(11.25));
  rows.push_back(button("cmdTugi", "次の問題", {8040, 5520, 1455, 735}).bold(kButtonPt));
  rows.push_back(label("lblKekka", "", {6720, 3720, 2775, 1335}).bold(kQuestionPt));
  rows.push_back(button("cmdToMenu", "メニューへ戻る", {8160, 360, 1575, 735}).bold(kButtonPt));
  return rows;
}

// Always on screen: title, instructions, clock, start time, back button.
constexpr std::array<std::string_view, 5> kFrameControls{"Label1", "lblSetumei", "lblJikoku",
                                                         "lblKaishiJikan", "cmdToMenu"};

using Step = Frm2Kioku::Step;

// What each step shows besides the frame, and where the keys go.
struct StepView {
  Step step;
  std::vector<std::string_view> shown;
  std::string_view focus;
};

const StepView kSteps[] = {
    {Step::Idle, {"cmdKaishi"}, "cmdKaishi"},
    {Step::Keisan,
     {"lblQsNo", "lblAtai1", "lblEnzan", "lblAtai2", "lblEq", "cmdNext1"},
     "cmdNext1"},
    {Step::Bun1, {"lblQsNo", "lblMondaiBun", "cmdNext2"}, "cmdNext2"},
    {Step::Bun2, {"lblQsNo", "lblMondaiBun2", "cmdNext3"}, "cmdNext3"},
    {Step::Answer, {"lblQsNo", "lblAnswer", "txtAnswer", "lblKotae", "cmdTugi"}, "txtAnswer"},
    {Step::Summary, {"lblKekka", "cmdKaishi"}, "cmdKaishi"},
    {Step::NoData, {"lblKekka"}, "cmdToMenu"},
};

bool listed(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

Frm2Kioku::Frm2Kioku(ui::Services& services, const KiokuVariant& variant)
    : DrillWindow(services, frameOf(variant), controlTable(variant)),
      variant_(variant),
      run_(clock(), random()) {
  onClick("cmdKaishi", [this] { start(); });
  onClick("cmdNext1", [this] { keisanDone(); });
  onClick("cmdNext2", [this] { bunDone(); });
  if (variant_.bunPerQuestion == 2) onClick("cmdNext3", [this] { bunDone(); });
  onKeyPress("txtAnswer", [this](int key) {
    if (key == ui::kEnterKey) answer();
  });
  onClick("cmdTugi", [this] { tugi(); });
}

void Frm2Kioku::show(Step step) {
  step_ = step;
  const StepView& view = *std::find_if(std::begin(kSteps), std::end(kSteps),
                                       [&](const StepView& v) { return v.step == step; });
  // Shown before the rest is hidden, so that the keys leaving a hidden
  // button land on this step's controls and nowhere else.
  for (auto name : view.shown) control(name).show();
  for (const auto& c : controls())
    if (!listed(kFrameControls, c->name()) && !listed(view.shown, c->name())) c->hide();
  control(view.focus).setFocus();
}

void Frm2Kioku::onDrillLoad() {
  control("lblSetumei").setCaption(variant_.setumei);
  // Read once per load: every start of this visit draws from the same table.
  auto rows = readData("lblKekka", [] {
    return data::readKiokuBun(data::DataFolder() + std::string(data::kKiokuBunFile));
  });
  if (rows) kiokuBun_ = std::move(*rows);
  // A run shows each row at most once, so it needs as many rows as it shows.
  const std::size_t needed = KeisanRun::kQuestionsPerRun * variant_.bunPerQuestion;
  if (rows && kiokuBun_.size() < needed)
    control("lblKekka")
        .setCaption("「" + std::string(data::kKiokuBunFile) + "」：文章が" +
                    ui::decimal(static_cast<std::int64_t>(kiokuBun_.size())) +
                    "件しかありません（" + ui::decimal(static_cast<std::int64_t>(needed)) +
                    "件以上必要です）");
  if (!rows || kiokuBun_.size() < needed) {
    control("lblKekka").setPlace(kMessagePlace);
    show(Step::NoData);
    return;
  }
  show(Step::Idle);
}

void Frm2Kioku::start() {
  markStart();
  run_.StartRun();
  data::Shuffle(order_, static_cast<std::int16_t>(kiokuBun_.size()), data::kKiokuKeyRange,
                random());
  nextQuestionStep();
}

void Frm2Kioku::nextQuestionStep() {
  judged_ = false;
  if (auto q = run_.NextQuestion()) {
    mondai_ = *q;
    control("lblQsNo").setCaption(run_.QuestionNumberText());
    control("lblAtai1").setCaption(ui::decimal(mondai_.Atai1));
    control("lblAtai2").setCaption(ui::decimal(mondai_.Atai2));
    control("txtAnswer").setText("");
    control("lblEnzan").setCaption(EnzanSymbol(mondai_.Enzan));
    show(Step::Keisan);
    return;
  }
  control("lblKotae").setCaption("");
  control("lblKekka").setCaption(run_.SummaryText(SummaryLayout::Long));
  show(Step::Summary);
}

int Frm2Kioku::bunRow(int j) const {
  return order_.ShuffleIndex[variant_.bunPerQuestion * (run_.MondaiBangou() - 1) + j];
}

void Frm2Kioku::keisanDone() {
  control("lblMondaiBun").setCaption(kiokuBun_[bunRow(1) - 1].question);
  show(Step::Bun1);
}

void Frm2Kioku::bunDone() {
  if (step_ == Step::Bun1 && variant_.bunPerQuestion == 2) {
    control("lblMondaiBun2").setCaption(kiokuBun_[bunRow(2) - 1].question);
    show(Step::Bun2);
    return;
  }
  control("lblAnswer").setCaption(kAnswerPrompt);
  show(Step::Answer);
}

void Frm2Kioku::answer() {
  // The right result stays on screen after a wrong answer: typing it then
  // must not count, so only the first Enter on a question is judged.
  if (judged_) return;
  judged_ = true;
  const std::string typed = control("txtAnswer").text();
  const bool right = JudgeAnswer(typed, mondai_);
  control("lblKotae")
      .setCaption(JudgementText(JudgementStyle::Kioku, right, mondai_.Seikai, typed));
  if (right) run_.CountRightAnswer();
}

void Frm2Kioku::tugi() {
  control("lblKotae").setCaption("");
  nextQuestionStep();
}

}  // namespace zunobi::drills
