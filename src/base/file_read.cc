#include "base/file_read.h"

#include "base/file_messages.h"

namespace telvane {

std::optional<InputFile> InputFile::Open(Screen& screen, const std::string& path,
                                         const ReadCaptions& captions) {
  PosixFile file = PosixFile::OpenRegularForReading(path);
  const std::optional<uint64_t> size = file.Size();
  if (!file.valid() || !size) {
    ShowFileError(screen, captions.open, path);
    return std::nullopt;
  }
  return InputFile(std::move(file), *size, path, captions);
}

std::optional<std::vector<uint8_t>> InputFile::Read(Screen& screen, size_t limit) {
  auto bytes = file_.ReadAll(limit);
  if (!bytes) ShowFileError(screen, captions_.read, path_);
  return bytes;
}

std::optional<FileBytes> ReadFileStart(Screen& screen, const std::string& path, size_t limit,
                                       const ReadCaptions& captions) {
  std::optional<InputFile> file = InputFile::Open(screen, path, captions);
  if (!file) return std::nullopt;
  auto bytes = file->Read(screen, limit);
  if (!bytes) return std::nullopt;
  return FileBytes{std::move(*bytes), file->size()};
}

}  // namespace telvane
