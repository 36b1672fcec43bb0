#include "support/peer_link.h"

#include <gtest/gtest.h>

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

bool PeerLink::SendCommand(const Address&, uint8_t code, Wait) {
  ADD_FAILURE() << "the peer plays no addressed exchange (command " << int{code} << ")";
  return false;
}

bool PeerLink::ReceiveRecord(const Address&, uint8_t*, size_t, ConfirmSource, Progress, Wait) {
  ADD_FAILURE() << "the peer plays no addressed exchange";
  return false;
}

bool PeerLink::SendRecord(const Address&, const uint8_t*, size_t, uint8_t, Progress, Wait) {
  ADD_FAILURE() << "the peer plays no addressed exchange";
  return false;
}

bool PeerLink::ReceiveBlock(uint8_t*, size_t, Progress, ConfirmSource, Wait) {
  ADD_FAILURE() << "the peer plays no addressed exchange";
  return false;
}

bool PeerLink::SendBlock(const uint8_t*, size_t, Progress, ConfirmSource, Wait) {
  ADD_FAILURE() << "the peer plays no addressed exchange";
  return false;
}

bool PeerLink::Disconnect() {
  info_.ClearIdentity();
  return true;
}

}  // namespace telvane::testing
