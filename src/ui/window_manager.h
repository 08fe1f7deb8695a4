// Navigation between windows: which forms are loaded, creating them afresh
// by name, and ending the program when none is left. Plain C++; a host (the
// Qt view) is told what to put on screen.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/services.h"

namespace zunobi::ui {

using FormFactory = std::function<std::shared_ptr<Form>(Services&)>;
// Work a window's first load would otherwise pay for, done ahead of it.
using FormPreparation = std::function<void()>;

// Creates a window by its name; empty for an unknown name.
class FormRegistry {
 public:
  void add(std::string name, FormFactory factory, FormPreparation prepare = {});
  std::shared_ptr<Form> create(std::string_view name, Services& services) const;
  std::vector<std::string> names() const;

  // Runs every window's preparation, for a view to call while the program
  // waits on the user. A preparation that fails is no failure of the
  // program: the window's own load meets the same trouble and reports it.
  void prepareAll() const;

 private:
  std::map<std::string, FormFactory, std::less<>> factories_;
  std::vector<FormPreparation> preparations_;
};

// What a view implements to put forms on screen.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void formShown(Form& form) = 0;     // after its load; also to bring forward
  virtual void formUnloaded(Form& form) = 0;  // before the form is released
  virtual void programEnded() = 0;
};

class WindowManager final : public Navigator {
 public:
  WindowManager(const FormRegistry& registry, Clock& clock, RandomSource& random,
                MessageBox& messageBox);

  void setHost(WindowHost* host) { host_ = host; }
  Services& services() { return services_; }
  const FormRegistry& registry() const { return registry_; }

  void show(std::string_view formName) override;
  void unload(Form& form) override;
  void unloadByName(std::string_view formName) override;
  void endProgram() override;
  void beginTransition() override { ++transitions_; }
  void endTransition() override;

  bool ended() const { return ended_; }
  // Loaded forms, oldest first.
  std::vector<std::string> loadedNames() const;
  Form* find(std::string_view formName) const;
  std::shared_ptr<Form> shared(std::string_view formName) const;

 private:
  const FormRegistry& registry_;
  Services services_;
  WindowHost* host_ = nullptr;
  std::vector<std::shared_ptr<Form>> loaded_;
  bool ended_ = false;
  int transitions_ = 0;
};

}  // namespace zunobi::ui
