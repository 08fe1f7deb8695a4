// A window closed in the handler that opens another one lends the new form
// its top-level window: the new form's controls alone are there, they work,
// and nothing of the old form is left to answer.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "program_view.h"

namespace zunobi::ui::qt {
namespace {

int formWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += dynamic_cast<FormWindow*>(w) != nullptr;
  return n;
}

// The controls rendered in the window's client area, by the form's names.
std::vector<std::string> renderedNames(FormWindow& window) {
  std::vector<std::string> names;
  for (const auto& c : window.form()->controls())
    if (window.widgetFor(c->id())) names.push_back(c->id().name);
  return names;
}

void clickOn(FormWindow& window, const ControlId& id) {
  auto* b = dynamic_cast<QPushButton*>(window.widgetFor(id));
  ASSERT_NE(b, nullptr) << id.name;
  b->click();
  QApplication::processEvents();
}

// The drill's button back to the menu, whatever its name.
ControlId backButton(const Form& drill) {
  for (const auto& c : drill.controls())
    if (c->kind() == ControlKind::Button &&
        (c->caption() == "メニューへ戻る" || c->caption() == "メインへ戻る") && c->visible())
      return c->id();
  return {};
}

std::vector<FormWindow*> visibleWindows() {
  std::vector<FormWindow*> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = dynamic_cast<FormWindow*>(w); f && f->isVisible()) shown.push_back(f);
  return shown;
}

TEST(WindowReuse, EachWayBetweenTheMenuAndADrillLeavesOnlyTheNewFormsControls) {
  ProgramView view;
  FormWindow* menu = view.show(app::Frm1Main::kName);
  ASSERT_NE(menu, nullptr);
  const int before = formWindows();
  // Round and round: the drills large enough for the menu's picture take the
  // menu's window, the others a window of their own, and back again.
  for (const auto& drill : {"frm2Bunsyo", "frm2Keisan", "frm20Mogura", "frm21NijiJyukugo"}) {
    const ControlId button{std::string(app::findDrill(drill)->menuButton), -1};
    FormWindow* from = view.host.windowFor(*view.manager.find(app::Frm1Main::kName));
    clickOn(*from, button);
    ASSERT_EQ(view.manager.find(app::Frm1Main::kName), nullptr) << drill;
    FormWindow* w = view.host.windowFor(*view.manager.find(drill));
    ASSERT_NE(w, nullptr) << drill;
    EXPECT_TRUE(w->isVisible()) << drill;
    // Never the window just closed: a screen reader hears only a window that appears.
    EXPECT_NE(w, from) << drill;
    EXPECT_EQ(visibleWindows(), std::vector<FormWindow*>{w}) << drill;
    // Windows kept hidden are nothing a screen reader finds.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(qApp)->childCount(), 1) << drill;
    EXPECT_EQ(w->accessibleName().toStdString(), view.manager.find(drill)->caption());
    EXPECT_EQ(renderedNames(*w).size(), w->form()->controls().size()) << drill;
    // Only the drill's own controls sit in the window.
    EXPECT_EQ(w->client()->findChildren<QPushButton*>().size(), [&] {
      qsizetype n = 0;
      for (const auto& c : w->form()->controls()) n += c->kind() == ControlKind::Button;
      return n;
    }()) << drill;

    clickOn(*w, backButton(*w->form()));
    FormWindow* back = view.host.windowFor(*view.manager.find(app::Frm1Main::kName));
    ASSERT_NE(back, nullptr) << drill;
    EXPECT_TRUE(back->isVisible());
    EXPECT_EQ(back->client()->findChildren<QPushButton*>().size(), 13) << "twelve drills and end";
    // Closed windows are kept, but only a few.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_LE(formWindows(), before + 3) << drill;
  }
}

// Widgets, shortcuts and actions of all the program's windows.
qsizetype objectsHeld() {
  qsizetype n = QApplication::allWidgets().size();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = dynamic_cast<FormWindow*>(w)) n += f->findChildren<QObject*>().size();
  return n;
}

TEST(WindowReuse, GoingRoundAgainHoldsNoMoreThanTheFirstTime) {
  ProgramView view;
  view.show(app::Frm1Main::kName);
  std::vector<qsizetype> held;
  for (int lap = 0; lap < 3; ++lap) {
    for (const auto* d : app::drillInfos()) {
      FormWindow* menu = view.host.windowFor(*view.manager.find(app::Frm1Main::kName));
      clickOn(*menu, {std::string(d->menuButton), -1});
      FormWindow* drill = view.host.windowFor(*view.manager.find(d->formName));
      ASSERT_NE(drill, nullptr) << d->formName;
      clickOn(*drill, backButton(*drill->form()));
    }
    QTest::qWait(300);  // the controls of closed windows go a little later
    held.push_back(objectsHeld());
  }
  EXPECT_EQ(held[2], held[1]);
}

TEST(WindowReuse, AFormShownAndUnloadedInOneHandlerNeverGetsAWindow) {
  ProgramView view;
  view.show(app::Frm1Main::kName);
  const int before = formWindows();
  view.manager.show("frm8Info");
  view.manager.unload(*view.manager.find("frm8Info"));
  QApplication::processEvents();
  EXPECT_EQ(formWindows(), before);
  EXPECT_TRUE(view.host.windowFor(*view.manager.find(app::Frm1Main::kName))->isVisible());
}

}  // namespace
}  // namespace zunobi::ui::qt
