// The question files: fixed 700-byte records, no header, record n (from 1)
// at byte (n - 1) × 700. Each record holds three CP932 text fields,
// left-aligned and filled with spaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace zunobi::data {

inline constexpr std::size_t kRecordLength = 700;
inline constexpr std::size_t kAnswerWidth = 200;
inline constexpr std::size_t kExplanationWidth = 300;
inline constexpr std::size_t kQuestionWidth = 200;

// Texts in UTF-8. Read from a file, each field keeps its fill spaces.
struct QuizRecord {
  std::string Answer;
  std::string Explanation;
  std::string Question;
  friend bool operator==(const QuizRecord&, const QuizRecord&) = default;
};

// CP932 bytes cut to at most `width` and filled with spaces to `width`. A cut
// that would fall inside a double-byte character falls before it.
std::string fitField(std::string_view cp932, std::size_t width);

// The 700 bytes of a record. Throws Cp932Error for text CP932 cannot hold.
std::string encodeRecord(const QuizRecord& record);
// The first character of the record that CP932 cannot hold (empty if none).
std::string unwritableCharacter(const QuizRecord& record);
// A record from its 700 bytes. Throws Cp932Error for bytes that are not
// CP932 (the offset counts from the record's start).
QuizRecord decodeRecord(std::string_view bytes);

// One open record file. The handle belongs to this object and is closed
// with it.
class RecordFile {
 public:
  enum class Access { Read, ReadWrite };

  // Opening a file that does not exist creates it empty. Throws DataError
  // (Unreadable, CannotWrite) when it cannot be opened or created.
  static RecordFile open(const std::string& path, Access access = Access::ReadWrite);

  // The file's length ÷ 700 (bytes of a last, partial record do not count).
  std::int32_t count() const;
  // Record n, 1 ≤ n ≤ count(); NoSuchRecord otherwise, NotCp932 for a record
  // whose text cannot be read.
  QuizRecord read(std::int32_t n) const;
  // The 700 bytes of record n as they lie in the file, undecoded; the same
  // errors as read() except NotCp932.
  std::string bytes(std::int32_t n) const;
  // Writes record n (n ≥ 1); records between the end and n read as zeros.
  void write(std::int32_t n, const QuizRecord& record);

  const std::string& path() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  RecordFile(std::string path, std::FILE* file, Access access)
      : path_(std::move(path)), file_(file), access_(access) {}

  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
  // Where the stream stands after the last read, or -1 when unknown.
  mutable std::int64_t next_ = -1;
  Access access_;
};

}  // namespace zunobi::data
