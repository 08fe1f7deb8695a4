#include "app/form_registry.h"

#include <algorithm>

#include "app/frm1_main.h"
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

namespace zunobi::app {
namespace {

struct DrillWindowEntry {
  const drills::DrillInfo* info;
  ui::FormFactory make;
  ui::FormPreparation prepare;
};

// A drill window: its class, and the variant it shows when the class has
// variants.
template <class W, class... Variant>
DrillWindowEntry drill(const Variant&... variant) {
  DrillWindowEntry e;
  if constexpr (sizeof...(Variant) == 0)
    e.info = &W::kInfo;
  else
    e.info = &(variant.info, ...);
  e.make = [&variant...](ui::Services& s) { return std::make_shared<W>(s, variant...); };
  if constexpr (requires { W::prepare(); }) e.prepare = &W::prepare;
  return e;
}

const std::vector<DrillWindowEntry>& drillWindows() {
  using namespace drills;
  static const std::vector<DrillWindowEntry> all{
      drill<Frm2Keisan>(),
      drill<Frm2Kioku>(Frm2Kioku::kKioku1),
      drill<Frm2Kioku>(Frm2Kioku::kKioku2),
      drill<Frm2KeisanSaikoro>(),
      drill<SuujiretuWindow>(SuujiretuWindow::kSuujiretu1),
      drill<SuujiretuWindow>(SuujiretuWindow::kSuujiretu2),
      drill<Frm2Jyanken>(),
      drill<Frm20Mogura>(),
      drill<Frm2Bunsyo>(),
      drill<Frm21NijiJyukugo>(),
      drill<Frm2Quiz>(Frm2Quiz::kNazo),
      drill<Frm2Quiz>(Frm2Quiz::kQuiz),
  };
  return all;
}

template <class W>
void add(ui::FormRegistry& r) {
  r.add(std::string(W::kName), [](ui::Services& s) { return std::make_shared<W>(s); });
}

ui::FormRegistry build() {
  ui::FormRegistry r;
  add<Frm1Main>(r);
  add<Frm8Info>(r);
  add<Frm9Kankyo>(r);
  for (const auto& d : drillWindows()) r.add(std::string(d.info->formName), d.make, d.prepare);
  return r;
}

}  // namespace

const ui::FormRegistry& formRegistry() {
  static const ui::FormRegistry registry = build();
  return registry;
}

const std::vector<const drills::DrillInfo*>& drillInfos() {
  static const std::vector<const drills::DrillInfo*> infos = [] {
    std::vector<const drills::DrillInfo*> out;
    for (const auto& d : drillWindows()) out.push_back(d.info);
    return out;
  }();
  return infos;
}

const drills::DrillInfo* findDrill(std::string_view formName) {
  const auto& infos = drillInfos();
  auto it = std::find_if(infos.begin(), infos.end(),
                         [&](const drills::DrillInfo* d) { return d->formName == formName; });
  return it == infos.end() ? nullptr : *it;
}

}  // namespace zunobi::app
