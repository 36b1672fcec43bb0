#include "app/gui/qt_screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
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

void QtScreen::ShowMessage(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text), QMessageBox::Ok, window_);
  box.exec();
}

Answer QtScreen::AskYesNo(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                  window_);
  return box.exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

Answer QtScreen::AskYesNoCancel(Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(BoxIcon(icon), Q(caption), BoxText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
  switch (box.exec()) {
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
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = DialogFilters(dialog);
  if (!filters.isEmpty()) box.setNameFilters(filters);
  if (!dialog.default_extension.empty()) box.setDefaultSuffix(Q(dialog.default_extension));
  if (!dialog.default_name.empty()) box.selectFile(Q(dialog.default_name));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
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
  const QString folder = QFileDialog::getExistingDirectory(window_, Q(title));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::optional<int> QtScreen::ChooseFromList(const std::string& caption,
                                            const std::vector<std::string>& items, int selected) {
  QStringList list;
  for (const std::string& item : items) list << Q(item);
  bool ok = false;
  const QString chosen =
      QInputDialog::getItem(window_, Q(caption), QString(), list, selected, false, &ok);
  if (!ok) return std::nullopt;
  const int index = list.indexOf(chosen);
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
