// The command and record exchange that every instrument page uses.
//
// A transfer is a transaction: SendCommand, then the records or raw blocks
// that the command implies, each confirmed. Pages call only these operations;
// which link carries them (IrDA socket or serial port) is decided by the link
// itself. Every operation reports its own faults through the Screen before it
// returns false, and a receive writes its destination only after the record
// was checked and confirmed.
#ifndef TELVANE_LINK_EXCHANGE_H_
#define TELVANE_LINK_EXCHANGE_H_

#include <cstddef>
#include <cstdint>

#include "link/instrument_info.h"

namespace telvane {

// The time-out of one wait on the socket. The serial link waits by its read
// time-out constant instead.
struct Wait {
  long seconds = 0;
  long microseconds = 0;
};

// Where the byte that closes an exchange comes from: with the top bit clear the
// low byte is the value itself; with the top bit set the other 31 bits index a
// byte of the data.
class ConfirmSource {
 public:
  static constexpr ConfirmSource Value(uint8_t value) { return ConfirmSource(value); }
  static constexpr ConfirmSource DataByte(uint32_t index) {
    return ConfirmSource(0x80000000u | (index & 0x7FFFFFFFu));
  }
  constexpr explicit ConfirmSource(uint32_t raw) : raw_(raw) {}

  constexpr uint32_t raw() const { return raw_; }
  constexpr bool indexes_data() const { return (raw_ & 0x80000000u) != 0; }
  constexpr uint32_t index() const { return raw_ & 0x7FFFFFFFu; }
  constexpr uint8_t value() const { return static_cast<uint8_t>(raw_); }

 private:
  uint32_t raw_;
};

// Progress reporting of one record or block within a series: with a count of 1
// the position is bytes done * 100 / bytes total, otherwise index * 100 / count.
struct Progress {
  bool shown = false;
  size_t index = 0;
  size_t count = 1;
};

class Exchange {
 public:
  virtual ~Exchange() = default;

  // Sends the 9-byte command frame; true when the confirmation matched.
  virtual bool SendCommand(const Address& address, uint8_t code, Wait wait) = 0;
  // Receives one addressed record of `length` data bytes into `destination`.
  virtual bool ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                             ConfirmSource confirm, Progress progress, Wait wait) = 0;
  // Sends one addressed record; true when the instrument confirmed with
  // `expected`.
  virtual bool SendRecord(const Address& address, const uint8_t* data, size_t length,
                          uint8_t expected, Progress progress, Wait wait) = 0;
  // Receives `length` raw bytes, then sends one confirmation byte.
  virtual bool ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                            ConfirmSource confirm, Wait wait) = 0;
  // Sends `length` raw bytes; true when the one confirmation byte matched.
  virtual bool SendBlock(const uint8_t* data, size_t length, Progress progress,
                         ConfirmSource expected, Wait wait) = 0;
  // Ends the session with command 0xFF.
  virtual bool Disconnect() = 0;
};

}  // namespace telvane

#endif  // TELVANE_LINK_EXCHANGE_H_
