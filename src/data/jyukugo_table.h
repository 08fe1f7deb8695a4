// The kanji-compound puzzles of "二字熟語.csv": per record, the compounds
// that begin with the centre kanji and those that end with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/field_reader.h"
#include "data/limits.h"

namespace zunobi::data {

struct JyukugoRecord {
  std::vector<std::string> saki;  // centre + X
  std::vector<std::string> ato;   // X + centre
};

// The compounds a list's count names from its slots, or nothing when the
// list cannot make a puzzle: a count that is not a whole number from 2 to
// 30, or a counted slot that is not a two-character compound.
std::optional<std::vector<std::string>> usableCompounds(const std::vector<Field>& slots,
                                                        double count);

// The kanji the puzzle asks for: the first character of a centre + X compound.
std::string centreKanji(const JyukugoRecord& record);

// Reads the file's records, 63 fields each wherever the line breaks fall,
// and keeps the usable ones (both lists usable). Records past the 1500th
// usable one are left unread. Throws DataError for a missing or unreadable
// file, a first field that is not a whole number, a count that is not a
// number, or a record cut short at the end.
std::vector<JyukugoRecord> readJyukugo(const std::string& path);

}  // namespace zunobi::data
