// The planned-measurement page against a simulated kind 7 meter: 12 cables of
// 20 pairs; pair 3 of every cable is not measured, pair 4 lacks its B-C
// capacitance.
#include "cable/pages/planned_base_page.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "sim_session.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::SimSession;

class PlannedBasePageTest : public ::testing::Test {
 protected:
  PlannedBasePageTest()
      : model_(std::make_shared<CompactModel>()), page_(session_.context(), model_) {}
  void SetUp() override {
    ASSERT_TRUE(session_.opened()) << session_.Log();
    page_.Start();
    EXPECT_EQ(model_->base.counts.planned_cables, 12);
    EXPECT_EQ(model_->base.counts.planned_pairs, 20);
  }
  std::string ReadText(const std::string& path) {
    const auto bytes = testing::ReadAll(path);
    return Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
  }

  SimSession session_{7};
  std::shared_ptr<CompactModel> model_;
  PlannedBasePage page_;
  testing::TempDir dir_;
};

TEST_F(PlannedBasePageTest, ReceivesEveryCableAndShowsItsPairs) {
  EXPECT_TRUE(page_.CableNames(PlannedSide::kInstrument).empty());
  ASSERT_TRUE(page_.Receive()) << ::testing::PrintToString(session_.screen().MessageLines());
  const auto names = page_.CableNames(PlannedSide::kInstrument);
  ASSERT_EQ(names.size(), 12u);
  EXPECT_EQ(names[11], "Кабель №12");
  EXPECT_TRUE(page_.CableNames(PlannedSide::kComputer).empty());
  page_.Select(PlannedSide::kInstrument, 2);
  const auto rows = page_.PairRows();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[3][0], "3");
  for (int v = 1; v <= 6; ++v) EXPECT_EQ(rows[3][static_cast<size_t>(v)], "НЕТ ИЗМЕРЕНИЙ");
  EXPECT_EQ(rows[4][2], "НЕТ ИЗМЕРЕНИЙ");
  EXPECT_NE(rows[4][1], "НЕТ ИЗМЕРЕНИЙ");
  EXPECT_NE(rows[4][3], "НЕТ ИЗМЕРЕНИЙ");
}

TEST_F(PlannedBasePageTest, CopiedCablesExportAsCsv) {
  ASSERT_TRUE(page_.Receive());
  page_.CopyToComputer();
  ASSERT_EQ(page_.CableNames(PlannedSide::kComputer).size(), 12u);
  page_.Select(PlannedSide::kComputer, 1);
  const std::string one = dir_.File("one.csv");
  session_.screen().ChooseFile(one, 1);
  ASSERT_TRUE(page_.ExportSelected());
  const std::string text = ReadText(one);
  EXPECT_EQ(text.rfind("Наименование прибора: ", 0), 0u) << text;
  EXPECT_NE(text.find("Серийный номер: 123456\r"), std::string::npos);
  EXPECT_NE(text.find("Плановые измерения по Кабелю №2\r"), std::string::npos);
  EXPECT_EQ(text.find("Кабелю №3"), std::string::npos);
  EXPECT_NE(text.find("\r3;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;"), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);

  const std::string all = dir_.File("all.csv");
  session_.screen().ChooseFile(all, 2);
  ASSERT_TRUE(page_.ExportAll());
  const std::string every = ReadText(all);
  EXPECT_NE(every.find("Кабелю №12\r"), std::string::npos);
  EXPECT_NE(every.find("\r3,НЕТ ИЗМЕРЕНИЙ,НЕТ ИЗМЕРЕНИЙ,"), std::string::npos);
}

TEST_F(PlannedBasePageTest, NothingToExportBeforeAReception) {
  EXPECT_FALSE(page_.ExportAll());
  EXPECT_EQ(session_.screen().MessageLines(),
            std::vector<std::string>{"Ошибка: Нет кабелей 0\n\rВозможно не считаны параметры"});
}

}  // namespace
}  // namespace telvane
