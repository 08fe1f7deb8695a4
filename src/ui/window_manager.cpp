#include "ui/window_manager.h"

#include <algorithm>
#include <stdexcept>

namespace zunobi::ui {

void FormRegistry::add(std::string name, FormFactory factory, FormPreparation prepare) {
  factories_[std::move(name)] = std::move(factory);
  if (prepare) preparations_.push_back(std::move(prepare));
}

void FormRegistry::prepareAll() const {
  for (const auto& prepare : preparations_) {
    try {
      prepare();
    } catch (const std::exception&) {
    }
  }
}

std::shared_ptr<Form> FormRegistry::create(std::string_view name, Services& services) const {
  auto it = factories_.find(name);
  if (it == factories_.end()) return nullptr;
  return it->second(services);
}

std::vector<std::string> FormRegistry::names() const {
  std::vector<std::string> out;
  for (const auto& [name, factory] : factories_) out.push_back(name);
  return out;
}

WindowManager::WindowManager(const FormRegistry& registry, Clock& clock, RandomSource& random,
                             MessageBox& messageBox)
    : registry_(registry), services_{clock, random, *this, messageBox} {}

void WindowManager::show(std::string_view formName) {
  if (ended_) return;
  if (Form* existing = find(formName)) {
    if (host_) host_->formShown(*existing);
    return;
  }
  auto form = registry_.create(formName, services_);
  if (!form) throw std::invalid_argument("no window named " + std::string(formName));
  loaded_.push_back(form);
  form->load();
  // The load may itself have navigated away; show only what is still loaded.
  if (host_ && find(formName) == form.get()) host_->formShown(*form);
}

void WindowManager::unload(Form& form) {
  auto it =
      std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& p) { return p.get() == &form; });
  if (it == loaded_.end()) return;
  // The caller's entry point keeps the form alive until its handler returns.
  std::shared_ptr<Form> keep = *it;
  loaded_.erase(it);
  form.unloaded();
  if (host_) host_->formUnloaded(form);
  form.setView(nullptr);
  if (loaded_.empty() && transitions_ == 0) endProgram();
}

void WindowManager::unloadByName(std::string_view formName) {
  if (auto form = shared(formName)) unload(*form);
}

void WindowManager::endTransition() {
  if (transitions_ > 0) --transitions_;
  if (loaded_.empty() && transitions_ == 0) endProgram();
}

void WindowManager::endProgram() {
  if (ended_) return;
  ended_ = true;
  auto forms = std::move(loaded_);
  loaded_.clear();
  for (auto& f : forms) {
    f->unloaded();
    if (host_) host_->formUnloaded(*f);
    f->setView(nullptr);
  }
  if (host_) host_->programEnded();
}

std::vector<std::string> WindowManager::loadedNames() const {
  std::vector<std::string> out;
  for (const auto& f : loaded_) out.push_back(f->name());
  return out;
}

Form* WindowManager::find(std::string_view formName) const { return shared(formName).get(); }

std::shared_ptr<Form> WindowManager::shared(std::string_view formName) const {
  for (const auto& f : loaded_)
    if (f->name() == formName) return f;
  return nullptr;
}

}  // namespace zunobi::ui
