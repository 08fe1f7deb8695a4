#include "ui/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/font_map.h"

namespace zunobi::ui::qt {

void QtMessageBox::show(std::string_view prompt) {
  QMessageBox box(QMessageBox::NoIcon, qtText(std::string(kAppTitle)), qtText(std::string(prompt)),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setFont(qtFont(Font{.size = 12}));
  box.exec();
}

}  // namespace zunobi::ui::qt
