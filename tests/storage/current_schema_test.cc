#include "storage/db/current_schema.h"

#include <gtest/gtest.h>

#include "storage/db_samples.h"
#include "storage/trace_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::Rows;
using Lines = std::vector<std::string>;

DbCableType Type(const std::string& name, float diameter) {
  DbCableType type;
  type.name = name;
  type.diameter = diameter;
  type.specific_capacity = 45.5f;
  return type;
}

DbCable Cable(const std::string& name) {
  DbCable cable;
  cable.name = name;
  cable.pairs = 10;
  cable.temperature = 20.5f;
  cable.frames = {{Type("ТПП", 0.5f), 1500.0f, std::nullopt, 45.5f},
                  {Type("ТГ", 0.75f), 250.0f, 16.0f, 40.0f}};
  return cable;
}

std::vector<DbPlanPair> Pairs(int count, float base) {
  std::vector<DbPlanPair> pairs;
  for (int i = 1; i <= count; ++i) {
    DbPlanPair p;
    p.pair_number = i;
    p.cap_ac = base + i;
    p.cap_bc = 2;
    p.cap_ab = 3;
    p.ins_ac = 31000000.0f;
    p.ins_bc = 5;
    p.ins_ab = 6;
    pairs.push_back(p);
  }
  return pairs;
}

class CurrentSchemaTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::MakeDatabase(path_); }
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("cables.mdb");
};

TEST_F(CurrentSchemaTest, DatabaseWithoutFramesIsRefusedAndLeftUnchanged) {
  const std::string path = dir_.File("no_frames.mdb");
  testing::MakeDatabase(path);
  testing::MakeDatabase(path, "DROP TABLE tbl_Frames;");
  const auto before = testing::ReadAll(path);
  EXPECT_FALSE(WriteCables(screen_, path, {Cable("К1")}));
  EXPECT_EQ(screen_.MessageLines(),
            Lines{"Ошибка: " + path + "\r\nне содержит всех необходимых таблиц."});
  EXPECT_EQ(testing::ReadAll(path), before);
  EXPECT_FALSE(screen_.wait_cursor());
}

TEST_F(CurrentSchemaTest, WritingTwiceKeepsOneCableAndTypesAccumulate) {
  ASSERT_TRUE(WriteCables(screen_, path_, {Cable("К1")}));
  DbCable again = Cable("К1");
  again.pairs = 20;
  again.frames[0].type.diameter = 9.0f;  // an existing type is never changed
  again.frames.push_back({Type("НОВЫЙ", 1.25f), 10.0f, std::nullopt, 1.0f});
  ASSERT_TRUE(WriteCables(screen_, path_, {again, Cable("К2")}));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Rows(path_,
                 "SELECT CableName, NumberOfPairs, NumberOfFrames, Temperature, "
                 "Date_Plan FROM tbl_CableParams ORDER BY CableName"),
            (Lines{"К1|20|3|20.5|NULL", "К2|10|2|20.5|NULL"}));
  EXPECT_EQ(
      Rows(path_,
           "SELECT CableName, NumberOfFrame, TypeName, FrameLength, "
           "Length_in_Point, SpecificCapacity FROM tbl_Frames ORDER BY rowid"),
      (Lines{"К1|1|ТПП|1500.0|NULL|45.5", "К1|2|ТГ|250.0|16.0|40.0", "К1|3|НОВЫЙ|10.0|NULL|1.0",
             "К2|1|ТПП|1500.0|NULL|45.5", "К2|2|ТГ|250.0|16.0|40.0"}));
  EXPECT_EQ(Rows(path_,
                 "SELECT TypeName, Diameter, SpecificCapacity, Contraction, UserType "
                 "FROM tbl_CableTypes ORDER BY rowid"),
            (Lines{"ТПП|0.5|45.5|NULL|0", "ТГ|0.75|45.5|NULL|0", "НОВЫЙ|1.25|45.5|NULL|0"}));
}

TEST_F(CurrentSchemaTest, PlannedMeasurementsByDate) {
  DbCable cable = Cable("К1");
  cable.plan_date = DbPlanDate{24, 12, 26};
  cable.plan = Pairs(3, 10);
  (*cable.plan)[1].loop_resistance = 12.5;
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  // Whole days are kept as whole numbers by the column's numeric affinity.
  EXPECT_EQ(Rows(path_, "SELECT Date_Plan FROM tbl_CableParams"), Lines{"46380"});
  EXPECT_EQ(Rows(path_,
                 "SELECT CableName, Date_Plan, PairNumber, CAP_ac, INS_ac, "
                 "LoopResistance, OhmicAsymmetry FROM tbl_PlanMeasures ORDER BY rowid"),
            (Lines{"К1|46380|1|11.0|31000000.0|NULL|NULL", "К1|46380|2|12.0|31000000.0|12.5|NULL",
                   "К1|46380|3|13.0|31000000.0|NULL|NULL"}));
  // The same date again replaces its rows; another date adds its own.
  cable.plan = Pairs(2, 100);
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  cable.plan_date = DbPlanDate{25, 12, 26};
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  EXPECT_EQ(Rows(path_,
                 "SELECT Date_Plan, PairNumber, CAP_ac FROM tbl_PlanMeasures "
                 "ORDER BY Date_Plan, PairNumber"),
            (Lines{"46380|1|101.0", "46380|2|102.0", "46381|1|101.0", "46381|2|102.0"}));
}

TEST_F(CurrentSchemaTest, YearByte254Or255MeansTodayFromTheClock) {
  screen_.SetNow({2026, 12, 9, 10, 30, 0});
  for (uint8_t year : {254, 255}) {
    DbCable cable = Cable(year == 254 ? "К254" : "К255");
    cable.plan_date = DbPlanDate{1, 1, year};
    cable.plan = Pairs(1, 0);
    ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  }
  EXPECT_EQ(Rows(path_, "SELECT Date_Plan FROM tbl_CableParams"),
            (Lines{"46365.4375", "46365.4375"}));
  EXPECT_EQ(Rows(path_, "SELECT Date_Plan FROM tbl_PlanMeasures"),
            (Lines{"46365.4375", "46365.4375"}));
  // Written again on the same day, the rows of today are replaced, not added.
  screen_.SetNow({2026, 12, 9, 18, 0, 0});
  DbCable cable = Cable("К254");
  cable.plan_date = DbPlanDate{0, 0, 254};
  cable.plan = Pairs(1, 0);
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_PlanMeasures WHERE CableName='К254'"),
            Lines{"1"});
}

TEST_F(CurrentSchemaTest, InvalidDateLeavesDatePlanUnsetAndWritesNoPlan) {
  DbCable cable = Cable("К1");
  cable.plan_date = DbPlanDate{31, 2, 26};
  cable.plan = Pairs(2, 0);
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  EXPECT_EQ(Rows(path_, "SELECT Date_Plan FROM tbl_CableParams"), Lines{"NULL"});
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_PlanMeasures"), Lines{"0"});
}

TEST_F(CurrentSchemaTest, NamesWithQuotesRoundTrip) {
  const std::vector<std::string> names = {"КАБ\"ЕЛЬ\" 1", "[ТИП] 50%", "it's", "\"\"", "КАБ"};
  std::vector<DbCable> cables;
  for (const auto& name : names) {
    DbCable c = Cable(name);
    c.frames[0].type.name = name + " тип";
    cables.push_back(c);
  }
  ASSERT_TRUE(WriteCables(screen_, path_, cables));
  ASSERT_TRUE(WriteCables(screen_, path_, {cables[0]}));  // deletes only its own rows
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_Frames"), Lines{"10"});
  const auto listed = ListCables(screen_, path_);
  ASSERT_TRUE(listed);
  EXPECT_EQ(std::set<std::string>(listed->begin(), listed->end()),
            std::set<std::string>(names.begin(), names.end()));
  const auto read = ReadCables(screen_, path_, names);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ((*read)[i].name, names[i]);
    ASSERT_EQ((*read)[i].frames.size(), 2u);
    EXPECT_EQ((*read)[i].frames[0].type.name, names[i] + " тип");
    EXPECT_EQ((*read)[i].frames[0].type.diameter, 0.5f);
  }

  ReflectogramRecord record = testing::SampleRecord(RecordForm::kExtended);
  record.set_name("РФГ \"1\" 'a' [b] 100%");
  ASSERT_TRUE(StoreReflectogram(screen_, path_, names[0], record, 128, false));
  const auto headers = ListReflectograms(screen_, path_);
  ASSERT_TRUE(headers);
  ASSERT_EQ(headers->size(), 1u);
  EXPECT_EQ((*headers)[0].Label(), names[0] + " (РФГ \"1\" 'a' [b] 100%)");
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(CurrentSchemaTest, ReadingCables) {
  DbCable cable = Cable("К1");
  cable.nlist = 4;
  cable.address_plan = 77;
  cable.time_charge = 5;
  cable.plan_date = DbPlanDate{24, 12, 26};
  ASSERT_TRUE(WriteCables(screen_, path_, {cable}));
  const auto read = ReadCables(screen_, path_, {"К1"});
  ASSERT_TRUE(read);
  const DbStoredCable& c = (*read)[0];
  EXPECT_EQ(c.nlist, 4);
  EXPECT_EQ(c.pairs, 10);
  EXPECT_EQ(c.temperature, 20.5f);
  EXPECT_EQ(c.frame_count, 2);
  EXPECT_EQ(c.address_plan, 77);
  EXPECT_EQ(c.time_charge, 5);
  ASSERT_TRUE(c.plan_date);
  EXPECT_EQ(c.plan_date->day, 24);
  EXPECT_EQ(c.plan_date->year, 2026);
  EXPECT_EQ(c.frames[1].length_in_points, 16.0f);
  EXPECT_EQ(c.frames[1].type.diameter, 0.75f);

  testing::MakeDatabase(path_, "DELETE FROM tbl_CableTypes WHERE TypeName='ТГ';");
  EXPECT_FALSE(ReadCables(screen_, path_, {"К1"}));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: " + path_ + "\r\nне содержит требуемых данных.");

  const std::string empty = dir_.File("empty.mdb");
  testing::MakeDatabase(empty);
  EXPECT_FALSE(ListCables(screen_, empty));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: " + empty + "\r\nне содержит данных.");
  testing::MakeDatabase(empty, "INSERT INTO tbl_CableParams (CableName) VALUES (NULL);");
  EXPECT_EQ(ListCables(screen_, empty), Lines{"NULL"});
}

TEST_F(CurrentSchemaTest, AFailedCableLeavesNothingHalfWrittenAndEarlierCablesStay) {
  testing::MakeDatabase(path_,
                        "CREATE TRIGGER refuse BEFORE INSERT ON tbl_Frames "
                        "WHEN NEW.NumberOfFrame = 2 AND NEW.CableName = 'ПЛОХОЙ' "
                        "BEGIN SELECT RAISE(ABORT, 'Disk or network error.'); END;");
  EXPECT_FALSE(WriteCables(screen_, path_, {Cable("ПЕРВЫЙ"), Cable("ПЛОХОЙ"), Cable("ТРЕТИЙ")}));
  EXPECT_EQ(screen_.MessageLines(), Lines{"Ошибка: Description = 'Disk or network error.'\n"});
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kError);
  EXPECT_EQ(Rows(path_, "SELECT CableName FROM tbl_CableParams"), Lines{"ПЕРВЫЙ"});
  EXPECT_EQ(Rows(path_, "SELECT DISTINCT CableName FROM tbl_Frames"), Lines{"ПЕРВЫЙ"});
}

TEST_F(CurrentSchemaTest, NotADatabase) {
  const std::string path = dir_.File("text.mdb");
  testing::WriteAll(path, std::vector<uint8_t>(4096, 'z'));
  EXPECT_FALSE(WriteCables(screen_, path, {Cable("К1")}));
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].caption, "Ошибка");
  EXPECT_EQ(screen_.messages()[0].text.rfind("Description = 'file is not a database", 0), 0u);
}

class ReflectogramStoreTest : public CurrentSchemaTest {
 protected:
  void SetUp() override {
    CurrentSchemaTest::SetUp();
    ASSERT_TRUE(WriteCables(screen_, path_, {Cable("К1")}));
  }
};

TEST_F(ReflectogramStoreTest, UnknownCableStoresNothing) {
  EXPECT_FALSE(StoreReflectogram(screen_, path_, "НЕТ", testing::SampleRecord(RecordForm::kCompact),
                                 128, false));
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kWarning);
  EXPECT_EQ(screen_.MessageLines()[0],
            "Обновление невозможно!!!: Сначала необходимо обновить БД параметров кабелей!\r\n(т.к. "
            "в БД отсутствуют параметры данного кабеля!)");
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_RFGHeaders"), Lines{"0"});
}

TEST_F(ReflectogramStoreTest, StoringAgainKeepsTheNumberAndReplacesThePoints) {
  ReflectogramRecord record = testing::SampleRecord(RecordForm::kCompact);
  ASSERT_TRUE(StoreReflectogram(screen_, path_, "К1", record, 128, false));
  EXPECT_EQ(Rows(path_,
                 "SELECT RFG_number, CableName, Name_RFG, RFG_Version, RFG_Date, TDRimp, "
                 "TDRoffset, TDRdiap, TDRrast, TDRmiddl, TDRdB, TDRcurs1_M, TDRcurs2_M, "
                 "TDRvirtZeroX, TDRvirtMeasX, TDRactiveCursor, TDRvirtLeftSide, "
                 "TDRvirtRightSide, rCoordination FROM tbl_RFGHeaders"),
            Lines{"1|К1|КАБЕЛЬ 1|1|09.12.2026|3|7|1000|4|16|50|-5|300|1|-2|1|10|200|NULL"});
  EXPECT_EQ(Rows(path_, "SELECT count(*), min(Point), max(Point) FROM tbl_RFGPoints"),
            Lines{"128|0|127"});
  EXPECT_EQ(Rows(path_, "SELECT RFG FROM tbl_RFGPoints WHERE Point IN (0, 1, 63) ORDER BY Point"),
            (Lines{"63", "62", "0"}));

  // A second reflectogram, then the first again with other samples.
  ReflectogramRecord other = record;
  other.set_name("ВТОРАЯ");
  ASSERT_TRUE(StoreReflectogram(screen_, path_, "К1", other, 128, false));
  for (int i = 0; i < 128; ++i) record.set_sample(i, 10);
  record.set_date(26, 13, 1);  // not a date: RFG_Date stays as it was
  ASSERT_TRUE(StoreReflectogram(screen_, path_, "К1", record, 128, false));
  EXPECT_EQ(Rows(path_, "SELECT RFG_number, Name_RFG, RFG_Date FROM tbl_RFGHeaders ORDER BY 1"),
            (Lines{"1|КАБЕЛЬ 1|09.12.2026", "2|ВТОРАЯ|09.12.2026"}));
  EXPECT_EQ(Rows(path_,
                 "SELECT RFG_Number, count(*), min(RFG), max(RFG) FROM tbl_RFGPoints "
                 "GROUP BY RFG_Number"),
            (Lines{"1|128|53|53", "2|128|0|63"}));
}

TEST_F(ReflectogramStoreTest, NewerPageWritesCoordinationAnd160Points) {
  ReflectogramRecord record = testing::SampleRecord(RecordForm::kExtended);
  record.set_coordination(160, 123.9f);
  ASSERT_TRUE(StoreReflectogram(screen_, path_, "К1", record, 160, true));
  EXPECT_EQ(Rows(path_, "SELECT rCoordination FROM tbl_RFGHeaders"), Lines{"123"});
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_RFGPoints"), Lines{"160"});

  // A table without the column is fine; the value is simply not written.
  const std::string path = dir_.File("old.mdb");
  std::string schema = testing::ShippedSchema();
  const std::string column = ",\n  rCoordination INTEGER";
  schema.erase(schema.find(column), column.size());
  testing::MakeDatabase(path, schema);
  ASSERT_TRUE(WriteCables(screen_, path, {Cable("К1")}));
  ASSERT_TRUE(StoreReflectogram(screen_, path, "К1", record, 160, true));
  EXPECT_EQ(Rows(path, "SELECT Name_RFG FROM tbl_RFGHeaders"), Lines{"КАБЕЛЬ 1"});
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(ReflectogramStoreTest, ReadingBack) {
  ReflectogramRecord record = testing::SampleRecord(RecordForm::kExtended);
  ASSERT_TRUE(StoreReflectogram(screen_, path_, "К1", record, 160, true));
  auto headers = ListReflectograms(screen_, path_);
  ASSERT_TRUE(headers && headers->size() == 1);
  ReflectogramRecord read(RecordForm::kExtended);
  ASSERT_TRUE(ReadReflectogram(screen_, path_, (*headers)[0], read));
  EXPECT_EQ(read.name(), "КАБЕЛЬ 1");
  EXPECT_EQ(read.settings(), record.settings());
  EXPECT_EQ(read.day(), 9);
  EXPECT_EQ(read.month(), 12);
  EXPECT_EQ(read.year(), 26);
  for (int i = 0; i < 160; ++i) EXPECT_EQ(read.sample(i), record.sample(i));
  EXPECT_TRUE(screen_.shown().empty());

  // 160 points into a compact record: the first 128 and a warning.
  ReflectogramRecord compact(RecordForm::kCompact);
  ASSERT_TRUE(ReadReflectogram(screen_, path_, (*headers)[0], compact));
  EXPECT_EQ(screen_.MessageLines(),
            Lines{"Предупреждение: Потеря данных!\r\nТочек больше возможного!"});
  EXPECT_EQ(compact.sample(127), 127 % 64);

  testing::MakeDatabase(path_, "UPDATE tbl_RFGHeaders SET RFG_Version = 2;");
  headers = ListReflectograms(screen_, path_);
  EXPECT_FALSE(ReadReflectogram(screen_, path_, (*headers)[0], read));
  EXPECT_TRUE(screen_.HasMessage("Неизвестная версия РФГ!"));

  testing::MakeDatabase(path_,
                        "UPDATE tbl_RFGHeaders SET RFG_Version = 1; DELETE FROM tbl_RFGPoints;");
  headers = ListReflectograms(screen_, path_);
  EXPECT_FALSE(ReadReflectogram(screen_, path_, (*headers)[0], read));
  EXPECT_EQ(screen_.MessageLines().back(), "Несоответствие в БД: Нет точек!!!");
}

TEST_F(ReflectogramStoreTest, ReflectogramOperationsNeedTheirTables) {
  testing::MakeDatabase(path_, "DROP TABLE tbl_RFGPoints;");
  EXPECT_FALSE(StoreReflectogram(screen_, path_, "К1", testing::SampleRecord(RecordForm::kCompact),
                                 128, false));
  EXPECT_EQ(screen_.MessageLines(),
            Lines{"Ошибка: " + path_ + "\r\nне содержит всех необходимых таблиц."});
  EXPECT_EQ(Rows(path_, "SELECT count(*) FROM tbl_RFGHeaders"), Lines{"0"});
}

}  // namespace
}  // namespace telvane
