#include "cable/pages/cable_session.h"

namespace telvane {

Link* LinkOf(PageContext& context) { return dynamic_cast<Link*>(&context.link.exchange()); }

CableSession::CableSession(PageContext& context) : link_(LinkOf(context)) {
  if (link_ == nullptr || !IsBinaryInstrument(link_->info().kind) || !link_->port().is_open()) {
    return;
  }
  port_.emplace(link_->port());
  transfer_.emplace(*port_, context.screen, link_->info());
}

void ShowNoSession(Screen& screen) {
  screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка передачи информации");
}

}  // namespace telvane
