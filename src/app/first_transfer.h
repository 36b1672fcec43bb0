// The first transfer of a kind: the steps of its kind-table row, in order,
// each run when its version condition holds at that moment (a step may read
// the version that a later one depends on).
#ifndef TELVANE_APP_FIRST_TRANSFER_H_
#define TELVANE_APP_FIRST_TRANSFER_H_

#include <cstdint>

#include "app/kind_table.h"
#include "app/page_registry.h"
#include "page/instrument_page.h"

namespace telvane {

void RunFirstTransfer(uint8_t kind, PageRegistry& pages, PageContext& context);

}  // namespace telvane

#endif  // TELVANE_APP_FIRST_TRANSFER_H_
