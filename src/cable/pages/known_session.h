// Opening a session with an instrument whose kind and port are known, without
// the search: for the kinds the search never probes (kind 6), for scripts and
// for tests. The connection itself is ConnectCableMeter's; this adds the check
// of an expected serial number and the text form of the choice.
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
};

// Fills link.info() and leaves the session port open. False, with the fault
// shown, when the instrument does not answer as that kind, announces another
// serial number or does not synchronise; the descriptor is then cleared.
bool OpenKnownSession(Link& link, const KnownInstrument& instrument);

// Parses "KIND:SERIAL:PORT" (SERIAL may be empty), e.g. "6:123456:COM3" or
// "7::COM1".
bool ParseKnownInstrument(const std::string& text, KnownInstrument& out);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_KNOWN_SESSION_H_
