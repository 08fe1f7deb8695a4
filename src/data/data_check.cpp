#include "data/data_check.h"

#include <filesystem>
#include <functional>
#include <optional>

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/document_file.h"
#include "data/field_reader.h"
#include "data/file_io.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/kioku_bun.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "ui/text.h"

namespace zunobi::data {
namespace {

namespace fs = std::filesystem;
using ui::decimal;

// The check reads no record file, so a reader's error names a line or the
// whole file.
void report(CheckReport& r, const DataError& e) { r.problem(e.path(), e.line(), e.problemText()); }

// Calls `check` with the fields of every line; stops at the first error
// that makes the rest of the file unreadable. False when the file could not
// be read to its end.
bool eachLine(const std::string& path, CheckReport& r,
              const std::function<void(std::int32_t, const std::vector<Field>&)>& check) {
  try {
    FieldReader in = FieldReader::open(path);
    while (!in.atEnd()) {
      std::int32_t line = in.line();
      auto fields = in.readLine();
      check(line, fields);
    }
    return true;
  } catch (const DataError& e) {
    report(r, e);
    return false;
  }
}

bool fieldCount(CheckReport& r, const std::string& path, std::int32_t line,
                const std::vector<Field>& fields, std::size_t expected) {
  if (fields.size() == expected) return true;
  r.problem(path, line,
            "項目の数が違います（" + decimal(static_cast<std::int64_t>(expected)) + "つのところ" +
                decimal(static_cast<std::int64_t>(fields.size())) + "つ）");
  return false;
}

std::optional<std::int64_t> wholeNumber(const Field& f, std::int64_t min, std::int64_t max) {
  if (!f.isNumber()) return std::nullopt;
  double v = f.number();
  if (v != static_cast<double>(static_cast<std::int64_t>(v)) || v < min || v > max)
    return std::nullopt;
  return static_cast<std::int64_t>(v);
}

void writable(CheckReport& r, const std::string& path, std::int32_t line, const Field& f,
              const std::string& name, std::size_t width) {
  try {
    std::size_t bytes = utf8ToCp932(f.text()).size();
    if (bytes > width)
      r.warning(path, line,
                name + "が" + decimal(static_cast<std::int64_t>(width)) + "バイトを超え、" +
                    decimal(static_cast<std::int64_t>(bytes)) + "バイトあります（切れます）");
  } catch (const Cp932Error& e) {
    r.problem(path, line,
              name + "にCP932（シフトJIS）で書けない文字があります「" +
                  utf8CharAt(f.text(), e.offset()) + "」");
  }
}

// Whether a drill finds enough in a file to ask is its reader's rule: the
// check asks the reader rather than restating it.
void readerVerdict(CheckReport& r, DataProblem notEnough, const std::function<void()>& read) {
  try {
    read();
  } catch (const DataError& e) {
    if (e.problem() == notEnough) report(r, e);
  }
}

bool present(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

void missing(CheckReport& r, const std::string& path, const CheckOptions& options,
             const std::string& why) {
  std::string text = "ファイルがありません（" + why + "）";
  if (options.requireAll)
    r.problem(path, 0, text);
  else
    r.warning(path, 0, text);
}

}  // namespace

void CheckReport::problem(std::string path, std::int32_t line, std::string message) {
  findings_.push_back({std::move(path), line, std::move(message), false});
}

void CheckReport::warning(std::string path, std::int32_t line, std::string message) {
  findings_.push_back({std::move(path), line, std::move(message), true});
}

int CheckReport::problems() const {
  int n = 0;
  for (const auto& f : findings_) n += f.warning ? 0 : 1;
  return n;
}

int CheckReport::warnings() const { return static_cast<int>(findings_.size()) - problems(); }

std::string formatFinding(const CheckFinding& f) {
  std::string out = f.path;
  // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on "..." + a temporary.
  if (f.line > 0) out.append(":").append(decimal(f.line));
  out += ": ";
  if (f.warning) out += "注意：";
  return out + f.message;
}

void checkSourceList(const std::string& path, CheckReport& r) {
  std::int32_t count = 0;
  eachLine(path, r, [&](std::int32_t line, const std::vector<Field>& f) {
    if (++count == kMaxQuizRecords + 1)
      r.problem(path, line, "件数が上限を超えています（上限" + decimal(kMaxQuizRecords) + "件）");
    if (!fieldCount(r, path, line, f, kSourceFields)) return;
    writable(r, path, line, f[2], "答え（3番目の項目）", kAnswerWidth);
    writable(r, path, line, f[3], "解説（4番目の項目）", kExplanationWidth);
    writable(r, path, line, f[4], "問題（5番目の項目）", kQuestionWidth);
    if (f[4].text().empty()) r.problem(path, line, "問題（5番目の項目）が空です");
    if (f[2].text().empty()) r.problem(path, line, "答え（3番目の項目）が空です");
  });
}

void checkQuestionFile(const std::string& path, const std::string& sourcePath, CheckReport& r) {
  std::optional<std::string> bytes;
  try {
    bytes = readBytesIfPresent(path);
  } catch (const DataError& e) {
    report(r, e);
    return;
  }
  if (!bytes) {
    r.problem(path, 0, "ファイルがありません");
    return;
  }
  if (bytes->size() % kRecordLength != 0)
    r.problem(path, 0,
              "長さが700バイトの倍数ではありません（" +
                  decimal(static_cast<std::int64_t>(bytes->size())) + "バイト）");
  auto count = static_cast<std::int64_t>(bytes->size() / kRecordLength);
  if (count == 0) r.problem(path, 0, "問題がありません");
  if (count > kMaxQuizRecords)
    r.problem(path, 0,
              "件数が上限を超えています（" + decimal(count) + "件、上限" +
                  decimal(kMaxQuizRecords) + "件）");
  for (std::int64_t n = 1; n <= count; ++n) {
    try {
      auto rec =
          decodeRecord(std::string_view(*bytes).substr((n - 1) * kRecordLength, kRecordLength));
      if (rec.Question.find_first_not_of(' ') == std::string::npos)
        r.problem(path, 0, decimal(n) + "番目のレコード：問題が空です");
    } catch (const Cp932Error&) {
      r.problem(
          path, 0,
          decimal(n) + "番目のレコード：CP932（シフトJIS）の文字として読めないバイトがあります");
    }
  }
  try {
    // The very conversion the preparation window runs, if there is a list.
    auto records = readSourceList(sourcePath);
    std::string expected = questionFileBytes(records, *bytes);
    if (expected != *bytes) {
      std::size_t at = 0;
      while (at < expected.size() && at < bytes->size() && expected[at] == (*bytes)[at]) ++at;
      r.problem(path, 0,
                decimal(static_cast<std::int64_t>(at / kRecordLength + 1)) + "番目のレコードが「" +
                    baseName(sourcePath) +
                    "」と一致しません（zunobi-data prepare で作り直してください）");
    } else if (static_cast<std::int64_t>(records.size()) < count) {
      r.warning(path, 0,
                "「" + baseName(sourcePath) + "」にない古いレコードが" +
                    decimal(count - static_cast<std::int64_t>(records.size())) +
                    "件残っています（クイズにも出ます）");
    }
  } catch (const DataError&) {
    // No list, or one whose problems its own check reports.
  }
}

void checkKiokuBun(const std::string& path, CheckReport& r) {
  std::int32_t count = 0;
  bool whole = eachLine(path, r, [&](std::int32_t line, const std::vector<Field>& f) {
    // The drills take the first 500 and read no further.
    if (++count == kMaxKiokuBun + 1)
      r.warning(path, line,
                "件数が上限を超えています（上限" + decimal(kMaxKiokuBun) +
                    "件、この行から後は使われません）");
    if (!fieldCount(r, path, line, f, 3)) return;
    if (!wholeNumber(f[0], INT16_MIN, INT16_MAX))
      r.problem(path, line, "1番目の項目が整数ではありません「" + excerpt(f[0].text()) + "」");
    if (f[2].text().empty()) r.problem(path, line, "質問（3番目の項目）が空です");
  });
  // Enough for both windows: Ⅱ asks two a question.
  if (const std::string shortage = kiokuBunShortage(static_cast<std::size_t>(count), 2);
      whole && !shortage.empty())
    r.problem(path, 0, shortage);
}

void checkNijiJyukugo(const std::string& path, CheckReport& r) {
  std::int32_t usable = 0;
  bool whole = eachLine(path, r, [&](std::int32_t line, const std::vector<Field>& f) {
    if (!fieldCount(r, path, line, f, kJyukugoFields)) return;
    if (!wholeNumber(f[0], INT16_MIN, INT16_MAX))
      r.problem(path, line, "1番目の項目が整数ではありません「" + excerpt(f[0].text()) + "」");
    struct List {
      const char* name;
      std::size_t first;     // field index of slot 1
      std::size_t counted;   // field index of the count
      std::size_t centreAt;  // where the centre kanji stands in a compound
    } lists[] = {{"前の熟語（中央＋漢字）", 1, 31, 0}, {"後の熟語（漢字＋中央）", 32, 62, 1}};
    std::optional<std::string> centre;
    bool usableRecord = true;
    bool countsValid = true;
    bool slotsValid = true;
    for (const auto& list : lists) {
      const auto first = f.begin() + static_cast<std::ptrdiff_t>(list.first);
      const std::vector<Field> slots(first, first + kMaxCompounds);
      std::vector<std::string_view> texts;
      for (const Field& slot : slots) texts.push_back(slot.text());
      const Field& counted = f[list.counted];
      // The drill's own rule decides whether the record makes a puzzle.
      if (!counted.isNumber() || !usableCompounds(texts, counted.number())) usableRecord = false;
      auto count = wholeNumber(counted, 0, kMaxCompounds);
      if (!count) {
        r.problem(path, line,
                  std::string(list.name) + "の数が0から30の整数ではありません「" +
                      excerpt(counted.text()) + "」");
        countsValid = false;
        continue;
      }
      for (int slot = 1; slot <= kMaxCompounds; ++slot) {
        const Field& c = slots[static_cast<std::size_t>(slot) - 1];
        std::string where = std::string(list.name) + "の" + decimal(slot) + "番目";
        if (slot > *count) {
          if (!c.text().empty()) r.problem(path, line, where + "は数を超えるのに空ではありません");
          continue;
        }
        auto chars = utf8Characters(c.text());
        if (chars.size() != 2) {
          r.problem(path, line, where + "が二字ではありません「" + excerpt(c.text()) + "」");
          slotsValid = false;
          continue;
        }
        if (!centre) centre = chars[list.centreAt];
        if (chars[list.centreAt] != *centre)
          r.problem(path, line,
                    where + "「" + c.text() + "」に中央の字「" + *centre + "」がありません");
      }
    }
    if (usableRecord) {
      if (++usable == kMaxJyukugo + 1)
        r.problem(path, line,
                  "使える熟語の組が上限を超えています（上限" + decimal(kMaxJyukugo) + "組）");
    } else if (countsValid && slotsValid) {
      r.warning(path, line, "熟語の数が2未満のため、この組は使われません");
    }
  });
  if (whole) readerVerdict(r, DataProblem::NoPuzzles, [&] { readJyukugo(path); });
}

void checkDocument(const std::string& path, CheckReport& r) {
  std::int32_t lines = 0;
  std::int32_t text = 0;
  bool whole = eachLine(path, r, [&](std::int32_t line, const std::vector<Field>& f) {
    if (++lines == kMaxDocumentLines + 1)
      r.problem(path, line, "行数が上限を超えています（上限" + decimal(kMaxDocumentLines) + "行）");
    if (!fieldCount(r, path, line, f, 2)) return;
    if (isDocumentLine(f[1])) {
      ++text;
      return;
    }
    if (f[0].text().empty()) r.problem(path, line, "質問が空です");
    if (f[1].text().empty()) r.problem(path, line, "答えが空です");
    for (const Field* q : {&f[0], &f[1]}) {
      if (utf8Characters(q->text()).size() > kMaxQuestionChars)
        r.warning(path, line,
                  (q == &f[0] ? std::string("質問") : std::string("答え")) +
                      "が100文字を超えています（切れます）");
    }
  });
  if (!whole) return;
  readerVerdict(r, DataProblem::NoQuestions, [&] { readDocumentFile(path); });
  if (text == 0) r.problem(path, 0, "文書の行がありません");
}

CheckReport checkDataFolders(const std::string& programFolder, const CheckOptions& options) {
  CheckReport r;
  const std::string data = DataFolder(programFolder);
  const std::string work = WorkFolder(programFolder);
  const std::string docs = DocumentFolder(programFolder);

  for (QuizList list : {QuizList::Nazonazo, QuizList::Omoide}) {
    auto files = filesOf(list);
    std::string source = work + std::string(files.source);
    std::string target = data + std::string(files.target);
    bool haveSource = present(source);
    if (haveSource)
      checkSourceList(source, r);
    else
      missing(r, source, options, "問題ファイルを作り直せません");
    if (present(target))
      checkQuestionFile(target, source, r);
    else if (haveSource)
      r.problem(target, 0, "ファイルがありません（zunobi-data prepare で作ってください）");
    else
      missing(r, target, options, "クイズが出せません");
  }

  std::string kioku = data + std::string(kKiokuBunFile);
  if (present(kioku))
    checkKiokuBun(kioku, r);
  else
    missing(r, kioku, options, "記憶・計算Ⅰ、Ⅱが出せません");

  std::string jyukugo = data + std::string(kNijiJyukugoFile);
  if (present(jyukugo))
    checkNijiJyukugo(jyukugo, r);
  else
    missing(r, jyukugo, options, "二字熟語が出せません");

  std::vector<std::string> absent;
  for (int n = 1; n <= kDocumentCount; ++n) {
    std::string doc = docs + DocumentFileName(n);
    if (present(doc))
      checkDocument(doc, r);
    else
      absent.push_back(doc);
  }
  if (absent.size() == static_cast<std::size_t>(kDocumentCount)) {
    missing(r, docs + "b001.csv〜" + DocumentFileName(kDocumentCount), options,
            "文章問題が出せません");
  } else {
    // The drill draws any of the documents: a gap makes it fail at random.
    for (const auto& doc : absent) r.problem(doc, 0, "ファイルがありません（文書は68件必要です）");
  }
  return r;
}

}  // namespace zunobi::data
