#include "support/scripted_peer.h"

#include <cstdio>
#include <cstdlib>

namespace telvane::testing {

PeerBytes PeerAddress(uint8_t kind, const char* serial) {
  PeerBytes address = {kind};
  for (int i = 0; i < 6 && serial[i] != '\0'; ++i)
    address.push_back(static_cast<uint8_t>(serial[i]));
  return address;
}

PeerBytes PeerJoin(std::initializer_list<PeerBytes> parts) {
  PeerBytes all;
  for (const PeerBytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

PeerBytes PeerFrame(std::initializer_list<PeerBytes> parts) {
  PeerBytes frame = PeerJoin(parts);
  unsigned sum = 0;
  for (uint8_t b : frame) sum += b;
  frame.push_back(static_cast<uint8_t>(sum));
  return frame;
}

ScriptedPeer& ScriptedPeer::Expect(PeerBytes request, PeerBytes reply) {
  if (request.empty()) std::abort();  // the instrument only ever answers a request
  script_.push_back({std::move(request), std::move(reply)});
  return *this;
}

bool ScriptedPeer::SetQueues(size_t, size_t) { return true; }

bool ScriptedPeer::Purge() {
  // What the instrument sent and the program did not read is discarded, as
  // the port's input queue would be.
  input_.clear();
  return true;
}

bool ScriptedPeer::SetReadTimeout(int milliseconds) {
  timeouts_.push_back(milliseconds);
  return true;
}

bool ScriptedPeer::WriteByte(uint8_t byte) {
  written_.push_back(byte);
  if (!mismatch_.empty()) return true;
  if (next_ >= script_.size()) {
    char text[96];
    std::snprintf(text, sizeof text, "byte %zu (0x%02X) written after the script ended",
                  written_.size() - 1, byte);
    mismatch_ = text;
    return true;
  }
  const Exchange& exchange = script_[next_];
  if (exchange.request[matched_] != byte) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "exchange %zu, request byte %zu: wrote 0x%02X, the script has 0x%02X", next_,
                  matched_, byte, exchange.request[matched_]);
    mismatch_ = text;
    return true;
  }
  if (++matched_ == exchange.request.size()) {
    input_.insert(input_.end(), exchange.reply.begin(), exchange.reply.end());
    ++next_;
    matched_ = 0;
  }
  return true;
}

ByteChannel::Read ScriptedPeer::ReadByte(uint8_t& byte) {
  if (!mismatch_.empty() || input_.empty()) return Read::kTimeout;
  byte = input_.front();
  input_.pop_front();
  return Read::kByte;
}

}  // namespace telvane::testing
