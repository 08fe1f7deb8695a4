// The comma-separated text files: one stream of fields across lines.
//
//   auto in = FieldReader::open(DataFolder() + std::string(kKiokuBunFile));
//   while (!in.atEnd()) { auto no = in.readInt16(); auto a = in.read(); auto b = in.read(); }
//
// Every failure is a DataError carrying the file and the line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zunobi::data {

// A field as a general value: its text, and whether that text reads as a
// number (then `number()` holds it).
class Field {
 public:
  Field() = default;
  explicit Field(std::string text);

  const std::string& text() const { return text_; }
  bool isNumber() const { return isNumber_; }
  double number() const { return number_; }
  bool empty() const { return text_.empty(); }

  // Compared with a text the way the drills compare: a number equals any
  // text that reads as the same number ("1" equals " 1" and "1.0").
  bool equals(std::string_view other) const;

  friend bool operator==(const Field& a, const Field& b) { return a.text_ == b.text_; }

 private:
  std::string text_;
  bool isNumber_ = false;
  double number_ = 0.0;
};

// Reads a decimal number: optional sign, digits with an optional fraction,
// optional exponent. False for anything else, including an empty text.
bool parseNumber(std::string_view text, double& out);

class FieldReader {
 public:
  // `text` is UTF-8; `path` names the file in messages.
  FieldReader(std::string path, std::string text);

  // Reads and converts the whole file. Throws DataError: Missing,
  // Unreadable, TooLarge, NotCp932 (with its line).
  static FieldReader open(const std::string& path);
  // Converts a file's bytes already read. Throws DataError: NotCp932.
  static FieldReader fromBytes(const std::string& path, std::string_view bytes);
  // The bytes of a file as `open` reads them.
  static std::string readBytes(const std::string& path);

  // True when no field remains: only spaces and line ends are left. A comma
  // at the very end still promises one (empty) field.
  bool atEnd() const;

  // The next field as a general value; a read when no data remains is a
  // PastEnd error.
  Field read();
  // The next k fields, wherever they lie.
  std::vector<Field> read(int k);
  // The next field's text, not copied: valid while the reader lives. For
  // the many fields a reader only looks at.
  std::string_view readText();
  // A number field: NotANumber unless it reads as a number.
  double readNumber();
  // A whole-number field held as a signed 16-bit value.
  std::int16_t readInt16();

  // The fields of the rest of the current line (up to and including the
  // field that ends with the line end). For checks that a line holds
  // exactly its fields.
  std::vector<Field> readLine();

  // The line (from 1) where the next field starts.
  std::int32_t line() const { return line_; }
  // The line where the field last read started.
  std::int32_t lastLine() const { return lastLine_; }
  const std::string& path() const { return path_; }

 private:
  enum class End { Comma, LineEnd, Data };
  std::string_view readRaw(End& end);
  bool atLineEnd() const;
  void skipLineEnd();

  std::string path_;
  std::string text_;
  std::size_t pos_ = 0;
  std::size_t contentEnd_ = 0;  // just past the last byte that is no space or line end
  std::int32_t lastContentLine_ = 1;
  std::int32_t line_ = 1;
  std::int32_t lastLine_ = 0;
  bool fieldPending_ = false;  // the last field ended with a comma
};

}  // namespace zunobi::data
