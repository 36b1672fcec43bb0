#include "cable/pages/cable_edit_page.h"

#include <algorithm>
#include <array>

#include "base/sprintf.h"
#include "cable/pages/page_numbers.h"

namespace telvane {
namespace {

constexpr std::array<const char*, kCableFieldCount> kLabels = {"Наименование кабеля",
                                                               "Тип кабеля",
                                                               "Количество пар",
                                                               "Длина кабеля, М",
                                                               "Участки",
                                                               "Температура",
                                                               "Зона",
                                                               "Коэф. укорочения",
                                                               "Эталон брони",
                                                               "Условие",
                                                               "Блокнот измерителя",
                                                               "Длина участка,М",
                                                               "Диаметр жилы, мм",
                                                               "ТПЖ, Ом/км",
                                                               "Емкость, нф/км",
                                                               "ТКС"};

std::string Whole(unsigned value) { return Sprintf("%u", value); }

}  // namespace

const char* CableFieldLabel(CableField field) { return kLabels[static_cast<size_t>(field)]; }

bool IsSectionField(CableField field) { return field >= CableField::kSectionLength; }

CableEditPage::CableEditPage(PageContext& context, std::shared_ptr<FullFamilyModel> model)
    : InstrumentPage(context, PageId::kCableParams6, "Параметры кабеля"), model_(std::move(model)) {
  model_->AddListener([this] { Changed(); });
}

bool CableEditPage::has_cable() const { return model_->SelectedCable() != nullptr; }

std::string CableEditPage::FieldText(CableField field) const {
  const CableRecord* cable = model_->SelectedCable();
  if (cable == nullptr) return {};
  const CableSection s = cable->section(section_);
  switch (field) {
    case CableField::kName:
      return cable->name();
    case CableField::kType:
      return cable->type_name();
    case CableField::kPairs:
      return Whole(cable->pair_count());
    case CableField::kLength:
      return Whole(cable->length());
    case CableField::kSections:
      return Whole(cable->section_count());
    case CableField::kTemperature:
      return FormatReal(cable->temperature());
    case CableField::kZone:
      return Whole(cable->zone());
    case CableField::kShortening:
      return FormatReal(cable->shortening_factor());
    case CableField::kArmour:
      return FormatReal(cable->armour_reference());
    case CableField::kCondition:
      return Whole(cable->condition());
    case CableField::kNotebook: {
      std::string text;
      for (int line = 0; line < CableRecord::kNotebookLines; ++line) {
        if (line > 0) text += '\n';
        text += cable->notebook_line(line);
      }
      return text;
    }
    case CableField::kSectionLength:
      return Whole(s.length());
    case CableField::kSectionDiameter:
      return FormatReal(s.core_diameter());
    case CableField::kSectionResistance:
      return Whole(s.core_resistance());
    case CableField::kSectionCapacitance:
      return Whole(s.capacitance());
    case CableField::kSectionFactor:
      return FormatReal(s.temperature_factor());
  }
  return {};
}

std::string CableEditPage::PositionText() const {
  const int count = model_->Count();
  return Sprintf("№ %d из %d", count == 0 ? 0 : model_->selected() + 1, count);
}

std::vector<std::string> CableEditPage::SectionNames() const {
  std::vector<std::string> names;
  const CableRecord* cable = model_->SelectedCable();
  if (cable == nullptr) return names;
  const int count = std::min<int>(cable->section_count(), CableRecord::kSections);
  for (int k = 1; k <= count; ++k) names.push_back(Sprintf("Участок %d", k));
  return names;
}

void CableEditPage::EditField(CableField field, const std::string& text) {
  CableRecord* cable = model_->SelectedCable();
  if (cable == nullptr) return;
  CableSection s = cable->section(section_);
  switch (field) {
    case CableField::kName:
      cable->set_name(text);
      break;
    case CableField::kType:
      cable->set_type_name(text);
      break;
    case CableField::kPairs:
      cable->set_pair_count(static_cast<uint16_t>(ParseWhole(text, 0xFFFF)));
      break;
    case CableField::kLength:
      cable->set_length(static_cast<uint16_t>(ParseWhole(text, 0xFFFF)));
      break;
    case CableField::kSections: {
      // The record has room for five sections; a larger count would make the
      // exports read past them.
      const auto count = static_cast<uint8_t>(ParseWhole(text, CableRecord::kSections));
      cable->set_section_count(count);
      if (section_ >= count) section_ = 0;
      break;
    }
    case CableField::kTemperature:
      cable->set_temperature(ParseReal(text));
      break;
    case CableField::kZone:
      cable->set_zone(static_cast<uint8_t>(ParseWhole(text, 0xFF)));
      break;
    case CableField::kShortening:
      cable->set_shortening_factor(ParseReal(text));
      break;
    case CableField::kArmour:
      cable->set_armour_reference(ParseReal(text));
      break;
    case CableField::kCondition:
      cable->set_condition(static_cast<uint8_t>(ParseWhole(text, 0xFF)));
      break;
    case CableField::kNotebook: {
      size_t start = 0;
      for (int line = 0; line < CableRecord::kNotebookLines; ++line) {
        std::string part;
        if (start <= text.size()) {
          const size_t end = std::min(text.find('\n', start), text.size());
          part = text.substr(start, end - start);
          if (!part.empty() && part.back() == '\r') part.pop_back();
          start = end + 1;
        }
        cable->set_notebook_line(line, part);
      }
      break;
    }
    case CableField::kSectionLength:
      s.set_length(static_cast<uint16_t>(ParseWhole(text, 0xFFFF)));
      break;
    case CableField::kSectionDiameter:
      s.set_core_diameter(ParseReal(text));
      break;
    case CableField::kSectionResistance:
      s.set_core_resistance(static_cast<uint16_t>(ParseWhole(text, 0xFFFF)));
      break;
    case CableField::kSectionCapacitance:
      s.set_capacitance(static_cast<uint16_t>(ParseWhole(text, 0xFFFF)));
      break;
    case CableField::kSectionFactor:
      s.set_temperature_factor(ParseReal(text));
      break;
  }
  if (IsSectionField(field)) cable->set_section(section_, s);
  model_->Notify();
}

void CableEditPage::ChooseSection(int section) {
  const CableRecord* cable = model_->SelectedCable();
  if (cable == nullptr || section < 0 ||
      section >= std::min<int>(cable->section_count(), CableRecord::kSections)) {
    return;
  }
  section_ = section;
  Changed();
}

void CableEditPage::Move(CableMove move) {
  const int count = model_->Count();
  if (count <= model_->locked()) return;
  int target = model_->selected();
  switch (move) {
    case CableMove::kFirst:
      target = model_->locked();
      break;
    case CableMove::kPrevious:
      target = std::max(target - 1, model_->locked());
      break;
    case CableMove::kNext:
      target = std::min(target + 1, count - 1);
      break;
    case CableMove::kLast:
      target = count - 1;
      break;
  }
  const CableRecord& next = model_->base.cables[static_cast<size_t>(target)];
  if (section_ >= std::min<int>(next.section_count(), CableRecord::kSections)) section_ = 0;
  model_->Select(target);
}

}  // namespace telvane
