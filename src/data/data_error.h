// A problem with a data file, told in Japanese with the file and the place
// (line of a text file, or number of a record) where it was found.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zunobi::data {

enum class DataProblem {
  Missing,          // the file is not there
  Unreadable,       // it is there but cannot be read
  TooLarge,         // far larger than any data file can be
  NotCp932,         // bytes that are not CP932 text
  NotWritable,      // text that cannot be written as CP932
  PastEnd,          // a read of a field when no data remains
  UnclosedQuote,    // a quoted field without its closing quote
  NotANumber,       // a number field holding something else
  NotAWholeNumber,  // a whole-number field out of range or with a fraction
  WrongFieldCount,  // a line without the stated number of fields
  TooManyRecords,   // more lines or records than the program uses
  NoSuchRecord,     // a record number beyond the file
  CannotWrite,      // the file cannot be written or put in place
  FolderReadOnly,   // the folder refuses new files (an installed program's folder)
  NoQuestions,      // a document without a question to ask
  NoPuzzles,        // a compound file without a record that makes a puzzle
};

// Where in a file: a text line or a record number; 0 means the whole file.
enum class PlaceKind { Line, Record };

class DataError : public std::runtime_error {
 public:
  DataError(DataProblem problem, std::string path, std::int32_t place = 0, std::string detail = {},
            PlaceKind kind = PlaceKind::Line);

  DataProblem problem() const { return problem_; }
  const std::string& path() const { return path_; }
  // The last component of the path, as shown to the user.
  std::string fileName() const;
  std::int32_t place() const { return place_; }
  PlaceKind placeKind() const { return kind_; }
  std::int32_t line() const { return kind_ == PlaceKind::Line ? place_ : 0; }
  const std::string& detail() const { return detail_; }

  // 「なぞなぞ.csv」の12行目：項目が足りません
  std::string message() const;
  // The same message without the file and place, for a list that shows them apart.
  std::string problemText() const;

 private:
  DataProblem problem_;
  std::string path_;
  std::int32_t place_;
  std::string detail_;
  PlaceKind kind_;
};

// The last component of a "/"-separated path.
std::string baseName(const std::string& path);

// At most `chars` characters of a UTF-8 text, with "…" when cut: keeps a
// quoted excerpt of bad data short enough for a one-line message.
std::string excerpt(const std::string& utf8, std::size_t chars = 16);

}  // namespace zunobi::data
