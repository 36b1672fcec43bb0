#include "support/peer_link.h"

namespace telvane::testing {

PeerLink::PeerLink(ScriptedPeer& peer, uint8_t kind, const char* serial) : peer_(peer) {
  info_.kind = kind;
  info_.SetSerial(reinterpret_cast<const uint8_t*>(serial));
  info_.session = true;
}

void PeerLink::SetSearchTransfer(uint8_t kind, SearchTransfer transfer) {
  if (transfer) {
    search_transfers_[kind] = std::move(transfer);
  } else {
    search_transfers_.erase(kind);
  }
}

bool PeerLink::RunSearchTransfer(uint8_t kind) {
  auto it = search_transfers_.find(kind);
  return it != search_transfers_.end() && it->second(peer_);
}

}  // namespace telvane::testing
