// Which window a form is shown in: a hidden one of its size, made ready
// while the menu waits; never one on screen or just closed, with nothing of
// the form before in it, and no hidden window a screen reader can find.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <set>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "program_view.h"

namespace zunobi::ui::qt {
namespace {

std::set<FormWindow*> formWindows(bool visible) {
  std::set<FormWindow*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = dynamic_cast<FormWindow*>(w); f && f->isVisible() == visible) found.insert(f);
  return found;
}

// How many windows a screen reader finds, each where the program says it is.
int foundByScreenReader() {
  QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
  const int n = program->childCount();
  for (int i = 0; i < n; ++i) EXPECT_EQ(program->indexOfChild(program->child(i)), i);
  return n;
}

// Clicks the drill's button on the menu, or its way back; the window then.
FormWindow* go(ProgramView& view, const drills::DrillInfo& d, bool back = false) {
  const std::string menu(app::Frm1Main::kName), drill(d.formName);
  Form* from = view.manager.find(back ? drill : menu);
  ControlId id{std::string(d.menuButton), -1};
  for (const auto& c : from->controls())
    if (back && c->kind() == ControlKind::Button && c->visible() &&
        (c->caption() == "メニューへ戻る" || c->caption() == "メインへ戻る"))
      id = c->id();
  auto* b = dynamic_cast<QPushButton*>(view.host.windowFor(*from)->widgetFor(id));
  if (!b) return nullptr;
  b->click();
  QApplication::processEvents();
  const Form* to = view.manager.find(back ? menu : drill);
  return to ? view.host.windowFor(*to) : nullptr;
}

// Buttons the window shows, against those its form shows.
std::pair<int, int> buttons(FormWindow& w) {
  int shown = 0, declared = 0;
  for (auto* b : w.findChildren<QPushButton*>()) shown += b->isVisibleTo(&w);
  for (const auto& c : w.form()->controls())
    declared += c->kind() == ControlKind::Button && w.form()->showing(*c);
  return {shown, declared};
}

TEST(WindowReuse, EveryDrillOpensInAWindowMadeReadyWhileTheMenuWaited) {
  ProgramView view;
  view.show(app::Frm1Main::kName);
  QTest::qWait(2500);  // the menu read a while, long enough on a busy machine
  EXPECT_EQ(foundByScreenReader(), 1);
  const auto settled = [&](const drills::DrillInfo& d, bool back) {
    QTest::qWait(300);  // the window closed last is no longer just closed
    const std::set<FormWindow*> hidden = formWindows(false);
    FormWindow* w = go(view, d, back);
    EXPECT_TRUE(w && hidden.count(w)) << d.formName << back << ": a window hidden before";
    return w;
  };
  for (const auto* d : app::drillInfos()) {
    FormWindow* w = settled(*d, false);
    ASSERT_NE(w, nullptr) << d->formName;
    EXPECT_EQ(formWindows(true), std::set<FormWindow*>{w}) << d->formName;
    EXPECT_EQ(foundByScreenReader(), 1) << d->formName;
    const auto [shown, declared] = buttons(*w);
    EXPECT_EQ(shown, declared) << d->formName << ": the drill's own buttons alone";
    ASSERT_NE(w = settled(*d, true), nullptr) << d->formName;
    EXPECT_EQ(buttons(*w), std::make_pair(13, 13)) << "twelve drills and end";
  }
  // At once again to a drill and back: not in the windows just left.
  const auto& d = *app::drillInfos().back();
  FormWindow* menu = view.host.windowFor(*view.manager.find(app::Frm1Main::kName));
  FormWindow* w = go(view, d);
  EXPECT_NE(go(view, d, true), menu);
  EXPECT_NE(go(view, d), w);
  // Kept: one window of each size at most, holding no form.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::set<std::pair<int, int>> sizes;
  for (FormWindow* f : formWindows(false)) {
    EXPECT_TRUE(sizes.insert({f->width(), f->height()}).second) << f->width() << "x" << f->height();
    EXPECT_EQ(f->form(), nullptr);
  }
  EXPECT_LT(sizes.size(), app::formRegistry().names().size());
}

// Controls, shortcuts and actions in the program's windows; the windows
// themselves aside, as how many are kept is bounded above.
qsizetype objectsHeld() {
  qsizetype n = 0;
  for (QWidget* w : QApplication::allWidgets()) n += !dynamic_cast<FormWindow*>(w);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (dynamic_cast<FormWindow*>(w))
      for (QObject* o : w->findChildren<QObject*>()) n += !qobject_cast<QLayout*>(o);
  return n;
}

TEST(WindowReuse, GoingRoundAgainHoldsNoMoreThanTheFirstTime) {
  ProgramView view;
  view.show(app::Frm1Main::kName);
  std::vector<qsizetype> held;
  for (int lap = 0; lap < 3; ++lap) {
    for (const auto* d : app::drillInfos()) {
      ASSERT_NE(go(view, *d), nullptr) << d->formName;
      go(view, *d, true);
    }
    QTest::qWait(300);  // the controls of closed windows go a little later
    held.push_back(objectsHeld());
  }
  EXPECT_EQ(held[2], held[1]);
}

TEST(WindowReuse, AWindowBesideTheMenuGetsOneOfItsOwnAndOneUnloadedAtOnceNone) {
  ProgramView view;
  FormWindow* menu = view.show(app::Frm1Main::kName);
  const std::size_t before = formWindows(true).size() + formWindows(false).size();
  view.manager.show("frm8Info");
  view.manager.unload(*view.manager.find("frm8Info"));
  QApplication::processEvents();
  EXPECT_EQ(formWindows(true).size() + formWindows(false).size(), before);
  EXPECT_EQ(view.show("frm8Info") == menu, false);
  EXPECT_EQ(formWindows(true).size(), 2u);
}

}  // namespace
}  // namespace zunobi::ui::qt
