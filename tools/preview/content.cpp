#include "content.h"

#include <filesystem>

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/document_file.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/kioku_bun.h"
#include "data/record_file.h"
#include "drills/arithmetic/frm2_kioku.h"
#include "drills/knowledge/frm21_niji_jyukugo.h"
#include "drills/knowledge/frm2_bunsyo.h"
#include "drills/knowledge/frm2_quiz.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace zunobi::preview {
namespace {

using ui::decimal;

// Filled in place: GCC 12 at -O3 takes a braced Sample moved into the vector
// for one whose label may be read uninitialized.
void add(std::vector<Sample>& out, std::string view, std::string source, ui::ControlId label,
         std::string text, bool oneLine = false) {
  Sample& s = out.emplace_back();
  s.view = std::move(view);
  s.source = std::move(source);
  s.label = std::move(label);
  s.text = std::move(text);
  s.oneLine = oneLine;
}

void quizSamples(const std::string& view, const std::string& path, std::vector<Sample>& out) {
  auto file = data::RecordFile::open(path);
  const std::string name = data::baseName(path);
  for (std::int32_t n = 1; n <= file.count(); ++n) {
    auto r = file.read(n);  // with the fill spaces, as the quiz shows it
    const std::string where = name + " " + decimal(n) + "番";
    add(out, view, where, {"lblQs"}, r.Question);
    add(out, view, where, {"lblAns"}, r.Answer);
    add(out, view, where, {"lblKaisetu"}, r.Explanation);
  }
}

void documentSamples(const std::string& folder, std::vector<Sample>& out,
                     std::vector<std::string>& unreadable) {
  for (int n = 1; n <= data::kDocumentCount; ++n) {
    const std::string path = folder + data::DocumentFileName(n);
    data::DocumentFile doc;
    try {
      doc = data::readDocumentFile(path);
    } catch (const data::DataError& e) {
      unreadable.push_back(e.message());
      continue;
    }
    const std::string name = data::baseName(path);
    add(out, "bunsyo", name, {"lblBunsyo"}, data::documentText(doc));
    for (std::size_t line = 0; line < doc.lines.size(); ++line)
      add(out, "bunsyo", name + " 文書の" + decimal(static_cast<std::int64_t>(line + 1)) + "行目",
          {"lblBunsyo"}, doc.lines[line], true);
    for (std::size_t q = 0; q < doc.questions.size(); ++q) {
      const std::string where = name + " 質問" + decimal(static_cast<std::int64_t>(q + 1));
      add(out, "bunsyo", where, {"lblQs"}, doc.questions[q]);
      add(out, "bunsyo", where, {"lblAnswer"}, doc.answers[q]);
    }
  }
}

}  // namespace

std::vector<ContentView> contentViews() {
  return {
      {"nazo", std::string(drills::Frm2Quiz::kNazo.info.formName)},
      {"quiz", std::string(drills::Frm2Quiz::kQuiz.info.formName)},
      {"bunsyo", std::string(drills::Frm2Bunsyo::kInfo.formName)},
      {"kioku", std::string(drills::Frm2Kioku::kKioku1.info.formName)},
      {"jyukugo", std::string(drills::Frm21NijiJyukugo::kInfo.formName)},
  };
}

std::vector<Sample> samples(const std::string& programFolder,
                            std::vector<std::string>& unreadable) {
  std::vector<Sample> out;
  const std::string dataFolder = data::DataFolder(programFolder);
  auto attempt = [&](const std::string& path, auto&& read) {
    if (!std::filesystem::exists(path)) {
      unreadable.push_back("「" + data::baseName(path) + "」がありません");
      return;
    }
    try {
      read(path);
    } catch (const data::DataError& e) {
      unreadable.push_back(e.message());
    }
  };
  attempt(dataFolder + std::string(data::kNazonazoQuestions),
          [&](const std::string& p) { quizSamples("nazo", p, out); });
  attempt(dataFolder + std::string(data::kOmoideQuestions),
          [&](const std::string& p) { quizSamples("quiz", p, out); });
  documentSamples(data::DocumentFolder(programFolder), out, unreadable);
  attempt(dataFolder + std::string(data::kKiokuBunFile), [&](const std::string& p) {
    auto rows = data::readKiokuBun(p);
    for (std::size_t i = 0; i < rows.size(); ++i)
      add(out, "kioku",
          data::baseName(p) + " " + decimal(static_cast<std::int64_t>(i + 1)) + "行目",
          {"lblMondaiBun"}, rows[i]);
  });
  attempt(dataFolder + std::string(data::kNijiJyukugoFile), [&](const std::string& p) {
    auto records = data::readJyukugo(p);
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string where =
          data::baseName(p) + " " + decimal(static_cast<std::int64_t>(i + 1)) + "組目";
      const auto& r = records[i];
      // The centre, the kanji before it and the kanji after it.
      add(out, "jyukugo", where, {"lblKanji", 0}, data::centreKanji(r));
      // Before the centre on the left and above, after it on the right and below.
      for (std::size_t k = 0; k < r.ato.size(); ++k)
        add(out, "jyukugo", where + "「" + r.ato[k] + "」", {"lblKanji", 1 + int(k % 2)},
            data::utf8Characters(r.ato[k])[0]);
      for (std::size_t k = 0; k < r.saki.size(); ++k)
        add(out, "jyukugo", where + "「" + r.saki[k] + "」", {"lblKanji", 3 + int(k % 2)},
            data::utf8Characters(r.saki[k])[1]);
    }
  });
  return out;
}

}  // namespace zunobi::preview
