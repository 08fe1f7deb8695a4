#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QWindow>

#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

// Actions arrive in the middle of a call from the bus: the click they stand
// for runs once that call has returned, as a real click would.
void clickLater(QAbstractButton* button) {
  QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

QString plain(QString text) { return text.remove(QLatin1Char('&')); }

// A label is static text named by its caption alone: Qt would lend an empty
// one the caption of its frame.
class LabelAccessible final : public QAccessibleWidget {
 public:
  explicit LabelAccessible(LabelWidget* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<LabelWidget*>(widget())->caption()
                                  : QAccessibleWidget::text(t);
  }
};

class OptionAccessible final : public QAccessibleWidget {
 public:
  explicit OptionAccessible(OptionWidget* option)
      : QAccessibleWidget(option, QAccessible::RadioButton) {}
  OptionWidget* option() const { return static_cast<OptionWidget*>(widget()); }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? plain(option()->text()) : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = option()->isChecked();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    // Either way the option is chosen, as by a click: an option button
    // is never cleared by itself.
    if (name == pressAction() || name == toggleAction()) {
      if (option()->isEnabled() && option()->isVisible()) clickLater(option());
      return;
    }
    QAccessibleWidget::doAction(name);
  }
};

// A die is a picture of its face; its pips are not separate things.
class DieAccessible final : public QAccessibleWidget {
 public:
  explicit DieAccessible(QWidget* die) : QAccessibleWidget(die, QAccessible::Graphic) {}
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A top-level menu of the strip holds its items.
class MenuAccessible final : public QAccessibleWidget {
 public:
  explicit MenuAccessible(MenuButton* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}
  MenuButton* menu() const { return static_cast<MenuButton*>(widget()); }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? plain(menu()->text()) : QAccessibleWidget::text(t);
  }
  int childCount() const override { return static_cast<int>(menu()->items().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAction*> items = menu()->items();
    if (index < 0 || index >= items.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(items.at(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(menu()->items().indexOf(child->object())) : -1;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    // Opened once the call has returned; not at all if the menu has gone.
    if (name == pressAction() && menu()->isVisible())
      QMetaObject::invokeMethod(
          menu(), [m = menu()] { m->open(true); }, Qt::QueuedConnection);
  }
};

// An item of a top-level menu: an action, on screen only while its menu is
// open, yet readable and usable at any time.
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItemAccessible(QAction* item, MenuButton* menu) : item_(item), menu_(menu) {}

  bool isValid() const override { return item_ && menu_; }
  QObject* object() const override { return item_; }
  QWindow* window() const override { return menu_ ? menu_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return menu_ ? QAccessible::queryAccessibleInterface(menu_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && item_ ? plain(item_->text()) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    QMenu* popup = menu_ ? menu_->popup() : nullptr;
    if (!item_ || !popup || !popup->isVisible()) return {};
    const QRect r = popup->actionGeometry(item_);
    return QRect(popup->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::MenuItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !item_ || !menu_ || !item_->isVisible() || !menu_->isVisible();
    s.disabled = item_ && !item_->isEnabled();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && !state().invisible && !state().disabled)
      QMetaObject::invokeMethod(item_, &QAction::trigger, Qt::QueuedConnection);
  }

 private:
  QPointer<QAction> item_;
  QPointer<MenuButton> menu_;
};

// The view's widgets are subclasses without meta-objects of their own, so
// they are recognised by their type, not by the class name Qt passes.
QAccessibleInterface* viewInterface(const QString&, QObject* object) {
  if (auto* item = qobject_cast<QAction*>(object)) {
    if (auto* menu = dynamic_cast<MenuButton*>(item->parent()))
      return new MenuItemAccessible(item, menu);
    return nullptr;
  }
  if (auto* label = dynamic_cast<LabelWidget*>(object)) return new LabelAccessible(label);
  if (auto* option = dynamic_cast<OptionWidget*>(object)) return new OptionAccessible(option);
  if (auto* frame = dynamic_cast<FrameWidget*>(object))
    return frame->isDie() ? new DieAccessible(frame) : nullptr;  // else Qt's grouping
  if (auto* picture = dynamic_cast<PictureWidget*>(object))
    return new QAccessibleWidget(picture, QAccessible::Graphic);
  if (auto* strip = dynamic_cast<MenuStrip*>(object))
    return new QAccessibleWidget(strip, QAccessible::MenuBar);
  if (auto* menu = dynamic_cast<MenuButton*>(object)) return new MenuAccessible(menu);
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(viewInterface);
}

}  // namespace zunobi::ui::qt
