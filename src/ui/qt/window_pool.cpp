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

qint64 areaOf(QSize size) { return qint64(size.width()) * size.height(); }

// The windowing system keeps a picture's memory for any size that fits it
// and is more than half of it.
bool holds(qint64 picture, qint64 area) { return area <= picture && area * 2 > picture; }

}  // namespace

WindowPool::~WindowPool() {
  for (auto& [window, picture] : pictures_) {
    window->detach();
    delete window;
  }
  for (const Spare& s : spares_) delete s.window;
}

FormWindow* WindowPool::open(std::shared_ptr<Form> form,
                             const std::function<void()>& whileWaiting) {
  const bool hub = form->hub();
  FormWindow* window = take(*form);
  window->attach(std::move(form));
  deferTitle(window);
  window->showCentred();
  qint64& picture = pictures_[window];
  if (const qint64 area = areaOf(window->size()); !holds(picture, area)) picture = area;
  if (hub && !prepared_) {
    // The windows opened from it will be of more or of less than half its
    // size: a picture of each is made ready while it is read.
    prepared_ = true;
    const QSize whole = window->size();
    const QSize half(whole.width(), (whole.height() + 1) / 2);
    QTimer::singleShot(kPrepareAfterMs, &lifetime_, [this, whole, half, whileWaiting] {
      prepareSpare(whole);
      prepareSpare(half);
      if (whileWaiting) whileWaiting();
    });
  }
  return window;
}

FormWindow* WindowPool::take(const Form& form) {
  const int percent = chosenPercent();
  const qint64 area =
      qint64(toPixels(form.clientWidth(), percent)) * toPixels(form.clientHeight(), percent);
  auto it = std::find_if(spares_.begin(), spares_.end(),
                         [&](const Spare& s) { return s.settled && holds(s.picture, area); });
  if (it == spares_.end()) return new FormWindow();
  FormWindow* window = it->window;
  spares_.erase(it);
  return window;
}

void WindowPool::close(FormWindow* window) {
  auto it = pictures_.find(window);
  if (it == pictures_.end()) return;
  const qint64 picture = it->second;
  pictures_.erase(it);
  window->hide();
  // Deleting forty controls at once would hold back the paint of the window
  // opened in their place.
  if (QWidget* old = window->release()) QTimer::singleShot(250, window, [old] { delete old; });
  spares_.push_back({window, picture, false});
  QTimer::singleShot(kSettle, window, [this, window] {
    for (Spare& s : spares_)
      if (s.window == window) s.settled = true;
  });
  if (spares_.size() > kSpares) {
    // The window may be inside one of its own slots right now.
    spares_.front().window->deleteLater();
    spares_.erase(spares_.begin());
  }
}

// A hidden window, in the windowing system, with its picture drawn once so
// that its memory is touched.
void WindowPool::prepareSpare(QSize size) {
  auto* window = new FormWindow();
  window->winId();
  QBackingStore* store = window->backingStore();
  if (store && !size.isEmpty()) {
    store->resize(size);
    const QRect all(QPoint(0, 0), size);
    store->beginPaint(all);
    {
      QPainter painter(store->paintDevice());
      painter.fillRect(all, window->palette().window());
    }
    store->endPaint();
  }
  spares_.push_back({window, areaOf(size), true});
  while (spares_.size() > kSpares) {
    delete spares_.front().window;
    spares_.erase(spares_.begin());
  }
}

void WindowPool::deferTitle(FormWindow* window) {
  window->client()->installEventFilter(new TitleAfterFirstPaint(window));
}

}  // namespace zunobi::ui::qt
