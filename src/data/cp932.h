// CP932 (Shift_JIS with the Microsoft extensions) on disk, UTF-8 inside.
// The conversion goes through the C library's iconv with Microsoft's
// mapping (0x8160 is U+FF5E, 0x817C is U+FF0D, 0x5C is the backslash).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zunobi::data {

// A text that cannot pass the conversion; `offset` is the byte offset of the
// first offending character in the input.
class Cp932Error : public std::runtime_error {
 public:
  Cp932Error(const std::string& what, std::size_t offset)
      : std::runtime_error(what), offset_(offset) {}
  std::size_t offset() const { return offset_; }

 private:
  std::size_t offset_;
};

// Throws Cp932Error on any byte sequence that is not CP932; nothing is
// replaced or dropped.
std::string cp932ToUtf8(std::string_view cp932);

// Never throws: each character that is not CP932 (a lead byte with a byte
// that may follow one, or else a single byte) becomes `mark`.
std::string cp932ToUtf8Marking(std::string_view cp932, std::string_view mark);

// Throws Cp932Error when the text is not valid UTF-8 or holds a character
// that CP932 cannot hold. A character that the C library would write as
// another one (U+301C as 0x8160, which reads back as U+FF5E) counts as not
// writable: what is written always reads back as the same text.
std::string utf8ToCp932(std::string_view utf8);

// The UTF-8 character that starts at `offset` (empty past the end): names
// the offending character in a message.
std::string utf8CharAt(std::string_view utf8, std::size_t offset);

// The bytes of the UTF-8 character that starts at `offset` (0 past the end),
// for walking a text without copying it.
std::size_t utf8CharSize(std::string_view utf8, std::size_t offset);

// The characters of a UTF-8 text, each as its own string; stops at the
// first byte that starts no valid character.
std::vector<std::string> utf8Characters(std::string_view utf8);

// True for the first byte of a double-byte CP932 character.
constexpr bool isCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace zunobi::data
