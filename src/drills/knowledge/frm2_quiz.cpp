#include "drills/knowledge/frm2_quiz.h"

#include <algorithm>

#include "data/data_error.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {

const QuizVariant Frm2Quiz::kNazo{
    .info =
        {
            .formName = "frm2Nazo",
            .menuButton = "cmdNazo",
            .menuCaption = "なぞなぞ",
            .menuLabel = "Label3",
            .description = "「なぞなぞ」で、童心に返る。いつまでも、子供心を",
        },
    .questionFile = data::kNazonazoQuestions,
};

const QuizVariant Frm2Quiz::kQuiz{
    .info =
        {
            .formName = "frm2Quiz",
            .menuButton = "cmdQuiz",
            .menuCaption = "クイズ",
            .menuLabel = "lblQuiz",
            .description =
                "クイズの問題に解答する。昔の出来事を中心の題材。思い出すことにより、脳が活性化"
                "するとととも"
                "に、思い出が蘇る。",
        },
    .questionFile = data::kOmoideQuestions,
};

namespace {

drills::DrillFrame frameOf(const QuizVariant& v) {
  return {
      .formName = v.info.formName,
      .caption = "クイズ問題ー「ハルモ」",
      .clientWidth = 9990,
      .clientHeight = 7440,
      .backButton = "cmdToMenu",
      .releaseBeforeMenu = true,
      // The quiz has neither clock nor timer.
      .clockTimer = false,
  };
}

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      button("cmdToMenu", "メニューへ戻る", {7440, 120, 1935, 855}),
      frame("Frame1", "問題", {240, 1080, 9375, 1335}),
      label("lblQs", "", {120, 360, 9015, 855}).in("Frame1").face(faces::PMincho).notice(),
      button("cmdAns", "解答を表示", {3120, 2520, 2895, 735}),
      frame("Frame2", "解答", {240, 3360, 9255, 1335}),
      label("lblAns", "", {120, 360, 8895, 735}).in("Frame2").face(faces::PMincho).notice(),
      frame("Frame3", "解説", {240, 5040, 7935, 2175}),
      label("lblKaisetu", "", {120, 360, 7695, 1695}).in("Frame3").face(faces::PMincho).notice(),
      label("lblNo", "", {8760, 6720, 855, 375}),
  };
}

// "問題がありません（「クイズ（なぞなぞ）.ran」が見つかりません）"
std::string noQuestionsText(std::string_view fileName, bool missing) {
  return "問題がありません（「" + std::string(fileName) +
         (missing ? "」が見つかりません）" : "」は空です）");
}

using Step = Frm2Quiz::Step;

const drills::StepTable<Step> kSteps{
    {Step::Question,
     {.shown = {"cmdAns"}, .captions = {{"cmdAns", "解答を表示"}}, .focus = "cmdAns"}},
    {Step::Answer, {.shown = {"cmdAns"}, .captions = {{"cmdAns", "次の問題"}}, .focus = "cmdAns"}},
    {Step::Finished, {.shown = {}, .captions = {{"cmdAns", "解答を表示"}}, .focus = "cmdToMenu"}},
    {Step::Trouble, {.shown = {}, .focus = "cmdToMenu"}},
};

}  // namespace

Frm2Quiz::Frm2Quiz(ui::Services& services, const QuizVariant& variant)
    : DrillWindow(services, frameOf(variant), controlTable(), kSteps), variant_(variant) {
  setTabOrder({{"cmdAns"}, {"cmdToMenu"}});
  onClick("cmdAns", [this] { step<Step>() == Step::Answer ? next() : reveal(); });
}

void Frm2Quiz::onDrillLoad() {
  if (!shuffleQuestions()) return;
  Position_ = 1;
  showQuestion();
}

// Opens the file for the visit, numbers its records and gives each a key,
// then sorts them into the order of this visit. False, with the trouble
// told, when there is nothing to ask.
bool Frm2Quiz::shuffleQuestions() {
  const std::string path = data::DataFolder() + std::string(variant_.questionFile);
  try {
    file_.emplace(data::RecordFile::open(path));
    // As many as the shuffle holds; a cut-short tail is no record.
    QuestionCount_ = static_cast<std::int16_t>(std::min(file_->count(), data::kMaxQuizRecords));
    for (std::int16_t i = 1; i <= QuestionCount_; ++i) {
      // Read as it is counted, so that a file that cannot be read shows now.
      (void)file_->bytes(i);
      shuffle_.ShuffleIndex[i] = i;
      shuffle_.ShuffleKey[i] = data::ShuffleKeyFor(random().draw(), data::kQuizKeyRange);
    }
  } catch (const data::DataError& e) {
    file_.reset();
    if (e.problem() == data::DataProblem::Missing)
      trouble(noQuestionsText(variant_.questionFile, true));
    else
      trouble(e.message());
    return false;
  }
  if (QuestionCount_ == 0) {
    file_.reset();
    trouble(noQuestionsText(variant_.questionFile, false));
    return false;
  }
  data::ShuffleSort(shuffle_, QuestionCount_);
  return true;
}

void Frm2Quiz::trouble(const std::string& why) {
  control("lblQs").setCaption(why);
  control("lblAns").setCaption("");
  enter(Step::Trouble);
}

void Frm2Quiz::showQuestion() {
  const std::int16_t n = shuffle_.ShuffleIndex[Position_];
  // A damaged record still shows, with a mark where its bytes are not text.
  auto record = readData("lblQs", [&] { return file_->read(n, kBadBytesMark); });
  if (!record) {
    trouble(control("lblQs").caption());
    return;
  }
  record_ = std::move(*record);
  control("lblQs").setCaption(record_.Question);
  control("lblAns").setCaption("");
  control("lblNo").setCaption(ui::decimal(n));
  enter(Step::Question);
}

void Frm2Quiz::reveal() {
  control("lblAns").setCaption(record_.Answer);
  control("lblKaisetu").setCaption(record_.Explanation);
  enter(Step::Answer);
}

void Frm2Quiz::next() {
  control("lblKaisetu").setCaption("");
  ++Position_;
  if (Position_ > QuestionCount_) {
    control("lblQs").setCaption(kFinished);
    control("lblAns").setCaption("");
    enter(Step::Finished);
    return;
  }
  showQuestion();
}

void Frm2Quiz::onUnload() { file_.reset(); }

}  // namespace zunobi::drills
