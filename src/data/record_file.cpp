#include "data/record_file.h"

#include <sys/stat.h>

#include <filesystem>

#include "data/cp932.h"
#include "data/data_error.h"

namespace zunobi::data {
namespace {

constexpr std::size_t kExplanationOffset = kAnswerWidth;
constexpr std::size_t kQuestionOffset = kAnswerWidth + kExplanationWidth;
static_assert(kQuestionOffset + kQuestionWidth == kRecordLength);

std::string encodeField(const std::string& text, std::size_t width) {
  return fitField(utf8ToCp932(text), width);
}

std::string decodeField(std::string_view record, std::size_t offset, std::size_t width,
                        std::optional<std::string_view> badBytesMark) {
  const std::string_view field = record.substr(offset, width);
  if (badBytesMark) return cp932ToUtf8Marking(field, *badBytesMark);
  try {
    return cp932ToUtf8(field);
  } catch (const Cp932Error& e) {
    throw Cp932Error(e.what(), offset + e.offset());
  }
}

}  // namespace

std::string unwritableCharacter(const QuizRecord& record) {
  for (const std::string* text : {&record.Answer, &record.Explanation, &record.Question}) {
    try {
      utf8ToCp932(*text);
    } catch (const Cp932Error& e) {
      return utf8CharAt(*text, e.offset());
    }
  }
  return {};
}

std::string fitField(std::string_view cp932, std::size_t width) {
  std::size_t used = 0;
  while (used < cp932.size()) {
    std::size_t len = isCp932LeadByte(static_cast<unsigned char>(cp932[used])) ? 2 : 1;
    len = std::min(len, cp932.size() - used);
    if (used + len > width) break;  // never half a character
    used += len;
  }
  std::string out(cp932.substr(0, used));
  out.append(width - used, ' ');
  return out;
}

std::string encodeRecord(const QuizRecord& record) {
  std::string bytes = encodeField(record.Answer, kAnswerWidth);
  bytes += encodeField(record.Explanation, kExplanationWidth);
  bytes += encodeField(record.Question, kQuestionWidth);
  return bytes;
}

QuizRecord decodeRecord(std::string_view bytes, std::optional<std::string_view> badBytesMark) {
  if (bytes.size() != kRecordLength) throw std::invalid_argument("a record is 700 bytes");
  return {decodeField(bytes, 0, kAnswerWidth, badBytesMark),
          decodeField(bytes, kExplanationOffset, kExplanationWidth, badBytesMark),
          decodeField(bytes, kQuestionOffset, kQuestionWidth, badBytesMark)};
}

RecordFile RecordFile::open(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto status = fs::status(path, ec);
  if (!fs::exists(status)) throw DataError(DataProblem::Missing, path);
  if (!fs::is_regular_file(status)) throw DataError(DataProblem::Unreadable, path);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw DataError(DataProblem::Unreadable, path);
  // Room for a run of records read in turn.
  std::setvbuf(f, nullptr, _IOFBF, 64 * 1024);
  return RecordFile(path, f);
}

std::int32_t RecordFile::count() const {
  struct stat st {};
  if (fstat(fileno(file_.get()), &st) != 0) throw DataError(DataProblem::Unreadable, path_);
  auto records = static_cast<std::uintmax_t>(st.st_size) / kRecordLength;
  if (records > static_cast<std::uintmax_t>(INT32_MAX)) return INT32_MAX;
  return static_cast<std::int32_t>(records);
}

std::string RecordFile::bytes(std::int32_t n) const {
  if (n < 1) throw DataError(DataProblem::NoSuchRecord, path_, n, {}, PlaceKind::Record);
  const std::int64_t at = static_cast<std::int64_t>(n - 1) * kRecordLength;
  std::string out(kRecordLength, '\0');
  // Records read in turn need neither a seek nor a look at the file's
  // length: the quiz reads all 10000 at load, and those system calls were
  // most of its time.
  if (at != next_ && fseeko(file_.get(), static_cast<off_t>(at), SEEK_SET) != 0) {
    next_ = -1;
    throw DataError(DataProblem::Unreadable, path_, n, {}, PlaceKind::Record);
  }
  if (std::fread(out.data(), 1, out.size(), file_.get()) != out.size()) {
    next_ = -1;
    const bool failed = std::ferror(file_.get()) != 0;
    std::clearerr(file_.get());
    // Past the end, or into a last record cut short: no such record.
    throw DataError(failed ? DataProblem::Unreadable : DataProblem::NoSuchRecord, path_, n, {},
                    PlaceKind::Record);
  }
  next_ = at + static_cast<std::int64_t>(kRecordLength);
  return out;
}

QuizRecord RecordFile::read(std::int32_t n, std::optional<std::string_view> badBytesMark) const {
  try {
    return decodeRecord(bytes(n), badBytesMark);
  } catch (const Cp932Error&) {
    throw DataError(DataProblem::NotCp932, path_, n, {}, PlaceKind::Record);
  }
}

}  // namespace zunobi::data
