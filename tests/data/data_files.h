// Data files written for a test, and the error a read throws, so that a
// table of inputs checks each row in a line or two.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/limits.h"
#include "support/temp_folder.h"

namespace zunobi::data::testing {

// The message of the error `read` throws; empty when it throws none.
template <class Read>
std::string messageOf(Read&& read) {
  try {
    read();
  } catch (const DataError& e) {
    return e.message();
  }
  return {};
}

// What `read` makes of a file named `name` that holds `utf8` in CP932.
template <class Read>
auto readCp932(std::string_view name, const std::string& utf8, Read&& read) {
  TempFolder dir;
  writeBytes(dir / name, utf8ToCp932(utf8));
  return read(dir / name);
}

inline std::string repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// One compound-puzzle record line: its number, 30 slots of compounds before
// the centre and their count, 30 after it and their count. The counts are
// the lists' lengths unless given.
inline std::string jyukugoRecord(int n, const std::vector<std::string>& saki,
                                 const std::vector<std::string>& ato, std::string sakiCount = {},
                                 std::string atoCount = {}) {
  std::string line = std::to_string(n);
  for (const auto& [list, count] : {std::pair{&saki, &sakiCount}, std::pair{&ato, &atoCount}}) {
    for (std::size_t i = 0; i < std::size_t{kMaxCompounds}; ++i)
      // Appended, not "," + …: GCC 12 warns (-Wrestrict, wrongly) on that.
      line.append(",").append(i < list->size() ? "\"" + (*list)[i] + "\"" : "");
    line.append(",").append(count->empty() ? std::to_string(list->size()) : *count);
  }
  return line + "\r\n";
}

}  // namespace zunobi::data::testing
