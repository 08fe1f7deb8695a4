// A second yardstick: the menu's own control table (captions, places,
// fonts, menu bar, picture) rendered with stock Qt widgets, with none of the
// program's view. It shows what drawing this much Japanese text costs in Qt
// itself.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <map>
#include <memory>

#include "app/frm1_main.h"
#include "ui/qt/font_map.h"
#include "ui/testing.h"

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  using namespace zunobi::ui;
  QApplication app(argc, argv);
  testing::TestServices services;
  auto menu = std::make_shared<zunobi::app::Frm1Main>(services.services);
  menu->load();

  QMainWindow window;
  window.setWindowTitle(qt::qtText(menu->caption()));
  auto* client = new QWidget;
  client->setFixedSize(qt::toPixels(menu->clientWidth()), qt::toPixels(menu->clientHeight()));
  window.setCentralWidget(client);
  std::map<ControlId, QMenu*> menus;
  for (const auto& c : menu->controls()) {
    if (!c->visible()) continue;
    const QString text = qt::qtText(c->caption());
    const Rect& r = c->place();
    QWidget* w = nullptr;
    switch (c->kind()) {
      case ControlKind::Label: {
        auto* l = new QLabel(text, client);
        l->setWordWrap(true);
        l->setAlignment((c->align() == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
        w = l;
        break;
      }
      case ControlKind::Button:
        w = new QPushButton(text, client);
        break;
      case ControlKind::Picture: {
        auto* p = new QLabel(client);
        p->setScaledContents(true);
        p->setPixmap(QPixmap(text));
        w = p;
        break;
      }
      case ControlKind::Menu:
        if (c->parent().name.empty())
          menus[c->id()] = window.menuBar()->addMenu(text);
        else
          menus.at(c->parent())->addAction(text);
        continue;
      default:
        continue;
    }
    // The mapped face at the design size, as stock Qt resolves it.
    QFont f(qt::familyFor(c->font().face));
    f.setPixelSize(qt::qtFont(c->font()).pixelSize());
    f.setBold(c->font().bold);
    w->setFont(f);
    w->setGeometry(qt::toPixels(r.left), qt::toPixels(r.top), qt::toPixels(r.width),
                   qt::toPixels(r.height));
  }
  window.show();
  return QApplication::exec();
}
