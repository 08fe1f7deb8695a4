#include "drills/knowledge/frm2_quiz.h"

#include <algorithm>
#include <filesystem>

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/folders.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

drills::DrillFrame frameFor(data::QuizList kind) {
  return {
      .formName =
          (kind == data::QuizList::Nazonazo ? Frm2Quiz::kNazoInfo : Frm2Quiz::kQuizInfo).formName,
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

// A damaged record still shows, with a mark where its bytes are not text:
// neither skipped nor fatal.
std::string decodeShowingBadBytes(std::string_view bytes) {
  return data::cp932ToUtf8Marking(bytes, Frm2Quiz::kBadBytesMark);
}

data::QuizRecord decodeRecordShowingBadBytes(const std::string& record) {
  const std::string_view all(record);
  return {decodeShowingBadBytes(all.substr(0, data::kAnswerWidth)),
          decodeShowingBadBytes(all.substr(data::kAnswerWidth, data::kExplanationWidth)),
          decodeShowingBadBytes(
              all.substr(data::kAnswerWidth + data::kExplanationWidth, data::kQuestionWidth))};
}

}  // namespace

Frm2Quiz::Frm2Quiz(ui::Services& services, data::QuizList kind)
    : DrillWindow(services, frameFor(kind), controlTable()), kind_(kind) {
  setTabOrder({{"cmdAns"}, {"cmdToMenu"}});
  onClick("cmdAns", [this] { AnswerShown ? next() : reveal(); });
}

std::string Frm2Quiz::questionFilePath() const {
  return data::DataFolder() + std::string(data::filesOf(kind_).target);
}

std::string Frm2Quiz::noQuestionsText(std::string_view fileName, bool missing) {
  return "問題がありません（「" + std::string(fileName) +
         (missing ? "」が見つかりません）" : "」は空です）");
}

void Frm2Quiz::show(Step step) {
  ui::Control& ans = control("cmdAns");
  ans.setVisible(step == Step::Question || step == Step::Answer);
  if (step == Step::Question) ans.setCaption("解答を表示");
  if (step == Step::Answer) ans.setCaption("次の問題");
  (ans.visible() ? ans : control("cmdToMenu")).setFocus();
}

void Frm2Quiz::onDrillLoad() {
  AnswerShown = false;
  const std::string path = questionFilePath();
  if (!shuffleQuestions(path)) return;
  // Open again for the run; it stays open while the window is shown. A file
  // gone since the count is told by the reader's own message.
  auto file = readData(
      "lblQs", [&] { return data::RecordFile::open(path, data::RecordFile::Access::Read); });
  if (!file) {
    show(Step::Trouble);
    return;
  }
  file_.emplace(std::move(*file));
  Position = 1;
  show(Step::Question);
  showQuestion();
}

// Numbers the records and gives each a key, then sorts them into the order
// of this visit. False, with the trouble told, when there is nothing to ask.
bool Frm2Quiz::shuffleQuestions(const std::string& path) {
  // The drill only reads: a missing file is told, never created.
  if (!std::filesystem::exists(path)) {
    control("lblQs").setCaption(noQuestionsText(data::baseName(path), true));
    show(Step::Trouble);
    return false;
  }
  auto count = readData("lblQs", [&] {
    const auto file = data::RecordFile::open(path, data::RecordFile::Access::Read);
    // As many as the shuffle holds; a cut-short tail is no record.
    const auto n = static_cast<std::int16_t>(std::min(file.count(), data::kMaxQuizRecords));
    for (std::int16_t i = 1; i <= n; ++i) {
      // Read as it is counted, so that a file that cannot be read shows now.
      (void)file.bytes(i);
      shuffle_.ShuffleIndex[i] = i;
      shuffle_.ShuffleKey[i] = data::ShuffleKeyFor(random().draw(), data::kQuizKeyRange);
    }
    return n;
  });
  if (!count) {
    show(Step::Trouble);
    return false;
  }
  QuestionCount = *count;
  if (QuestionCount == 0) {
    control("lblQs").setCaption(noQuestionsText(data::baseName(path), false));
    show(Step::Trouble);
    return false;
  }
  data::ShuffleSort(shuffle_, QuestionCount);
  return true;
}

void Frm2Quiz::showQuestion() {
  const std::int16_t n = shuffle_.ShuffleIndex[Position];
  auto bytes = readData("lblQs", [&] { return file_->bytes(n); });
  if (!bytes) {
    control("lblAns").setCaption("");
    show(Step::Trouble);
    return;
  }
  record_ = decodeRecordShowingBadBytes(*bytes);
  control("lblQs").setCaption(record_.Question);
  control("lblAns").setCaption("");
  control("lblNo").setCaption(ui::decimal(n));
}

void Frm2Quiz::reveal() {
  show(Step::Answer);
  AnswerShown = true;
  control("lblAns").setCaption(record_.Answer);
  control("lblKaisetu").setCaption(record_.Explanation);
}

void Frm2Quiz::next() {
  control("lblKaisetu").setCaption("");
  show(Step::Question);
  AnswerShown = false;
  ++Position;
  if (Position > QuestionCount) {
    control("lblQs").setCaption(kFinished);
    control("lblAns").setCaption("");
    show(Step::Finished);
    return;
  }
  showQuestion();
}

void Frm2Quiz::onUnload() { file_.reset(); }

}  // namespace zunobi::drills
