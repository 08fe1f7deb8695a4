// The interference questions of "記憶用文章.csv", shared by both memory
// arithmetic windows: a number, a category and the question, a line each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/field_reader.h"
#include "data/limits.h"

namespace zunobi::data {

// The question of each of the first 500 rows; a longer file is read no
// further. Throws DataError for a missing or unreadable file, a first field
// that is not a whole number or a last line cut short.
std::vector<std::string> readKiokuBun(const std::string& path);

// A run asks ten questions and shows each row at most once, so a window
// that asks `perQuestion` of them a question needs ten times as many rows.
// Too few is told as "文章が9件しかありません（10件以上必要です）"; enough
// gives an empty text.
std::string kiokuBunShortage(std::size_t rows, int perQuestion);

}  // namespace zunobi::data
