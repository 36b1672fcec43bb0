#include "app/subsystems.h"

#include "app/info_page.h"
#include "app/text_planned_page.h"
#include "cable/pages/cable_pages.h"
#include "testers/tester_pages.h"

namespace telvane {

PageList AppPages() {
  return {
      PageRow<InfoPage>(PageId::kInstrumentInfo),
      PageRow<TextPlannedPage>(PageId::kTextPlanned),
  };
}

const std::vector<Subsystem>& Subsystems() {
  static const std::vector<Subsystem> subsystems = {
      {"app", AppPages},
      {"cable", CablePages},
      {"testers", TesterPages},
  };
  return subsystems;
}

PageList AllPages() {
  PageList all;
  for (const Subsystem& subsystem : Subsystems()) {
    for (PageEntry& entry : subsystem.pages()) all.push_back(std::move(entry));
  }
  return all;
}

}  // namespace telvane
