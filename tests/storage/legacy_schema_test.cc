#include "cable/db/legacy_schema.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "storage/db_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::Rows;
using Lines = std::vector<std::string>;

std::vector<CompactCableType> Types() {
  std::vector<CompactCableType> types(3);
  const char* names[] = {"ТПП", "ТГ", "ПРППМ"};
  for (int i = 0; i < 3; ++i) {
    types[i].set_name(names[i]);
    types[i].set_core_diameter(0.5f + 0.25f * i);
    types[i].set_capacitance(40.0f + i);
  }
  return types;
}

CompactCableRecord Compact(const std::string& name, uint8_t sections, uint8_t calculation) {
  CompactCableRecord c;
  c.set_name(name);
  c.set_section_count(sections);
  c.set_temperature(-10.0f);
  c.set_length_calculation(calculation);
  for (int i = 0; i < 5; ++i) c.set_section(i, {static_cast<uint8_t>(i % 3), 100.0f * (i + 1)});
  c.UpdateChecksum();
  return c;
}

class LegacyTest : public ::testing::Test {
 protected:
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  std::string path_ = dir_.File("legacy.mdb");
};

TEST_F(LegacyTest, SchemaBIsCreatedWithItsColumnsInOrderAndReadBack) {
  testing::WriteAll(path_, std::vector<uint8_t>(100, 'x'));  // replaced, not opened
  const std::vector<CompactCableRecord> cables = {Compact("КАБЕЛЬ 1", 1, 241),
                                                  Compact("КАБ \"2\" 'Б'", 5, 0)};
  ASSERT_TRUE(ExportLegacyB(screen_, path_, cables, Types()));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Rows(path_, "SELECT name FROM sqlite_master WHERE type='table'"),
            Lines{"tbl_ПараметрыКабеля04"});
  Lines columns = Rows(path_, "SELECT name, type FROM pragma_table_info('tbl_ПараметрыКабеля04')");
  ASSERT_EQ(columns.size(), 24u);
  EXPECT_EQ(Lines(columns.begin(), columns.begin() + 8),
            (Lines{"ИмяКабеля|VARCHAR(13)", "Температура|REAL", "КоличествоУчастков|BYTE",
                   "РасчетДлиныПоДиаметруИТемпературе|BIT", "Участок_1_Длина|REAL",
                   "Участок_1_ТипКабеля|VARCHAR(9)", "Участок_1_Диаметр|REAL",
                   "Участок_1_Емкость|REAL"}));
  EXPECT_EQ(columns.back(), "Участок_5_Емкость|REAL");
  EXPECT_EQ(Rows(path_,
                 "SELECT ИмяКабеля, Температура, КоличествоУчастков, "
                 "РасчетДлиныПоДиаметруИТемпературе, Участок_2_Длина, Участок_2_ТипКабеля, "
                 "Участок_2_Диаметр, Участок_2_Емкость FROM tbl_ПараметрыКабеля04"),
            (Lines{"КАБЕЛЬ 1|-10.0|1|1|200.0|ТГ|0.75|41.0",
                   "КАБ \"2\" 'Б'|-10.0|5|0|200.0|ТГ|0.75|41.0"}));

  const auto read = ImportLegacyB(screen_, path_, Types());
  ASSERT_TRUE(read);
  ASSERT_EQ(read->size(), 2u);
  EXPECT_EQ((*read)[0], cables[0]);
  EXPECT_EQ((*read)[1], cables[1]);
}

TEST_F(LegacyTest, SchemaBEmptyAndForeignDatabases) {
  ASSERT_TRUE(ExportLegacyB(screen_, path_, {}, Types()));
  EXPECT_FALSE(ImportLegacyB(screen_, path_, Types()));
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kWarning);
  EXPECT_EQ(screen_.MessageLines()[0], "ПРЕДУПРЕЖДЕНИЕ: База пуста!");

  const std::string other = dir_.File("other.mdb");
  testing::MakeDatabase(other);
  EXPECT_FALSE(ImportLegacyB(screen_, other, Types()));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: " + other + "\r\nне содержит таблицы: \"tbl_ПараметрыКабеля04\"");

  EXPECT_FALSE(ImportLegacyB(screen_, dir_.File("missing.mdb"), Types()));
  EXPECT_EQ(
      screen_.MessageLines().back().rfind("Ошибка: \n\tSource :  SQLite \n\tdescription : ", 0),
      0u);
  EXPECT_FALSE(ExportLegacyB(screen_, dir_.File("no/dir/x.mdb"), {}, Types()));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + dir_.File("no/dir/x.mdb"));
}

// The export replaces a regular file only, and only with a complete database:
// a folder or a FIFO at the chosen path stays what it was and the export fails
// with "Ошибка создания файла"; no new file is left beside them.
TEST_F(LegacyTest, SchemaBExportReplacesOnlyARegularFile) {
  const std::string folder = dir_.File("EMPTYDIR");
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(ExportLegacyB(screen_, folder, {Compact("К", 1, 0)}, Types()));
  EXPECT_EQ(screen_.MessageLines(), Lines{"Ошибка создания файла: " + folder});
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  const std::string fifo = dir_.File("fifo.mdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ExportLegacyB(screen_, fifo, {Compact("К", 1, 0)}, Types()));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + fifo);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);  // the folder and the FIFO
  // A path holding connection-string syntax is the file's whole name.
  const std::string odd = dir_.File("a;DBQ=b.mdb\"'{}");
  ASSERT_TRUE(ExportLegacyB(screen_, odd, {Compact("К", 1, 0)}, Types()));
  EXPECT_EQ(Rows(odd, "SELECT ИмяКабеля FROM tbl_ПараметрыКабеля04"), Lines{"К"});
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a")));
}

TEST_F(LegacyTest, SchemaAWritesOneRowPerCableAndReadsItBack) {
  testing::MakeDatabase(path_, LegacyASchemaSql());
  CableRecord cable;
  cable.set_name("МАГИСТРАЛЬ 7");
  cable.set_type_name("ТПП 100х2");
  cable.set_pair_count(100);
  cable.set_section_count(2);
  cable.set_temperature(12.5f);
  cable.set_zone(3);
  cable.set_notebook_line(0, "первая");
  cable.set_notebook_line(2, "третья");
  cable.set_shortening_factor(1.5f);
  cable.set_condition(2);
  for (int i = 0; i < 2; ++i) {
    CableSection s;
    s.set_length(static_cast<uint16_t>(500 + i));
    s.set_core_diameter(0.5f);
    s.set_core_resistance(90);
    s.set_capacitance(45);
    s.set_temperature_factor(0.004f);
    cable.set_section(i, s);
  }
  ASSERT_TRUE(WriteLegacyA(screen_, path_, {cable}));
  ASSERT_TRUE(WriteLegacyA(screen_, path_, {cable}));
  EXPECT_EQ(Rows(path_,
                 "SELECT ИмяКабеля, ТипКабеля, КоличествоПар, Температура, ТипЗоны, "
                 "КоэффициентУкорочения, УсловиеСочетания, \"1_Длина\", \"2_Длина\", "
                 "\"2_УдельнаяЕмкостьКабеля\", \"3_Длина\", КоличествоРФГ "
                 "FROM tbl_ПараметрыКабеля"),
            Lines{"МАГИСТРАЛЬ 7|ТПП 100х2|100|12.5|3|1.5|2|500|501|45|0|0"});
  const auto read = ReadLegacyA(screen_, path_);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->size(), 1u);
  const CableRecord& r = (*read)[0];
  EXPECT_EQ(r.name(), "МАГИСТРАЛЬ 7");
  EXPECT_EQ(r.type_name(), "ТПП 100х2");
  EXPECT_EQ(r.notebook_line(0), "первая");
  EXPECT_EQ(r.notebook_line(1), "");
  EXPECT_EQ(r.notebook_line(2), "третья");
  EXPECT_EQ(r.section_count(), 2);
  EXPECT_EQ(r.section(1).length(), 501);
  EXPECT_EQ(r.section(1).temperature_factor(), 0.004f);
  EXPECT_EQ(r.temperature(), 12.5f);
  EXPECT_TRUE(screen_.shown().empty());

  const std::string empty = dir_.File("empty.mdb");
  testing::MakeDatabase(empty, LegacyASchemaSql());
  EXPECT_FALSE(ReadLegacyA(screen_, empty));
  EXPECT_EQ(screen_.MessageLines().back(), "ПРЕДУПРЕЖДЕНИЕ: База пуста!");
  const std::string current = dir_.File("current.mdb");
  testing::MakeDatabase(current);
  EXPECT_FALSE(WriteLegacyA(screen_, current, {cable}));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: " + current + "\r\nне содержит таблицы: \"tbl_ПараметрыКабеля\"");
}

}  // namespace
}  // namespace telvane
