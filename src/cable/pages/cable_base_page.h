// The database page of the full family (kind 6, "База кабелей"): the check
// list of the cable names, the database choice, and "Очистить", "Передать",
// "Принять" and "Сохранить..."; file menu B opens and saves the cable base and
// saves it as a text report.
#ifndef TELVANE_CABLE_PAGES_CABLE_BASE_PAGE_H_
#define TELVANE_CABLE_PAGES_CABLE_BASE_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "cable/pages/full_family_model.h"

namespace telvane {

class CableBasePage : public InstrumentPage {
 public:
  CableBasePage(PageContext& context, std::shared_ptr<FullFamilyModel> model);

  FullFamilyModel& model() { return *model_; }
  const FullFamilyModel& model() const { return *model_; }

  // The names of the list, in record order (Count() entries).
  std::vector<std::string> Names() const;
  bool checked(int cable) const;
  int database() const { return model_->database; }
  bool can_transfer();

  void SetChecked(int cable, bool on);
  void Select(int cable) { model_->Select(cable); }
  void ChooseDatabase(int index);
  // The page is shown: the remembered cable is selected again and a choice
  // outside the list goes back to the first entry.
  void Shown();

  void Clear();    // "Очистить"
  bool Send();     // "Передать"
  bool Receive();  // "Принять"
  bool Save();     // "Сохранить..."

  void ClearBuffers() override;
  bool HandleMenu(MenuCommand command) override;

 private:
  bool SendParameters();
  bool ReceiveParameters();
  bool ReceivePlanned();
  void SaveToDatabase(int cable);
  void Unavailable();
  // Marks of the cables that take part.
  bool AllChecked() const;
  bool AnyChecked() const;

  std::shared_ptr<FullFamilyModel> model_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_BASE_PAGE_H_
