#include "ui/qt/window_pool.h"

#include <QBackingStore>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "ui/qt/enlargement.h"
#include "ui/qt/form_window.h"

namespace zunobi::ui::qt {
namespace {

// The title waits for the window's first paint: a Japanese title costs Xlib
// a compound-text conversion of a few milliseconds that would keep the
// window blank.
class TitleAfterFirstPaint final : public QObject {
 public:
  TitleAfterFirstPaint(FormWindow* window) : QObject(window->client()), window_(window) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      parent()->removeEventFilter(this);
      QMetaObject::invokeMethod(
          window_, [w = window_] { w->showTitle(); }, Qt::QueuedConnection);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<FormWindow> window_;
};

std::pair<int, int> key(QSize size) { return {size.width(), size.height()}; }

}  // namespace

WindowPool::~WindowPool() {
  for (FormWindow* window : shown_) {
    window->detach();
    delete window;
  }
  for (const Spare& s : spares_) delete s.window;
}

// The client area at the enlargement chosen: the window's picture follows.
QSize WindowPool::sizeOf(const Form& form) {
  const int percent = chosenPercent();
  return {toPixels(form.clientWidth(), percent), toPixels(form.clientHeight(), percent)};
}

FormWindow* WindowPool::open(std::shared_ptr<Form> form, const Openable& whileWaiting) {
  const bool hub = form->hub();
  const QSize size = sizeOf(*form);
  FormWindow* window = take(*form);
  window->attach(std::move(form));
  deferTitle(window);
  window->showCentred();
  shown_.insert(window);
  if (hub && preparedAt_ != chosenPercent()) {
    preparedAt_ = chosenPercent();
    QTimer::singleShot(kPrepareAfterMs, &lifetime_, [this, size, whileWaiting] {
      wanted_ = {key(size)};
      toPrepare_.clear();
      for (auto& f : whileWaiting ? whileWaiting() : std::vector<std::shared_ptr<Form>>{}) {
        // The hub's own window serves it again.
        if (!wanted_.insert(key(sizeOf(*f))).second) continue;
        toPrepare_.push_back(std::move(f));
      }
      prepareNext();
    });
  }
  return window;
}

FormWindow* WindowPool::take(const Form& form) {
  const QSize size = sizeOf(form);
  auto it = std::find_if(spares_.begin(), spares_.end(),
                         [&](const Spare& s) { return s.settled && s.size == size; });
  if (it == spares_.end()) return new FormWindow();
  FormWindow* window = it->window;
  spares_.erase(it);
  return window;
}

void WindowPool::close(FormWindow* window) {
  if (!shown_.erase(window)) return;
  const QSize size = window->form() ? sizeOf(*window->form()) : QSize();
  window->hide();
  // Deleting forty controls at once would hold back the paint of the window
  // opened in their place.
  if (QWidget* old = window->release()) QTimer::singleShot(250, window, [old] { delete old; });
  keep({window, size, false});
  QTimer::singleShot(kSettle, window, [this, window] {
    for (Spare& s : spares_)
      if (s.window == window) s.settled = true;
  });
}

// One window of each size; of sizes no form wants, only the newest.
void WindowPool::keep(Spare spare) {
  auto same = std::find_if(spares_.begin(), spares_.end(),
                           [&](const Spare& s) { return s.size == spare.size; });
  // The window may be inside one of its own slots right now.
  if (same != spares_.end()) return spare.window->deleteLater();
  spares_.push_back(spare);
  while (spares_.size() > std::clamp<std::size_t>(wanted_.size(), 1, kSpares)) {
    auto unwanted = std::find_if(spares_.begin(), spares_.end(),
                                 [&](const Spare& s) { return !wanted_.count(key(s.size)); });
    auto gone = unwanted != spares_.end() ? unwanted : spares_.begin();
    gone->window->deleteLater();
    spares_.erase(gone);
  }
}

// A hidden window of one form's size, in the windowing system, with the
// form drawn once into its picture: the memory is touched and the fonts
// drawn. The form, never loaded, then goes. One a turn of the event loop,
// so that a click is never held back by more than one.
void WindowPool::prepareNext() {
  if (toPrepare_.empty()) return;
  std::shared_ptr<Form> form = std::move(toPrepare_.back());
  toPrepare_.pop_back();
  const QSize size = sizeOf(*form);
  if (std::none_of(spares_.begin(), spares_.end(),
                   [&](const Spare& s) { return s.size == size; })) {
    auto* window = new FormWindow();
    window->attach(std::move(form));
    window->placeCentred();
    window->winId();
    if (QBackingStore* store = window->backingStore(); store && !window->size().isEmpty()) {
      const QRect all(QPoint(0, 0), window->size());
      store->resize(all.size());
      store->beginPaint(all);
      window->render(store->paintDevice());
      store->endPaint();
    }
    delete window->release();
    keep({window, size, true});
  }
  QTimer::singleShot(0, &lifetime_, [this] { prepareNext(); });
}

void WindowPool::deferTitle(FormWindow* window) {
  window->client()->installEventFilter(new TitleAfterFirstPaint(window));
}

}  // namespace zunobi::ui::qt
