// "--session KIND:SERIAL:PORT": the window opens on a known instrument without
// the start-up search (for kinds the search never probes, such as kind 6).
#ifndef TELVANE_APP_GUI_SESSION_OPTION_H_
#define TELVANE_APP_GUI_SESSION_OPTION_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cable/pages/known_session.h"
#include "link/link.h"

namespace telvane {

struct SessionOption {
  bool given = false;
  // Set when given and well formed.
  std::optional<KnownInstrument> instrument;
};

// Takes "--session VALUE" or "--session=VALUE" out of `words` (the last one
// counts when repeated); the other words stay in order.
SessionOption TakeSessionOption(std::vector<std::string>& words);

// What the window runs in place of the start-up search: the session with
// `instrument` on its COM port, or for the port "irda" the IrDA attempt alone
// (the device list, no serial search), refused when another kind or serial
// number answers. Every fault is shown.
std::function<void()> KnownSessionStartup(Link& link, KnownInstrument instrument);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_SESSION_OPTION_H_
