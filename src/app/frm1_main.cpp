#include "app/frm1_main.h"

#include "app/frm8_info.h"
#include "app/frm9_kankyo.h"
#include "ui/controls.h"

namespace zunobi::app {

const std::array<DrillEntry, 12> kDrills{{
    {"cmdMogura", "もぐらたたき", "frm20Mogura", "lblMogu",
     "○の表示されているボタンをクリックする。素早く対応することで、気分を喚起できる", 360, 2520,
     1320},
    {"cmdJyanken", "じゃんけん", "frm2Jyanken", "lblJyan",
     "提示されたじゃんけんの手と、求められた対応に合った手を答える。脳の活性化ができる。", 360,
     2520, 2400},
    {"cmdQuiz", "クイズ", "frm2Quiz", "lblQuiz",
     "クイズの問題に解答する。昔の出来事を中心の題材。思い出すことにより、脳が活性化するととともに"
     "、"
     "思い出が蘇る。",
     360, 2520, 3480},
    {"cmdNijiJyukugo", "二字熟語", "frm21NijiJyukugo", "lblJyukugo",
     "四つの熟語に共通する漢字を考える。思考力がアップ。", 360, 2520, 4560},
    {"cmdMondai", "文章問題", "frm2Bunsyo", "lblBun",
     "表示された日常の定型文書を記憶し、出された質問に答える。記憶力が向上する。", 360, 2520, 5640},
    {"cmdNazo", "なぞなぞ", "frm2Nazo", "Label3",
     "「なぞなぞ」で、童心に返る。いつまでも、子供心を", 360, 2400, 6720},
    {"cmdKeisan", "計算問題", "frm2Keisan", "lblComp",
     "四則計算問題を暗算で行う。計算力と同時に、頭脳が活性化する。", 7680, 9720, 1320},
    {"cmdKioku1", "記憶・計算Ⅰ", "frm2Kioku1", "lblMemoComp1",
     "計算を行った後、質問を考え、計算の結果を答える。記憶力と処理能力が向上する。", 7680, 9720,
     2400},
    {"cmdKioku2", "記憶・計算Ⅱ", "frm2Kioku2", "lblMemoComp2",
     "計算を行った後、2つの質問を考え、計算の結果を答える。記憶力と処理能力と生活力が向上する。",
     7680, 9720, 3480},
    {"cmdKeisanSaikoro", "計算・さいころ", "frm2KeisanSaikoro", "lblCompSaiko",
     "サイコロの裏の目数の計算を行う。（サイコロの裏表の目の合計は７）。計算力と視覚力が向上する。",
     7680, 9720, 4560},
    {"cmdKiokuSuujiretu", "記憶・数字列１", "frm2KiokuSuujiretu1", "lblMemoSuji1",
     "数字列を記憶し、提示された桁位置思い出す。記憶力と企画力が向上する。", 7680, 9720, 5640},
    {"cmdKiokuSuujiretu2", "記憶・数字列２", "frm2KiokuSuujiretu2", "lblMemoSuji2",
     "数字列を記憶し、提示された桁位置で計算を行う。記憶力と計算力や構想力が向上する。", 7680, 9720,
     6720},
}};

namespace {

constexpr int kClientWidth = 15510;
constexpr int kClientHeight = 9210;
constexpr int kButtonWidth = 1815;
constexpr int kRowHeight = 855;
// Descriptions run to just short of the next column, or of the window edge.
constexpr int kLeftColumnEnd = 7560;
constexpr int kRightColumnEnd = 15390;

std::vector<ui::ControlSpec> controlTable() {
  using namespace ui;
  std::vector<ControlSpec> rows{
      label("Label1", "ズノビ", {3960, 240, 4695, 615}).face(faces::Pop).size(24).centred(),
      button("cmdEnd", "終了", {12480, 240, 2535, 855}).size(12),
  };
  for (const auto& d : kDrills) {
    rows.push_back(button(d.button, d.caption, {d.left, d.top, kButtonWidth, kRowHeight}).size(12));
    const int end = d.labelLeft < kLeftColumnEnd ? kLeftColumnEnd : kRightColumnEnd;
    rows.push_back(
        label(d.label, d.description, {d.labelLeft, d.top, end - d.labelLeft, kRowHeight})
            .size(9.75));
  }
  rows.push_back(picture("Image1", ":/zunobi/harumo.jpg", {13200, 7680, 1890, 780}));
  rows.push_back(menu("mnuInfo", "【情　　報】"));
  rows.push_back(menu("mnuHarumo", "ハルモ").in("mnuInfo"));
  rows.push_back(menu("mnuKankyo", "環境作成"));
  return rows;
}

}  // namespace

Frm1Main::Frm1Main(ui::Services& services)
    : ui::Form(services, std::string(kName), controlTable()) {
  setCaption("ズノビー「ハルモ」");
  setClientSize(kClientWidth, kClientHeight);
  setTabOrder({{"cmdEnd"},
               {"cmdMondai"},
               {"cmdKeisan"},
               {"cmdMogura"},
               {"cmdNijiJyukugo"},
               {"cmdKioku1"},
               {"cmdKioku2"},
               {"cmdKiokuSuujiretu"},
               {"cmdKiokuSuujiretu2"},
               {"cmdJyanken"},
               {"cmdKeisanSaikoro"},
               {"cmdQuiz"},
               {"cmdNazo"}});
  for (const auto& d : kDrills) onClick(d.button, [this, form = d.opens] { openDrill(form); });
  onClick("cmdEnd", [this] {
    navigator().unload(*this);
    navigator().endProgram();
  });
  onClick("mnuHarumo", [this] { navigator().show("frm8Info"); });
  onClick("mnuKankyo", [this] { navigator().show("frm9Kankyo"); });
  // The preparation window is for maintainers only; the menu item stays hidden.
  onShortcut(kKankyoShortcut, [this] { navigator().show("frm9Kankyo"); });
}

void Frm1Main::onLoad() {
  control("mnuKankyo").hide();
  control("cmdEnd").setFocus();
}

void Frm1Main::onUnload() {
  // The side windows stand beside the menu and go with it: a drill then
  // runs as the only window, and closing the menu ends the program.
  navigator().unloadByName(Frm8Info::kName);
  navigator().unloadByName(Frm9Kankyo::kName);
}

void Frm1Main::openDrill(std::string_view form) {
  navigator().show(form);
  navigator().unload(*this);
}

}  // namespace zunobi::app
