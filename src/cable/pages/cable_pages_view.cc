#include "cable/pages/cable_pages_view.h"

#include "cable/family/family_cable_page_view.h"
#include "cable/family/family_info_page_view.h"
#include "cable/family/family_planned_page_view.h"
#include "cable/family/family_type_page_view.h"
#include "cable/pages/cable_type_page_view.h"
#include "cable/pages/compact_cable_page_view.h"
#include "cable/pages/full_family_view.h"
#include "cable/pages/planned_base_page_view.h"
#include "cable/reflectograms/reflectogram_page_view.h"
#include "cable/sheets/sheets_page_view.h"
#include "cable/trace6/trace6_page_view.h"
#include "cable/wear/wear_page_view.h"

namespace telvane {

ViewList CablePageViews() {
  return {
      {PageId::kCableTypeBase2, ViewOf<CableTypePage, CableTypePageView>},
      {PageId::kDbCounters6, ViewOf<CableSizePage, CableSizePageView>},
      {PageId::kCableNames6, ViewOf<CableBasePage, CableBasePageView>},
      {PageId::kCableParams6, ViewOf<CableEditPage, CableEditPageView>},
      {PageId::kPlanned6, ViewOf<FullPlannedPage, FullPlannedPageView>},
      {PageId::kReflectograms6, ViewOf<Trace6Page, Trace6PageView>},
      {PageId::kCompactCables7, ViewOf<CompactCablePage, CompactCablePageView>},
      {PageId::kPlannedBase47, ViewOf<PlannedBasePage, PlannedBasePageView>},
      {PageId::kDbInfo10, ViewOf<FamilyInfoPage, FamilyInfoPageView>},
      {PageId::kDbInfo11, ViewOf<FamilyInfoPage, FamilyInfoPageView>},
      {PageId::kDbInfo14, ViewOf<FamilyInfoPage, FamilyInfoPageView>},
      {PageId::kCables10, ViewOf<FamilyCablePage, FamilyCablePageView>},
      {PageId::kCables11, ViewOf<FamilyCablePage, FamilyCablePageView>},
      {PageId::kCables14, ViewOf<FamilyCablePage, FamilyCablePageView>},
      {PageId::kCableTypes11, ViewOf<FamilyTypePage, FamilyTypePageView>},
      {PageId::kCableTypes14, ViewOf<FamilyTypePage, FamilyTypePageView>},
      {PageId::kPlanned11, ViewOf<FamilyPlannedPage, FamilyPlannedPageView>},
      {PageId::kPlanned14, ViewOf<FamilyPlannedPage, FamilyPlannedPageView>},
      {PageId::kSheets13, ViewOf<SheetsPage, SheetsPageView>},
      {PageId::kSheetsReceive13, ViewOf<SheetsReceivePage, SheetsPageView>},
      {PageId::kWear8, ViewOf<WearPage, WearPageView>},
      {PageId::kReflectograms10, ViewOf<ReflectogramPage, ReflectogramPageView>},
      {PageId::kReflectograms11, ViewOf<ReflectogramPage, ReflectogramPageView>},
  };
}

}  // namespace telvane
