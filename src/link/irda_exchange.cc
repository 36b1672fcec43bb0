#include "link/irda_exchange.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "link/irda_frame.h"

namespace telvane {

namespace {

constexpr int kReceiveAttempts = 5;
constexpr int kRecordSends = 5;
constexpr uint8_t kDisconnectCode = 0xFF;
constexpr Wait kDisconnectWait{5, 0};
// Far above the largest record any instrument sends (1 MiB); keeps the frame
// arithmetic from wrapping.
constexpr size_t kMaxRecord = size_t{1} << 30;

// The progress bar of one send: shown at 0 on entry, hidden on every way out.
class ShownProgress {
 public:
  ShownProgress(Screen& screen, const Progress& progress)
      : screen_(screen), shown_(progress.shown) {
    if (!shown_) return;
    screen_.ShowProgress(true);
    screen_.SetProgressRange(0, 100);
    screen_.SetProgress(0);
  }
  ~ShownProgress() {
    if (shown_) screen_.ShowProgress(false);
  }
  ShownProgress(const ShownProgress&) = delete;
  ShownProgress& operator=(const ShownProgress&) = delete;

 private:
  Screen& screen_;
  bool shown_;
};

// A zeroed heap buffer; null when the memory is not there.
std::unique_ptr<uint8_t[]> Allocate(size_t length) {
  return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[length]());
}

// A confirmation source that indexes a byte the data do not have.
bool IndexOutside(ConfirmSource source, size_t length) {
  return source.indexes_data() && source.index() >= length;
}

bool SameAddress(const uint8_t* frame, const Address& address) {
  return std::equal(address.begin(), address.end(), frame);
}

}  // namespace

void IrdaExchange::ReportProgress(const Progress& progress, size_t done, size_t total) {
  if (!progress.shown) return;
  size_t position;
  if (progress.count == 1) {
    position = total == 0 ? 100 : done * 100 / total;
  } else {
    position = progress.count == 0 ? 0 : progress.index * 100 / progress.count;
  }
  link_.screen().SetProgress(static_cast<int>(std::min<size_t>(position, 100)));
}

bool IrdaExchange::SendPieces(const uint8_t* data, size_t length, const Progress& progress,
                              Wait wait) {
  size_t done = 0;
  while (done < length) {
    if (!link_.WaitSocket(wait, WaitMode::kWritable)) {
      link_.ShowError("Передача записи", "Прибор не отвечает!");
      return false;
    }
    const long sent = link_.Send(data + done, std::min(kIrdaPiece, length - done));
    if (sent <= 0) {
      link_.ShowSocketError("Передача данных невозможна. Ошибка: %d");
      return false;
    }
    done += static_cast<size_t>(sent);
    ReportProgress(progress, done, length);
  }
  return true;
}

bool IrdaExchange::ReceivePieces(uint8_t* data, size_t length, const Progress& progress,
                                 Wait wait) {
  size_t done = 0;
  while (done < length) {
    if (!link_.WaitSocket(wait, WaitMode::kReadable)) {
      link_.ShowError("Запись", "Нет данных!!!");
      return false;
    }
    const long got = link_.Receive(data + done, std::min(kIrdaPiece, length - done));
    if (got <= 0) {
      link_.ShowSocketError("Прием запси прерван. Ошибка: %d");
      return false;
    }
    done += static_cast<size_t>(got);
    ReportProgress(progress, done, length);
  }
  return true;
}

bool IrdaExchange::SendConfirmation(const uint8_t* data, size_t length, Wait wait) {
  if (!link_.WaitSocket(wait, WaitMode::kWritable)) {
    link_.ShowError("Запись", "Нет возможности передать подтверждение!!!");
    return false;
  }
  if (link_.Send(data, length) != static_cast<long>(length)) {
    link_.ShowSocketError("Передача данных невозможна. Ошибка: %d");
    return false;
  }
  return true;
}

bool IrdaExchange::SendCommand(const Address& address, uint8_t code, Wait wait) {
  uint8_t frame[9];
  std::copy(address.begin(), address.end(), frame);
  frame[7] = code;
  frame[8] = FrameSum(frame, 8);
  if (link_.Send(frame, sizeof(frame)) != static_cast<long>(sizeof(frame))) {
    link_.ShowSocketError("Передача данных невозможна. Ошибка: %d");
    return false;
  }
  if (!link_.WaitSocket(wait, WaitMode::kReadable)) return false;

  uint8_t reply[9];
  const long got = link_.Receive(reply, sizeof(reply));
  if (got < 0) {
    link_.ShowSocketError("Прием данных прерван. Ошибка: %d");
    return false;
  }
  if (got != static_cast<long>(sizeof(reply))) {
    link_.ShowError("Ошибка", "Неправильное подтверждение комманды");
    return false;
  }
  if (FrameSum(reply, 8) != reply[8]) {
    link_.ShowError("Ошибка", "Ошибка внутренней КС");
    return false;
  }
  return SameAddress(reply, address) && reply[7] == static_cast<uint8_t>(~code);
}

IrdaExchange::Outcome IrdaExchange::ReceiveRecordAttempt(const Address& address, uint8_t* record,
                                                         size_t length, ConfirmSource confirm,
                                                         const Progress& progress, Wait wait,
                                                         bool& checked) {
  checked = false;
  if (!link_.WaitSocket(wait, WaitMode::kReadable)) {
    link_.ShowError("Адрес", "Нет данных!!!");
    return Outcome::kFailed;
  }
  uint8_t head[7];
  size_t head_length = 0;
  while (head_length < sizeof(head)) {
    if (head_length > 0 && !link_.WaitSocket(wait, WaitMode::kReadable)) break;
    const long got = link_.Receive(head + head_length, 1);
    if (got < 0) {
      link_.ShowSocketError("Прием адреса прерван. Ошибка: %d");
      return Outcome::kFailed;
    }
    head_length += static_cast<size_t>(got);
  }
  if (head_length != sizeof(head)) {
    link_.ShowError("Ошибка", "Неправильный размер адреса");
    return Outcome::kFailed;
  }

  // The data bytes and the sum.
  if (!ReceivePieces(record, length + 1, progress, wait)) return Outcome::kFailed;

  const uint8_t sum = static_cast<uint8_t>(FrameSum(head, sizeof(head)) + FrameSum(record, length));
  if (sum != record[length]) {
    link_.ShowError("Ошибка", "Ошибка внутренней КС записи");
  } else if (head[0] != address[0]) {
    link_.ShowError("Ошибка", "Ошибка VendorID");
  } else if (!std::equal(address.begin() + 1, address.end(), head + 1)) {
    link_.ShowError("Ошибка", "Ошибка адреса");
  } else {
    checked = true;
  }

  uint8_t reply[9];
  std::copy(address.begin(), address.end(), reply);
  const uint8_t source = confirm.indexes_data() ? record[confirm.index()] : confirm.value();
  reply[7] = checked ? static_cast<uint8_t>(~source) : 0;
  reply[8] = FrameSum(reply, 8);
  if (!SendConfirmation(reply, sizeof(reply), wait)) return Outcome::kFailed;
  return Outcome::kDone;
}

bool IrdaExchange::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                                 ConfirmSource confirm, Progress progress, Wait wait) {
  if (IndexOutside(confirm, length) || length > kMaxRecord) return false;
  std::unique_ptr<uint8_t[]> record = Allocate(length + 1);
  if (!record) {
    char text[120];
    std::snprintf(text, sizeof(text), "Выделение памяти под буфер записи провалено! Ошибка: %d",
                  ENOMEM);
    link_.ShowError("Ошибка", text);
    return false;
  }
  for (int attempt = 0; attempt < kReceiveAttempts; ++attempt) {
    bool checked = false;
    if (attempt > 0) std::fill(record.get(), record.get() + length + 1, 0);
    if (ReceiveRecordAttempt(address, record.get(), length, confirm, progress, wait, checked) ==
        Outcome::kFailed) {
      return false;
    }
    if (checked) {
      std::copy(record.get(), record.get() + length, destination);
      return true;
    }
  }
  return false;
}

bool IrdaExchange::SendRecord(const Address& address, const uint8_t* data, size_t length,
                              uint8_t expected, Progress progress, Wait wait) {
  if (length > kMaxRecord) return false;
  ShownProgress shown(link_.screen(), progress);
  std::unique_ptr<uint8_t[]> frame = Allocate(length + 8);
  if (!frame) return false;
  std::copy(address.begin(), address.end(), frame.get());
  std::copy(data, data + length, frame.get() + 7);
  frame[length + 7] = FrameSum(frame.get(), length + 7);

  for (int send = 0; send < kRecordSends; ++send) {
    if (!SendPieces(frame.get(), length + 8, progress, wait)) return false;
    if (!link_.WaitSocket(wait, WaitMode::kReadable)) {
      link_.ShowError("Подтверждение записи", "Нет данных!!!");
      return false;
    }
    uint8_t reply[9];
    const long got = link_.Receive(reply, sizeof(reply));
    if (got < 0) {
      link_.ShowSocketError("Прием подтверждения запси прерван. Ошибка: %d");
      return false;
    }
    if (got != static_cast<long>(sizeof(reply))) {
      link_.ShowError("Ошибка", "Неверный размер подтверждения");
      return false;
    }
    if (FrameSum(reply, 8) != reply[8]) {
      link_.ShowError("Ошибка", "Неверная КС подтверждения записи");
      return false;
    }
    // A confirmation from another instrument is refused.
    if (!SameAddress(reply, address)) return false;
    if (reply[7] == 0) continue;
    if (reply[7] == expected) return true;
    link_.ShowError("Ошибка", "Неверное подтверждение записи");
    return false;
  }
  return false;
}

bool IrdaExchange::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                                ConfirmSource confirm, Wait wait) {
  if (IndexOutside(confirm, length)) return false;
  std::unique_ptr<uint8_t[]> block = Allocate(length);
  if (!block) return false;
  if (!ReceivePieces(block.get(), length, progress, wait)) return false;
  const uint8_t reply =
      confirm.indexes_data() ? static_cast<uint8_t>(~block[confirm.index()]) : confirm.value();
  if (!SendConfirmation(&reply, 1, wait)) return false;
  std::copy(block.get(), block.get() + length, destination);
  return true;
}

bool IrdaExchange::SendBlock(const uint8_t* data, size_t length, Progress progress,
                             ConfirmSource expected, Wait wait) {
  if (IndexOutside(expected, length)) return false;
  ShownProgress shown(link_.screen(), progress);
  if (!SendPieces(data, length, progress, wait)) return false;
  if (!link_.WaitSocket(wait, WaitMode::kReadable)) {
    link_.ShowError("Подтверждение", "Нет данных!!!");
    return false;
  }
  // The confirmation is one byte: never take more, the rest belongs to what
  // follows.
  uint8_t reply = 0;
  const long got = link_.Receive(&reply, 1);
  if (got < 0) {
    link_.ShowSocketError("Прием подтверждения прерван. Ошибка: %d");
    return false;
  }
  if (got != 1) {
    link_.ShowError("Ошибка", "Неверный размер подтверждения");
    return false;
  }
  const uint8_t wanted =
      expected.indexes_data() ? static_cast<uint8_t>(~data[expected.index()]) : expected.value();
  if (reply != wanted) {
    link_.ShowError("Ошибка", "Неверное подтверждение записи");
    return false;
  }
  return true;
}

bool IrdaExchange::Disconnect() {
  if (!SendCommand(info_.address(), kDisconnectCode, kDisconnectWait)) {
    link_.ShowError("Ошибка", "Ошибка отсоединения!!!");
    return false;
  }
  link_.CloseIrda();
  info_.Clear();
  return true;
}

}  // namespace telvane
