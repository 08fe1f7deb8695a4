#include "data/data_error.h"

#include "ui/text.h"

namespace zunobi::data {
namespace {

std::string describe(DataProblem problem, const std::string& detail) {
  switch (problem) {
    case DataProblem::Missing:
      return "ファイルが見つかりません";
    case DataProblem::Unreadable:
      return "ファイルを読めません";
    case DataProblem::TooLarge:
      return "ファイルが大きすぎます";
    case DataProblem::NotCp932:
      return "CP932（シフトJIS）の文字として読めないバイトがあります";
    case DataProblem::NotWritable:
      return "CP932（シフトJIS）で書けない文字があります" +
             (detail.empty() ? std::string() : "「" + detail + "」");
    case DataProblem::PastEnd:
      return "項目が足りません";
    case DataProblem::UnclosedQuote:
      return "引用符（\"）が閉じていません";
    case DataProblem::NotANumber:
      return "数値の項目が数値ではありません「" + detail + "」";
    case DataProblem::NotAWholeNumber:
      return "整数の項目が範囲外か、整数ではありません「" + detail + "」";
    case DataProblem::WrongFieldCount:
      return "項目の数が違います" + (detail.empty() ? std::string() : "（" + detail + "）");
    case DataProblem::TooManyRecords:
      return "件数が上限を超えています" +
             (detail.empty() ? std::string() : "（上限" + detail + "件）");
    case DataProblem::NoSuchRecord:
      return "そのレコードはありません";
    case DataProblem::CannotWrite:
      return "ファイルに書き込めません";
    case DataProblem::FolderReadOnly:
      return "書き込む権限がありません";
    case DataProblem::NoQuestions:
      return "質問の行がありません";
    case DataProblem::NoPuzzles:
      return "使える問題がありません";
  }
  return "データに誤りがあります";
}

}  // namespace

DataError::DataError(DataProblem problem, std::string path, std::int32_t place, std::string detail,
                     PlaceKind kind)
    : std::runtime_error(path + ": " + describe(problem, detail)),
      problem_(problem),
      path_(std::move(path)),
      place_(place),
      detail_(std::move(detail)),
      kind_(kind) {}

std::string DataError::fileName() const { return baseName(path_); }

std::string DataError::problemText() const { return describe(problem_, detail_); }

std::string DataError::message() const {
  // A folder is named in full: whoever sets up the computer must find it.
  if (problem_ == DataProblem::FolderReadOnly) return "フォルダ「" + path_ + "」に" + problemText();
  std::string where = "「" + fileName() + "」";
  if (place_ > 0) {
    where += kind_ == PlaceKind::Line ? "の" + ui::decimal(place_) + "行目"
                                      : "の" + ui::decimal(place_) + "番目のレコード";
  }
  return where + "：" + problemText();
}

std::string baseName(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string excerpt(const std::string& utf8, std::size_t chars) {
  std::size_t pos = 0;
  std::size_t count = 0;
  while (pos < utf8.size() && count < chars) {
    auto b = static_cast<unsigned char>(utf8[pos]);
    std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    pos += len;
    ++count;
  }
  if (pos >= utf8.size()) return utf8;
  return utf8.substr(0, pos) + "…";
}

}  // namespace zunobi::data
