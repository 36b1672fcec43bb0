#include "support/scripted_screen.h"

#include <gtest/gtest.h>

namespace telvane::testing {

void ScriptedScreen::Answer(telvane::Answer answer, std::string text_part) {
  answers_.push_back({answer, std::move(text_part)});
}

void ScriptedScreen::ChooseFile(std::optional<FileChoice> choice) {
  files_.push_back(std::move(choice));
}

void ScriptedScreen::AnswerFolder(std::optional<std::string> folder) {
  folders_.push_back(std::move(folder));
}

void ScriptedScreen::ChooseListEntry(std::optional<int> index) { list_entries_.push_back(index); }

std::vector<ScriptedScreen::Shown> ScriptedScreen::messages() const {
  std::vector<Shown> out;
  for (const Shown& s : shown_) {
    if (s.what == "message") out.push_back(s);
  }
  return out;
}

std::vector<std::string> ScriptedScreen::MessageLines() const {
  std::vector<std::string> out;
  for (const Shown& s : shown_) {
    if (s.what == "message") out.push_back(s.caption + ": " + s.text);
  }
  return out;
}

bool ScriptedScreen::HasMessage(const std::string& text_part) const {
  for (const Shown& s : shown_) {
    if (s.what == "message" && s.text.find(text_part) != std::string::npos) return true;
  }
  return false;
}

bool ScriptedScreen::ScriptDone() const {
  return answers_.empty() && files_.empty() && folders_.empty() && list_entries_.empty();
}

void ScriptedScreen::ShowMessage(Icon icon, const std::string& caption, const std::string& text) {
  shown_.push_back({"message", icon, caption, text, {}});
}

telvane::Answer ScriptedScreen::Ask(const char* what, Icon icon, const std::string& caption,
                                    const std::string& text) {
  shown_.push_back({what, icon, caption, text, {}});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question [" << caption << "] " << text;
    return telvane::Answer::kNo;
  }
  ScriptedAnswer next = answers_.front();
  answers_.pop_front();
  if (!next.text_part.empty() && text.find(next.text_part) == std::string::npos) {
    ADD_FAILURE() << "question [" << caption << "] " << text << " came where the script expected '"
                  << next.text_part << "'";
  }
  return next.answer;
}

telvane::Answer ScriptedScreen::AskYesNo(Icon icon, const std::string& caption,
                                         const std::string& text) {
  telvane::Answer a = Ask("yesno", icon, caption, text);
  if (a == telvane::Answer::kCancel) {
    ADD_FAILURE() << "a Yes/No question cannot be answered Cancel: " << text;
    a = telvane::Answer::kNo;
  }
  return a;
}

telvane::Answer ScriptedScreen::AskYesNoCancel(Icon icon, const std::string& caption,
                                               const std::string& text) {
  return Ask("yesnocancel", icon, caption, text);
}

std::optional<FileChoice> ScriptedScreen::File(const char* what, const FileDialog& dialog) {
  shown_.push_back({what, Icon::kNone, "", dialog.title, dialog});
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected " << what << " file dialog '" << dialog.title << "'";
    return std::nullopt;
  }
  std::optional<FileChoice> next = files_.front();
  files_.pop_front();
  return next;
}

std::optional<FileChoice> ScriptedScreen::ChooseOpenFile(const FileDialog& dialog) {
  return File("open", dialog);
}

std::optional<FileChoice> ScriptedScreen::ChooseSaveFile(const FileDialog& dialog) {
  return File("save", dialog);
}

std::optional<std::string> ScriptedScreen::ChooseFolder(const std::string& title) {
  shown_.push_back({"folder", Icon::kNone, "", title, {}});
  if (folders_.empty()) {
    ADD_FAILURE() << "unexpected folder dialog '" << title << "'";
    return std::nullopt;
  }
  std::optional<std::string> next = folders_.front();
  folders_.pop_front();
  return next;
}

std::optional<int> ScriptedScreen::ChooseFromList(const std::string& caption,
                                                  const std::vector<std::string>& items,
                                                  int selected) {
  std::string joined;
  for (const std::string& item : items) joined += (joined.empty() ? "" : "\n") + item;
  shown_.push_back({"list", Icon::kNone, caption, joined, {}});
  if (list_entries_.empty()) {
    ADD_FAILURE() << "unexpected list choice '" << caption << "'";
    return std::nullopt;
  }
  std::optional<int> next = list_entries_.front();
  list_entries_.pop_front();
  return next;
}

bool ScriptedScreen::IsEscapeDown() {
  if (escape_hook_) return escape_hook_();
  if (escape_polls_ > 0) {
    --escape_polls_;
    return true;
  }
  return false;
}

}  // namespace telvane::testing
