// The frames of the binary protocol as they travel over the serial port, one
// byte per read and write: command frames and their confirmations, addressed
// records and record confirmations.
//
// Every frame begins with the instrument address (kind, 6 serial-number bytes)
// and ends with the 8-bit sum of all bytes before it; the receiver confirms
// with the address, the complement of the code (or a confirmation byte) and the
// sum. These routines only move and check bytes and return what went wrong;
// each operation that uses them shows its own messages.
#ifndef TELVANE_LINK_SERIAL_FRAMES_H_
#define TELVANE_LINK_SERIAL_FRAMES_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/instrument_info.h"
#include "link/serial_port.h"

namespace telvane {

using Frame9 = std::array<uint8_t, 9>;

// address, code, sum.
Frame9 CommandFrame(const Address& address, uint8_t code);
// address, confirmation byte, sum (a command confirmation carries the
// complement of the code, a record confirmation the ConfirmCode or 0).
Frame9 ConfirmationFrame(const Address& address, uint8_t byte);
// address, data, sum.
std::vector<uint8_t> AddressedRecord(const Address& address, std::span<const uint8_t> data);

enum class FrameStatus {
  kOk,
  kWriteFailed,    // a write system call failed
  kReadFailed,     // a read system call failed
  kTimeout,        // a read moved no byte
  kNumberTimeout,  // the record-number byte of a numbered record did not come
  kBadSum,         // the frame's sum did not match
  kBadEcho,        // a confirmation differs from the frame it confirms
  kBadKind,        // a record addressed to another kind
  kBadSerial,      // a record addressed to another serial number
  kBadConfirm,     // the confirmation byte is not the one expected
};

// Writes the bytes one at a time.
FrameStatus WriteBytes(SerialPort& port, std::span<const uint8_t> bytes);
// Reads `length` bytes one at a time, adding each to `sum`.
FrameStatus ReadBytes(SerialPort& port, uint8_t* out, size_t length, uint8_t& sum);

// Writes the command frame and reads its 9-byte confirmation: the sum must
// match and the reply with byte 7 complemented back must equal the frame.
// `reply_complete` tells whether all 9 reply bytes arrived.
FrameStatus SendCommandFrame(SerialPort& port, const Address& address, uint8_t code,
                             bool* reply_complete = nullptr);

// Reads an addressed record addressed to `expected`: address, then the record
// number byte when `number` is not null, then `length` data bytes into `data`,
// then the sum. Checks the sum first, then the kind, then the serial number.
FrameStatus ReadAddressedRecord(SerialPort& port, const Address& expected, uint8_t* number,
                                uint8_t* data, size_t length);

// Writes the record confirmation.
FrameStatus WriteConfirmation(SerialPort& port, const Address& address, uint8_t byte);

// Reads a 9-byte record confirmation and checks its sum, its address and its
// confirmation byte, in that order.
FrameStatus ReadConfirmation(SerialPort& port, const Address& address, uint8_t expected);

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_FRAMES_H_
