// Opening a session with a cable meter of a known kind on a named port: the
// probe with the kind code, the identification, the synchronisation and the
// kind's initial transfer, as the serial search does for the codes it probes.
// The search never probes kind 6, so this is how a full-family meter on a COM
// port is reached from the command line.
#ifndef TELVANE_CABLE_CABLE_CONNECT_H_
#define TELVANE_CABLE_CABLE_CONNECT_H_

#include <cstdint>
#include <string>

#include "link/link.h"

namespace telvane {

// True when the meter answered as `kind`, synchronised and its initial
// transfer (if the kind has one) succeeded; the session port is then open in
// link.port() at the announced speed. Every fault is shown.
bool ConnectCableMeter(Link& link, const std::string& com_name, uint8_t kind);

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_CONNECT_H_
