#include "link/irda_exchange.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include "link/frame_codec.h"
#include "link/frame_messages.h"
#include "link/transfer_progress.h"

namespace telvane {

namespace {

constexpr int kReceiveAttempts = 5;
constexpr int kRecordSends = 5;
constexpr uint8_t kDisconnectCode = 0xFF;
constexpr Wait kDisconnectWait{5, 0};
// Far above the largest record any instrument sends (1 MiB); keeps the frame
// arithmetic from wrapping.
constexpr size_t kMaxRecord = size_t{1} << 30;

// A zeroed heap buffer; null when the memory is not there.
std::unique_ptr<uint8_t[]> Allocate(size_t length) {
  return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[length]());
}

}  // namespace

bool IrdaExchange::SendPieces(const uint8_t* data, size_t length, TransferProgress& progress,
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
    progress.Done(done);
  }
  return true;
}

bool IrdaExchange::ReceivePieces(uint8_t* data, size_t length, TransferProgress& progress,
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
    progress.Done(done);
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
  const Frame9 frame = CommandFrame(address, code);
  if (link_.Send(frame.data(), frame.size()) != static_cast<long>(frame.size())) {
    link_.ShowSocketError("Передача данных невозможна. Ошибка: %d");
    return false;
  }
  if (!link_.WaitSocket(wait, WaitMode::kReadable)) return false;

  Frame9 reply{};
  const long got = link_.Receive(reply.data(), reply.size());
  if (got < 0) {
    link_.ShowSocketError("Прием данных прерван. Ошибка: %d");
    return false;
  }
  return ReportFrame(
      link_.screen(), kIrdaCommandTexts,
      CheckCommandReply(std::span(reply).first(static_cast<size_t>(got)), address, code));
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
  TransferProgress meter(link_.screen(), progress, length + 1);
  if (!ReceivePieces(record, length + 1, meter, wait)) return Outcome::kFailed;

  // The frame as it came: address, data, sum.
  std::vector<uint8_t> frame(head, head + sizeof(head));
  frame.insert(frame.end(), record, record + length + 1);
  checked = ReportFrame(link_.screen(), kIrdaRecordTexts, CheckRecord(frame, address));

  const std::span<const uint8_t> data(record, length);
  const Frame9 reply = ConfirmationFrame(address, checked ? RecordConfirmByte(confirm, data) : 0);
  if (!SendConfirmation(reply.data(), reply.size(), wait)) return Outcome::kFailed;
  return Outcome::kDone;
}

bool IrdaExchange::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                                 ConfirmSource confirm, Progress progress, Wait wait) {
  if (!ConfirmSourceFits(confirm, length) || length > kMaxRecord) return false;
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
  TransferProgress meter(link_.screen(), progress, length + 8);
  if (progress.shown) meter.Show();
  std::vector<uint8_t> frame;
  try {
    frame = RecordFrame(address, std::nullopt, std::span<const uint8_t>(data, length));
  } catch (const std::bad_alloc&) {
    return false;
  }

  for (int send = 0; send < kRecordSends; ++send) {
    meter.Rewind();
    if (!SendPieces(frame.data(), frame.size(), meter, wait)) return false;
    if (!link_.WaitSocket(wait, WaitMode::kReadable)) {
      link_.ShowError("Подтверждение записи", "Нет данных!!!");
      return false;
    }
    Frame9 reply{};
    const long got = link_.Receive(reply.data(), reply.size());
    if (got < 0) {
      link_.ShowSocketError("Прием подтверждения запси прерван. Ошибка: %d");
      return false;
    }
    // A confirmation from another instrument is refused silently; 0 asks for
    // the record again.
    const FrameStatus status =
        CheckRecordConfirmation(std::span(reply).first(static_cast<size_t>(got)), address, expected,
                                {.compare_address = true, .zero_asks_resend = true});
    if (status == FrameStatus::kResend) continue;
    return ReportFrame(link_.screen(), kIrdaRecordConfirmTexts, status);
  }
  return false;
}

bool IrdaExchange::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                                ConfirmSource confirm, Wait wait) {
  if (!ConfirmSourceFits(confirm, length)) return false;
  std::unique_ptr<uint8_t[]> block = Allocate(length);
  if (!block) return false;
  TransferProgress meter(link_.screen(), progress, length);
  if (!ReceivePieces(block.get(), length, meter, wait)) return false;
  const uint8_t reply = BlockConfirmByte(confirm, std::span<const uint8_t>(block.get(), length));
  if (!SendConfirmation(&reply, 1, wait)) return false;
  std::copy(block.get(), block.get() + length, destination);
  return true;
}

bool IrdaExchange::SendBlock(const uint8_t* data, size_t length, Progress progress,
                             ConfirmSource expected, Wait wait) {
  if (!ConfirmSourceFits(expected, length)) return false;
  TransferProgress meter(link_.screen(), progress, length);
  if (progress.shown) meter.Show();
  if (!SendPieces(data, length, meter, wait)) return false;
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
  return ReportFrame(
      link_.screen(), kIrdaBlockConfirmTexts,
      CheckBlockConfirmation(std::span(&reply, static_cast<size_t>(got)),
                             BlockConfirmByte(expected, std::span<const uint8_t>(data, length))));
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
