#include "cable/family/family_cable_page.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/translatable.h"
#include "base/values.h"
#include "cable/family/family_cable_storage.h"

namespace telvane {
namespace {

constexpr char kNoRoom[] = "Максимальное количество кабелей<1 ";
constexpr char kDuplicate[] = "Данное имя кабеля уже существует!";
constexpr char kMarkFirst[] = "Необходимо отметить записи для передачи";
constexpr char kReplaceQuestion[] =
    "Заменяемые кабели будут потеряны безвозвратно со своими плановыми измерениями и "
    "рефлектограммами! Продолжить?";

float Get(const uint8_t* section, SectionValue value) {
  return LoadLeFloat(section + static_cast<size_t>(value));
}

void Put(uint8_t* section, SectionValue value, float v) {
  StoreLeFloat(v, section + static_cast<size_t>(value));
}

// The text as a number, a comma taken for the decimal point.
std::optional<float> ParseValue(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && *begin == ' ') ++begin;
  float value = 0;
  const auto [rest, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || rest == begin || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

FamilyCablePage::FamilyCablePage(PageContext& context, std::shared_ptr<FamilyModel> model)
    : InstrumentPage(context, CableFieldsOf(model->layout().family).page,
                     QT_TRANSLATE_NOOP("Tabs", "БД параметров кабелей")),
      model_(std::move(model)),
      fields_(CableFieldsOf(model_->layout().family)),
      list_(CableCheckList::FromOptions(context.options)) {
  model_->AddListener([this] {
    Fit();
    Changed();
  });
  // The model may hold a database already (the information page read it).
  Fit();
}

int FamilyCablePage::name_limit() const { return static_cast<int>(model_->layout().name_size) - 1; }

void FamilyCablePage::Fit() {
  const int before = list_.selected();
  list_.Resize(model_->cable_count());
  if (list_.selected() != before) section_ = 0;
  if (section_ >= SectionCount()) section_ = 0;
}

template <typename T>
std::optional<T> FamilyCablePage::Field(const std::optional<size_t>& offset) const {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || !offset) return std::nullopt;
  if constexpr (std::is_same_v<T, float>) {
    return LoadLeFloat(record.data() + *offset);
  } else if constexpr (std::is_same_v<T, uint16_t>) {
    return LoadLe16(record.data() + *offset);
  } else {
    return record[*offset];
  }
}

std::vector<std::string> FamilyCablePage::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < model_->cable_count(); ++i) names.push_back(model_->name(i));
  return names;
}

bool FamilyCablePage::checked(int cable) const { return list_.checked(cable); }

void FamilyCablePage::SetChecked(int cable, bool on) {
  if (!list_.SetChecked(cable, on)) return;
  Changed();
}

int FamilyCablePage::selected() const { return list_.selected(); }

void FamilyCablePage::Select(int cable) {
  if (!list_.Select(cable)) return;
  section_ = 0;
  Changed();
}

int FamilyCablePage::pairs() const { return Field<uint16_t>(fields_.pairs).value_or(0); }

bool FamilyCablePage::SetPairs(int pairs) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || !fields_.pairs || pairs < 1 || pairs > 2000) return false;
  StoreLe16(static_cast<uint16_t>(pairs), record.data() + *fields_.pairs);
  Changed();
  return true;
}

std::string FamilyCablePage::TemperatureText() const {
  const std::optional<float> temperature = Field<float>(fields_.temperature);
  if (!temperature) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", static_cast<double>(*temperature));
  return text;
}

bool FamilyCablePage::SetTemperature(int celsius) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || !fields_.temperature || celsius < -10 || celsius > 20) return false;
  StoreLeFloat(static_cast<float>(celsius), record.data() + *fields_.temperature);
  Changed();
  return true;
}

int FamilyCablePage::number() const { return Field<uint8_t>(fields_.number).value_or(0); }

void FamilyCablePage::SetNumber(int number) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || !fields_.number || number < 0 || number > 255) return;
  record[*fields_.number] = static_cast<uint8_t>(number);
  Changed();
}

bool FamilyCablePage::option() const { return Field<uint8_t>(fields_.option).value_or(0) != 0; }

void FamilyCablePage::SetOption(bool on) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || !fields_.option) return;
  record[*fields_.option] = on ? 1 : 0;
  Changed();
}

int FamilyCablePage::SectionCount() const {
  const auto record = model_->block_bytes(selected());
  if (record.empty()) return 0;
  return std::min<int>(record[fields_.section_count], fields_.shown_sections);
}

std::vector<std::string> FamilyCablePage::SectionLines() const {
  std::vector<std::string> lines;
  for (int i = 1; i <= SectionCount(); ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "Участок №%.2d", i);
    lines.push_back(line);
  }
  return lines;
}

void FamilyCablePage::SelectSection(int section) {
  if (section < 0 || section >= SectionCount()) return;
  section_ = section;
  Changed();
}

const uint8_t* FamilyCablePage::SectionBytes() const {
  if (section_ >= SectionCount()) return nullptr;
  return model_->block_bytes(selected()).data() + fields_.sections +
         fields_.section_size * static_cast<size_t>(section_);
}

uint8_t* FamilyCablePage::SectionBytes() {
  if (section_ >= SectionCount()) return nullptr;
  return model_->block_bytes(selected()).data() + fields_.sections +
         fields_.section_size * static_cast<size_t>(section_);
}

int FamilyCablePage::section_type() const {
  const uint8_t* section = SectionBytes();
  return section == nullptr ? -1 : section[0];
}

std::string FamilyCablePage::ValueText(SectionValue value) const {
  const uint8_t* section = SectionBytes();
  if (section == nullptr || (value == SectionValue::kValue4 && !fields_.has_value4)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(Get(section, value)));
  return text;
}

void FamilyCablePage::Recompute(uint8_t* section) {
  const double product = static_cast<double>(Get(section, SectionValue::kValue1)) *
                         static_cast<double>(Get(section, SectionValue::kValue3)) * 2.0 / 3.0;
  Put(section, SectionValue::kDerived, static_cast<float>(std::trunc(product)));
}

bool FamilyCablePage::EditValue(SectionValue value, const std::string& text) {
  uint8_t* section = SectionBytes();
  const std::optional<float> parsed = ParseValue(text);
  const bool editable =
      value != SectionValue::kDerived && (value != SectionValue::kValue4 || fields_.has_value4);
  const bool stored = section != nullptr && parsed && editable;
  if (stored) {
    float v = *parsed;
    if (value == SectionValue::kValue3) v = std::clamp(v, 1.0f, 7.0f);
    Put(section, value, v);
    if (value == SectionValue::kValue1 || value == SectionValue::kValue3) Recompute(section);
  }
  // The stored value is shown again either way.
  Changed();
  return stored;
}

std::vector<std::string> FamilyCablePage::TypeNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < static_cast<int>(model_->types().size()); ++i) {
    names.push_back(model_->type_name(i));
  }
  return names;
}

bool FamilyCablePage::LoadTypes() {
  if (!model_->types().empty()) return true;
  return model_->ReadTypes(context());
}

void FamilyCablePage::ChooseType(int type) {
  uint8_t* section = SectionBytes();
  if (section == nullptr || type < 0 || type >= static_cast<int>(model_->types().size())) return;
  section[0] = static_cast<uint8_t>(type);
  Put(section, SectionValue::kValue2, model_->type_value(type, 0));
  Put(section, SectionValue::kValue3, model_->type_value(type, 1));
  if (fields_.has_value4) Put(section, SectionValue::kValue4, model_->type_value(type, 2));
  Recompute(section);
  Changed();
}

bool FamilyCablePage::Rename(const std::string& name) {
  if (!model_->info() || model_->info()->maximum_cables < 1) {
    screen().ShowMessage(Icon::kError, "Ошибка", kNoRoom);
    return false;
  }
  const int cable = selected();
  if (cable < 0) return false;
  for (int i = 0; i < model_->cable_count(); ++i) {
    if (i != cable && model_->name(i) == name) {
      screen().ShowMessage(Icon::kWarning, "ПРЕДУПРЕЖДЕНИЕ", kDuplicate);
      name_focus_ = true;
      Changed();
      return false;
    }
  }
  model_->SetName(cable, name);
  Changed();
  return true;
}

bool FamilyCablePage::TakeNameFocus() {
  const bool focus = name_focus_;
  name_focus_ = false;
  return focus;
}

std::pair<std::string, std::string> FamilyCablePage::KindLabels() {
  if (context().instrument().kind == 12) {
    return {QT_TRANSLATE_NOOP("Pages", "Пл. сеч.(кв. мм):"), QT_TRANSLATE_NOOP("Pages", "ТПЖ :")};
  }
  return {QT_TRANSLATE_NOOP("Pages", "Уд. емк.(нФ/км):"),
          QT_TRANSLATE_NOOP("Pages", "R шлейфа (Ом):")};
}

std::vector<int> FamilyCablePage::Marked() const { return list_.Checked(); }

std::vector<int> FamilyCablePage::MarkedOrWarn() {
  std::vector<int> marked = Marked();
  if (marked.empty()) screen().ShowMessage(Icon::kWarning, "Telvane", kMarkFirst);
  return marked;
}

bool FamilyCablePage::ReceiveFromWholeReading(const std::vector<int>& marked) {
  // The instrument's database into a scratch model; the marked cables take
  // the records at their places, the others keep what the page holds.
  FamilyModel scratch(model_->layout());
  if (!scratch.Read(context())) return false;
  for (int cable : marked) {
    if (scratch.HasCable(cable)) model_->SetRecord(cable, scratch.record(cable));
  }
  model_->Notify();
  return true;
}

bool FamilyCablePage::Receive() {
  const std::vector<int> marked = MarkedOrWarn();
  if (marked.empty()) return false;
  if (list_.AllChecked()) {
    // The whole reading replaces the list; the marks stay on every cable.
    if (!model_->Read(context())) return false;
    list_.CheckAll(true);
  } else if (model_->layout().read_one == 0) {
    if (!ReceiveFromWholeReading(marked)) return false;
  } else {
    for (int cable : marked) {
      if (!model_->ReceiveOne(context(), cable)) return false;
    }
  }
  screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  Changed();
  return true;
}

bool FamilyCablePage::Send() {
  const std::vector<int> marked = MarkedOrWarn();
  if (marked.empty()) return false;
  if (screen().AskYesNo(Icon::kWarning, "ПРЕДУПРЕЖДЕНИЕ", kReplaceQuestion) != Answer::kYes) {
    return false;
  }
  if (list_.AllChecked()) {
    if (!model_->WriteAll(context())) return false;
  } else {
    for (int cable : marked) {
      if (!model_->WriteOne(context(), cable)) return false;
    }
  }
  screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  return true;
}

bool FamilyCablePage::SaveToDatabase() {
  const std::vector<int> marked = Marked();
  if (marked.empty()) {
    screen().ShowMessage(Icon::kInformation, "Информация", kSelectCablesFirst);
    return false;
  }
  return SaveFamilyCables(screen(), *model_, marked);
}

bool FamilyCablePage::OpenFromDatabase() {
  const std::optional<std::vector<int>> read = OpenFamilyCables(screen(), *model_);
  if (!read) return false;
  Fit();
  for (int cable : *read) list_.SetChecked(cable, true);
  if (!read->empty()) Select(read->front());
  Changed();
  return true;
}

void FamilyCablePage::ClearBuffers() {
  list_.Clear();
  section_ = 0;
  Changed();
}

}  // namespace telvane
