#include "storage/db/db_session.h"

#include <gtest/gtest.h>

#include "support/scripted_screen.h"

namespace telvane {
namespace {

TEST(DbSession, TheOpenDialogAndItsExtensionCheck) {
  testing::ScriptedScreen screen;
  screen.ChooseFile("/data/Cables.MDB");
  screen.ChooseFile("/data/cables.xls");
  screen.ChooseFile(std::nullopt);
  screen.ChooseFile("/data/mdb");
  EXPECT_EQ(ChooseDatabaseFile(screen), "/data/Cables.MDB");
  EXPECT_EQ(ChooseDatabaseFile(screen), std::nullopt);
  EXPECT_EQ(ChooseDatabaseFile(screen), std::nullopt);
  EXPECT_EQ(ChooseDatabaseFile(screen), std::nullopt);
  ASSERT_EQ(screen.shown().size(), 4u);
  const FileDialog& dialog = screen.shown()[0].dialog;
  EXPECT_EQ(screen.shown()[0].what, "open");
  EXPECT_EQ(dialog.title, "Open a Database file");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "MDB (БД MS Access 2000)");
  EXPECT_EQ(dialog.filters[0].pattern, "*.mdb");
  EXPECT_EQ(dialog.default_extension, "mdb");
  EXPECT_TRUE(screen.messages().empty());  // refused silently
}

TEST(DbSession, Messages) {
  EXPECT_EQ(FillMessage(kMissingLegacyTable, {"/a.mdb", "tbl_X"}),
            "/a.mdb\r\nне содержит таблицы: \"tbl_X\"");
  EXPECT_EQ(FillMessage(kMissingTables, {"%s.mdb"}),
            "%s.mdb\r\nне содержит всех необходимых таблиц.");
  testing::ScriptedScreen screen;
  ShowDbError(screen, DbError("database is locked"));
  EXPECT_EQ(screen.MessageLines(),
            std::vector<std::string>{"Ошибка: Description = 'database is locked'\n"});
  EXPECT_EQ(screen.messages()[0].icon, Icon::kError);
}

}  // namespace
}  // namespace telvane
