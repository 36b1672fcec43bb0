#include "app/gui/qt_screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace telvane {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::kError:
      return QMessageBox::Critical;
    case Icon::kWarning:
      return QMessageBox::Warning;
    case Icon::kInformation:
      return QMessageBox::Information;
    case Icon::kQuestion:
      return QMessageBox::Question;
    case Icon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

bool IsHeldBack(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
    case QEvent::Timer:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

// Hides the splash while a dialog is up and shows it again afterwards, on top
// as before.
class SplashAside {
 public:
  explicit SplashAside(QWidget* splash)
      : splash_(splash && splash->isVisible() ? splash : nullptr) {
    if (splash_) splash_->hide();
  }
  ~SplashAside() {
    if (!splash_) return;
    splash_->show();
    splash_->raise();
    splash_->repaint();
  }
  SplashAside(const SplashAside&) = delete;
  SplashAside& operator=(const SplashAside&) = delete;

 private:
  QPointer<QWidget> splash_;
};

}  // namespace

QString BoxText(const std::string& text) { return Q(text).replace("\r\n", "\n"); }

QStringList DialogFilters(const FileDialog& dialog) {
  QStringList filters;
  for (const FileFilter& f : dialog.filters) {
    const QString patterns = Q(f.pattern).replace(';', ' ');
    const QString description = Q(f.description);
    // A description that already names its patterns, "… (*.xls)", stays as it is.
    if (description.endsWith("(" + patterns + ")")) {
      filters << description;
    } else {
      filters << QString("%1 (%2)").arg(description, patterns);
    }
  }
  return filters;
}

EscapeFilter::EscapeFilter() { QCoreApplication::instance()->installEventFilter(this); }

EscapeFilter::~EscapeFilter() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool EscapeFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
      escape_down_ = type == QEvent::KeyPress;
    }
  }
  if (pumping_ && IsHeldBack(type)) return true;
  return QObject::eventFilter(watched, event);
}

void EscapeFilter::Pump() {
  if (pumping_) return;
  pumping_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  pumping_ = false;
}

QtScreen::QtScreen() = default;
QtScreen::~QtScreen() {
  while (wait_depth_-- > 0) QApplication::restoreOverrideCursor();
}

void QtScreen::SetWindow(QWidget* window, QProgressBar* progress) {
  window_ = window;
  progress_ = progress;
}

QString QtScreen::StartFolder() const {
  return last_folder_.isEmpty() ? QDir::currentPath() : last_folder_;
}

int QtScreen::RunDialog(QDialog& dialog) {
  SplashAside aside(splash_);
  const int result = dialog.exec();
  if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
    if (result == QDialog::Accepted && !files->selectedFiles().isEmpty()) {
      const QFileInfo chosen(files->selectedFiles().front());
      last_folder_ = files->fileMode() == QFileDialog::Directory ? chosen.absoluteFilePath()
                                                                 : chosen.absolutePath();
    }
  }
  return result;
}

void QtScreen::ShowMessage(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text), QMessageBox::Ok, window_);
  RunDialog(box);
}

Answer QtScreen::AskYesNo(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                  window_);
  return RunDialog(box) == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

Answer QtScreen::AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
  switch (RunDialog(box)) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

std::optional<FileChoice> QtScreen::ChooseFile(const FileDialog& dialog, bool save) {
  QFileDialog box(window_, Q(dialog.title));
  box.setDirectory(StartFolder());
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = DialogFilters(dialog);
  if (!filters.isEmpty()) box.setNameFilters(filters);
  if (!dialog.default_extension.empty()) box.setDefaultSuffix(Q(dialog.default_extension));
  if (!dialog.default_name.empty()) box.selectFile(Q(dialog.default_name));
  if (RunDialog(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  FileChoice choice;
  choice.path = box.selectedFiles().front().toStdString();
  const int index = filters.indexOf(box.selectedNameFilter());
  choice.filter_index = index < 0 ? 1 : index + 1;
  return choice;
}

std::optional<FileChoice> QtScreen::ChooseOpenFile(const FileDialog& dialog) {
  return ChooseFile(dialog, false);
}

std::optional<FileChoice> QtScreen::ChooseSaveFile(const FileDialog& dialog) {
  return ChooseFile(dialog, true);
}

std::optional<std::string> QtScreen::ChooseFolder(const std::string& title) {
  QFileDialog box(window_, Q(title));
  box.setFileMode(QFileDialog::Directory);
  box.setOption(QFileDialog::ShowDirsOnly);
  box.setDirectory(StartFolder());
  if (RunDialog(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().front().toStdString();
}

std::optional<int> QtScreen::ChooseFromList(const std::string& caption,
                                            const std::vector<std::string>& items, int selected) {
  QStringList list;
  for (const std::string& item : items) list << Q(item);
  QInputDialog box(window_);
  box.setWindowTitle(Q(caption));
  box.setComboBoxItems(list);
  box.setComboBoxEditable(false);
  if (selected >= 0 && selected < list.size()) box.setTextValue(list[selected]);
  if (RunDialog(box) != QDialog::Accepted) return std::nullopt;
  const int index = list.indexOf(box.textValue());
  if (index < 0) return std::nullopt;
  return index;
}

void QtScreen::ShowProgress(bool visible) {
  if (!progress_) return;
  progress_->setVisible(visible);
  Repaint();
}

void QtScreen::SetProgressRange(int minimum, int maximum) {
  if (progress_) progress_->setRange(minimum, maximum);
}

void QtScreen::SetProgress(int position) {
  if (!progress_) return;
  progress_->setValue(position);
  progress_->repaint();
}

void QtScreen::SetWaitCursor(bool wait) {
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++wait_depth_;
  } else if (wait_depth_ > 0) {
    QApplication::restoreOverrideCursor();
    --wait_depth_;
  }
}

bool QtScreen::IsEscapeDown() {
  filter_.Pump();
  return filter_.escape_down();
}

void QtScreen::Repaint() {
  if (window_) window_->repaint();
  filter_.Pump();
}

}  // namespace telvane
