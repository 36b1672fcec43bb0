// The compact cable page against a simulated kind 7 meter: 12 cables
// "ЛИНИЯ 1".."ЛИНИЯ 12", 8 cable types "ТПП-0.32".. with diameters 0.32 + 0.1 i
// and capacitances 45 + i, room for 30 cables.
#include "cable/pages/compact_cable_page.h"

#include <gtest/gtest.h>

#include "base/sprintf.h"
#include "sim_session.h"

namespace telvane {
namespace {

using testing::SimSession;

constexpr char kSendQuestion[] = "будет изменена";
// Command 0x24 of kind 7, serial "123456" (address sum 0x3C).
constexpr char kSendImage[] = "sim: <- 07 31 32 33 34 35 36 24 60";

class CompactCablePageTest : public ::testing::Test {
 protected:
  CompactCablePageTest()
      : model_(std::make_shared<CompactModel>()), page_(session_.context(), model_) {}
  void SetUp() override {
    ASSERT_TRUE(session_.opened()) << session_.Log();
    // The first transfer: the header of the search's initial transfer and the
    // type list.
    page_.Start();
    ASSERT_EQ(model_->base.types.size(), 8u) << ::testing::PrintToString(Messages());
    ASSERT_TRUE(page_.Receive()) << ::testing::PrintToString(Messages());
    session_.NewTraffic();
    session_.screen().ClearShown();
  }
  std::vector<std::string> Messages() { return session_.screen().MessageLines(); }
  // Entries until the list holds `count`.
  void FillTo(int count) {
    for (int i = page_.size(); i < count; ++i) {
      ASSERT_TRUE(page_.Add(Sprintf("Н%d", i))) << ::testing::PrintToString(Messages());
    }
  }

  SimSession session_{7};
  std::shared_ptr<CompactModel> model_;
  CompactCablePage page_;
};

// "/i0B:2", the program's default: the first two entries are neither the
// cursor's entry nor marked, "Выделить все?" marks the others only.
TEST(CompactLockTest, LockedEntriesAreNeitherSelectedNorMarked) {
  SimSession session(7);
  ASSERT_TRUE(session.opened()) << session.Log();
  session.options().locked_leading_entries = 2;
  auto model = std::make_shared<CompactModel>();
  CompactCablePage page(session.context(), model);
  page.Start();
  ASSERT_TRUE(page.Receive());
  ASSERT_EQ(page.size(), 12);
  EXPECT_EQ(page.selected(), 2);
  EXPECT_EQ(page.PositionText(), "№ 3 из 12");
  page.Select(0);
  EXPECT_EQ(page.selected(), 2);
  page.SetMarked(1, true);
  EXPECT_FALSE(page.marked(1));
  session.screen().Answer(Answer::kYes, "Выделить все?");
  page.PlusKey();
  EXPECT_EQ(page.marked_count(), 10);
  EXPECT_FALSE(page.marked(0));
  EXPECT_TRUE(page.marked(11));
}

TEST_F(CompactCablePageTest, ReceivedListAndTypeChoice) {
  ASSERT_EQ(page_.size(), 12);
  EXPECT_EQ(page_.cables()[0].name(), "ЛИНИЯ 1");
  EXPECT_EQ(page_.instrument_cables(), 12);
  EXPECT_EQ(page_.instrument_maximum(), 30);
  EXPECT_EQ(page_.PositionText(), "№ 1 из 12");
  EXPECT_FALSE(page_.modified());
  ASSERT_EQ(page_.TypeNames().size(), 8u);
  EXPECT_EQ(page_.TypeNames()[1], "ТПП-0.4");
  page_.Select(1);
  page_.SetSectionType(1);
  EXPECT_EQ(page_.DiameterText(), "0.42");
  EXPECT_EQ(page_.CapacitanceText(), "46.0");
  EXPECT_TRUE(page_.modified());
}

TEST_F(CompactCablePageTest, TypedNameIsCleaned) {
  page_.Select(2);
  EXPECT_EQ(page_.EditName("qwerty"), "ЙЦУКЕН");
  EXPECT_EQ(page_.cables()[2].name(), "ЙЦУКЕН");
  EXPECT_TRUE(page_.modified());
  // Another entry's name is refused when the field is left.
  page_.EditName("линия 1");
  EXPECT_FALSE(page_.CheckName());
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"ПРЕДУПРЕЖДЕНИЕ: Данное имя кабеля уже существует!"});
}

TEST_F(CompactCablePageTest, AddingStopsAt255Entries) {
  EXPECT_FALSE(page_.Add("линия 3"));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "ПРЕДУПРЕЖДЕНИЕ: Кабель с именем \"ЛИНИЯ 3\" уже существует!"});
  session_.screen().ClearShown();
  FillTo(255);
  EXPECT_EQ(page_.size(), 255);
  EXPECT_EQ(page_.selected(), 254);
  EXPECT_FALSE(page_.Add("ЕЩЕ"));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Переполнение: Достигнуто максимальное количество записей!!!"});
  EXPECT_EQ(page_.size(), 255);
}

TEST_F(CompactCablePageTest, MarksAreLimitedToTheInstrumentsMaximum) {
  FillTo(32);
  for (int i = 0; i < 30; ++i) page_.SetMarked(i, true);
  EXPECT_TRUE(Messages().empty());
  page_.SetMarked(30, true);
  EXPECT_FALSE(page_.marked(30));
  EXPECT_EQ(page_.marked_count(), 30);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "ПРЕДУПРЕЖДЕНИЕ: Достигнуто Максимальное количество помеченных кабелей"});

  session_.screen().ClearShown();
  session_.screen().Answer(Answer::kYes, "Отменить выделение для всех?");
  page_.MinusKey();
  EXPECT_EQ(page_.marked_count(), 0);
  session_.screen().Answer(Answer::kYes, "Выделить все?");
  page_.PlusKey();
  EXPECT_EQ(page_.marked_count(), 30);
  EXPECT_TRUE(page_.marked(29));
  EXPECT_FALSE(page_.marked(30));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Информация: Выделено максимальное количество записей."});
  EXPECT_TRUE(session_.screen().ScriptDone());
}

TEST_F(CompactCablePageTest, SendingWithoutMarksSendsNothing) {
  session_.screen().Answer(Answer::kYes, kSendQuestion);
  EXPECT_FALSE(page_.Send());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Ошибка: Необходимо выбрать хотябы одну запись!"});
  EXPECT_EQ(session_.NewTraffic().find("sim: <-"), std::string::npos);
  // No to the question ends before anything else.
  page_.SetMarked(0, true);
  session_.screen().ClearShown();
  session_.screen().Answer(Answer::kNo, kSendQuestion);
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(session_.NewTraffic().find("sim: <-"), std::string::npos);
  // The instrument still holds its 12 cables.
  CompactCablePage fresh(session_.context(), model_);
  ASSERT_TRUE(fresh.Receive());
  EXPECT_EQ(fresh.size(), 12);
}

TEST_F(CompactCablePageTest, SendsTheMarkedEntriesInAnImageOfEmptySlots) {
  page_.Select(4);
  page_.EditName("ВОСТОК");
  page_.SetMarked(4, true);
  page_.SetMarked(1, true);
  bool left_out = true;
  const auto image = page_.BuildImage(left_out);
  EXPECT_FALSE(left_out);
  ASSERT_EQ(image.size(), 30u);
  EXPECT_EQ(image[0].name(), "ЛИНИЯ 2");
  EXPECT_EQ(image[1].name(), "ВОСТОК");
  EXPECT_TRUE(image[2].IsEmptySlot());
  // The sum of bytes 0 to 43.
  unsigned sum = 0;
  for (size_t i = 0; i < 44; ++i) sum += image[1].bytes()[i];
  EXPECT_EQ(image[1].checksum(), static_cast<uint8_t>(sum));

  session_.screen().Answer(Answer::kYes, kSendQuestion);
  ASSERT_TRUE(page_.Send()) << ::testing::PrintToString(Messages());
  EXPECT_NE(session_.NewTraffic().find(kSendImage), std::string::npos);
  EXPECT_EQ(page_.instrument_cables(), 2);
  CompactCablePage fresh(session_.context(), model_);
  ASSERT_TRUE(fresh.Receive());
  ASSERT_EQ(fresh.size(), 2);
  EXPECT_EQ(fresh.cables()[1].name(), "ВОСТОК");
  EXPECT_EQ(fresh.cables()[1].checksum(), fresh.cables()[1].ComputeChecksum());
}

TEST_F(CompactCablePageTest, SectionLengthsAddUpTo99999AtMost) {
  page_.Select(1);  // two sections
  ASSERT_EQ(page_.SectionNames(), (std::vector<std::string>{"Участок 1", "Участок 2"}));
  page_.ChooseSection(0);
  EXPECT_EQ(page_.EditLength("60000"), "60000");
  page_.ChooseSection(1);
  EXPECT_EQ(page_.EditLength("50000"), "39999");
  EXPECT_FLOAT_EQ(page_.cables()[1].section(1).length, 39999);
  EXPECT_EQ(page_.TotalText(), "99999");
  EXPECT_EQ(page_.EditLength("1a2-3.4.5"), "123.45");
  EXPECT_EQ(page_.EditLength("-5"), "0");
  EXPECT_EQ(page_.EditLength("123456"), "39999");
}

TEST_F(CompactCablePageTest, LengthCalculationOnlyForOneSection) {
  page_.Select(1);
  EXPECT_FALSE(page_.length_calculation_enabled());
  page_.SetLengthCalculation(true);
  EXPECT_FALSE(page_.length_calculation());
  EXPECT_EQ(page_.EditSectionCount("1"), "1");
  EXPECT_EQ(page_.SectionNames().size(), 1u);
  ASSERT_TRUE(page_.length_calculation_enabled());
  page_.SetLengthCalculation(true);
  EXPECT_EQ(page_.cables()[1].length_calculation(), 241);
  EXPECT_EQ(page_.LengthText(), "");
  page_.SetLengthCalculation(false);
  EXPECT_EQ(page_.cables()[1].length_calculation(), 0);
  page_.SetLengthCalculation(true);
  // More sections turn the option off.
  EXPECT_EQ(page_.EditSectionCount("3"), "3");
  EXPECT_EQ(page_.cables()[1].length_calculation(), 0);
  EXPECT_EQ(page_.EditSectionCount("7"), "3");
  EXPECT_EQ(page_.EditSectionCount("12"), "3");
  page_.SetTemperature(35);
  EXPECT_FLOAT_EQ(page_.cables()[1].temperature(), 20);
  page_.SetTemperature(-10);
  EXPECT_FLOAT_EQ(page_.cables()[1].temperature(), -10);
}

TEST_F(CompactCablePageTest, DeleteMarkedAskOnce) {
  page_.DeleteMarked();
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "Информация: Для удаления необходимо пометить соответствующие кабели!"});
  page_.Select(11);
  page_.SetMarked(10, true);
  page_.SetMarked(11, true);
  page_.SetMarked(0, true);
  session_.screen().Answer(Answer::kYes, "Удалить помеченные записи?");
  page_.DeleteMarked();
  ASSERT_EQ(page_.size(), 9);
  EXPECT_EQ(page_.cables()[0].name(), "ЛИНИЯ 2");
  EXPECT_EQ(page_.selected(), 8);
  EXPECT_EQ(page_.marked_count(), 0);
  EXPECT_TRUE(session_.screen().ScriptDone());
}

TEST_F(CompactCablePageTest, SaveAndCancelEdits) {
  page_.Select(0);
  page_.EditName("ЗАПАД");
  EXPECT_TRUE(page_.HasUnsavedData());
  session_.screen().Answer(Answer::kYes, "Сохранить изменения параметров?");
  page_.SaveEdits();
  EXPECT_FALSE(page_.HasUnsavedData());
  EXPECT_EQ(page_.cables()[0].checksum(), page_.cables()[0].ComputeChecksum());
  page_.EditName("СЕВЕР");
  session_.screen().Answer(Answer::kNo, "Отменить редактирование параметров?");
  page_.CancelEdits();
  EXPECT_TRUE(page_.HasUnsavedData());
  session_.screen().Answer(Answer::kYes, "Отменить редактирование параметров?");
  page_.CancelEdits();
  EXPECT_FALSE(page_.HasUnsavedData());
  EXPECT_EQ(page_.cables()[0].name(), "ЗАПАД");
  page_.EditName("ЮГ");
  page_.MarkSaved();
  EXPECT_FALSE(page_.HasUnsavedData());
}

}  // namespace
}  // namespace telvane
