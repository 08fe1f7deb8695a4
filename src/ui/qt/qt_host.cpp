#include "ui/qt/qt_host.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ui/qt/form_window.h"

namespace zunobi::ui::qt {

QtHost::~QtHost() {
  for (auto& [form, window] : windows_) {
    window->detach();
    delete window;
  }
  for (FormWindow* window : spares_) delete window;
}

// A window opened from another one usually replaces it: the other is
// unloaded in the same handler. Put on screen once the handler is done, the
// new form takes the window just closed, which is already mapped in the
// windowing system and keeps its picture's memory.
void QtHost::formShown(Form& form) {
  auto it = windows_.find(&form);
  if (it != windows_.end()) {
    it->second->show();
    it->second->raise();
    it->second->activateWindow();
    return;
  }
  if (std::find(pending_.begin(), pending_.end(), &form) != pending_.end()) return;
  pending_.push_back(&form);
  if (pending_.size() == 1) QTimer::singleShot(0, &lifetime_, [this] { showPending(); });
}

void QtHost::showPending() {
  for (const Form* form : std::exchange(pending_, {})) {
    auto shared = manager_.shared(form->name());
    if (shared.get() != form) continue;
    FormWindow* window = windowToReuse(*form);
    window->attach(std::move(shared));
    windows_[form] = window;
    window->showCentred();
    if (!prepared_) {
      // The first window is the menu, and every other one opens from it.
      // Those of more than half its size will take its window; for the
      // smaller ones a window with a picture of half its size is made ready
      // while the menu is read, and so is what the windows prepare ahead.
      prepared_ = true;
      const QSize half(window->width(), (window->height() + 1) / 2);
      QTimer::singleShot(kPrepareAfterMs, &lifetime_, [this, half] {
        prepareSpare(half);
        manager_.registry().prepareAll();
      });
    }
  }
}

void QtHost::prepareSpare(QSize size) {
  if (spares_.size() >= kSpares) return;
  auto* window = new FormWindow();
  window->preparePicture(size);
  spares_.push_back(window);
}

// A spare whose picture fits as it is, else a new window: a spare of
// another size is kept for a form it fits (the menu's, for the way back).
FormWindow* QtHost::windowToReuse(const Form& form) {
  auto it = std::find_if(spares_.begin(), spares_.end(),
                         [&](FormWindow* w) { return w->holdsPictureFor(form); });
  if (it == spares_.end()) return new FormWindow();
  FormWindow* window = *it;
  spares_.erase(it);
  return window;
}

void QtHost::formUnloaded(Form& form) {
  std::erase(pending_, &form);
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->recycle();
  spares_.push_back(window);
  if (spares_.size() > kSpares) {
    // The window may be inside one of its own slots right now.
    spares_.front()->deleteLater();
    spares_.erase(spares_.begin());
  }
}

void QtHost::programEnded() {
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
}

FormWindow* QtHost::windowFor(const Form& form) {
  if (std::find(pending_.begin(), pending_.end(), &form) != pending_.end()) showPending();
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

}  // namespace zunobi::ui::qt
