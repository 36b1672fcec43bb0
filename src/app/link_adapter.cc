#include "app/link_adapter.h"

#include "link/irda_session.h"
#include "link/serial_channel.h"
#include "link/startup.h"

namespace telvane {

void LinkAdapter::SetSearchTransfer(uint8_t kind, SearchTransfer transfer) {
  if (!transfer) {
    link_.SetInitialTransfer(kind, nullptr);
    return;
  }
  link_.SetInitialTransfer(kind, [transfer = std::move(transfer)](Link&, SerialPort& port) {
    SerialChannel channel(port);
    return transfer(channel);
  });
}

void LinkAdapter::Search(Screen&) { RunStartupSearch(link_); }

bool LinkAdapter::TryTextInstrument(Screen&, const TextReceivingHook& receiving,
                                    std::vector<TextPlannedRecord>& records) {
  if (!telvane::TryTextInstrument(link_, receiving)) return false;
  records = link_.initial().text_records;
  return true;
}

void LinkAdapter::EndSession(Screen&) {
  // Disconnect goes over the link in use and clears the descriptor when the
  // instrument confirmed; its faults are shown by the link.
  link_.Disconnect();
}

void LinkAdapter::Close() {
  link_.ClosePort();
  if (auto* irda = dynamic_cast<IrdaSession*>(link_.irda())) irda->socket().CloseIrda();
}

}  // namespace telvane
