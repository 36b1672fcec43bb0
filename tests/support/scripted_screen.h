// A scripted person at the screen for tests: records every call and answers
// questions, file dialogs, folder and list choices from a script. A question or
// dialog that the script did not expect fails the running test.
#ifndef TELVANE_TESTS_SUPPORT_SCRIPTED_SCREEN_H_
#define TELVANE_TESTS_SUPPORT_SCRIPTED_SCREEN_H_

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane::testing {

class ScriptedScreen : public Screen {
 public:
  // One message box, question or dialog as it was shown.
  struct Shown {
    std::string what;  // "message", "yesno", "yesnocancel", "open", "save", "folder", "list"
    Icon icon = Icon::kNone;
    std::string caption;
    std::string text;   // message or question text; dialog title or list items joined by '\n'
    FileDialog dialog;  // for "open" and "save"
  };

  // --- Script -----------------------------------------------------------
  // The next question must contain `text_part` (empty: any question).
  void Answer(telvane::Answer answer, std::string text_part = "");
  // The next open or save dialog returns this (nullopt: the user cancels).
  void ChooseFile(std::optional<FileChoice> choice);
  void ChooseFile(const std::string& path, int filter_index = 1) {
    ChooseFile(FileChoice{path, filter_index});
  }
  // The next folder dialog returns this (nullopt: the user cancels).
  void AnswerFolder(std::optional<std::string> folder);
  void ChooseListEntry(std::optional<int> index);
  // Escape is reported down for the next `polls` calls of IsEscapeDown.
  void PressEscapeFor(int polls) { escape_polls_ = polls; }
  // Called on every IsEscapeDown poll; returning true reports Escape down.
  void SetEscapeHook(std::function<bool()> hook) { escape_hook_ = std::move(hook); }
  void SetNow(DateTime now) { now_ = now; }

  // --- What happened ------------------------------------------------------
  const std::vector<Shown>& shown() const { return shown_; }
  // The message boxes only (not questions).
  std::vector<Shown> messages() const;
  // "caption: text" of every message box, in order.
  std::vector<std::string> MessageLines() const;
  bool HasMessage(const std::string& text_part) const;
  // Every progress position set, in order.
  const std::vector<int>& progress_positions() const { return progress_positions_; }
  bool progress_visible() const { return progress_visible_; }
  bool wait_cursor() const { return wait_cursor_; }
  int wait_cursor_changes() const { return wait_cursor_changes_; }
  int repaints() const { return repaints_; }
  // True when every scripted answer was used.
  bool ScriptDone() const;
  void ClearShown() { shown_.clear(); }

  // --- Screen -------------------------------------------------------------
  void ShowMessage(Icon icon, const std::string& caption, const std::string& text) override;
  telvane::Answer AskYesNo(Icon icon, const std::string& caption, const std::string& text) override;
  telvane::Answer AskYesNoCancel(Icon icon, const std::string& caption,
                                 const std::string& text) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialog& dialog) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<int> ChooseFromList(const std::string& caption,
                                    const std::vector<std::string>& items, int selected) override;
  void ShowProgress(bool visible) override { progress_visible_ = visible; }
  void SetProgressRange(int minimum, int maximum) override {
    range_min_ = minimum;
    range_max_ = maximum;
  }
  void SetProgress(int position) override { progress_positions_.push_back(position); }
  void SetWaitCursor(bool wait) override {
    wait_cursor_ = wait;
    ++wait_cursor_changes_;
  }
  bool IsEscapeDown() override;
  void Repaint() override { ++repaints_; }
  DateTime Now() override { return now_; }

 private:
  telvane::Answer Ask(const char* what, Icon icon, const std::string& caption,
                      const std::string& text);
  std::optional<FileChoice> File(const char* what, const FileDialog& dialog);

  struct ScriptedAnswer {
    telvane::Answer answer;
    std::string text_part;
  };
  std::deque<ScriptedAnswer> answers_;
  std::deque<std::optional<FileChoice>> files_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<int>> list_entries_;
  std::vector<Shown> shown_;
  std::vector<int> progress_positions_;
  std::function<bool()> escape_hook_;
  int escape_polls_ = 0;
  int range_min_ = 0;
  int range_max_ = 100;
  bool progress_visible_ = false;
  bool wait_cursor_ = false;
  int wait_cursor_changes_ = 0;
  int repaints_ = 0;
  DateTime now_{2026, 12, 9, 10, 30, 0};
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_SCRIPTED_SCREEN_H_
