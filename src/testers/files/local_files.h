// The files the person picks on this computer for the file pages: read whole
// within a size limit, and written beside their target and renamed over it
// when complete.
#ifndef TELVANE_TESTERS_FILES_LOCAL_FILES_H_
#define TELVANE_TESTERS_FILES_LOCAL_FILES_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane {

// The whole of a regular file of at most `limit` bytes; a larger file shows
// "Ошибка чтения файла" with its name. Open and read failures show their file
// messages.
std::optional<std::vector<uint8_t>> ReadWholeLocalFile(Screen& screen, const std::string& path,
                                                       size_t limit);

// Writes `bytes` to a new file beside `path` and renames it over `path`;
// "Ошибка создания файла" with the name when that fails.
bool SaveLocalFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes);

// The file name of a path, without its folder.
std::string LocalFileName(const std::string& path);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_LOCAL_FILES_H_
