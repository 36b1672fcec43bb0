// The frames of the binary protocol, built and checked without any I/O.
//
//   command               address(7) code sum
//   command confirmation  address(7) ~code sum
//   addressed record      address(7) [number] data(n) sum
//   record confirmation   address(7) byte sum      (byte 0: send it again)
//   raw block             data(n), answered by one confirmation byte
//
// The address is the instrument's kind and its 6 serial-number bytes; every
// sum is the 8-bit sum of all bytes before it. The checkers return what is
// wrong with a frame as a FrameStatus; the links and transfers built on them
// decide what each status shows (frame_messages.h).
#ifndef TELVANE_LINK_FRAME_CODEC_H_
#define TELVANE_LINK_FRAME_CODEC_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/exchange.h"
#include "link/instrument_info.h"

namespace telvane {

using Frame9 = std::array<uint8_t, 9>;

// The length of a frame of `data_length` data bytes with the address, the
// optional record-number byte and the sum.
inline constexpr size_t RecordFrameLength(size_t data_length, bool numbered) {
  return 7 + (numbered ? 1 : 0) + data_length + 1;
}

enum class FrameStatus {
  kOk,
  kWriteFailed,    // a write failed
  kReadFailed,     // a read failed
  kTimeout,        // no byte came
  kSumTimeout,     // the sum byte of a reply did not come
  kNumberTimeout,  // the record-number byte of a numbered record did not come
  kBadLength,      // a reply of the wrong length
  kBadSum,         // the frame's sum does not match
  kBadEcho,        // a confirmation's address or code differs from the frame it confirms
  kBadKind,        // a record addressed to another kind
  kBadSerial,      // a record addressed to another serial number
  kBadConfirm,     // the confirmation byte is not the one expected
  kResend,         // the receiver answered 0: send the record again
};

// --- Builders -------------------------------------------------------------

// address, code, sum.
Frame9 CommandFrame(const Address& address, uint8_t code);
// address, confirmation byte, sum (a command confirmation carries the
// complement of the code, a record confirmation the ConfirmCode or 0).
Frame9 ConfirmationFrame(const Address& address, uint8_t byte);
// address, [number], data, sum.
std::vector<uint8_t> RecordFrame(const Address& address, std::optional<uint8_t> number,
                                 std::span<const uint8_t> data);

// The byte a record receiver answers with: the complement of the value, or of
// the indexed data byte.
uint8_t RecordConfirmByte(ConfirmSource source, std::span<const uint8_t> data);
// The byte that confirms a raw block: the value itself, or the complement of
// the indexed data byte.
uint8_t BlockConfirmByte(ConfirmSource source, std::span<const uint8_t> data);
// False when the source indexes a byte the data do not have.
bool ConfirmSourceFits(ConfirmSource source, size_t length);

// --- Checkers -------------------------------------------------------------

// The 9-byte answer to a frame that ended in `code` (a command, a record
// number, a numbered record's header): the sum, then the address and the
// complement of the code.
FrameStatus CheckCommandReply(std::span<const uint8_t> reply, const Address& address, uint8_t code);

// How a record confirmation is judged.
struct RecordConfirmRules {
  bool compare_address = true;    // a foreign address is kBadEcho
  bool zero_asks_resend = false;  // 0 is kResend (IrDA) rather than a wrong byte
};
// The 9-byte record confirmation: sum, address, then the confirmation byte.
FrameStatus CheckRecordConfirmation(std::span<const uint8_t> reply, const Address& address,
                                    uint8_t expected, RecordConfirmRules rules = {});

// An addressed record as it arrived (address, [number], data, sum): the sum,
// then, when `compare_address`, the kind and the serial number.
FrameStatus CheckRecord(std::span<const uint8_t> frame, const Address& address,
                        bool compare_address = true);

// The raw block confirmation byte.
FrameStatus CheckBlockConfirmation(std::span<const uint8_t> reply, uint8_t expected);

}  // namespace telvane

#endif  // TELVANE_LINK_FRAME_CODEC_H_
