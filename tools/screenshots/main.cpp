// Opens every window of the program in turn under a real X server and
// writes a PNG of the screen for each, at load and in the states a user
// reaches by pressing its start button.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "app/form_registry.h"
#include "capture/capture.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_message_box.h"
#include "ui/services_real.h"

namespace {

using namespace zunobi;
using tools::settle;
using tools::snap;

// Buttons that start a turn, in the order tried.
const std::pair<const char*, int> kStarts[] = {
    {"cmdKaishi", -1}, {"cmdStart", -1}, {"cmdStartEnd", 0}, {"cmdMondai", -1}, {"cmdAns", -1}};
// Buttons that move a started turn on to its next step.
const std::pair<const char*, int> kNexts[] = {
    {"cmdJyanken", -1}, {"cmdShitumon", -1}, {"cmdQs", -1}, {"cmdKotae", -1}, {"cmdAns", -1}};

}  // namespace

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  ui::qt::prepareFonts();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  // zunobi-shots DIR PERCENT: every window enlarged, as Ctrl++ would.
  if (argc > 2) ui::qt::choosePercent(std::atoi(argv[2]));
  QDir().mkpath(dir);

  ui::SystemClock clock;
  ui::ClockSeededRandom random(clock);
  // The rating box of whack-a-mole would wait for OK; record it instead.
  struct Silent final : ui::MessageBox {
    void show(std::string_view) override {}
  } messageBox;

  int failures = 0;
  for (const std::string& name : app::formRegistry().names()) {
    ui::WindowManager manager(app::formRegistry(), clock, random, messageBox);
    ui::qt::QtHost host(manager);
    manager.setHost(&host);
    manager.show(name);
    ui::Form* form = manager.find(name);
    if (!form) continue;
    if (host.windowFor(*form)->percent() != ui::qt::chosenPercent()) {
      std::printf("%s: does not fit the screen at %d %%\n", name.c_str(), ui::qt::chosenPercent());
      ++failures;
    }
    const QString base = dir + "/" + QString::fromStdString(name);
    if (!snap(base + ".png")) ++failures;
    for (const auto& [button, index] : kStarts) {
      if (!form->has(button, index) || !form->control(button, index).visible()) continue;
      form->click(button, index);
      settle(1200);  // a tick or so, so timers show their first step
      if (manager.find(name) && !snap(base + "-started.png")) ++failures;
      for (const auto& [next, nextIndex] : kNexts) {
        if (!manager.find(name) || !form->has(next, nextIndex) ||
            !form->showing(form->control(next, nextIndex)))
          continue;
        form->click(next, nextIndex);
        settle(300);
        if (manager.find(name) && !snap(base + "-next.png")) ++failures;
        break;
      }
      break;
    }
    std::printf("%s\n", name.c_str());
    manager.endProgram();
    settle(50);
  }
  return failures ? 1 : 0;
}
