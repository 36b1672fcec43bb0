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

void Transactions::Fail(const char* text) { screen_.ShowMessage(Icon::kError, "Ошибка", text); }

bool Transactions::Command(const Address& address, uint8_t code, const char* failure) {
  if (exchange_.SendCommand(address, code, CommandWait(code))) return true;
  Fail(failure);
  return false;
}

bool Transactions::Receive(const Address& address, uint8_t code, std::span<uint8_t> destination,
                           const RecordSeries& series) {
  return ReceiveRecords(address, code, destination, series, "Ошибка при приеме записи");
}

bool Transactions::ReceiveRecords(const Address& address, uint8_t code,
                                  std::span<uint8_t> destination, const RecordSeries& series,
                                  const char* failure) {
  if (series.record_length == 0 || destination.size() / series.record_length < series.count) {
    return false;
  }
  if (!Command(address, code, kCommandFailed)) return false;
  for (size_t i = 0; i < series.count; ++i) {
    uint8_t* slot = destination.data() + i * series.record_length;
    if (!exchange_.ReceiveRecord(address, slot, series.record_length, SeriesSource(series, i),
                                 SeriesProgress(series, i), series.wait)) {
      Fail(failure);
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
  return ReceiveBlocksFailing(address, code, destination, block_length, confirm, wait,
                              kBlockRecordFailed);
}

bool Transactions::ReceiveBlocksFailing(const Address& address, uint8_t code,
                                        std::span<uint8_t> destination, size_t block_length,
                                        ConfirmSource confirm, Wait wait, const char* failure) {
  if (block_length == 0 || destination.size() % block_length != 0) {
    Fail(kBlockSizeWrong);
    return false;
  }
  if (!Command(address, code, kBlockCommandFailed)) return false;
  const size_t count = destination.size() / block_length;
  for (size_t i = 0; i < count; ++i) {
    if (!exchange_.ReceiveBlock(destination.data() + i * block_length, block_length,
                                Progress{true, i, count}, confirm, wait)) {
      Fail(failure);
      return false;
    }
  }
  return true;
}

bool Transactions::SendBlocks(const Address& address, uint8_t code, std::span<const uint8_t> source,
                              size_t block_length, ConfirmSource expected, Wait wait) {
  return SendBlocksFailing(address, code, source, block_length, expected, wait, kBlockRecordFailed);
}

bool Transactions::SendBlocksFailing(const Address& address, uint8_t code,
                                     std::span<const uint8_t> source, size_t block_length,
                                     ConfirmSource expected, Wait wait, const char* failure) {
  if (block_length == 0 || source.size() % block_length != 0) {
    Fail(kBlockSizeWrong);
    return false;
  }
  if (!Command(address, code, kBlockCommandFailed)) return false;
  const size_t count = source.size() / block_length;
  for (size_t i = 0; i < count; ++i) {
    if (!exchange_.SendBlock(source.data() + i * block_length, block_length,
                             Progress{true, i, count}, expected, wait)) {
      Fail(failure);
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

const TransactionRow* Transactions::Row(uint8_t code, TransactionShape shape) {
  const TransactionRow* row = FindTransaction(code);
  return row != nullptr && row->shape == shape ? row : nullptr;
}

namespace {

// The record length of `count` records filling `size` bytes, as the row
// allows it; 0 when they do not fit.
size_t EvenLength(const TransactionRow& row, size_t size, size_t count) {
  if (count == 0 || size % count != 0) return 0;
  const size_t length = size / count;
  return row.record_length == 0 || row.record_length == length ? length : 0;
}

// The wait of one record: the cable records of 380 and 496 bytes wait 30 s.
Wait RecordWait(const TransactionRow& row, size_t length) {
  if (length == 380 || length == 496) return kCableRecordWait;
  return row.record_wait;
}

}  // namespace

bool Transactions::ReceiveSeries(const Address& address, uint8_t code,
                                 std::span<uint8_t> destination, size_t count) {
  const TransactionRow* row = Row(code, TransactionShape::kReceiveSeries);
  if (row == nullptr) return false;
  const size_t length = EvenLength(*row, destination.size(), count);
  if (length == 0) return false;
  RecordSeries series;
  series.record_length = length;
  series.count = count;
  series.wait = RecordWait(*row, length);
  return ReceiveRecords(address, code, destination, series,
                        row->failure != nullptr ? row->failure : "Ошибка при приеме записи");
}

bool Transactions::ReadDatabase(const Address& address, std::span<uint8_t> records, size_t count,
                                std::span<uint8_t> more, size_t more_count) {
  const TransactionRow* row = Row(0x50, TransactionShape::kReceiveSeries);
  if (row == nullptr || !row->then || EvenLength(*row, records.size(), count) == 0 ||
      EvenLength(*FindTransaction(*row->then), more.size(), more_count) == 0) {
    return false;
  }
  return ReceiveSeries(address, row->code, records, count) &&
         ReceiveSeries(address, *row->then, more, more_count);
}

bool Transactions::SendSeries(const Address& address, uint8_t code, std::span<const uint8_t> source,
                              size_t count) {
  const TransactionRow* row = Row(code, TransactionShape::kSendSeries);
  if (row == nullptr) return false;
  const size_t length = EvenLength(*row, source.size(), count);
  if (length == 0) return false;
  RecordSeries series;
  series.record_length = length;
  series.count = count;
  series.wait = RecordWait(*row, length);
  return Send(address, code, source, series);
}

bool Transactions::ReceiveNumbered(const Address& address, uint8_t code,
                                   std::span<const uint8_t> number,
                                   std::span<uint8_t> destination) {
  const TransactionRow* row = Row(code, TransactionShape::kReceiveByNumber);
  if (row == nullptr || destination.empty()) return false;
  return ReceiveByNumber(address, code, number, row->reflectogram, destination,
                         RecordWait(*row, destination.size()));
}

bool Transactions::SendNumbered(const Address& address, uint8_t code,
                                std::span<const uint8_t> number, std::span<const uint8_t> source) {
  const TransactionRow* row = Row(code, TransactionShape::kSendByNumber);
  if (row == nullptr || number.empty() || source.empty()) return false;
  return SendByNumber(address, code, number, source, Complement(number[0]),
                      RecordWait(*row, source.size()));
}

bool Transactions::ReceiveBlockSeries(const Address& address, uint8_t code,
                                      std::span<uint8_t> destination, size_t block_length,
                                      std::optional<ConfirmSource> confirm) {
  const TransactionRow* row = Row(code, TransactionShape::kReceiveBlocks);
  if (row == nullptr) return false;
  const size_t length = row->record_length != 0 ? row->record_length : block_length;
  const std::optional<ConfirmSource> source = row->block_confirm ? row->block_confirm : confirm;
  if (!source) return false;
  return ReceiveBlocksFailing(address, code, destination, length, *source, row->record_wait,
                              row->failure != nullptr ? row->failure : kBlockRecordFailed);
}

bool Transactions::SendBlockSeries(const Address& address, uint8_t code,
                                   std::span<const uint8_t> source, size_t block_length,
                                   std::optional<ConfirmSource> confirm) {
  const TransactionRow* row = Row(code, TransactionShape::kSendBlocks);
  if (row == nullptr) return false;
  const size_t length = row->record_length != 0 ? row->record_length : block_length;
  const std::optional<ConfirmSource> expected = row->block_confirm ? row->block_confirm : confirm;
  if (!expected) return false;
  return SendBlocksFailing(address, code, source, length, *expected, row->record_wait,
                           row->failure != nullptr ? row->failure : kBlockRecordFailed);
}

bool Transactions::ExchangeRecordBlock(const Address& address, uint8_t code,
                                       std::span<const uint8_t> number,
                                       std::span<uint8_t> destination, ConfirmSource confirm) {
  if (Row(code, TransactionShape::kExchangeBlock) == nullptr) return false;
  return ExchangeBlock(address, code, number, destination, confirm);
}

}  // namespace telvane
