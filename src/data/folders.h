// Where the data files lie: folders beside the program, and the document
// file names.
#pragma once

#include <string>
#include <string_view>

namespace zunobi::data {

// The folder of the running program, without a trailing separator. Tests may
// put another folder in its place with ScopedProgramFolder.
std::string ProgramFolder();

// For the lifetime of this object ProgramFolder() gives `folder` instead.
class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(std::string folder);
  ~ScopedProgramFolder();
  ScopedProgramFolder(const ScopedProgramFolder&) = delete;
  ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

 private:
  std::string previous_;
  bool hadPrevious_;
};

inline constexpr char kSeparator = '/';

// Program folder + "/file/", "/作業ファイル/", "/bun/" (each with its
// trailing separator, so a file name is simply appended).
std::string DataFolder(std::string_view programFolder);
std::string WorkFolder(std::string_view programFolder);
std::string DocumentFolder(std::string_view programFolder);
std::string DataFolder();
std::string WorkFolder();
std::string DocumentFolder();

inline constexpr std::string_view kDataFolderName = "file";
inline constexpr std::string_view kWorkFolderName = "作業ファイル";
inline constexpr std::string_view kDocumentFolderName = "bun";

// The files the program reads or writes.
inline constexpr std::string_view kNazonazoList = "なぞなぞ.csv";
inline constexpr std::string_view kOmoideList = "クイズ（思い出し）.csv";
inline constexpr std::string_view kNazonazoQuestions = "クイズ（なぞなぞ）.ran";
inline constexpr std::string_view kOmoideQuestions = "クイズ（思い出し）.ran";
inline constexpr std::string_view kKiokuBunFile = "記憶用文章.csv";
inline constexpr std::string_view kNijiJyukugoFile = "二字熟語.csv";
inline constexpr int kDocumentCount = 68;

// "b" + the number with at least three digits + ".csv": 7 → "b007.csv".
std::string DocumentFileName(int number);

}  // namespace zunobi::data
