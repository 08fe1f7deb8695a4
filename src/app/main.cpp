// ズノビ: starts on the main menu and runs until the last window is gone.
#include <QApplication>

#include "app/form_registry.h"
#include "ui/qt/font_map.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_message_box.h"
#include "ui/services_real.h"

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);  // the view's pictures live in a static library
  using namespace zunobi;
  ui::qt::prepareFonts();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zunobi"));
  QApplication::setApplicationDisplayName(QString());
  QApplication::setQuitOnLastWindowClosed(false);  // navigation decides when to end
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));

  ui::SystemClock clock;
  ui::ClockSeededRandom random(clock);
  ui::qt::QtMessageBox messageBox;
  ui::WindowManager manager(app::formRegistry(), clock, random, messageBox);
  ui::qt::QtHost host(manager);
  manager.setHost(&host);
  manager.show("frm1Main");
  if (manager.ended()) return 0;
  return QApplication::exec();
}
