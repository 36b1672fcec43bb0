#include "testers/files/file_service.h"

#include <array>

#include "base/values.h"
#include "link/serial_exchange.h"
#include "link/transport_exchange.h"

namespace telvane {
namespace {

constexpr char kCaption[] = "Ошибка";
// The program answers a received record with 1 on the wire: the complement of
// this value.
constexpr ConfirmSource kReceivedConfirm = ConfirmSource::Value(0xFE);
// What the instrument answers a sent record with.
constexpr uint8_t kSentConfirm = 0xFE;

constexpr Wait kShortDataWait{15, 0};
constexpr Wait kSendDataWait{30, 0};
constexpr Wait kLongReceiveWait{115, 0};
constexpr Wait kUpdateDataWait{1800, 0};

constexpr Progress kOneRecord{true, 0, 1};

// The bar at 0 of 0..100 for one transaction, hidden after it.
class ProgressScope {
 public:
  explicit ProgressScope(Screen& screen) : screen_(screen) {
    screen_.SetProgressRange(0, 100);
    screen_.SetProgress(0);
    screen_.ShowProgress(true);
  }
  ~ProgressScope() { screen_.ShowProgress(false); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  Screen& screen_;
};

}  // namespace

FileService::FileService(LinkControl& link, Screen& screen, ChunkPause pause)
    : link_(link), screen_(screen), pause_(std::move(pause)) {}

FileService::~FileService() = default;

bool AcceptRemoteSize(Screen& screen, uint32_t size) {
  if (size <= kMaxRemoteFileSize) return true;
  screen.ShowMessage(Icon::kError, kCaption, "Выделение памяти под буфер записи провалено!");
  return false;
}

Exchange* FileService::Begin(int serial_timeout_ms) {
  serial_.reset();
  exchange_ = nullptr;
  if (link_.link_kind() == LinkKind::kIrda) {
    exchange_ = &link_.exchange();
    return exchange_;
  }
  ByteChannel* channel = link_.session_channel();
  if (channel == nullptr) {
    screen_.ShowMessage(Icon::kError, kCaption, "Ошибка установки таймаутов");
    return nullptr;
  }
  auto serial = std::make_unique<SerialExchange>(*channel, screen_, link_.info());
  serial->set_timeout_ms(serial_timeout_ms);
  exchange_ = serial.get();
  serial_ = std::move(serial);
  return exchange_;
}

bool FileService::Command(FileCode code, Wait wait, int serial_timeout_ms) {
  Exchange* exchange = Begin(serial_timeout_ms);
  if (exchange == nullptr) return false;
  if (!exchange->SendCommand(link_.info().address(), static_cast<uint8_t>(code), wait)) {
    screen_.ShowMessage(Icon::kError, kCaption, "Ошибка команды");
    return false;
  }
  return true;
}

bool FileService::Receive(uint8_t* destination, size_t length, Wait wait) {
  return exchange_->ReceiveRecord(link_.info().address(), destination, length, kReceivedConfirm,
                                  kOneRecord, wait);
}

bool FileService::SendSmall(std::span<const uint8_t> data, Wait wait) {
  return exchange_->SendRecord(link_.info().address(), data.data(), data.size(), kSentConfirm,
                               kOneRecord, wait);
}

bool FileService::SendLong(std::span<const uint8_t> data, const LongRecordChunks& chunks,
                           Wait wait) {
  if (link_.link_kind() == LinkKind::kIrda) return SendSmall(data, wait);
  ByteChannel* channel = link_.session_channel();
  return channel != nullptr &&
         SendLongRecord(*channel, screen_, link_.info().address(), data, chunks, pause_);
}

std::optional<std::vector<uint8_t>> FileService::ReceiveSized(FileCode code, uint32_t size,
                                                              Wait wait) {
  if (!AcceptRemoteSize(screen_, size)) return std::nullopt;
  ProgressScope progress(screen_);
  if (!Command(code)) return std::nullopt;
  std::vector<uint8_t> bytes(size);
  if (!Receive(bytes.data(), bytes.size(), wait)) return std::nullopt;
  return bytes;
}

std::optional<DbInfoRecord> FileService::ReadDbInfo() {
  ProgressScope progress(screen_);
  if (!Command(FileCode::kDbInfo)) return std::nullopt;
  DbInfoRecord record;
  if (!Receive(record.mutable_bytes().data(), DbInfoRecord::kSize, kShortDataWait)) {
    return std::nullopt;
  }
  return record;
}

std::optional<std::vector<uint8_t>> FileService::ReceiveDatabase(uint32_t size) {
  return ReceiveSized(FileCode::kReceiveDatabase, size, kLongReceiveWait);
}

bool FileService::SendDatabase(const DbInfoRecord& info, std::span<const uint8_t> database) {
  {
    ProgressScope progress(screen_);
    if (!Command(FileCode::kSendDbInfo) || !SendSmall(info.span(), kSendDataWait)) return false;
  }
  ProgressScope progress(screen_);
  if (!Command(FileCode::kSendDatabase)) return false;
  if (!SendLong(database, kFileChunks, kSendDataWait)) {
    if (link_.link_kind() != LinkKind::kIrda) {
      screen_.ShowMessage(Icon::kError, "ERROR", "Ошибка передачи данных");
    }
    return false;
  }
  return true;
}

bool FileService::SendUpdate(std::span<const uint8_t> data) {
  {
    ProgressScope progress(screen_);
    std::array<uint8_t, 4> length{};
    StoreLe32(static_cast<uint32_t>(data.size()), length.data());
    if (!Command(FileCode::kUpdateLength) || !SendSmall(length, kSendDataWait)) return false;
  }
  ProgressScope progress(screen_);
  if (!Command(FileCode::kUpdateData, kFileCommandWait, kUpdateTimeoutMs)) return false;
  if (!SendLong(data, kFileChunks, kUpdateDataWait)) {
    if (link_.link_kind() != LinkKind::kIrda) {
      screen_.ShowMessage(Icon::kError, "ERROR", "Ошибка передачи данных");
    }
    return false;
  }
  return true;
}

std::optional<uint32_t> FileService::ReadSysinfoSize() {
  ProgressScope progress(screen_);
  if (!Command(FileCode::kSysinfoSize)) return std::nullopt;
  std::array<uint8_t, 4> size{};
  if (!Receive(size.data(), size.size(), kShortDataWait)) return std::nullopt;
  return LoadLe32(size.data());
}

std::optional<std::vector<uint8_t>> FileService::ReceiveSysinfo(uint32_t size) {
  return ReceiveSized(FileCode::kSysinfo, size, kLongReceiveWait);
}

bool FileService::List(std::vector<FileEntry>& entries) {
  ProgressScope progress(screen_);
  if (!Command(FileCode::kList)) return false;
  for (size_t count = 0;; ++count) {
    FileEntry entry;
    if (!Receive(entry.mutable_bytes().data(), FileEntry::kSize, kShortDataWait)) return false;
    if (entry.is_end()) return true;
    if (count == kMaxListingEntries) {
      screen_.ShowMessage(Icon::kError, kCaption, "Ошибка при приеме записи");
      return false;
    }
    entries.push_back(entry);
  }
}

std::optional<std::vector<uint8_t>> FileService::ReceiveFile(uint32_t size) {
  return ReceiveSized(FileCode::kReceiveFile, size, kShortDataWait);
}

bool FileService::Delete() {
  ProgressScope progress(screen_);
  return Command(FileCode::kDelete);
}

bool FileService::ChangeFolder(std::string_view folder) {
  ProgressScope progress(screen_);
  const ChangeFolderRecord record = MakeChangeFolderRecord(folder);
  return Command(FileCode::kChangeFolder) && SendSmall(record.span(), kSendDataWait);
}

bool FileService::SendFile(std::span<const uint8_t> bytes, SentFile kind) {
  ProgressScope progress(screen_);
  if (kind == SentFile::kMask) {
    return Command(FileCode::kSendFile) && SendSmall(bytes, kShortDataWait);
  }
  if (!Command(FileCode::kSendFile, kFolderSendCommandWait)) return false;
  if (!SendLong(bytes, kLoaderChunks, kSendDataWait)) {
    screen_.ShowMessage(Icon::kError, kCaption, "Ошибка при отправке записи");
    return false;
  }
  return true;
}

bool FileService::SelectRemotePath(std::string_view path, uint32_t size) {
  ProgressScope progress(screen_);
  const FileEntry entry = FileEntry::Make(path, size);
  return Command(FileCode::kSelectPath) && SendSmall(entry.span(), kSendDataWait);
}

}  // namespace telvane
