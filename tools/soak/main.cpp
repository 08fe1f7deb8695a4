// zunobi-soak: random use of every window, with the data that ships, the
// largest data and broken data, checking after every action what must hold.
//
//   zunobi-soak [--view] [--actions N] [--seed S] [--data shipped,largest,broken]
//
// With --view the input goes through the real windows, on Qt's offscreen
// platform, and the view is checked against the forms after every action.
//
// The shipped data is taken from the folder the program lies in; every data
// set is a copy in a scratch folder, so the preparation window's writes touch
// nothing real. Prints actions per second; exits 1 at the first broken rule.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/folders.h"
#include "soak/data_sets.h"
#include "soak/soak.h"
#include "soak/view_soak.h"

namespace {

using namespace zunobi;

int usage() {
  std::fprintf(
      stderr,
      "usage: zunobi-soak [--view] [--actions N] [--seed S] [--data shipped,largest,broken]\n");
  return 2;
}

double megabytes(std::int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

void printView(const soak::ViewFigures& v) {
  std::printf("view actions of its own (keys, accessibility, clicks anywhere): %llu\n",
              static_cast<unsigned long long>(v.viewActions));
  std::printf("resident memory: %.1f MB at the start", megabytes(v.rssStart));
  if (v.baselineAt)
    std::printf(", %.1f MB after %llu actions", megabytes(v.rssBaseline),
                static_cast<unsigned long long>(v.baselineAt));
  std::printf(", %.1f MB at the end\n", megabytes(v.rssEnd));
  std::printf("live QObjects: %lld at the start, %lld at the end\n",
              static_cast<long long>(v.objectsStart), static_cast<long long>(v.objectsEnd));
  std::printf(
      "with the menu alone, before the baseline and since: at most %.1f and %.1f MB "
      "resident, %lld and %lld live QObjects besides the spare windows\n",
      megabytes(v.restBefore.rss), megabytes(v.restAfter.rss),
      static_cast<long long>(v.restBefore.objects), static_cast<long long>(v.restAfter.objects));
  if (v.qtWarnings)
    std::printf("Qt warnings: %llu\n", static_cast<unsigned long long>(v.qtWarnings));
}

bool wanted(const std::string& list, const char* name) {
  return ("," + list + ",").find("," + std::string(name) + ",") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t actions = 100000;
  std::uint32_t seed = 1;
  std::string which = "shipped,largest,broken";
  bool view = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--view"))
      view = true;
    else if (!std::strcmp(argv[i], "--actions") && i + 1 < argc)
      actions = std::strtoull(argv[++i], nullptr, 10);
    else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
      seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else if (!std::strcmp(argv[i], "--data") && i + 1 < argc)
      which = argv[++i];
    else
      return usage();
  }

  const std::string shipped = data::ProgramFolder();
  std::vector<std::unique_ptr<soak::ScratchFolder>> scratch;
  soak::SoakOptions options;
  options.actions = actions;
  options.seed = seed;
  auto add = [&](std::string name) -> const std::string& {
    scratch.push_back(std::make_unique<soak::ScratchFolder>());
    options.dataSets.push_back({std::move(name), scratch.back()->path()});
    return scratch.back()->path();
  };
  if (wanted(which, "shipped")) soak::copyDataFolders(shipped, add("shipped"));
  if (wanted(which, "largest")) soak::writeLargestData(add("largest"));
  if (wanted(which, "broken"))
    for (auto b : soak::kBreakages)
      soak::writeBrokenData(shipped, add("broken:" + std::string(soak::nameOf(b))), b);
  if (options.dataSets.empty()) return usage();

  options.progress = [view](std::uint64_t done) {
    if (done % 100000 != 0) return;
    std::fprintf(stderr, "  %llu actions", static_cast<unsigned long long>(done));
    if (view)
      std::fprintf(stderr, ", resident memory %.1f MB, %lld live QObjects",
                   megabytes(soak::residentBytes()), static_cast<long long>(soak::liveQObjects()));
    std::fprintf(stderr, "\n");
  };
  std::optional<soak::ViewSoak> viewSoak;
  if (view) options.hands = &viewSoak.emplace(argc, argv).hands();
  soak::SoakReport r = soak::runSoak(options);
  if (viewSoak) viewSoak->hands().finish();

  std::printf("actions: %llu in %.1f s, %.0f actions per second (seed %u)\n",
              static_cast<unsigned long long>(r.actions), r.seconds,
              r.seconds > 0 ? static_cast<double>(r.actions) / r.seconds : 0.0, seed);
  std::printf(
      "windows opened from the menu: %llu; program restarts: %llu; data changed in use: %llu\n",
      static_cast<unsigned long long>(r.visits), static_cast<unsigned long long>(r.restarts),
      static_cast<unsigned long long>(r.changes));
  for (const auto& [name, n] : r.visitsByWindow)
    std::printf("  %-22s %llu visits\n", name.c_str(), static_cast<unsigned long long>(n));
  for (const auto& [name, n] : r.actionsByDataSet)
    std::printf("  data %-24s %llu actions, %llu visits\n", name.c_str(),
                static_cast<unsigned long long>(n),
                static_cast<unsigned long long>(
                    r.visitsByDataSet.count(name) ? r.visitsByDataSet.at(name) : 0));
  if (viewSoak) printView(viewSoak->hands().figures());
  if (!r.ok()) {
    std::printf("FAILED %s", r.failure.c_str());
    return 1;
  }
  std::printf("every rule held after every action\n");
  return 0;
}
