// A second yardstick: the menu's texts, fonts, buttons, menu bar and picture
// in stock Qt widgets, with none of the program's view or logic. It shows
// what drawing this much Japanese text costs in Qt itself.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

#include "app/frm1_main.h"

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  QApplication app(argc, argv);
  auto px = [](int twips) { return twips / 15; };
  auto font = [](const char* family, int pixels) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    return f;
  };
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("ズノビー「ハルモ」"));
  window.menuBar()->addMenu(QStringLiteral("【情　　報】"))->addAction(QStringLiteral("ハルモ"));
  auto* client = new QWidget;
  client->setFixedSize(px(15510), px(9210));
  window.setCentralWidget(client);
  auto* title = new QLabel(QStringLiteral("ズノビ"), client);
  title->setFont(font("MotoyaLMaru", 32));
  title->setGeometry(px(3960), px(240), px(4695), px(615));
  auto* end = new QPushButton(QStringLiteral("終了"), client);
  end->setFont(font("IPAPGothic", 16));
  end->setGeometry(px(12480), px(240), px(2535), px(855));
  for (const auto& d : zunobi::app::kDrills) {
    auto* b = new QPushButton(QString::fromUtf8(d.caption.data(), d.caption.size()), client);
    b->setFont(font("IPAPGothic", 16));
    b->setGeometry(px(d.left), d.top / 15, px(1815), px(855));
    auto* l = new QLabel(QString::fromUtf8(d.description.data(), d.description.size()), client);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(font("IPAPGothic", 13));
    l->setGeometry(px(d.labelLeft), px(d.top),
                   d.labelLeft < 7560 ? px(7560 - d.labelLeft) : px(15390 - d.labelLeft), px(855));
  }
  auto* picture = new QLabel(client);
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap(QStringLiteral(":/zunobi/harumo.jpg")));
  picture->setGeometry(px(13200), px(7680), px(1890), px(780));
  window.show();
  return QApplication::exec();
}
