#include "cable/pages/cable_type_page.h"

#include <cstdlib>

#include "base/sprintf.h"
#include "cable/cable_files.h"
#include "cable/excel_export.h"
#include "cable/pages/cable_session.h"
#include "cable/pages/checked_send.h"
#include "cable/pages/page_numbers.h"

namespace telvane {

CableTypePage::CableTypePage(PageContext& context)
    : InstrumentPage(context, PageId::kCableTypeBase2, "База данных") {
  Rebuild();
}

bool CableTypePage::SearchTransfer(ByteChannel& channel) {
  CableTransfer transfer(channel, screen(), context().instrument());
  return ReadStatusWith(transfer);
}

std::string CableTypePage::EntryText(int slot) const {
  if (slot < 0 || slot >= slot_count()) return {};
  const std::string name = display_[static_cast<size_t>(slot)].name();
  return name.empty() ? std::string(CableTypeRecord::kNameBytes, ' ') : name;
}

bool CableTypePage::checked(int slot) const {
  return slot >= 0 && slot < slot_count() && checks_[static_cast<size_t>(slot)];
}

const CableTypeRecord* CableTypePage::selected_type() const {
  if (selected_ < 0 || selected_ >= slot_count()) return nullptr;
  return &display_[static_cast<size_t>(selected_)];
}

CableTypeRecord* CableTypePage::selected_mutable() {
  return const_cast<CableTypeRecord*>(selected_type());
}

std::string CableTypePage::NameField() const {
  const CableTypeRecord* type = selected_type();
  return type ? type->name() : std::string();
}

std::string CableTypePage::ResistanceField() const {
  const CableTypeRecord* type = selected_type();
  return type ? FormatReal(type->specific_resistance()) : std::string();
}

std::string CableTypePage::FactorField() const {
  const CableTypeRecord* type = selected_type();
  return type ? FormatReal(type->temperature_factor()) : std::string();
}

bool CableTypePage::can_transfer() { return context().instrument().kind != kNoInstrument; }

void CableTypePage::Select(int slot) {
  if (slot < -1 || slot >= slot_count()) return;
  selected_ = slot;
  Changed();
}

void CableTypePage::SetChecked(int slot, bool on) {
  if (slot < 0 || slot >= slot_count()) return;
  // Greyed slots stay unchecked.
  checks_[static_cast<size_t>(slot)] = on && enabled(slot);
  Changed();
}

void CableTypePage::EditName(const std::string& text) {
  if (CableTypeRecord* type = selected_mutable()) type->set_name(text);
  Changed();
}

void CableTypePage::EditResistance(const std::string& text) {
  if (CableTypeRecord* type = selected_mutable()) type->set_specific_resistance(ParseReal(text));
  Changed();
}

void CableTypePage::EditFactor(const std::string& text) {
  if (CableTypeRecord* type = selected_mutable()) type->set_temperature_factor(ParseReal(text));
  Changed();
}

void CableTypePage::Update() { table_.types = display_; }

void CableTypePage::Delete() {
  CableTypeRecord* type = selected_mutable();
  if (type == nullptr) {
    screen().ShowMessage(Icon::kInformation, " ", "Необходимо выбрать запись из списка");
    return;
  }
  const bool keep = type->selected();
  *type = CableTypeRecord();
  type->set_selected(keep);
  Changed();
}

void CableTypePage::Clear() {
  if (screen().AskYesNo(Icon::kWarning, "Предупреждение", "Очистить всю базу?") != Answer::kYes) {
    return;
  }
  for (auto& type : table_.types) type = CableTypeRecord();
  Rebuild();
  selected_ = slot_count() > 0 ? 0 : -1;
  Changed();
}

bool CableTypePage::ReadStatus() {
  CableSession session(context());
  return session.open() && ReadStatusWith(session.transfer());
}

bool CableTypePage::ReadStatusWith(CableTransfer& transfer) {
  if (!transfer.ReadTypeStatus(table_)) return false;
  display_.resize(table_.types.size());
  checks_.resize(table_.types.size(), false);
  for (int i = 0; i < slot_count(); ++i) {
    if (!enabled(i)) checks_[static_cast<size_t>(i)] = false;
  }
  if (selected_ >= slot_count()) selected_ = slot_count() > 0 ? 0 : -1;
  Changed();
  return true;
}

bool CableTypePage::Receive() {
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  if (!session.transfer().ReceiveCableTypes(table_)) return false;
  Rebuild();
  Changed();
  return true;
}

bool CableTypePage::Send() {
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  CableTransfer& transfer = session.transfer();
  const int table_size = static_cast<int>(table_.types.size());
  const int count = std::min(table_.current, table_size);
  bool ok = false;
  if (count <= 0) {
    ok = transfer.SendCableTypes(table_, table_size);
  } else {
    CheckedSend send;
    for (int i = 0; i < count; ++i) send.checks.push_back(checked(i));
    send.send_all = [&] { return transfer.SendCableTypes(table_, count); };
    send.send_one = [&](int slot) { return transfer.SendCableType(table_, slot); };
    ok = SendChecked(screen(), send);
  }
  if (ok) ReadStatusWith(transfer);
  return ok;
}

void CableTypePage::Rebuild() {
  display_ = table_.types;
  checks_.assign(display_.size(), false);
  for (int i = 0; i < slot_count(); ++i) checks_[static_cast<size_t>(i)] = enabled(i);
  if (selected_ >= slot_count()) selected_ = slot_count() > 0 ? 0 : -1;
}

void CableTypePage::ClearBuffers() {
  table_ = CableTypeTable();
  selected_ = 0;
  Rebuild();
  Changed();
}

bool CableTypePage::HandleMenu(MenuCommand command) {
  Screen& s = screen();
  // Files hold what the page shows: the display copy.
  CableTypeTable shown = table_;
  shown.types = display_;
  switch (command) {
    case MenuCommand::kOpenBase:
    case MenuCommand::kOpenText: {
      const bool text = command == MenuCommand::kOpenText;
      const auto choice = s.ChooseOpenFile(text ? CableTypeTextDialog() : CableTypeFileDialog());
      if (!choice) return true;
      CableTypeTable loaded = table_;
      const bool ok = text ? LoadCableTypeText(s, loaded, choice->path)
                           : LoadCableTypeFile(s, loaded, choice->path);
      if (ok) {
        // The records read become the type table and their number the
        // current count, so saving writes back just as many; the database
        // size shown stays the instrument's unless the file holds more.
        loaded.maximum = std::max<int>(table_.maximum, static_cast<int>(loaded.types.size()));
        table_ = std::move(loaded);
        Rebuild();
        Changed();
      }
      return true;
    }
    case MenuCommand::kSaveBase:
    case MenuCommand::kSaveAsText: {
      const bool text = command == MenuCommand::kSaveAsText;
      const auto choice = s.ChooseSaveFile(text ? CableTypeTextDialog() : CableTypeFileDialog());
      if (!choice) return true;
      if (text) {
        SaveCableTypeText(s, shown, choice->path);
      } else {
        SaveCableTypeFile(s, shown, choice->path);
      }
      return true;
    }
    case MenuCommand::kSaveExcel:
      ExportCableTypesToExcel(s, shown);
      return true;
    default:
      return false;
  }
}

}  // namespace telvane
