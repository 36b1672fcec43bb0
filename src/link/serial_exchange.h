// The exchange operations over the session serial port: every byte is written
// and read singly, a read that moves no byte is a time-out, and the time-out of
// one wait is the port's read time-out constant (5000 ms), not the Wait given.
#ifndef TELVANE_LINK_SERIAL_EXCHANGE_H_
#define TELVANE_LINK_SERIAL_EXCHANGE_H_

#include <memory>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "link/exchange.h"
#include "link/instrument_info.h"
#include "link/serial_port.h"

namespace telvane {

// The read time-out constant of every transfer.
inline constexpr int kTransferTimeoutMs = 5000;
// Failed attempts of a received record before the person is asked whether to
// go on.
inline constexpr int kReceiveAttempts = 5;

class SerialExchange : public Exchange {
 public:
  // `info` is the descriptor that Disconnect clears.
  SerialExchange(ByteChannel& channel, Screen& screen, InstrumentInfo& info)
      : channel_(channel), screen_(screen), info_(info) {}
  // On a serial port, through its own SerialChannel.
  SerialExchange(SerialPort& port, Screen& screen, InstrumentInfo& info);
  ~SerialExchange() override;

  // Purges the port, sets the buffers and the 5000 ms time-out, then sends the
  // command frame and checks its confirmation.
  bool SendCommand(const Address& address, uint8_t code, Wait wait) override;
  // Receives into a scratch buffer and copies to `destination` only after the
  // sum checked out; a failed attempt is answered with 0 and received again.
  // The address of the received record is not compared.
  bool ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                     ConfirmSource confirm, Progress progress, Wait wait) override;
  // No resend on this link: a confirmation other than `expected` fails.
  bool SendRecord(const Address& address, const uint8_t* data, size_t length, uint8_t expected,
                  Progress progress, Wait wait) override;
  bool ReceiveBlock(uint8_t* destination, size_t length, Progress progress, ConfirmSource confirm,
                    Wait wait) override;
  bool SendBlock(const uint8_t* data, size_t length, Progress progress, ConfirmSource expected,
                 Wait wait) override;
  // Command 0xFF. When all 9 reply bytes arrived, even with a wrong sum or
  // confirmation, the kind, serial number and name are cleared; after a
  // time-out they are kept.
  bool Disconnect() override;

  // The read time-out constant of a transaction; kTransferTimeoutMs unless a
  // test shortens it.
  void set_timeout_ms(int milliseconds) { timeout_ms_ = milliseconds; }

 private:
  bool Prepare(const char* failure_text, const char* failure_caption);
  bool Command(const Address& address, uint8_t code, bool* reply_complete);
  // After the fifth failed attempt in a row of a received record: whether
  // the person wants five more.
  bool AskRetry();

  std::unique_ptr<ByteChannel> own_channel_;
  ByteChannel& channel_;
  Screen& screen_;
  InstrumentInfo& info_;
  int timeout_ms_ = kTransferTimeoutMs;
};

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_EXCHANGE_H_
