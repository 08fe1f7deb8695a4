// What assistive technology reads of every window of the program: roles,
// names and states against the form, name-changed events, and the actions
// and editable text that must reach the form.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTest>

#include "program_view.h"
#include "ui/qt/font_map.h"
#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QAccessibleInterface* accessibleOf(FormWindow* window, const Control& c) {
  if (c.kind() != ControlKind::Menu) return accessible(window->widgetFor(c.id()));
  QAction* action = window->actionFor(c.id());
  if (!c.parent().name.empty()) return accessible(action);
  for (auto* button : window->findChildren<QPushButton*>())
    if (auto* menu = dynamic_cast<MenuButton*>(button); menu && menu->action() == action)
      return accessible(menu);
  return nullptr;
}

bool isDie(FormWindow* window, const Control& c) {
  auto* frame = dynamic_cast<FrameWidget*>(window->widgetFor(c.id()));
  return frame && frame->isDie();
}

QAccessible::Role roleOf(FormWindow* window, const Control& c) {
  switch (c.kind()) {
    case ControlKind::Label:
      return QAccessible::StaticText;
    case ControlKind::Button:
      return QAccessible::Button;
    case ControlKind::TextBox:
      return QAccessible::EditableText;
    case ControlKind::OptionButton:
      return QAccessible::RadioButton;
    case ControlKind::Frame:
      return isDie(window, c) ? QAccessible::Graphic : QAccessible::Grouping;
    case ControlKind::Picture:
      return QAccessible::Graphic;
    case ControlKind::Menu:
      return c.parent().name.empty() ? QAccessible::PopupMenu : QAccessible::MenuItem;
  }
  return QAccessible::NoRole;
}

// The name a screen reader announces, as the form's state gives it.
QString nameOf(const Form& form, FormWindow* window, const Control& c) {
  if (isDie(window, c)) {
    int face = 0;
    for (const auto& pip : form.controls())
      if (pip->parent() == c.id() && pip->visible()) ++face;
    return QStringLiteral("さいころ　") + QChar(0xFF10 + face);
  }
  return qtText(c.caption());
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
    EXPECT_EQ(a->role(), roleOf(window, *c)) << where;
    const QAccessible::State state = a->state();
    EXPECT_EQ(state.invisible, !form->showing(*c)) << where;
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
        EXPECT_EQ(a->text(QAccessible::Name), nameOf(*form, window, *c)) << where;
    }
    // A die's pips are its face, not things of their own.
    if (isDie(window, *c)) {
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
}

// Press and Toggle choose an option in the form, as a click does.
TEST_P(EveryWindow, PressAndToggleChooseTheOptionInTheForm) {
  for (const auto& c : form->controls()) {
    if (c->kind() != ControlKind::OptionButton || !form->showing(*c)) continue;
    for (const QString& action :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
      c->setSelected(false);
      QAccessibleInterface* a = accessibleOf(window, *c);
      ASSERT_TRUE(a->actionInterface()->actionNames().contains(action));
      a->actionInterface()->doAction(action);
      QApplication::processEvents();
      EXPECT_TRUE(c->selected()) << GetParam() << "." << c->id().text() << " "
                                 << action.toStdString();
      EXPECT_TRUE(a->state().checked);
    }
  }
}

// Text put into an answer box through the editable-text interface (speech
// input, on-screen keyboards) is the text the form judges.
TEST_P(EveryWindow, TextSetThroughTheAccessibleInterfaceReachesTheForm) {
  for (const auto& c : form->controls()) {
    if (c->kind() != ControlKind::TextBox) continue;
    const std::string where = GetParam() + "." + c->id().text();
    QAccessibleInterface* a = accessibleOf(window, *c);
    ASSERT_NE(a->editableTextInterface(), nullptr) << where;
    c->setText("");
    a->editableTextInterface()->insertText(0, QStringLiteral("12"));
    EXPECT_EQ(c->text(), "12") << where;
    a->editableTextInterface()->replaceText(0, 2, QStringLiteral("345"));
    EXPECT_EQ(c->text(), "345") << where;
    a->editableTextInterface()->deleteText(0, 1);
    EXPECT_EQ(c->text(), "45") << where;
    a->setText(QAccessible::Value, QStringLiteral("６"));
    EXPECT_EQ(c->text(), "６") << where;
    // And the form's own change is what is read back.
    c->setText("7");
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()),
              QStringLiteral("7"))
        << where;
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

TEST(AccessibilityTest, TheMenuBarReadsAsAMenuBarWithItsMenusAndItems) {
  ProgramView view;
  FormWindow* window = view.show("frm1Main");
  QAccessibleInterface* bar = accessible(window->menuWidget());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->role(), QAccessible::MenuBar);
  ASSERT_EQ(bar->childCount(), 2);
  QAccessibleInterface* info = bar->child(0);
  EXPECT_EQ(info->role(), QAccessible::PopupMenu);
  EXPECT_EQ(info->text(QAccessible::Name), QStringLiteral("【情　　報】"));
  EXPECT_FALSE(info->state().invisible);
  QAccessibleInterface* kankyo = bar->child(1);
  EXPECT_EQ(kankyo->text(QAccessible::Name), QStringLiteral("環境作成"));
  EXPECT_TRUE(kankyo->state().invisible);  // hidden at every load
  ASSERT_EQ(info->childCount(), 1);
  QAccessibleInterface* harumo = info->child(0);
  EXPECT_EQ(harumo->role(), QAccessible::MenuItem);
  EXPECT_EQ(harumo->text(QAccessible::Name), QStringLiteral("ハルモ"));
  EXPECT_EQ(harumo->parent(), info);
  EXPECT_EQ(info->indexOfChild(harumo), 0);
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
