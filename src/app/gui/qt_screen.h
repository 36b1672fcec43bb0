// The person at the screen in the Qt window: message boxes, questions, file and
// folder dialogs, the main window's progress bar, the wait cursor, the Escape
// key and the clock.
#ifndef TELVANE_APP_GUI_QT_SCREEN_H_
#define TELVANE_APP_GUI_QT_SCREEN_H_

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include "base/screen.h"

namespace telvane {

// Watches every key event of the application for Escape, and while a long
// operation pumps events (Pump) swallows all input, closing and timer events so
// that only painting happens.
class EscapeFilter : public QObject {
  Q_OBJECT

 public:
  EscapeFilter();
  ~EscapeFilter() override;

  bool escape_down() const { return escape_down_; }
  // Delivers pending events with input, close and timer events held back:
  // the window repaints and Escape is seen, nothing else runs.
  void Pump();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool escape_down_ = false;
  bool pumping_ = false;
};

class QtScreen : public Screen {
 public:
  QtScreen();
  ~QtScreen() override;

  // The parent of every dialog and the window whose progress bar transfers drive.
  void SetWindow(QWidget* window, QProgressBar* progress);
  // The start-up splash while it is up (nullptr once gone): every dialog puts
  // it aside while the person answers, so the splash never covers a question.
  void SetSplash(QWidget* splash) { splash_ = splash; }

  void ShowMessage(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNo(Icon icon, const std::string& caption, const std::string& text) override;
  Answer AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialog& dialog) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<int> ChooseFromList(const std::string& caption,
                                    const std::vector<std::string>& items, int selected) override;
  void ShowProgress(bool visible) override;
  void SetProgressRange(int minimum, int maximum) override;
  void SetProgress(int position) override;
  void SetWaitCursor(bool wait) override;
  bool IsEscapeDown() override;
  void Repaint() override;
  DateTime Now() override { return LocalNow(); }

 private:
  std::optional<FileChoice> ChooseFile(const FileDialog& dialog, bool save);
  // Runs `dialog` modally with the splash put aside; the folder of an accepted
  // choice becomes the one the next file or folder dialog opens in.
  int RunDialog(QDialog& dialog);
  // Where a file or folder dialog opens: the last folder used in this run, at
  // first the working folder.
  QString StartFolder() const;

  EscapeFilter filter_;
  QPointer<QWidget> window_;
  QPointer<QProgressBar> progress_;
  QPointer<QWidget> splash_;
  // The folder of the last file or folder chosen in this run; empty until then.
  QString last_folder_;
  int wait_depth_ = 0;
};

// Message-box text: the program's "\r\n" line ends as Qt shows them.
QString BoxText(const std::string& text);
// "description (pattern)" entries of a file dialog, in order.
QStringList DialogFilters(const FileDialog& dialog);

}  // namespace telvane

#endif  // TELVANE_APP_GUI_QT_SCREEN_H_
