#include "cable/pages/cable_session.h"

namespace telvane {

CableSession::CableSession(PageContext& context) : initial_(&context.initial()) {
  ByteChannel* channel = context.session_channel();
  if (channel == nullptr || !IsBinaryInstrument(context.instrument().kind)) return;
  transfer_.emplace(*channel, context.screen, context.instrument());
}

void ShowNoSession(Screen& screen) {
  screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка передачи информации");
}

}  // namespace telvane
