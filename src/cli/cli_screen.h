// The person at the screen for telvane-cli: messages go to stderr, one per line
// as "caption: text"; questions take their answers in order from --answers,
// then Yes with --yes, else No; list choices take --choose in order; file
// dialogs take their answers from --file options, in order. The screen counts
// the error boxes and the dialogs left unanswered, so that the command line can
// tell that an action failed even where a page returns no result.
#ifndef TELVANE_CLI_CLI_SCREEN_H_
#define TELVANE_CLI_CLI_SCREEN_H_

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

#include "base/screen.h"
#include "page/options.h"

namespace telvane::cli {

class CliScreen : public Screen {
 public:
  explicit CliScreen(std::FILE* out = stderr) : out_(out) {}

  void set_answer_yes(bool yes) { answer_yes_ = yes; }
  // Answers for the next questions, in order.
  void AddAnswer(Answer answer) { answers_.push_back(answer); }
  // 1-based entries for the next list choices, in order.
  void AddChoice(int entry) { choices_.push_back(entry); }
  // Answers for the next file dialogs; filter_index 1-based.
  void AddFile(std::string path, int filter_index = 1) {
    files_.push_back({std::move(path), filter_index});
  }
  void AddFolder(std::string folder) { folders_.push_back(std::move(folder)); }
  // The path the next file dialog will get; empty when none is left.
  std::string NextFilePath() const { return files_.empty() ? std::string() : files_.front().path; }
  void set_show_progress(bool show) { show_progress_ = show; }
  // The options of the run ("/i9:N", "/i0B:N"), which the pages of a session
  // get as the window's pages get the program's.
  const AppOptions& options() const { return options_; }
  void set_options(const AppOptions& options) { options_ = options; }
  int messages_shown() const { return messages_shown_; }
  // Error boxes shown and dialogs or choices cancelled for want of an answer.
  int errors_shown() const { return errors_shown_; }
  int dialogs_unanswered() const { return dialogs_unanswered_; }

  void ShowMessage(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNo(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialog& dialog) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<int> ChooseFromList(const std::string& caption,
                                    const std::vector<std::string>& items, int selected) override;
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
  Answer NextAnswer(bool cancel_allowed);
  void PrintQuestion(const std::string& caption, const std::string& text, Answer answer);

  std::FILE* out_;
  AppOptions options_;
  bool answer_yes_ = false;
  bool show_progress_ = false;
  int last_progress_ = -1;
  int messages_shown_ = 0;
  int errors_shown_ = 0;
  int dialogs_unanswered_ = 0;
  std::deque<Answer> answers_;
  std::deque<int> choices_;
  std::deque<FileChoice> files_;
  std::deque<std::string> folders_;
};

}  // namespace telvane::cli

#endif  // TELVANE_CLI_CLI_SCREEN_H_
