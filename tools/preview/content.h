// Which label of which drill shows each text of the shipped data files, so
// that every text can be tried in its label and the worst ones looked at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/form.h"

namespace zunobi::preview {

// A drill's window that shows file text, built from the registry.
struct ContentView {
  std::string name;      // also the name of its screenshot
  std::string formName;  // the window in the registry
};

// One text as a drill shows it.
struct Sample {
  std::string view;
  std::string source;  // the file, and the line or record: where to mend it
  ui::ControlId label;
  std::string text;
  bool oneLine = false;  // must not wrap (a line of a document)
};

std::vector<ContentView> contentViews();

// Every text of the data folders beside `programFolder`. Files that cannot
// be read are listed in `unreadable` with the reason, in Japanese.
std::vector<Sample> samples(const std::string& programFolder, std::vector<std::string>& unreadable);

}  // namespace zunobi::preview
