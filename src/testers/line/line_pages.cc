#include "testers/line/line_pages.h"

#include "testers/line/frequency_list_page.h"
#include "testers/line/line_info_page.h"
#include "testers/line/line_records_page.h"
#include "testers/line/line_traces_page.h"

namespace telvane {

bool ReceiveLineInfo(PageContext& context, LineTesterState& state) {
  std::array<uint8_t, kLineInfoSize> record{};
  if (!LineTransfersOf(context).ReceiveInfo(record)) return false;
  state.info = LineInfo::FromWire(record);
  context.facts.version = state.info->version;
  return true;
}

LineTransfers LineTransfersOf(PageContext& context) {
  return LineTransfers(context.link.exchange(), context.screen, context.instrument().address());
}

PageList LinePages() {
  auto state = std::make_shared<LineTesterState>();
  return {PageRow<LineInfoPage>(PageId::kDbInfo17, state),
          PageRow<LineRecordsPage>(PageId::kFrequencyMeasurements17, state),
          PageRow<FrequencyListPage>(PageId::kFrequencyList17, state),
          PageRow<LineTracesPage>(PageId::kReflectograms17, state)};
}

}  // namespace telvane
