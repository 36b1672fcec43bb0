// "БД типов кабелей" of kinds 11, 12, 16 and kind 14's type tab: receiving
// and writing the 31-byte types as frames on the wire of the scripted peer,
// the edits as bytes of the type records, and every warning and question
// through the scripted screen.
#include "cable/family/family_type_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/cp1251.h"
#include "base/values.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

constexpr char kQuestion[] = "Заменяемые типы кабелей будут потеряны безвозвратно! Продолжить?";

// Type i: name "T<i>", values 40 + i, 1.5, 200 + i (little-endian floats at
// 19, 23 and 27).
PeerBytes TypeRecord(int i) {
  PeerBytes r(31, 0);
  r[0] = 'T';
  r[1] = static_cast<uint8_t>('0' + i);
  StoreLeFloat(40.0f + static_cast<float>(i), r.data() + 19);
  StoreLeFloat(1.5f, r.data() + 23);
  StoreLeFloat(200.0f + static_cast<float>(i), r.data() + 27);
  return r;
}

// A type as the program writes it: its index, then its 31 bytes.
PeerBytes Written(int index, const PeerBytes& type) {
  PeerBytes r{static_cast<uint8_t>(index)};
  r.insert(r.end(), type.begin(), type.end());
  return r;
}

class FamilyTypePageTest : public ::testing::Test {
 protected:
  explicit FamilyTypePageTest(uint8_t kind = 11, const FamilyLayout& layout = kFamily435)
      : link_(peer_, kind, "123456"),
        address_(PeerAddress(kind, "123456")),
        model_(std::make_shared<FamilyModel>(layout)),
        page_(link_.context(), model_) {}

  // A database without cables holding `count` types T0, T1, ...
  void Load(int count) {
    FamilyInfo info;
    info.firmware = 8.025f;
    info.maximum_cables = 10;
    info.cable_types = static_cast<uint16_t>(count);
    ASSERT_TRUE(model_->Load(info, {}));
    PeerBytes bytes;
    for (int i = 0; i < count; ++i) {
      const PeerBytes r = TypeRecord(i);
      bytes.insert(bytes.end(), r.begin(), r.end());
    }
    ASSERT_TRUE(model_->LoadTypes(bytes));
  }
  PeerBytes Command(uint8_t code) { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t byte) { return PeerFrame({address_, {byte}}); }
  PeerBytes Record(const PeerBytes& data) { return PeerFrame({address_, data}); }
  PeerBytes Held(int type) {
    const auto& r = model_->types()[static_cast<size_t>(type)];
    return PeerBytes(r.begin(), r.end());
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  PeerBytes address_;
  std::shared_ptr<FamilyModel> model_;
  FamilyTypePage page_;
};

TEST_F(FamilyTypePageTest, ReceivingReadsTheInformationFirstThenTheTypesAndChecksThemAll) {
  FamilyInfo info;
  info.firmware = 8.027f;
  info.maximum_cables = 20;
  info.cable_types = 2;
  const auto head = info.ToWire();
  peer_.Expect(Command(0x60), PeerJoin({Confirm(static_cast<uint8_t>(~0x60)),
                                        Record(PeerBytes(head.begin(), head.end()))}));
  peer_.Expect(Confirm(0xFF));
  peer_.Expect(Command(0x65),
               PeerJoin({Confirm(static_cast<uint8_t>(~0x65)), Record(TypeRecord(0))}));
  peer_.Expect(Confirm(0xFF), Record(TypeRecord(1)));
  peer_.Expect(Confirm(0xFE));
  ASSERT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.Names(), (std::vector<std::string>{"T0", "T1"}));
  EXPECT_TRUE(page_.checked(0));
  EXPECT_TRUE(page_.checked(1));
  EXPECT_EQ(page_.selected(), 0);
  page_.Select(1);
  EXPECT_EQ(page_.NameField(), "T1");
  EXPECT_EQ(page_.ValueField(0), "41.000");
  EXPECT_EQ(page_.ValueField(1), "1.500");
  EXPECT_EQ(page_.ValueField(2), "201.000");

  // With the information held, a second reading asks for the types alone.
  peer_.Expect(Command(0x65),
               PeerJoin({Confirm(static_cast<uint8_t>(~0x65)), Record(TypeRecord(5))}));
  peer_.Expect(Confirm(0xFF), Record(TypeRecord(6)));
  peer_.Expect(Confirm(0xFE));
  ASSERT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.Names(), (std::vector<std::string>{"T5", "T6"}));
}

TEST_F(FamilyTypePageTest, EditsGoIntoTheTypeRecordBytes) {
  Load(2);
  page_.Select(1);
  page_.EditName("ТПП-10х2х0.4 магистральный");
  // 18 characters in CP1251, then zeros up to the first value.
  const std::string cut = Utf8ToCp1251("ТПП-10х2х0.4 магис");
  const PeerBytes held = Held(1);
  EXPECT_TRUE(std::equal(cut.begin(), cut.end(), held.begin(),
                         [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; }));
  EXPECT_EQ(held[18], 0);
  EXPECT_EQ(page_.NameField(), "ТПП-10х2х0.4 магис");
  EXPECT_EQ(LoadLeFloat(held.data() + 19), 41.0f);  // the values stay

  page_.EditValue(0, "47,5");
  page_.EditValue(2, "180.25");
  EXPECT_EQ(LoadLeFloat(Held(1).data() + 19), 47.5f);
  EXPECT_EQ(LoadLeFloat(Held(1).data() + 27), 180.25f);
  // The second value is kept within 1 to 7.
  page_.EditValue(1, "9");
  EXPECT_EQ(page_.ValueField(1), "7.000");
  page_.EditValue(1, "0,5");
  EXPECT_EQ(LoadLeFloat(Held(1).data() + 23), 1.0f);
  // Text that is no number changes nothing; the other type is untouched.
  page_.EditValue(0, "abc");
  EXPECT_EQ(page_.ValueField(0), "47.500");
  EXPECT_EQ(Held(0), TypeRecord(0));
  EXPECT_EQ(page_.ValueLabels(),
            (std::array<std::string, 3>{"Уд. емк.(нФ/км):", "К.У.:", "R шлейфа (Ом):"}));
}

TEST_F(FamilyTypePageTest, NoCheckedTypeWarnsAndSendsNothing) {
  Load(3);
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Предупреждение: Необходимо выбрать хотябы одну запись"}));
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kWarning);
}

TEST_F(FamilyTypePageTest, NoToTheQuestionSendsNothing) {
  Load(2);
  page_.SetChecked(1, true);
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

TEST_F(FamilyTypePageTest, EveryTypeCheckedIsOneTransactionOfIndexedRecords) {
  Load(3);
  for (int i = 0; i < 3; ++i) page_.SetChecked(i, true);
  page_.Select(2);
  page_.EditValue(0, "50");
  PeerBytes edited = TypeRecord(2);
  StoreLeFloat(50.0f, edited.data() + 19);
  link_.screen().Answer(Answer::kYes, kQuestion);
  peer_.Expect(Command(0x6A), Confirm(static_cast<uint8_t>(~0x6A)));
  peer_.Expect(Record(Written(0, TypeRecord(0))), Confirm(0xFF));
  peer_.Expect(Record(Written(1, TypeRecord(1))), Confirm(0xFE));
  peer_.Expect(Record(Written(2, edited)), Confirm(0xFD));
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(FamilyTypePageTest, TwoOfFiveCheckedAreTwoSingleTransactionsInListOrder) {
  Load(5);
  page_.SetChecked(3, true);
  page_.SetChecked(1, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  for (int type : {1, 3}) {
    peer_.Expect(Command(0x6A), Confirm(static_cast<uint8_t>(~0x6A)));
    peer_.Expect(Record(Written(type, TypeRecord(type))), Confirm(0xFF));
  }
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(), (std::vector<std::string>{"Info: Complete"}));
}

TEST_F(FamilyTypePageTest, AFailedSingleTransactionStopsTheSeries) {
  Load(4);
  page_.SetChecked(0, true);
  page_.SetChecked(2, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  // The instrument confirms the command wrongly.
  peer_.Expect(Command(0x6A), Confirm(0x00));
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(peer_.written(), Command(0x6A));
  ASSERT_FALSE(link_.screen().MessageLines().empty());
  EXPECT_EQ(link_.screen().MessageLines().back(),
            "Ошибка: Неудачная попытка вызова OnTXDSingleRecord");
  EXPECT_FALSE(link_.screen().HasMessage("Complete"));
}

TEST_F(FamilyTypePageTest, PartialOrTooManyTypeRecordsAreRefused) {
  Load(2);
  EXPECT_FALSE(model_->LoadTypes(PeerBytes(45, 0)));
  EXPECT_FALSE(model_->LoadTypes(PeerBytes(31 * 256, 0)));
  EXPECT_EQ(page_.type_count(), 2);
  EXPECT_TRUE(model_->LoadTypes(PeerBytes(31 * 255, 0)));
  EXPECT_EQ(page_.type_count(), 255);
}

class Kind12TypePageTest : public FamilyTypePageTest {
 protected:
  Kind12TypePageTest() : FamilyTypePageTest(12) {}
};

TEST_F(Kind12TypePageTest, Kind12HasItsOwnLabels) {
  EXPECT_EQ(page_.ValueLabels(),
            (std::array<std::string, 3>{"Пл. сеч.(кв. мм):", "К.У.:", "ТПЖ :"}));
}

class Kind14TypePageTest : public FamilyTypePageTest {
 protected:
  Kind14TypePageTest() : FamilyTypePageTest(14, kFamily233) {}
};

TEST_F(Kind14TypePageTest, ReadsWithCode3AndWritesWithCode6) {
  Load(2);
  EXPECT_EQ(page_.id(), PageId::kCableTypes14);
  peer_.Expect(Command(0x03),
               PeerJoin({Confirm(static_cast<uint8_t>(~0x03)), Record(TypeRecord(4))}));
  peer_.Expect(Confirm(0xFF), Record(TypeRecord(7)));
  peer_.Expect(Confirm(0xFE));
  ASSERT_TRUE(page_.Receive());
  page_.SetChecked(0, false);
  link_.screen().Answer(Answer::kYes, kQuestion);
  peer_.Expect(Command(0x06), Confirm(static_cast<uint8_t>(~0x06)));
  peer_.Expect(Record(Written(1, TypeRecord(7))), Confirm(0xFF));
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

}  // namespace
}  // namespace telvane
