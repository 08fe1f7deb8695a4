// The yardstick: a bare Qt Widgets window of the menu's size, nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(1034, 614);
  window.show();
  return QApplication::exec();
}
