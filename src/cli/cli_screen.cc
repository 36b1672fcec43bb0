#include "cli/cli_screen.h"

namespace telvane::cli {

std::string CliScreen::Line(const std::string& caption, const std::string& text) {
  std::string flat;
  flat.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      flat.push_back(' ');
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      flat.push_back(' ');
    } else {
      flat.push_back(text[i]);
    }
  }
  return caption + ": " + flat;
}

void CliScreen::ShowMessage(Icon icon, const std::string& caption, const std::string& text) {
  ++messages_shown_;
  if (icon == Icon::kError) ++errors_shown_;
  std::fprintf(out_, "%s\n", Line(caption, text).c_str());
  std::fflush(out_);
}

Answer CliScreen::NextAnswer(bool cancel_allowed) {
  if (answers_.empty()) return answer_yes_ ? Answer::kYes : Answer::kNo;
  const Answer answer = answers_.front();
  answers_.pop_front();
  // A Yes/No question has no Cancel: "c" declines it.
  return answer == Answer::kCancel && !cancel_allowed ? Answer::kNo : answer;
}

void CliScreen::PrintQuestion(const std::string& caption, const std::string& text, Answer answer) {
  const char* shown = answer == Answer::kYes ? "Yes" : answer == Answer::kNo ? "No" : "Cancel";
  std::fprintf(out_, "%s [%s]\n", Line(caption, text).c_str(), shown);
  std::fflush(out_);
}

Answer CliScreen::AskYesNo(Icon icon, const std::string& caption, const std::string& text) {
  const Answer answer = NextAnswer(false);
  PrintQuestion(caption, text, answer);
  return answer;
}

Answer CliScreen::AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) {
  const Answer answer = NextAnswer(true);
  PrintQuestion(caption, text, answer);
  return answer;
}

std::optional<FileChoice> CliScreen::NextFile(const char* what, const FileDialog& dialog) {
  if (files_.empty()) {
    std::fprintf(out_, "%s dialog cancelled: no --file given\n", what);
    ++dialogs_unanswered_;
    return std::nullopt;
  }
  FileChoice choice = files_.front();
  files_.pop_front();
  return choice;
}

std::optional<FileChoice> CliScreen::ChooseOpenFile(const FileDialog& dialog) {
  return NextFile("open", dialog);
}

std::optional<FileChoice> CliScreen::ChooseSaveFile(const FileDialog& dialog) {
  return NextFile("save", dialog);
}

std::optional<std::string> CliScreen::ChooseFolder(const std::string& title) {
  if (folders_.empty()) {
    std::fprintf(out_, "folder dialog cancelled: no --folder given\n");
    ++dialogs_unanswered_;
    return std::nullopt;
  }
  std::string folder = folders_.front();
  folders_.pop_front();
  return folder;
}

std::optional<int> CliScreen::ChooseFromList(const std::string& caption,
                                             const std::vector<std::string>& items, int selected) {
  int index = selected;  // without --choose the preselected entry is taken
  if (!choices_.empty()) {
    index = choices_.front() - 1;
    choices_.pop_front();
  }
  if (index < 0 || index >= static_cast<int>(items.size())) {
    std::fprintf(out_, "%s: choice cancelled: no entry %d of %zu\n", caption.c_str(), index + 1,
                 items.size());
    ++dialogs_unanswered_;
    return std::nullopt;
  }
  std::fprintf(out_, "%s: %s\n", caption.c_str(), items[static_cast<size_t>(index)].c_str());
  return index;
}

void CliScreen::ShowProgress(bool visible) {
  if (show_progress_ && !visible && last_progress_ >= 0) std::fprintf(out_, "\n");
  last_progress_ = -1;
}

void CliScreen::SetProgress(int position) {
  if (!show_progress_ || position == last_progress_) return;
  last_progress_ = position;
  std::fprintf(out_, "\r%3d%%", position);
  std::fflush(out_);
}

}  // namespace telvane::cli
