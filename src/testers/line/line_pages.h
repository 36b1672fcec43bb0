// The line tester's pages (kind 17): the information page, the record page
// ("Частотные измерения") and the frequency list. They share one
// LineTesterState per window: the information record that the first of them
// received in this session (its version chooses record sizes and tabs, its
// counts how many records each kind has).
#ifndef TELVANE_TESTERS_LINE_LINE_PAGES_H_
#define TELVANE_TESTERS_LINE_LINE_PAGES_H_

#include <memory>
#include <optional>

#include "page/instrument_page.h"
#include "page/page_list.h"
#include "testers/line/line_records.h"
#include "testers/line/line_transfers.h"

namespace telvane {

struct LineTesterState {
  std::optional<LineInfo> info;
};

// Receives the information record into `state` and the session facts (the
// version); false after a failure (shown).
bool ReceiveLineInfo(PageContext& context, LineTesterState& state);
// The transactions over the page's link.
LineTransfers LineTransfersOf(PageContext& context);

PageList LinePages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_PAGES_H_
