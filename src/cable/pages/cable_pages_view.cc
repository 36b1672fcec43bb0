#include "cable/pages/cable_pages_view.h"

#include "cable/pages/cable_type_page_view.h"
#include "cable/pages/compact_cable_page_view.h"
#include "cable/pages/full_family_view.h"
#include "cable/pages/planned_base_page_view.h"

namespace telvane {

PageView* MakeCablePageView(InstrumentPage& page, QWidget* parent) {
  if (auto* p = dynamic_cast<CableTypePage*>(&page)) return new CableTypePageView(*p, parent);
  if (auto* p = dynamic_cast<CableBasePage*>(&page)) return new CableBasePageView(*p, parent);
  if (auto* p = dynamic_cast<CableEditPage*>(&page)) return new CableEditPageView(*p, parent);
  if (auto* p = dynamic_cast<CableSizePage*>(&page)) return new CableSizePageView(*p, parent);
  if (auto* p = dynamic_cast<FullPlannedPage*>(&page)) return new FullPlannedPageView(*p, parent);
  if (auto* p = dynamic_cast<CompactCablePage*>(&page)) return new CompactCablePageView(*p, parent);
  if (auto* p = dynamic_cast<PlannedBasePage*>(&page)) return new PlannedBasePageView(*p, parent);
  return nullptr;
}

}  // namespace telvane
