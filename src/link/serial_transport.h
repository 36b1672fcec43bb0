// A byte channel (the session serial port) as a byte transport: every byte is
// written and read singly, a read that brings no byte within the port's read
// time-out is a time-out, and there is nothing to wait for before a read or a
// write beyond that time-out.
#ifndef TELVANE_LINK_SERIAL_TRANSPORT_H_
#define TELVANE_LINK_SERIAL_TRANSPORT_H_

#include "link/byte_channel.h"
#include "link/byte_transport.h"

namespace telvane {

class SerialTransport : public ByteTransport {
 public:
  explicit SerialTransport(ByteChannel& channel) : channel_(channel) {}

  // Purges both directions and sets 256-byte queues.
  bool Purge() override;
  bool SetReadTimeout(int milliseconds) override;
  bool WaitReadable(Wait) override { return true; }
  bool WaitWritable(Wait) override { return true; }
  Io Write(const uint8_t* data, size_t length, size_t& moved) override;
  Io Read(uint8_t* data, size_t length, size_t& moved) override;
  int last_error() const override { return 0; }

 private:
  ByteChannel& channel_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_TRANSPORT_H_
