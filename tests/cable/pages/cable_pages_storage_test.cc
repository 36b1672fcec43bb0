// Where the cable pages store their data besides files: the full family's
// "Сохранить..." (Excel workbook, then the parameters into the older Cyrillic
// table or the planned measurements into the current tables), and the compact
// family's "Создать БД..." with the import that reads it back.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "cable/db/legacy_schema.h"
#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/compact_cable_page.h"
#include "cable/pages/full_family_storage.h"
#include "sim_session.h"
#include "storage/db/create_database.h"
#include "support/db_query.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::SimSession;

using testing::QueryNumber;

void CreateLegacyA(const std::string& path) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, LegacyASchemaSql(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

class FullFamilySaveTest : public ::testing::Test {
 protected:
  FullFamilySaveTest()
      : model_(std::make_shared<FullFamilyModel>()),
        size_(session_.context(), model_),
        base_(session_.context(), model_) {}
  void SetUp() override {
    ASSERT_TRUE(session_.opened()) << session_.Log();
    size_.Start();
    ASSERT_TRUE(base_.Receive());
    session_.screen().ClearShown();
  }

  SimSession session_{6};
  std::shared_ptr<FullFamilyModel> model_;
  CableSizePage size_;
  CableBasePage base_;
  testing::TempDir dir_;
};

TEST_F(FullFamilySaveTest, ParametersGoToExcelAndAfterTheQuestionToTheOlderTable) {
  const std::string mdb = dir_.File("cables.mdb");
  CreateLegacyA(mdb);
  base_.Select(1);
  session_.screen().AnswerFolder(dir_.path().string());
  session_.screen().Answer(Answer::kYes, kUpdateLegacyQuestion);
  session_.screen().ChooseFile(mdb);
  base_.Save();
  EXPECT_TRUE(session_.screen().ScriptDone());
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "Кабель-2" / "Параметры кабеля.xls"));
  const auto stored = ReadLegacyA(session_.screen(), mdb);
  ASSERT_TRUE(stored.has_value());
  ASSERT_EQ(stored->size(), 1u);
  EXPECT_EQ((*stored)[0].name(), "Кабель-2");
  EXPECT_EQ((*stored)[0].pair_count(), 20);

  // No to the question leaves the database alone.
  base_.Select(2);
  session_.screen().AnswerFolder(dir_.path().string());
  session_.screen().Answer(Answer::kNo, kUpdateLegacyQuestion);
  base_.Save();
  EXPECT_EQ(ReadLegacyA(session_.screen(), mdb)->size(), 1u);
  EXPECT_TRUE(session_.screen().ScriptDone());
}

TEST_F(FullFamilySaveTest, PlannedMeasurementsGoToTheCurrentTables) {
  const std::string mdb = dir_.File("plan.mdb");
  ASSERT_TRUE(CreateCurrentDatabase(session_.screen(), mdb));
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  for (int i = 0; i < 3; ++i) base_.SetChecked(i, i == 1);
  ASSERT_TRUE(base_.Receive());
  base_.Select(1);
  session_.screen().AnswerFolder(dir_.path().string());
  session_.screen().ChooseFile(mdb);
  base_.Save();
  EXPECT_TRUE(session_.screen().ScriptDone());
  EXPECT_TRUE(
      std::filesystem::exists(dir_.path() / "Кабель-2" / "Плановые измерения" / "p_02_12_26.xls"));
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM tbl_PlanMeasures WHERE CableName='Кабель-2'"),
            20);
  EXPECT_EQ(QueryNumber(mdb, "SELECT NumberOfPairs FROM tbl_CableParams"), 20);
  // Cable 2 has two sections of type "ТПП-0.4".
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM tbl_Frames"), 2);
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM tbl_CableTypes WHERE TypeName='ТПП-0.4'"), 1);
}

// A database made from the shipped template takes both kinds of
// "Сохранить...": the parameters into the older table and the planned
// measurements into the current ones.
TEST_F(FullFamilySaveTest, CreatedDatabaseTakesBothSaves) {
  const std::string mdb = dir_.File("created.mdb");
  ASSERT_TRUE(CreateCurrentDatabase(session_.screen(), mdb));
  base_.Select(1);
  session_.screen().AnswerFolder(dir_.path().string());
  session_.screen().Answer(Answer::kYes, kUpdateLegacyQuestion);
  session_.screen().ChooseFile(mdb);
  base_.Save();
  EXPECT_TRUE(session_.screen().ScriptDone());
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM \"tbl_ПараметрыКабеля\""), 1);

  base_.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  for (int i = 0; i < 3; ++i) base_.SetChecked(i, i == 1);
  ASSERT_TRUE(base_.Receive());
  base_.Select(1);
  session_.screen().AnswerFolder(dir_.path().string());
  session_.screen().ChooseFile(mdb);
  base_.Save();
  EXPECT_TRUE(session_.screen().ScriptDone());
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM tbl_PlanMeasures WHERE CableName='Кабель-2'"),
            20);
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM \"tbl_ПараметрыКабеля\""), 1);
  for (const auto& line : session_.screen().MessageLines()) {
    EXPECT_EQ(line.find("не содержит"), std::string::npos) << line;
  }
}

TEST_F(FullFamilySaveTest, ReflectogramsAreRefusedWithoutTouchingADatabase) {
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kReflectograms));
  EXPECT_FALSE(base_.Save());
  EXPECT_EQ(session_.screen().MessageLines(),
            std::vector<std::string>{"Warning: Данная функция недоступна"});
}

TEST(CompactDatabaseTest, CreatedDatabaseReadsBack) {
  SimSession session(7);
  ASSERT_TRUE(session.opened()) << session.Log();
  auto model = std::make_shared<CompactModel>();
  CompactCablePage page(session.context(), model);
  page.Start();
  ASSERT_TRUE(page.Receive());
  page.Select(3);
  page.EditName("ВОСТОК 3");
  testing::TempDir dir;
  const std::string mdb = dir.File("compact.mdb");
  session.screen().ChooseFile(mdb);
  ASSERT_TRUE(page.HandleMenu(MenuCommand::kCreateDatabase));
  EXPECT_EQ(QueryNumber(mdb, "SELECT COUNT(*) FROM \"tbl_ПараметрыКабеля04\""), 12);

  CompactCablePage other(session.context(), model);
  session.screen().ChooseFile(mdb);
  ASSERT_TRUE(other.ImportDatabase());
  ASSERT_EQ(other.size(), 12);
  EXPECT_EQ(other.cables()[3].name(), "ВОСТОК 3");
  EXPECT_EQ(other.cables()[5].section_count(), page.cables()[5].section_count());
  EXPECT_EQ(other.cables()[5].section(1), page.cables()[5].section(1));
  EXPECT_FALSE(other.HasUnsavedData());
}

}  // namespace
}  // namespace telvane
