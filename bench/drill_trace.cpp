// Where the time goes between a click on a drill's menu button and the
// drill window's first paint, in this process: the click itself (model,
// window built, shown) and then every event Qt delivers until the drill's
// client area has painted, each with its time.
//
//   drill_trace FORM [REPEATS]    e.g. drill_trace frm2Kioku1 5
//
// Runs on the real display (Xvfb in bench/drills.sh); the time the X server
// takes between events shows as the gaps.
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_message_box.h"
#include "ui/services_real.h"

namespace {

using namespace zunobi;

struct Entry {
  qint64 start, end;
  QObject* receiver;
  int type;
  QString what;
};

class TracingApp : public QApplication {
 public:
  using QApplication::QApplication;
  bool tracing = false;
  QWidget* target = nullptr;  // the drill's client area
  bool painted = false;
  qint64 paintedAt = 0;
  QElapsedTimer clock;
  std::vector<Entry> entries;
  int depth = 0;

  bool notify(QObject* receiver, QEvent* event) override {
    if (tracing && receiver == target && event->type() == QEvent::Paint && !painted) {
      painted = true;
      paintedAt = clock.nsecsElapsed();
    }
    if (!tracing || depth > 0) return QApplication::notify(receiver, event);
    // Named before delivery: a deferred delete ends the receiver.
    const QString what = QStringLiteral("%1 on %2 %3")
                             .arg(int(event->type()))
                             .arg(receiver->metaObject()->className())
                             .arg(receiver->objectName());
    const int type = int(event->type());
    ++depth;
    const qint64 start = clock.nsecsElapsed();
    const bool r = QApplication::notify(receiver, event);
    const qint64 end = clock.nsecsElapsed();
    --depth;
    entries.push_back({start, end, receiver, type, what});
    return r;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: drill_trace FORM [REPEATS]\n");
    return 2;
  }
  Q_INIT_RESOURCE(resources);
  ui::qt::prepareFonts();
  TracingApp app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));
  const std::string form = argv[1];
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;

  const auto* drill = app::findDrill(form);
  if (!drill) return 2;
  const std::string button(drill->menuButton);

  ui::SystemClock clock;
  ui::ClockSeededRandom random(clock);
  ui::qt::QtMessageBox messageBox;
  ui::WindowManager manager(app::formRegistry(), clock, random, messageBox);
  ui::qt::QtHost host(manager);
  manager.setHost(&host);

  int round = 0;
  std::function<void()> next;
  next = [&] {
    if (round++ == repeats) return QApplication::exit(0);
    manager.show(app::Frm1Main::kName);
    QTimer::singleShot(400, [&] {
      app.entries.clear();
      app.painted = false;
      app.clock.start();
      app.tracing = true;
      manager.shared(app::Frm1Main::kName)->click(button);
      const qint64 clicked = app.clock.nsecsElapsed();
      auto* window = host.windowFor(*manager.shared(form));
      app.target = window ? window->client() : nullptr;
      std::printf("round %d: click handled in %.2f ms\n", round, clicked / 1e6);
      // Report once the drill has surely painted.
      QTimer::singleShot(600, [&, clicked] {
        app.tracing = false;
        std::printf("  painted at %.2f ms\n", app.paintedAt / 1e6);
        qint64 last = clicked;
        for (const auto& e : app.entries) {
          if (e.start > app.paintedAt) break;
          const double took = (e.end - e.start) / 1e6;
          if (took >= 0.05 || (e.start - last) / 1e6 >= 0.3)
            std::printf("  %7.2f ms (+%5.2f idle) %6.2f ms  %s\n", e.start / 1e6,
                        (e.start - last) / 1e6, took, qPrintable(e.what));
          last = e.end;
        }
        manager.show(app::Frm1Main::kName);
        if (auto f = manager.shared(form)) manager.unload(*f);
        QTimer::singleShot(300, next);
      });
    });
  };
  QTimer::singleShot(0, next);
  return QApplication::exec();
}
