// Opening a session with an instrument whose kind and port are known, without
// the search: for the kinds the search never probes (kind 6) and for scripts.
// The instrument still answers its kind code with its identification and
// wants the synchronisation before it serves commands; the kind's initial
// transfer then runs as after a search.
#ifndef TELVANE_CABLE_PAGES_KNOWN_SESSION_H_
#define TELVANE_CABLE_PAGES_KNOWN_SESSION_H_

#include <cstdint>
#include <string>

#include "link/link.h"

namespace telvane {

struct KnownInstrument {
  uint8_t kind = 0;
  // The serial number as its six characters; empty to take the one the
  // instrument announces.
  std::string serial;
  // A COM name ("COM3") resolved like every port name.
  std::string port;
  uint32_t baud = 9600;
};

// Fills link.info() and leaves the session port open at the speed asked for.
// False, with the fault shown, when the port does not open, the instrument
// does not identify itself as that kind (or with another serial number), or
// the synchronisation fails; the descriptor is then cleared.
bool OpenKnownSession(Link& link, const KnownInstrument& instrument);

// Parses "KIND:SERIAL:PORT[:BAUD]" (SERIAL may be empty), e.g. "6:123456:COM3".
bool ParseKnownInstrument(const std::string& text, KnownInstrument& out);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_KNOWN_SESSION_H_
