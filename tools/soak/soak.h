// A soak of random use: every window of the program driven through the form
// model by random clicks, typing, Enter, ticks, resizes and trips back to
// the menu, over several data folders, with what must always hold checked
// after every action.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zunobi::ui {
class FormRegistry;
}

namespace zunobi::soak {

// A program folder to run with, and the name the report gives it.
struct DataSet {
  std::string name;
  std::string programFolder;
};

struct SoakOptions {
  std::uint64_t actions = 100000;
  std::uint32_t seed = 1;
  // The soak moves between these at the menu; at least one.
  std::vector<DataSet> dataSets;
  // The windows; the program's own when null.
  const ui::FormRegistry* registry = nullptr;
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
