// Program folders for the soak and the benchmarks: the data that ships, the
// largest data every reader accepts, and data broken in each way a file can
// be broken.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zunobi::soak {

// A fresh folder under the system's temporary folder, removed with all it
// holds when this object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view prefix = "zunobi-soak");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The sizes of the largest data: what the drills hold at most.
struct LargestSizes {
  int questionRecords = 10000;  // each question file, and each source list
  int jyukugoRecords = 1500;    // usable records of 二字熟語.csv
  int compounds = 30;           // each list of a record
  int kiokuBun = 500;
  int documents = 68;
  int documentLines = 300;     // lines of each document file
  int documentQuestions = 20;  // of those, question lines
};

// Writes into the data folders of `programFolder` (made when missing) files
// as large as every reader accepts, each field as long as it may be.
void writeLargestData(const std::string& programFolder, const LargestSizes& sizes = {});

// Copies the data folders ("file", "作業ファイル", "bun") of one program
// folder into another.
void copyDataFolders(const std::string& from, const std::string& to);

enum class Breakage {
  Missing,          // every data file gone
  CutShort,         // every file cut inside its last line or record
  NotCp932,         // bytes no CP932 text holds, in the middle of every file
  WrongFieldCount,  // lines with a field too few or too many
  TooManyLines,     // one line or record beyond what the drills hold
};
inline constexpr Breakage kBreakages[] = {Breakage::Missing, Breakage::CutShort, Breakage::NotCp932,
                                          Breakage::WrongFieldCount, Breakage::TooManyLines};
std::string_view nameOf(Breakage b);

// The data of `from`, broken the one way in every file, written to `to`.
void writeBrokenData(const std::string& from, const std::string& to, Breakage breakage);

// A whole file's bytes (empty when it cannot be read), and a file written
// whole.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);

// Every data file of a program folder.
std::vector<std::string> dataFiles(const std::string& programFolder);

}  // namespace zunobi::soak
