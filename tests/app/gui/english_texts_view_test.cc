// The window in English: every fixed text a page view, the tabs, the menus and
// the window's own widgets show comes from the catalogue. With no instrument
// the pages hold no data, so any Cyrillic letter seen is an untranslated text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <set>

#include "app/fake_link.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_app.h"
#include "app/gui/translation.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using testing::FakeLink;
using testing::ScriptedScreen;

bool HasCyrillic(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  }
  return false;
}

// "where: text" for every text of `root` and its children holding Cyrillic.
class CyrillicFinder {
 public:
  explicit CyrillicFinder(QString where) : where_(std::move(where)) {}

  void Check(const QString& what, const QString& text) {
    if (HasCyrillic(text)) found_.insert((where_ + " " + what + ": " + text).toStdString());
  }

  // Every widget of `root`; with `skip_pages`, none inside a page view.
  void Walk(QWidget* root, bool skip_pages = false) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
      if (skip_pages && InPage(w)) continue;
      const QString name =
          w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
      Check(name + " tooltip", w->toolTip());
      if (auto* label = qobject_cast<QLabel*>(w)) Check(name, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(w)) Check(name, button->text());
      if (auto* box = qobject_cast<QGroupBox*>(w)) Check(name, box->title());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        Check(name, edit->text());
        Check(name + " placeholder", edit->placeholderText());
      }
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i) Check(name + " item", combo->itemText(i));
      }
      if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i) Check(name + " item", list->item(i)->text());
      }
      if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int c = 0; c < tree->columnCount(); ++c) {
          Check(name + " heading", tree->headerItem()->text(c));
        }
      }
      if (auto* table = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c) {
          if (QTableWidgetItem* item = table->horizontalHeaderItem(c)) {
            Check(name + " heading", item->text());
          }
        }
        for (int r = 0; r < table->rowCount(); ++r) {
          if (QTableWidgetItem* item = table->verticalHeaderItem(r)) {
            Check(name + " row", item->text());
          }
        }
      }
      if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
          Check(name + " tab", tabs->tabText(i));
          Check(name + " tab tooltip", tabs->tabToolTip(i));
        }
      }
      for (QAction* action : w->actions()) {
        Check(name + " action", action->text());
        if (QMenu* menu = action->menu()) {
          for (QAction* item : menu->actions()) Check(name + " menu", item->text());
        }
      }
    }
  }

  const std::set<std::string>& found() const { return found_; }

 private:
  static bool InPage(QWidget* w) {
    for (; w; w = w->parentWidget()) {
      if (qobject_cast<PageView*>(w)) return true;
    }
    return false;
  }

  QString where_;
  std::set<std::string> found_;
};

class EnglishTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtApp();
    ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  }
  void TearDown() override {
    window_.reset();
    controller_.reset();
    InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia));
  }
  void Open() {
    controller_ = std::make_unique<MainController>(screen_, link_, options_);
    window_ = std::make_unique<MainWindow>(*controller_, nullptr);
    window_->show();
    ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  }

  ScriptedScreen screen_;
  FakeLink link_;
  AppOptions options_;
  std::unique_ptr<MainController> controller_;
  std::unique_ptr<MainWindow> window_;
};

std::string Lines(const std::set<std::string>& found) {
  std::string out;
  for (const std::string& line : found) out += line + "\n";
  return out;
}

TEST_F(EnglishTextsTest, EveryPageViewShowsNoRussianLabel) {
  Open();
  std::set<std::string> found;
  CyrillicFinder window("window");
  window.Walk(window_.get(), true);
  found.insert(window.found().begin(), window.found().end());
  for (int i = 0; i < kPageCount; ++i) {
    PageView* view = window_->view(static_cast<PageId>(i));
    ASSERT_NE(view, nullptr);
    view->Refresh();
    CyrillicFinder finder(QString("page %1 (%2)").arg(i).arg(view->metaObject()->className()));
    finder.Walk(view);
    found.insert(finder.found().begin(), finder.found().end());
  }
  EXPECT_TRUE(found.empty()) << Lines(found);
  testing::SaveScreenshot(*window_, "english_window");
}

TEST_F(EnglishTextsTest, TabsAndMenusOfEveryKindAreEnglish) {
  std::set<std::string> found;
  CyrillicFinder finder("kinds");
  SessionFacts facts;
  facts.version = 99.0f;  // every tab that a firmware version adds
  for (int kind = 1; kind <= 255; ++kind) {
    for (const Tab& tab : TabsForKind(static_cast<uint8_t>(kind), facts)) {
      finder.Check(QString("kind %1 tab").arg(kind),
                   QCoreApplication::translate("Tabs", tab.title));
    }
    for (const Menu& menu : MenuBar(MenuForKind(static_cast<uint8_t>(kind)))) {
      finder.Check("menu", QCoreApplication::translate("Menu", menu.title));
      for (const MenuItem& item : menu.items) {
        finder.Check("menu item", QCoreApplication::translate("Menu", item.text));
      }
    }
  }
  EXPECT_TRUE(finder.found().empty()) << Lines(finder.found());
}

TEST_F(EnglishTextsTest, SpeedUnitIsEnglishAndTheMessagesStayRussian) {
  link_.searches.push_back({6, "КВР-ПРО ПЛЮС", "600123", 115200});
  Open();
  EXPECT_EQ(window_->speed_label()->text(), "115200 bit/s");
  // The instrument's own name is data and stays as it came.
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text(),
            "КВР-ПРО ПЛЮС");
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  window_->close();
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST(QtTranslations, RussianUiLoadsQtsOwnTexts) {
  testing::QtApp();
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
  // Qt's standard buttons and dialogs in Russian (qtbase_ru from Qt's folder).
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
