// The transactions of an instrument's file service over either link: each is
// a command (confirmed, else "Ошибка команды") and the one record, or the
// listing, that follows it. Over IrDA every command waits 15 s (the caller may
// give another wait) and its record as long as the service's table says; over
// the serial port the port is purged, its queues set to 256 and 256 bytes and
// its read time-out to 5000 ms (1 800 000 ms for the update data) before each
// command. Received records are answered with the confirmation byte 1, sent
// records must be answered with 0xFE. The database and the update files go
// over the serial port as one long record (long_record.h).
#ifndef TELVANE_TESTERS_FILES_FILE_SERVICE_H_
#define TELVANE_TESTERS_FILES_FILE_SERVICE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/screen.h"
#include "link/exchange.h"
#include "link/long_record.h"
#include "page/link_control.h"
#include "testers/files/file_records.h"

namespace telvane {

// The command codes of the file service.
enum class FileCode : uint8_t {
  kDbInfo = 0x00,
  kReceiveDatabase = 0x06,
  kSendDbInfo = 0x07,
  kSendDatabase = 0x08,
  kUpdateLength = 0x09,
  kUpdateData = 0x0A,
  kSysinfoSize = 0x0B,
  kSysinfo = 0x0C,
  kList = 0x0D,
  kReceiveFile = 0x0E,
  kDelete = 0x0F,
  kChangeFolder = 0x10,
  kSendFile = 0x11,
  kSelectPath = 0x12,
};

// The IrDA wait of a command, and of the 0x11 command of the folder pages.
inline constexpr Wait kFileCommandWait{15, 0};
inline constexpr Wait kFolderSendCommandWait{11, 0};
// The serial read time-out of the update data's transaction.
inline constexpr int kUpdateTimeoutMs = 1800000;

// Refuses a size from the instrument above kMaxRemoteFileSize with
// "Выделение памяти под буфер записи провалено!"; true when it fits.
bool AcceptRemoteSize(Screen& screen, uint32_t size);

// How a file sent with 0x11 travels and what its failure shows.
enum class SentFile {
  kMask,    // a small record; the data wait 15 s
  kLoader,  // a "*.ldr" update: a long record of 7 then 1024-byte chunks;
            // "Ошибка при отправке записи" when it fails
};

class FileService {
 public:
  // `pause` sleeps between the chunks of a long record (tests count them).
  FileService(LinkControl& link, Screen& screen, ChunkPause pause = {});
  ~FileService();
  FileService(const FileService&) = delete;
  FileService& operator=(const FileService&) = delete;

  // 0x00: the database information record.
  std::optional<DbInfoRecord> ReadDbInfo();
  // 0x06: "cablebase.db" of `size` bytes.
  std::optional<std::vector<uint8_t>> ReceiveDatabase(uint32_t size);
  // 0x07, then 0x08: the information record, then the database file.
  bool SendDatabase(const DbInfoRecord& info, std::span<const uint8_t> database);
  // 0x09, then 0x0A: the update data's length, then the data.
  bool SendUpdate(std::span<const uint8_t> data);
  // 0x0B: the system information file's size.
  std::optional<uint32_t> ReadSysinfoSize();
  // 0x0C: the system information file of `size` bytes.
  std::optional<std::vector<uint8_t>> ReceiveSysinfo(uint32_t size);
  // 0x0D: the entries of the current folder up to the end entry, appended to
  // `entries` as they come (kept when the listing fails). More than
  // kMaxListingEntries ends the listing with "Ошибка при приеме записи".
  bool List(std::vector<FileEntry>& entries);
  // 0x0E: the file selected by SelectRemotePath, of `size` bytes.
  std::optional<std::vector<uint8_t>> ReceiveFile(uint32_t size);
  // 0x0F: deletes the selected path.
  bool Delete();
  // 0x10: the change-folder record of `folder`.
  bool ChangeFolder(std::string_view folder);
  // 0x11: `bytes` written to the selected path.
  bool SendFile(std::span<const uint8_t> bytes, SentFile kind);
  // 0x12: selects `path` with `size` for the next 0x0E, 0x0F or 0x11.
  bool SelectRemotePath(std::string_view path, uint32_t size);

 private:
  // The exchange of one transaction; the serial one is made afresh with the
  // read time-out the command needs.
  Exchange* Begin(int serial_timeout_ms);
  bool Command(FileCode code, Wait wait = kFileCommandWait, int serial_timeout_ms = 5000);
  bool Receive(uint8_t* destination, size_t length, Wait wait);
  bool SendSmall(std::span<const uint8_t> data, Wait wait);
  // A long record over the serial port, a record over IrDA.
  bool SendLong(std::span<const uint8_t> data, const LongRecordChunks& chunks, Wait wait);
  std::optional<std::vector<uint8_t>> ReceiveSized(FileCode code, uint32_t size, Wait wait);

  LinkControl& link_;
  Screen& screen_;
  ChunkPause pause_;
  std::unique_ptr<Exchange> serial_;
  Exchange* exchange_ = nullptr;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_SERVICE_H_
