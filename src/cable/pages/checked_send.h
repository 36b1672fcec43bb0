// Sending the checked entries of a type check list: the whole list in one
// transfer when every entry is checked, a warning and nothing on the wire
// when none is, else each checked entry in a transfer of its own, in list
// order, 45 ms apart, the first failure ending the series and a finished
// series closing with "Complete". A page that replaces data the person may
// still want asks its question after the warning and before any transfer.
#ifndef TELVANE_CABLE_PAGES_CHECKED_SEND_H_
#define TELVANE_CABLE_PAGES_CHECKED_SEND_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane {

struct CheckedSend {
  // One flag per entry that can be sent, in list order.
  std::vector<bool> checks;
  std::function<bool()> send_all;
  std::function<bool(int entry)> send_one;
  // Asked (caption "ПРЕДУПРЕЖДЕНИЕ", Yes/No, warning icon) before the first
  // transfer when set; any answer but Yes sends nothing.
  std::optional<std::string> question;
};

// True when every transfer went through.
bool SendChecked(Screen& screen, const CheckedSend& send);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CHECKED_SEND_H_
