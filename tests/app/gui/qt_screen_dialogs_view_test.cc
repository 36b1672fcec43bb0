// The dialogs of the Qt person at the screen: the questions asked during the
// start-up search stand clear of the splash, and file and folder dialogs open
// where the last one of this run left off.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "app/fake_link.h"
#include "app/gui/main_window.h"
#include "app/gui/private_settings.h"
#include "app/gui/qt_app.h"
#include "app/gui/qt_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::FakeLink;

// Every visible button of the modal dialog on show, as the person sees it:
// its rectangle on the screen and the widget the screen has at its centre.
struct SeenButton {
  QString text;
  bool covered = false;
  bool reachable = false;
};

std::vector<SeenButton> ButtonsOfModal(QStringList* splash_texts) {
  std::vector<SeenButton> seen;
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog) return seen;
  std::vector<QRect> splashes;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "StartupSplash" && w->isVisible()) {
      splashes.push_back(w->frameGeometry());
      auto* text = w->findChild<QLabel*>("SplashText");
      splash_texts->append(text ? text->text() : "(splash)");
    }
  }
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (!button->isVisible()) continue;
    const QRect rect(button->mapToGlobal(QPoint(0, 0)), button->size());
    SeenButton b;
    b.text = button->text();
    for (const QRect& splash : splashes) b.covered = b.covered || splash.intersects(rect);
    QWidget* at = QApplication::widgetAt(rect.center());
    b.reachable = at == button || (at && button->isAncestorOf(at));
    seen.push_back(b);
  }
  return seen;
}

class SearchDialogsTest : public ::testing::Test {
 protected:
  QApplication& app_ = testing::QtApp();  // before the screen, which filters its events
  QtScreen screen_;
  FakeLink link_;
  AppOptions options_;
};

TEST_F(SearchDialogsTest, QuestionsDuringTheSearchAreNotCoveredByTheSplash) {
  std::vector<SeenButton> question;
  std::vector<SeenButton> choice;
  QStringList splash_during_dialogs;
  QStringList splash_between;
  Answer answer = Answer::kNo;
  std::optional<int> chosen;
  link_.during_search = [&] {
    // The search's own questions, answered by clicking what the person sees.
    QTimer::singleShot(0, [&] {
      question = ButtonsOfModal(&splash_during_dialogs);
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box && box->button(QMessageBox::Yes)) box->button(QMessageBox::Yes)->click();
    });
    answer = screen_.AskYesNo(Icon::kQuestion, "COM1", "Использовать этот порт?");
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "StartupSplash" && w->isVisible()) splash_between << "up";
    }
    QTimer::singleShot(0, [&] {
      choice = ButtonsOfModal(&splash_during_dialogs);
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      auto* list = dialog ? dialog->findChild<QComboBox*>() : nullptr;
      auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
      if (list && buttons && buttons->button(QDialogButtonBox::Ok)) {
        list->setCurrentIndex(1);
        buttons->button(QDialogButtonBox::Ok)->click();
      } else if (dialog) {
        dialog->reject();
      }
    });
    chosen = screen_.ChooseFromList("Выбор устройства", {"Demo-10", "Demo-12"}, 0);
  };
  MainController controller(screen_, link_, options_);
  MainWindow window(controller, &screen_);

  EXPECT_EQ(answer, Answer::kYes);
  EXPECT_EQ(chosen, 1);
  EXPECT_TRUE(splash_during_dialogs.isEmpty()) << splash_during_dialogs.join(", ").toStdString();
  // Between the questions the search goes on under the splash.
  EXPECT_EQ(splash_between, QStringList{"up"});
  ASSERT_EQ(question.size(), 2u);
  ASSERT_GE(choice.size(), 2u);
  for (const std::vector<SeenButton>* buttons : {&question, &choice}) {
    for (const SeenButton& b : *buttons) {
      EXPECT_FALSE(b.covered) << b.text.toStdString();
      EXPECT_TRUE(b.reachable) << b.text.toStdString();
    }
  }
  // The splash is gone with the search.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(w->objectName() == "StartupSplash" && w->isVisible());
  }
}

// Answers the file dialog on show with `path` (a folder for a folder dialog)
// after noting the folder it opened in.
void AcceptFileDialogWith(const std::string& path, QString* opened_in) {
  QTimer::singleShot(0, [path, opened_in] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *opened_in = box->directory().absolutePath();
    box->selectFile(QString::fromStdString(path));
    QMetaObject::invokeMethod(box, "accept");
  });
}

TEST(QtScreenFolders, FileDialogsOpenInTheFolderLastUsedInThisRun) {
  testing::QtApp();
  testing::TempDir first;
  testing::TempDir second;
  testing::TempDir third;
  QtScreen screen;
  FileDialog dialog;
  dialog.title = "Сохранить";
  dialog.filters = {{"Text", "*.txt"}};
  QString opened_in;

  // The first dialog of the run opens in the working folder (whatever other
  // dialogs of the process did); a save moves the next dialog to its folder.
  QFileDialog elsewhere(nullptr, "other", QString::fromStdString(third.path()));
  elsewhere.setFileMode(QFileDialog::Directory);
  QTimer::singleShot(0, [&elsewhere] {
    QMetaObject::invokeMethod(&elsewhere, "accept");
    if (elsewhere.isVisible()) elsewhere.reject();
  });
  elsewhere.exec();
  AcceptFileDialogWith(first.File("a.txt"), &opened_in);
  ASSERT_TRUE(screen.ChooseSaveFile(dialog).has_value());
  EXPECT_EQ(opened_in, QDir::currentPath());

  AcceptFileDialogWith(second.File("b.txt"), &opened_in);
  ASSERT_TRUE(screen.ChooseSaveFile(dialog).has_value());
  EXPECT_EQ(opened_in, QDir(QString::fromStdString(first.path())).absolutePath());

  // A cancelled dialog does not move it.
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(screen.ChooseOpenFile(dialog).has_value());

  // The folder dialog opens there too, and the folder chosen is the next start.
  AcceptFileDialogWith(third.path(), &opened_in);
  const std::optional<std::string> folder = screen.ChooseFolder("Папка");
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(opened_in, QDir(QString::fromStdString(second.path())).absolutePath());
  EXPECT_EQ(QDir(QString::fromStdString(*folder)).absolutePath(),
            QDir(QString::fromStdString(third.path())).absolutePath());

  AcceptFileDialogWith(first.File("c.txt"), &opened_in);
  ASSERT_TRUE(screen.ChooseSaveFile(dialog).has_value());
  EXPECT_EQ(opened_in, QDir(QString::fromStdString(third.path())).absolutePath());
}

TEST(QtScreenFolders, QtsOwnDialogStateStaysInTheRunsPrivateStore) {
  testing::QtApp();
  QString store;
  QString written;
  {
    PrivateSettings settings;
    store = settings.path();
    ASSERT_FALSE(store.isEmpty());
    QtScreen screen;
    FileDialog dialog;
    dialog.title = "Открыть";
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(screen.ChooseOpenFile(dialog).has_value());
    // What the dialog kept went into the run's folder, not the user's.
    written = QSettings(QSettings::UserScope, "QtProject").fileName();
    EXPECT_TRUE(written.startsWith(store + "/")) << written.toStdString();
    EXPECT_TRUE(QFileInfo::exists(written)) << written.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(store));
  EXPECT_FALSE(QSettings(QSettings::UserScope, "QtProject").fileName().startsWith(store));
}

}  // namespace
}  // namespace telvane
