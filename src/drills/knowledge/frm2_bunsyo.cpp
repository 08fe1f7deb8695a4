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

}  // namespace

Frm2Bunsyo::Frm2Bunsyo(ui::Services& services) : DrillWindow(services, kFrame, controlTable()) {
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

// Each step offers one button, which takes the keyboard focus.
void Frm2Bunsyo::show(Step step) {
  const bool offerNext = step == Step::Loaded || step == Step::Answered || step == Step::Trouble;
  control("cmdQs").setVisible(step == Step::Reading);
  control("cmdAnswer").setVisible(step == Step::Asked);
  control("cmdMondai").setVisible(offerNext);
  control("lblSetumei").setPlace(step == Step::Trouble ? kTroublePlace : kSetumeiPlace);
  const char* offered = offerNext ? "cmdMondai" : step == Step::Reading ? "cmdQs" : "cmdAnswer";
  control(offered).setFocus();
}

void Frm2Bunsyo::onDrillLoad() { show(Step::Loaded); }

void Frm2Bunsyo::nextDocument() {
  markStart();
  for (auto name : {"lblBunsyo", "lblQs", "lblAnswer"}) control(name).setCaption("");
  show(Step::Reading);
  control("lblSetumei").setCaption(kReadFirst);
  const int n = ui::drawOneTo(random().draw(), data::kDocumentCount);
  DocNumber = documentNumberText(n);
  control("lblBunNo").setCaption(DocNumber);
  DocText.clear();
  const std::string name = data::DocumentFileName(n);
  auto doc =
      readData("lblSetumei", [&] { return data::readDocumentFile(data::DocumentFolder() + name); });
  if (!doc) {
    trouble(control("lblSetumei").caption());
    return;
  }
  doc_ = std::move(*doc);
  DocText = data::documentText(doc_);
  control("lblBunsyo").setCaption(DocText);
}

void Frm2Bunsyo::trouble(const std::string& why) {
  control("lblSetumei")
      .setCaption("文書" + DocNumber + "を出題できません。" + std::string(ui::kCrLf) + why);
  show(Step::Trouble);
}

void Frm2Bunsyo::ask() {
  show(Step::Asked);
  control("lblSetumei").setCaption("");
  AskedQuestion = ui::drawOneTo(random().draw(), static_cast<std::int32_t>(doc_.questions.size()));
  control("lblQs").setCaption(doc_.questions[AskedQuestion - 1]);
  // The document is hidden while its question is asked.
  control("lblBunsyo").setCaption("");
}

void Frm2Bunsyo::answer() {
  control("lblKaishiJikoku").setCaption("");
  show(Step::Answered);
  control("lblAnswer").setCaption(doc_.answers[AskedQuestion - 1]);
  control("lblBunsyo").setCaption(DocText);
  control("lblSetumei").setCaption("");
}

}  // namespace zunobi::drills
