// The start-up search: the IrDA attempt first (when one is installed with
// Link::SetIrdaStartup), then the serial search.
#ifndef TELVANE_LINK_STARTUP_H_
#define TELVANE_LINK_STARTUP_H_

#include "link/link.h"

namespace telvane {

// Clears the descriptor's identity and the link kind, then:
//  - IrDA attempt installed and its socket connected: when it found nothing
//    (kind 0) and the person did not cancel (status 1), the serial search runs;
//  - otherwise (no attempt installed, or no socket): the serial search runs.
// The splash and the text-protocol attempt are the caller's.
void RunStartupSearch(Link& link);

}  // namespace telvane

#endif  // TELVANE_LINK_STARTUP_H_
