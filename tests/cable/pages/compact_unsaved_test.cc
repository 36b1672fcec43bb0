// The main window's question about the compact family's unsaved edits, with
// the real pages behind the window's controller.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_options.h"
#include "app/fake_link.h"
#include "app/main_controller.h"
#include "cable/pages/compact_cable_page.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

class CompactUnsavedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    link_.searches.push_back({7, "КСПП", "700001"});
    link_.searches.push_back({7, "КСПП", "700001"});
    controller_ = std::make_unique<MainController>(screen_, link_, options_);
    controller_->Construct();
    controller_->Initialize();
    controller_->RunFirstTransfer();
    page_ = dynamic_cast<CompactCablePage*>(&controller_->pages().page(PageId::kCompactCables7));
    ASSERT_NE(page_, nullptr);
  }

  testing::ScriptedScreen screen_;
  testing::FakeLink link_;
  AppOptions options_ = testing::TestOptions();
  std::unique_ptr<MainController> controller_;
  CompactCablePage* page_ = nullptr;
  testing::TempDir dir_;
};

TEST_F(CompactUnsavedTest, YesCreatesTheDatabaseBeforeTheSessionEnds) {
  page_->EditName("ЛИНИЯ 7");
  ASSERT_TRUE(page_->HasUnsavedData());
  const std::string mdb = dir_.File("saved.mdb");
  screen_.Answer(Answer::kYes, "Сохранить данные?");
  screen_.ChooseFile(mdb);
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->Search();
  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_TRUE(std::filesystem::exists(mdb));
  EXPECT_FALSE(page_->HasUnsavedData());
}

TEST_F(CompactUnsavedTest, NoMarksTheDataSavedAndNothingIsAskedAgain) {
  page_->EditName("ЛИНИЯ 7");
  screen_.Answer(Answer::kNo, "Сохранить данные?");
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->Search();
  EXPECT_FALSE(page_->HasUnsavedData());
  // Nothing edited: only the session question.
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->Search();
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(CompactUnsavedTest, TheDatabaseMenuCreatesTheDatabaseAndMarksItSaved) {
  page_->EditName("ЛИНИЯ 8");
  const std::string mdb = dir_.File("menu.mdb");
  screen_.ChooseFile(mdb);
  controller_->MenuCommand(MenuCommand::kCreateDatabase);
  EXPECT_TRUE(std::filesystem::exists(mdb));
  EXPECT_FALSE(page_->HasUnsavedData());
}

}  // namespace
}  // namespace telvane
