// "БД плановых измерений" of the 435-byte (kind 11) and 233-byte (kind 14)
// families on the scripted peer: the frames of the readings byte for byte,
// the refusal of a reading that fails, the locked leading cables, the table
// and the save dialogs.
#include "cable/family/family_planned_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/cp1251.h"
#include "base/values.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

uint8_t Not(int i) { return static_cast<uint8_t>(~i); }

PeerBytes Info(uint16_t cables) {
  PeerBytes data(24, 0);
  StoreLeFloat(8.027f, data.data());
  StoreLe16(cables, data.data() + 4);
  StoreLe16(20, data.data() + 6);
  return data;
}

// Cable i of the 435-byte family: "Cable<i>", pairs 3 × (i + 1).
PeerBytes Cable435(int i) {
  PeerBytes r(496, 0);
  StoreLe16(static_cast<uint16_t>(3 * (i + 1)), r.data() + 2);
  const std::string name = "Cable" + std::to_string(i);
  std::copy(name.begin(), name.end(), r.begin() + 435);
  std::fill(r.begin() + 476, r.end(), 0xFF);
  return r;
}

// Cable i of the 233-byte family: "Kab<i>", pairs 2 × (i + 1) at 42.
PeerBytes Cable233(int i) {
  PeerBytes r(233, 0);
  const std::string name = "Kab" + std::to_string(i);
  std::copy(name.begin(), name.end(), r.begin());
  StoreLe16(static_cast<uint16_t>(2 * (i + 1)), r.data() + 42);
  return r;
}

// The planned record of cable i of the 435-byte family, built byte by byte:
// version 8.027, limit 10000000 kΩ, name "План<i>", date 05.06.2026; pair p
// has capacitance A–C 40 + p + i, insulation A–B 20000000 (above the limit),
// loop resistance 999.95; pair 1 has the pair-not-measured marker in its
// capacitance A–C.
PeerBytes Planned435(int i) {
  PeerBytes r(64064, 0);
  StoreLeFloat(8.027f, r.data());
  StoreLeFloat(10000000.0f, r.data() + 4);
  const std::string name = Utf8ToCp1251("План" + std::to_string(i));
  std::copy(name.begin(), name.end(), r.begin() + 8);
  r[49] = 5;
  r[50] = 6;
  r[51] = 26;
  for (int p = 0; p < 2000; ++p) {
    uint8_t* pair = r.data() + 64 + 32 * p;
    StoreLeFloat(20000000.0f, pair + 8);
    StoreLeFloat(p == 1 ? kPairNotMeasured : static_cast<float>(40 + p + i), pair + 12);
    StoreLeFloat(999.95f, pair + 24);
  }
  return r;
}

// The planned record of cable i of the 233-byte family: version 8.0 (the
// fixed limit), insulation A–C 60000000 (above it), capacitance A–B 10 + i.
PeerBytes Planned233(int i) {
  PeerBytes r(48016, 0);
  StoreLeFloat(8.0f, r.data());
  StoreLeFloat(1000.0f, r.data() + 4);
  for (int p = 0; p < 2000; ++p) {
    uint8_t* pair = r.data() + 16 + 24 * p;
    StoreLeFloat(60000000.0f, pair);
    StoreLeFloat(static_cast<float>(10 + i), pair + 20);
  }
  return r;
}

class FamilyPlannedPageTest : public ::testing::Test {
 protected:
  FamilyPlannedPageTest(uint8_t kind, const FamilyLayout& layout)
      : link_(peer_, kind, "123456"),
        address_(PeerAddress(kind, "123456")),
        model_(std::make_shared<FamilyModel>(layout)),
        page_(link_.context(), model_) {
    link_.info().name = "Прибор";
  }

  PeerBytes Command(uint8_t code) { return PeerFrame({address_, {code}}); }
  PeerBytes Confirm(uint8_t byte) { return PeerFrame({address_, {byte}}); }
  PeerBytes Record(const PeerBytes& data) { return PeerFrame({address_, data}); }

  void ExpectSeries(uint8_t code, const std::vector<PeerBytes>& records) {
    peer_.Expect(Command(code), PeerJoin({Confirm(Not(code)), Record(records[0])}));
    for (size_t i = 0; i < records.size(); ++i) {
      peer_.Expect(Confirm(Not(static_cast<int>(i))),
                   i + 1 < records.size() ? Record(records[i + 1]) : PeerBytes{});
    }
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  PeerBytes address_;
  std::shared_ptr<FamilyModel> model_;
  FamilyPlannedPage page_;
};

class Planned435PageTest : public FamilyPlannedPageTest {
 protected:
  Planned435PageTest() : FamilyPlannedPageTest(11, kFamily435) {}

  void ReceiveThree() {
    ExpectSeries(0x60, {Info(3)});
    ExpectSeries(0x63, {Cable435(0), Cable435(1), Cable435(2)});
    ExpectSeries(0x69, {Planned435(0), Planned435(1), Planned435(2)});
    ASSERT_TRUE(page_.Receive());
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }
};

TEST_F(Planned435PageTest, ReceivingReadsTheDatabaseThenOnePlannedRecordPerCable) {
  ReceiveThree();
  EXPECT_TRUE(link_.screen().MessageLines().empty());
  EXPECT_EQ(page_.CableNames(), (std::vector<std::string>{"Cable0", "Cable1", "Cable2"}));
  // The two leading cables are locked: the third is the one shown.
  EXPECT_EQ(page_.selected(), 2);
  EXPECT_EQ(page_.PlannedName(), "План2");
  EXPECT_EQ(page_.DateText(), "05.06.2026");
  EXPECT_EQ(page_.pairs(), 9);
  EXPECT_EQ(page_.Headings().size(), 9u);
  const auto rows = page_.Rows();
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0].cells,
            (std::vector<std::string>{"42.0 нФ", " 0.0 нФ", " 0.0 нФ", "     0 КОм ", "     0 КОм ",
                                      ">10000 МОм", "1000.0 Ом ", "   0.0 Ом "}));
  EXPECT_EQ(rows[1].cells[0], "    -----    ");
  EXPECT_EQ(rows[1].cells[5], ">10000 МОм");
  EXPECT_EQ(rows[8].pair, 8u);
  EXPECT_EQ(rows[8].cells[0], "50.0 нФ");
}

TEST_F(Planned435PageTest, LockedCablesCannotBeSelected) {
  ReceiveThree();
  page_.Select(0);
  page_.Select(1);
  page_.Select(3);
  EXPECT_EQ(page_.selected(), 2);
  EXPECT_FALSE(page_.selectable(1));
  EXPECT_TRUE(page_.selectable(2));
  // With one locked entry the second cable can be chosen.
  link_.options().locked_leading_entries = 1;
  page_.Select(1);
  EXPECT_EQ(page_.selected(), 1);
  EXPECT_EQ(page_.PlannedName(), "План1");
  EXPECT_EQ(page_.Rows().size(), 6u);
  // Locking every entry leaves nothing selected and nothing shown.
  link_.options().locked_leading_entries = 3;
  EXPECT_EQ(page_.selected(), -1);
  EXPECT_TRUE(page_.Rows().empty());
  EXPECT_EQ(page_.PlannedName(), "");
}

TEST_F(Planned435PageTest, AFailedReadingIsRefusedAndKeepsWhatWasHeld) {
  ReceiveThree();
  // The database is held now: 0x69 alone; the second record never comes.
  peer_.Expect(Command(0x69), PeerJoin({Confirm(Not(0x69)), Record(Planned435(7))}));
  peer_.Expect(Confirm(0xFF));
  link_.screen().Answer(Answer::kNo, "Повторить попытку?");
  EXPECT_FALSE(page_.Receive());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Невозможно принять плановые измерения!"}));
  EXPECT_EQ(page_.PlannedName(), "План2");
  EXPECT_EQ(page_.Rows()[0].cells[0], "42.0 нФ");
}

TEST_F(Planned435PageTest, SavingNeedsPlannedMeasurementsAndOffersThreeFilters) {
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Предупреждение: Плановые измерения не приняты"}));
  ReceiveThree();
  link_.screen().ClearShown();
  testing::TempDir dir;
  // Cancelled: nothing written.
  link_.screen().ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.Save());
  const std::string path = dir.File("p.csv");
  link_.screen().ChooseFile(path, 2);
  ASSERT_TRUE(page_.Save());
  const auto& shown = link_.screen().shown();
  ASSERT_FALSE(shown.empty());
  const FileDialog& dialog = shown.back().dialog;
  ASSERT_EQ(dialog.filters.size(), 3u);
  EXPECT_EQ(dialog.filters[0].description, "Microsoft Excel 2.1 Worksheet (*.xls)");
  EXPECT_EQ(dialog.filters[1].description, "CSV (разделители - точка с запятой)");
  EXPECT_EQ(dialog.filters[2].description, "CSV (разделители - запятые)");
  EXPECT_EQ(dialog.default_extension, "xls");
  const std::vector<uint8_t> bytes = testing::ReadAll(path);
  const std::string text = Cp1251ToUtf8(std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(text.substr(0, text.find("Номер")),
            "Наименование прибора: Прибор\rСерийный номер: 123456\r"
            "Плановые измерения по кабелю: Cable2\r"
            "Имя плановых измерений: План2Дата проведения измерений: 05.06.2026\r");
  EXPECT_NE(text.find("\r8;50.0 нФ; 0.0 нФ;"), std::string::npos);
  EXPECT_EQ(text.back(), '\r');
}

TEST_F(Planned435PageTest, TheEndOfASessionForgetsThePlannedMeasurements) {
  ReceiveThree();
  page_.ClearBuffers();
  EXPECT_FALSE(page_.has_planned());
  EXPECT_TRUE(page_.Rows().empty());
  EXPECT_EQ(page_.CableNames().size(), 3u);
}

class Planned233PageTest : public FamilyPlannedPageTest {
 protected:
  Planned233PageTest() : FamilyPlannedPageTest(14, kFamily233) {}
};

TEST_F(Planned233PageTest, EachCableIsAskedForByNumberWithCodeFive) {
  ExpectSeries(0x00, {Info(3)});
  ExpectSeries(0x01, {Cable233(0), Cable233(1), Cable233(2)});
  for (int i = 0; i < 3; ++i) {
    peer_.Expect(Command(5), Confirm(Not(5)));
    // The number: cable index u16, 0; confirmed with the complement of its
    // first byte, as is the record that follows.
    peer_.Expect(Record({static_cast<uint8_t>(i), 0, 0}),
                 PeerJoin({Confirm(Not(i)), Record(Planned233(i))}));
    peer_.Expect(Confirm(Not(i)));
  }
  ASSERT_TRUE(page_.Receive());
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.selected(), 2);
  EXPECT_EQ(page_.Headings().size(), 7u);
  EXPECT_EQ(page_.PlannedName(), "");
  EXPECT_EQ(page_.DateText(), "");
  const auto rows = page_.Rows();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[5].cells, (std::vector<std::string>{" 0.0 нФ", " 0.0 нФ", "12.0 нФ", ">50000 МОм",
                                                     "     0 КОм ", "     0 КОм "}));
  // One filter: the worksheet.
  testing::TempDir dir;
  link_.screen().ChooseFile(dir.File("k.xls"), 1);
  ASSERT_TRUE(page_.Save());
  EXPECT_EQ(link_.screen().shown().back().dialog.filters.size(), 1u);
  EXPECT_EQ(testing::ReadAll(dir.File("k.xls")).size() > 18, true);
}

TEST_F(Planned233PageTest, NoCablesMeansNoPlannedReading) {
  ExpectSeries(0x00, {Info(0)});
  EXPECT_TRUE(page_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.selected(), -1);
  EXPECT_FALSE(page_.has_planned());
}

}  // namespace
}  // namespace telvane
