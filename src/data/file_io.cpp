#include "data/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/data_error.h"

namespace zunobi::data {
namespace {

// Closes the descriptor and removes the temporary file unless released.
class TempFile {
 public:
  explicit TempFile(std::string pattern) : path_(std::move(pattern)) {
    fd_ = mkstemp(path_.data());
    error_ = fd_ < 0 ? errno : 0;
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  // The folder's permissions, not some other trouble, kept the file from being made.
  bool refused() const { return error_ == EACCES || error_ == EPERM || error_ == EROFS; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool close() {
    int r = ::close(fd_);
    fd_ = -1;
    return r == 0;
  }
  void keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  bool kept_ = false;
};

std::string withoutTrailingSeparator(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : withoutTrailingSeparator(path.substr(0, slash + 1));
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::string> readBytesIfPresent(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto status = fs::status(path, ec);
  if (!fs::exists(status)) return std::nullopt;
  if (!fs::is_regular_file(status)) throw DataError(DataProblem::Unreadable, path);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError(DataProblem::Unreadable, path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw DataError(DataProblem::Unreadable, path);
  return bytes;
}

void replaceFile(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto status = fs::status(path, ec);
  bool present = fs::exists(status);
  if (present && !fs::is_regular_file(status)) throw DataError(DataProblem::CannotWrite, path);
  TempFile temp(path + ".tmp-XXXXXX");
  if (temp.refused()) throw DataError(DataProblem::FolderReadOnly, folderOf(path));
  if (!temp.ok() || !writeAll(temp.fd(), bytes) || ::fsync(temp.fd()) != 0 || !temp.close())
    throw DataError(DataProblem::CannotWrite, path);
  // mkstemp makes the file private; keep the old file's permissions instead.
  auto mode = present ? static_cast<mode_t>(status.permissions() & fs::perms::mask) : 0644;
  ::chmod(temp.path().c_str(), mode);
  if (std::rename(temp.path().c_str(), path.c_str()) != 0)
    throw DataError(DataProblem::CannotWrite, path);
  temp.keep();
}

void requireWritableFolder(std::string_view folder) {
  // Making a file is the one true test: permission bits, ACLs, a read-only
  // mount and the administrator's rights all have their say.
  std::string name = withoutTrailingSeparator(folder);
  TempFile probe(name + "/.zunobi-probe-XXXXXX");
  if (probe.refused()) throw DataError(DataProblem::FolderReadOnly, name);
}

}  // namespace zunobi::data
