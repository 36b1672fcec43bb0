#include "cable/pages/compact_cable_page.h"

#include <algorithm>

#include "base/sprintf.h"
#include "cable/db/legacy_schema.h"
#include "cable/pages/cable_session.h"
#include "cable/pages/compact_name.h"
#include "cable/pages/page_numbers.h"
#include "storage/db/db_session.h"

namespace telvane {
namespace {

constexpr char kWarningCaption[] = "ПРЕДУПРЕЖДЕНИЕ";

CompactCableRecord NewCable(const std::string& name) {
  CompactCableRecord cable;
  cable.set_name(name);
  cable.set_section_count(1);
  cable.set_temperature(static_cast<float>(kHighestTemperature));
  cable.UpdateChecksum();
  return cable;
}

int SectionsInUse(const CompactCableRecord& cable) {
  const int count = cable.section_count();
  return count >= 1 && count <= CompactCableRecord::kSections ? count : 1;
}

}  // namespace

CompactCablePage::CompactCablePage(PageContext& context, std::shared_ptr<CompactModel> model)
    : InstrumentPage(context, PageId::kCompactCables7, "База параметров кабелей"),
      model_(std::move(model)),
      list_(CableCheckList::FromOptions(context.options)) {}

bool CompactCablePage::marked(int entry) const { return list_.checked(entry); }

int CompactCablePage::marked_count() const { return static_cast<int>(list_.Checked().size()); }

const CompactCableRecord* CompactCablePage::selected_cable() const {
  const int entry = list_.selected();
  if (entry < 0 || entry >= size()) return nullptr;
  return &cables_[static_cast<size_t>(entry)];
}

CompactCableRecord* CompactCablePage::selected_mutable() {
  return const_cast<CompactCableRecord*>(selected_cable());
}

std::string CompactCablePage::PositionText() const {
  return Sprintf("№ %d из %d", list_.selected() + 1, size());
}

std::vector<std::string> CompactCablePage::TypeNames() const {
  std::vector<std::string> names;
  for (const auto& type : model_->base.types) names.push_back(type.name());
  return names;
}

std::vector<std::string> CompactCablePage::SectionNames() const {
  std::vector<std::string> names;
  const CompactCableRecord* cable = selected_cable();
  if (cable == nullptr) return names;
  for (int k = 1; k <= SectionsInUse(*cable); ++k) names.push_back(Sprintf("Участок %u", k));
  return names;
}

int CompactCablePage::SectionType() const {
  const CompactCableRecord* cable = selected_cable();
  return cable ? cable->section(section_).type_index : 0;
}

std::string CompactCablePage::DiameterText() const {
  const int type = SectionType();
  if (selected_cable() == nullptr || type >= static_cast<int>(model_->base.types.size())) return {};
  return Sprintf("%.2f", model_->base.types[static_cast<size_t>(type)].core_diameter());
}

std::string CompactCablePage::CapacitanceText() const {
  const int type = SectionType();
  if (selected_cable() == nullptr || type >= static_cast<int>(model_->base.types.size())) return {};
  return Sprintf("%.1f", model_->base.types[static_cast<size_t>(type)].capacitance());
}

std::string CompactCablePage::LengthText() const {
  const CompactCableRecord* cable = selected_cable();
  if (cable == nullptr || length_calculation()) return {};
  return FormatReal(cable->section(section_).length);
}

std::string CompactCablePage::TotalText() const {
  const CompactCableRecord* cable = selected_cable();
  double total = 0;
  if (cable != nullptr) {
    for (int k = 0; k < SectionsInUse(*cable); ++k) total += cable->section(k).length;
  }
  return Sprintf("%.0f", total);
}

bool CompactCablePage::length_calculation() const {
  const CompactCableRecord* cable = selected_cable();
  return cable && cable->length_calculation() == CompactCableRecord::kLengthFromDiameter;
}

bool CompactCablePage::length_calculation_enabled() const {
  const CompactCableRecord* cable = selected_cable();
  return cable && SectionsInUse(*cable) == 1;
}

bool CompactCablePage::can_transfer() { return context().instrument().kind != kNoInstrument; }

void CompactCablePage::Edited() {
  modified_ = true;
  Changed();
}

void CompactCablePage::Select(int entry) {
  if (!list_.Select(entry)) return;
  if (section_ >= SectionsInUse(cables_[static_cast<size_t>(entry)])) section_ = 0;
  Changed();
}

bool CompactCablePage::NameTakenByOther(const std::string& name, int except) const {
  for (int i = 0; i < size(); ++i) {
    if (i != except && cables_[static_cast<size_t>(i)].name() == name) return true;
  }
  return false;
}

std::string CompactCablePage::EditName(const std::string& typed) {
  const std::string name = CleanCompactCableName(typed);
  if (cables_.empty()) {
    cables_.push_back(NewCable(name));
    list_.Resize(size());
  } else if (CompactCableRecord* cable = selected_mutable()) {
    cable->set_name(name);
  }
  Edited();
  return name;
}

bool CompactCablePage::CheckName() {
  const CompactCableRecord* cable = selected_cable();
  if (cable == nullptr || !NameTakenByOther(cable->name(), list_.selected())) return true;
  screen().ShowMessage(Icon::kWarning, kWarningCaption, "Данное имя кабеля уже существует!");
  return false;
}

bool CompactCablePage::Add(const std::string& typed) {
  if (!CheckName()) return false;
  if (size() >= kMaxCompactEntries) {
    screen().ShowMessage(Icon::kWarning, "Переполнение",
                         "Достигнуто максимальное количество записей!!!");
    return false;
  }
  const std::string name = CleanCompactCableName(typed);
  if (NameTakenByOther(name, -1)) {
    screen().ShowMessage(Icon::kWarning, kWarningCaption,
                         Sprintf("Кабель с именем \"%s\" уже существует!", name.c_str()));
    return false;
  }
  cables_.push_back(NewCable(name));
  list_.Resize(size());
  list_.Select(size() - 1);
  section_ = 0;
  Edited();
  return true;
}

void CompactCablePage::SetMarked(int entry, bool on) {
  if (!list_.Selectable(entry)) return;
  if (on && !marked(entry) && marked_count() >= instrument_maximum()) {
    screen().ShowMessage(Icon::kWarning, kWarningCaption,
                         "Достигнуто Максимальное количество помеченных кабелей");
    on = false;
  }
  list_.SetChecked(entry, on);
  Changed();
}

void CompactCablePage::PlusKey() {
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", "Выделить все?") != Answer::kYes) return;
  const int maximum = instrument_maximum();
  int marked = 0;
  for (int i = 0; i < size(); ++i) {
    if (list_.SetChecked(i, marked < maximum) && marked < maximum) ++marked;
  }
  Changed();
  if (size() - list_.locked() > maximum) {
    screen().ShowMessage(Icon::kInformation, "Информация",
                         "Выделено максимальное количество записей.");
  }
}

void CompactCablePage::MinusKey() {
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", "Отменить выделение для всех?") !=
      Answer::kYes) {
    return;
  }
  list_.CheckAll(false);
  Changed();
}

void CompactCablePage::DeleteMarked() {
  if (marked_count() == 0) {
    screen().ShowMessage(Icon::kInformation, "Информация",
                         "Для удаления необходимо пометить соответствующие кабели!");
    return;
  }
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", "Удалить помеченные записи?") != Answer::kYes) {
    return;
  }
  std::vector<CompactCableRecord> kept;
  for (int i = 0; i < size(); ++i) {
    if (!marked(i)) kept.push_back(cables_[static_cast<size_t>(i)]);
  }
  cables_ = std::move(kept);
  list_.Refill(size());
  section_ = 0;
  Edited();
}

void CompactCablePage::SetTemperature(int celsius) {
  CompactCableRecord* cable = selected_mutable();
  if (cable == nullptr) return;
  cable->set_temperature(
      static_cast<float>(std::clamp(celsius, kLowestTemperature, kHighestTemperature)));
  Edited();
}

std::string CompactCablePage::EditSectionCount(const std::string& text) {
  CompactCableRecord* cable = selected_mutable();
  if (cable == nullptr) return {};
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '5') {
    const int count = text[0] - '0';
    cable->set_section_count(static_cast<uint8_t>(count));
    if (section_ >= count) section_ = 0;
    // Only a cable of one section lets the instrument compute its length.
    if (count != 1) cable->set_length_calculation(0);
    Edited();
  }
  return Sprintf("%d", SectionsInUse(*cable));
}

void CompactCablePage::ChooseSection(int section) {
  const CompactCableRecord* cable = selected_cable();
  if (cable == nullptr || section < 0 || section >= SectionsInUse(*cable)) return;
  section_ = section;
  Changed();
}

void CompactCablePage::SetSectionType(int type) {
  CompactCableRecord* cable = selected_mutable();
  if (cable == nullptr || type < 0 || type >= static_cast<int>(model_->base.types.size())) return;
  CompactSection s = cable->section(section_);
  s.type_index = static_cast<uint8_t>(type);
  cable->set_section(section_, s);
  Edited();
}

std::string CompactCablePage::EditLength(const std::string& typed) {
  CompactCableRecord* cable = selected_mutable();
  if (cable == nullptr || length_calculation()) return {};
  const std::string kept = FilterNumericText(typed);
  const float typed_value = ParseReal(kept);
  float value = std::clamp(typed_value, 0.0f, kMaxTotalLength);
  float others = 0;
  for (int k = 0; k < SectionsInUse(*cable); ++k) {
    if (k != section_) others += cable->section(k).length;
  }
  if (value + others > kMaxTotalLength) value = std::max(kMaxTotalLength - others, 0.0f);
  CompactSection s = cable->section(section_);
  s.length = value;
  cable->set_section(section_, s);
  Edited();
  return value == typed_value ? kept : FormatReal(value);
}

void CompactCablePage::SetLengthCalculation(bool on) {
  CompactCableRecord* cable = selected_mutable();
  if (cable == nullptr || !length_calculation_enabled()) return;
  cable->set_length_calculation(on ? CompactCableRecord::kLengthFromDiameter : 0);
  if (on) {
    CompactSection s = cable->section(0);
    s.length = 0;
    cable->set_section(0, s);
  }
  Edited();
}

void CompactCablePage::UpdateChecksums() {
  for (auto& cable : cables_) cable.UpdateChecksum();
}

void CompactCablePage::SaveEdits() {
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", "Сохранить изменения параметров?") !=
      Answer::kYes) {
    return;
  }
  UpdateChecksums();
  held_ = cables_;
  modified_ = false;
  Changed();
}

void CompactCablePage::CancelEdits() {
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", "Отменить редактирование параметров?") !=
      Answer::kYes) {
    return;
  }
  TakeList(held_);
  modified_ = false;
  Changed();
}

void CompactCablePage::TakeList(std::vector<CompactCableRecord> cables) {
  if (cables.size() > static_cast<size_t>(kMaxCompactEntries)) cables.resize(kMaxCompactEntries);
  for (auto& cable : cables) {
    if (cable.section_count() < 1 || cable.section_count() > CompactCableRecord::kSections) {
      cable.set_section_count(1);
    }
  }
  cables_ = std::move(cables);
  list_.Refill(size());
  section_ = 0;
}

bool CompactCablePage::Receive() {
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  CompactBase& base = model_->base;
  if (base.types.empty() && base.counts.types > 0 &&
      !session.transfer().ReceiveCompactTypes(base)) {
    return false;
  }
  if (!session.transfer().ReceiveCompactCables(base)) return false;
  TakeList(base.cables);
  held_ = cables_;
  modified_ = false;
  Changed();
  return true;
}

std::vector<CompactCableRecord> CompactCablePage::BuildImage(bool& left_out) {
  UpdateChecksums();
  std::vector<CompactCableRecord> image(static_cast<size_t>(instrument_maximum()),
                                        CompactCableRecord::Empty());
  size_t next = 0;
  left_out = false;
  for (int i = 0; i < size(); ++i) {
    if (!marked(i)) continue;
    if (next == image.size()) {
      left_out = true;
      break;
    }
    image[next++] = cables_[static_cast<size_t>(i)];
  }
  return image;
}

bool CompactCablePage::Send() {
  if (screen().AskYesNo(
          Icon::kWarning, kWarningCaption,
          "База данных параметров кабелей в приборе будет изменена!\r\nПродолжить?") !=
      Answer::kYes) {
    return false;
  }
  if (cables_.empty() || marked_count() == 0) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Необходимо выбрать хотябы одну запись!");
    return false;
  }
  bool left_out = false;
  const std::vector<CompactCableRecord> image = BuildImage(left_out);
  if (left_out) {
    screen().ShowMessage(Icon::kWarning, kWarningCaption,
                         "Не все выделенные кабели возможно передать на прибор!");
  }
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  if (!session.transfer().SendCompactImage(image)) return false;
  const auto copied = std::count_if(image.begin(), image.end(), [](const CompactCableRecord& slot) {
    return !slot.IsEmptySlot();
  });
  model_->base.counts.cables = static_cast<uint8_t>(copied);
  Changed();
  return true;
}

bool CompactCablePage::CreateDatabase() {
  const auto path = ChooseDatabaseToCreate(screen());
  if (!path) return false;
  UpdateChecksums();
  return ExportLegacyB(screen(), *path, cables_, model_->base.types);
}

bool CompactCablePage::ImportDatabase() {
  const auto path = ChooseDatabaseFile(screen());
  if (!path) return false;
  auto imported = ImportLegacyB(screen(), *path, model_->base.types);
  if (!imported) return false;
  if (imported->size() > static_cast<size_t>(kMaxCompactEntries)) {
    screen().ShowMessage(Icon::kWarning, kWarningCaption,
                         "Достигнуто Максимальное количество записей");
  }
  TakeList(std::move(*imported));
  UpdateChecksums();
  held_ = cables_;
  modified_ = false;
  Changed();
  return true;
}

void CompactCablePage::Start() {
  CableSession session(context());
  if (const InitialData* initial = session.initial()) model_->TakeInitial(*initial);
  if (session.open() && model_->base.counts.types > 0) {
    session.transfer().ReceiveCompactTypes(model_->base);
  }
  Changed();
}

void CompactCablePage::ClearBuffers() {
  model_->base = CompactBase();
  cables_.clear();
  held_.clear();
  list_.Clear();
  section_ = 0;
  modified_ = false;
  Changed();
}

bool CompactCablePage::HandleMenu(MenuCommand command) {
  if (command != MenuCommand::kCreateDatabase) return false;
  CreateDatabase();
  return true;
}

void CompactCablePage::MarkSaved() {
  modified_ = false;
  Changed();
}

}  // namespace telvane
