#include "testers/files/local_files.h"

#include "base/file_messages.h"
#include "base/file_read.h"
#include "base/file_write.h"

namespace telvane {

std::optional<std::vector<uint8_t>> ReadWholeLocalFile(Screen& screen, const std::string& path,
                                                       size_t limit) {
  std::optional<InputFile> file =
      InputFile::Open(screen, path, ReadCaptions{kOpenFileError, kReadFileError});
  if (!file) return std::nullopt;
  // Refused before anything is read.
  if (file->size() > limit) {
    ShowFileError(screen, kReadFileError, path);
    return std::nullopt;
  }
  std::optional<std::vector<uint8_t>> bytes = file->Read(screen, limit);
  if (bytes && bytes->size() != file->size()) {
    ShowFileError(screen, kReadFileError, path);
    return std::nullopt;
  }
  return bytes;
}

bool SaveLocalFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  return ReplaceWholeFile(screen, path, bytes);
}

std::string LocalFileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace telvane
