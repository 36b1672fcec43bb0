#include "cable/reflectograms/reflectogram_page.h"

#include <algorithm>

#include "base/file_messages.h"
#include "base/sprintf.h"
#include "storage/db/current_schema.h"
#include "storage/db/jet_sql.h"
#include "storage/trace/plot/record_trace.h"
#include "storage/trace/trace_dispatch.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {

namespace {

constexpr char kDatabaseDialogTitle[] = "Open a Database file";

bool IsDatabasePath(const std::string& path) {
  const size_t dot = path.find_last_of("./");
  return dot != std::string::npos && path[dot] == '.' && LowerAscii(path.substr(dot + 1)) == "mdb";
}

}  // namespace

std::array<uint8_t, 3> ReflectogramNumber(int cable, int slot) {
  return {static_cast<uint8_t>(cable), static_cast<uint8_t>(slot), 0};
}

ReflectogramPage::ReflectogramPage(PageContext& context, PageId id, TracePage generation,
                                   std::shared_ptr<ReflectometerCables> cables)
    : InstrumentPage(context, id, QT_TRANSLATE_NOOP("Tabs", "БД рефлектограмм")),
      generation_(generation),
      facts_(context.facts),
      cables_(std::move(cables)),
      empty_record_(generation == TracePage::kOlder ? RecordForm::kCompact
                                                    : RecordForm::kExtended) {}

RecordForm ReflectogramPage::form() const {
  return generation_ == TracePage::kOlder ? RecordForm::kCompact : RecordForm::kExtended;
}

uint8_t ReflectogramPage::receive_code() const {
  return generation_ == TracePage::kOlder ? 0x57 : 0x67;
}

uint8_t ReflectogramPage::send_code() const {
  return generation_ == TracePage::kOlder ? 0x58 : 0x68;
}

int ReflectogramPage::firmware() const {
  if (generation_ == TracePage::kOlder) return 0;
  return facts_.version ? FirmwareThousandths(*facts_.version) : 0;
}

int ReflectogramPage::sample_count() const {
  return generation_ == TracePage::kOlder ? 128 : ExtendedSampleCount(firmware());
}

size_t ReflectogramPage::wire_length() const {
  return generation_ == TracePage::kOlder ? ReflectogramRecord::kCompactSize
                                          : ExtendedUsedLength(firmware());
}

bool ReflectogramPage::coordination_shown() const {
  return generation_ == TracePage::kNewer && firmware() >= kFirmwareLongName;
}

std::vector<std::string> ReflectogramPage::CableNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < cables_->cable_count(); ++i) names.push_back(cables_->cable_name(i));
  return names;
}

int ReflectogramPage::current_cable() const {
  const int count = cables_->cable_count();
  if (count <= 0) return -1;
  return std::clamp(current_cable_, 0, count - 1);
}

bool ReflectogramPage::marked(int slot) const {
  return slot >= 0 && slot < kReflectogramSlots && marks_[static_cast<size_t>(slot)];
}

uint8_t ReflectogramPage::slot_status(int slot) const {
  const int cable = current_cable();
  if (cable < 0 || slot < 0 || slot >= kReflectogramSlots) return kSlotEmpty;
  return cables_->slot_status(cable, slot);
}

std::vector<std::string> ReflectogramPage::SlotLines() const {
  std::vector<std::string> lines;
  if (current_cable() < 0) return lines;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    lines.push_back(SlotLine(slot_status(slot), slot));
  }
  return lines;
}

const ReflectogramRecord& ReflectogramPage::record(int slot) const {
  const int cable = current_cable();
  if (cable < 0 || slot < 0 || slot >= kReflectogramSlots ||
      static_cast<size_t>(cable) >= records_.size()) {
    return empty_record_;
  }
  return records_[static_cast<size_t>(cable)][static_cast<size_t>(slot)];
}

ReflectogramRecord& ReflectogramPage::mutable_record(int cable, int slot) {
  if (records_.size() <= static_cast<size_t>(cable)) {
    records_.resize(static_cast<size_t>(cable) + 1,
                    std::vector<ReflectogramRecord>(kReflectogramSlots, empty_record_));
  }
  return records_[static_cast<size_t>(cable)][static_cast<size_t>(slot)];
}

const ScaleTable& ReflectogramPage::scales() const {
  return Scales(generation_ == TracePage::kOlder ? Family::k343 : Family::k435);
}

std::vector<PlotTrace> ReflectogramPage::PlotTraces() const {
  std::vector<PlotTrace> traces;
  const int cable = current_cable();
  if (cable < 0) return traces;
  std::vector<int> slots = {current_slot_};
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (slot != current_slot_ && marked(slot)) slots.push_back(slot);
  }
  const CableBlock& block = cables_->cable_block(cable);
  const float k = block.velocity_factor();
  const double view_k = k > 0 ? k : 1.0;
  for (const int slot : slots) {
    if (slot_status(slot) != kSlotValid) continue;
    const ReflectogramRecord& rec = record(slot);
    const TraceSettings settings = rec.settings();
    // The table gives the range at k = 1; the trace's scale takes it at the
    // cable's k. A setting beyond its table leaves the trace without a scale.
    const double range = ScaleValue(scales().range_m, settings.diap).value_or(0) / view_k;
    const double stretch = ScaleValue(scales().stretch, settings.rast).value_or(1);
    traces.push_back(
        TraceFromRecord(rec, sample_count(), block, range, stretch, SlotLine(kSlotValid, slot)));
  }
  return traces;
}

SlotPanel ReflectogramPage::Panel() const {
  if (slot_status(current_slot_) != kSlotValid) return EmptySlotPanel();
  SlotPanel panel = ValidSlotPanel(record(current_slot_), scales(), sample_count());
  if (!coordination_shown()) panel.coordination.clear();
  return panel;
}

void ReflectogramPage::SelectCable(int cable) {
  if (cable < 0 || cable >= cables_->cable_count()) return;
  current_cable_ = cable;
  marks_.fill(false);
  Rebuild();
}

void ReflectogramPage::SetCursor(int slot) {
  if (slot < 0 || slot >= kReflectogramSlots) return;
  current_slot_ = slot;
  Changed();
}

void ReflectogramPage::SetMarked(int slot, bool on) {
  if (slot < 0 || slot >= kReflectogramSlots) return;
  marks_[static_cast<size_t>(slot)] = on;
  Changed();
}

void ReflectogramPage::SetDatabaseMode(bool on) {
  database_mode_ = on;
  Changed();
}

void ReflectogramPage::ClearInvalidMarks() {
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    const uint8_t status = slot_status(slot);
    if (status != kSlotEmpty && status != kSlotValid) marks_[static_cast<size_t>(slot)] = false;
  }
}

void ReflectogramPage::Rebuild() {
  ClearInvalidMarks();
  Changed();
}

void ReflectogramPage::ClearBuffers() {
  records_.clear();
  marks_.fill(false);
  current_cable_ = 0;
  current_slot_ = 0;
  Changed();
}

bool ReflectogramPage::ReceiveSlot(int cable, int slot) {
  ReflectogramRecord received(form());
  const std::array<uint8_t, 3> number = ReflectogramNumber(cable, slot);
  const std::span<uint8_t> destination = received.bytes().first(wire_length());
  if (!context().transactions().ReceiveNumbered(context().instrument().address(), receive_code(),
                                                number, destination)) {
    return false;
  }
  mutable_record(cable, slot) = received;
  cables_->set_slot_status(cable, slot, kSlotValid);
  return true;
}

bool ReflectogramPage::SendSlot(int cable, int slot) {
  const ReflectogramRecord& source = mutable_record(cable, slot);
  const std::array<uint8_t, 3> number = ReflectogramNumber(cable, slot);
  return context().transactions().SendNumbered(context().instrument().address(), send_code(),
                                               number, source.bytes().first(wire_length()));
}

bool ReflectogramPage::Receive() {
  const int cable = current_cable();
  if (cable < 0) return true;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (slot_status(slot) != kSlotValid) marks_[static_cast<size_t>(slot)] = false;
  }
  if (!marked(current_slot_) && slot_status(current_slot_) == kSlotValid) {
    marks_[static_cast<size_t>(current_slot_)] = true;
  }
  bool all = true;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (marked(slot) && !ReceiveSlot(cable, slot)) all = false;
  }
  Rebuild();
  return all;
}

bool ReflectogramPage::Send() {
  const int cable = current_cable();
  if (cable < 0) return true;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (slot_status(slot) != kSlotValid) marks_[static_cast<size_t>(slot)] = false;
  }
  if (!marked(current_slot_) && slot_status(current_slot_) == kSlotValid) {
    switch (screen().AskYesNoCancel(Icon::kQuestion, kProgramCaption, kSendCurrentQuestion)) {
      case Answer::kYes:
        marks_[static_cast<size_t>(current_slot_)] = true;
        break;
      case Answer::kNo:
        break;
      case Answer::kCancel:
        Changed();
        return false;
    }
  }
  bool all = true;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (marked(slot) && !SendSlot(cable, slot)) all = false;
  }
  Rebuild();
  return all;
}

bool ReflectogramPage::CableBlockComplete(int cable) {
  const CableBlock& block = cables_->cable_block(cable);
  const int count = block.section_count();
  if (count < 1 || count > CableBlock::kMaxSections) return false;
  for (int i = 0; i < count; ++i) {
    const CableBlockSection s = block.section(i);
    if (!(s.length > 0 && s.length_in_points > 0 && s.third > 0 && s.fourth > 0)) return false;
  }
  return true;
}

bool ReflectogramPage::SaveSlot(int cable, int slot, const std::string& path) {
  const ReflectogramRecord& rec = mutable_record(cable, slot);
  if (IsDatabasePath(path)) {
    return StoreReflectogram(screen(), path, cables_->cable_name(cable), rec, sample_count(),
                             generation_ == TracePage::kNewer);
  }
  return SaveTrace(screen(), path, generation_, firmware(), cables_->cable_block(cable), rec);
}

bool ReflectogramPage::Save() {
  const int cable = current_cable();
  bool any = false;
  bool all = true;
  bool parameters_asked = false;
  std::optional<std::string> database;
  for (int slot = 0; cable >= 0 && slot < kReflectogramSlots; ++slot) {
    if (!marked(slot)) continue;
    any = true;
    if (generation_ == TracePage::kOlder && !parameters_asked && !CableBlockComplete(cable)) {
      parameters_asked = true;
      cables_->ReceiveCableParameters(context().transactions(), context().instrument().address(),
                                      cable);
    }
    std::string path;
    if (database_mode_) {
      if (!database) {
        FileDialog dialog = DatabaseDialog();
        dialog.title = kDatabaseDialogTitle;
        const auto choice = screen().ChooseOpenFile(dialog);
        if (!choice) return false;
        database = choice->path;
      }
      path = *database;
    } else {
      FileDialog dialog;
      dialog.filters = TraceFileFilters(generation_);
      dialog.default_extension = "rfg";
      const auto choice = screen().ChooseSaveFile(dialog);
      if (!choice) return false;
      path = choice->path;
    }
    if (!SaveSlot(cable, slot, path)) all = false;
  }
  if (!any) {
    screen().ShowMessage(Icon::kWarning, kProgramCaption, kNothingMarked);
    return false;
  }
  Rebuild();
  return all;
}

std::vector<int> ReflectogramPage::OpenTargets() const {
  std::vector<int> targets;
  if (current_cable() < 0) return targets;
  for (int slot = 0; slot < kReflectogramSlots; ++slot) {
    if (marked(slot) || slot == current_slot_) targets.push_back(slot);
  }
  return targets;
}

bool ReflectogramPage::OpenFiles(int cable, const std::vector<int>& targets) {
  bool all = true;
  for (const int slot : targets) {
    FileDialog dialog;
    dialog.filters = TraceFileFilters(generation_);
    dialog.default_extension = "rfg";
    const auto choice = screen().ChooseOpenFile(dialog);
    if (!choice) return false;
    // The block and record change only when the whole file was read.
    CableBlock block = cables_->cable_block(cable);
    ReflectogramRecord read(form());
    if (!OpenTrace(screen(), choice->path, generation_, firmware(), block, read)) {
      all = false;
      continue;
    }
    cables_->cable_block(cable) = block;
    mutable_record(cable, slot) = read;
    cables_->set_slot_status(cable, slot, kSlotValid);
  }
  return all;
}

bool ReflectogramPage::OpenDatabase(int cable, const std::vector<int>& targets) {
  FileDialog dialog = DatabaseDialog();
  dialog.title = kDatabaseDialogTitle;
  const auto choice = screen().ChooseOpenFile(dialog);
  if (!choice) return false;
  if (!IsDatabasePath(choice->path)) {
    ShowFileError(screen(), kUnknownFormat, choice->path);
    return false;
  }
  const auto headers = ListReflectograms(screen(), choice->path);
  if (!headers) return false;
  std::vector<std::string> labels;
  for (const DbStoredReflectogram& header : *headers) labels.push_back(header.Label());
  if (labels.empty()) {
    screen().ShowMessage(Icon::kWarning, kNothingChosenCaption, kNothingChosen);
    return false;
  }
  bool all = true;
  bool opened = false;
  for (const int slot : targets) {
    const auto index = screen().ChooseFromList(Sprintf("РФГ №%.2d", slot + 1), labels, 0);
    if (!index || *index < 0 || static_cast<size_t>(*index) >= headers->size()) {
      if (!opened) screen().ShowMessage(Icon::kWarning, kNothingChosenCaption, kNothingChosen);
      return false;
    }
    ReflectogramRecord read(form());
    if (!ReadReflectogram(screen(), choice->path, (*headers)[static_cast<size_t>(*index)], read)) {
      all = false;
      continue;
    }
    mutable_record(cable, slot) = read;
    cables_->set_slot_status(cable, slot, kSlotValid);
    opened = true;
  }
  return all;
}

bool ReflectogramPage::Open() {
  const int cable = current_cable();
  const std::vector<int> targets = OpenTargets();
  if (targets.empty()) {
    screen().ShowMessage(Icon::kWarning, kProgramCaption, kNothingMarked);
    return false;
  }
  const bool ok = database_mode_ ? OpenDatabase(cable, targets) : OpenFiles(cable, targets);
  Rebuild();
  return ok;
}

OlderReflectogramPage::OlderReflectogramPage(PageContext& context,
                                             std::shared_ptr<ReflectometerCables> cables)
    : ReflectogramPage(context, PageId::kReflectograms10, TracePage::kOlder, std::move(cables)) {}

NewerReflectogramPage::NewerReflectogramPage(PageContext& context,
                                             std::shared_ptr<ReflectometerCables> cables)
    : ReflectogramPage(context, PageId::kReflectograms11, TracePage::kNewer, std::move(cables)) {}

}  // namespace telvane
