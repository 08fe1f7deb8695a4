#include "ui/qt/form_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include "ui/qt/font_map.h"
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

FormWindow::FormWindow(std::shared_ptr<Form> form) : form_(std::move(form)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  client_ = new QWidget(this);
  setCentralWidget(client_);
  client_->installEventFilter(this);
  timer_.setTimerType(Qt::CoarseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (form_) form_->tick();
  });
  build();
  form_->setView(this);
}

FormWindow::~FormWindow() { detach(); }

void FormWindow::detach() {
  timer_.stop();
  if (form_ && form_->view() == this) form_->setView(nullptr);
  form_.reset();
}

void FormWindow::build() {
  // The title waits for the first paint: a Japanese title costs Xlib a
  // compound-text conversion of a few milliseconds that would keep the
  // window blank.
  titlePending_ = true;
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

  // Keyboard order as the form gives it.
  QWidget* previous = nullptr;
  for (const auto& id : form_->tabOrder()) {
    QWidget* w = widgetFor(id);
    if (!w) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
  for (const std::string& keys : form_->shortcuts()) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(keys)), this);
    QObject::connect(shortcut, &QShortcut::activated, this, [this, keys] {
      if (form_) form_->shortcut(keys);
    });
  }
  applyClientSize();
  applyTimer();
}

QWidget* FormWindow::makeWidget(Control& control, QWidget* parent) {
  const ControlId id = control.id();
  switch (control.kind()) {
    case ControlKind::Label: {
      auto* l = new LabelWidget(parent);
      l->setAlignment(alignmentOf(control.align()));
      l->setBordered(control.border());
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
      // Answers are digits: with the input method off, an older user with
      // Japanese input switched on still types half-width digits.
      e->setAttribute(Qt::WA_InputMethodEnabled, false);
      e->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
      QObject::connect(e, &QLineEdit::textEdited, this, [this, id](const QString& text) {
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
      auto* r = new QRadioButton(parent);
      // The form keeps the group's exclusivity; the view only mirrors it.
      r->setAutoExclusive(false);
      QObject::connect(r, &QRadioButton::clicked, this, [this, id, r] {
        if (!form_) return;
        form_->click(id.name, id.index);
        // Mirror the model in case the click changed nothing.
        const bool selected = form_ ? form_->control(id.name, id.index).selected() : false;
        if (r->isChecked() != selected) r->setChecked(selected);
      });
      return r;
    }
    case ControlKind::Frame:
      return new FrameWidget(parent);
    case ControlKind::Picture:
      return new PictureWidget(parent);
    case ControlKind::Menu:
      break;
  }
  return nullptr;
}

// The menu bar is a strip of flat buttons, each opening its menu on a click:
// Qt's own menu bar loads the style's icons and image plugins at start-up,
// which costs more than drawing the whole menu window.
void FormWindow::buildMenus() {
  QWidget* strip = nullptr;
  QHBoxLayout* row = nullptr;
  // The size of the menu's descriptions, so no further size of the face is loaded.
  const QFont font = qtFont(Font{.size = 9.75});
  for (const auto& c : form_->controls()) {
    if (c->kind() != ControlKind::Menu) continue;
    const ControlId id = c->id();
    auto* action = new QAction(qtText(c->caption()), this);
    action->setVisible(c->visible());
    actions_[id] = action;
    QObject::connect(action, &QAction::triggered, this, [this, id] {
      if (form_) form_->click(id.name, id.index);
    });
    if (!c->parent().name.empty()) continue;  // an item: shown by its menu
    if (!strip) {
      strip = new QWidget(this);
      row = new QHBoxLayout(strip);
      row->setContentsMargins(2, 1, 2, 1);
      row->setSpacing(0);
    }
    auto* button = new QPushButton(qtText(c->caption()), strip);
    button->setFlat(true);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setVisible(c->visible());
    row->addWidget(button);
    QObject::connect(action, &QAction::changed, button, [button, action] {
      button->setVisible(action->isVisible());
      button->setText(action->text());
    });
    QObject::connect(button, &QPushButton::clicked, this, [this, id, button, action] {
      std::vector<QAction*> items;
      for (const auto& o : form_->controls())
        if (o->kind() == ControlKind::Menu && o->parent() == id)
          items.push_back(actions_.at(o->id()));
      if (items.empty()) {
        action->trigger();
        return;
      }
      QMenu menu(this);
      menu.setFont(button->font());
      for (QAction* item : items) menu.addAction(item);
      menu.exec(button->mapToGlobal(QPoint(0, button->height())));
    });
  }
  if (!strip) return;
  row->addStretch(1);
  setMenuWidget(strip);
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
  for (Property p :
       {Property::Font, Property::Caption, Property::Place, Property::Selected, Property::Visible})
    controlChanged(control, p);
}

void FormWindow::applyPlace(const Control& control) {
  QWidget* w = widgetFor(control.id());
  if (!w) return;
  const Rect& r = control.place();
  w->setGeometry(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

void FormWindow::controlChanged(const Control& control, Property property) {
  if (control.kind() == ControlKind::Menu) {
    if (QAction* a = actionFor(control.id())) {
      if (property == Property::Visible) a->setVisible(control.visible());
      if (property == Property::Caption) a->setText(qtText(control.caption()));
    }
    return;
  }
  QWidget* w = widgetFor(control.id());
  if (!w) return;
  switch (property) {
    case Property::Caption: {
      const QString text = qtText(control.caption());
      if (auto* b = dynamic_cast<CaptionButton*>(w)) {
        b->setCaption(text);
      } else if (auto* e = dynamic_cast<QLineEdit*>(w)) {
        if (!syncing_ && e->text() != text) e->setText(text);
      } else if (auto* g = dynamic_cast<FrameWidget*>(w)) {
        g->setCaption(text);
      } else if (auto* r = dynamic_cast<QRadioButton*>(w)) {
        r->setText(text);
        // Without a caption an option button is a pip: a filled round mark.
        r->setStyleSheet(text.isEmpty()
                             ? QStringLiteral("QRadioButton::indicator { width: 13px; height: "
                                              "13px; border-radius: 6px; background: #202020; }")
                             : QString());
      } else if (auto* l = dynamic_cast<LabelWidget*>(w)) {
        l->setCaption(text);
      } else if (auto* p = dynamic_cast<PictureWidget*>(w)) {
        p->setPicture(text);
      }
      break;
    }
    case Property::Visible:
      w->setVisible(control.visible());
      break;
    case Property::Place:
      applyPlace(control);
      break;
    case Property::Font: {
      const QFont f = qtFont(control.font());
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
      if (!titlePending_) setWindowTitle(qtText(form.caption()));
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
  const QSize size(toPixels(form_->clientWidth()), toPixels(form_->clientHeight()));
  if (form_->resizable()) {
    client_->setMinimumSize(toPixels(2000), toPixels(1500));
    client_->resize(size);
    resize(size.width(), size.height() + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
  } else {
    client_->setFixedSize(size);
  }
}

void FormWindow::showCentred() {
  // A resizable window already has its design size (applyClientSize).
  if (form_ && !form_->resizable()) adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    QRect frame = frameGeometry();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
  }
  show();
  // The resize event is raised also when the window is first shown.
  if (form_) form_->resize(toTwips(client_->width()), toTwips(client_->height()));
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
  if (watched == client_ && event->type() == QEvent::Paint && titlePending_) {
    titlePending_ = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (form_) setWindowTitle(qtText(form_->caption()));
        },
        Qt::QueuedConnection);
  }
  if (watched == client_ && event->type() == QEvent::Resize && form_ && form_->resizable()) {
    auto* re = static_cast<QResizeEvent*>(event);
    form_->resize(toTwips(re->size().width()), toTwips(re->size().height()));
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

}  // namespace zunobi::ui::qt
