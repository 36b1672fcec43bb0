// "БД параметров кабелей" of kinds 11, 12 and 16: the editing rules, the
// refusals and the questions seen through the scripted screen, and the
// transfers of the marked cables as frames on the wire of the scripted peer.
#include <gtest/gtest.h>

#include <memory>

#include "base/cp1251.h"
#include "base/values.h"
#include "cable/family/family_cable_page.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

constexpr char kQuestion[] =
    "Заменяемые кабели будут потеряны безвозвратно со своими плановыми измерениями и "
    "рефлектограммами! Продолжить?";

// Cable i: "Cable<i>", 2 sections, pairs 10 × (i + 1), temperature 15.
PeerBytes CableRecord(int i) {
  PeerBytes r(496, 0);
  StoreLe16(static_cast<uint16_t>(10 * (i + 1)), r.data() + 2);
  r[4] = 2;
  StoreLeFloat(15.0f, r.data() + 5);
  const std::string name = "Cable" + std::to_string(i);
  std::copy(name.begin(), name.end(), r.begin() + 435);
  std::fill(r.begin() + 476, r.end(), 0xFF);
  return r;
}

class FamilyCablePageTest : public ::testing::Test {
 protected:
  explicit FamilyCablePageTest(uint8_t kind = 11)
      : link_(peer_, kind, "123456"), address_(PeerAddress(kind, "123456")) {}

  // A database of `count` cables with room for `maximum`.
  void Load(int count, int maximum = 10) {
    FamilyInfo info;
    info.firmware = 8.025f;
    info.cables = static_cast<uint16_t>(count);
    info.maximum_cables = static_cast<uint16_t>(maximum);
    std::vector<uint8_t> records;
    for (int i = 0; i < count; ++i) {
      const PeerBytes r = CableRecord(i);
      records.insert(records.end(), r.begin(), r.end());
    }
    ASSERT_TRUE(model_->Load(info, records));
  }
  PeerBytes Command(uint8_t code) { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t byte) { return PeerFrame({address_, {byte}}); }
  PeerBytes Record(const PeerBytes& data) { return PeerFrame({address_, data}); }
  std::vector<uint8_t> Held(int cable) { return model_->record(cable); }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  PeerBytes address_;
  std::shared_ptr<FamilyModel> model_ = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage page_{link_.context(), model_};
};

TEST_F(FamilyCablePageTest, TheThirdValueIsKeptWithinOneToSevenAndTheDerivedValueFollows) {
  Load(1);
  page_.EditValue(SectionValue::kValue1, "10.0");
  page_.EditValue(SectionValue::kValue3, "9");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue3), "7.000");
  // 10 × 7 × 2/3 = 46.67, whole part 46.
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "46.000");
  page_.EditValue(SectionValue::kValue3, "0,5");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue3), "1.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "6.000");
  // The bytes in the cable record: section 0 from offset 15.
  EXPECT_EQ(LoadLeFloat(model_->record(0).data() + 15 + 13), 1.0f);
  EXPECT_EQ(LoadLeFloat(model_->record(0).data() + 15 + 5), 6.0f);
}

TEST_F(FamilyCablePageTest, TenAndTwoGiveThirteenAndACommaIsADecimalPoint) {
  Load(1);
  page_.SelectSection(1);
  page_.EditValue(SectionValue::kValue1, "10,0");
  page_.EditValue(SectionValue::kValue3, "2,0");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue1), "10.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "13.000");
  EXPECT_EQ(LoadLeFloat(model_->record(0).data() + 15 + 21 + 5), 13.0f);
  // Editing value 2 or 4 leaves the derived value; text that is no number
  // changes nothing.
  page_.EditValue(SectionValue::kValue2, "55,25");
  page_.EditValue(SectionValue::kValue4, "abc");
  page_.EditValue(SectionValue::kDerived, "99");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue2), "55.250");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue4), "0.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "13.000");
}

TEST_F(FamilyCablePageTest, FieldsSectionsAndLabels) {
  Load(3);
  page_.Select(2);
  EXPECT_EQ(page_.pairs(), 30);
  EXPECT_EQ(page_.TemperatureText(), "15");
  EXPECT_EQ(page_.SectionLines(), (std::vector<std::string>{"Участок №01", "Участок №02"}));
  EXPECT_FALSE(page_.SetPairs(0));
  EXPECT_FALSE(page_.SetPairs(2001));
  EXPECT_TRUE(page_.SetPairs(2000));
  EXPECT_FALSE(page_.SetTemperature(-11));
  EXPECT_FALSE(page_.SetTemperature(21));
  EXPECT_TRUE(page_.SetTemperature(-10));
  EXPECT_EQ(page_.TemperatureText(), "-10");
  page_.SetNumber(7);
  page_.SetOption(true);
  EXPECT_EQ(LoadLe16(model_->record(2).data() + 2), 2000);
  EXPECT_EQ(model_->record(2)[9], 7);
  EXPECT_EQ(model_->record(2)[10], 1);
  // A section beyond the cable's count is not selected.
  page_.SelectSection(2);
  EXPECT_EQ(page_.section(), 0);
  EXPECT_EQ(page_.KindLabels(),
            (std::pair<std::string, std::string>{"Уд. емк.(нФ/км):", "R шлейфа (Ом):"}));
}

TEST_F(FamilyCablePageTest, AChosenTypeGivesItsThreeValues) {
  Load(1);
  FamilyInfo info = *model_->info();
  info.cable_types = 2;
  ASSERT_TRUE(model_->Load(info, Held(0)));
  PeerBytes first(31, 0), second(31, 0);
  first[0] = 'A';
  second[0] = 'B';
  StoreLeFloat(45.0f, second.data() + 19);
  StoreLeFloat(1.5f, second.data() + 23);
  StoreLeFloat(270.0f, second.data() + 27);
  peer_.Expect(Command(0x65), PeerJoin({Confirm(static_cast<uint8_t>(~0x65)), Record(first)}));
  peer_.Expect(Confirm(0xFF), Record(second));
  peer_.Expect(Confirm(0xFE));
  ASSERT_TRUE(page_.LoadTypes());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.TypeNames(), (std::vector<std::string>{"A", "B"}));
  page_.EditValue(SectionValue::kValue1, "100");
  page_.ChooseType(1);
  EXPECT_EQ(page_.section_type(), 1);
  EXPECT_EQ(page_.ValueText(SectionValue::kValue2), "45.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue3), "1.500");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue4), "270.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "100.000");  // 100 × 1.5 × 2/3
  // Types already held are not read again.
  EXPECT_TRUE(page_.LoadTypes());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(FamilyCablePageTest, ANameWithoutRoomForCablesIsNotStored) {
  Load(1, 1);
  // The instrument now reports no room for cables.
  FamilyInfo info = *model_->info();
  info.maximum_cables = 0;
  info.cables = 0;
  ASSERT_TRUE(model_->Load(info, {}));
  EXPECT_FALSE(page_.Rename("Новый"));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Максимальное количество кабелей<1 "}));
  EXPECT_EQ(link_.screen().messages().back().icon, Icon::kError);
}

TEST_F(FamilyCablePageTest, ADuplicateNameIsRefusedAndTheNameFieldTakesTheFocus) {
  Load(3);
  page_.SetChecked(1, true);
  page_.Select(1);
  EXPECT_FALSE(page_.Rename("Cable2"));
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"ПРЕДУПРЕЖДЕНИЕ: Данное имя кабеля уже существует!"}));
  EXPECT_TRUE(page_.TakeNameFocus());
  EXPECT_FALSE(page_.TakeNameFocus());
  EXPECT_EQ(model_->name(1), "Cable1");
  // A new name is stored in the name entry and keeps the mark.
  EXPECT_TRUE(page_.Rename("Магистраль"));
  EXPECT_EQ(page_.Names()[1], "Магистраль");
  EXPECT_TRUE(page_.checked(1));
  const std::string text = Utf8ToCp1251("Магистраль");
  const std::vector<uint8_t> cp(text.begin(), text.end());
  EXPECT_TRUE(std::equal(cp.begin(), cp.end(), model_->record(1).begin() + 435));
  EXPECT_EQ(model_->record(1)[435 + cp.size()], 0);
}

TEST_F(FamilyCablePageTest, NoMarkWarnsAndSendsNothing) {
  Load(2);
  EXPECT_FALSE(page_.Send());
  EXPECT_FALSE(page_.Receive());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Telvane: Необходимо отметить записи для передачи",
                                      "Telvane: Необходимо отметить записи для передачи"}));
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kWarning);
}

TEST_F(FamilyCablePageTest, NoToTheQuestionSendsNothing) {
  Load(2);
  page_.SetChecked(0, true);
  link_.screen().Answer(Answer::kNo, kQuestion);
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_TRUE(link_.screen().ScriptDone());
  ASSERT_EQ(link_.screen().shown().size(), 1u);
  const testing::ScriptedScreen::Shown& asked = link_.screen().shown()[0];
  EXPECT_EQ(asked.what, "yesno");
  EXPECT_EQ(asked.caption, "ПРЕДУПРЕЖДЕНИЕ");
  EXPECT_EQ(asked.icon, Icon::kWarning);
}

TEST_F(FamilyCablePageTest, EveryCableMarkedIsOneWholeDatabaseTransaction) {
  Load(3);
  for (int i = 0; i < 3; ++i) page_.SetChecked(i, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  peer_.Expect(Command(0x62), Confirm(static_cast<uint8_t>(~0x62)));
  for (int i = 0; i < 3; ++i) {
    peer_.Expect(Record(CableRecord(i)), Confirm(static_cast<uint8_t>(~i)));
  }
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().HasMessage("Complete"));
}

TEST_F(FamilyCablePageTest, TwoOfFiveMarkedAreTwoSingleTransactionsInListOrder) {
  Load(5);
  page_.SetChecked(3, true);
  page_.SetChecked(1, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  for (int cable : {1, 3}) {
    peer_.Expect(Command(0x61), Confirm(static_cast<uint8_t>(~0x61)));
    peer_.Expect(Record(CableRecord(cable)), Confirm(0xFF));
  }
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

// "/i0B:2", the program's default: the first two cables are shown but can be
// neither selected nor marked, so marking every cable that can be marked
// still sends them one by one and the locked ones are never written.
TEST_F(FamilyCablePageTest, LockedLeadingCablesAreNeitherSelectedNorSent) {
  Load(4);
  link_.options().locked_leading_entries = 2;
  FamilyCablePage locked(link_.context(), model_);
  EXPECT_EQ(locked.Names().size(), 4u);
  EXPECT_EQ(locked.selected(), 2);
  locked.Select(1);
  EXPECT_EQ(locked.selected(), 2);
  for (int i = 0; i < 4; ++i) locked.SetChecked(i, true);
  EXPECT_FALSE(locked.checked(0));
  EXPECT_FALSE(locked.checked(1));
  EXPECT_FALSE(locked.selectable(1));
  link_.screen().Answer(Answer::kYes, kQuestion);
  for (int cable : {2, 3}) {
    peer_.Expect(Command(0x61), Confirm(static_cast<uint8_t>(~0x61)));
    peer_.Expect(Record(CableRecord(cable)), Confirm(0xFF));
  }
  EXPECT_TRUE(locked.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  // A database no longer than the lock has nothing to select.
  locked.ClearBuffers();
  Load(2);
  model_->Notify();
  EXPECT_EQ(locked.selected(), -1);
  EXPECT_EQ(locked.pairs(), 0);
}

TEST_F(FamilyCablePageTest, ReceivingAsksForEachMarkedCableByNumber) {
  Load(3);
  page_.SetChecked(2, true);
  PeerBytes fresh = CableRecord(2);
  fresh[2] = 99;
  peer_.Expect(Command(0x64), Confirm(static_cast<uint8_t>(~0x64)));
  // The number: cable index 2 (u16), 0; confirmed with the complement of 2.
  peer_.Expect(Record({2, 0, 0}), PeerJoin({Confirm(0xFD), Record(fresh)}));
  peer_.Expect(Confirm(0xFD));
  EXPECT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(Held(2), fresh);
  EXPECT_TRUE(link_.screen().HasMessage("Complete"));
}

class Family435Kind12CablePageTest : public FamilyCablePageTest {
 protected:
  Family435Kind12CablePageTest() : FamilyCablePageTest(12) {}
};

TEST_F(Family435Kind12CablePageTest, Kind12HasItsOwnLabels) {
  EXPECT_EQ(page_.KindLabels(),
            (std::pair<std::string, std::string>{"Пл. сеч.(кв. мм):", "ТПЖ :"}));
}

}  // namespace
}  // namespace telvane
