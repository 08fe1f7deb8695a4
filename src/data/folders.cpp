#include "data/folders.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

namespace zunobi::data {
namespace {

std::optional<std::string>& override() {
  static std::optional<std::string> folder;
  return folder;
}

std::string joined(std::string_view programFolder, std::string_view name) {
  std::string path(programFolder);
  path += kSeparator;
  path += name;
  path += kSeparator;
  return path;
}

}  // namespace

std::string ProgramFolder() {
  if (override()) return *override();
  std::error_code ec;
  // The program file's own folder, wherever the program was started from.
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

ScopedProgramFolder::ScopedProgramFolder(std::string folder)
    : previous_(override().value_or("")), hadPrevious_(override().has_value()) {
  while (folder.size() > 1 && folder.back() == kSeparator) folder.pop_back();
  override() = std::move(folder);
}

ScopedProgramFolder::~ScopedProgramFolder() {
  if (hadPrevious_)
    override() = previous_;
  else
    override().reset();
}

std::string DataFolder(std::string_view programFolder) {
  return joined(programFolder, kDataFolderName);
}
std::string WorkFolder(std::string_view programFolder) {
  return joined(programFolder, kWorkFolderName);
}
std::string DocumentFolder(std::string_view programFolder) {
  return joined(programFolder, kDocumentFolderName);
}
std::string DataFolder() { return DataFolder(ProgramFolder()); }
std::string WorkFolder() { return WorkFolder(ProgramFolder()); }
std::string DocumentFolder() { return DocumentFolder(ProgramFolder()); }

std::string DocumentFileName(int number) {
  if (number < 0) throw std::out_of_range("document number below 0");
  std::string digits = std::to_string(number);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return "b" + digits + ".csv";
}

}  // namespace zunobi::data
