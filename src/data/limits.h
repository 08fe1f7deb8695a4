// What the drills hold of each data file: their readers stop there, and the
// maintainers' check reports what goes beyond.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zunobi::data {

inline constexpr std::int32_t kMaxKiokuBun = 500;
inline constexpr std::int32_t kMaxJyukugo = 1500;
inline constexpr int kJyukugoFields = 63;
inline constexpr int kMaxCompounds = 30;  // slots of each list of a record
inline constexpr std::int32_t kMaxDocumentLines = 300;
inline constexpr std::size_t kMaxQuestionChars = 100;  // a document's question or answer

}  // namespace zunobi::data
