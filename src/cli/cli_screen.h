// The person at the screen for telvane-cli: messages go to stderr, one per line
// as "caption: text"; questions are answered No, or Yes with --yes; file
// dialogs take their answers from --file options, in order.
#ifndef TELVANE_CLI_CLI_SCREEN_H_
#define TELVANE_CLI_CLI_SCREEN_H_

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

#include "base/screen.h"

namespace telvane::cli {

class CliScreen : public Screen {
 public:
  explicit CliScreen(std::FILE* out = stderr) : out_(out) {}

  void set_answer_yes(bool yes) { answer_yes_ = yes; }
  // Answers for the next file dialogs; filter_index 1-based.
  void AddFile(std::string path, int filter_index = 1) {
    files_.push_back({std::move(path), filter_index});
  }
  void AddFolder(std::string folder) { folders_.push_back(std::move(folder)); }
  void set_list_choice(int index) { list_choice_ = index; }
  void set_show_progress(bool show) { show_progress_ = show; }
  int messages_shown() const { return messages_shown_; }

  void ShowMessage(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNo(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialog& dialog) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<int> ChooseFromList(const std::string& caption,
                                    const std::vector<std::string>& items,
                                    int selected) override;
  void ShowProgress(bool visible) override;
  void SetProgressRange(int minimum, int maximum) override {}
  void SetProgress(int position) override;
  void SetWaitCursor(bool wait) override {}
  bool IsEscapeDown() override { return false; }
  void Repaint() override {}
  DateTime Now() override { return LocalNow(); }

  // "caption: text" with every line break shown as one space.
  static std::string Line(const std::string& caption, const std::string& text);

 private:
  std::optional<FileChoice> NextFile(const char* what, const FileDialog& dialog);

  std::FILE* out_;
  bool answer_yes_ = false;
  bool show_progress_ = false;
  int last_progress_ = -1;
  int list_choice_ = -1;  // -1: keep the preselected entry
  int messages_shown_ = 0;
  std::deque<FileChoice> files_;
  std::deque<std::string> folders_;
};

}  // namespace telvane::cli

#endif  // TELVANE_CLI_CLI_SCREEN_H_
