// Validation of every data file the program reads against its layout and
// limits, for maintainers (the zunobi-data tool) and for the test suite.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/limits.h"

namespace zunobi::data {

struct CheckFinding {
  std::string path;
  std::int32_t line = 0;  // 0: the file as a whole
  std::string message;
  bool warning = false;  // worth a look, but the program copes
};

class CheckReport {
 public:
  void problem(std::string path, std::int32_t line, std::string message);
  void warning(std::string path, std::int32_t line, std::string message);

  const std::vector<CheckFinding>& findings() const { return findings_; }
  int problems() const;
  int warnings() const;
  bool ok() const { return problems() == 0; }

 private:
  std::vector<CheckFinding> findings_;
};

// "path:12: message", warnings marked "注意：".
std::string formatFinding(const CheckFinding& finding);

struct CheckOptions {
  // Missing files are problems too (by default only warnings, since a
  // folder may not hold every drill's data yet).
  bool requireAll = false;
};

// Every file of the data folders beside `programFolder`.
CheckReport checkDataFolders(const std::string& programFolder, const CheckOptions& options = {});

// Single files; a missing file is reported as a problem.
void checkSourceList(const std::string& path, CheckReport& report);
// `sourcePath` empty: no comparison with the list it was made from.
void checkQuestionFile(const std::string& path, const std::string& sourcePath, CheckReport& report);
void checkKiokuBun(const std::string& path, CheckReport& report);
void checkNijiJyukugo(const std::string& path, CheckReport& report);
void checkDocument(const std::string& path, CheckReport& report);

}  // namespace zunobi::data
