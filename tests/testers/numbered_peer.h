// Golden exchanges of the testers that keep numbered result records, for the
// scripted peer: command 2 with its 12-byte information, and commands 0x64
// (the number, most significant byte first, confirmed with the complement of
// its low byte) and 0x65 (the record, which the program confirms with that
// same complement).
#ifndef TELVANE_TESTS_TESTERS_NUMBERED_PEER_H_
#define TELVANE_TESTS_TESTERS_NUMBERED_PEER_H_

#include <cstdint>

#include "support/scripted_peer.h"

namespace telvane::testing {

inline void ExpectInfo(ScriptedPeer& peer, const PeerBytes& address, const PeerBytes& info) {
  peer.Expect(PeerFrame({address, {0x02}}),
              PeerJoin({PeerFrame({address, {0xFD}}), PeerFrame({address, info})}));
  peer.Expect(PeerFrame({address, {0xFF}}));
}

inline void ExpectNumbered(ScriptedPeer& peer, const PeerBytes& address, uint32_t number,
                           const PeerBytes& record) {
  const auto low = static_cast<uint8_t>(number);
  const auto confirm = static_cast<uint8_t>(~low);
  peer.Expect(PeerFrame({address, {0x64}}), PeerFrame({address, {0x9B}}));
  peer.Expect(PeerFrame({address,
                         {static_cast<uint8_t>(number >> 24), static_cast<uint8_t>(number >> 16),
                          static_cast<uint8_t>(number >> 8), low}}),
              PeerFrame({address, {confirm}}));
  peer.Expect(PeerFrame({address, {0x65}}),
              PeerJoin({PeerFrame({address, {0x9A}}), PeerFrame({address, record})}));
  peer.Expect(PeerFrame({address, {confirm}}));
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_TESTERS_NUMBERED_PEER_H_
