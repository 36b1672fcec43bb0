// Reading a file the user chose: only a regular file is opened (a FIFO, device
// or folder is refused at once, without waiting), and never more is read than
// the format can use, so memory and time stay bounded whatever the file.
#ifndef TELVANE_BASE_FILE_READ_H_
#define TELVANE_BASE_FILE_READ_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/posix_file.h"
#include "base/screen.h"

namespace telvane {

// The captions a format reports its failures with (the file name is the text).
struct ReadCaptions {
  const char* open;
  const char* read;
};

// A regular file open for reading, with its size at open.
class InputFile {
 public:
  // Shows `captions.open` with the path when the file cannot be opened or is
  // not a regular file.
  static std::optional<InputFile> Open(Screen& screen, const std::string& path,
                                       const ReadCaptions& captions);

  uint64_t size() const { return size_; }
  // At most `limit` bytes from the current position; shows `captions.read`
  // on a read error.
  std::optional<std::vector<uint8_t>> Read(Screen& screen, size_t limit);

 private:
  InputFile(PosixFile file, uint64_t size, std::string path, ReadCaptions captions)
      : file_(std::move(file)), size_(size), path_(std::move(path)), captions_(captions) {}

  PosixFile file_;
  uint64_t size_ = 0;
  std::string path_;
  ReadCaptions captions_;
};

struct FileBytes {
  std::vector<uint8_t> bytes;  // at most the limit
  uint64_t size = 0;           // the file's whole size
};

// Opens and reads at most `limit` bytes, reporting as InputFile does.
std::optional<FileBytes> ReadFileStart(Screen& screen, const std::string& path, size_t limit,
                                       const ReadCaptions& captions);

}  // namespace telvane

#endif  // TELVANE_BASE_FILE_READ_H_
