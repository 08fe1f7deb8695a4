#include "drills/arithmetic/frm2_keisan_saikoro.h"

#include <algorithm>

#include "drills/arithmetic/keisan_screen.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2KeisanSaikoro::kInfo.formName,
    .caption = "計算問題・さいころ",
    .clientWidth = 11940,
    .clientHeight = 6525,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikan",
    .backButton = "cmdToMenu",
    .backIndex = -1,
};

constexpr double kQuestionPt = 14.25;

// Dice: three frames in a row, each with seven pips on a 3 × 3 grid whose
// middle row holds only the centre pip.
constexpr int kDieLeft[kDice] = {240, 3000, 5880};
constexpr int kDieTop = 3840;
constexpr int kDieWidth = 1455;
constexpr int kDieHeight = 1575;
constexpr int kPipColumn[3] = {120, 600, 1080};
constexpr int kPipRow[3] = {240, 600, 1080};
constexpr int kPipSize = 255;
// Grid cell (column, row) of pip k.
constexpr int kPipCell[kPipsPerDie][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}, {1, 1}};

// A die's face as it is read: "５".
constexpr std::string_view kFaceNames[] = {"０", "１", "２", "３", "４", "５", "６"};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  std::vector<ControlSpec> rows{
      label("Label1", "計算問題・さいころ", {2400, 240, 3855, 615})
          .bold(21.75)
          .colour(colours::Red),
      label("lblSetumei", "", {1920, 960, 4215, 975}).colour(colours::DarkBlue),
      label("lblJikoku", "", {4560, 1800, 1695, 495}).size(12),
      label("lblKaishiJikan", "", {4560, 2400, 1695, 615}).size(12),
      button("cmdKaishi", "開始", {1920, 2040, 1575, 975}).bold(12),
      label("lblQsNo", "", {480, 3240, 1215, 495}).bold(kQuestionPt).notice(),
  };
  for (int d = 0; d < kDice; ++d) {
    rows.push_back(frame("fraSaikoro", d, "", {kDieLeft[d], kDieTop, kDieWidth, kDieHeight})
                       .look(Look::Picture));
    for (int k = 0; k < kPipsPerDie; ++k) {
      const Rect pip{kPipColumn[kPipCell[k][0]], kPipRow[kPipCell[k][1]], kPipSize, kPipSize};
      rows.push_back(
          option("optMe", kPipsPerDie * d + k, "", pip).in("fraSaikoro", d).look(Look::Pip));
    }
  }
  rows.insert(
      rows.end(),
      {
          label("lblEnzan", "", {2040, 4560, 615, 495}).bold(kQuestionPt),
          label("lblEnzan2", "", {4800, 4560, 735, 495}).bold(kQuestionPt),
          label("lblEq", "", {7680, 4560, 495, 495}).bold(kQuestionPt),
          textBox("txtAnswer", {8520, 4440, 1575, 735})
              .bold(kQuestionPt)
              .labelledBy("lblQsNo")
              .input(InputKind::Digits),
          label("lblKotae", "", {8520, 5400, 1935, 855}).face(faces::Gothic).size(11.25).notice(),
          label("lblKekka", "", {7320, 2160, 2775, 1335})
              .notice()
              .bold(kQuestionPt)
              .colour(colours::DarkRed),
          label("lblAtai1", "", {360, 5640, 855, 495}).bold(kQuestionPt),
          label("lblAtai2", "", {3360, 5640, 855, 495}).bold(kQuestionPt),
          label("lblAtai3", "", {6000, 5640, 855, 495}).bold(kQuestionPt),
          button("cmdToMenu", "メニューへ戻る", {9960, 360, 1575, 735}).bold(12),
      });
  return rows;
}

using Step = Frm2KeisanSaikoro::Step;

using Captions = std::vector<std::pair<std::string_view, std::string_view>>;

// The question's labels, emptied whenever no question is on show; at load
// the summary's too.
Captions emptied(bool summaryToo) {
  Captions captions;
  for (std::string_view name : {"lblQsNo", "lblAtai1", "lblAtai2", "lblAtai3", "lblEnzan",
                                "lblEnzan2", "lblEq", "lblKotae"})
    captions.emplace_back(name, "");
  if (summaryToo) captions.emplace_back("lblKekka", "");
  return captions;
}

// The summary stays on show from the end of a run to the next start, but
// not beside the new run's questions. The pips are the window's own: they
// show the faces drawn.
const drills::StepTable<Step> kSteps{
    {Step::Idle, {.shown = {"cmdKaishi", "lblKekka"}, .captions = emptied(true)}},
    {Step::Asking,
     {.shown = {"fraSaikoro", "txtAnswer"}, .captions = {{"lblEq", "＝"}}, .focus = "txtAnswer"}},
    {Step::Summary, {.shown = {"lblKekka", "cmdKaishi"}, .captions = emptied(false)}},
};

}  // namespace

Frm2KeisanSaikoro::Frm2KeisanSaikoro(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps), run_(clock(), random()) {
  onClick("cmdKaishi", [this] { start(); });
  onKeyPress("txtAnswer", [this](int key) {
    if (key == ui::kEnterKey) answer();
  });
}

void Frm2KeisanSaikoro::onDrillLoad() {
  const std::string crlf(ui::kCrLf);
  control("lblSetumei")
      .setCaption("さいころの数は対面を加えると７になります" + crlf +
                  "裏の面数を使って計算してください" + crlf +
                  "　　（入力の終了は「ＥＮＴＥＲ」キー）" + crlf + "１０問で終了します");
  enter(Step::Idle);
}

void Frm2KeisanSaikoro::start() {
  markStart();
  run_.StartRun();
  SaikoroMondai();
}

void Frm2KeisanSaikoro::MeHyouji(int d, int v) {
  const Pips pips = facePips(v);
  for (int k = 0; k < kPipsPerDie; ++k)
    control("optMe", kPipsPerDie * d + k).setVisible(pips[static_cast<std::size_t>(k)]);
  // A die reads as its face: "さいころ　５".
  control("fraSaikoro", d)
      .setAccessibleName("さいころ　" + std::string(kFaceNames[std::clamp(v, 0, 6)]));
}

void Frm2KeisanSaikoro::SaikoroMondai() {
  if (!run_.advanceQuestion()) {
    control("lblKekka").setCaption(run_.SummaryText(SummaryLayout::Long));
    enter(Step::Summary);
    return;
  }
  control("lblQsNo").setCaption(run_.QuestionNumberText());
  mondai_ = drawSaikoroQuestion(random());
  MeHyouji(0, mondai_.Me1);
  MeHyouji(1, mondai_.Me2);
  MeHyouji(2, mondai_.Me3);
  control("txtAnswer").setText("");
  control("lblEnzan").setCaption(mondai_.Enzan == 1 ? "＋" : "－");
  control("lblEnzan2").setCaption(mondai_.Enzan2 == 0 ? "" : mondai_.Enzan2 == 1 ? "＋" : "－");
  enter(Step::Asking);
  // Two dice: the third is drawn but takes no part, and does not show.
  if (mondai_.Enzan2 == 0) control("fraSaikoro", 2).hide();
  nameQuestionRow(*this, {{"fraSaikoro", 0},
                          {"lblEnzan"},
                          {"fraSaikoro", 1},
                          {"lblEnzan2"},
                          {"fraSaikoro", 2},
                          {"lblEq"}});
}

void Frm2KeisanSaikoro::answer() {
  judgeTypedAnswer(*this, run_, mondai_.Seikai, JudgementStyle::HeadedSpaces);
  SaikoroMondai();
}

}  // namespace zunobi::drills
