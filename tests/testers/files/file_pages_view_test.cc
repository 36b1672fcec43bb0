// The Qt views of the file service's pages over telvane-sim's default file
// system (kinds 18 and 17): what the widgets show, actions taken through the
// buttons and the list reaching the instrument, and PNG screenshots in Russian
// and in English.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/gui/translation.h"
#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "support/temp_dir.h"
#include "testers/files/database_service_page_view.h"
#include "testers/files/file_browser_page_view.h"
#include "testers/files/folder_files_page_view.h"
#include "testers/files/masks_page_view.h"

namespace telvane {
namespace {

using testing::SimSession;
using testing::TempDir;

template <typename W>
W* Find(QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text());
  return items;
}

int RowOf(QListWidget* list, const QString& text) { return Items(list).indexOf(text); }

std::string Text(const std::string& path) {
  const auto bytes = testing::ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

// The message boxes shown, one a line, for a failed expectation.
std::string Messages(const testing::ScriptedScreen& screen) {
  std::string out;
  for (const std::string& line : screen.MessageLines()) out += line + "\n";
  return out;
}

bool IsBlue(QListWidgetItem* item) { return item->foreground().color() == QColor(0, 0, 255); }

class FilePagesViewTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::PagesQtApp(); }
  void Screenshot(QWidget& view, const std::string& name) {
    const std::string path = testing::SavePageScreenshot(view, name, 760, 480);
    EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
  }
  void DoubleClick(QListWidget* list, int row) {
    Q_EMIT list->doubleClicked(list->model()->index(row, 0));
    QApplication::processEvents();
  }
  TempDir dir_;
};

TEST_F(FilePagesViewTest, DatabaseServiceShowsTheRecordAndMovesTheDatabase) {
  SimSession session(18);
  ASSERT_TRUE(session.opened()) << session.Log();
  DatabaseServicePage page(session.context(), PageId::kDbInfo18);
  DatabaseServicePageView view(page, nullptr);
  // Before the refresh nothing is known and nothing can move.
  EXPECT_EQ(Find<QLineEdit>(view, "Version")->text(), "");
  EXPECT_FALSE(Find<QPushButton>(view, "ReceiveDatabase")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(view, "UpdateSoftware")->isEnabled());
  page.Start();
  EXPECT_EQ(Find<QLineEdit>(view, "Version")->text(), "8.000");
  EXPECT_EQ(Find<QLineEdit>(view, "CableTypes")->text(), "12");
  EXPECT_EQ(Find<QLineEdit>(view, "Cables")->text(), "340");
  EXPECT_EQ(Find<QLineEdit>(view, "Reflectograms")->text(), "25");
  EXPECT_TRUE(Find<QPushButton>(view, "UpdateSoftware")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(view, "ReceiveSysinfo")->isEnabled());

  // The database received through the button is as long as the field said.
  const std::string db = dir_.File("received.db");
  session.screen().ChooseFile(db);
  Find<QPushButton>(view, "ReceiveDatabase")->click();
  ASSERT_TRUE(std::filesystem::exists(db)) << Messages(session.screen());
  EXPECT_EQ(Find<QLineEdit>(view, "DatabaseSize")->text(),
            QString("%1 байт").arg(std::filesystem::file_size(db)));
  EXPECT_EQ(Text(db).rfind("SQLite format 2\n", 0), 0u);
  EXPECT_FALSE(session.screen().progress_visible());
  Screenshot(view, "db_service_page");

  // A smaller database sent in its place: the refresh shows its size.
  const std::string smaller = dir_.File("smaller.db");
  std::ofstream(smaller, std::ios::binary) << std::string(777, 'x');
  session.screen().ChooseFile(smaller);
  const size_t bar_before = session.screen().progress_positions().size();
  Find<QPushButton>(view, "SendDatabase")->click();
  EXPECT_EQ(Find<QLineEdit>(view, "DatabaseSize")->text(), "777 байт")
      << Messages(session.screen());
  // The bar went to 100 in the window's progress bar and is hidden again.
  const auto& bar = session.screen().progress_positions();
  EXPECT_NE(std::find(bar.begin() + static_cast<std::ptrdiff_t>(bar_before), bar.end(), 100),
            bar.end());
  EXPECT_FALSE(session.screen().progress_visible());

  const std::string sysinfo = dir_.File("sysinfo");
  session.screen().ChooseFile(sysinfo);
  Find<QPushButton>(view, "ReceiveSysinfo")->click();
  EXPECT_EQ(Text(sysinfo), "kind 18 simulated\nserial 000000\n");
  EXPECT_TRUE(session.screen().ScriptDone());
}

TEST_F(FilePagesViewTest, DatabaseServiceButtonsFollowTheVersion) {
  SimSession session(18, {"--firmware", "1.002"});
  ASSERT_TRUE(session.opened()) << session.Log();
  DatabaseServicePage page(session.context(), PageId::kDbInfo18);
  DatabaseServicePageView view(page, nullptr);
  page.Start();
  EXPECT_EQ(Find<QLineEdit>(view, "Version")->text(), "1.002");
  EXPECT_TRUE(Find<QPushButton>(view, "ReceiveDatabase")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(view, "UpdateSoftware")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(view, "ReceiveSysinfo")->isEnabled());
}

TEST_F(FilePagesViewTest, FileBrowserListsOpensReceivesAndDeletes) {
  SimSession session(18);
  ASSERT_TRUE(session.opened()) << session.Log();
  auto folder = std::make_shared<RemoteFolder>();
  FileBrowserPage page(session.context(), PageId::kFiles18, folder);
  FileBrowserPageView view(page, nullptr);
  page.Start();
  auto* list = Find<QListWidget>(view, "Files");
  auto* receive = Find<QPushButton>(view, "Receive");
  auto* remove = Find<QPushButton>(view, "Delete");
  auto* change = Find<QPushButton>(view, "ChangeFolder");
  EXPECT_EQ(Find<QLabel>(view, "Folder")->text(), "/mnt/ext2/");
  // ".." first, then the folders (blue), then the files.
  ASSERT_EQ(list->count(), 6) << Items(list).join(",").toStdString();
  EXPECT_EQ(list->item(0)->text(), "..");
  for (int row : {0, 1, 2}) EXPECT_TRUE(IsBlue(list->item(row))) << row;
  for (int row : {3, 4, 5}) EXPECT_FALSE(IsBlue(list->item(row))) << row;
  QStringList folders = Items(list).mid(1, 2);
  folders.sort();
  EXPECT_EQ(folders, (QStringList{"logs", "masks"}));
  QStringList files = Items(list).mid(3);
  files.sort();
  EXPECT_EQ(files, (QStringList{"README", "cablebase.db", "sysinfo"}));
  // The first entry is selected: a folder opens and deletes, is not received.
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_FALSE(receive->isEnabled());
  EXPECT_TRUE(remove->isEnabled());
  EXPECT_TRUE(change->isEnabled());
  // The instrument's own database here is received but never deleted.
  list->setCurrentRow(RowOf(list, "cablebase.db"));
  EXPECT_TRUE(receive->isEnabled());
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_FALSE(change->isEnabled());
  Screenshot(view, "file_browser_page");

  // A double click opens "logs"; a Cyrillic name arrives as it was stored.
  DoubleClick(list, RowOf(list, "logs"));
  EXPECT_EQ(Find<QLabel>(view, "Folder")->text(), "/mnt/ext2/logs/");
  ASSERT_GE(RowOf(list, "журнал.txt"), 0) << Items(list).join(",").toStdString();
  list->setCurrentRow(RowOf(list, "журнал.txt"));
  const std::string saved = dir_.File("journal.txt");
  session.screen().ChooseFile(saved);
  receive->click();
  EXPECT_EQ(Text(saved), "запись 1\n");

  // "Сменить папку" on "old": its "cablebase.db" may be deleted.
  list->setCurrentRow(RowOf(list, "old"));
  change->click();
  EXPECT_EQ(Find<QLabel>(view, "Folder")->text(), "/mnt/ext2/logs/old/");
  list->setCurrentRow(RowOf(list, "cablebase.db"));
  ASSERT_TRUE(remove->isEnabled());
  session.screen().Answer(Answer::kYes, "Удалить безвозвратно файл на приборе?");
  remove->click();
  EXPECT_EQ(Items(list), QStringList{".."});
  EXPECT_FALSE(receive->isEnabled());

  // ".." twice leads back to "/mnt/ext2/".
  DoubleClick(list, 0);
  DoubleClick(list, 0);
  EXPECT_EQ(Find<QLabel>(view, "Folder")->text(), "/mnt/ext2/");
  EXPECT_GE(RowOf(list, "cablebase.db"), 3);
  EXPECT_TRUE(session.screen().ScriptDone());
  EXPECT_TRUE(session.screen().messages().empty()) << Messages(session.screen());
}

TEST_F(FilePagesViewTest, MasksPageChoosesTheFolderAndSendsAndDeletes) {
  SimSession session(18);
  ASSERT_TRUE(session.opened()) << session.Log();
  auto folder = std::make_shared<RemoteFolder>();
  MasksPage page(session.context(), PageId::kMasks18, folder);
  MasksPageView view(page, nullptr);
  auto* format = Find<QComboBox>(view, "Format");
  auto* mode = Find<QComboBox>(view, "Mode");
  ASSERT_EQ(format->count(), 3);
  EXPECT_EQ(format->itemText(2), "E1");
  ASSERT_EQ(mode->count(), 6);
  EXPECT_EQ(mode->itemText(0), "спектр");
  EXPECT_EQ(mode->itemText(1), "приёмник");
  EXPECT_EQ(mode->itemText(5), "LBal");
  page.Start();
  auto* list = Find<QListWidget>(view, "Masks");
  // "notes.txt" of the same folder is no mask.
  QStringList masks = Items(list);
  masks.sort();
  EXPECT_EQ(masks, (QStringList{"default.msk", "маска.msk"}));
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(Find<QPushButton>(view, "Receive")->isEnabled());

  // HDSL / FEXT chosen in the boxes; a new mask sent there is listed there.
  Q_EMIT format->activated(1);
  Q_EMIT mode->activated(2);
  EXPECT_EQ(page.folder(), "/mnt/ext2/masks/HDSL/FEXT/");
  const std::string mask = dir_.File("новая.msk");
  std::ofstream(mask, std::ios::binary) << "=new\r\n10 -3.5\n";
  session.screen().ChooseFile(mask);
  Find<QPushButton>(view, "Send")->click();
  ASSERT_GE(RowOf(list, "новая.msk"), 0) << Messages(session.screen());
  EXPECT_EQ(list->count(), 3);
  Screenshot(view, "masks_page");

  // Another folder does not hold it; back in HDSL / FEXT it is deleted.
  Q_EMIT mode->activated(3);
  EXPECT_EQ(RowOf(list, "новая.msk"), -1);
  EXPECT_EQ(list->count(), 2);
  Q_EMIT mode->activated(2);
  list->setCurrentRow(RowOf(list, "новая.msk"));
  session.screen().Answer(Answer::kYes, "Удалить безвозвратно маску на приборе?");
  Find<QPushButton>(view, "Delete")->click();
  EXPECT_EQ(RowOf(list, "новая.msk"), -1);
  EXPECT_EQ(list->count(), 2);
  EXPECT_TRUE(session.screen().ScriptDone());
  EXPECT_TRUE(session.screen().messages().empty()) << Messages(session.screen());
}

TEST_F(FilePagesViewTest, FolderPageReceivesAWholeFolder) {
  SimSession session(17);
  ASSERT_TRUE(session.opened()) << session.Log();
  FolderFilesPage page(session.context(), PageId::kMeasurementFiles17);
  FolderFilesPageView view(page, nullptr);
  EXPECT_FALSE(Find<QPushButton>(view, "Receive")->isEnabled());
  page.Start();
  auto* list = Find<QListWidget>(view, "Folders");
  for (const char* name : {"MEAS", "LOGS", "UPDATE"}) EXPECT_GE(RowOf(list, name), 0) << name;
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(Find<QPushButton>(view, "Receive")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(view, "Delete")->isEnabled());
  Screenshot(view, "folder_files_page");

  list->setCurrentRow(RowOf(list, "MEAS"));
  session.screen().AnswerFolder(dir_.path().string());
  Find<QPushButton>(view, "Receive")->click();
  EXPECT_EQ(Text(dir_.File("MEAS/2026/a.txt")), "measurement a\n");
  EXPECT_EQ(Text(dir_.File("MEAS/2026/b.txt")), "measurement b\n");
  EXPECT_EQ(Text(dir_.File("MEAS/итог.txt")), "summary\n");
  // Nothing of the other folders came along.
  EXPECT_FALSE(std::filesystem::exists(dir_.File("LOGS")));

  // "Обновить ПО прибора..." puts the "*.ldr" file into "UPDATE\" unchanged:
  // the instrument lists it there with its size, and gives it back as sent.
  const std::string loader = dir_.File("fw.ldr");
  std::string firmware(2500, '\0');
  for (size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<char>(i * 13);
  std::ofstream(loader, std::ios::binary) << firmware;
  session.screen().ChooseFile(loader);
  Find<QPushButton>(view, "UpdateSoftware")->click();
  ASSERT_TRUE(session.screen().messages().empty()) << Messages(session.screen());
  ASSERT_TRUE(page.List());
  const auto& entries = page.entries();
  const auto sent = std::find_if(entries.begin(), entries.end(),
                                 [](const RemoteEntry& e) { return e.name == "\\UPDATE\\fw.ldr"; });
  ASSERT_NE(sent, entries.end());
  EXPECT_EQ(sent->size, 2500u);
  TempDir back;
  list->setCurrentRow(RowOf(list, "UPDATE"));
  session.screen().AnswerFolder(back.path().string());
  Find<QPushButton>(view, "Receive")->click();
  EXPECT_EQ(Text(back.File("UPDATE/fw.ldr")), firmware);

  // Deleting "LOGS" removes its item and selects the first.
  list->setCurrentRow(RowOf(list, "LOGS"));
  session.screen().Answer(Answer::kYes, "Удалить безвозвратно папку");
  Find<QPushButton>(view, "Delete")->click();
  EXPECT_EQ(RowOf(list, "LOGS"), -1);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(session.screen().ScriptDone());
  EXPECT_TRUE(session.screen().messages().empty()) << Messages(session.screen());
}

// In English the captions, buttons and the modes' names are English; names
// from the instrument stay as they came.
TEST_F(FilePagesViewTest, PagesInEnglish) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  {
    SimSession session(18);
    ASSERT_TRUE(session.opened()) << session.Log();
    {
      DatabaseServicePage page(session.context(), PageId::kDbInfo18);
      DatabaseServicePageView view(page, nullptr);
      page.Start();
      EXPECT_EQ(Find<QPushButton>(view, "ReceiveDatabase")->text(), "Receive Database...");
      EXPECT_TRUE(Find<QLineEdit>(view, "DatabaseSize")->text().endsWith(" bytes"));
      Screenshot(view, "english_db_service_page");
    }
    auto folder = std::make_shared<RemoteFolder>();
    {
      FileBrowserPage page(session.context(), PageId::kFiles18, folder);
      FileBrowserPageView view(page, nullptr);
      page.Start();
      EXPECT_EQ(Find<QPushButton>(view, "ChangeFolder")->text(), "Change Folder");
      Screenshot(view, "english_file_browser_page");
    }
    {
      MasksPage page(session.context(), PageId::kMasks18, folder);
      MasksPageView view(page, nullptr);
      page.Start();
      EXPECT_EQ(Find<QComboBox>(view, "Mode")->itemText(0), "spectrum");
      EXPECT_EQ(Find<QComboBox>(view, "Mode")->itemText(1), "receiver");
      EXPECT_GE(RowOf(Find<QListWidget>(view, "Masks"), "маска.msk"), 0);
      Screenshot(view, "english_masks_page");
    }
  }
  {
    SimSession session(17);
    ASSERT_TRUE(session.opened()) << session.Log();
    FolderFilesPage page(session.context(), PageId::kMeasurementFiles17);
    FolderFilesPageView view(page, nullptr);
    page.Start();
    EXPECT_EQ(Find<QPushButton>(view, "UpdateSoftware")->text(), "Update Instrument Software...");
    Screenshot(view, "english_folder_files_page");
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
