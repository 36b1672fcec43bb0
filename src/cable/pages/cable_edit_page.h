// The cable page of the full family (kind 6, "Параметры кабеля"): every field
// of the selected cable as an edit field that writes into the record as it is
// edited, the section list "Участок %d" with the chosen section's fields, and
// the four buttons that move between cables.
#ifndef TELVANE_CABLE_PAGES_CABLE_EDIT_PAGE_H_
#define TELVANE_CABLE_PAGES_CABLE_EDIT_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "cable/pages/full_family_model.h"

namespace telvane {

// The fields of a cable and of its chosen section, in the order shown.
enum class CableField {
  kName,
  kType,
  kPairs,
  kLength,
  kSections,
  kTemperature,
  kZone,
  kShortening,
  kArmour,
  kCondition,
  kNotebook,  // the six lines, separated by line feeds
  kSectionLength,
  kSectionDiameter,
  kSectionResistance,
  kSectionCapacitance,
  kSectionFactor,
};
inline constexpr int kCableFieldCount = 16;
const char* CableFieldLabel(CableField field);
bool IsSectionField(CableField field);

enum class CableMove { kFirst, kPrevious, kNext, kLast };

class CableEditPage : public InstrumentPage {
 public:
  CableEditPage(PageContext& context, std::shared_ptr<FullFamilyModel> model);

  FullFamilyModel& model() { return *model_; }
  // A cable is selected (the database holds at least one).
  bool has_cable() const;
  // The field's text for the selected cable; empty without one.
  std::string FieldText(CableField field) const;
  // "№ n из m".
  std::string PositionText() const;
  // "Участок 1" .. "Участок n" for the section count (at most 5).
  std::vector<std::string> SectionNames() const;
  int section() const { return section_; }

  void EditField(CableField field, const std::string& text);
  void ChooseSection(int section);
  void Move(CableMove move);

  void ClearBuffers() override { section_ = 0; }

 private:
  std::shared_ptr<FullFamilyModel> model_;
  int section_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_EDIT_PAGE_H_
