// Identification of the instrument on a connected IrDA socket and the
// synchronisation exchange over it.
#ifndef TELVANE_LINK_IRDA_SEARCH_H_
#define TELVANE_LINK_IRDA_SEARCH_H_

#include <cstdint>
#include <string>

#include "link/instrument_info.h"
#include "link/irda_link.h"

namespace telvane {

// Probes the kind codes 9 to 19 on the connected socket, identifies the
// instrument and synchronises with it. On success the link is marked IrDA and
// the kind is set; a failed synchronisation closes the socket and returns
// status kSyncFailed; Escape with Yes returns kCancelled. `baud` receives the
// speed the instrument announced, for display.
InstrumentInfo IrdaSearch(IrdaLink& link, LinkKind& link_kind, uint32_t& baud);

// The synchronisation exchange: 8 bytes out (address and sum), 14 bytes back
// (address, complemented serial number, sum).
bool IrdaSynchronize(IrdaLink& link, const InstrumentInfo& info);

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_SEARCH_H_
