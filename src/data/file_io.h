// Whole-file reads and writes that never leave a file half-written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zunobi::data {

// The file's bytes; nullopt when it does not exist. Throws DataError:
// Unreadable when it exists but cannot be read (a folder, a pipe), TooLarge
// when it holds more than `maxBytes`.
std::optional<std::string> readBytesIfPresent(const std::string& path,
                                              std::uintmax_t maxBytes = UINTMAX_MAX);

// Writes `bytes` to a new file beside `path` and renames it over `path` in
// one step: readers see the old file or the new one, never a mixture. On
// failure the old file is left as it was and DataError (CannotWrite) is
// thrown.
void replaceFile(const std::string& path, std::string_view bytes);

// Throws DataError (FolderReadOnly, with the folder as its path) when the
// folder refuses new files to this user, as an installed program's folder
// does for everyone but the administrator. Any other trouble (no such folder)
// is left to the write that follows.
void requireWritableFolder(std::string_view folder);

}  // namespace zunobi::data
