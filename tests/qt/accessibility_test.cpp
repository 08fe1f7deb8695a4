// What assistive technology reads of every window of the program: roles,
// names and states against the form, name-changed events, and the actions
// and editable text that must reach the form.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "program_view.h"
#include "ui/qt/font_map.h"
#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

// A menu or menu item: the child of the menu bar or menu that holds it.
QAccessibleInterface* accessibleOf(FormWindow* window, const Control& c) {
  if (c.kind() != ControlKind::Menu) return accessible(window->widgetFor(c.id()));
  QAction* action = window->actionFor(c.id());
  QAccessibleInterface* holder = accessible(
      c.parent().name.empty() ? static_cast<QObject*>(window->menuWidget()) : action->parent());
  for (int i = 0; holder && i < holder->childCount(); ++i)
    if (holder->child(i)->object() == action) return holder->child(i);
  return nullptr;
}

QAccessible::Role roleOf(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Label:
      return c.notice() ? QAccessible::Notification : QAccessible::StaticText;
    case ControlKind::Button:
      return QAccessible::Button;
    case ControlKind::TextBox:
      return QAccessible::EditableText;
    case ControlKind::OptionButton:
      return QAccessible::RadioButton;
    case ControlKind::Frame:
      return c.look() == Look::Picture ? QAccessible::Graphic : QAccessible::Grouping;
    case ControlKind::Picture:
      return QAccessible::Graphic;
    case ControlKind::Menu:
      return QAccessible::MenuItem;
  }
  return QAccessible::NoRole;
}

// On screen: an empty notice draws nothing and is not shown, unless bordered.
bool shown(const Form& form, const Control& c) {
  return form.showing(c) && !(c.notice() && c.caption().empty() && !c.border());
}

// Each window of the program, as it is after its load.
class EveryWindow : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    window = view.show(GetParam());
    ASSERT_NE(window, nullptr);
    form = window->form();
  }
  ProgramView view;
  FormWindow* window = nullptr;
  Form* form = nullptr;
};

TEST_P(EveryWindow, EachControlReadsWithTheFormsRoleNameAndState) {
  QAccessibleInterface* top = accessible(window);
  EXPECT_EQ(top->role(), QAccessible::Window);
  EXPECT_EQ(top->text(QAccessible::Name), qtText(form->caption()));
  for (const auto& c : form->controls()) {
    const std::string where = GetParam() + "." + c->id().text();
    QAccessibleInterface* a = accessibleOf(window, *c);
    ASSERT_NE(a, nullptr) << where;
    EXPECT_EQ(a->role(), roleOf(*c)) << where;
    const QAccessible::State state = a->state();
    if (c->kind() != ControlKind::Menu || c->parent().name.empty()) {
      EXPECT_EQ(state.invisible, !shown(*form, *c)) << where;
    }
    switch (c->kind()) {
      case ControlKind::TextBox:
        EXPECT_EQ(a->text(QAccessible::Value), qtText(c->text())) << where;
        ASSERT_TRUE(form->has(c->labelledBy().name)) << where << " is named by no label";
        break;
      case ControlKind::Picture:
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << where << " has no description";
        break;
      case ControlKind::OptionButton:
        EXPECT_TRUE(state.checkable) << where;
        EXPECT_EQ(bool(state.checked), c->selected()) << where;
        [[fallthrough]];
      default:
        EXPECT_EQ(a->text(QAccessible::Name), qtText(c->accessibleName())) << where;
    }
    // What a frame read as a picture holds is not things of its own.
    if (c->look() == Look::Picture) {
      EXPECT_EQ(a->childCount(), 0) << where;
    }
  }
}

// A change of caption reaches the name a screen reader reads. (Qt raises the
// name-changed event only with an assistive technology attached, so the
// screen-reader test hears it.)
TEST_P(EveryWindow, ACaptionChangeReachesTheAccessibleName) {
  form->setCaption("新しい題");
  EXPECT_EQ(accessible(window)->text(QAccessible::Name), QStringLiteral("新しい題"));
  int changed = 0;
  for (const auto& c : form->controls()) {
    if (c->kind() == ControlKind::TextBox || c->kind() == ControlKind::Picture ||
        (c->kind() != ControlKind::Label && c->caption().empty()))
      continue;
    c->setCaption("読み上げ\r\n" + c->id().text());
    EXPECT_EQ(accessibleOf(window, *c)->text(QAccessible::Name),
              "読み上げ\n" + QString::fromStdString(c->id().text()))
        << GetParam() << "." << c->id().text();
    ++changed;
  }
  EXPECT_GT(changed, 0);
  // An answer box reads as its label reads now.
  for (const auto& c : form->controls()) {
    if (c->kind() != ControlKind::TextBox) continue;
    EXPECT_EQ(accessibleOf(window, *c)->text(QAccessible::Name),
              "読み上げ\n" + QString::fromStdString(c->labelledBy().name))
        << GetParam() << "." << c->id().text();
  }
  // A name the window sets for a screen reader stands in for the caption.
  for (const auto& c : form->controls()) {
    if (c->kind() == ControlKind::TextBox || c->kind() == ControlKind::Menu) continue;
    c->setAccessibleName("名前");
    EXPECT_EQ(accessibleOf(window, *c)->text(QAccessible::Name), QStringLiteral("名前"))
        << GetParam() << "." << c->id().text();
  }
}

// A notice that changes where it can be seen appears anew, which is what a
// screen reader tells of a notification; an empty one is not shown.
TEST_P(EveryWindow, ANoticeAppearsAnewWhenItChanges) {
  struct Shows : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      count += e->type() == QEvent::Show;
      return false;
    }
  };
  for (const auto& c : form->controls()) {
    if (!c->notice()) continue;
    const std::string where = GetParam() + "." + c->id().text();
    QWidget* w = window->widgetFor(c->id());
    Shows shows;
    w->installEventFilter(&shows);
    c->show();
    c->setCaption("");
    QApplication::processEvents();  // a notice is shown once the handler is over
    EXPECT_EQ(w->isVisible(), c->border() && form->showing(*c)) << where;
    for (const char* text : {"○", "正解は　１２"}) {
      const int before = shows.count;
      c->setCaption(text);
      QApplication::processEvents();
      EXPECT_EQ(shows.count, before + int(form->showing(*c))) << where << " " << text;
      EXPECT_EQ(w->isVisible(), form->showing(*c)) << where;
    }
    // Shown and cleared in one handler: nothing to tell.
    const int before = shows.count;
    c->setCaption("○");
    c->setCaption("");
    QApplication::processEvents();
    EXPECT_EQ(shows.count, before + int(c->border() && form->showing(*c))) << where;
    w->removeEventFilter(&shows);
  }
}

// Enter on a button presses it, as Space does. (The form is let go first, so
// that the presses reach no handler.)
TEST_P(EveryWindow, EnterPressesTheFocusedButton) {
  std::vector<std::pair<std::string, QPushButton*>> buttons;
  for (const auto& c : form->controls())
    if (c->kind() == ControlKind::Button && form->showing(*c))
      buttons.emplace_back(c->id().text(), qobject_cast<QPushButton*>(window->widgetFor(c->id())));
  ASSERT_FALSE(buttons.empty());
  window->detach();
  for (const auto& [name, button] : buttons) {
    QSignalSpy pressed(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 2) << GetParam() << "." << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow, ::testing::ValuesIn(app::formRegistry().names()));

// The windows above hold options and answer boxes at load: the table is not empty.
TEST(AccessibilityTest, TheProgramHasOptionsAndAnswerBoxesToReach) {
  int options = 0, boxes = 0;
  for (const std::string& name : app::formRegistry().names()) {
    ProgramView view;
    const Form& form = *view.show(name)->form();
    for (const auto& c : form.controls()) {
      options += c->kind() == ControlKind::OptionButton && form.showing(*c);
      boxes += c->kind() == ControlKind::TextBox;
    }
  }
  EXPECT_GE(options, 10);  // the rock-paper-scissors modes and both memorising times
  EXPECT_GE(boxes, 4);
}

// Qt's own menu bar: menu items on the bar, each holding its menu.
TEST(AccessibilityTest, TheMenuBarReadsAsAMenuBarWithItsMenusAndItems) {
  ProgramView view;
  FormWindow* window = view.show("frm1Main");
  QAccessibleInterface* bar = accessible(window->menuWidget());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->role(), QAccessible::MenuBar);
  ASSERT_EQ(bar->childCount(), 2);
  QAccessibleInterface* info = bar->child(0);
  EXPECT_EQ(info->role(), QAccessible::MenuItem);
  EXPECT_EQ(info->text(QAccessible::Name), QStringLiteral("【情　　報】"));
  EXPECT_FALSE(info->state().invisible);
  QAccessibleInterface* kankyo = bar->child(1);
  EXPECT_EQ(kankyo->text(QAccessible::Name), QStringLiteral("環境作成"));
  EXPECT_TRUE(kankyo->state().invisible);  // hidden at every load
  ASSERT_EQ(info->childCount(), 1);
  QAccessibleInterface* popup = info->child(0);
  EXPECT_EQ(popup->role(), QAccessible::PopupMenu);
  EXPECT_TRUE(popup->state().invisible);  // until it is opened
  ASSERT_EQ(popup->childCount(), 1);
  QAccessibleInterface* harumo = popup->child(0);
  EXPECT_EQ(harumo->role(), QAccessible::MenuItem);
  EXPECT_EQ(harumo->text(QAccessible::Name), QStringLiteral("ハルモ"));
  harumo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QApplication::processEvents();
  EXPECT_NE(view.manager.find("frm8Info"), nullptr);
}

// F10, or Alt pressed and let go alone, opens the first menu with its first
// item ready for Enter.
TEST(AccessibilityTest, TheMenuOpensFromTheKeyboard) {
  ProgramView view;
  FormWindow* window = view.show("frm1Main");
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (int way = 0; way < 2; ++way) {
    if (way == 0) {
      QTest::keyClick(window, Qt::Key_F10);
    } else {
      QWidget* focused = window->focusWidget();  // "終了": the key passes it by
      QTest::keyPress(focused, Qt::Key_Alt, Qt::AltModifier);
      QTest::keyRelease(focused, Qt::Key_Alt, Qt::NoModifier);
    }
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr) << way;
    ASSERT_NE(popup->activeAction(), nullptr) << way;
    EXPECT_EQ(popup->activeAction()->text(), QStringLiteral("ハルモ"));
    popup->close();
    QApplication::processEvents();
  }
  // Alt as part of a combination opens nothing.
  QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
  QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
}  // namespace zunobi::ui::qt
