#include "cable/wear/wear_transfer.h"

#include <algorithm>
#include <array>

#include "base/sprintf.h"
#include "base/values.h"
#include "link/frame_codec.h"
#include "link/frame_messages.h"
#include "link/serial_frames.h"
#include "link/transfer_progress.h"

namespace telvane {
namespace {

constexpr int kInfoTimeoutMs = 5000;
constexpr int kSeriesTimeoutMs = 1000;

// The information transfer words its messages as the search's other initial
// transfers, except for the time-out; its command confirmation has a sum text
// of its own.
FrameTexts InfoRecordTexts() {
  FrameTexts texts = kCompactInitialTexts;
  texts.timeout = texts.sum_timeout = texts.number_timeout = "Время ожидания вышло !";
  return texts;
}
FrameTexts InfoCommandTexts() {
  FrameTexts texts = InfoRecordTexts();
  texts.bad_sum = "Неверная контрольная сумма подтверждения команды";
  return texts;
}

// The series transfer's command and its confirmation are worded as the
// exchange's serial commands.
const FrameTexts& kSeriesCommandTexts = kSerialCommandTexts;
// The series record: its messages have the caption "Error".
constexpr char kRecordCaption[] = "Error";
constexpr char kAddressTimeout[] = "TIMEOUT адреса при попытке чтения записи!";
constexpr char kByteTimeout[] = "TIMEOUT чтения записи!\r\n байт № %d";
constexpr char kSumTimeout[] = "TIMEOUT чтения к/с записи!";
constexpr char kRecordSum[] = "Неверная контрольная сумма записи";
constexpr char kRecordAddress[] = "Неверный адрес записи!";
constexpr char kRecordReadFailed[] = "Ошибка приема информации";

uint8_t Sum(std::span<const uint8_t> bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
  return sum;
}

// Reads one byte of the series record, showing `timeout_text` when it does
// not come.
bool ReadRecordByte(ByteChannel& channel, Screen& screen, uint8_t& byte,
                    const std::string& timeout_text) {
  switch (channel.ReadByte(byte)) {
    case ByteChannel::Read::kByte:
      return true;
    case ByteChannel::Read::kTimeout:
      screen.ShowMessage(Icon::kError, kRecordCaption, timeout_text);
      return false;
    case ByteChannel::Read::kError:
      screen.ShowMessage(Icon::kError, kRecordCaption, kRecordReadFailed);
      return false;
  }
  return false;
}

}  // namespace

std::optional<WearInfo> ReadWearInfo(ByteChannel& channel, Screen& screen, const Address& address) {
  channel.PurgeAll();
  channel.SetQueues(256, 256);
  if (!channel.SetReadTimeout(kInfoTimeoutMs)) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка установки новых таймаутов");
    return std::nullopt;
  }
  if (!ReportFrame(screen, InfoCommandTexts(),
                   SendCommandFrame(channel, address, kWearInfoCommand))) {
    return std::nullopt;
  }
  std::array<uint8_t, RecordFrameLength(kWearInfoSize, false)> frame{};
  if (!ReportFrame(screen, InfoRecordTexts(),
                   ReadRecordFrame(channel, frame, false, address, true))) {
    return std::nullopt;
  }
  std::array<uint8_t, kWearInfoSize> data{};
  std::copy_n(frame.begin() + 7, kWearInfoSize, data.begin());
  if (!ReportFrame(screen, InfoRecordTexts(),
                   WriteConfirmation(channel, address, Complement(data[8])))) {
    return std::nullopt;
  }
  return WearInfo::FromWire(data);
}

std::optional<std::vector<uint8_t>> ReceiveWearSeries(ByteChannel& channel, Screen& screen,
                                                      const Address& address, uint16_t count) {
  if (count == 0) return std::nullopt;
  channel.PurgeAll();
  channel.SetQueues(256, 1);
  TransferProgress progress(screen, count);
  progress.Show();
  channel.SetEventMask();
  channel.SetReadTimeout(kSeriesTimeoutMs);

  // A byte of the command that cannot be written is reported and the frame
  // goes on.
  for (uint8_t byte : CommandFrame(address, kWearSeriesCommand)) {
    if (!channel.WriteByte(byte)) {
      screen.ShowMessage(Icon::kError, "Ошибка", kSeriesCommandTexts.write_failed);
    }
  }
  Frame9 reply{};
  FrameStatus status = ReadReply(channel, reply);
  if (status == FrameStatus::kOk) status = CheckCommandReply(reply, address, kWearSeriesCommand);
  if (!ReportFrame(screen, kSeriesCommandTexts, status)) return std::nullopt;

  std::array<uint8_t, 7> received{};
  for (uint8_t& b : received) {
    if (!ReadRecordByte(channel, screen, b, kAddressTimeout)) return std::nullopt;
  }
  std::vector<uint8_t> series(count);
  for (size_t i = 0; i < series.size(); ++i) {
    if (!ReadRecordByte(channel, screen, series[i], Sprintf(kByteTimeout, static_cast<int>(i)))) {
      return std::nullopt;
    }
    progress.Advance();
  }
  uint8_t sum = 0;
  if (!ReadRecordByte(channel, screen, sum, kSumTimeout)) return std::nullopt;
  if (static_cast<uint8_t>(Sum(received) + Sum(series)) != sum) {
    screen.ShowMessage(Icon::kError, kRecordCaption, kRecordSum);
    return std::nullopt;
  }
  if (!std::equal(received.begin(), received.end(), address.begin())) {
    screen.ShowMessage(Icon::kError, kRecordCaption, kRecordAddress);
    return std::nullopt;
  }
  const Frame9 confirm = ConfirmationFrame(address, Complement(series[0]));
  for (uint8_t byte : confirm) {
    if (!channel.WriteByte(byte)) {
      screen.ShowMessage(Icon::kError, "Ошибка", kSeriesCommandTexts.write_failed);
      return std::nullopt;
    }
  }
  return series;
}

}  // namespace telvane
