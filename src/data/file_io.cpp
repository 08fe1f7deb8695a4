#include "data/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "data/data_error.h"

namespace zunobi::data {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

 private:
  int fd_;
};

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

std::optional<std::string> readBytesIfPresent(const std::string& path, std::uintmax_t maxBytes) {
  // Not blocking: a pipe in the file's place is refused below, not waited on.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw DataError(DataProblem::Unreadable, path);
  }
  Descriptor file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw DataError(DataProblem::Unreadable, path);
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    throw DataError(DataProblem::TooLarge, path);
  // Read at its known size: a growing string would touch its pages twice,
  // and on first use every fresh page is a fault to pay for.
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw DataError(DataProblem::Unreadable, path);
    if (n == 0) break;  // cut short while being read: what is there is the file
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
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
