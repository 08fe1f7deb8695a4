// Any bytes as the riddle window's question file, read the way the quiz
// reads it: the window loads (record count, a read of every record, the
// shuffle), then its button walks through the questions and their answers
// (record reads, decoding with bad bytes marked). Nothing throws, every
// caption is valid UTF-8, the record number shown is one of the file's, and
// after the last answer comes the closing message. The record file itself
// counts and reads the same bytes alike.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "check.h"
#include "data/data_error.h"
#include "data/folders.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "drills/knowledge/frm2_quiz.h"
#include "ui/services_real.h"
#include "ui/testing.h"

using namespace zunobi;

namespace {

// A program folder of this process, in memory where there is one.
const std::string& programFolder() {
  static const std::string path = [] {
    std::string p = access("/dev/shm", W_OK) == 0 ? "/dev/shm/zunobi-fuzz-quiz-XXXXXX"
                                                  : "/tmp/zunobi-fuzz-quiz-XXXXXX";
    if (!mkdtemp(p.data())) std::abort();
    std::filesystem::create_directories(data::DataFolder(p));
    return p;
  }();
  // Registered once the path stands, so it runs before the path is gone.
  static const bool removedAtExit =
      std::atexit([] { std::filesystem::remove_all(programFolder()); }) == 0;
  (void)removedAtExit;
  return path;
}

bool validUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80         ? 1
                          : (c >> 5) == 6  ? 2
                          : (c >> 4) == 14 ? 3
                          : (c >> 3) == 30 ? 4
                                           : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

void checkCaptions(const ui::Form& w) {
  for (const auto& c : w.controls()) FUZZ_CHECK(validUtf8(c->caption()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const data::ScopedProgramFolder scoped(programFolder());
  const std::string path = data::DataFolder() + std::string(data::kNazonazoQuestions);
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(bytes, 1, size, f);
    std::fclose(f);
  }
  const auto records = static_cast<std::int32_t>(size / data::kRecordLength);
  const std::int32_t asked = records < data::kMaxQuizRecords ? records : data::kMaxQuizRecords;

  // The record file: its count, and each record read or told as not CP932.
  {
    const auto file = data::RecordFile::open(path);
    FUZZ_CHECK(file.count() == records);
    for (std::int32_t n = 1; n <= asked; ++n) {
      FUZZ_CHECK(file.bytes(n).size() == data::kRecordLength);
      try {
        file.read(n);
      } catch (const data::DataError& e) {
        FUZZ_CHECK(e.problem() == data::DataProblem::NotCp932 && e.place() == n);
      }
    }
  }

  // The window, from load through every question to the closing message.
  ui::testing::FakeClock clock;
  ui::ClockSeededRandom random(clock);
  ui::testing::RecordingNavigator navigator;
  ui::testing::RecordingMessageBox box;
  ui::Services services{clock, random, navigator, box};
  auto w = std::make_shared<drills::Frm2Quiz>(services, drills::Frm2Quiz::kNazo);
  w->load();
  checkCaptions(*w);
  const ui::Control& button = w->control("cmdAns");
  std::int32_t clicks = 0;
  while (w->showing(button)) {
    FUZZ_CHECK(asked > 0);
    const std::string& no = w->control("lblNo").caption();
    const long n = std::strtol(no.c_str(), nullptr, 10);
    FUZZ_CHECK(n >= 1 && n <= asked);
    w->click("cmdAns");
    checkCaptions(*w);
    FUZZ_CHECK(++clicks <= 2 * asked);
  }
  if (asked > 0 && clicks == 2 * asked)
    FUZZ_CHECK(w->control("lblQs").caption() == drills::Frm2Quiz::kFinished);
  w->click("cmdToMenu");
  return 0;
}
