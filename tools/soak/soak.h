// A soak of random use: every window of the program driven through the form
// model by random clicks, typing, Enter, ticks, resizes and trips back to
// the menu, over several data folders, with what must always hold checked
// after every action.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace zunobi::ui {
class FormRegistry;
class WindowManager;
namespace testing {
class FakeClock;
}
}  // namespace zunobi::ui

namespace zunobi::soak {

// A program folder to run with, and the name the report gives it.
struct DataSet {
  std::string name;
  std::string programFolder;
};

struct SoakReport;

// How the soak's user reaches the windows: by default straight through the
// form model's entry points; the view soak sends the same input through the
// real windows instead, and adds what only a view offers.
class Hands {
 public:
  virtual ~Hands() = default;
  // What the hands may use: the soak's random draws, its log of actions and
  // its clock.
  struct Soak {
    std::mt19937_64& pick;
    std::function<void(std::string)> note;
    ui::testing::FakeClock& clock;
  };
  virtual void join(const Soak& soak) { soak_.emplace(soak); }
  // The program starts (again) with this navigation, before its first window.
  virtual void started(ui::WindowManager&) {}

  virtual void click(ui::Form& f, const ui::ControlId& id) { f.click(id.name, id.index); }
  virtual void type(ui::Form& f, const ui::ControlId& id, const std::string& text) {
    f.type(id.name, text);
  }
  // The text box's text replaced whole.
  virtual void setText(ui::Form& f, const ui::ControlId& id, const std::string& text) {
    f.control(id.name, id.index).setText(text);
  }
  virtual void enter(ui::Form& f, const ui::ControlId& id) { f.pressEnter(id.name); }
  virtual void closeBox(ui::Form& f) { f.close(); }
  virtual void shortcut(ui::Form& f, std::string_view keys) { f.shortcut(keys); }
  virtual void resize(ui::Form& f, std::int32_t width, std::int32_t height) {
    f.resize(width, height);
  }
  // `ms` pass with `f` in front: its timer ticks once, if it runs.
  virtual void pass(ui::Form& f, std::int64_t ms);
  // The user reads the menu a while.
  virtual void readMenu(const ui::FormRegistry& registry);
  // Something only these hands offer, now and then; false when not this time.
  virtual bool more(ui::WindowManager&) { return false; }
  // After each action: what the action set off has run. The first broken
  // rule of the hands' own, or empty.
  virtual std::string check(ui::WindowManager&, const SoakReport&) { return {}; }

 protected:
  std::optional<Soak> soak_;

 private:
  std::int64_t carriedMs_ = 0;
};

struct SoakOptions {
  std::uint64_t actions = 100000;
  std::uint32_t seed = 1;
  // The soak moves between these at the menu; at least one.
  std::vector<DataSet> dataSets;
  // The windows; the program's own when null.
  const ui::FormRegistry* registry = nullptr;
  // How the user reaches them; the form model's own entry points when null.
  Hands* hands = nullptr;
  // Called now and then with the actions done so far.
  std::function<void(std::uint64_t)> progress;
};

struct SoakReport {
  std::uint64_t actions = 0;
  std::uint64_t visits = 0;    // windows opened from the menu
  std::uint64_t restarts = 0;  // the program ended (end button, close box) and began again
  std::uint64_t changes = 0;   // data files changed while a window had them in use
  std::map<std::string, std::uint64_t> visitsByWindow;
  std::map<std::string, std::uint64_t> actionsByDataSet;
  std::map<std::string, std::uint64_t> visitsByDataSet;
  double seconds = 0;
  // The first broken rule, with the actions that led to it; empty when
  // everything held.
  std::string failure;
  bool ok() const { return failure.empty(); }
};

SoakReport runSoak(const SoakOptions& options);

// Whether a text is well-formed UTF-8 without a NUL.
bool validText(const std::string& s);

// The number written after `key` in `text` (half- or full-width digits, after
// spaces, full-width spaces and colons); -1 when there is none.
long numberAfter(const std::string& text, const std::string& key);

}  // namespace zunobi::soak
