// The Qt window over a scripted link: what the person sees and what their
// clicks do.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "app/fake_link.h"
#include "app/gui/about_box.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_app.h"
#include "app/gui/qt_screen.h"
#include "app/gui/translation.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::FakeLink;
using testing::ScriptedScreen;

QStringList TabTexts(QTabBar* bar) {
  QStringList out;
  for (int i = 0; i < bar->count(); ++i) out << bar->tabText(i);
  return out;
}

// "[menu] item item ..." for every menu of the bar.
QStringList MenuTexts(QMenuBar* bar) {
  QStringList out;
  for (QAction* menu : bar->actions()) {
    out << "[" + menu->text() + "]";
    for (QAction* item : menu->menu()->actions()) out << item->text();
  }
  return out;
}

class MainWindowViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtApp();
    link_.screen = &screen_;  // the first transfer of kinds 19 and 20 reports here
  }
  // Builds and shows the window, then waits until the start-up timer fired.
  void Open() {
    controller_ = std::make_unique<MainController>(screen_, link_, options_);
    window_ = std::make_unique<MainWindow>(*controller_, nullptr);
    window_->show();
    ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  }
  QString ShownTitle() {
    PageView* view = window_->shown_view();
    if (!view) return "(none)";
    auto* title = view->findChild<QLabel*>("PageTitle");
    return title ? title->text() : "(own view)";
  }

  ScriptedScreen screen_;
  FakeLink link_;
  AppOptions options_;
  std::unique_ptr<MainController> controller_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowViewTest, NoInstrumentShowsTheWarningAndTheInformationTabAlone) {
  Open();
  EXPECT_EQ(screen_.MessageLines().size(), 1u);
  EXPECT_TRUE(screen_.HasMessage("Совместимые устройства не найдены"));
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
  EXPECT_FALSE(window_->end_button()->isEnabled());
  EXPECT_TRUE(window_->search_button()->isEnabled());
  EXPECT_FALSE(window_->adapter_box()->isVisible());
  EXPECT_FALSE(window_->adapter_box()->isEnabled());
  EXPECT_FALSE(window_->progress_bar()->isVisible());
  EXPECT_EQ(window_->speed_label()->text(), "9600 бит/сек");
  EXPECT_EQ(window_->windowTitle(), "Telvane");
  EXPECT_EQ(window_->search_button()->toolTip(), "Поиск совместимых устройств");
  EXPECT_EQ(window_->end_button()->toolTip(), "Прекращение сеанса связи");
  EXPECT_EQ(
      MenuTexts(window_->menu_bar()),
      (QStringList{"[&Файл]", "&Закрыть", "[&Справка]", "&Справка: Telvane   F1", "&О программе"}));
  // Tab 0 shows the information page with its two empty fields.
  auto* name = window_->shown_view()->findChild<QLineEdit*>("Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "");
}

TEST_F(MainWindowViewTest, SplashIsUpWhileTheSearchRunsAndGoneAfterwards) {
  std::vector<QString> seen;
  link_.during_search = [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "StartupSplash" && w->isVisible()) {
        seen.push_back(w->findChild<QLabel*>("SplashText")->text());
      }
    }
  };
  link_.searches.push_back({19, "VS-E1"});
  Open();
  EXPECT_EQ(seen, std::vector<QString>{"Идет поиск совместимых устройств"});
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  window_->search_button()->click();
  EXPECT_EQ(seen.size(), 2u);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(w->objectName() == "StartupSplash" && w->isVisible());
  }
}

TEST_F(MainWindowViewTest, KindSixTabsMenuAndEndOfSession) {
  link_.searches.push_back({6, "КВР-ПРО ПЛЮС", "600123", 115200});
  Open();
  EXPECT_TRUE(screen_.messages().empty());
  EXPECT_EQ(TabTexts(window_->tab_bar()),
            (QStringList{"Информация о приборе", "Информация о базе данных", "База кабелей",
                         "Параметры кабеля", "Плановые измерения", "Рефлектограммы"}));
  EXPECT_EQ(
      MenuTexts(window_->menu_bar()),
      (QStringList{"[&Файл]", "Открыть базу...", "Сохранить базу...", "Сохранить как текст...",
                   "Вы&ход", "[&Справка]", "&Справка: Telvane   F1", "&О программе"}));
  EXPECT_EQ(window_->speed_label()->text(), "115200 бит/сек");
  EXPECT_TRUE(window_->end_button()->isEnabled());
  EXPECT_EQ(window_->shown_view()->findChild<QLineEdit*>("Serial")->text(), "600123");

  window_->tab_bar()->setCurrentIndex(2);
  EXPECT_EQ(window_->shown_view()->page().title(), "База кабелей");

  window_->end_button()->click();
  EXPECT_EQ(link_.log.back(), "command 0xff");
  EXPECT_FALSE(window_->end_button()->isEnabled());
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
  EXPECT_EQ(MenuTexts(window_->menu_bar()).mid(0, 2), (QStringList{"[&Файл]", "&Закрыть"}));
  EXPECT_EQ(window_->shown_view()->findChild<QLineEdit*>("Name")->text(), "");
}

TEST_F(MainWindowViewTest, EscapeAsksToEndTheSessionAndNoStillCloses) {
  link_.searches.push_back({19, "VS-E1"});
  Open();
  // With an instrument connected, No to the question still closes the window,
  // without the end-of-session command.
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(window_.get(), &escape);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(window_->result(), QDialog::Accepted);
  // The search, then the E1 page's first transfer; no end-of-session command.
  ASSERT_FALSE(link_.log.empty());
  EXPECT_EQ(link_.log.front(), "search");
  for (const std::string& entry : link_.log) EXPECT_NE(entry.rfind("command 0xff", 0), 0u);
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(MainWindowViewTest, CloseBoxWithoutInstrumentCanBeRefused) {
  Open();
  screen_.Answer(Answer::kNo, "Завершить работу с программой?");
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  screen_.Answer(Answer::kYes, "Завершить работу с программой?");
  window_->close();
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowViewTest, EnglishLocaleTranslatesTheResourceTextsOnly) {
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  Open();
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Instrument Information"});
  EXPECT_EQ(window_->search_button()->text(), "Search");
  EXPECT_EQ(window_->end_button()->text(), "End Session");
  EXPECT_EQ(MenuTexts(window_->menu_bar()).front(), "[&File]");
  // The fixed messages stay as they are.
  EXPECT_TRUE(screen_.HasMessage("Совместимые устройства не найдены"));
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
  EXPECT_EQ(QCoreApplication::translate("Tabs", "Информация о приборе"), "Информация о приборе");
}

TEST(QtScreenView, EscapeStateTextsAndFilters) {
  testing::QtApp();
  QtScreen screen;
  QWidget target;
  EXPECT_FALSE(screen.IsEscapeDown());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &press);
  EXPECT_TRUE(screen.IsEscapeDown());
  QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &other);
  EXPECT_TRUE(screen.IsEscapeDown());
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &release);
  EXPECT_FALSE(screen.IsEscapeDown());

  EXPECT_EQ(BoxText("a\r\nb"), "a\nb");
  FileDialog dialog;
  dialog.filters = {{"All files", "*.*"},
                    {"Cable base", "*.bas;*.txt"},
                    {"Microsoft Excel 2.1 Worksheet (*.xls)", "*.xls"}};
  EXPECT_EQ(DialogFilters(dialog), (QStringList{"All files (*.*)", "Cable base (*.bas *.txt)",
                                                "Microsoft Excel 2.1 Worksheet (*.xls)"}));
  EXPECT_EQ(AboutText(), "Telvane, версия 2.0.19.7");
}

TEST(QtScreenView, SaveDialogReturnsThePathWithItsExtensionAndTheFilterIndex) {
  testing::QtApp();
  testing::TempDir dir;
  QtScreen screen;
  FileDialog dialog;
  dialog.title = "Сохранить";
  dialog.filters = {{"Text", "*.txt"}, {"CSV", "*.csv"}};
  dialog.default_extension = "csv";
  // The person picks the second filter and types a name without extension.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->selectNameFilter("CSV (*.csv)");
    box->selectFile(QString::fromStdString(dir.File("report")));
    QMetaObject::invokeMethod(box, "accept");
  });
  const std::optional<FileChoice> choice = screen.ChooseSaveFile(dialog);
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->path, dir.File("report.csv"));
  EXPECT_EQ(choice->filter_index, 2);

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(screen.ChooseOpenFile(dialog).has_value());
}

}  // namespace
}  // namespace telvane
