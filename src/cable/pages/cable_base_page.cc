#include "cable/pages/cable_base_page.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "cable/cable_files.h"
#include "cable/excel_export.h"
#include "cable/pages/cable_session.h"
#include "cable/pages/full_family_storage.h"

namespace telvane {
namespace {

constexpr auto kSingleCablePause = std::chrono::milliseconds(300);
constexpr auto kPlannedPause = std::chrono::milliseconds(200);
constexpr char kChooseOne[] = "Необходимо выбрать хотябы одну запись";

// Bytes 0 to 260 of a cable record; byte 261 stays.
void ClearRecord(CableRecord& cable) {
  auto& bytes = cable.mutable_bytes();
  std::fill(bytes.begin(), bytes.begin() + 261, uint8_t{0});
}

}  // namespace

CableBasePage::CableBasePage(PageContext& context, std::shared_ptr<FullFamilyModel> model)
    : InstrumentPage(context, PageId::kCableNames6, "База кабелей"), model_(std::move(model)) {
  model_->SetLocked(context.options.locked_leading_entries);
  model_->AddListener([this] { Changed(); });
}

std::vector<std::string> CableBasePage::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < model_->Count(); ++i) names.push_back(model_->base.cables[i].name());
  return names;
}

bool CableBasePage::checked(int cable) const {
  return cable >= 0 && cable < kMaxCables && model_->checks[static_cast<size_t>(cable)];
}

bool CableBasePage::can_transfer() { return context().instrument().kind != kNoInstrument; }

void CableBasePage::SetChecked(int cable, bool on) {
  if (!model_->Selectable(cable)) return;
  model_->checks[static_cast<size_t>(cable)] = on;
  model_->Notify();
}

void CableBasePage::ChooseDatabase(int index) {
  model_->database = index >= 0 && index < kFullDatabaseCount ? index : 0;
  model_->Notify();
}

void CableBasePage::Shown() {
  if (model_->database < 0 || model_->database >= kFullDatabaseCount) model_->database = 0;
  model_->Select(model_->selected());
}

bool CableBasePage::AllChecked() const {
  for (int i = 0; i < model_->Count(); ++i) {
    if (!checked(i)) return false;
  }
  return true;
}

bool CableBasePage::AnyChecked() const {
  for (int i = 0; i < model_->Count(); ++i) {
    if (checked(i)) return true;
  }
  return false;
}

void CableBasePage::Unavailable() {
  screen().ShowMessage(Icon::kInformation, "", "Данная функция недоступна");
}

void CableBasePage::Clear() {
  if (model_->database != static_cast<int>(FullDatabase::kParameters)) {
    Unavailable();
    return;
  }
  if (screen().AskYesNo(Icon::kWarning, "Предупреждение", "Очистить всю базу?") != Answer::kYes) {
    return;
  }
  for (auto& cable : model_->base.cables) ClearRecord(cable);
  model_->checks.assign(kMaxCables, true);
  model_->SetLocked(model_->locked());
  model_->Select(model_->locked());
}

bool CableBasePage::Send() {
  if (model_->database != static_cast<int>(FullDatabase::kParameters)) {
    Unavailable();
    return false;
  }
  return SendParameters();
}

bool CableBasePage::Receive() {
  switch (static_cast<FullDatabase>(model_->database)) {
    case FullDatabase::kParameters:
      return ReceiveParameters();
    case FullDatabase::kPlanned:
      return ReceivePlanned();
    default:
      Unavailable();
      return false;
  }
}

bool CableBasePage::SendParameters() {
  const int count = model_->Count();
  if (count > 0 && !AnyChecked()) return false;  // nothing is sent
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  CableTransfer& transfer = session.transfer();
  if (count == 0 || AllChecked()) return transfer.SendCableRecords(model_->base, count);
  bool first = true;
  for (int i = 0; i < count; ++i) {
    if (!checked(i)) continue;
    if (!first) std::this_thread::sleep_for(kSingleCablePause);
    first = false;
    if (!transfer.SendCableRecord(model_->base, i)) {
      screen().ShowMessage(Icon::kError, "Ошибка", "Неудачная попытка вызова OnTXDSingleRecord6");
      return false;
    }
  }
  screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  return true;
}

bool CableBasePage::ReceiveParameters() {
  const int count = model_->Count();
  const bool all = AllChecked();
  if (!all && !AnyChecked()) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kChooseOne);
    return false;
  }
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  CableTransfer& transfer = session.transfer();
  bool ok = true;
  if (all) {
    ok = transfer.ReceiveCableRecords(model_->base, count);
  } else {
    for (int i = 0; i < count; ++i) {
      if (checked(i)) ClearRecord(model_->base.cables[static_cast<size_t>(i)]);
    }
    for (int i = 0; i < count && ok; ++i) {
      if (!checked(i)) continue;
      if (!transfer.ReceiveCableRecord(model_->base, i)) {
        screen().ShowMessage(Icon::kError, "Ошибка", "Неудачная попытка вызова OnRCVSingleRecord6");
        ok = false;
      }
    }
  }
  model_->Notify();
  return ok;
}

bool CableBasePage::ReceivePlanned() {
  const int count = model_->Count();
  if (count == 0 || !AnyChecked()) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kChooseOne);
    return false;
  }
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  bool ok = true;
  bool first = true;
  for (int i = 0; i < count && ok; ++i) {
    if (!checked(i)) continue;
    if (!first) std::this_thread::sleep_for(kPlannedPause);
    first = false;
    if (!session.transfer().ReceivePlanned(model_->base, i)) {
      screen().ShowMessage(Icon::kError, "Ошибка", "Неудачная попытка вызова OnRCVPlanIzm6");
      ok = false;
    }
  }
  if (ok) screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  model_->Notify();
  return ok;
}

bool CableBasePage::Save() {
  const int cable = model_->selected();
  const int database = model_->database;
  const bool exported = ExportCableToExcel(screen(), model_->base, cable, database);
  // The database gets the same data unless the export refused the choice.
  if (database == static_cast<int>(FullDatabase::kParameters) ||
      database == static_cast<int>(FullDatabase::kPlanned)) {
    SaveToDatabase(cable);
  }
  return exported;
}

void CableBasePage::SaveToDatabase(int cable) {
  if (cable < 0 || cable >= model_->Count()) return;
  if (model_->database == static_cast<int>(FullDatabase::kParameters)) {
    SaveParametersToLegacyA(screen(), model_->base.cables[static_cast<size_t>(cable)]);
  } else {
    SavePlannedToCurrentSchema(screen(), model_->base, cable);
  }
}

void CableBasePage::ClearBuffers() {
  model_->Reset();
  model_->Notify();
}

bool CableBasePage::HandleMenu(MenuCommand command) {
  Screen& s = screen();
  switch (command) {
    case MenuCommand::kOpenBase: {
      const auto choice = s.ChooseOpenFile(CableBaseFileDialog());
      if (choice && LoadCableBaseFile(s, model_->base, choice->path))
        model_->Select(model_->locked());
      model_->Notify();
      return true;
    }
    case MenuCommand::kSaveBase: {
      if (const auto choice = s.ChooseSaveFile(CableBaseFileDialog())) {
        SaveCableBaseFile(s, model_->base, choice->path);
      }
      return true;
    }
    case MenuCommand::kSaveAsText: {
      if (const auto choice = s.ChooseSaveFile(CableBaseReportDialog())) {
        SaveCableBaseReport(s, model_->base, choice->path);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace telvane
