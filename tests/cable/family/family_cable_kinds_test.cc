// The cable page of kinds 10 (343-byte blocks) and 14 (233-byte records):
// the fields and sections found at their families' places, the edits that
// must stay inside a section, and the transfers of the marked cables as
// frames on the wire of the scripted peer.
#include <gtest/gtest.h>

#include <memory>

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

constexpr char kQuestion[] = "Продолжить?";

// Kind 10, cable i (380 bytes): value 0x0100 + i at 0, three sections of 17
// bytes from 3 (type i + s, length 100 × (s + 1), points, 45, k 1.5), the
// name "K<i>" at 343, empty slots.
PeerBytes Record343(int i) {
  PeerBytes r(380, 0);
  StoreLe16(static_cast<uint16_t>(0x100 + i), r.data());
  r[2] = 3;
  for (int s = 0; s < 3; ++s) {
    uint8_t* section = r.data() + 3 + 17 * s;
    section[0] = static_cast<uint8_t>(i + s);
    StoreLeFloat(100.0f * static_cast<float>(s + 1), section + 1);
    StoreLeFloat(100.0f * static_cast<float>(s + 1), section + 5);
    StoreLeFloat(45.0f, section + 9);
    StoreLeFloat(1.5f, section + 13);
  }
  r[343] = 'K';
  r[344] = static_cast<uint8_t>('0' + i);
  std::fill(r.begin() + 360, r.end(), 0xFF);
  return r;
}

// Kind 14, cable i (233 bytes): the name "N<i>" at 0, two sections at 41,
// 1900 + i pairs at 42, 12 °C at 44, sections of 21 bytes from 48 (type 2,
// length 250 + i, points, 40, k 1.2, loop 300), the reserved tail 0xAB.
PeerBytes Record233(int i) {
  PeerBytes r(233, 0);
  r[0] = 'N';
  r[1] = static_cast<uint8_t>('0' + i);
  r[41] = 2;
  StoreLe16(static_cast<uint16_t>(1900 + i), r.data() + 42);
  StoreLeFloat(12.0f, r.data() + 44);
  for (int s = 0; s < 2; ++s) {
    uint8_t* section = r.data() + 48 + 21 * s;
    section[0] = 2;
    StoreLeFloat(250.0f + static_cast<float>(i), section + 1);
    StoreLeFloat(200.0f, section + 5);
    StoreLeFloat(40.0f, section + 9);
    StoreLeFloat(1.2f, section + 13);
    StoreLeFloat(300.0f, section + 17);
  }
  std::fill(r.begin() + 216, r.end(), 0xAB);
  return r;
}

// The 24-byte information record: `cables` of 50.
PeerBytes Information(int cables) {
  PeerBytes data(24, 0);
  StoreLeFloat(1.5f, data.data());
  data[4] = static_cast<uint8_t>(cables);
  data[6] = 50;
  return data;
}

class FamilyCableKindTest : public ::testing::Test {
 protected:
  FamilyCableKindTest(uint8_t kind, const FamilyLayout& layout)
      : layout_(layout),
        link_(peer_, kind, "123456"),
        address_(PeerAddress(kind, "123456")),
        model_(std::make_shared<FamilyModel>(layout)),
        page_(link_.context(), model_) {}

  PeerBytes Record(int i) const { return layout_.record_size == 380 ? Record343(i) : Record233(i); }
  void Load(int count) {
    FamilyInfo info;
    info.cables = static_cast<uint16_t>(count);
    info.maximum_cables = 50;
    std::vector<uint8_t> records;
    for (int i = 0; i < count; ++i) {
      const PeerBytes r = Record(i);
      records.insert(records.end(), r.begin(), r.end());
    }
    ASSERT_TRUE(model_->Load(info, records));
  }
  PeerBytes Command(uint8_t code) { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t byte) { return PeerFrame({address_, {byte}}); }
  PeerBytes Frame(const PeerBytes& data) { return PeerFrame({address_, data}); }
  // The whole reading: the information record, then `records`.
  void ExpectReading(const std::vector<PeerBytes>& records) {
    peer_.Expect(Command(layout_.read_info),
                 PeerJoin({Confirm(static_cast<uint8_t>(~layout_.read_info)),
                           Frame(Information(static_cast<int>(records.size())))}));
    peer_.Expect(Confirm(0xFF));
    peer_.Expect(
        Command(layout_.read_cables),
        PeerJoin({Confirm(static_cast<uint8_t>(~layout_.read_cables)), Frame(records[0])}));
    for (size_t i = 0; i < records.size(); ++i) {
      peer_.Expect(Confirm(static_cast<uint8_t>(~i)),
                   i + 1 < records.size() ? Frame(records[i + 1]) : PeerBytes{});
    }
  }
  // Sending: with every cable marked one whole-database series, else one
  // transaction per marked cable in list order.
  void ExpectWhole(int count) {
    peer_.Expect(Command(layout_.write_all), Confirm(static_cast<uint8_t>(~layout_.write_all)));
    for (int i = 0; i < count; ++i) {
      peer_.Expect(Frame(Record(i)), Confirm(static_cast<uint8_t>(~i)));
    }
  }
  void ExpectSingle(int cable) {
    peer_.Expect(Command(layout_.write_one), Confirm(static_cast<uint8_t>(~layout_.write_one)));
    peer_.Expect(Frame(Record(cable)), Confirm(0xFF));
  }

  const FamilyLayout& layout_;
  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  PeerBytes address_;
  std::shared_ptr<FamilyModel> model_;
  FamilyCablePage page_;
};

class Kind10CablePageTest : public FamilyCableKindTest {
 protected:
  Kind10CablePageTest() : FamilyCableKindTest(10, kFamily343) {}
};

class Kind14CablePageTest : public FamilyCableKindTest {
 protected:
  Kind14CablePageTest() : FamilyCableKindTest(14, kFamily233) {}
};

TEST_F(Kind10CablePageTest, FieldsAndSectionsOfTheCompactBlock) {
  Load(2);
  EXPECT_EQ(page_.id(), PageId::kCables10);
  EXPECT_EQ(page_.Names(), (std::vector<std::string>{"K0", "K1"}));
  EXPECT_EQ(page_.name_limit(), 16);
  page_.Select(1);
  EXPECT_EQ(page_.SectionLines(),
            (std::vector<std::string>{"Участок №01", "Участок №02", "Участок №03"}));
  // No pairs, temperature or per-cable number in this family.
  EXPECT_EQ(page_.pairs(), 0);
  EXPECT_FALSE(page_.SetPairs(20));
  EXPECT_EQ(page_.TemperatureText(), "");
  EXPECT_FALSE(page_.SetTemperature(5));
  page_.SelectSection(2);
  EXPECT_EQ(page_.section_type(), 3);
  EXPECT_EQ(page_.ValueText(SectionValue::kValue1), "300.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue3), "1.500");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue4), "");
  EXPECT_EQ(model_->record(1), Record343(1));
}

TEST_F(Kind10CablePageTest, EditsStayInsideTheSeventeenByteSection) {
  Load(1);
  page_.SelectSection(0);
  page_.EditValue(SectionValue::kValue1, "10,0");
  page_.EditValue(SectionValue::kValue3, "2");
  EXPECT_EQ(page_.ValueText(SectionValue::kDerived), "13.000");
  // A fourth value has no place here: the next section's type byte and the
  // rest of the record are untouched.
  page_.EditValue(SectionValue::kValue4, "99");
  PeerBytes expected = Record343(0);
  StoreLeFloat(10.0f, expected.data() + 3 + 1);
  StoreLeFloat(13.0f, expected.data() + 3 + 5);
  StoreLeFloat(2.0f, expected.data() + 3 + 13);
  EXPECT_EQ(model_->record(0), expected);
}

TEST_F(Kind10CablePageTest, EveryCableMarkedIsOneWholeDatabaseTransaction) {
  Load(3);
  for (int i = 0; i < 3; ++i) page_.SetChecked(i, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  ExpectWhole(3);
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(), std::vector<std::string>{"Info: Complete"});
}

TEST_F(Kind10CablePageTest, TwoOfFiveMarkedAreTwoSingleTransactionsInListOrder) {
  Load(5);
  page_.SetChecked(4, true);
  page_.SetChecked(2, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  ExpectSingle(2);
  ExpectSingle(4);
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(Kind10CablePageTest, NoMarkAndNoToTheQuestionSendNothing) {
  Load(2);
  EXPECT_FALSE(page_.Send());
  EXPECT_FALSE(page_.Receive());
  page_.SetChecked(1, true);
  link_.screen().Answer(Answer::kNo, kQuestion);
  EXPECT_FALSE(page_.Send());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Telvane: Необходимо отметить записи для передачи",
                                      "Telvane: Необходимо отметить записи для передачи"}));
}

TEST_F(Kind10CablePageTest, EveryCableMarkedReceivesTheWholeDatabase) {
  Load(2);
  page_.SetChecked(0, true);
  page_.SetChecked(1, true);
  page_.EditValue(SectionValue::kValue1, "1");
  ExpectReading({Record343(0), Record343(1), Record343(2)});
  EXPECT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_EQ(model_->cable_count(), 3);
  EXPECT_EQ(model_->record(0), Record343(0));
  EXPECT_EQ(model_->record(2), Record343(2));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(page_.checked(i));
}

TEST_F(Kind14CablePageTest, FieldsAndSectionsOfTheRecord) {
  Load(2);
  EXPECT_EQ(page_.id(), PageId::kCables14);
  EXPECT_EQ(page_.Names(), (std::vector<std::string>{"N0", "N1"}));
  EXPECT_EQ(page_.name_limit(), 40);
  page_.Select(1);
  EXPECT_EQ(page_.pairs(), 1901);
  EXPECT_EQ(page_.TemperatureText(), "12");
  EXPECT_EQ(page_.SectionLines(), (std::vector<std::string>{"Участок №01", "Участок №02"}));
  page_.SelectSection(1);
  EXPECT_EQ(page_.ValueText(SectionValue::kValue1), "251.000");
  EXPECT_EQ(page_.ValueText(SectionValue::kValue4), "300.000");
  ASSERT_TRUE(page_.SetPairs(2000));
  ASSERT_TRUE(page_.SetTemperature(-10));
  EXPECT_FALSE(page_.SetPairs(2001));
  page_.EditValue(SectionValue::kValue3, "9");
  PeerBytes expected = Record233(1);
  StoreLe16(2000, expected.data() + 42);
  StoreLeFloat(-10.0f, expected.data() + 44);
  StoreLeFloat(7.0f, expected.data() + 48 + 21 + 13);
  // 251 × 7 × 2/3 = 1171.33, whole part 1171.
  StoreLeFloat(1171.0f, expected.data() + 48 + 21 + 5);
  EXPECT_EQ(model_->record(1), expected);
}

TEST_F(Kind14CablePageTest, TwoOfFiveMarkedAreTwoSingleTransactionsAllMarkedOne) {
  Load(5);
  page_.SetChecked(3, true);
  page_.SetChecked(0, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  ExpectSingle(0);
  ExpectSingle(3);
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  for (int i = 0; i < 5; ++i) page_.SetChecked(i, true);
  link_.screen().Answer(Answer::kYes, kQuestion);
  ExpectWhole(5);
  EXPECT_TRUE(page_.Send());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
}

TEST_F(Kind14CablePageTest, MarkedCablesAreTakenFromTheWholeReading) {
  Load(3);
  // Local edits of cables 0 and 2; only cable 2 is marked.
  page_.Select(0);
  ASSERT_TRUE(page_.SetPairs(5));
  page_.Select(2);
  ASSERT_TRUE(page_.SetPairs(6));
  page_.SetChecked(2, true);
  PeerBytes fresh = Record233(2);
  StoreLe16(777, fresh.data() + 42);
  ExpectReading({Record233(0), Record233(1), fresh});
  EXPECT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(model_->record(2), fresh);
  EXPECT_EQ(LoadLe16(model_->record(0).data() + 42), 5);
  EXPECT_EQ(model_->cable_count(), 3);
  EXPECT_TRUE(link_.screen().HasMessage("Complete"));
}

}  // namespace
}  // namespace telvane
