// What the line tester's peer tests share: the frames of a receive as the
// instrument answers it.
#ifndef TELVANE_TESTS_TESTERS_LINE_LINE_PEER_H_
#define TELVANE_TESTS_TESTERS_LINE_LINE_PEER_H_

#include <cstdint>
#include <vector>

#include "support/scripted_peer.h"

namespace telvane::testing {

// `code` confirmed with its complement and the first record; each further
// record after the program's 0xFE; the last 0xFE expected.
inline void ExpectLineReceive(ScriptedPeer& peer, const PeerBytes& address, uint8_t code,
                              const std::vector<PeerBytes>& records) {
  PeerBytes reply = PeerFrame({address, {static_cast<uint8_t>(~code)}});
  for (size_t i = 0; i < records.size(); ++i) {
    const PeerBytes frame = PeerFrame({address, records[i]});
    if (i == 0) {
      reply.insert(reply.end(), frame.begin(), frame.end());
      peer.Expect(PeerFrame({address, {code}}), reply);
    } else {
      peer.Expect(PeerFrame({address, {0xFE}}), frame);
    }
  }
  peer.Expect(PeerFrame({address, {0xFE}}));
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_TESTERS_LINE_LINE_PEER_H_
