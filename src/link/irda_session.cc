#include "link/irda_session.h"

#include "link/irda_search.h"

namespace telvane {

IrdaSession::IrdaSession(Link& link, std::unique_ptr<IrdaStack> stack)
    : link_(link), socket_(std::move(stack), link.screen()), exchange_(socket_, link.info()) {}

bool IrdaSession::StartupAttempt() {
  LinkKind kind = LinkKind::kSerial;
  const bool connected = socket_.ConnectIrda(link_.info(), kind);
  link_.set_kind(kind);
  if (!connected) return false;

  uint32_t baud = link_.baud();
  link_.info() = IrdaSearch(socket_, kind, baud);
  link_.set_kind(kind);
  if (link_.info().kind == kNoInstrument) {
    socket_.CloseIrda();
  } else {
    link_.set_baud(baud);
  }
  return true;
}

namespace {

IrdaSession& Attach(Link& link, std::unique_ptr<IrdaStack> stack) {
  auto session = std::make_unique<IrdaSession>(link, std::move(stack));
  IrdaSession& attached = *session;
  link.AttachIrda(std::move(session));
  return attached;
}

}  // namespace

IrdaSession& InstallIrda(Link& link, std::unique_ptr<IrdaStack> stack) {
  IrdaSession& installed = Attach(link, std::move(stack));
  // The attempt looks the IrDA side up each time: closing the program's link
  // detaches it, and a later search attaches a fresh one.
  link.SetIrdaStartup([](Link& l) {
    auto* session = dynamic_cast<IrdaSession*>(l.irda());
    if (session == nullptr) session = &Attach(l, MakeIrdaStack());
    return session->StartupAttempt();
  });
  return installed;
}

}  // namespace telvane
