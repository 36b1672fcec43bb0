#include "app/dataflash_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>
#include <vector>

namespace telvane {
namespace {

// Closes the descriptor when the writer leaves.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the system reported that data were not written.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAllBytes(int fd, const uint8_t* data, size_t length) {
  while (length > 0) {
    const ssize_t n = ::write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    length -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool ReadDataflash(Screen& screen, Exchange& exchange, const Address& address) {
  std::vector<uint8_t> buffer;
  try {
    buffer.assign(kDataflashSize, 0);
  } catch (const std::bad_alloc&) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Выделение памяти под буфер записи провалено!");
    return false;
  }
  if (!exchange.SendCommand(address, kDataflashReadCommand, Wait{11, 0})) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка выполнения команды");
    return false;
  }
  screen.ShowProgress(true);
  screen.SetProgressRange(0, 100);
  screen.SetProgress(0);
  const bool received =
      exchange.ReceiveRecord(address, buffer.data(), buffer.size(), ConfirmSource::Value(254),
                             Progress{true, 0, 1}, Wait{5, 0});
  screen.ShowProgress(false);
  if (!received) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка при приеме записи");
    return false;
  }

  FileDialog dialog;
  dialog.filters = {{"All files", "*.*"}};
  const std::optional<FileChoice> choice = screen.ChooseSaveFile(dialog);
  if (!choice) return false;
  FileDescriptor file(::open(choice->path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.get() < 0) {
    screen.ShowMessage(Icon::kError, "Ошибка создания файла", choice->path);
    return false;
  }
  if (!WriteAllBytes(file.get(), buffer.data(), buffer.size()) || !file.Close()) {
    screen.ShowMessage(Icon::kError, "Error", "WriteFile()");
    return false;
  }
  return true;
}

}  // namespace telvane
