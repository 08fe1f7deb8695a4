// What opening a window costs: building the menu's model, rendering it as a
// Qt window (offscreen), and one clock tick of a drill window.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/form_registry.h"
#include "ui/qt/form_window.h"
#include "ui/testing.h"

namespace {

using namespace zunobi;

void BM_MenuModel(benchmark::State& state) {
  ui::testing::TestServices t;
  for (auto _ : state) {
    auto menu = app::formRegistry().create("frm1Main", t.services);
    menu->load();
    benchmark::DoNotOptimize(menu.get());
  }
}
BENCHMARK(BM_MenuModel);

void BM_MenuWindow(benchmark::State& state) {
  ui::testing::TestServices t;
  for (auto _ : state) {
    auto menu = app::formRegistry().create("frm1Main", t.services);
    menu->load();
    ui::qt::FormWindow window(menu);
    benchmark::DoNotOptimize(window.client());
  }
}
BENCHMARK(BM_MenuWindow)->Unit(benchmark::kMicrosecond);

void BM_ClockTick(benchmark::State& state) {
  ui::testing::TestServices t;
  auto drill = app::formRegistry().create("frm2Keisan", t.services);
  drill->load();
  ui::qt::FormWindow window(drill);
  for (auto _ : state) {
    t.clock.advance(1);
    drill->tick();
  }
}
BENCHMARK(BM_ClockTick);

}  // namespace

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
