// The CPU time of each drill window's load, with the data that ships and
// with the largest data every reader accepts: the window's model alone
// ("load/…"), and the model with its Qt window built offscreen ("window/…").
//
//   drill_load_bench [benchmark flags]   the benchmarks
//   drill_load_bench --buttons           each drill's menu button: the form
//                                        it opens and its centre in pixels
//   drill_load_bench --write-largest DIR the largest data, into DIR's folders
//   drill_load_bench --cold DIR FORM     one first load of FORM with DIR's
//                                        data, as a click pays for it
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "data/folders.h"
#include "soak/data_sets.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/services_real.h"
#include "ui/testing.h"

namespace {

using namespace zunobi;

// The program's own clock and random source: a draw re-seeds from the clock.
struct Bench {
  ui::SystemClock clock;
  ui::ClockSeededRandom random{clock};
  ui::testing::RecordingNavigator navigator;
  ui::testing::RecordingMessageBox messageBox;
  ui::Services services{clock, random, navigator, messageBox};
};

void loadModel(benchmark::State& state, const std::string& folder, const std::string& name) {
  data::ScopedProgramFolder scoped(folder);
  Bench b;
  for (auto _ : state) {
    auto w = app::formRegistry().create(name, b.services);
    w->load();
    benchmark::DoNotOptimize(w.get());
  }
}

void loadWindow(benchmark::State& state, const std::string& folder, const std::string& name) {
  data::ScopedProgramFolder scoped(folder);
  Bench b;
  for (auto _ : state) {
    auto w = app::formRegistry().create(name, b.services);
    w->load();
    ui::qt::FormWindow window(w);
    benchmark::DoNotOptimize(window.client());
  }
}

// Each drill button's centre in the menu window's pixels, as the view lays
// the menu out (the menu bar included).
int printButtons() {
  Bench b;
  auto menu = app::formRegistry().create(app::Frm1Main::kName, b.services);
  menu->load();
  ui::qt::FormWindow window(menu);
  window.ensurePolished();
  window.adjustSize();
  for (const auto* d : app::drillInfos()) {
    QWidget* button = window.widgetFor({std::string(d->menuButton)});
    if (!button) return 1;
    const QPoint centre = button->mapTo(&window, button->rect().center());
    std::printf("%.*s %d %d\n", static_cast<int>(d->formName.size()), d->formName.data(),
                centre.x(), centre.y());
  }
  return 0;
}

// One window's first load in this process, as the click pays for it: the
// model's load, then its Qt window built.
int coldLoad(const std::string& folder, const std::string& name) {
  data::ScopedProgramFolder scoped(folder);
  Bench b;
  auto menu = app::formRegistry().create(app::Frm1Main::kName, b.services);
  menu->load();
  ui::qt::FormWindow menuWindow(menu);
  using Clock = std::chrono::steady_clock;
  auto faults = [] {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_minflt + u.ru_majflt;
  };
  const long faultsBefore = faults();
  const auto start = Clock::now();
  auto w = app::formRegistry().create(name, b.services);
  w->load();
  const auto loaded = Clock::now();
  const long loadFaults = faults() - faultsBefore;
  ui::qt::FormWindow window(w);
  const auto built = Clock::now();
  auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
  std::printf("%s: load %.2f ms (%ld page faults), window %.2f ms\n", name.c_str(),
              ms(loaded - start), loadFaults, ms(built - loaded));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && !std::strcmp(argv[1], "--write-largest")) {
    soak::writeLargestData(argv[2]);
    return 0;
  }
  Q_INIT_RESOURCE(resources);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::qt::prepareFonts();
  QApplication app(argc, argv);
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));
  if (argc > 1 && !std::strcmp(argv[1], "--buttons")) return printButtons();
  if (argc > 3 && !std::strcmp(argv[1], "--cold")) return coldLoad(argv[2], argv[3]);

  const std::string shipped = data::ProgramFolder();
  soak::ScratchFolder largest("zunobi-bench");
  soak::writeLargestData(largest.path());
  for (const auto& [set, folder] : {std::pair<std::string, std::string>{"shipped", shipped},
                                    std::pair<std::string, std::string>{"largest", largest.path()}})
    for (const auto* d : app::drillInfos()) {
      const std::string name(d->formName);
      benchmark::RegisterBenchmark(("load/" + name + "/" + set).c_str(), loadModel, folder, name)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("window/" + name + "/" + set).c_str(), loadWindow, folder, name)
          ->Unit(benchmark::kMicrosecond);
    }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
