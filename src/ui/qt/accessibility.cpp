#include "ui/qt/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>

#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

// Actions arrive in the middle of a call from the bus: the click they stand
// for runs once that call has returned, as a real click would.
void clickLater(QAbstractButton* button) {
  QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

// A label is named by what the view gave it alone: Qt would lend an empty
// one the caption of its frame. A notice is a notification, which a screen
// reader tells whenever it appears.
class LabelAccessible final : public QAccessibleWidget {
 public:
  explicit LabelAccessible(LabelWidget* label)
      : QAccessibleWidget(
            label, label->isNotice() ? QAccessible::Notification : QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
  }
};

class OptionAccessible final : public QAccessibleWidget {
 public:
  explicit OptionAccessible(OptionWidget* option)
      : QAccessibleWidget(option, QAccessible::RadioButton) {}
  OptionWidget* option() const { return static_cast<OptionWidget*>(widget()); }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? option()->accessibleName() : QAccessibleWidget::text(t);
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

// A frame read as one picture: what it holds is not separate things.
class PictureFrameAccessible final : public QAccessibleWidget {
 public:
  explicit PictureFrameAccessible(QWidget* frame)
      : QAccessibleWidget(frame, QAccessible::Graphic) {}
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// The program holds the windows on screen: one kept hidden for later is
// nothing a screen reader should find.
class ShownWindows final : public QAccessibleApplication {
 public:
  int childCount() const override { return static_cast<int>(shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QObject*> list = shown();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index])
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(shown().indexOf(child->object())) : -1;
  }

 private:
  static QList<QObject*> shown() {
    QList<QObject*> list;
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
      if (!w->isVisible() || w->type() == Qt::Popup || w->type() == Qt::Desktop) continue;
      if (QAccessibleInterface* root = w->accessibleRoot(); root && root->object())
        list.append(root->object());
    }
    return list;
  }
};

// The view's widgets are subclasses without meta-objects of their own, so
// they are recognised by their type, not by the class name Qt passes.
QAccessibleInterface* viewInterface(const QString&, QObject* object) {
  if (object == qApp) return new ShownWindows;
  if (auto* label = dynamic_cast<LabelWidget*>(object)) return new LabelAccessible(label);
  if (auto* option = dynamic_cast<OptionWidget*>(object)) return new OptionAccessible(option);
  if (auto* frame = dynamic_cast<FrameWidget*>(object))
    return frame->isPicture() ? new PictureFrameAccessible(frame) : nullptr;  // else Qt's grouping
  if (auto* picture = dynamic_cast<PictureWidget*>(object))
    return new QAccessibleWidget(picture, QAccessible::Graphic);
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
