// The database, cable and size pages of the full family against a simulated
// kind 6 meter: the initial transfer announces 3 cables "Кабель-1".."Кабель-3"
// of at most 50; cable n has 10n pairs more than 10 (the first has 2000).
#include <gtest/gtest.h>

#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_edit_page.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/full_planned_page.h"
#include "sim_session.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::SimSession;

// Command frames of kind 6, serial "123456": the address sums to 0x3B.
constexpr char kWholeReceive[] = "sim: <- 06 31 32 33 34 35 36 15 50";
constexpr char kSingleReceive[] = "sim: <- 06 31 32 33 34 35 36 14 4F";
constexpr char kWholeSend[] = "sim: <- 06 31 32 33 34 35 36 12 4D";
constexpr char kSingleSend[] = "sim: <- 06 31 32 33 34 35 36 11 4C";
constexpr char kPlanned[] = "sim: <- 06 31 32 33 34 35 36 16 51";

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class FullFamilyTest : public ::testing::Test {
 protected:
  explicit FullFamilyTest(std::vector<std::string> extra = {})
      : session_(6, std::move(extra)),
        model_(std::make_shared<FullFamilyModel>()),
        size_(session_.context(), model_),
        base_(session_.context(), model_),
        cable_(session_.context(), model_) {}
  void SetUp() override {
    ASSERT_TRUE(session_.opened()) << session_.Log();
    size_.Start();
    session_.NewTraffic();
  }
  std::vector<std::string> Messages() { return session_.screen().MessageLines(); }

  SimSession session_;
  std::shared_ptr<FullFamilyModel> model_;
  CableSizePage size_;
  CableBasePage base_;
  CableEditPage cable_;
};

TEST_F(FullFamilyTest, InitialTransferFillsTheCountersAndTheNames) {
  const auto rows = size_.Rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].current, 3u);
  EXPECT_EQ(rows[0].maximum, 50u);
  // Pairs: 2000 + 20 + 30 of at most 50 × 2000.
  EXPECT_EQ(rows[1].current, 2050u);
  EXPECT_EQ(rows[1].maximum, 100000u);
  EXPECT_EQ(rows[2].current, 2u);
  EXPECT_EQ(rows[3].maximum, 65536u);
  EXPECT_EQ(base_.Names(), (std::vector<std::string>{"Кабель-1", "Кабель-2", "Кабель-3"}));
  EXPECT_TRUE(base_.checked(0) && base_.checked(1) && base_.checked(2));
  EXPECT_EQ(cable_.FieldText(CableField::kName), "Кабель-1");
  EXPECT_EQ(cable_.PositionText(), "№ 1 из 3");
}

TEST_F(FullFamilyTest, AllCheckedUsesTheWholeDatabaseCommands) {
  ASSERT_TRUE(base_.Receive()) << ::testing::PrintToString(Messages());
  std::string traffic = session_.NewTraffic();
  EXPECT_EQ(Occurrences(traffic, kWholeReceive), 1u) << traffic;
  EXPECT_EQ(Occurrences(traffic, kSingleReceive), 0u);
  EXPECT_EQ(cable_.FieldText(CableField::kPairs), "2000");
  EXPECT_EQ(cable_.FieldText(CableField::kType), "ТПП-0.32");

  ASSERT_TRUE(base_.Send());
  traffic = session_.NewTraffic();
  EXPECT_EQ(Occurrences(traffic, kWholeSend), 1u) << traffic;
  EXPECT_EQ(Occurrences(traffic, kSingleSend), 0u);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Complete"});
}

// "/i0B:1": the first cable is never checked nor selected, so even with every
// other cable checked the transfers go cable by cable and leave it alone.
TEST(FullFamilyLockTest, TheLockedCableStaysOutOfTransfersAndSelection) {
  SimSession session(6);
  ASSERT_TRUE(session.opened()) << session.Log();
  session.options().locked_leading_entries = 1;
  auto model = std::make_shared<FullFamilyModel>();
  CableSizePage size(session.context(), model);
  CableBasePage base(session.context(), model);
  CableEditPage cable(session.context(), model);
  size.Start();
  session.NewTraffic();
  EXPECT_FALSE(base.checked(0));
  EXPECT_TRUE(base.checked(1));
  EXPECT_EQ(model->selected(), 1);
  base.Select(0);
  base.SetChecked(0, true);
  EXPECT_EQ(model->selected(), 1);
  EXPECT_FALSE(base.checked(0));
  cable.Move(CableMove::kFirst);
  EXPECT_EQ(model->selected(), 1);
  ASSERT_TRUE(base.Receive()) << ::testing::PrintToString(session.screen().MessageLines());
  const std::string traffic = session.NewTraffic();
  EXPECT_EQ(Occurrences(traffic, kSingleReceive), 2u) << traffic;
  EXPECT_EQ(Occurrences(traffic, kWholeReceive), 0u);
  EXPECT_EQ(model->base.cables[0].pair_count(), 0);  // never asked for
  EXPECT_EQ(model->base.cables[2].pair_count(), 30);
}

TEST_F(FullFamilyTest, CheckedCablesGoOneByOne) {
  base_.SetChecked(1, false);
  ASSERT_TRUE(base_.Receive()) << ::testing::PrintToString(Messages());
  std::string traffic = session_.NewTraffic();
  EXPECT_EQ(Occurrences(traffic, kSingleReceive), 2u) << traffic;
  EXPECT_EQ(Occurrences(traffic, kWholeReceive), 0u);
  // Cable 2 was left alone: it has its name from the initial transfer only.
  EXPECT_EQ(model_->base.cables[1].pair_count(), 0);
  EXPECT_EQ(model_->base.cables[2].pair_count(), 30);
  EXPECT_EQ(model_->base.cables[2].type_name(), "ТПП-0.5");

  ASSERT_TRUE(base_.Send());
  traffic = session_.NewTraffic();
  EXPECT_EQ(Occurrences(traffic, kSingleSend), 2u) << traffic;
  EXPECT_EQ(Occurrences(traffic, kWholeSend), 0u);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Complete"});
}

TEST_F(FullFamilyTest, NothingCheckedMovesNothing) {
  for (int i = 0; i < 3; ++i) base_.SetChecked(i, false);
  EXPECT_FALSE(base_.Send());
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(base_.Receive());
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Предупреждение: Необходимо выбрать хотябы одну запись"});
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  EXPECT_FALSE(base_.Receive());
  EXPECT_EQ(session_.NewTraffic().find("sim: <-"), std::string::npos);
}

TEST_F(FullFamilyTest, PlannedMeasurementsOfTheCheckedCables) {
  ASSERT_TRUE(base_.Receive());
  base_.SetChecked(0, false);
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  session_.screen().ClearShown();
  session_.NewTraffic();
  ASSERT_TRUE(base_.Receive()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(Occurrences(session_.NewTraffic(), kPlanned), 2u);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Complete"});
  // Cable 2: day 2, December 2026, 20 pairs numbered from 1.
  const PlannedDatabase& planned = model_->base.planned[1];
  EXPECT_EQ(planned.date, (std::array<uint8_t, 3>{2, 12, 26}));
  ASSERT_GE(planned.slots.size(), 20u);
  EXPECT_EQ(planned.slots[19].pair(), 20);
  EXPECT_TRUE(model_->base.planned[0].slots.empty());

  // The planned-measurement page shows the selected cable's pairs.
  FullPlannedPage page(session_.context(), model_);
  EXPECT_EQ(page.DateText(), "");
  EXPECT_TRUE(page.Rows().empty());
  base_.Select(1);
  EXPECT_EQ(page.CableText(), "Кабель-2");
  EXPECT_EQ(page.DateText(), "02.12.2026");
  const auto rows = page.Rows();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[19][0], "20");
  // Pair 6 is not measured; the others have every value.
  for (size_t v = 1; v <= 6; ++v) EXPECT_EQ(rows[5][v], "НЕТ ИЗМЕРЕНИЙ");
  for (size_t v = 1; v <= 6; ++v) EXPECT_NE(rows[4][v], "НЕТ ИЗМЕРЕНИЙ");
}

TEST_F(FullFamilyTest, PlannedMeasurementsOfACableWithoutPairsStopTheSeries) {
  session_.screen().Answer(Answer::kYes, "Очистить всю базу?");
  base_.Clear();
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
  EXPECT_FALSE(base_.Receive());
  const auto lines = Messages();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("Количество пар должно превышать 0"), std::string::npos);
  EXPECT_EQ(lines[1], "Ошибка: Неудачная попытка вызова OnRCVPlanIzm6");
}

TEST_F(FullFamilyTest, ClearKeepsTheCountAndChecksEveryCable) {
  ASSERT_TRUE(base_.Receive());
  base_.SetChecked(2, false);
  cable_.Move(CableMove::kLast);
  session_.screen().Answer(Answer::kYes, "Очистить всю базу?");
  base_.Clear();
  EXPECT_EQ(base_.Names(), (std::vector<std::string>{"", "", ""}));
  EXPECT_TRUE(base_.checked(2));
  EXPECT_EQ(model_->selected(), 0);
  EXPECT_EQ(model_->base.header.cable_count(), 3);
  EXPECT_EQ(cable_.FieldText(CableField::kPairs), "0");
  EXPECT_TRUE(session_.screen().ScriptDone());
}

TEST_F(FullFamilyTest, OtherDatabasesRefuseWhatTheyCannotDo) {
  base_.ChooseDatabase(static_cast<int>(FullDatabase::kReflectograms));
  base_.Clear();
  base_.Send();
  base_.Receive();
  EXPECT_EQ(Messages(), std::vector<std::string>(3, ": Данная функция недоступна"));
  base_.ChooseDatabase(7);
  EXPECT_EQ(base_.database(), 0);
}

TEST_F(FullFamilyTest, CablePageWritesEveryEditIntoTheRecord) {
  ASSERT_TRUE(base_.Receive());
  cable_.Move(CableMove::kNext);
  EXPECT_EQ(cable_.PositionText(), "№ 2 из 3");
  cable_.EditField(CableField::kName, "МАГИСТРАЛЬ");
  cable_.EditField(CableField::kLength, "1234");
  cable_.EditField(CableField::kNotebook, "строка 1\r\nстрока 2");
  EXPECT_EQ(base_.Names()[1], "МАГИСТРАЛЬ");
  const CableRecord& record = model_->base.cables[1];
  EXPECT_EQ(record.length(), 1234);
  EXPECT_EQ(record.notebook_line(1), "строка 2");
  EXPECT_EQ(record.notebook_line(2), "");
  // Cable 2 has two sections.
  EXPECT_EQ(cable_.SectionNames(), (std::vector<std::string>{"Участок 1", "Участок 2"}));
  cable_.ChooseSection(1);
  cable_.EditField(CableField::kSectionLength, "777");
  cable_.EditField(CableField::kSectionDiameter, "0.64");
  EXPECT_EQ(record.section(1).length(), 777);
  EXPECT_FLOAT_EQ(record.section(1).core_diameter(), 0.64f);
  EXPECT_EQ(record.section(0).length(), 100);
  // A larger count keeps the chosen section; a smaller one goes to the first.
  cable_.EditField(CableField::kSections, "4");
  EXPECT_EQ(cable_.section(), 1);
  EXPECT_EQ(cable_.SectionNames().size(), 4u);
  cable_.EditField(CableField::kSections, "1");
  EXPECT_EQ(cable_.section(), 0);
  // The record has five sections.
  cable_.EditField(CableField::kSections, "9");
  EXPECT_EQ(record.section_count(), 5);
  cable_.Move(CableMove::kLast);
  cable_.Move(CableMove::kNext);
  EXPECT_EQ(cable_.PositionText(), "№ 3 из 3");
  cable_.Move(CableMove::kFirst);
  cable_.Move(CableMove::kPrevious);
  EXPECT_EQ(cable_.FieldText(CableField::kName), "Кабель-1");
}

TEST_F(FullFamilyTest, FileMenuSavesAndOpensTheBase) {
  ASSERT_TRUE(base_.Receive());
  testing::TempDir dir;
  const std::string file = dir.File("base.bin");
  session_.screen().ChooseFile(file);
  ASSERT_TRUE(base_.HandleMenu(MenuCommand::kSaveBase));
  EXPECT_EQ(testing::ReadAll(file).size(), 48u + 262u * 3u);
  session_.screen().ChooseFile(dir.File("base.txt"));
  ASSERT_TRUE(base_.HandleMenu(MenuCommand::kSaveAsText));
  EXPECT_FALSE(testing::ReadAll(dir.File("base.txt")).empty());

  session_.screen().Answer(Answer::kYes, "Очистить всю базу?");
  base_.Clear();
  session_.screen().ChooseFile(file);
  ASSERT_TRUE(base_.HandleMenu(MenuCommand::kOpenBase));
  EXPECT_EQ(base_.Names()[2], "Кабель-3");
  EXPECT_EQ(model_->base.cables[0].pair_count(), 2000);
  EXPECT_FALSE(base_.HandleMenu(MenuCommand::kSaveExcel));
}

class CountAboveMaximumTest : public FullFamilyTest {
 protected:
  CountAboveMaximumTest() : FullFamilyTest({"--cables", "60"}) {}
};

TEST_F(CountAboveMaximumTest, OnlyTheMaximumTakesPart) {
  EXPECT_EQ(model_->base.header.cable_count(), 60);
  EXPECT_EQ(base_.Names().size(), 50u);
  ASSERT_TRUE(base_.Receive()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(model_->base.cables[49].name(), "Кабель-50");
  EXPECT_EQ(model_->base.cables[50].pair_count(), 0);
  // Cable 56 lies beyond the maximum: its mark does not count.
  for (int i = 0; i < 60; ++i) base_.SetChecked(i, i == 0 || i == 49 || i == 55);
  ASSERT_TRUE(base_.Send());
  EXPECT_EQ(Occurrences(session_.NewTraffic(), kSingleSend), 2u);
}

}  // namespace
}  // namespace telvane
