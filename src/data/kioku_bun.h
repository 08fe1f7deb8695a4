// The interference questions of "記憶用文章.csv", shared by both memory
// arithmetic windows: a number, a category and the question, a line each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/field_reader.h"
#include "data/limits.h"

namespace zunobi::data {

struct KiokuBunRow {
  Field category;  // kept as read, not shown
  std::string question;
};

// The first 500 rows; a longer file is read no further. Throws DataError for
// a missing or unreadable file, a first field that is not a whole number or
// a last line cut short.
std::vector<KiokuBunRow> readKiokuBun(const std::string& path);

}  // namespace zunobi::data
