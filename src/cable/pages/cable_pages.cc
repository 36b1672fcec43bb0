#include "cable/pages/cable_pages.h"

#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_edit_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/cable_type_page.h"
#include "cable/pages/compact_cable_page.h"
#include "cable/pages/full_planned_page.h"
#include "cable/pages/planned_base_page.h"

namespace telvane {

std::unique_ptr<InstrumentPage> MakeCablePage(PageId id, PageContext& context) {
  switch (id) {
    case PageId::kCableTypeBase2:
      return std::make_unique<CableTypePage>(context);
    case PageId::kDbCounters6:
      return std::make_unique<CableSizePage>(context, FullFamilyModel::For(context));
    case PageId::kCableNames6:
      return std::make_unique<CableBasePage>(context, FullFamilyModel::For(context));
    case PageId::kCableParams6:
      return std::make_unique<CableEditPage>(context, FullFamilyModel::For(context));
    case PageId::kPlanned6:
      return std::make_unique<FullPlannedPage>(context, FullFamilyModel::For(context));
    case PageId::kCompactCables7:
      return std::make_unique<CompactCablePage>(context, CompactModel::For(context));
    case PageId::kPlannedBase47:
      return std::make_unique<PlannedBasePage>(context, CompactModel::For(context));
    default:
      return nullptr;
  }
}

}  // namespace telvane
