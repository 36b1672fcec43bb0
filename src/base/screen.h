// The person at the screen, as every core operation sees them.
//
// Pages, transfers and storage code never talk to a window system: message
// boxes, questions, file and folder choices, the progress bar, the wait cursor,
// the Escape key and the clock all go through this interface. The Qt window
// implements it for real use, telvane-cli implements it without questions, and
// tests use a scripted double that records every call.
//
// All text crossing this interface is UTF-8.
#ifndef TELVANE_BASE_SCREEN_H_
#define TELVANE_BASE_SCREEN_H_

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace telvane {

enum class Icon { kNone, kError, kWarning, kInformation, kQuestion };

enum class Answer { kYes, kNo, kCancel };

// One entry of an open or save dialog's filter list, e.g. {"All files", "*.*"}.
struct FileFilter {
  std::string description;
  std::string pattern;
};

struct FileDialog {
  std::string title;                // empty: the window system's default title
  std::vector<FileFilter> filters;  // in the order shown
  std::string default_extension;    // without the dot; empty for none
  std::string default_name;         // file name proposed to the user
};

// The answer of an open or save dialog: the chosen path and the 1-based index of
// the filter that was selected when the user confirmed.
struct FileChoice {
  std::string path;
  int filter_index = 1;
};

// Calendar date and time as the program shows and stores it.
struct DateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;

  // A modal message box with one OK button.
  virtual void ShowMessage(Icon icon, const std::string& caption, const std::string& text) = 0;
  // A modal question with Yes and No; never returns kCancel.
  virtual Answer AskYesNo(Icon icon, const std::string& caption, const std::string& text) = 0;
  // A modal question with Yes, No and Cancel.
  virtual Answer AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) = 0;

  // Standard file dialogs; nullopt when the user cancelled.
  virtual std::optional<FileChoice> ChooseOpenFile(const FileDialog& dialog) = 0;
  virtual std::optional<FileChoice> ChooseSaveFile(const FileDialog& dialog) = 0;
  // The folder browser; nullopt when the user cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
  // A modal list with OK and Cancel, `selected` preselected; the chosen index,
  // or nullopt for Cancel.
  virtual std::optional<int> ChooseFromList(const std::string& caption,
                                            const std::vector<std::string>& items,
                                            int selected) = 0;

  // The main window's progress bar.
  virtual void ShowProgress(bool visible) = 0;
  virtual void SetProgressRange(int minimum, int maximum) = 0;
  virtual void SetProgress(int position) = 0;

  // The hourglass (true) or the arrow (false).
  virtual void SetWaitCursor(bool wait) = 0;
  // Whether the Escape key is held down right now.
  virtual bool IsEscapeDown() = 0;
  // Lets the window repaint during a long operation (no other input is handled).
  virtual void Repaint() = 0;

  // The local date and time.
  virtual DateTime Now() = 0;
};

// Shows the hourglass for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(Screen& screen) : screen_(screen) { screen_.SetWaitCursor(true); }
  ~WaitCursor() { screen_.SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Screen& screen_;
};

// The local clock, for implementations that read the real time.
DateTime LocalNow();

}  // namespace telvane

#endif  // TELVANE_BASE_SCREEN_H_
