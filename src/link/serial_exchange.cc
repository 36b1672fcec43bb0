#include "link/serial_exchange.h"

#include <algorithm>
#include <new>
#include <vector>

#include "base/values.h"
#include "link/frame_codec.h"
#include "link/frame_messages.h"
#include "link/serial_channel.h"
#include "link/serial_frames.h"
#include "link/transfer_progress.h"

namespace telvane {
namespace {

constexpr char kCaption[] = "Ошибка";
constexpr uint8_t kDisconnectCode = 0xFF;

}  // namespace

SerialExchange::SerialExchange(SerialPort& port, Screen& screen, InstrumentInfo& info)
    : own_channel_(std::make_unique<SerialChannel>(port)),
      channel_(*own_channel_),
      screen_(screen),
      info_(info) {}

SerialExchange::~SerialExchange() = default;

bool SerialExchange::Prepare(const char* failure_text, const char* failure_caption) {
  channel_.PurgeAll();
  channel_.SetQueues(256, 256);
  if (!channel_.SetReadTimeout(timeout_ms_)) {
    screen_.ShowMessage(Icon::kError, failure_caption, failure_text);
    return false;
  }
  return true;
}

bool SerialExchange::Command(const Address& address, uint8_t code, bool* reply_complete) {
  return ReportFrame(screen_, kSerialCommandTexts,
                     SendCommandFrame(channel_, address, code, nullptr, reply_complete));
}

bool SerialExchange::SendCommand(const Address& address, uint8_t code, Wait) {
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

bool SerialExchange::AskRetry() {
  return screen_.AskYesNo(Icon::kQuestion, "Вопрос",
                          "Ошибка обмена данными.\r\nПовторить попытку?") == Answer::kYes;
}

bool SerialExchange::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                                   ConfirmSource confirm, Progress progress, Wait) {
  if (!ConfirmSourceFits(confirm, length)) return false;
  std::vector<uint8_t> frame;
  try {
    frame.resize(RecordFrameLength(length, false));
  } catch (const std::bad_alloc&) {
    screen_.ShowMessage(Icon::kError, kCaption, "Выделение памяти под буфер записи провалено!");
    return false;
  }
  const std::span<const uint8_t> data = std::span(frame).subspan(7, length);
  TransferProgress meter(screen_, progress, length);
  int failures = 0;
  for (;;) {
    meter.Rewind();
    const bool ok = ReadRecordFrame(channel_, frame, false, address, /*compare_address=*/false,
                                    &meter) == FrameStatus::kOk;
    const uint8_t answer = ok ? RecordConfirmByte(confirm, data) : 0;
    if (WriteConfirmation(channel_, address, answer) != FrameStatus::kOk) return false;
    if (ok) {
      std::copy(data.begin(), data.end(), destination);
      return true;
    }
    if (++failures % kReceiveAttempts == 0 && !AskRetry()) return false;
  }
}

bool SerialExchange::SendRecord(const Address& address, const uint8_t* data, size_t length,
                                uint8_t expected, Progress progress, Wait) {
  const std::vector<uint8_t> frame =
      RecordFrame(address, std::nullopt, std::span<const uint8_t>(data, length));
  const std::span<const uint8_t> bytes(frame);
  if (!ReportFrame(screen_, kSerialSendAddressTexts, WriteBytes(channel_, bytes.first(7)))) {
    return false;
  }
  TransferProgress meter(screen_, progress, length);
  if (!ReportFrame(screen_, kSerialSendDataTexts,
                   WriteBytes(channel_, bytes.subspan(7, length), &meter)) ||
      !ReportFrame(screen_, kSerialSendSumTexts, WriteBytes(channel_, bytes.last(1)))) {
    return false;
  }
  Frame9 reply{};
  if (!ReportFrame(screen_, kSerialReplyTexts, ReadBytes(channel_, std::span(reply).first(8))) ||
      !ReportFrame(screen_, kSerialReplySumTexts, ReadBytes(channel_, std::span(reply).last(1)))) {
    return false;
  }
  return ReportFrame(screen_, kSerialReplyCheckTexts,
                     CheckRecordConfirmation(reply, address, expected));
}

bool SerialExchange::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                                  ConfirmSource confirm, Wait) {
  if (!ConfirmSourceFits(confirm, length)) return false;
  std::vector<uint8_t> scratch(length);
  TransferProgress meter(screen_, progress, length);
  for (size_t i = 0; i < length; ++i) {
    if (channel_.ReadByte(scratch[i]) != ByteChannel::Read::kByte) {
      screen_.ShowMessage(Icon::kError, "Запись", "Нет данных!!!");
      return false;
    }
    meter.Done(i + 1);
  }
  if (!channel_.WriteByte(BlockConfirmByte(confirm, scratch))) {
    screen_.ShowMessage(Icon::kError, "Запись", "Нет возможности передать подтверждение!!!");
    return false;
  }
  std::copy(scratch.begin(), scratch.end(), destination);
  return true;
}

bool SerialExchange::SendBlock(const uint8_t* data, size_t length, Progress progress,
                               ConfirmSource expected, Wait) {
  if (!ConfirmSourceFits(expected, length)) return false;
  const std::span<const uint8_t> block(data, length);
  TransferProgress meter(screen_, progress, length);
  if (WriteBytes(channel_, block, &meter) != FrameStatus::kOk) {
    screen_.ShowMessage(Icon::kError, "Передача записи", "Прибор не отвечает!");
    return false;
  }
  uint8_t answer = 0;
  if (channel_.ReadByte(answer) != ByteChannel::Read::kByte) {
    screen_.ShowMessage(Icon::kError, "Подтверждение", "Нет данных!!!");
    return false;
  }
  if (CheckBlockConfirmation(std::span(&answer, 1), BlockConfirmByte(expected, block)) !=
      FrameStatus::kOk) {
    screen_.ShowMessage(Icon::kError, "Подтверждение", "Неверное подтверждение записи");
    return false;
  }
  return true;
}

}  // namespace telvane
