#include "app/frm1_main.h"

#include <array>

#include "app/frm8_info.h"
#include "app/frm9_kankyo.h"
#include "drills/arithmetic/frm2_keisan.h"
#include "drills/arithmetic/frm2_keisan_saikoro.h"
#include "drills/arithmetic/frm2_kioku.h"
#include "drills/knowledge/frm21_niji_jyukugo.h"
#include "drills/knowledge/frm2_bunsyo.h"
#include "drills/knowledge/frm2_quiz.h"
#include "drills/memory/suujiretu_window.h"
#include "drills/reaction/frm20_mogura.h"
#include "drills/reaction/frm2_jyanken.h"
#include "ui/controls.h"

namespace zunobi::app {

namespace {

using namespace drills;

// Where each drill's button and description stand: two columns of six.
struct MenuRow {
  const DrillInfo& drill;
  int left;  // the button
  int labelLeft;
  int top;
};

const std::array<MenuRow, 12> kRows{{
    {Frm20Mogura::kInfo, 360, 2520, 1320},
    {Frm2Jyanken::kInfo, 360, 2520, 2400},
    {Frm2Quiz::kQuiz.info, 360, 2520, 3480},
    {Frm21NijiJyukugo::kInfo, 360, 2520, 4560},
    {Frm2Bunsyo::kInfo, 360, 2520, 5640},
    {Frm2Quiz::kNazo.info, 360, 2400, 6720},
    {Frm2Keisan::kInfo, 7680, 9720, 1320},
    {Frm2Kioku::kKioku1.info, 7680, 9720, 2400},
    {Frm2Kioku::kKioku2.info, 7680, 9720, 3480},
    {Frm2KeisanSaikoro::kInfo, 7680, 9720, 4560},
    {SuujiretuWindow::kSuujiretu1.info, 7680, 9720, 5640},
    {SuujiretuWindow::kSuujiretu2.info, 7680, 9720, 6720},
}};

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
  for (const auto& r : kRows) {
    rows.push_back(
        button(r.drill.menuButton, r.drill.menuCaption, {r.left, r.top, kButtonWidth, kRowHeight})
            .size(12));
    const int end = r.labelLeft < kLeftColumnEnd ? kLeftColumnEnd : kRightColumnEnd;
    rows.push_back(label(r.drill.menuLabel, r.drill.description,
                         {r.labelLeft, r.top, end - r.labelLeft, kRowHeight})
                       .size(9.75));
  }
  rows.push_back(picture("Image1", ":/zunobi/harumo.jpg", {13200, 7680, 1890, 780})
                     .named("「ハルモ」と書かれた絵"));
  // The menu bar in the descriptions' size.
  rows.push_back(menu("mnuInfo", "【情　　報】").size(9.75));
  rows.push_back(menu("mnuHarumo", "ハルモ").in("mnuInfo").size(9.75));
  rows.push_back(menu("mnuKankyo", "環境作成").size(9.75));
  return rows;
}

}  // namespace

Frm1Main::Frm1Main(ui::Services& services)
    : ui::Form(services, std::string(kName), controlTable()) {
  setCaption("ズノビー「ハルモ」");
  setClientSize(kClientWidth, kClientHeight);
  setHub(true);
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
  for (const auto& r : kRows)
    onClick(r.drill.menuButton, [this, form = r.drill.formName] { openDrill(form); });
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
