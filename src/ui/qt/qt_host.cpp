#include "ui/qt/qt_host.h"

#include <QCoreApplication>
#include <QTimer>

#include "ui/qt/form_window.h"

namespace zunobi::ui::qt {

QtHost::~QtHost() {
  for (auto& [form, window] : windows_) {
    window->detach();
    delete window;
  }
}

void QtHost::formShown(Form& form) {
  auto it = windows_.find(&form);
  if (it != windows_.end()) {
    it->second->show();
    it->second->raise();
    it->second->activateWindow();
    return;
  }
  auto* window = new FormWindow(manager_.shared(form.name()));
  windows_[&form] = window;
  window->showCentred();
}

void QtHost::formUnloaded(Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->detach();
  window->hide();
  // The window may be inside one of its own slots right now.
  window->deleteLater();
}

void QtHost::programEnded() {
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
}

FormWindow* QtHost::windowFor(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

}  // namespace zunobi::ui::qt
