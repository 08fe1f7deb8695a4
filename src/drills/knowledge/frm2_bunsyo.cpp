#include "drills/knowledge/frm2_bunsyo.h"

#include "data/folders.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::drills {
namespace {

const drills::DrillFrame kFrame{
    .formName = Frm2Bunsyo::kInfo.formName,
    .caption = "文章問題",
    .clientWidth = 14190,
    .clientHeight = 8115,
    .clockLabel = "lblJikoku",
    .startLabel = "lblKaishiJikoku",
    .backButton = "cmdToMenu",
    .backIndex = -1,
    .unloadBeforeMenu = true,
};

constexpr ui::Rect kSetumeiPlace{9720, 2520, 3855, 375};
// A document that cannot be used is told in the instruction's place, grown
// down over the question button and the question, which that state leaves
// hidden and empty.
constexpr ui::Rect kTroublePlace{9720, 2520, 3855, 1335};

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  return {
      label("Label1", "文章問題", {4560, 360, 2295, 495}).bold(15.75),
      label("Label2", "問題文", {240, 840, 1335, 255}),
      label("lblBunsyo", "", {360, 1320, 9135, 6255}).face(faces::Gothic).notice(),
      button("cmdToMenu", "メニューへ戻る", {12360, 240, 1575, 855}),
      label("lblJikoku", "", {9720, 240, 1935, 375}),
      label("lblKaishiJikoku", "", {9720, 720, 2055, 375}),
      button("cmdMondai", "次の問題文表示", {9720, 1320, 1935, 1095}),
      label("lblSetumei", "", kSetumeiPlace),
      button("cmdQs", "質問", {9720, 2880, 1815, 495}),
      label("lblQs", "", {9720, 3480, 4455, 495}).notice(),
      button("cmdAnswer", "答え", {9720, 4440, 1935, 495}),
      label("lblAnswer", "", {9720, 5040, 4335, 495}).notice(),
      label("lblBunNo", "", {13200, 7320, 735, 495}),
  };
}

using Step = Frm2Bunsyo::Step;

const drills::StepTable<Step> kSteps{
    {Step::Loaded, {.shown = {"cmdMondai"}, .focus = "cmdMondai"}},
    {Step::Reading, {.shown = {"cmdQs"}, .focus = "cmdQs"}},
    {Step::Asked, {.shown = {"cmdAnswer"}, .focus = "cmdAnswer"}},
    {Step::Answered, {.shown = {"cmdMondai"}, .focus = "cmdMondai"}},
    {Step::Trouble, {.shown = {"cmdMondai"}, .focus = "cmdMondai"}},
};

}  // namespace

Frm2Bunsyo::Frm2Bunsyo(ui::Services& services)
    : DrillWindow(services, kFrame, controlTable(), kSteps) {
  setTabOrder({{"cmdMondai"}, {"cmdAnswer"}, {"cmdQs"}, {"cmdToMenu"}});
  onClick("cmdMondai", [this] { nextDocument(); });
  onClick("cmdQs", [this] { ask(); });
  onClick("cmdAnswer", [this] { answer(); });
}

std::string Frm2Bunsyo::documentNumberText(int n) {
  std::string digits = ui::decimal(n);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return digits;
}

void Frm2Bunsyo::onDrillLoad() { enter(Step::Loaded); }

void Frm2Bunsyo::nextDocument() {
  markStart();
  for (auto name : {"lblBunsyo", "lblQs", "lblAnswer"}) control(name).setCaption("");
  control("lblSetumei").setPlace(kSetumeiPlace);
  control("lblSetumei").setCaption(kReadFirst);
  const int n = ui::drawOneTo(random().draw(), data::kDocumentCount);
  DocNumber_ = documentNumberText(n);
  control("lblBunNo").setCaption(DocNumber_);
  DocText_.clear();
  auto doc = readData("lblSetumei", [&] {
    return data::readDocumentFile(data::DocumentFolder() + data::DocumentFileName(n));
  });
  if (!doc) {
    trouble(control("lblSetumei").caption());
    return;
  }
  doc_ = std::move(*doc);
  DocText_ = data::documentText(doc_);
  control("lblBunsyo").setCaption(DocText_);
  enter(Step::Reading);
}

void Frm2Bunsyo::trouble(const std::string& why) {
  control("lblSetumei")
      .setCaption("文書" + DocNumber_ + "を出題できません。" + std::string(ui::kCrLf) + why);
  control("lblSetumei").setPlace(kTroublePlace);
  enter(Step::Trouble);
}

void Frm2Bunsyo::ask() {
  control("lblSetumei").setCaption("");
  AskedQuestion_ = ui::drawOneTo(random().draw(), static_cast<std::int32_t>(doc_.questions.size()));
  control("lblQs").setCaption(doc_.questions[AskedQuestion_ - 1]);
  // The document is hidden while its question is asked.
  control("lblBunsyo").setCaption("");
  enter(Step::Asked);
}

void Frm2Bunsyo::answer() {
  control("lblKaishiJikoku").setCaption("");
  control("lblAnswer").setCaption(doc_.answers[AskedQuestion_ - 1]);
  control("lblBunsyo").setCaption(DocText_);
  control("lblSetumei").setCaption("");
  enter(Step::Answered);
}

}  // namespace zunobi::drills
