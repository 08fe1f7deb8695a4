#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "ui/qt/accessibility.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

Qt::Alignment alignmentOf(Align a) {
  switch (a) {
    case Align::Centre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

// Room the desktop takes around a window (title bar, borders) before the
// window has been shown and can tell.
constexpr int kFrameAllowance = 40;

// Shown on screen: an empty notice without a border draws nothing, and is
// not shown, so as not to be told to a screen reader.
bool shownAsVisible(const Control& c) {
  return c.visible() && !(c.notice() && c.caption().empty() && !c.border());
}

// Only a colour that differs is set: every palette change is propagated.
void setForeground(QWidget* w, std::uint32_t rgb) {
  const QColor colour = qtColour(rgb);
  QPalette p = w->palette();
  if (p.color(QPalette::WindowText) == colour && p.color(QPalette::Text) == colour) return;
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::Text, colour);
  w->setPalette(p);
}

}  // namespace

FormWindow::FormWindow() {
  installAccessibility();
  setAttribute(Qt::WA_DeleteOnClose, false);
  timer_.setTimerType(Qt::CoarseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (form_) form_->tick();
  });
}

FormWindow::FormWindow(std::shared_ptr<Form> form) : FormWindow() { attach(std::move(form)); }

FormWindow::~FormWindow() { detach(); }

void FormWindow::attach(std::shared_ptr<Form> form) {
  form_ = std::move(form);
  percent_ = chosenPercent();
  syncing_ = altAlone_ = false;
  client_ = new QWidget(this);
  setCentralWidget(client_);
  client_->installEventFilter(this);
  build();
  form_->setView(this);
}

void FormWindow::detach() {
  timer_.stop();
  if (form_ && form_->view() == this) form_->setView(nullptr);
  form_.reset();
}

QWidget* FormWindow::release() {
  detach();
  setWindowTitle(QString());
  setAccessibleName(QString());
  QWidget* old = takeCentralWidget();
  if (old) {
    old->setParent(this);  // deleted with the window at the latest
    old->hide();
  }
  if (QWidget* bar = menuWidget()) {
    setMenuWidget(nullptr);  // the window deletes it later itself
    bar->hide();
  }
  client_ = nullptr;
  notices_.clear();
  widgets_.clear();
  actions_.clear();
  textBoxes_.clear();
  return old;
}

void FormWindow::showTitle() {
  if (form_) setWindowTitle(qtText(form_->caption()));
}

void FormWindow::build() {
  // Frames first, so that their children can be placed inside them.
  for (const auto& c : form_->controls())
    if (c->kind() == ControlKind::Frame && c->parent().name.empty())
      widgets_[c->id()] = makeWidget(*c, client_);
  for (const auto& c : form_->controls())
    if (c->kind() == ControlKind::Frame && !c->parent().name.empty())
      widgets_[c->id()] = makeWidget(*c, widgets_.at(c->parent()));
  for (const auto& c : form_->controls()) {
    if (c->kind() == ControlKind::Frame || c->kind() == ControlKind::Menu) continue;
    QWidget* parent = c->parent().name.empty() ? client_ : widgets_.at(c->parent());
    widgets_[c->id()] = makeWidget(*c, parent);
  }
  for (const auto& c : form_->controls())
    if (c->kind() != ControlKind::Menu) applyAll(*c);
  buildMenus();
  setAccessibleName(qtText(form_->caption()));

  // Keyboard order as the form gives it.
  QWidget* previous = nullptr;
  for (const auto& id : form_->tabOrder()) {
    QWidget* w = widgetFor(id);
    if (!w) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
  for (const std::string& keys : form_->shortcuts()) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(keys)), client_);
    QObject::connect(shortcut, &QShortcut::activated, this, [this, keys] {
      if (form_) form_->shortcut(keys);
    });
  }
  addKeys();
  applyClientSize();
  applyTimer();
}

// The view's own keys: enlargement, and the menu bar from the keyboard.
void FormWindow::addKeys() {
  const auto ctrl = [](Qt::Key key, Qt::KeyboardModifiers more = {}) {
    return QKeySequence(QKeyCombination(Qt::ControlModifier | more, key));
  };
  // Keyboards differ in where "+" is: Ctrl+; and Ctrl+= stand for it.
  const QList<QKeySequence> bigger{ctrl(Qt::Key_Plus), ctrl(Qt::Key_Plus, Qt::ShiftModifier),
                                   ctrl(Qt::Key_Semicolon), ctrl(Qt::Key_Equal),
                                   ctrl(Qt::Key_Plus, Qt::KeypadModifier)};
  const QList<QKeySequence> smaller{ctrl(Qt::Key_Minus), ctrl(Qt::Key_Minus, Qt::KeypadModifier)};
  const QList<QKeySequence> design{ctrl(Qt::Key_0), ctrl(Qt::Key_0, Qt::KeypadModifier)};
  for (const auto& [keys, steps] : {std::pair{bigger, 1}, {smaller, -1}, {design, 0}}) {
    auto* shortcut = new QShortcut(client_);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, this, [this, n = steps] { enlarge(n); });
  }
  if (menuWidget()) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), client_);
    QObject::connect(f10, &QShortcut::activated, this, [this] { openMenuFromKeyboard(); });
  }
}

// A text box has no caption of its own: it reads as the label that says
// what to type, and follows that label's changes.
void FormWindow::nameTextBoxesLabelledBy(const Control& label) {
  for (const auto& c : form_->controls()) {
    if (c->kind() != ControlKind::TextBox || c->labelledBy() != label.id()) continue;
    if (QWidget* box = widgetFor(c->id())) box->setAccessibleName(qtText(label.accessibleName()));
  }
}

void FormWindow::applyName(const Control& control) {
  QWidget* w = widgetFor(control.id());
  if (!w) return;
  if (control.kind() == ControlKind::TextBox) {
    if (const ControlId& by = control.labelledBy();
        !by.name.empty() && form_->has(by.name, by.index))
      w->setAccessibleName(qtText(form_->control(by.name, by.index).accessibleName()));
    return;
  }
  w->setAccessibleName(qtText(control.accessibleName()));
  if (control.kind() == ControlKind::Label) nameTextBoxesLabelledBy(control);
}

QWidget* FormWindow::makeWidget(Control& control, QWidget* parent) {
  const ControlId id = control.id();
  switch (control.kind()) {
    case ControlKind::Label: {
      auto* l = new LabelWidget(parent);
      l->setAlignment(alignmentOf(control.align()));
      l->setBordered(control.border());
      l->setNotice(control.notice());
      return l;
    }
    case ControlKind::Button: {
      auto* b = new CaptionButton(parent);
      b->setFocusPolicy(Qt::StrongFocus);
      QObject::connect(b, &QPushButton::clicked, this, [this, id] {
        if (form_) form_->click(id.name, id.index);
      });
      return b;
    }
    case ControlKind::TextBox: {
      auto* e = new QLineEdit(parent);
      if (control.input() == InputKind::Digits) {
        e->setAttribute(Qt::WA_InputMethodEnabled, false);
        e->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
      }
      // Typed, pasted, from an input method or set through the accessibility
      // interface: the text reaches the form.
      QObject::connect(e, &QLineEdit::textChanged, this, [this, id](const QString& text) {
        if (!form_ || syncing_) return;
        syncing_ = true;
        form_->control(id.name, id.index).setText(text.toStdString());
        syncing_ = false;
      });
      e->installEventFilter(this);
      textBoxes_[e] = id;
      return e;
    }
    case ControlKind::OptionButton: {
      auto* r = new OptionWidget(parent);
      QObject::connect(r, &QRadioButton::clicked, this, [this, id, r] {
        if (!form_) return;
        form_->click(id.name, id.index);
        // Mirror the model in case the click changed nothing.
        const bool selected = form_ ? form_->control(id.name, id.index).selected() : false;
        if (r->isChecked() != selected) r->setChecked(selected);
      });
      return r;
    }
    case ControlKind::Frame: {
      auto* f = new FrameWidget(parent);
      f->setPicture(control.look() == Look::Picture);
      return f;
    }
    case ControlKind::Picture:
      return new PictureWidget(parent);
    case ControlKind::Menu:
      break;
  }
  return nullptr;
}

// The menu bar: top-level menus, with the items they hold; a top-level one
// without items carries out its own action.
void FormWindow::buildMenus() {
  std::map<ControlId, QMenu*> menus;
  QMenuBar* bar = nullptr;
  for (const auto& c : form_->controls()) {
    if (c->kind() != ControlKind::Menu) continue;
    const ControlId id = c->id();
    const QString text = qtText(c->caption());
    QAction* action = nullptr;
    if (!c->parent().name.empty()) {
      auto it = menus.find(c->parent());
      if (it == menus.end()) continue;
      action = it->second->addAction(text);
    } else {
      if (!bar) bar = menuBar();
      const bool holdsItems = std::any_of(form_->controls().begin(), form_->controls().end(),
                                          [&](const auto& o) { return o->parent() == id; });
      if (holdsItems) {
        menus[id] = bar->addMenu(text);
        action = menus[id]->menuAction();
      } else {
        action = bar->addAction(text);
      }
    }
    action->setVisible(c->visible());
    actions_[id] = action;
    QObject::connect(action, &QAction::triggered, this, [this, id] {
      if (form_) form_->click(id.name, id.index);
    });
  }
  applyMenuFont();
}

// The menu bar in the font of its first menu.
void FormWindow::applyMenuFont() {
  auto* bar = qobject_cast<QMenuBar*>(menuWidget());
  if (!bar) return;
  for (const auto& c : form_->controls())
    if (c->kind() == ControlKind::Menu && c->parent().name.empty()) {
      const QFont f = qtFont(c->font(), percent_);
      bar->setFont(f);
      for (QAction* a : bar->actions())
        if (a->menu()) a->menu()->setFont(f);
      return;
    }
}

void FormWindow::openMenuFromKeyboard() {
  auto* bar = qobject_cast<QMenuBar*>(menuWidget());
  if (!bar) return;
  for (QAction* a : bar->actions()) {
    if (!a->isVisible()) continue;
    bar->setActiveAction(a);
    if (QMenu* menu = a->menu())
      for (QAction* item : menu->actions())
        if (item->isVisible()) return menu->setActiveAction(item);
    return;
  }
}

QWidget* FormWindow::widgetFor(const ControlId& id) const {
  auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second;
}

QAction* FormWindow::actionFor(const ControlId& id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void FormWindow::applyAll(const Control& control) {
  // Place first: a frame fits its caption to its width, and a hidden one
  // hears of a new size only once shown.
  for (Property p :
       {Property::Place, Property::Font, Property::Caption, Property::Selected, Property::Visible})
    controlChanged(control, p);
}

// A screen reader tells a notification as it appears, and hears nothing of
// a later change: a notice that changes appears anew. That is done once the
// handler is over, with what the notice then shows; one shown and cleared
// in the same handler is not told at all.
void FormWindow::noteNotice(const Control& control, bool changed) {
  if (!isVisible()) {
    if (QWidget* w = widgetFor(control.id())) w->setVisible(shownAsVisible(control));
    return;
  }
  auto it = std::find_if(notices_.begin(), notices_.end(),
                         [&](const auto& n) { return n.first == control.id(); });
  if (it != notices_.end()) {
    it->second = it->second || changed;
    return;
  }
  notices_.emplace_back(control.id(), changed);
  if (notices_.size() == 1)
    QMetaObject::invokeMethod(
        this, [this] { tellNotices(); }, Qt::QueuedConnection);
}

void FormWindow::tellNotices() {
  for (const auto& [id, changed] : std::exchange(notices_, {})) {
    QWidget* w = widgetFor(id);
    if (!form_ || !w) continue;
    const bool shown = shownAsVisible(form_->control(id.name, id.index));
    if (shown && changed && w->isVisible()) w->hide();
    w->setVisible(shown);
  }
}

void FormWindow::applyPlace(const Control& control) {
  QWidget* w = widgetFor(control.id());
  if (!w) return;
  const Rect& r = control.place();
  w->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

void FormWindow::controlChanged(const Control& control, Property property) {
  if (control.kind() == ControlKind::Menu) {
    if (QAction* a = actionFor(control.id())) {
      if (property == Property::Visible) a->setVisible(control.visible());
      if (property == Property::Caption) a->setText(qtText(control.caption()));
    }
    return;
  }
  if (property == Property::AccessibleName) return applyName(control);
  QWidget* w = widgetFor(control.id());
  if (!w) return;
  switch (property) {
    case Property::Caption: {
      const QString text = qtText(control.caption());
      if (auto* b = dynamic_cast<CaptionButton*>(w)) {
        b->setCaption(text);
      } else if (auto* e = dynamic_cast<QLineEdit*>(w)) {
        // The form's own change is not echoed back to it.
        const QSignalBlocker quiet(e);
        if (!syncing_ && e->text() != text) e->setText(text);
      } else if (auto* g = dynamic_cast<FrameWidget*>(w)) {
        g->setCaption(text);
      } else if (auto* r = dynamic_cast<OptionWidget*>(w)) {
        r->setCaption(text, percent_, control.look() == Look::Pip);
      } else if (auto* l = dynamic_cast<LabelWidget*>(w)) {
        const bool changed = l->caption() != text;
        l->setCaption(text);
        if (l->isNotice()) {
          applyName(control);
          noteNotice(control, changed);
        }
      } else if (auto* p = dynamic_cast<PictureWidget*>(w)) {
        p->setPicture(text);
      }
      applyName(control);
      break;
    }
    case Property::Visible:
      if (control.notice()) {
        noteNotice(control, false);
      } else {
        w->setVisible(control.visible());
      }
      break;
    case Property::AccessibleName:
      break;
    case Property::Place:
      applyPlace(control);
      break;
    case Property::Font: {
      const QFont f = qtFont(control.font(), percent_);
      if (auto* b = dynamic_cast<CaptionButton*>(w)) {
        b->setFont(f);
        b->setCaptionColour(qtColour(control.font().colour));
      } else {
        if (auto* l = dynamic_cast<LabelWidget*>(w))
          l->setTextColour(qtColour(control.font().colour));
        if (w->font() != f) w->setFont(f);
        setForeground(w, control.font().colour);
      }
      break;
    }
    case Property::Selected:
      if (auto* r = dynamic_cast<QRadioButton*>(w)) r->setChecked(control.selected());
      break;
    case Property::Focus:
      w->setFocus(Qt::OtherFocusReason);
      break;
  }
}

void FormWindow::formChanged(const Form& form, FormProperty property) {
  switch (property) {
    case FormProperty::Caption:
      setAccessibleName(qtText(form.caption()));
      if (!windowTitle().isEmpty()) setWindowTitle(qtText(form.caption()));
      break;
    case FormProperty::ClientSize:
      applyClientSize();
      break;
    case FormProperty::Timer:
      applyTimer();
      break;
  }
}

void FormWindow::applyTimer() {
  if (!form_) return;
  const Timer& t = form_->timer();
  if (t.running()) {
    if (!timer_.isActive() || timer_.interval() != t.interval()) timer_.start(t.interval());
  } else {
    timer_.stop();
  }
}

void FormWindow::applyClientSize() {
  if (!form_) return;
  const QSize size(px(form_->clientWidth()), px(form_->clientHeight()));
  if (form_->resizable()) {
    client_->setMinimumSize(px(2000), px(1500));
    client_->resize(size);
    resize(size.width(), size.height() + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
  } else {
    client_->setFixedSize(size);
  }
}

void FormWindow::placeCentred() {
  if (form_ && percent_ != fittingPercent()) rescale();
  centre();
}

void FormWindow::showCentred() {
  placeCentred();
  show();
  // The resize event is raised also when the window is first shown.
  if (form_)
    form_->resize(toTwips(client_->width(), percent_), toTwips(client_->height(), percent_));
  if (form_ && form_->focused()) {
    if (QWidget* w = widgetFor(form_->focused()->id())) w->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // The close box unloads the form; the host then lets this window go.
  if (auto keep = form_) keep->close();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize && form_ && form_->resizable()) {
    auto* re = static_cast<QResizeEvent*>(event);
    form_->resize(toTwips(re->size().width(), percent_), toTwips(re->size().height(), percent_));
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    auto it = textBoxes_.find(watched);
    if (it != textBoxes_.end() && form_) {
      auto* ke = static_cast<QKeyEvent*>(event);
      const ControlId id = it->second;
      if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
        // Enter is delivered as character code 13 and types nothing.
        if (auto keep = form_) keep->keyPress(id.name, kEnterKey);
        return true;
      }
      if (!ke->text().isEmpty()) form_->keyPress(id.name, ke->text().at(0).unicode());
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormWindow::centre() {
  // A resizable window already has its size (applyClientSize).
  if (form_ && !form_->resizable()) adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    QRect frame = frameGeometry();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
  }
}

bool FormWindow::fits(int percent) const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!form_ || !screen) return percent == kDesignPercent;
  const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() * percent / percent_ : 0;
  const QSize decoration = isVisible() ? frameGeometry().size() - geometry().size()
                                       : QSize(kFrameAllowance / 4, kFrameAllowance);
  const QSize needed(toPixels(form_->clientWidth(), percent) + decoration.width(),
                     toPixels(form_->clientHeight(), percent) + menuHeight + decoration.height());
  return screen->availableGeometry().size().boundedTo(needed) == needed;
}

// The size chosen in the run, or the largest step below it at which this
// window still fits on the screen.
int FormWindow::fittingPercent() const {
  int percent = chosenPercent();
  while (percent > kDesignPercent && !fits(percent)) percent -= kPercentStep;
  return percent;
}

void FormWindow::enlarge(int steps) {
  const int percent = steps == 0 ? kDesignPercent : percent_ + steps * kPercentStep;
  if (percent > kLargestPercent || (steps > 0 && !fits(percent))) return;
  choosePercent(percent);
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* window = dynamic_cast<FormWindow*>(top); window && window->form_) {
      window->rescale();
      if (window->isVisible()) window->centre();
    }
}

// Every place, size and font again, at the size that fits.
void FormWindow::rescale() {
  percent_ = fittingPercent();
  for (const auto& c : form_->controls())
    if (c->kind() != ControlKind::Menu) {
      for (Property p : {Property::Place, Property::Font, Property::Caption}) controlChanged(*c, p);
    }
  applyMenuFont();
  applyClientSize();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Alt alone, pressed and let go, opens the menu bar as in every program.
  altAlone_ = event->key() == Qt::Key_Alt && !event->isAutoRepeat() &&
              (event->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
  QMainWindow::keyPressEvent(event);
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
  const bool open = altAlone_ && event->key() == Qt::Key_Alt;
  altAlone_ = false;
  if (open) openMenuFromKeyboard();
  QMainWindow::keyReleaseEvent(event);
}

void FormWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) altAlone_ = false;
  QMainWindow::changeEvent(event);
}

}  // namespace zunobi::ui::qt
