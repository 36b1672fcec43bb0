// Writing a file the user chose. Two rules exist:
// - WriteWholeFile creates or truncates the file and writes it (a file that
//   fails half way stays as far as it was written), reporting the failure;
// - FileReplacement writes a new file beside the target and renames it over
//   the target only once it is complete, and never replaces anything but a
//   regular file, so a failure leaves the old file as it was.
#ifndef TELVANE_BASE_FILE_WRITE_H_
#define TELVANE_BASE_FILE_WRITE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/posix_file.h"
#include "base/screen.h"

namespace telvane {

enum class WriteResult { kWritten, kNotCreated, kNotWritten };

// Creates or truncates `path` and writes every byte; a failed write or close
// is kNotWritten.
WriteResult WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes);

// How a format reports a write that failed after the file was created.
enum class WriteFailure {
  kFileName,      // "Ошибка записи в файл" as caption, the file name as text
  kWriteFileCall  // "WriteFile()" with the caption "Error"
};

// WriteFileBytes with its failures shown: "Ошибка создания файла" with the
// file name when it cannot be created, `failure` when a write fails.
bool WriteWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes,
                    WriteFailure failure);
bool WriteWholeFile(Screen& screen, const std::string& path, std::string_view bytes,
                    WriteFailure failure);

// A new file beside `target` that takes its place on Commit. Dropped without
// Commit, the new file is removed and the target stays as it was.
class FileReplacement {
 public:
  // Refuses (nullopt) a target that exists and is not a regular file, or a
  // folder where no new file can be made.
  static std::optional<FileReplacement> Begin(const std::string& target);

  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&&) = delete;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  // The new file, created empty, open for writing.
  const std::string& new_path() const { return new_path_; }
  PosixFile& file() { return file_; }
  // Flushes and closes the new file and renames it over the target, which
  // must still be absent or a regular file; false leaves the target as it was.
  bool Commit();

 private:
  FileReplacement(std::string target, std::string new_path, PosixFile file)
      : target_(std::move(target)), new_path_(std::move(new_path)), file_(std::move(file)) {}

  std::string target_;
  std::string new_path_;
  PosixFile file_;
  bool done_ = false;
};

// Replaces `path` by a file holding `bytes` through FileReplacement; shows
// "Ошибка создания файла" with the file name on any failure.
bool ReplaceWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes);

}  // namespace telvane

#endif  // TELVANE_BASE_FILE_WRITE_H_
