// The IrDA side of the process-wide Link: the socket with its device choice,
// the IrDA attempt of the start-up search and the socket variants of the
// exchange, which the Link uses while the session runs over IrDA.
#ifndef TELVANE_LINK_IRDA_SESSION_H_
#define TELVANE_LINK_IRDA_SESSION_H_

#include <memory>

#include "link/exchange.h"
#include "link/irda_exchange.h"
#include "link/irda_link.h"
#include "link/irda_stack.h"
#include "link/link.h"

namespace telvane {

class IrdaSession : public Exchange {
 public:
  IrdaSession(Link& link, std::unique_ptr<IrdaStack> stack);

  IrdaLink& socket() { return socket_; }

  // Connects the socket and identifies the instrument on it; the result goes
  // to the link's descriptor and link kind. False when no socket could be
  // connected; when the identification found nothing the socket is closed.
  bool StartupAttempt();

  bool SendCommand(const Address& address, uint8_t code, Wait wait) override {
    return exchange_.SendCommand(address, code, wait);
  }
  bool ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                     ConfirmSource confirm, Progress progress, Wait wait) override {
    return exchange_.ReceiveRecord(address, destination, length, confirm, progress, wait);
  }
  bool SendRecord(const Address& address, const uint8_t* data, size_t length, uint8_t expected,
                  Progress progress, Wait wait) override {
    return exchange_.SendRecord(address, data, length, expected, progress, wait);
  }
  bool ReceiveBlock(uint8_t* destination, size_t length, Progress progress, ConfirmSource confirm,
                    Wait wait) override {
    return exchange_.ReceiveBlock(destination, length, progress, confirm, wait);
  }
  bool SendBlock(const uint8_t* data, size_t length, Progress progress, ConfirmSource expected,
                 Wait wait) override {
    return exchange_.SendBlock(data, length, progress, expected, wait);
  }
  bool Disconnect() override { return exchange_.Disconnect(); }

 private:
  Link& link_;
  IrdaLink socket_;
  IrdaExchange exchange_;
};

// Attaches an IrDA side to the link (the emulated stack when TELVANE_IRDA_DIR
// is set, the system's otherwise) and installs its start-up attempt. The link
// owns it; the reference stays valid until the link detaches it (closing the
// socket), after which the next start-up attempt attaches a new one.
IrdaSession& InstallIrda(Link& link, std::unique_ptr<IrdaStack> stack = MakeIrdaStack());

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_SESSION_H_
