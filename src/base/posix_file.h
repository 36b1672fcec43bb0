// A file descriptor that is closed when the object goes, with whole-buffer
// reads and writes.
#ifndef TELVANE_BASE_POSIX_FILE_H_
#define TELVANE_BASE_POSIX_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace telvane {

class PosixFile {
 public:
  PosixFile() = default;
  // Takes ownership of `fd` (-1 gives an invalid file).
  explicit PosixFile(int fd) : fd_(fd) {}

  // Creates or truncates the file for writing; an invalid file on failure.
  static PosixFile Create(const std::string& path);
  // Creates a new file for writing; an invalid file when anything is there.
  static PosixFile CreateNew(const std::string& path);
  static PosixFile OpenForReading(const std::string& path);
  // Opens a regular file for reading without ever blocking: a FIFO, device,
  // socket or folder gives an invalid file.
  static PosixFile OpenRegularForReading(const std::string& path);

  PosixFile(PosixFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  PosixFile& operator=(PosixFile&& other) noexcept;
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;
  ~PosixFile();

  bool valid() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // Writes every byte; false when a write fails or writes less.
  bool Write(std::span<const uint8_t> bytes);
  bool Write(const std::string& bytes);
  // The rest of the file, at most `limit` bytes; nullopt on a read error.
  std::optional<std::vector<uint8_t>> ReadAll(size_t limit = SIZE_MAX);
  // The size of a regular file or device; nullopt for a folder or on error.
  std::optional<uint64_t> Size() const;
  // Flushes the data to the disk; false on error.
  bool Sync();
  // Closes now; false when the close reported an error.
  bool Close();

 private:
  int fd_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_BASE_POSIX_FILE_H_
