// The kanji-compound puzzles of "二字熟語.csv": per record, the compounds
// that begin with the centre kanji and those that end with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/limits.h"

namespace zunobi::drills {

struct JyukugoRecord {
  std::vector<std::string> saki;  // centre + X
  std::vector<std::string> ato;   // X + centre
};

// Reads the file's records, 63 fields each wherever the line breaks fall,
// and keeps the usable ones: both counts 2 … 30, every counted slot a
// two-character compound. Records past the 1500th usable one are left
// unread. Throws data::DataError for a missing or unreadable file, a first
// field that is not a whole number, a count that is not a number, or a
// record cut short at the end.
std::vector<JyukugoRecord> readJyukugo(const std::string& path);

}  // namespace zunobi::drills
