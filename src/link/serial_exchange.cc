#include "link/serial_exchange.h"

#include <algorithm>
#include <new>
#include <vector>

#include "base/values.h"
#include "link/serial_frames.h"

namespace telvane {
namespace {

constexpr char kCaption[] = "Ошибка";
constexpr uint8_t kDisconnectCode = 0xFF;

// The byte a receiver answers with: the complement of the value, or of the
// indexed received byte.
uint8_t ComplementOf(ConfirmSource source, const uint8_t* data) {
  return Complement(source.indexes_data() ? data[source.index()] : source.value());
}

bool ConfirmIndexFits(ConfirmSource source, size_t length) {
  return !source.indexes_data() || source.index() < length;
}

}  // namespace

ProgressMeter::ProgressMeter(Screen& screen, Progress progress, size_t total_bytes)
    : screen_(screen), progress_(progress), total_(total_bytes) {
  if (!progress_.shown) return;
  screen_.SetProgressRange(0, 100);
  if (progress_.count > 1) {
    Set(static_cast<int>(progress_.index * 100 / progress_.count));
  } else {
    Set(0);
  }
}

void ProgressMeter::Bytes(size_t done) {
  if (!progress_.shown || progress_.count > 1 || total_ == 0) return;
  Set(static_cast<int>(done * 100 / total_));
}

void ProgressMeter::Set(int position) {
  if (position == last_) return;
  last_ = position;
  screen_.SetProgress(position);
}

void SerialExchange::Error(const std::string& text, const char* caption) {
  screen_.ShowMessage(Icon::kError, caption, text);
}

bool SerialExchange::Prepare(const char* failure_text, const char* failure_caption) {
  port_.Purge(true, true);
  port_.SetBufferSizes(256, 256);
  if (!port_.SetReadTimeout(timeout_ms_)) {
    Error(failure_text, failure_caption);
    return false;
  }
  return true;
}

bool SerialExchange::Command(const Address& address, uint8_t code, bool* reply_complete) {
  switch (SendCommandFrame(port_, address, code, reply_complete)) {
    case FrameStatus::kOk:
      return true;
    case FrameStatus::kWriteFailed:
      Error("Ошибка передачи информации", kCaption);
      return false;
    case FrameStatus::kTimeout:
      Error("Время ожидания вышло!", kCaption);
      return false;
    case FrameStatus::kBadSum:
      Error("Неверная контрольная сумма подтверждения команды", kCaption);
      return false;
    case FrameStatus::kBadEcho:
      Error("Ошибка подтверждения команды", kCaption);
      return false;
    default:
      Error("Ошибка приема информации", kCaption);
      return false;
  }
}

bool SerialExchange::SendCommand(const Address& address, uint8_t code, Wait wait) {
  if (!Prepare("Ошибка установки таймаутов", kCaption)) return false;
  return Command(address, code, nullptr);
}

bool SerialExchange::Disconnect() {
  if (!Prepare("Ошибка установки новых таймаутов", "Error")) return false;
  bool reply_complete = false;
  const bool ok = Command(info_.address(), kDisconnectCode, &reply_complete);
  if (reply_complete) info_.ClearIdentity();
  return ok;
}

bool SerialExchange::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                                   ConfirmSource confirm, Progress progress, Wait wait) {
  if (!ConfirmIndexFits(confirm, length)) return false;
  std::vector<uint8_t> scratch;
  try {
    scratch.resize(length);
  } catch (const std::bad_alloc&) {
    Error("Выделение памяти под буфер записи провалено!", kCaption);
    return false;
  }
  ProgressMeter meter(screen_, progress, length);
  int failures = 0;
  for (;;) {
    Address received_address{};
    uint8_t sum = 0;
    bool ok =
        ReadBytes(port_, received_address.data(), received_address.size(), sum) == FrameStatus::kOk;
    for (size_t i = 0; ok && i < length; ++i) {
      ok = port_.ReadByte(scratch[i]) == ReadResult::kByte;
      if (!ok) break;
      sum = static_cast<uint8_t>(sum + scratch[i]);
      meter.Bytes(i + 1);
    }
    uint8_t received_sum = 0;
    ok = ok && port_.ReadByte(received_sum) == ReadResult::kByte && received_sum == sum;
    const uint8_t answer = ok ? ComplementOf(confirm, scratch.data()) : 0;
    if (WriteConfirmation(port_, address, answer) != FrameStatus::kOk) return false;
    if (ok) {
      std::copy(scratch.begin(), scratch.end(), destination);
      return true;
    }
    if (++failures % kReceiveAttempts == 0 &&
        screen_.AskYesNo(Icon::kQuestion, "Вопрос",
                         "Ошибка обмена данными.\r\nПовторить попытку?") != Answer::kYes) {
      return false;
    }
  }
}

bool SerialExchange::SendRecord(const Address& address, const uint8_t* data, size_t length,
                                uint8_t expected, Progress progress, Wait wait) {
  uint8_t sum = Sum8(address);
  if (WriteBytes(port_, address) != FrameStatus::kOk) {
    Error("Ошибка посылки адреса", kCaption);
    return false;
  }
  ProgressMeter meter(screen_, progress, length);
  for (size_t i = 0; i < length; ++i) {
    if (!port_.WriteByte(data[i])) {
      Error("Ошибка посылки записи", kCaption);
      return false;
    }
    sum = static_cast<uint8_t>(sum + data[i]);
    meter.Bytes(i + 1);
  }
  if (!port_.WriteByte(sum)) {
    Error("Ошибка посылки КС записи", kCaption);
    return false;
  }
  Frame9 reply{};
  uint8_t reply_sum = 0;
  switch (ReadBytes(port_, reply.data(), 8, reply_sum)) {
    case FrameStatus::kOk:
      break;
    case FrameStatus::kTimeout:
      Error("Таймаут приема подтверждения", kCaption);
      return false;
    default:
      Error("Ошибка приема подтверждения", kCaption);
      return false;
  }
  switch (port_.ReadByte(reply[8])) {
    case ReadResult::kByte:
      break;
    case ReadResult::kTimeout:
      Error("Таймаут приема КС записи", kCaption);
      return false;
    case ReadResult::kError:
      Error("Ошибка приема КС записи", kCaption);
      return false;
  }
  if (reply[8] != reply_sum) {
    Error("Неверная КС подтверждения записи", kCaption);
    return false;
  }
  if (!std::equal(address.begin(), address.end(), reply.begin())) {
    Error("Ошибка подтверждения команды", kCaption);
    return false;
  }
  if (reply[7] != expected) {
    Error("Ошибка байта подтверждения", kCaption);
    return false;
  }
  return true;
}

bool SerialExchange::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                                  ConfirmSource confirm, Wait wait) {
  if (!ConfirmIndexFits(confirm, length)) return false;
  std::vector<uint8_t> scratch(length);
  ProgressMeter meter(screen_, progress, length);
  for (size_t i = 0; i < length; ++i) {
    if (port_.ReadByte(scratch[i]) != ReadResult::kByte) {
      Error("Нет данных!!!", "Запись");
      return false;
    }
    meter.Bytes(i + 1);
  }
  const uint8_t answer =
      confirm.indexes_data() ? Complement(scratch[confirm.index()]) : confirm.value();
  if (!port_.WriteByte(answer)) {
    Error("Нет возможности передать подтверждение!!!", "Запись");
    return false;
  }
  std::copy(scratch.begin(), scratch.end(), destination);
  return true;
}

bool SerialExchange::SendBlock(const uint8_t* data, size_t length, Progress progress,
                               ConfirmSource expected, Wait wait) {
  if (!ConfirmIndexFits(expected, length)) return false;
  ProgressMeter meter(screen_, progress, length);
  for (size_t i = 0; i < length; ++i) {
    if (!port_.WriteByte(data[i])) {
      Error("Прибор не отвечает!", "Передача записи");
      return false;
    }
    meter.Bytes(i + 1);
  }
  uint8_t answer = 0;
  if (port_.ReadByte(answer) != ReadResult::kByte) {
    Error("Нет данных!!!", "Подтверждение");
    return false;
  }
  const uint8_t wanted =
      expected.indexes_data() ? Complement(data[expected.index()]) : expected.value();
  if (answer != wanted) {
    Error("Неверное подтверждение записи", "Подтверждение");
    return false;
  }
  return true;
}

}  // namespace telvane
