#include "app/main_controller.h"

#include <cstdio>

#include "app/first_transfer.h"

namespace telvane {

std::string SpeedText(unsigned long baud) {
  char text[32];
  std::snprintf(text, sizeof text, "%lu ", baud);
  return std::string(text) + "бит/сек";
}

MainController::MainController(Screen& screen, LinkControl& link, const AppOptions& options,
                               const PageMaker& make_page)
    : screen_(screen),
      link_(link),
      context_{screen, link, options, facts_},
      pages_(context_, make_page) {
  tabs_ = TabsForKind(kNoInstrument, facts_);
  speed_text_ = SpeedText(kDefaultBaudRate);
}

std::optional<PageId> MainController::shown_page() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(tabs_.size())) return std::nullopt;
  return tabs_[static_cast<size_t>(selected_)].page;
}

void MainController::Notify() {
  if (view_) view_->StateChanged();
}

void MainController::Splash(bool visible) {
  if (view_) view_->ShowSplash(visible);
}

void MainController::SetSpeed(unsigned long baud) { speed_text_ = SpeedText(baud); }

void MainController::BuildForKind() {
  const uint8_t k = kind();
  tabs_ = TabsForKind(k, facts_);
  if (selected_ >= static_cast<int>(tabs_.size())) selected_ = 0;
  menu_ = MenuForKind(k);
  end_enabled_ = IsBinaryInstrument(k);
  pages_.info().ShowInstrument();
}

void MainController::Construct() {
  pages_.ClearAll();
  if (startup_session_) {
    const std::function<void()> open = std::move(startup_session_);
    startup_session_ = nullptr;
    open();
    return;
  }
  Splash(true);
  link_.Search(screen_);
  Splash(false);
}

void MainController::Initialize() {
  selected_ = 0;
  BuildForKind();
  SetSpeed(link_.baud_rate());
  Notify();
}

void MainController::RunFirstTransfer() {
  telvane::RunFirstTransfer(kind(), pages_, context_);
  // The first transfer may have read the version that decides some tabs.
  BuildForKind();
  Notify();
}

void MainController::OnFirstShown() {
  end_enabled_ = IsBinaryInstrument(kind());
  adapter_checked_ = link_.irda_adapter();
  Notify();
}

bool MainController::OnTimer() {
  if (timer_fired_) return false;
  timer_fired_ = true;
  InstrumentInfo& info = link_.info();
  if (info.kind != kNoInstrument || info.session) return false;

  bool found = false;
  {
    WaitCursor hourglass(screen_);
    Splash(true);
    selected_ = 0;
    Notify();
    found = TryText();
    Splash(false);
  }
  if (found) {
    ShowTextInstrument();
  } else {
    screen_.ShowMessage(Icon::kWarning, kProgramName, kNothingFound);
  }
  link_.info().session = true;
  if (kind() == kTextInstrument) {
    selected_ = 0;
    BuildForKind();
  }
  Notify();
  return false;
}

bool MainController::TryText() {
  std::vector<TextPlannedRecord> records;
  const TextReceivingHook receiving = [this](const std::string& name, const std::string& speed) {
    pages_.info().SetFields(name, "");
    speed_text_ = speed;
    Notify();
    screen_.Repaint();
  };
  if (!link_.TryTextInstrument(screen_, receiving, records)) return false;
  pages_.text_planned().SetRecords(std::move(records));
  return true;
}

void MainController::ShowTextInstrument() { pages_.info().ShowInstrument(); }

void MainController::SelectTab(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
  selected_ = index;
  Notify();
}

void MainController::AskToSave() {
  const KindRow* row = KindRowFor(kind());
  if (row == nullptr || !row->asks_to_save) return;
  for (PageId id : PagesOfKind(row->kind)) {
    InstrumentPage& page = pages_.page(id);
    if (page.HasUnsavedData() &&
        screen_.AskYesNo(Icon::kQuestion, kProgramName, kSaveQuestion) == Answer::kYes) {
      page.SaveData();
    }
    page.MarkSaved();
  }
}

void MainController::Search() {
  AskToSave();
  const uint8_t old_kind = kind();
  if (IsBinaryInstrument(old_kind) &&
      screen_.AskYesNo(Icon::kQuestion, kProgramName, kEndSessionQuestion) == Answer::kYes) {
    pages_.ClearKind(old_kind);
    link_.EndSession(screen_);
  }

  facts_ = SessionFacts{};
  tabs_ = TabsForKind(kNoInstrument, facts_);
  selected_ = 0;
  pages_.info().SetFields("", "");
  link_.ResetBaudRate();
  SetSpeed(kDefaultBaudRate);
  Notify();
  screen_.Repaint();

  bool text_found = false;
  {
    WaitCursor hourglass(screen_);
    Splash(true);
    link_.Search(screen_);
    if (kind() == kNoInstrument) text_found = TryText();
    Splash(false);
  }

  selected_ = 0;
  BuildForKind();
  if (text_found) ShowTextInstrument();
  SetSpeed(link_.baud_rate());
  Notify();
  RunFirstTransfer();
}

void MainController::EndSession() {
  AskToSave();
  const uint8_t old_kind = kind();
  const KindRow* row = KindRowFor(old_kind);
  if (row != nullptr && row->end_resets_pages) {
    for (PageId id : PagesOfKind(old_kind)) pages_.page(id).Reset();
  }
  pages_.ClearKind(old_kind);
  link_.EndSession(screen_);

  const uint8_t now = kind();
  if (now == kNoInstrument) {
    caption_ = kProgramName;
    facts_ = SessionFacts{};
    tabs_ = TabsForKind(kNoInstrument, facts_);
    selected_ = 0;
  }
  pages_.info().ShowInstrument();
  end_enabled_ = IsBinaryInstrument(now);
  if (!end_enabled_) menu_ = MenuKind::kCloseOnly;
  Notify();
}

void MainController::RequestClose() {
  if (closed_) return;
  AskToSave();
  const uint8_t k = kind();
  if (IsBinaryInstrument(k)) {
    if (screen_.AskYesNo(Icon::kQuestion, kProgramName, kEndSessionQuestion) == Answer::kYes) {
      pages_.ClearKind(k);
      link_.EndSession(screen_);
    }
  } else if (screen_.AskYesNo(Icon::kQuestion, kProgramName, kQuitQuestion) != Answer::kYes) {
    return;
  }
  closed_ = true;
  link_.Close();
  if (view_) view_->CloseWindow();
}

void MainController::MenuCommand(telvane::MenuCommand command) {
  switch (command) {
    case MenuCommand::kExit:
    case MenuCommand::kClose:
      RequestClose();
      return;
    case MenuCommand::kHelp:
    case MenuCommand::kAbout:
      return;  // the window's own
    default:
      break;
  }
  for (const Tab& tab : tabs_) {
    InstrumentPage& page = pages_.page(tab.page);
    if (!page.HandleMenu(command)) continue;
    if (command == MenuCommand::kCreateDatabase) page.MarkSaved();
    break;
  }
  // Opening a database or a text shows the current page again.
  Notify();
}

void MainController::Shutdown() { link_.Close(); }

}  // namespace telvane
