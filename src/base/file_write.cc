#include "base/file_write.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/file_messages.h"

namespace telvane {
namespace {

// True when nothing is at `path` or a regular file is (a symbolic link is not
// followed: it would be replaced itself).
bool AbsentOrRegular(const std::string& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

// The folder part of `path` with its separator ("" for a bare name).
std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

WriteResult WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes) {
  PosixFile file = PosixFile::Create(path);
  if (!file.valid()) return WriteResult::kNotCreated;
  const bool written = file.Write(bytes);
  const bool closed = file.Close();
  return written && closed ? WriteResult::kWritten : WriteResult::kNotWritten;
}

bool WriteWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes,
                    WriteFailure failure) {
  switch (WriteFileBytes(path, bytes)) {
    case WriteResult::kWritten:
      return true;
    case WriteResult::kNotCreated:
      ShowFileError(screen, kCreateFileError, path);
      return false;
    case WriteResult::kNotWritten:
      if (failure == WriteFailure::kFileName) {
        ShowFileError(screen, kWriteFileError, path);
      } else {
        screen.ShowMessage(Icon::kError, "Error", "WriteFile()");
      }
      return false;
  }
  return false;
}

bool WriteWholeFile(Screen& screen, const std::string& path, std::string_view bytes,
                    WriteFailure failure) {
  return WriteWholeFile(screen, path,
                        std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                        failure);
}

std::optional<FileReplacement> FileReplacement::Begin(const std::string& target) {
  if (target.empty() || target.back() == '/' || !AbsentOrRegular(target)) return std::nullopt;
  std::string pattern = FolderOf(target) + ".telvane-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  PosixFile file(::mkostemp(name.data(), O_CLOEXEC));
  if (!file.valid()) return std::nullopt;
  // mkostemp makes the file for its owner alone; give it the mode a newly
  // created file gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(file.fd(), 0666 & ~mask);
  return FileReplacement(target, std::string(name.data()), std::move(file));
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)),
      new_path_(std::move(other.new_path_)),
      file_(std::move(other.file_)),
      done_(other.done_) {
  other.done_ = true;
}

FileReplacement::~FileReplacement() {
  if (!done_) {
    file_.Close();
    ::unlink(new_path_.c_str());
  }
}

bool FileReplacement::Commit() {
  if (done_) return false;
  const bool flushed = file_.valid() ? file_.Sync() && file_.Close() : true;
  if (!flushed || !AbsentOrRegular(target_) || ::rename(new_path_.c_str(), target_.c_str()) != 0) {
    return false;  // the destructor removes the new file
  }
  done_ = true;
  return true;
}

bool ReplaceWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
  if (!replacement || !replacement->file().Write(bytes) || !replacement->Commit()) {
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
  return true;
}

}  // namespace telvane
