#include "cable/family/family435_cable_page.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/translatable.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr size_t kSectionsOffset = 15;
constexpr size_t kSectionSize = 21;
constexpr size_t kPairsOffset = 2;
constexpr size_t kSectionCountOffset = 4;
constexpr size_t kTemperatureOffset = 5;
constexpr size_t kNumberOffset = 9;
constexpr size_t kOptionOffset = 10;

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

Family435CablePage::Family435CablePage(PageContext& context, std::shared_ptr<FamilyModel> model)
    : InstrumentPage(context, PageId::kCables11,
                     QT_TRANSLATE_NOOP("Tabs", "БД параметров кабелей")),
      model_(std::move(model)),
      list_(CableCheckList::FromOptions(context.options)) {
  model_->AddListener([this] {
    Fit();
    Changed();
  });
  // The model may hold a database already (the information page read it).
  Fit();
}

void Family435CablePage::Fit() {
  const int before = list_.selected();
  list_.Resize(model_->cable_count());
  if (list_.selected() != before) section_ = 0;
  if (section_ >= SectionCount()) section_ = 0;
}

std::vector<std::string> Family435CablePage::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < model_->cable_count(); ++i) names.push_back(model_->name(i));
  return names;
}

bool Family435CablePage::checked(int cable) const { return list_.checked(cable); }

void Family435CablePage::SetChecked(int cable, bool on) {
  if (!list_.SetChecked(cable, on)) return;
  Changed();
}

int Family435CablePage::selected() const { return list_.selected(); }

void Family435CablePage::Select(int cable) {
  if (!list_.Select(cable)) return;
  section_ = 0;
  Changed();
}

int Family435CablePage::pairs() const {
  const auto record = model_->block_bytes(selected());
  return record.empty() ? 0 : LoadLe16(record.data() + kPairsOffset);
}

bool Family435CablePage::SetPairs(int pairs) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || pairs < 1 || pairs > 2000) return false;
  StoreLe16(static_cast<uint16_t>(pairs), record.data() + kPairsOffset);
  Changed();
  return true;
}

std::string Family435CablePage::TemperatureText() const {
  const auto record = model_->block_bytes(selected());
  if (record.empty()) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.0f",
                static_cast<double>(LoadLeFloat(record.data() + kTemperatureOffset)));
  return text;
}

bool Family435CablePage::SetTemperature(int celsius) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || celsius < -10 || celsius > 20) return false;
  StoreLeFloat(static_cast<float>(celsius), record.data() + kTemperatureOffset);
  Changed();
  return true;
}

int Family435CablePage::number() const {
  const auto record = model_->block_bytes(selected());
  return record.empty() ? 0 : record[kNumberOffset];
}

void Family435CablePage::SetNumber(int number) {
  const auto record = model_->block_bytes(selected());
  if (record.empty() || number < 0 || number > 255) return;
  record[kNumberOffset] = static_cast<uint8_t>(number);
  Changed();
}

bool Family435CablePage::option() const {
  const auto record = model_->block_bytes(selected());
  return !record.empty() && record[kOptionOffset] != 0;
}

void Family435CablePage::SetOption(bool on) {
  const auto record = model_->block_bytes(selected());
  if (record.empty()) return;
  record[kOptionOffset] = on ? 1 : 0;
  Changed();
}

int Family435CablePage::SectionCount() const {
  const auto record = model_->block_bytes(selected());
  if (record.empty()) return 0;
  return std::min<int>(record[kSectionCountOffset], kFamily435Sections);
}

std::vector<std::string> Family435CablePage::SectionLines() const {
  std::vector<std::string> lines;
  for (int i = 1; i <= SectionCount(); ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "Участок №%.2d", i);
    lines.push_back(line);
  }
  return lines;
}

void Family435CablePage::SelectSection(int section) {
  if (section < 0 || section >= SectionCount()) return;
  section_ = section;
  Changed();
}

const uint8_t* Family435CablePage::SectionBytes() const {
  if (section_ >= SectionCount()) return nullptr;
  return model_->block_bytes(selected()).data() + kSectionsOffset +
         kSectionSize * static_cast<size_t>(section_);
}

uint8_t* Family435CablePage::SectionBytes() {
  if (section_ >= SectionCount()) return nullptr;
  return model_->block_bytes(selected()).data() + kSectionsOffset +
         kSectionSize * static_cast<size_t>(section_);
}

int Family435CablePage::section_type() const {
  const uint8_t* section = SectionBytes();
  return section == nullptr ? -1 : section[0];
}

std::string Family435CablePage::ValueText(SectionValue value) const {
  const uint8_t* section = SectionBytes();
  if (section == nullptr) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(Get(section, value)));
  return text;
}

void Family435CablePage::Recompute(uint8_t* section) {
  const double product = static_cast<double>(Get(section, SectionValue::kValue1)) *
                         static_cast<double>(Get(section, SectionValue::kValue3)) * 2.0 / 3.0;
  Put(section, SectionValue::kDerived, static_cast<float>(std::trunc(product)));
}

void Family435CablePage::EditValue(SectionValue value, const std::string& text) {
  uint8_t* section = SectionBytes();
  const std::optional<float> parsed = ParseValue(text);
  if (section != nullptr && parsed && value != SectionValue::kDerived) {
    float v = *parsed;
    if (value == SectionValue::kValue3) v = std::clamp(v, 1.0f, 7.0f);
    Put(section, value, v);
    if (value == SectionValue::kValue1 || value == SectionValue::kValue3) Recompute(section);
  }
  // The stored value is shown again either way.
  Changed();
}

std::vector<std::string> Family435CablePage::TypeNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < static_cast<int>(model_->types().size()); ++i) {
    names.push_back(model_->type_name(i));
  }
  return names;
}

bool Family435CablePage::LoadTypes() {
  if (!model_->types().empty()) return true;
  return model_->ReadTypes(context());
}

void Family435CablePage::ChooseType(int type) {
  uint8_t* section = SectionBytes();
  if (section == nullptr || type < 0 || type >= static_cast<int>(model_->types().size())) return;
  section[0] = static_cast<uint8_t>(type);
  Put(section, SectionValue::kValue2, model_->type_value(type, 0));
  Put(section, SectionValue::kValue3, model_->type_value(type, 1));
  Put(section, SectionValue::kValue4, model_->type_value(type, 2));
  Recompute(section);
  Changed();
}

bool Family435CablePage::Rename(const std::string& name) {
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

bool Family435CablePage::TakeNameFocus() {
  const bool focus = name_focus_;
  name_focus_ = false;
  return focus;
}

std::pair<std::string, std::string> Family435CablePage::KindLabels() {
  if (context().instrument().kind == 12) {
    return {QT_TRANSLATE_NOOP("Pages", "Пл. сеч.(кв. мм):"), QT_TRANSLATE_NOOP("Pages", "ТПЖ :")};
  }
  return {QT_TRANSLATE_NOOP("Pages", "Уд. емк.(нФ/км):"),
          QT_TRANSLATE_NOOP("Pages", "R шлейфа (Ом):")};
}

std::vector<int> Family435CablePage::MarkedOrWarn() {
  const std::vector<int> marked = list_.Checked();
  if (marked.empty()) screen().ShowMessage(Icon::kWarning, "Telvane", kMarkFirst);
  return marked;
}

bool Family435CablePage::Receive() {
  const std::vector<int> marked = MarkedOrWarn();
  if (marked.empty()) return false;
  for (int cable : marked) {
    if (!model_->ReceiveOne(context(), cable)) return false;
  }
  screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  return true;
}

bool Family435CablePage::Send() {
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

void Family435CablePage::ClearBuffers() {
  list_.Clear();
  section_ = 0;
  Changed();
}

}  // namespace telvane
