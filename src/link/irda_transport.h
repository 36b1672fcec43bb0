// The session's IrDA socket as a byte transport: waits bounded by the
// caller's time-out, one socket call per write or read. A socket keeps no
// queue to purge and no read time-out of its own.
#ifndef TELVANE_LINK_IRDA_TRANSPORT_H_
#define TELVANE_LINK_IRDA_TRANSPORT_H_

#include "link/byte_transport.h"
#include "link/irda_link.h"

namespace telvane {

class IrdaTransport : public ByteTransport {
 public:
  explicit IrdaTransport(IrdaLink& link) : link_(link) {}

  bool Purge() override { return true; }
  bool SetReadTimeout(int) override { return true; }
  bool WaitReadable(Wait wait) override { return link_.WaitSocket(wait, WaitMode::kReadable); }
  bool WaitWritable(Wait wait) override { return link_.WaitSocket(wait, WaitMode::kWritable); }
  Io Write(const uint8_t* data, size_t length, size_t& moved) override;
  Io Read(uint8_t* data, size_t length, size_t& moved) override;
  int last_error() const override { return link_.last_error(); }
  void Close() override { link_.CloseIrda(); }

 private:
  IrdaLink& link_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_TRANSPORT_H_
