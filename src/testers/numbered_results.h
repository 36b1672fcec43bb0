// The transfers of the testers that keep numbered result records (the E1 and
// Ethernet testers): the 12-byte tester information (command 2), the number
// of the record to read next (command 0x64, four bytes, most significant
// first) and the record it selects (command 0x65).
//
// The tester confirms the number with the complement of its low byte, and
// the program confirms the record with the complement of that same byte.
#ifndef TELVANE_TESTERS_NUMBERED_RESULTS_H_
#define TELVANE_TESTERS_NUMBERED_RESULTS_H_

#include <cstdint>
#include <span>

#include "link/instrument_info.h"
#include "link/transactions.h"

namespace telvane {

inline constexpr uint8_t kTesterInfoCode = 2;
inline constexpr uint8_t kSelectRecordCode = 0x64;
inline constexpr uint8_t kReadRecordCode = 0x65;
inline constexpr size_t kTesterInfoSize = 12;

// Command 2 and its 12-byte record; false after the transaction's message.
bool ReceiveTesterInfo(Transactions& transactions, const Address& address, std::span<uint8_t> info);
// Commands 0x64 with `number` and 0x65 with one record of destination.size()
// bytes; false after the transaction's message.
bool ReceiveNumberedRecord(Transactions& transactions, const Address& address, uint32_t number,
                           std::span<uint8_t> destination);

}  // namespace telvane

#endif  // TELVANE_TESTERS_NUMBERED_RESULTS_H_
