#include "data/kioku_bun.h"

#include "data/data_error.h"
#include "ui/text.h"

namespace zunobi::data {

std::vector<KiokuBunRow> readKiokuBun(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  std::vector<KiokuBunRow> rows;
  while (!in.atEnd()) {
    if (static_cast<std::int32_t>(rows.size()) == kMaxKiokuBun)
      throw DataError(DataProblem::TooManyRecords, path, in.line(), ui::decimal(kMaxKiokuBun));
    in.readInt16();  // a sequence number, not used
    Field category = in.read();
    rows.push_back({std::move(category), in.read().text()});
  }
  return rows;
}

}  // namespace zunobi::data
