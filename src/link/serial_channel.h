// The session serial port of the link as a byte channel.
#ifndef TELVANE_LINK_SERIAL_CHANNEL_H_
#define TELVANE_LINK_SERIAL_CHANNEL_H_

#include "link/byte_channel.h"
#include "link/serial_port.h"

namespace telvane {

class SerialChannel : public ByteChannel {
 public:
  explicit SerialChannel(SerialPort& port) : port_(port) {}

  bool SetQueues(size_t input, size_t output) override {
    return port_.SetBufferSizes(input, output);
  }
  // Discards what has arrived. Output is not discarded: the last
  // confirmation of the previous exchange may still be on its way, and
  // dropping it would leave the instrument waiting for it.
  bool Purge() override { return port_.Purge(true, false); }
  // Before a transaction too, only what has arrived is discarded: the
  // confirmation that ended the transaction before may not have left the
  // port yet (a port drains at the line's pace), and the instrument would
  // take the next command for it.
  bool PurgeAll() override { return port_.Purge(true, false); }
  bool SetEventMask() override { return port_.SetEventMaskRxChar(); }
  bool SetReadTimeout(int milliseconds) override { return port_.SetReadTimeout(milliseconds); }
  int read_timeout() const override { return port_.read_timeout(); }
  bool WriteByte(uint8_t byte) override { return port_.WriteByte(byte); }
  Read ReadByte(uint8_t& byte) override {
    switch (port_.ReadByte(byte)) {
      case ReadResult::kByte:
        return Read::kByte;
      case ReadResult::kTimeout:
        return Read::kTimeout;
      case ReadResult::kError:
        break;
    }
    return Read::kError;
  }

 private:
  SerialPort& port_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_CHANNEL_H_
