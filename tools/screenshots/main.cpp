// Opens every window of the program in turn under a real X server and
// writes a PNG of the screen for each, at load and in the states a user
// reaches by pressing its start button.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "app/form_registry.h"
#include "capture/capture.h"
#include "drills/knowledge/frm21_niji_jyukugo.h"
#include "drills/knowledge/frm2_bunsyo.h"
#include "drills/knowledge/frm2_quiz.h"
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
// A question taken in steps (the memory arithmetic windows): each step's
// button in turn, the shot named after the step it opens.
const std::pair<const char*, const char*> kSteps[] = {
    {"cmdNext1", "-bun1"}, {"cmdNext2", "-bun2"}, {"cmdNext3", "-answer"}};

// Through the steps of the first question, a judged answer, then on to the
// summary.
int walkSteps(ui::Form& form, const QString& base) {
  int failures = 0;
  auto shot = [&](const char* what) {
    settle(300);
    if (!snap(base + what + ".png")) ++failures;
  };
  for (const auto& [button, what] : kSteps) {
    if (!form.has(button) || !form.showing(form.control(button))) continue;
    form.click(button);
    // The last step before the answer box opens it.
    shot(form.showing(form.control("txtAnswer")) ? "-answer" : what);
  }
  form.type("txtAnswer", "0");
  form.pressEnter("txtAnswer");
  shot("-judged");
  for (int guard = 0; guard < 100 && !form.showing(form.control("cmdKaishi")); ++guard) {
    for (const auto& [button, what] : kSteps)
      if (form.has(button) && form.showing(form.control(button))) form.click(button);
    if (form.showing(form.control("cmdTugi"))) form.click("cmdTugi");
  }
  shot("-summary");
  return failures;
}

// The wall clock, moved on at will so that a one-minute run can run out.
class ShiftedClock final : public ui::Clock {
 public:
  ui::DateTime now() const override { return system_.now().plusSeconds(shift_); }
  void shift(std::int64_t seconds) { shift_ += seconds; }

 private:
  ui::SystemClock system_;
  std::int64_t shift_ = 0;
};

// The kanji puzzle past its first answer: the next question, a stopped run,
// the end of a ten-question run and the time-up of a one-minute run.
int jyukugoStates(ui::Form& form, ShiftedClock& clock, const QString& base) {
  int failures = 0;
  auto shot = [&](const char* state) {
    settle(300);
    if (!snap(base + "-" + state + ".png")) ++failures;
  };
  form.click("cmdKotae");
  shot("puzzle");
  form.click("cmdBreake");
  shot("stopped");
  form.click("optMenu", 1);
  form.click("cmdStart");
  for (int i = 0; i < 21; ++i) form.click("cmdKotae");
  shot("ten-end");
  form.click("optMenu", 2);
  form.click("cmdStart");
  clock.shift(61);
  settle(1200);  // the next tick finds the minute gone
  shot("timeup");
  return failures;
}

// Windows with states beyond the next step: the button pressed from there,
// as often as it stays on screen up to `times`, and the picture's suffix.
struct Further {
  const drills::DrillInfo& drill;
  const char* button;
  int times;
  const char* suffix;
};
const Further kFurther[] = {
    {drills::Frm2Bunsyo::kInfo, "cmdAnswer", 1, "-answered.png"},
    {drills::Frm2Quiz::kNazo.info, "cmdAns", 20000, "-finished.png"},
    {drills::Frm2Quiz::kQuiz.info, "cmdAns", 20000, "-finished.png"},
};

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

  ShiftedClock clock;
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
      if (name == drills::Frm21NijiJyukugo::kInfo.formName && manager.find(name))
        failures += jyukugoStates(*form, clock, base);
      if (manager.find(name) && form->has("cmdNext1") && form->has("cmdTugi"))
        failures += walkSteps(*form, base);
      for (const auto& further : kFurther) {
        if (name != further.drill.formName) continue;
        for (int i = 0; i < further.times && manager.find(name) &&
                        form->showing(form->control(further.button));
             ++i)
          form->click(further.button);
        settle(300);
        if (manager.find(name) && !snap(base + further.suffix)) ++failures;
      }
      break;
    }
    std::printf("%s\n", name.c_str());
    manager.endProgram();
    settle(50);
  }
  return failures ? 1 : 0;
}
