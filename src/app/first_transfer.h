// The first transfer of each kind, run by the main window once the window is
// visible and again after every successful search: it calls Start() of the
// kind's pages in the order the kind needs, so that the first page opens with
// data.
#ifndef TELVANE_APP_FIRST_TRANSFER_H_
#define TELVANE_APP_FIRST_TRANSFER_H_

#include <cstdint>

#include "page/instrument_page.h"
#include "app/page_registry.h"

namespace telvane {

// The name that kinds 11, 12 and 16 take from firmware 10.001 on.
inline constexpr const char* kXdslTesterName = "Tester xDSL";

void RunFirstTransfer(uint8_t kind, PageRegistry& pages, PageContext& context);

}  // namespace telvane

#endif  // TELVANE_APP_FIRST_TRANSFER_H_
