#include "drills/arithmetic/kioku_bun.h"

#include "data/data_error.h"
#include "ui/text.h"

namespace zunobi::drills {

std::vector<KiokuBunRow> readKiokuBun(const std::string& path) {
  data::FieldReader in = data::FieldReader::open(path);
  std::vector<KiokuBunRow> rows;
  while (!in.atEnd()) {
    if (static_cast<std::int32_t>(rows.size()) == data::kMaxKiokuBun)
      throw data::DataError(data::DataProblem::TooManyRecords, path, in.line(),
                            ui::decimal(data::kMaxKiokuBun));
    in.readInt16();  // a sequence number, not used
    data::Field category = in.read();
    rows.push_back({std::move(category), in.read().text()});
  }
  return rows;
}

}  // namespace zunobi::drills
