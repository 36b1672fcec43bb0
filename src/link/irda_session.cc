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

IrdaSession& InstallIrda(Link& link, std::unique_ptr<IrdaStack> stack) {
  auto session = std::make_unique<IrdaSession>(link, std::move(stack));
  IrdaSession& installed = *session;
  link.AttachIrda(std::move(session));
  link.SetIrdaStartup([&installed](Link&) { return installed.StartupAttempt(); });
  return installed;
}

}  // namespace telvane
