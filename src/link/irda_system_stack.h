// The operating system's IrDA sockets. Linux has none, so the library never
// starts and the link falls back to the serial search without a message.
#ifndef TELVANE_LINK_IRDA_SYSTEM_STACK_H_
#define TELVANE_LINK_IRDA_SYSTEM_STACK_H_

#include "link/irda_stack.h"

namespace telvane {

class SystemIrdaStack : public IrdaStack {
 public:
  bool Startup(uint16_t version, uint16_t& granted) override;
  void Cleanup() override {}
  Socket OpenSocket(int family, int type, int protocol) override;
  bool EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) override;
  bool Connect(Socket socket, const IrdaAddress& address) override;
  long Send(Socket socket, const uint8_t* data, size_t length) override;
  long Receive(Socket socket, uint8_t* data, size_t length) override;
  int Select(Socket socket, WaitMode mode, Wait wait) override;
  void Close(Socket socket) override {}
  int LastError() override { return last_error_; }

 private:
  int last_error_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_SYSTEM_STACK_H_
