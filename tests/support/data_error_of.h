// The error a read throws, so that a table of bad inputs checks each row in
// a line or two.
#pragma once

#include <optional>

#include "data/data_error.h"

namespace zunobi::data::testing {

template <class Read>
std::optional<DataError> errorOf(Read&& read) {
  try {
    read();
  } catch (const DataError& e) {
    return e;
  }
  return std::nullopt;
}

}  // namespace zunobi::data::testing
