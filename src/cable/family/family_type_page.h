// "БД типов кабелей" of kinds 11, 12, 16 and kind 14's type tab: the
// family's cable types as a check list, the selected type's name and three
// values, receiving the list and sending the checked types. The types are
// those of the family's model (family_model.h), so the cable page's type
// choice offers them as edited here.
//
// Check marks follow the kind 2 type page: receiving checks every type;
// sending warns when none is checked, asks before replacing the instrument's
// types, sends the whole list in one transaction when every type is checked
// and otherwise each checked type in list order. The type list is no cable
// list: the locked leading entries of the cable pages do not apply to it.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "cable/family/family_model.h"
#include "page/instrument_page.h"

namespace telvane {

// Characters a type name holds (its 19-byte field ends with a zero).
inline constexpr int kFamilyTypeNameChars = static_cast<int>(kFamilyTypeNameSize) - 1;
// The second value becomes a section's third value, which is kept within 1 to 7.
inline constexpr float kTypeFactorMinimum = 1.0f;
inline constexpr float kTypeFactorMaximum = 7.0f;

class FamilyTypePage : public InstrumentPage {
 public:
  FamilyTypePage(PageContext& context, std::shared_ptr<FamilyModel> model);

  const FamilyModel& model() const { return *model_; }

  // --- The list ------------------------------------------------------------------
  int type_count() const { return static_cast<int>(model_->types().size()); }
  std::vector<std::string> Names() const;
  bool checked(int type) const;
  void SetChecked(int type, bool on);
  // The selected type; -1 when the list is empty.
  int selected() const;
  void Select(int type);

  // --- The selected type --------------------------------------------------------
  std::string NameField() const;
  // "%.3f" of value 0, 1 or 2; empty without a selection.
  std::string ValueField(int value) const;
  // The name, cut to 18 characters.
  void EditName(const std::string& text);
  // The text as a number (a comma is a decimal point); value 1 is forced into
  // 1 to 7. Text that is no number changes nothing.
  void EditValue(int value, const std::string& text);
  // The labels of the three values, by kind.
  std::array<std::string, 3> ValueLabels();

  // --- Transfers ----------------------------------------------------------------------
  // "Принять": the instrument's types (its database information first when
  // none was read); every type is checked afterwards.
  bool Receive();
  // "Передать".
  bool Send();

  void ClearBuffers() override;

 private:
  void Fit();

  std::shared_ptr<FamilyModel> model_;
  std::vector<bool> checks_;
  int selected_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_TYPE_PAGE_H_
