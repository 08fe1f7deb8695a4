// The readers take a path: each input is written to one scratch file of
// this process, removed when the process ends. In memory (/dev/shm) where
// there is one: rewriting a file on disk thousands of times a second is
// what would bound the speed of fuzzing.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline const std::string& scratchPath() {
  static const std::string path = [] {
    std::string p =
        access("/dev/shm", W_OK) == 0 ? "/dev/shm/zunobi-fuzz-XXXXXX" : "/tmp/zunobi-fuzz-XXXXXX";
    int fd = mkstemp(p.data());
    if (fd >= 0) close(fd);
    return p;
  }();
  // Registered once the path stands, so it runs before the path is gone.
  static const bool removedAtExit = std::atexit([] { unlink(scratchPath().c_str()); }) == 0;
  (void)removedAtExit;
  return path;
}

// False when the file cannot be written (then the input is skipped).
inline bool writeScratch(std::string_view bytes) {
  std::FILE* f = std::fopen(scratchPath().c_str(), "wb");
  if (!f) return false;
  const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && whole;
}
