// The kanji-compound puzzles of "二字熟語.csv": per record, the compounds
// that begin with the centre kanji and those that end with it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/field_reader.h"
#include "data/limits.h"

namespace zunobi::data {

// One list's compounds, two characters each, kept back to back in one text.
// A table of 1500 records then fills a few dozen pages of memory rather than
// hundreds, and each fresh page costs time the first time it is touched.
class Compounds {
 public:
  // Adds a compound; false, and nothing added, unless it is two characters.
  bool add(std::string_view compound);
  void reserve(std::size_t bytes) { text_.reserve(bytes); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // The compound at `i`, from 0; empty past the end.
  std::string operator[](std::size_t i) const;
  std::string front() const { return (*this)[0]; }

 private:
  std::string text_;
  std::size_t size_ = 0;
};

struct JyukugoRecord {
  Compounds saki;  // centre + X
  Compounds ato;   // X + centre
};

// The compounds a list's count names from its slots, or nothing when the
// list cannot make a puzzle: a count that is not a whole number from 2 to
// 30, or a counted slot that is not a two-character compound.
std::optional<Compounds> usableCompounds(std::span<const std::string_view> slots, double count);

// The kanji the puzzle asks for: the first character of a centre + X compound.
std::string centreKanji(const JyukugoRecord& record);

// Reads the file's records, 63 fields each wherever the line breaks fall,
// and keeps the usable ones (both lists usable). Records past the 1500th
// usable one are left unread. Throws DataError for a missing or unreadable
// file, a first field that is not a whole number, a count that is not a
// number, a record cut short at the end, or no usable record (NoPuzzles).
// A table read ahead by `readJyukugoAhead` is handed over instead, once,
// when the file holds the bytes it was read from.
std::vector<JyukugoRecord> readJyukugo(const std::string& path);

// Reads the file now, while nothing waits on it, and keeps its records for
// the next `readJyukugo`. A file that cannot be read keeps nothing: that
// read meets the trouble itself. Both run on the user-interface thread.
void readJyukugoAhead(const std::string& path);

}  // namespace zunobi::data
