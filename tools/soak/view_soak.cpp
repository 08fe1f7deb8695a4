#include "soak/view_soak.h"

#include <malloc.h>
#include <unistd.h>

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <atomic>
#include <cstdio>
#include <fstream>

#include "app/form_registry.h"
#include "app/frm1_main.h"
#include "soak/virtual_time.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window_pool.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

// Qt's slots for tools that follow every QObject (qhooks_p.h; the header is
// private, the array is exported).
extern quintptr Q_CORE_EXPORT qtHookData[];

// The view's pictures live in a static library.
static void initResources() { Q_INIT_RESOURCE(resources); }

namespace zunobi::soak {

using ui::qt::FormWindow;

namespace {

constexpr int kAddQObjectHook = 3, kRemoveQObjectHook = 4, kHookDataSize = 1;

std::atomic<std::int64_t> live{0};
std::uint64_t* warnings = nullptr;

// The screen the windows are drawn on: large enough for the menu enlarged,
// too small for the largest windows at the largest step.
constexpr const char* kScreen =
    R"({"screens": [{"name": "soak", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

// At most this many actions a waiting wait lets pass as time flowing; a
// longer one is a sleep of the machine.
constexpr std::int64_t kLongestFlowMs = 2000;

// The resident memory after the run may be this much above the baseline.
constexpr double kMemoryGrowth = 0.10;
constexpr std::uint64_t kBaselineActions = 10000;
// The pool keeps more spare windows as it meets more sizes, each of them
// this many objects (the window, its layout, platform window, timer, …);
// they are counted apart, and so are a few objects passing by (a timer
// about to fire, a menu being opened).
constexpr std::int64_t kObjectsPerSpare = 5;
constexpr std::int64_t kObjectsPassing = 10;

#if defined(__SANITIZE_ADDRESS__)
// Freed memory waits in AddressSanitizer's quarantine: the resident memory
// grows by design there.
constexpr bool kMemoryMeasurable = false;
#else
constexpr bool kMemoryMeasurable = true;
#endif

QString text(const std::string& s) { return ui::qt::qtText(s); }

std::string str(const QString& s) { return s.toStdString(); }

std::string rect(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

// The caption a control's widget shows; nullopt where it shows none of its
// own to compare (a picture).
std::optional<QString> shownCaption(const QWidget* w) {
  if (auto* b = dynamic_cast<const ui::qt::CaptionButton*>(w)) return b->caption();
  if (auto* l = dynamic_cast<const ui::qt::LabelWidget*>(w)) return l->caption();
  if (auto* e = dynamic_cast<const QLineEdit*>(w)) return e->text();
  if (auto* g = dynamic_cast<const ui::qt::FrameWidget*>(w)) return g->title();
  if (auto* r = dynamic_cast<const ui::qt::OptionWidget*>(w)) return r->text();
  return std::nullopt;
}

// As the view shows it: an empty notice without a border is no thing to see.
bool meantVisible(const ui::Control& c) {
  return c.visible() && !(c.notice() && c.caption().empty() && !c.border());
}

void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // QTest says so of every click on a label; a label takes no click.
  if (message.contains(QLatin1String("not accepted by receiving widget"))) return;
  // The offscreen platform's own limits.
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (warnings && (*warnings)++ < 20) std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

}  // namespace

void countQObjects() {
  if (qtHookData[kHookDataSize] <= static_cast<quintptr>(kRemoveQObjectHook)) return;
  qtHookData[kAddQObjectHook] = reinterpret_cast<quintptr>(+[](QObject*) { ++live; });
  qtHookData[kRemoveQObjectHook] = reinterpret_cast<quintptr>(+[](QObject*) { --live; });
}

std::int64_t liveQObjects() { return live; }

std::int64_t residentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

ViewHands::ViewHands(VirtualTime& time) : time_(time) { warnings = &figures_.qtWarnings; }

ViewHands::~ViewHands() {
  host_.reset();
  warnings = nullptr;
}

void ViewHands::join(const Soak& soak) {
  Hands::join(soak);
  start_ = soak.clock.now();
  time_.moved = [this](std::int64_t ms) { soak_->clock.set(start_.plusSeconds(ms / 1000)); };
  figures_.rssStart = residentBytes();
  figures_.objectsStart = liveQObjects();
}

void ViewHands::started(ui::WindowManager& manager) {
  // A new run of the program: its windows go with the last one's, and it
  // starts at the design size.
  host_.reset();
  time_.settle();
  ui::qt::choosePercent(ui::qt::kDesignPercent);
  manager_ = &manager;
  host_ = std::make_unique<ui::qt::QtHost>(manager);
  manager.setHost(host_.get());
}

FormWindow* ViewHands::windowOf(const ui::Form& f) {
  // A window shown is on screen once what showed it is done.
  time_.settle();
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* w = dynamic_cast<FormWindow*>(top); w && w->form() == &f && w->isVisible()) return w;
  return nullptr;
}

FormWindow* ViewHands::someWindow() const {
  if (auto* active = dynamic_cast<FormWindow*>(QApplication::activeWindow());
      active && active->isVisible() && active->form())
    return active;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* w = dynamic_cast<FormWindow*>(top); w && w->isVisible() && w->form()) return w;
  return nullptr;
}

void ViewHands::activate(FormWindow* w) {
  if (QApplication::activeWindow() == w) return;
  w->activateWindow();
  time_.settle();
}

void ViewHands::clickAt(FormWindow* w, QPoint inWindow) {
  activate(w);
  QWidget* target = w->childAt(inWindow);
  if (!target) target = w;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(w, inWindow));
}

void ViewHands::clickWidget(FormWindow* w, QWidget* widget) {
  // Where the user sees it: whatever lies on top there takes the click.
  if (widget) clickAt(w, widget->mapTo(w, widget->rect().center()));
}

void ViewHands::clickMenu(FormWindow* w, const ui::ControlId& id) {
  QAction* item = w->actionFor(id);
  auto* bar = qobject_cast<QMenuBar*>(w->menuWidget());
  if (!item || !bar) return;  // the check names what is missing
  activate(w);
  QMenu* holder = nullptr;
  for (QAction* top : bar->actions())
    if (top->menu() && top->menu()->actions().contains(item)) holder = top->menu();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                    bar->actionGeometry(holder ? holder->menuAction() : item).center());
  time_.settle();
  if (holder && holder->isVisible())
    QTest::mouseClick(holder, Qt::LeftButton, Qt::NoModifier,
                      holder->actionGeometry(item).center());
}

void ViewHands::click(ui::Form& f, const ui::ControlId& id) {
  FormWindow* w = windowOf(f);
  if (!w) return;
  if (f.has(id.name, id.index) && f.control(id.name, id.index).kind() == ui::ControlKind::Menu)
    clickMenu(w, id);
  else
    clickWidget(w, w->widgetFor(id));
}

void ViewHands::key(QWidget* to, int k, Qt::KeyboardModifiers modifiers) {
  // A key goes to the menu that is open, else to the focus.
  if (QWidget* popup = QApplication::activePopupWidget()) to = popup;
  QTest::keyClick(to, static_cast<Qt::Key>(k), modifiers);
}

void ViewHands::typeInto(const ui::Form& f, FormWindow* w, const QString& typed) {
  // Letters, digits and signs from the keyboard; kana, kanji and the like
  // from the input method, a word at a time, where the box takes it.
  QString composed;
  auto commit = [&] {
    if (composed.isEmpty() || windowOf(f) != w) return;
    QWidget* to = w->focusWidget() ? w->focusWidget() : w;
    if (to->testAttribute(Qt::WA_InputMethodEnabled)) {
      QInputMethodEvent event;
      event.setCommitString(composed);
      QCoreApplication::sendEvent(to, &event);
    } else {
      QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, composed, Qt::NoModifier);
    }
    composed.clear();
    time_.settle();
  };
  for (const char32_t c : typed.toUcs4()) {
    if (c >= 0x80) {
      composed += QString::fromUcs4(&c, 1);
      continue;
    }
    commit();
    QWidget* to = w->focusWidget() ? w->focusWidget() : w;
    if (c == '\t')
      key(to, Qt::Key_Tab);
    else if (c == '\n' || c == '\r')
      key(to, Qt::Key_Return);
    else
      QTest::keyClick(to, static_cast<char>(c));
    time_.settle();
    if (windowOf(f) != w) return;  // the key closed the window
  }
  commit();
}

void ViewHands::type(ui::Form& f, const ui::ControlId& id, const std::string& typed) {
  FormWindow* w = windowOf(f);
  if (!w) return;
  clickWidget(w, w->widgetFor(id));
  time_.settle();
  if (windowOf(f) == w) typeInto(f, w, text(typed));
}

void ViewHands::setText(ui::Form& f, const ui::ControlId& id, const std::string& s) {
  // As a screen reader or a dictation tool sets it.
  FormWindow* w = windowOf(f);
  QAccessibleInterface* box = w ? QAccessible::queryAccessibleInterface(w->widgetFor(id)) : nullptr;
  if (!box) return;
  if (QAccessibleEditableTextInterface* edit = box->editableTextInterface(); edit && roll(2)) {
    edit->replaceText(0, box->textInterface()->characterCount(), text(s));
  } else {
    box->setText(QAccessible::Value, text(s));
  }
}

void ViewHands::enter(ui::Form& f, const ui::ControlId& id) {
  FormWindow* w = windowOf(f);
  if (!w) return;
  QWidget* box = w->widgetFor(id);
  if (box && !box->hasFocus()) clickWidget(w, box);
  time_.settle();
  if (windowOf(f) == w) key(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
}

void ViewHands::closeBox(ui::Form& f) {
  FormWindow* w = windowOf(f);
  if (!w || !w->windowHandle()) return;
  // What the desktop sends when its close box is clicked.
  QCloseEvent event;
  QSpontaneKeyEvent::setSpontaneous(&event);
  QCoreApplication::sendEvent(w->windowHandle(), &event);
}

void ViewHands::shortcut(ui::Form& f, std::string_view keys) {
  FormWindow* w = windowOf(f);
  if (!w) return;
  activate(w);
  const QKeyCombination k = QKeySequence(QString::fromUtf8(keys.data(), keys.size()))[0];
  key(w->focusWidget() ? w->focusWidget() : w, k.key(), k.keyboardModifiers());
}

void ViewHands::resize(ui::Form& f, std::int32_t width, std::int32_t height) {
  FormWindow* w = windowOf(f);
  if (!w) return;
  // Dragged at its border, within the screen as the desktop keeps it.
  const QSize most = QApplication::primaryScreen()->availableGeometry().size();
  w->resize(std::min(ui::qt::toPixels(width, w->percent()), most.width()),
            std::min(ui::qt::toPixels(height, w->percent()), most.height()));
}

void ViewHands::pass(ui::Form&, std::int64_t ms) {
  if (ms <= kLongestFlowMs)
    time_.flow(ms);
  else
    time_.jump(ms);
}

void ViewHands::readMenu(const ui::FormRegistry&) {
  // Long enough for the windows to prepare ahead, as they do while the menu
  // is read.
  time_.flow(300 + roll(1200));
  if (manager_ &&
      manager_->loadedNames() == std::vector<std::string>{std::string(app::Frm1Main::kName)}) {
    // What the allocator keeps free goes back first: the memory measured is
    // what the program holds, not the high-water mark of the drills before.
    malloc_trim(0);
    ViewFigures::Rest& most = figures_.baselineAt ? figures_.restAfter : figures_.restBefore;
    std::int64_t objects = liveQObjects();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* w = dynamic_cast<FormWindow*>(top); w && w->isHidden()) objects -= kObjectsPerSpare;
    most.objects = std::max(most.objects, objects);
    most.rss = std::max(most.rss, residentBytes());
  }
}

// Keys of the view's own: enlargement, the menu bar from the keyboard, and
// moving about in it and between the controls.
void ViewHands::viewKeys(FormWindow* w) {
  struct Key {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
  };
  static const Key keys[] = {
      {"Ctrl++", Qt::Key_Plus, Qt::ControlModifier},
      {"Ctrl+;", Qt::Key_Semicolon, Qt::ControlModifier},
      {"Ctrl+= ", Qt::Key_Equal, Qt::ControlModifier},
      {"Ctrl+keypad +", Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier},
      {"Ctrl+-", Qt::Key_Minus, Qt::ControlModifier},
      {"Ctrl+0", Qt::Key_0, Qt::ControlModifier},
      {"F10", Qt::Key_F10, Qt::NoModifier},
      {"Down", Qt::Key_Down, Qt::NoModifier},
      {"Up", Qt::Key_Up, Qt::NoModifier},
      {"Left", Qt::Key_Left, Qt::NoModifier},
      {"Right", Qt::Key_Right, Qt::NoModifier},
      {"Escape", Qt::Key_Escape, Qt::NoModifier},
      {"Enter", Qt::Key_Return, Qt::NoModifier},
      {"Tab", Qt::Key_Tab, Qt::NoModifier},
      {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
      {"Space", Qt::Key_Space, Qt::NoModifier},
  };
  activate(w);
  QWidget* to = w->focusWidget() ? w->focusWidget() : w;
  const unsigned pick = roll(std::size(keys) + 1);
  if (pick == std::size(keys)) {
    soak_->note(w->form()->name() + ": Alt");
    if (QApplication::activePopupWidget()) to = QApplication::activePopupWidget();
    QTest::keyPress(to, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(to, Qt::Key_Alt, Qt::NoModifier);
    return;
  }
  soak_->note(w->form()->name() + ": " + keys[pick].name);
  key(to, keys[pick].key, keys[pick].modifiers);
}

// A screen reader's press, toggle or text, on a control that shows.
void ViewHands::accessibleAction(FormWindow* w) {
  std::vector<const ui::Control*> targets;
  for (const auto& c : w->form()->controls())
    if (c->kind() != ui::ControlKind::Menu && c->kind() != ui::ControlKind::Label &&
        c->kind() != ui::ControlKind::Frame && w->form()->showing(*c))
      targets.push_back(c.get());
  if (targets.empty()) return;
  const ui::Control& c = *targets[roll(targets.size())];
  const ui::ControlId id = c.id();
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w->widgetFor(id));
  if (!a) return;
  if (c.kind() == ui::ControlKind::TextBox) {
    const QString typed = QString::number(roll(200));
    soak_->note(w->form()->name() + ": accessibility sets " + id.text() + " to " + str(typed));
    a->setText(QAccessible::Value, typed);
    return;
  }
  QAccessibleActionInterface* actions = a->actionInterface();
  if (!actions || actions->actionNames().isEmpty()) return;
  const QString action = actions->actionNames()[roll(actions->actionNames().size())];
  soak_->note(w->form()->name() + ": accessibility " + str(action) + " on " + id.text());
  actions->doAction(action);
  // A press is animated a little before it clicks.
  time_.flow(150);
}

bool ViewHands::more(ui::WindowManager&) {
  if (roll(100) >= 15) return false;
  FormWindow* w = someWindow();
  if (!w) return false;
  ++figures_.viewActions;
  const std::string name = w->form()->name();
  switch (roll(6)) {
    case 0:
    case 1:
      viewKeys(w);
      break;
    case 2: {
      const QPoint at(static_cast<int>(roll(std::max(w->width(), 1))),
                      static_cast<int>(roll(std::max(w->height(), 1))));
      soak_->note(name + ": click at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
      clickAt(w, at);
      break;
    }
    case 3:
      accessibleAction(w);
      break;
    case 4: {
      const std::int64_t ms = roll(700);
      soak_->note(name + ": waits " + std::to_string(ms) + " ms");
      time_.flow(ms);
      break;
    }
    default: {
      // Another window of those on screen comes to the front.
      std::vector<FormWindow*> shown;
      for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* o = dynamic_cast<FormWindow*>(top); o && o->isVisible() && o->form())
          shown.push_back(o);
      FormWindow* other = shown[roll(shown.size())];
      soak_->note(other->form()->name() + ": brought to the front");
      activate(other);
      break;
    }
  }
  return true;
}

void ViewHands::settleOrFail() {
  if (!time_.settle() && stuck_.empty()) stuck_ = "the view never comes to rest";
}

std::string ViewHands::check(ui::WindowManager& manager, const SoakReport& report) {
  settleOrFail();
  if (!stuck_.empty()) return stuck_;
  if (std::string broken = agrees(manager); !broken.empty()) return broken;
  return memory(report);
}

// The view shows what the forms hold, and nothing else.
std::string ViewHands::agrees(const ui::WindowManager& manager) const {
  std::vector<FormWindow*> shown, spare;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* w = dynamic_cast<FormWindow*>(top)) {
      (w->isVisible() ? shown : spare).push_back(w);
    } else if (top->isVisible() && !qobject_cast<QMenu*>(top)) {
      return "a window of no form is on screen: " + std::string(top->metaObject()->className());
    }
  }
  const auto loaded = manager.loadedNames();
  std::set<const ui::Form*> seen;
  for (FormWindow* w : shown) {
    const ui::Form* f = w->form();
    if (!f) return "a window on screen shows no form";
    if (manager.find(f->name()) != f)
      return "a window on screen shows " + f->name() + ", not loaded";
    if (!seen.insert(f).second) return f->name() + " is on screen twice";
  }
  if (seen.size() != loaded.size())
    return std::to_string(shown.size()) + " windows on screen for " +
           std::to_string(loaded.size()) + " loaded";
  if (spare.size() > ui::qt::WindowPool::kSpares)
    return std::to_string(spare.size()) + " hidden windows, more than the " +
           std::to_string(ui::qt::WindowPool::kSpares) + " kept";
  for (FormWindow* w : spare)
    if (w->form()) return "a hidden window still holds " + w->form()->name();

  // A screen reader finds the windows on screen and no other.
  QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
  if (program->childCount() != static_cast<int>(shown.size()))
    return "a screen reader finds " + std::to_string(program->childCount()) + " windows, " +
           std::to_string(shown.size()) + " on screen";
  for (int i = 0; i < program->childCount(); ++i) {
    QAccessibleInterface* child = program->child(i);
    if (!child || std::find(shown.begin(), shown.end(), child->object()) == shown.end())
      return "a screen reader finds a window that is not on screen";
  }

  for (FormWindow* w : shown) {
    const ui::Form& f = *w->form();
    const std::string at = f.name() + ": ";
    const int percent = w->percent();
    if (percent < ui::qt::kDesignPercent || percent > ui::qt::chosenPercent() ||
        percent % ui::qt::kPercentStep)
      return at + "drawn at " + std::to_string(percent) + "% with " +
             std::to_string(ui::qt::chosenPercent()) + "% chosen";
    const auto px = [&](std::int32_t twips) { return ui::qt::toPixels(twips, percent); };
    if (w->windowTitle() != text(f.caption()))
      return at + "the title reads \"" + str(w->windowTitle()) + "\"";
    if (w->accessibleName() != text(f.caption()))
      return at + "the window's name reads \"" + str(w->accessibleName()) + "\"";
    const QSize client(px(f.clientWidth()), px(f.clientHeight()));
    if (f.resizable() ? std::abs(w->client()->width() - client.width()) > 1 ||
                            std::abs(w->client()->height() - client.height()) > 1
                      : w->client()->size() != client)
      return at + "the client area is " + rect(w->client()->geometry()) + ", the form's " +
             rect(QRect(QPoint(), client));

    std::set<const QWidget*> controls;
    for (const auto& c : f.controls()) {
      const std::string of = at + c->id().text() + " ";
      if (c->kind() == ui::ControlKind::Menu) {
        QAction* a = w->actionFor(c->id());
        if (!a) return of + "has no menu item";
        if (a->text() != text(c->caption())) return of + "reads \"" + str(a->text()) + "\"";
        if (a->isVisible() != c->visible()) return of + "is shown as it is not";
        continue;
      }
      QWidget* x = w->widgetFor(c->id());
      if (!x) return of + "has no widget";
      controls.insert(x);
      const QWidget* parent = c->parent().name.empty() ? w->client() : w->widgetFor(c->parent());
      if (x->parentWidget() != parent) return of + "lies outside its frame";
      if (auto shows = shownCaption(x); shows && *shows != text(c->caption()))
        return of + "shows \"" + str(*shows) + "\" for \"" + c->caption() + "\"";
      if (x->isHidden() == meantVisible(*c))
        return of + (x->isHidden() ? "is hidden" : "is shown") + " against the form";
      const ui::Rect& r = c->place();
      const QRect place(px(r.left), px(r.top), px(r.width), px(r.height));
      if (x->geometry() != place)
        return of + "lies at " + rect(x->geometry()) + " for " + rect(place) + " at " +
               std::to_string(percent) + "%";
      if (auto* option = dynamic_cast<const QAbstractButton*>(x);
          option && c->kind() == ui::ControlKind::OptionButton &&
          option->isChecked() != c->selected())
        return of + (option->isChecked() ? "is checked" : "is not checked") + " against the form";
    }
    for (const QWidget* x : w->client()->findChildren<QWidget*>())
      if (!controls.count(x))
        return at + "a " + x->metaObject()->className() + " at " + rect(x->geometry()) +
               " belongs to no control";
    for (const QObject* o : w->children())
      if (auto* x = qobject_cast<const QWidget*>(o);
          x && !x->isHidden() && x != w->client() && x != w->menuWidget())
        return at + "a " + x->metaObject()->className() + " shows beside the form";
  }

  // The focus is on a control that shows, or in the menu bar.
  QWidget* focus = QApplication::focusWidget();
  if (!focus || qobject_cast<QMenuBar*>(focus) || qobject_cast<QMenu*>(focus)) return {};
  for (FormWindow* w : shown)
    for (const auto& c : w->form()->controls())
      if (w->widgetFor(c->id()) == focus) {
        if (!w->form()->showing(*c) || !focus->isVisible())
          return w->form()->name() + ": the focus is on " + c->id().text() + ", which is hidden";
        return {};
      }
  return std::string("the focus is on a ") + focus->metaObject()->className() +
         " of no control on screen";
}

// With the menu alone on screen, the resident memory stays within a tenth of
// the most it was before every window had been visited and ten thousand
// actions were done, and the live objects never exceed their most before.
std::string ViewHands::memory(const SoakReport& report) {
  if (!figures_.baselineAt) {
    if (report.actions + 1 >= kBaselineActions &&
        report.visitsByWindow.size() == app::drillInfos().size()) {
      figures_.baselineAt = report.actions + 1;
      figures_.rssBaseline = residentBytes();
    }
    return {};
  }
  const auto& before = figures_.restBefore;
  const auto& after = figures_.restAfter;
  const std::string when = " with the menu alone on screen, at most ";
  const std::string since = " before the " + std::to_string(figures_.baselineAt) + "th action";
  if (after.objects > before.objects + kObjectsPassing)
    return std::to_string(after.objects) + " live objects besides the spare windows" + when +
           std::to_string(before.objects) + since;
  if (kMemoryMeasurable && after.rss > before.rss * (1 + kMemoryGrowth))
    return "resident memory " + std::to_string(after.rss >> 20) + " MB" + when +
           std::to_string(before.rss >> 20) + " MB" + since;
  return {};
}

void ViewHands::finish() {
  time_.settle();
  figures_.rssEnd = residentBytes();
  figures_.objectsEnd = liveQObjects();
}

ViewSoak::ViewSoak(int& argc, char** argv) {
  countQObjects();
  // The offscreen platform, whatever the environment says: the same run
  // everywhere.
  const std::string config = screen_.path() + "/screen.json";
  writeFile(config, kScreen);
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
  qInstallMessageHandler(onQtMessage);
  initResources();
  ui::qt::prepareFonts();
  time_ = new VirtualTime;
  QCoreApplication::setEventDispatcher(time_);
  app_ = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(ui::qt::qtFont(ui::Font{}));
  // As an assistive technology on the bus makes it: every change is told.
  QAccessible::setActive(true);
  hands_ = std::make_unique<ViewHands>(*time_);
}

ViewSoak::~ViewSoak() {
  hands_.reset();
  app_.reset();
}

}  // namespace zunobi::soak
