// "БД параметров кабелей" of the reflectometer families (kinds 10, 11, 12, 14
// and 16): the check list of the cables by name, the selected cable's fields
// and its typed sections with their values, the type choice, renaming, the
// transfers of the marked cables and the computer's database. The cables,
// names and types are those of the family's model (family_model.h), shared
// with the family's other pages; where each field lies is the family's row of
// family_cable_fields.h.
//
// A section's values (from the family's first section):
//   0 type index | 1 value 1 | 5 derived: whole part of value 1 × value 3 × 2/3 |
//   9 value 2 | 13 value 3, 1 to 7 | 17 value 4 (not in the 343-byte family)
// Values 2, 3 and 4 come from the chosen type.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_H_

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cable/family/family_cable_fields.h"
#include "cable/family/family_model.h"
#include "page/instrument_page.h"
#include "page/locked_entries.h"

namespace telvane {

// A section value by its place in the record.
enum class SectionValue { kValue1 = 1, kDerived = 5, kValue2 = 9, kValue3 = 13, kValue4 = 17 };

class FamilyCablePage : public InstrumentPage {
 public:
  FamilyCablePage(PageContext& context, std::shared_ptr<FamilyModel> model);

  const FamilyModel& model() const { return *model_; }
  const FamilyCableFields& fields() const { return fields_; }
  // The longest name the family's name entry holds.
  int name_limit() const;

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
  // The fields a family has not read as 0 / empty and refuse edits.
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

  // Sections: "Участок №%.2d" for each section of the cable (at most the
  // family's shown sections).
  std::vector<std::string> SectionLines() const;
  int section() const { return section_; }
  void SelectSection(int section);
  int section_type() const;
  // "%.3f" of a value of the current section; empty without a section.
  std::string ValueText(SectionValue value) const;
  // Stores the text (a comma is taken for a decimal point) in an edited value
  // of the current section; value 3 is forced into 1 to 7, and editing value 1
  // or 3 recomputes the derived value. Text that is no number, or a value the
  // section has not, changes nothing (false).
  bool EditValue(SectionValue value, const std::string& text);
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
  // "Загрузка с прибора параметров отмеченных кабелей": the whole database when
  // every cable is marked, else each marked cable's record by its number (the
  // 233-byte family, which has no one-cable reading, reads the database and
  // takes the marked cables from it).
  bool Receive();
  // "Запись в прибор параметров отмеченных кабелей": the whole database in one
  // transaction when every cable is marked, else each marked cable alone.
  bool Send();

  // --- The computer's database ---------------------------------------------------
  // "Обновление базы данных отмеченными записями": the marked cables into the
  // chosen database, in list order.
  bool SaveToDatabase();
  // "Открытие записей из базы данных": cables of the chosen database into the
  // list (a cable of the same name is replaced, others are added while the
  // instrument has room); the cables read are marked.
  bool OpenFromDatabase();

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
  std::vector<int> Marked() const;
  bool ReceiveFromWholeReading(const std::vector<int>& marked);
  template <typename T>
  std::optional<T> Field(const std::optional<size_t>& offset) const;

  std::shared_ptr<FamilyModel> model_;
  const FamilyCableFields& fields_;
  // The marks and the selected cable; "/i0B:" locks the leading cables.
  CableCheckList list_;
  int section_ = 0;
  bool name_focus_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_CABLE_PAGE_H_
