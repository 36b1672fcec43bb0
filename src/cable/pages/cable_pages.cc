#include "cable/pages/cable_pages.h"

#include "cable/family/family_cable_page.h"
#include "cable/family/family_info_page.h"
#include "cable/family/family_type_page.h"
#include "cable/family/family_planned_page.h"
#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_edit_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/cable_type_page.h"
#include "cable/pages/compact_cable_page.h"
#include "cable/pages/full_planned_page.h"
#include "cable/pages/planned_base_page.h"
#include "cable/reflectograms/reflectogram_page.h"
#include "cable/sheets/sheets_page.h"
#include "cable/trace6/trace6_page.h"
#include "cable/wear/wear_page.h"

namespace telvane {

PageList CablePages() {
  auto full = std::make_shared<FullFamilyModel>();
  auto compact = std::make_shared<CompactModel>();
  auto family343 = std::make_shared<FamilyModel>(kFamily343);
  auto family435 = std::make_shared<FamilyModel>(kFamily435);
  auto family233 = std::make_shared<FamilyModel>(kFamily233);
  auto sheets = std::make_shared<SheetModel>();
  return {
      PageRow<CableTypePage>(PageId::kCableTypeBase2),
      PageRow<CableSizePage>(PageId::kDbCounters6, full),
      PageRow<CableBasePage>(PageId::kCableNames6, full),
      PageRow<CableEditPage>(PageId::kCableParams6, full),
      PageRow<FullPlannedPage>(PageId::kPlanned6, full),
      PageRow<Trace6Page>(PageId::kReflectograms6),
      PageRow<CompactCablePage>(PageId::kCompactCables7, compact),
      PageRow<PlannedBasePage>(PageId::kPlannedBase47, compact),
      PageRow<FamilyInfoPage>(PageId::kDbInfo10, family343),
      PageRow<FamilyInfoPage>(PageId::kDbInfo11, family435),
      PageRow<FamilyInfoPage>(PageId::kDbInfo14, family233),
      PageRow<FamilyCablePage>(PageId::kCables10, family343),
      PageRow<FamilyCablePage>(PageId::kCables11, family435),
      PageRow<FamilyCablePage>(PageId::kCables14, family233),
      PageRow<FamilyTypePage>(PageId::kCableTypes11, family435),
      PageRow<FamilyTypePage>(PageId::kCableTypes14, family233),
      PageRow<FamilyPlannedPage>(PageId::kPlanned11, family435),
      PageRow<FamilyPlannedPage>(PageId::kPlanned14, family233),
      PageRow<SheetsPage>(PageId::kSheets13, sheets),
      PageRow<SheetsReceivePage>(PageId::kSheetsReceive13, sheets),
      PageRow<WearPage>(PageId::kWear8),
      PageRow<OlderReflectogramPage>(PageId::kReflectograms10, family343),
      PageRow<NewerReflectogramPage>(PageId::kReflectograms11, family435),
  };
}

}  // namespace telvane
