// The question files: fixed 700-byte records, no header, record n (from 1)
// at byte (n - 1) × 700. Each record holds three CP932 text fields,
// left-aligned and filled with spaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
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
// A record from its 700 bytes. Bytes that are not CP932 throw Cp932Error
// (the offset counts from the record's start), or show as `badBytesMark`
// when one is given.
QuizRecord decodeRecord(std::string_view bytes,
                        std::optional<std::string_view> badBytesMark = std::nullopt);

// One record file open for reading (the preparation writes the whole file
// at once). The handle belongs to this object and is closed with it.
class RecordFile {
 public:
  // Throws DataError: Missing, never creating the file; Unreadable.
  static RecordFile open(const std::string& path);

  // The file's length ÷ 700 (bytes of a last, partial record do not count).
  std::int32_t count() const;
  // Record n, 1 ≤ n ≤ count(); NoSuchRecord otherwise. A record whose text
  // cannot be read is NotCp932, or shows `badBytesMark` where its bytes are
  // not text.
  QuizRecord read(std::int32_t n,
                  std::optional<std::string_view> badBytesMark = std::nullopt) const;
  // The 700 bytes of record n as they lie in the file, undecoded; the same
  // errors as read() except NotCp932.
  std::string bytes(std::int32_t n) const;

  const std::string& path() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  RecordFile(std::string path, std::FILE* file) : path_(std::move(path)), file_(file) {}

  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
  // Where the stream stands after the last read, or -1 when unknown.
  mutable std::int64_t next_ = -1;
};

}  // namespace zunobi::data
