// The transactions that the application object offers the pages: a command
// with its time-out, then the records or raw blocks it implies, in order.
// Each reports a failed step with the transaction's own message (caption
// "Ошибка") after the exchange operation reported its detail, and returns
// false; a receive writes its destination record by record, each only after
// that record was checked and confirmed.
//
// Record confirmations follow the pages' rule: record i of a series is
// answered (or expected) with the complement of i's low byte, unless the
// caller passes its own ConfirmSource.
#ifndef TELVANE_LINK_TRANSACTIONS_H_
#define TELVANE_LINK_TRANSACTIONS_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "link/exchange.h"
#include "link/instrument_info.h"
#include "link/transaction_table.h"

namespace telvane {

class Screen;

// The confirmation of record i of a series; nullopt: the complement of i.
using SeriesConfirm = std::function<ConfirmSource(size_t index)>;

struct RecordSeries {
  size_t record_length = 0;
  size_t count = 1;
  Wait wait = kRecordWait;
  bool progress = true;
  SeriesConfirm confirm;  // empty: ConfirmSource::Value(index)
};

class Transactions {
 public:
  Transactions(Exchange& exchange, Screen& screen) : exchange_(exchange), screen_(screen) {}

  // --- Every code of the exchange table, by its row (transaction_table.h) ---
  // Each takes the waits, fixed lengths, confirmations and messages from the
  // row of `code` and refuses, sending nothing, a code whose row has another
  // shape or data whose size does not fit the row.

  // Receive series (0x53, 0x55, 0x60, 0x63, 0x65, 0x69, 0, 1, 3): `count`
  // records filling `destination` evenly.
  bool ReceiveSeries(const Address& address, uint8_t code, std::span<uint8_t> destination,
                     size_t count);
  // 0x50: its series, then the 0x53 transaction's series.
  bool ReadDatabase(const Address& address, std::span<uint8_t> records, size_t count,
                    std::span<uint8_t> more, size_t more_count);
  // Send series (0x51, 0x52, 0x61, 0x62, 0x6A, 2, 4, 6): `count` records
  // taken evenly from `source`.
  bool SendSeries(const Address& address, uint8_t code, std::span<const uint8_t> source,
                  size_t count);
  // 0x54, 0x64 (a record number), 0x57, 0x67, 5 (a reflectogram number): the
  // number record, then one received record.
  bool ReceiveNumbered(const Address& address, uint8_t code, std::span<const uint8_t> number,
                       std::span<uint8_t> destination);
  // 0x58, 0x68: the reflectogram number, then one sent record, expected to be
  // confirmed with the complement of the number's first byte.
  bool SendNumbered(const Address& address, uint8_t code, std::span<const uint8_t> number,
                    std::span<const uint8_t> source);
  // 0x23, 0x30, 0x33: received blocks; `block_length` and `confirm` only where
  // the row does not fix them.
  bool ReceiveBlockSeries(const Address& address, uint8_t code, std::span<uint8_t> destination,
                          size_t block_length = 0,
                          std::optional<ConfirmSource> confirm = std::nullopt);
  // 0x24, 0x31, 0x37: sent blocks, likewise.
  bool SendBlockSeries(const Address& address, uint8_t code, std::span<const uint8_t> source,
                       size_t block_length = 0,
                       std::optional<ConfirmSource> confirm = std::nullopt);
  // 0x34, 0x35: the 2-byte record number, then one 26-byte block.
  bool ExchangeRecordBlock(const Address& address, uint8_t code, std::span<const uint8_t> number,
                           std::span<uint8_t> destination, ConfirmSource confirm);
  // 0xFF: the end of the session.
  bool EndSession() { return exchange_.Disconnect(); }

  // --- The same operations with the caller's waits and lengths -------------

  // code, then `series.count` received records into `destination` (which must
  // hold count * record_length bytes, else nothing is sent).
  // 0x53, 0x55, 0x60, 0x63, 0x65, 0x69, 0, 1, 3 and the record part of 0x50.
  bool Receive(const Address& address, uint8_t code, std::span<uint8_t> destination,
               const RecordSeries& series);
  // code, then `series.count` sent records; record i is expected to be
  // confirmed with the complement of its index (or series.confirm(i).value()).
  // 0x51, 0x52, 0x61, 0x62, 0x6A, 2, 4, 6.
  bool Send(const Address& address, uint8_t code, std::span<const uint8_t> source,
            const RecordSeries& series);
  // code, the 3-byte number record (expected: the complement of its first
  // byte), then one received record. 0x54, 0x64 (record number), 0x57, 0x67,
  // 5 (reflectogram number).
  bool ReceiveByNumber(const Address& address, uint8_t code, std::span<const uint8_t> number,
                       bool reflectogram, std::span<uint8_t> destination, Wait record_wait);
  // code, the 3-byte reflectogram number, then one sent record. 0x58, 0x68.
  bool SendByNumber(const Address& address, uint8_t code, std::span<const uint8_t> number,
                    std::span<const uint8_t> source, uint8_t expected, Wait record_wait);

  // Block transactions (0x23 to 0x37): "Error cmd", "Error rec",
  // "Некорректная передача данных".
  // code, then received blocks of `block_length` into `destination`, each
  // confirmed with `confirm`. 0x23 (64 bytes, value 1), 0x30, 0x33.
  bool ReceiveBlocks(const Address& address, uint8_t code, std::span<uint8_t> destination,
                     size_t block_length, ConfirmSource confirm, Wait wait);
  // code, then the blocks of `source`, each expected with `expected`.
  // 0x24 (2048 bytes, value 1), 0x31, 0x37.
  bool SendBlocks(const Address& address, uint8_t code, std::span<const uint8_t> source,
                  size_t block_length, ConfirmSource expected, Wait wait);
  // code, the 2-byte record number block, then one received 26-byte block.
  // 0x34, 0x35.
  bool ExchangeBlock(const Address& address, uint8_t code, std::span<const uint8_t> number,
                     std::span<uint8_t> destination, ConfirmSource confirm);

 private:
  // The row of `code` when it has `shape`.
  static const TransactionRow* Row(uint8_t code, TransactionShape shape);
  bool ReceiveRecords(const Address& address, uint8_t code, std::span<uint8_t> destination,
                      const RecordSeries& series, const char* failure);
  bool ReceiveBlocksFailing(const Address& address, uint8_t code, std::span<uint8_t> destination,
                            size_t block_length, ConfirmSource confirm, Wait wait,
                            const char* failure);
  bool SendBlocksFailing(const Address& address, uint8_t code, std::span<const uint8_t> source,
                         size_t block_length, ConfirmSource expected, Wait wait,
                         const char* failure);
  bool Command(const Address& address, uint8_t code, const char* failure);
  void Fail(const char* text);

  Exchange& exchange_;
  Screen& screen_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_TRANSACTIONS_H_
