#include "data/kioku_bun.h"

namespace zunobi::data {

std::vector<KiokuBunRow> readKiokuBun(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  std::vector<KiokuBunRow> rows;
  // The drills' table holds 500 rows: the lines after those are not read.
  while (!in.atEnd() && static_cast<std::int32_t>(rows.size()) < kMaxKiokuBun) {
    in.readInt16();  // a sequence number, not used
    Field category = in.read();
    rows.push_back({std::move(category), in.read().text()});
  }
  return rows;
}

}  // namespace zunobi::data
