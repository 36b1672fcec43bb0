#include "cable/planned_csv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/cp1251.h"
#include "base/values.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

InstrumentInfo Meter() {
  InstrumentInfo info;
  info.kind = 7;
  const uint8_t serial[6] = {'0', '0', '1', '2', '3', 0};
  info.SetSerial(serial);
  info.name = "ИКП-7";
  return info;
}

CompactPlannedMeasurement Slot(std::array<float, 6> values) {
  CompactPlannedMeasurement slot;
  for (int i = 0; i < 6; ++i) slot.set_value(i, values[static_cast<size_t>(i)]);
  return slot;
}

CompactBase ThreePairsOfOneCable() {
  CompactBase base;
  base.counts.planned_cables = 1;
  base.counts.planned_pairs = 3;
  base.planned = {Slot({12.5f, 100.0f, 2100.0f, 50.0f, 5000.0f, 31000000.0f}),
                  Slot({kPairNotMeasured, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f}),
                  Slot({1.0f, kValueNotMeasured, 1.0f, 1.0f, 1.0f, 1.0f})};
  return base;
}

class PlannedCsvTest : public ::testing::Test {
 protected:
  std::string Written() {
    const auto bytes = testing::ReadAll(path_);
    return std::string(bytes.begin(), bytes.end());
  }
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("plan.csv");
};

TEST_F(PlannedCsvTest, OneCableWithSemicolons) {
  screen_.ChooseFile(path_, 1);
  ASSERT_TRUE(ExportPlannedCsv(screen_, ThreePairsOfOneCable(), Meter(), 0));
  const std::string bytes = Written();
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 0);
  EXPECT_EQ(Cp1251ToUtf8(bytes),
            "Наименование прибора: ИКП-7\r"
            "Серийный номер: 00123\r"
            "Плановые измерения по Кабелю №1\r"
            "Номер пары     ;Емкость AC     ;Емкость BC     ;Емкость AB     ;Изоляция AC    ;"
            "Изоляция BC    ;Изоляция AB    ;Rшл (Ом)       ;Rа (Ом)        \r"
            "0;12.5 нФ; 100 нФ;>2000 нФ;    50 КОм ;   5.0 МОм ;>30000 МОм\r"
            "1;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;"
            "НЕТ ИЗМЕРЕНИЙ\r"
            "2; 1.0 нФ;НЕТ ИЗМЕРЕНИЙ; 1.0 нФ;     1 КОм ;     1 КОм ;     1 КОм \r");
  const auto& dialog = screen_.shown().back().dialog;
  ASSERT_EQ(dialog.filters.size(), 3u);
  EXPECT_EQ(dialog.filters[0].description, "CSV (разделители - точка с запятой)");
  EXPECT_EQ(dialog.default_extension, "csv");
}

TEST_F(PlannedCsvTest, AllCablesWithCommasHaveSevenTitles) {
  CompactBase base;
  base.counts.planned_cables = 2;
  base.counts.planned_pairs = 1;
  base.planned = {Slot({1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}),
                  Slot({6.0f, 5.0f, 4.0f, 3.0f, 2.0f, 1.0f})};
  testing::WriteAll(path_, std::vector<uint8_t>(1000, 'x'));  // replaced
  screen_.ChooseFile(path_, 2);
  ASSERT_TRUE(ExportPlannedCsv(screen_, base, Meter(), kAllCables));
  const std::string titles =
      "Номер пары     ,Емкость AC     ,Емкость BC     ,Емкость AB     ,Изоляция AC    ,"
      "Изоляция BC    ,Изоляция AB    \r";
  EXPECT_EQ(Cp1251ToUtf8(Written()),
            "Наименование прибора: ИКП-7\rСерийный номер: 00123\r"
            "Плановые измерения по Кабелю №1\r" +
                titles + "0, 1.0 нФ, 2.0 нФ, 3.0 нФ,     4 КОм ,     5 КОм ,     6 КОм \r" +
                "Плановые измерения по Кабелю №2\r" + titles +
                "0, 6.0 нФ, 5.0 нФ, 4.0 нФ,     3 КОм ,     2 КОм ,     1 КОм \r");
}

TEST_F(PlannedCsvTest, CableWithoutPairsHasCaptionAndTitlesOnly) {
  CompactBase base;
  base.counts.planned_cables = 3;
  base.counts.planned_pairs = 0;
  const std::string text = Cp1251ToUtf8(PlannedCsv(base, Meter(), 2, ','));
  EXPECT_TRUE(
      text.ends_with("Плановые измерения по Кабелю №3\rНомер пары     ,Емкость AC     ,"
                     "Емкость BC     ,Емкость AB     ,Изоляция AC    ,Изоляция BC    ,"
                     "Изоляция AB    ,Rшл (Ом)       ,Rа (Ом)        \r"))
      << text;
}

TEST_F(PlannedCsvTest, PairsBeyondWhatWasReceivedShowNoMeasurement) {
  CompactBase base = ThreePairsOfOneCable();
  base.planned.resize(1);
  const std::string text = Cp1251ToUtf8(PlannedCsv(base, Meter(), 0, ';'));
  EXPECT_TRUE(
      text.ends_with("\r2;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;"
                     "НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ\r"));
}

TEST_F(PlannedCsvTest, CancelWritesNothingAndCreateFailureIsReported) {
  screen_.ChooseFile(std::nullopt);
  EXPECT_FALSE(ExportPlannedCsv(screen_, ThreePairsOfOneCable(), Meter(), 0));
  EXPECT_TRUE(testing::ReadAll(path_).empty());
  EXPECT_TRUE(screen_.messages().empty());

  const std::string bad = dir_.File("missing/plan.csv");
  screen_.ChooseFile(bad, 3);
  EXPECT_FALSE(ExportPlannedCsv(screen_, ThreePairsOfOneCable(), Meter(), 0));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка создания файла: " + bad});
}

}  // namespace
}  // namespace telvane
