// One byte transport under the exchange operations: bounded waits, writes and
// reads of up to a given count, purge and the read time-out. The serial port
// (one byte per call, each read bounded by the port's read time-out) and the
// IrDA socket (bounded waits, pieces) both implement it; what differs in how
// the exchange uses them is an ExchangePolicy.
#ifndef TELVANE_LINK_BYTE_TRANSPORT_H_
#define TELVANE_LINK_BYTE_TRANSPORT_H_

#include <cstddef>
#include <cstdint>

#include "link/exchange.h"

namespace telvane {

class ByteTransport {
 public:
  enum class Io {
    kOk,       // at least one byte moved
    kTimeout,  // no byte within the read time-out
    kClosed,   // the other side closed the connection
    kFailed,   // the call failed; last_error() tells why
  };

  virtual ~ByteTransport() = default;

  // Discards what is queued in both directions and restores the queue sizes
  // the exchange works with.
  virtual bool Purge() = 0;
  // Bounds every later read by `milliseconds` with no byte.
  virtual bool SetReadTimeout(int milliseconds) = 0;
  // Waits at most `wait` until bytes can be read or written. False on a
  // time-out or an error (an error is shown by the transport).
  virtual bool WaitReadable(Wait wait) = 0;
  virtual bool WaitWritable(Wait wait) = 0;
  // Writes up to `length` bytes; `moved` receives how many went.
  virtual Io Write(const uint8_t* data, size_t length, size_t& moved) = 0;
  // Reads up to `length` bytes; `moved` receives how many came.
  virtual Io Read(uint8_t* data, size_t length, size_t& moved) = 0;
  // The error number of the last failed call, 0 when there is none.
  virtual int last_error() const = 0;
  // Ends the connection (the session's end); a port stays open.
  virtual void Close() {}
};

}  // namespace telvane

#endif  // TELVANE_LINK_BYTE_TRANSPORT_H_
