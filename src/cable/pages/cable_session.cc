#include "cable/pages/cable_session.h"

namespace telvane {

Link* LinkOf(PageContext& context) { return dynamic_cast<Link*>(&context.link.exchange()); }

CableSession::CableSession(PageContext& context) : initial_(&context.link.initial()) {
  ByteChannel* channel = context.link.session_channel();
  if (channel == nullptr || !IsBinaryInstrument(context.link.info().kind)) return;
  transfer_.emplace(*channel, context.screen, context.link.info());
}

void ShowNoSession(Screen& screen) {
  screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка передачи информации");
}

}  // namespace telvane
