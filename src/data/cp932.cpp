#include "data/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace zunobi::data {
namespace {

// One iconv descriptor per direction and thread, reset before every use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("no iconv converter from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // False with the offset of the first byte not converted; `out` then holds
  // the text of the bytes before it. `room` is what the output should take;
  // more is found if it does not.
  bool convert(std::string_view in, std::string& out, std::size_t& bad, std::size_t room) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.assign(room + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t produced = 0;
    while (srcLeft > 0) {
      char* dst = out.data() + produced;
      std::size_t dstLeft = out.size() - produced;
      std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      produced = out.size() - dstLeft;
      if (r != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      bad = in.size() - srcLeft;  // EILSEQ, or EINVAL for a cut-off character
      out.resize(produced);
      return false;
    }
    out.resize(produced);
    return true;
  }

 private:
  iconv_t cd_;
};

// The most UTF-8 a CP932 text can become: a double-byte character three
// bytes, a half-width kana three, any other byte one. Room just large enough
// spares a large file's conversion the fresh pages it would not use.
std::size_t utf8Room(std::string_view cp932) {
  std::size_t room = cp932.size();
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    const auto b = static_cast<unsigned char>(cp932[i]);
    if (isCp932LeadByte(b)) {
      ++room;
      ++i;
    } else if (b >= 0xA1 && b <= 0xDF) {
      room += 2;
    }
  }
  return room;
}

// CP932 never takes more bytes than the UTF-8 it comes from.
std::size_t cp932Room(std::string_view utf8) { return utf8.size(); }

Converter& decoder() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

Converter& encoder() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

std::size_t utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The first character of `utf8` that does not come back unchanged.
std::size_t firstUnwritable(std::string_view utf8) {
  std::string bytes;
  std::string back;
  std::size_t bad = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t len =
        std::min(utf8Length(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
    std::string_view ch = utf8.substr(pos, len);
    if (!encoder().convert(ch, bytes, bad, cp932Room(ch)) ||
        !decoder().convert(bytes, back, bad, utf8Room(bytes)) || back != ch)
      return pos;
    pos += len;
  }
  return 0;
}

}  // namespace

std::size_t utf8CharSize(std::string_view utf8, std::size_t offset) {
  if (offset >= utf8.size()) return 0;
  return std::min(utf8Length(static_cast<unsigned char>(utf8[offset])), utf8.size() - offset);
}

std::string utf8CharAt(std::string_view utf8, std::size_t offset) {
  std::size_t size = utf8CharSize(utf8, offset);
  return size == 0 ? std::string() : std::string(utf8.substr(offset, size));
}

std::string cp932ToUtf8(std::string_view cp932) {
  std::string out;
  std::size_t bad = 0;
  if (!decoder().convert(cp932, out, bad, utf8Room(cp932)))
    throw Cp932Error("bytes that are not CP932", bad);
  return out;
}

std::string cp932ToUtf8Marking(std::string_view cp932, std::string_view mark) {
  std::string text;
  std::string part;
  std::size_t bad = 0;
  // Each pass converts up to the next bad character, so the whole is read
  // once. Room for all of it is made once; later passes start small and
  // grow as they need, or a text full of bad bytes would take time by the
  // square of its length.
  std::size_t room = utf8Room(cp932);
  while (!decoder().convert(cp932, part, bad, room)) {
    room = 64;
    text += part;
    text += mark;
    const auto lead = static_cast<unsigned char>(cp932[bad]);
    std::size_t skip = 1;
    if (bad + 1 < cp932.size() && isCp932LeadByte(lead)) {
      const auto trail = static_cast<unsigned char>(cp932[bad + 1]);
      if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC)) skip = 2;
    }
    cp932.remove_prefix(bad + skip);
  }
  return text + part;
}

std::string utf8ToCp932(std::string_view utf8) {
  std::string out;
  std::string back;
  std::size_t bad = 0;
  if (!encoder().convert(utf8, out, bad, cp932Room(utf8)))
    throw Cp932Error("text that CP932 cannot hold", firstUnwritable(utf8));
  // The C library writes a few characters as look-alikes (U+301C as
  // 0x8160); such text would not read back as written.
  if (!decoder().convert(out, back, bad, utf8Room(out)) || back != utf8)
    throw Cp932Error("text that CP932 cannot hold", firstUnwritable(utf8));
  return out;
}

std::vector<std::string> utf8Characters(std::string_view utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    std::string c = utf8CharAt(utf8, i);
    if (c.empty()) break;
    i += c.size();
    out.push_back(std::move(c));
  }
  return out;
}

}  // namespace zunobi::data
