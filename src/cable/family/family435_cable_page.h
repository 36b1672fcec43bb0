// "БД параметров кабелей" of kinds 11, 12 and 16: the check list of the
// cables by name, the selected cable's fields and up to five typed sections
// with their values, the type choice, renaming, and the transfers of the
// marked cables. The cables, names and types are those of the family's model
// (family_model.h), shared with the family's other pages.
//
// A section's values in the cable record (from 15 + 21 × section):
//   0 type index | 1 value 1 | 5 derived: whole part of value 1 × value 3 × 2/3 |
//   9 value 2 | 13 value 3, 1 to 7 | 17 value 4
// Values 2, 3 and 4 come from the chosen type.
#ifndef TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cable/family/family_model.h"
#include "page/instrument_page.h"
#include "page/locked_entries.h"

namespace telvane {

inline constexpr int kFamily435Sections = 5;

// A section value by its place in the record.
enum class SectionValue { kValue1 = 1, kDerived = 5, kValue2 = 9, kValue3 = 13, kValue4 = 17 };

class Family435CablePage : public InstrumentPage {
 public:
  Family435CablePage(PageContext& context, std::shared_ptr<FamilyModel> model);

  const FamilyModel& model() const { return *model_; }

  // --- The list --------------------------------------------------------------
  std::vector<std::string> Names() const;
  bool checked(int cable) const;
  // False for a locked cable ("/i0B:") or one beyond the database.
  bool selectable(int cable) const { return list_.Selectable(cable); }
  void SetChecked(int cable, bool on);
  // The selected cable; -1 when the database has no selectable cable.
  int selected() const;
  void Select(int cable);

  // --- The selected cable -------------------------------------------------------
  int pairs() const;
  // 1 to 2000; other values are refused (false) and nothing changes.
  bool SetPairs(int pairs);
  // "%.0f" of the temperature.
  std::string TemperatureText() const;
  // A whole number from -10 to 20; other values are refused.
  bool SetTemperature(int celsius);
  int number() const;
  void SetNumber(int number);
  bool option() const;
  void SetOption(bool on);

  // Sections: "Участок №%.2d" for each section of the cable (at most five).
  std::vector<std::string> SectionLines() const;
  int section() const { return section_; }
  void SelectSection(int section);
  int section_type() const;
  // "%.3f" of a value of the current section; empty without a section.
  std::string ValueText(SectionValue value) const;
  // Stores the text (a comma is taken for a decimal point) in an edited value
  // of the current section; value 3 is forced into 1 to 7, and editing value 1
  // or 3 recomputes the derived value. Text that is no number changes nothing.
  void EditValue(SectionValue value, const std::string& text);
  // The names of the types of the model, in order.
  std::vector<std::string> TypeNames() const;
  // Reads the instrument's cable types (0x65) when the model holds none yet:
  // the type choice is offered from them.
  bool LoadTypes();
  // Copies the type's three values into values 2, 3 and 4 of the current
  // section and recomputes the derived value.
  void ChooseType(int type);

  // Stores the name for the selected cable, keeping its check mark. Refused
  // when the instrument has no room for cables ("Максимальное количество
  // кабелей<1 ") or another cable has that name ("Данное имя кабеля уже
  // существует!", after which the name field takes the focus again).
  bool Rename(const std::string& name);
  // Set by a refused duplicate name until the view took the focus back.
  bool TakeNameFocus();

  // The two labels that depend on the kind (values 2 and 4).
  std::pair<std::string, std::string> KindLabels();

  // --- Transfers ---------------------------------------------------------------
  // "Загрузка с прибора параметров отмеченных кабелей": each marked cable's
  // record by its number.
  bool Receive();
  // "Запись в прибор параметров отмеченных кабелей".
  bool Send();

  void ClearBuffers() override;

 private:
  uint8_t* SectionBytes();
  const uint8_t* SectionBytes() const;
  int SectionCount() const;
  void Recompute(uint8_t* section);
  void Fit();
  // The marked cables in list order; none: "Необходимо отметить записи для
  // передачи" was shown.
  std::vector<int> MarkedOrWarn();

  std::shared_ptr<FamilyModel> model_;
  // The marks and the selected cable; "/i0B:" locks the leading cables.
  CableCheckList list_;
  int section_ = 0;
  bool name_focus_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY435_CABLE_PAGE_H_
