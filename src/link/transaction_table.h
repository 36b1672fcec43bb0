// The transactions of the main window's exchange table, one row per command
// code: what follows the command, its time-outs, fixed record lengths and
// confirmations, and the message a failure shows. Transactions runs a code by
// its row, so a page names the code and never the waits or the messages.
#ifndef TELVANE_LINK_TRANSACTION_TABLE_H_
#define TELVANE_LINK_TRANSACTION_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "link/exchange.h"

namespace telvane {

enum class TransactionShape {
  kReceiveSeries,    // ReceiveRecord series
  kSendSeries,       // SendRecord series
  kReceiveByNumber,  // SendRecord (a number), then ReceiveRecord
  kSendByNumber,     // SendRecord (a number), then SendRecord
  kReceiveBlocks,    // ReceiveBlock series
  kSendBlocks,       // SendBlock series
  kExchangeBlock,    // SendBlock (a 2-byte record number), then ReceiveBlock
  kDisconnect,       // the command alone: the end of the session
};

inline constexpr Wait kCableRecordWait{30, 0};   // 380- and 496-byte cable records
inline constexpr Wait kReflectogramWait{10, 0};  // reflectogram numbers and records
inline constexpr Wait kRecordWait{5, 0};         // every other record
inline constexpr Wait kBlockWait{60, 0};         // received blocks
inline constexpr Wait kLongBlockWait{1800, 0};   // the 2048-byte block of 0x24

struct TransactionRow {
  uint8_t code = 0;
  TransactionShape shape = TransactionShape::kReceiveSeries;
  Wait command_wait;
  // The wait of each record or block after the command (a sent block: of
  // each piece and of its confirmation).
  Wait record_wait = kRecordWait;
  // The length of each record or block when the table fixes it; 0: the
  // caller's.
  size_t record_length = 0;
  // The number sent by a by-number transaction is a reflectogram number.
  bool reflectogram = false;
  // The confirmation of each block (block transactions).
  std::optional<ConfirmSource> block_confirm;
  // Shown when the records or blocks fail, in place of the shape's message;
  // nullptr: the shape's message.
  const char* failure = nullptr;
  // The transaction that follows on success (0x50 is followed by 0x53).
  std::optional<uint8_t> then;
};

// The row of `code`; nullptr for a code not in the table.
const TransactionRow* FindTransaction(uint8_t code);
// Every row, in the order of the table.
std::span<const TransactionRow> TransactionTable();

// The time-out of the command of `code`; 11 s for a code not in the table.
Wait CommandWait(uint8_t code);

}  // namespace telvane

#endif  // TELVANE_LINK_TRANSACTION_TABLE_H_
