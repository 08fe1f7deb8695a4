#include "soak/data_sets.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "data/cp932.h"
#include "data/folders.h"
#include "data/limits.h"
#include "data/record_file.h"

namespace zunobi::soak {

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

namespace fs = std::filesystem;

// The first level of JIS kanji, in code order: every one of them CP932 holds.
const std::vector<std::string>& kanji() {
  static const std::vector<std::string> all = [] {
    std::vector<std::string> out;
    for (int lead = 0x88; lead <= 0x98; ++lead)
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F || (lead == 0x88 && trail < 0x9F) || (lead == 0x98 && trail > 0x72))
          continue;
        const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
        try {
          out.push_back(data::cp932ToUtf8(std::string_view(bytes, 2)));
        } catch (const data::Cp932Error&) {
        }
      }
    return out;
  }();
  return all;
}

// `chars` kanji, starting at `from` in the list: varied text of a known length.
std::string text(std::size_t from, int chars) {
  const auto& k = kanji();
  std::string out;
  for (int i = 0; i < chars; ++i) out += k[(from + static_cast<std::size_t>(i) * 7) % k.size()];
  return out;
}

std::string inQuotes(const std::string& s) { return "\"" + s + "\""; }

std::string csv(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return data::utf8ToCp932(out);
}

void writeQuestionFiles(const std::string& program, int records) {
  // Every field full: 100, 150 and 100 double-byte characters.
  std::string ran;
  std::vector<std::string> list;
  ran.reserve(static_cast<std::size_t>(records) * data::kRecordLength);
  for (int n = 1; n <= records; ++n) {
    data::QuizRecord r{text(n, data::kAnswerWidth / 2), text(n + 1, data::kExplanationWidth / 2),
                       text(n + 2, data::kQuestionWidth / 2)};
    ran += data::encodeRecord(r);
    list.push_back(std::to_string(n) + ",1," + inQuotes(r.Answer) + "," + inQuotes(r.Explanation) +
                   "," + inQuotes(r.Question));
  }
  const std::string sourceList = csv(list);
  for (auto [source, target] : {std::pair{data::kNazonazoList, data::kNazonazoQuestions},
                                std::pair{data::kOmoideList, data::kOmoideQuestions}}) {
    writeFile(data::DataFolder(program) + std::string(target), ran);
    writeFile(data::WorkFolder(program) + std::string(source), sourceList);
  }
}

void writeJyukugo(const std::string& program, int records, int compounds) {
  const auto& k = kanji();
  std::vector<std::string> lines;
  for (int r = 0; r < records; ++r) {
    const std::string& centre = k[static_cast<std::size_t>(r) % k.size()];
    std::string line = std::to_string(r + 1);
    for (int list = 0; list < 2; ++list) {
      for (int slot = 0; slot < data::kMaxCompounds; ++slot) {
        line += ",";
        if (slot >= compounds) continue;
        const std::string& other =
            k[(static_cast<std::size_t>(r) * 61 + slot * 31 + list) % k.size()];
        line += inQuotes(list == 0 ? centre + other : other + centre);
      }
      line.append(",").append(std::to_string(compounds));  // not "," + …: GCC 12 -Wrestrict
    }
    lines.push_back(line);
  }
  writeFile(data::DataFolder(program) + std::string(data::kNijiJyukugoFile), csv(lines));
}

void writeKiokuBun(const std::string& program, int rows) {
  std::vector<std::string> lines;
  for (int n = 1; n <= rows; ++n)
    lines.push_back(std::to_string(n) + "," + inQuotes(text(n, 4)) + "," +
                    inQuotes(text(n * 3, 60)) + "？");
  writeFile(data::DataFolder(program) + std::string(data::kKiokuBunFile), csv(lines));
}

void writeDocuments(const std::string& program, const LargestSizes& s) {
  for (int d = 1; d <= s.documents; ++d) {
    std::vector<std::string> lines;
    const int questionsEvery = s.documentLines / std::max(1, s.documentQuestions);
    for (int line = 1; line <= s.documentLines; ++line) {
      if (line % questionsEvery == 0)
        lines.push_back(inQuotes(text(d + line, 100)) + "," + inQuotes(text(d * line, 100)));
      else
        lines.push_back(inQuotes(text(d * 5 + line, 40)) + ",1");
    }
    writeFile(data::DocumentFolder(program) + data::DocumentFileName(d), csv(lines));
  }
}

void makeFolders(const std::string& program) {
  for (const auto& f :
       {data::DataFolder(program), data::WorkFolder(program), data::DocumentFolder(program)})
    fs::create_directories(f);
}

bool isRecordFile(const std::string& path) { return fs::path(path).extension() == ".ran"; }

// Offsets of the line starts of a text file's bytes.
std::vector<std::size_t> lineStarts(const std::string& bytes) {
  std::vector<std::size_t> starts{0};
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2))
    if (at + 2 < bytes.size()) starts.push_back(at + 2);
  return starts;
}

// The offset of the last comma between fields of the line at `from`, or npos.
std::size_t lastFieldComma(const std::string& bytes, std::size_t from) {
  std::size_t found = std::string::npos;
  bool inQuotes = false;
  for (std::size_t i = from; i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n'; ++i) {
    if (bytes[i] == '"') inQuotes = !inQuotes;
    if (bytes[i] == ',' && !inQuotes) found = i;
  }
  return found;
}

std::string broken(const std::string& path, std::string bytes, Breakage b) {
  if (bytes.empty()) return bytes;
  if (isRecordFile(path)) {
    const std::size_t records = bytes.size() / data::kRecordLength;
    switch (b) {
      case Breakage::CutShort:
        bytes.resize(bytes.size() - data::kRecordLength / 2 - 1);
        break;
      case Breakage::NotCp932:
        bytes[(records / 2) * data::kRecordLength + data::kAnswerWidth + 1] = '\xFF';
        break;
      default:
        break;
    }
    return bytes;
  }
  const auto starts = lineStarts(bytes);
  const std::size_t middle = starts[starts.size() / 2];
  switch (b) {
    case Breakage::CutShort: {
      // Inside the last line, an odd number of bytes in: perhaps inside a character.
      const std::size_t last = starts.back();
      bytes.resize(last + (bytes.size() - last) / 2 + 1);
      break;
    }
    case Breakage::NotCp932:
      bytes.insert(middle, "\xFF\xA0");
      break;
    case Breakage::WrongFieldCount: {
      // One line a field short, and the last line a field over.
      std::string extra = ",\"\x82\xa0\"";
      const std::size_t lastEnd = bytes.rfind("\r\n");
      bytes.insert(lastEnd == std::string::npos ? bytes.size() : lastEnd, extra);
      const std::size_t comma = lastFieldComma(bytes, middle);
      if (comma != std::string::npos) bytes.erase(comma, 1);
      break;
    }
    default:
      break;
  }
  return bytes;
}

}  // namespace

ScratchFolder::ScratchFolder(std::string_view prefix)
    : path_((fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string()) {
  if (!mkdtemp(path_.data())) throw std::runtime_error("cannot make a scratch folder");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void writeLargestData(const std::string& programFolder, const LargestSizes& sizes) {
  makeFolders(programFolder);
  writeQuestionFiles(programFolder, sizes.questionRecords);
  writeJyukugo(programFolder, sizes.jyukugoRecords, sizes.compounds);
  writeKiokuBun(programFolder, sizes.kiokuBun);
  writeDocuments(programFolder, sizes);
}

void copyDataFolders(const std::string& from, const std::string& to) {
  for (std::string_view dir :
       {data::kDataFolderName, data::kWorkFolderName, data::kDocumentFolderName}) {
    const fs::path source = fs::path(from) / dir;
    if (fs::exists(source))
      fs::copy(source, fs::path(to) / dir,
               fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

std::vector<std::string> dataFiles(const std::string& programFolder) {
  std::vector<std::string> files;
  for (std::string_view dir :
       {data::kDataFolderName, data::kWorkFolderName, data::kDocumentFolderName}) {
    const fs::path folder = fs::path(programFolder) / dir;
    if (!fs::is_directory(folder)) continue;
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string_view nameOf(Breakage b) {
  switch (b) {
    case Breakage::Missing:
      return "missing";
    case Breakage::CutShort:
      return "cut-short";
    case Breakage::NotCp932:
      return "not-cp932";
    case Breakage::WrongFieldCount:
      return "wrong-field-count";
    case Breakage::TooManyLines:
      return "too-many-lines";
  }
  return "?";
}

void writeBrokenData(const std::string& from, const std::string& to, Breakage breakage) {
  makeFolders(to);
  switch (breakage) {
    case Breakage::Missing:
      return;  // the folders are there, their files are not
    case Breakage::TooManyLines: {
      LargestSizes over;
      ++over.questionRecords;
      ++over.jyukugoRecords;
      ++over.kiokuBun;
      ++over.documentLines;
      writeLargestData(to, over);
      return;
    }
    default:
      break;
  }
  copyDataFolders(from, to);
  for (const auto& path : dataFiles(to)) writeFile(path, broken(path, readFile(path), breakage));
}

}  // namespace zunobi::soak
