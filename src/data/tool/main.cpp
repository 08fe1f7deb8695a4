// zunobi-data: the maintainers' tool for the data folders.
//
//   zunobi-data check [--require-all] [FOLDER]   validate every data file
//   zunobi-data prepare [FOLDER]                 build both question files
//
// FOLDER is the program folder that holds "file", "作業ファイル" and "bun";
// by default the folder of this tool, which lies beside the program.
#include <cstdio>
#include <string>
#include <vector>

#include "data/data_check.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"

namespace {

using namespace zunobi::data;

constexpr int kUsage = 2;

int usage() {
  std::fputs(
      "使い方:\n"
      "  zunobi-data check [--require-all] [FOLDER]   データファイルを検査する\n"
      "  zunobi-data prepare [FOLDER]                 問題ファイル（.ran）を作る\n"
      "FOLDER はプログラムのフォルダ（file、作業ファイル、bun を含む）。\n"
      "省略すると、このツールのあるフォルダ。\n",
      stderr);
  return kUsage;
}

int check(const std::string& folder, bool requireAll) {
  auto report = checkDataFolders(folder, {requireAll});
  for (const auto& f : report.findings()) std::printf("%s\n", formatFinding(f).c_str());
  std::printf("検査終了：問題 %d 件、注意 %d 件\n", report.problems(), report.warnings());
  return report.ok() ? 0 : 1;
}

int prepare(const std::string& folder) {
  int failed = 0;
  for (QuizList list : {QuizList::Omoide, QuizList::Nazonazo}) {
    auto result = prepareQuestionFile(list, folder);
    std::printf("%s: %s\n", std::string(filesOf(list).target).c_str(), result.message.c_str());
    if (!result.ok) ++failed;
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  std::string command = args.front();
  args.erase(args.begin());
  bool requireAll = false;
  std::vector<std::string> folders;
  for (const auto& a : args) {
    if (a == "--require-all" && command == "check")
      requireAll = true;
    else if (!a.empty() && a[0] == '-')
      return usage();
    else
      folders.push_back(a);
  }
  if (folders.size() > 1) return usage();
  std::string folder = folders.empty() ? ProgramFolder() : folders.front();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  try {
    if (command == "check") return check(folder, requireAll);
    if (command == "prepare") return prepare(folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zunobi-data: %s\n", e.what());
    return 1;
  }
  return usage();
}
