#include "link/transaction_table.h"

#include <array>

namespace telvane {
namespace {

using S = TransactionShape;

constexpr Wait kRead{11, 0};
constexpr Wait kWrite{10, 0};
constexpr Wait kBlocks{45, 0};

constexpr TransactionRow Row(uint8_t code, S shape, Wait command) {
  TransactionRow row;
  row.code = code;
  row.shape = shape;
  row.command_wait = command;
  return row;
}

constexpr TransactionRow WithRecords(TransactionRow row, size_t length, Wait wait) {
  row.record_length = length;
  row.record_wait = wait;
  return row;
}

constexpr TransactionRow Reflectogram(TransactionRow row) {
  row.reflectogram = true;
  row.record_wait = kReflectogramWait;
  return row;
}

constexpr TransactionRow Blocks(TransactionRow row, size_t length, Wait wait,
                                std::optional<ConfirmSource> confirm) {
  row.record_length = length;
  row.record_wait = wait;
  row.block_confirm = confirm;
  return row;
}

constexpr TransactionRow Failing(TransactionRow row, const char* failure) {
  row.failure = failure;
  return row;
}

constexpr TransactionRow Then(TransactionRow row, uint8_t next) {
  row.then = next;
  return row;
}

const std::array kTable = {
    Then(Row(0x50, S::kReceiveSeries, kRead), 0x53),
    Row(0x53, S::kReceiveSeries, kRead),
    WithRecords(Row(0x51, S::kSendSeries, kWrite), 380, kCableRecordWait),
    WithRecords(Row(0x52, S::kSendSeries, kWrite), 380, kCableRecordWait),
    Row(0x54, S::kReceiveByNumber, kRead),
    Row(0x55, S::kReceiveSeries, kRead),
    Reflectogram(Row(0x57, S::kReceiveByNumber, kRead)),
    Reflectogram(Row(0x58, S::kSendByNumber, kRead)),
    Row(0x60, S::kReceiveSeries, kRead),
    Row(0x63, S::kReceiveSeries, kRead),
    Row(0x65, S::kReceiveSeries, kRead),
    Row(0x64, S::kReceiveByNumber, kRead),
    WithRecords(Row(0x61, S::kSendSeries, kWrite), 496, kCableRecordWait),
    Row(0x62, S::kSendSeries, kWrite),
    Row(0x6A, S::kSendSeries, kWrite),
    Reflectogram(Row(0x67, S::kReceiveByNumber, kRead)),
    Reflectogram(Row(0x68, S::kSendByNumber, kRead)),
    Failing(Row(0x69, S::kReceiveSeries, kRead), "Невозможно принять плановые измерения!"),
    Row(0x00, S::kReceiveSeries, kRead),
    Row(0x01, S::kReceiveSeries, kRead),
    Row(0x03, S::kReceiveSeries, kRead),
    Reflectogram(Row(0x05, S::kReceiveByNumber, kRead)),
    Row(0x02, S::kSendSeries, kWrite),
    Row(0x04, S::kSendSeries, kWrite),
    Row(0x06, S::kSendSeries, kWrite),
    Blocks(Row(0x23, S::kReceiveBlocks, kBlocks), 64, kBlockWait, ConfirmSource::Value(1)),
    Failing(
        Blocks(Row(0x24, S::kSendBlocks, {360, 0}), 2048, kLongBlockWait, ConfirmSource::Value(1)),
        "Проверка записи!"),
    Blocks(Row(0x30, S::kReceiveBlocks, kBlocks), 0, kBlockWait, std::nullopt),
    Blocks(Row(0x33, S::kReceiveBlocks, kBlocks), 0, kBlockWait, std::nullopt),
    Blocks(Row(0x34, S::kExchangeBlock, kBlocks), 26, kBlockWait, std::nullopt),
    Blocks(Row(0x35, S::kExchangeBlock, kBlocks), 26, kBlockWait, std::nullopt),
    Failing(Blocks(Row(0x31, S::kSendBlocks, kBlocks), 0, kBlocks, std::nullopt),
            "Ошибка передачи инфозаписи"),
    Blocks(Row(0x37, S::kSendBlocks, kBlocks), 0, kBlocks, std::nullopt),
    Row(0xFF, S::kDisconnect, {5, 0}),
};

}  // namespace

const TransactionRow* FindTransaction(uint8_t code) {
  for (const TransactionRow& row : kTable) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

std::span<const TransactionRow> TransactionTable() { return kTable; }

Wait CommandWait(uint8_t code) {
  const TransactionRow* row = FindTransaction(code);
  return row != nullptr ? row->command_wait : kRead;
}

}  // namespace telvane
