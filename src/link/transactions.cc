#include "link/transactions.h"

#include "base/screen.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr char kCommandFailed[] = "Ошибка выполнения команды";
constexpr char kBlockCommandFailed[] = "Error cmd";
constexpr char kBlockRecordFailed[] = "Error rec";
constexpr char kBlockSizeWrong[] = "Некорректная передача данных";

ConfirmSource SeriesSource(const RecordSeries& series, size_t index) {
  return series.confirm ? series.confirm(index) : ConfirmSource::Value(static_cast<uint8_t>(index));
}

Progress SeriesProgress(const RecordSeries& series, size_t index) {
  return Progress{series.progress, index, series.count};
}

}  // namespace

Wait CommandWait(uint8_t code) {
  switch (code) {
    case 0x51:
    case 0x52:
    case 0x61:
    case 0x62:
    case 0x6A:
    case 2:
    case 4:
    case 6:
      return {10, 0};
    case 0x23:
    case 0x30:
    case 0x31:
    case 0x33:
    case 0x34:
    case 0x35:
    case 0x37:
      return {45, 0};
    case 0x24:
      return {360, 0};
    case 0xFF:
      return {5, 0};
    default:
      return {11, 0};
  }
}

void Transactions::Fail(const char* text) { screen_.ShowMessage(Icon::kError, "Ошибка", text); }

bool Transactions::Command(const Address& address, uint8_t code, const char* failure) {
  if (exchange_.SendCommand(address, code, CommandWait(code))) return true;
  Fail(failure);
  return false;
}

bool Transactions::Receive(const Address& address, uint8_t code, std::span<uint8_t> destination,
                           const RecordSeries& series) {
  if (series.record_length == 0 || destination.size() / series.record_length < series.count) {
    return false;
  }
  if (!Command(address, code, kCommandFailed)) return false;
  for (size_t i = 0; i < series.count; ++i) {
    uint8_t* slot = destination.data() + i * series.record_length;
    if (!exchange_.ReceiveRecord(address, slot, series.record_length, SeriesSource(series, i),
                                 SeriesProgress(series, i), series.wait)) {
      Fail("Ошибка при приеме записи");
      return false;
    }
  }
  return true;
}

bool Transactions::Send(const Address& address, uint8_t code, std::span<const uint8_t> source,
                        const RecordSeries& series) {
  if (series.record_length == 0 || source.size() / series.record_length < series.count) {
    return false;
  }
  if (!Command(address, code, kCommandFailed)) return false;
  for (size_t i = 0; i < series.count; ++i) {
    const ConfirmSource expected = SeriesSource(series, i);
    if (!exchange_.SendRecord(address, source.data() + i * series.record_length,
                              series.record_length, Complement(expected.value()),
                              SeriesProgress(series, i), series.wait)) {
      Fail("Ошибка при отправке записи");
      return false;
    }
  }
  return true;
}

bool Transactions::ReceiveByNumber(const Address& address, uint8_t code,
                                   std::span<const uint8_t> number, bool reflectogram,
                                   std::span<uint8_t> destination, Wait record_wait) {
  if (number.empty()) return false;
  if (!Command(address, code, kCommandFailed)) return false;
  if (!exchange_.SendRecord(address, number.data(), number.size(), Complement(number[0]),
                            Progress{}, kReflectogramWait)) {
    Fail(reflectogram ? "Ошибка при отправке номера РФГ" : "Ошибка при отправке номера записи");
    return false;
  }
  if (!exchange_.ReceiveRecord(address, destination.data(), destination.size(),
                               ConfirmSource::Value(number[0]), Progress{true, 0, 1},
                               record_wait)) {
    Fail("Ошибка при приеме записи");
    return false;
  }
  return true;
}

bool Transactions::SendByNumber(const Address& address, uint8_t code,
                                std::span<const uint8_t> number, std::span<const uint8_t> source,
                                uint8_t expected, Wait record_wait) {
  if (number.empty()) return false;
  if (!Command(address, code, kCommandFailed)) return false;
  if (!exchange_.SendRecord(address, number.data(), number.size(), Complement(number[0]),
                            Progress{}, kReflectogramWait)) {
    Fail("Ошибка при отправке номера РФГ");
    return false;
  }
  if (!exchange_.SendRecord(address, source.data(), source.size(), expected, Progress{true, 0, 1},
                            record_wait)) {
    Fail("Ошибка при передаче записи");
    return false;
  }
  return true;
}

bool Transactions::ReceiveBlocks(const Address& address, uint8_t code,
                                 std::span<uint8_t> destination, size_t block_length,
                                 ConfirmSource confirm, Wait wait) {
  if (block_length == 0 || destination.size() % block_length != 0) {
    Fail(kBlockSizeWrong);
    return false;
  }
  if (!Command(address, code, kBlockCommandFailed)) return false;
  const size_t count = destination.size() / block_length;
  for (size_t i = 0; i < count; ++i) {
    if (!exchange_.ReceiveBlock(destination.data() + i * block_length, block_length,
                                Progress{true, i, count}, confirm, wait)) {
      Fail(kBlockRecordFailed);
      return false;
    }
  }
  return true;
}

bool Transactions::SendBlocks(const Address& address, uint8_t code, std::span<const uint8_t> source,
                              size_t block_length, ConfirmSource expected, Wait wait) {
  if (block_length == 0 || source.size() % block_length != 0) {
    Fail(kBlockSizeWrong);
    return false;
  }
  if (!Command(address, code, kBlockCommandFailed)) return false;
  const size_t count = source.size() / block_length;
  for (size_t i = 0; i < count; ++i) {
    if (!exchange_.SendBlock(source.data() + i * block_length, block_length,
                             Progress{true, i, count}, expected, wait)) {
      Fail(kBlockRecordFailed);
      return false;
    }
  }
  return true;
}

bool Transactions::ExchangeBlock(const Address& address, uint8_t code,
                                 std::span<const uint8_t> number, std::span<uint8_t> destination,
                                 ConfirmSource confirm) {
  if (number.size() != 2 || destination.size() != 26) {
    Fail(kBlockSizeWrong);
    return false;
  }
  if (!Command(address, code, kBlockCommandFailed)) return false;
  if (!exchange_.SendBlock(number.data(), number.size(), Progress{}, confirm, CommandWait(code)) ||
      !exchange_.ReceiveBlock(destination.data(), destination.size(), Progress{}, confirm,
                              kBlockWait)) {
    Fail(kBlockRecordFailed);
    return false;
  }
  return true;
}

}  // namespace telvane
