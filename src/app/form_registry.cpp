#include "app/form_registry.h"

#include "app/frm1_main.h"
#include "app/frm8_info.h"
#include "app/frm9_kankyo.h"
#include "drills/arithmetic/frm2_keisan.h"
#include "drills/arithmetic/frm2_keisan_saikoro.h"
#include "drills/arithmetic/frm2_kioku.h"
#include "drills/knowledge/frm21_niji_jyukugo.h"
#include "drills/knowledge/frm2_bunsyo.h"
#include "drills/knowledge/frm2_quiz.h"
#include "drills/memory/frm2_kioku_suujiretu1.h"
#include "drills/memory/frm2_kioku_suujiretu2.h"
#include "drills/reaction/frm20_mogura.h"
#include "drills/reaction/frm2_jyanken.h"

namespace zunobi::app {
namespace {

template <class W>
void add(ui::FormRegistry& r) {
  ui::FormPreparation prepare;
  if constexpr (requires { W::prepare(); }) prepare = &W::prepare;
  r.add(
      std::string(W::kName), [](ui::Services& s) { return std::make_shared<W>(s); },
      std::move(prepare));
}

ui::FormRegistry build() {
  using namespace drills;
  ui::FormRegistry r;
  add<Frm1Main>(r);
  add<Frm8Info>(r);
  add<Frm9Kankyo>(r);
  add<Frm2Keisan>(r);
  for (const KiokuVariant* v : {&Frm2Kioku::kKioku1, &Frm2Kioku::kKioku2})
    r.add(std::string(v->formName),
          [v](ui::Services& s) { return std::make_shared<Frm2Kioku>(s, *v); });
  add<Frm2KeisanSaikoro>(r);
  add<Frm2KiokuSuujiretu1>(r);
  add<Frm2KiokuSuujiretu2>(r);
  add<Frm2Jyanken>(r);
  add<Frm20Mogura>(r);
  add<Frm2Bunsyo>(r);
  add<Frm21NijiJyukugo>(r);
  r.add(std::string(Frm2Quiz::kNazoName),
        [](ui::Services& s) { return std::make_shared<Frm2Quiz>(s, data::QuizList::Nazonazo); });
  r.add(std::string(Frm2Quiz::kQuizName),
        [](ui::Services& s) { return std::make_shared<Frm2Quiz>(s, data::QuizList::Omoide); });
  return r;
}

}  // namespace

const ui::FormRegistry& formRegistry() {
  static const ui::FormRegistry registry = build();
  return registry;
}

}  // namespace zunobi::app
