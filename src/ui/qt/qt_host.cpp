#include "ui/qt/qt_host.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ui/qt/accessibility.h"
#include "ui/qt/form_window.h"

namespace zunobi::ui::qt {

QtHost::QtHost(WindowManager& manager) : manager_(manager) { installAccessibility(); }

// A window opened from another one usually replaces it: the other is
// unloaded in the same handler. The new one goes on screen once the
// handler is done.
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
    // What the windows prepare ahead runs while the first window waits; the
    // pool sizes its windows by fresh instances of every form.
    windows_[form] = pool_.open(std::move(shared), [this] {
      const FormRegistry& registry = manager_.registry();
      registry.prepareAll();
      std::vector<std::shared_ptr<Form>> forms;
      for (const std::string& name : registry.names())
        if (auto f = registry.create(name, manager_.services())) forms.push_back(std::move(f));
      return forms;
    });
  }
}

void QtHost::formUnloaded(Form& form) {
  std::erase(pending_, &form);
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  pool_.close(window);
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
