// "Информация о БД" of the reflectometer families (kinds 10, 11, 12, 14, 16):
// the page's first transfer reads the family's database (the information
// record and the cable records, family_model.h) and shows the firmware
// version and the counts of the information record. For kinds 11, 12 and 16
// the version goes to the session facts, where it decides the "xDSL" tab and
// the "Tester xDSL" name.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cable/family/family_model.h"
#include "page/instrument_page.h"

namespace telvane {

class FamilyInfoPage : public InstrumentPage {
 public:
  FamilyInfoPage(PageContext& context, std::shared_ptr<FamilyModel> model);

  void Start() override;
  void ClearBuffers() override;

  const FamilyModel& model() const { return *model_; }
  // (label, value) rows for the view; empty before a reading.
  std::vector<std::pair<std::string, std::string>> Rows() const;

 private:
  std::shared_ptr<FamilyModel> model_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_INFO_PAGE_H_
