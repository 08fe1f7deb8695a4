#include "data/field_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/file_io.h"

namespace zunobi::data {
namespace {

// No data file comes near this; a larger file is refused before it is read.
constexpr std::uintmax_t kMaxTextFileSize = 16 * 1024 * 1024;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Line ends in s: CR LF, a lone CR or a lone LF each count once.
std::int32_t countLineEnds(std::string_view s) {
  std::int32_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) ++n;
  }
  return n;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool parseNumber(std::string_view text, double& out) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    // No digits ("1e") is refused below: from_chars stops before the 'e'.
    while (i < text.size() && isDigit(text[i])) ++i;
  }
  if (i != text.size()) return false;
  double value = 0.0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return false;
  out = negative ? -value : value;
  return true;
}

Field::Field(std::string text) : text_(std::move(text)) {
  isNumber_ = parseNumber(trimmed(text_), number_);
}

bool Field::equals(std::string_view other) const {
  double value = 0.0;
  if (isNumber_ && parseNumber(trimmed(other), value)) return value == number_;
  return text_ == other;
}

FieldReader::FieldReader(std::string path, std::string text)
    : path_(std::move(path)), text_(std::move(text)) {
  contentEnd_ = text_.size();
  while (contentEnd_ > 0 && (text_[contentEnd_ - 1] == ' ' || isLineEnd(text_[contentEnd_ - 1])))
    --contentEnd_;
  lastContentLine_ = 1 + countLineEnds(std::string_view(text_).substr(0, contentEnd_));
}

std::string FieldReader::readBytes(const std::string& path) {
  auto bytes = readBytesIfPresent(path, kMaxTextFileSize);
  if (!bytes) throw DataError(DataProblem::Missing, path);
  return std::move(*bytes);
}

FieldReader FieldReader::fromBytes(const std::string& path, std::string_view bytes) {
  try {
    return FieldReader(path, cp932ToUtf8(bytes));
  } catch (const Cp932Error& e) {
    // CP932 trail bytes are never CR or LF, so the raw bytes count lines.
    auto line = 1 + countLineEnds(bytes.substr(0, e.offset()));
    throw DataError(DataProblem::NotCp932, path, line);
  }
}

FieldReader FieldReader::open(const std::string& path) { return fromBytes(path, readBytes(path)); }

bool FieldReader::atEnd() const { return !fieldPending_ && pos_ >= contentEnd_; }

bool FieldReader::atLineEnd() const { return pos_ < text_.size() && isLineEnd(text_[pos_]); }

void FieldReader::skipLineEnd() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

std::string_view FieldReader::readRaw(End& end) {
  if (atEnd()) throw DataError(DataProblem::PastEnd, path_, lastContentLine_);
  while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  lastLine_ = line_;
  std::string_view value;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    auto close = text_.find('"', pos_ + 1);
    if (close == std::string::npos) throw DataError(DataProblem::UnclosedQuote, path_, lastLine_);
    value = std::string_view(text_).substr(pos_ + 1, close - pos_ - 1);
    line_ += countLineEnds(value);
    pos_ = close + 1;
    // Whatever follows the closing quote up to the delimiter is dropped.
    while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    std::size_t stop = pos_;
    while (stop > start && text_[stop - 1] == ' ') --stop;
    value = std::string_view(text_).substr(start, stop - start);
  }
  if (pos_ >= text_.size()) {
    end = End::Data;
    fieldPending_ = false;
  } else if (text_[pos_] == ',') {
    ++pos_;
    end = End::Comma;
    fieldPending_ = true;
  } else {
    skipLineEnd();
    end = End::LineEnd;
    fieldPending_ = false;
  }
  return value;
}

Field FieldReader::read() {
  End end;
  return Field(std::string(readRaw(end)));
}

std::string_view FieldReader::readText() {
  End end;
  return readRaw(end);
}

std::vector<Field> FieldReader::read(int k) {
  std::vector<Field> fields;
  fields.reserve(k > 0 ? static_cast<std::size_t>(k) : 0);
  for (int i = 0; i < k; ++i) fields.push_back(read());
  return fields;
}

double FieldReader::readNumber() {
  Field f = read();
  if (!f.isNumber()) throw DataError(DataProblem::NotANumber, path_, lastLine_, excerpt(f.text()));
  return f.number();
}

std::int16_t FieldReader::readInt16() {
  Field f = read();
  if (!f.isNumber()) throw DataError(DataProblem::NotANumber, path_, lastLine_, excerpt(f.text()));
  double v = f.number();
  if (v != std::floor(v) || v < std::numeric_limits<std::int16_t>::min() ||
      v > std::numeric_limits<std::int16_t>::max())
    throw DataError(DataProblem::NotAWholeNumber, path_, lastLine_, excerpt(f.text()));
  return static_cast<std::int16_t>(v);
}

std::vector<Field> FieldReader::readLine() {
  std::vector<Field> fields;
  End end = End::Comma;
  while (end == End::Comma) fields.emplace_back(std::string(readRaw(end)));
  return fields;
}

}  // namespace zunobi::data
