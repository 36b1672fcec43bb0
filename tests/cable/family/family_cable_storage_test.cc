// The cable page's database buttons on the current tables: the rows written
// for the marked cables (read back through SQLite itself), a round trip into
// an empty list and over cables of the same name, and the refusals.
#include "cable/family/family_cable_storage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "base/values.h"
#include "cable/family/family_cable_page.h"
#include "storage/db/create_database.h"
#include "support/db_query.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::QueryNumber;

// Cable i of the 435-byte family: 2000 − i pairs, temperature −5 + i, charge
// time 7 + i, two sections (type indices 1 and 3, lengths 300 + i and 450,
// trace points, capacitance 45.5, k 1.5 and 1.75, loop resistance 280 and
// 120). The bytes the database does not keep (the value at 0, the option, the
// four spare bytes of a section) are zero and the slots empty.
std::vector<uint8_t> Cable435(int i, const std::string& name) {
  std::vector<uint8_t> r(496, 0);
  StoreLe16(static_cast<uint16_t>(2000 - i), r.data() + 2);
  r[4] = 2;
  StoreLeFloat(-5.0f + static_cast<float>(i), r.data() + 5);
  r[9] = static_cast<uint8_t>(7 + i);
  const float lengths[2] = {300.0f + static_cast<float>(i), 450.0f};
  const float ks[2] = {1.5f, 1.75f};
  const float loops[2] = {280.0f, 120.0f};
  for (int s = 0; s < 2; ++s) {
    uint8_t* section = r.data() + 15 + 21 * s;
    section[0] = static_cast<uint8_t>(1 + 2 * s);
    StoreLeFloat(lengths[s], section + 1);
    StoreLeFloat(std::trunc(lengths[s] * ks[s] * 2 / 3), section + 5);
    StoreLeFloat(45.5f, section + 9);
    StoreLeFloat(ks[s], section + 13);
    StoreLeFloat(loops[s], section + 17);
  }
  std::copy(name.begin(), name.end(), r.begin() + 435);
  std::fill(r.begin() + 476, r.end(), 0xFF);
  return r;
}

class FamilyCableStorageTest : public ::testing::Test {
 protected:
  FamilyCableStorageTest() { EXPECT_TRUE(CreateCurrentDatabase(screen(), mdb_)); }

  // `names` as the model's cables, room for `maximum`.
  void Load(const std::vector<std::string>& names, int maximum = 10) {
    FamilyInfo info;
    info.firmware = 8.025f;
    info.cables = static_cast<uint16_t>(names.size());
    info.maximum_cables = static_cast<uint16_t>(maximum);
    std::vector<uint8_t> records;
    for (size_t i = 0; i < names.size(); ++i) {
      const std::vector<uint8_t> r = Cable435(static_cast<int>(i), names[i]);
      records.insert(records.end(), r.begin(), r.end());
    }
    ASSERT_TRUE(model_->Load(info, records));
  }
  testing::ScriptedScreen& screen() { return link_.screen(); }
  long long Count(const std::string& sql) { return QueryNumber(mdb_, "SELECT COUNT(*) " + sql); }

  testing::TempDir dir_;
  std::string mdb_ = dir_.File("cables.mdb");
  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 11, "123456"};
  std::shared_ptr<FamilyModel> model_ = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage page_{link_.context(), model_};
};

TEST_F(FamilyCableStorageTest, TheMarkedCablesGoToTheThreeTables) {
  Load({"Alpha", "Beta", "Gamma"});
  page_.SetChecked(2, true);
  page_.SetChecked(1, true);
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  EXPECT_TRUE(screen().ScriptDone());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_EQ(Count("FROM tbl_CableParams"), 2);
  // Beta is cable 1: its index, 1999 pairs, −4 °C, charge time 8, 2 sections.
  EXPECT_EQ(Count("FROM tbl_CableParams WHERE CableName='Beta' AND NList=1 AND NumberOfPairs=1999 "
                  "AND Temperature=-4 AND NumberOfFrames=2 AND Time_Charge=8 AND "
                  "Date_Plan IS NULL"),
            1);
  EXPECT_EQ(Count("FROM tbl_CableParams WHERE CableName='Alpha'"), 0);
  // Its sections, numbered from 1: the type by index (no type list held),
  // length, length in trace points (301 × 1.5 × 2/3 = 301), capacitance.
  EXPECT_EQ(Count("FROM tbl_Frames WHERE CableName='Beta' AND NumberOfFrame=1 AND "
                  "TypeName='Тип 1' AND FrameLength=301 AND Length_in_Point=301 AND "
                  "SpecificCapacity=45.5"),
            1);
  EXPECT_EQ(Count("FROM tbl_Frames WHERE CableName='Beta' AND NumberOfFrame=2 AND "
                  "TypeName='Тип 3' AND FrameLength=450 AND Length_in_Point=525"),
            1);
  // Each type once, with values 2, 3, 4 and the index; never a user type.
  EXPECT_EQ(Count("FROM tbl_CableTypes"), 2);
  EXPECT_EQ(Count("FROM tbl_CableTypes WHERE TypeName='Тип 3' AND SpecificCapacity=45.5 AND "
                  "Contraction=1.75 AND R_Conductor=120 AND MA=3 AND UserType=0"),
            1);
}

TEST_F(FamilyCableStorageTest, ARoundTripKeepsTheRecords) {
  Load({"Alpha", "Beta", "Кабель \"№3\""});
  for (int i = 0; i < 3; ++i) page_.SetChecked(i, true);
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  const std::vector<uint8_t> originals[3] = {model_->record(0), model_->record(1),
                                             model_->record(2)};
  // Saving again replaces the rows instead of adding to them.
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  EXPECT_EQ(Count("FROM tbl_CableParams"), 3);
  EXPECT_EQ(Count("FROM tbl_Frames"), 6);

  // An instrument with an empty database and room for ten takes all three.
  auto fresh = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage other(link_.context(), fresh);
  FamilyInfo info;
  info.maximum_cables = 10;
  ASSERT_TRUE(fresh->Load(info, {}));
  screen().ChooseFile(mdb_);
  screen().Answer(Answer::kYes, "Выделить все?");
  ASSERT_TRUE(other.OpenFromDatabase());
  EXPECT_TRUE(screen().ScriptDone());
  ASSERT_EQ(fresh->cable_count(), 3);
  for (int i = 0; i < 3; ++i) {
    const int at =
        fresh->name(0) == model_->name(i) ? 0 : (fresh->name(1) == model_->name(i) ? 1 : 2);
    EXPECT_EQ(fresh->record(at), originals[i]) << i;
    EXPECT_TRUE(other.checked(at));
  }
}

TEST_F(FamilyCableStorageTest, ACableOfTheSameNameIsReplacedOthersWaitForRoom) {
  Load({"Alpha", "Beta"});
  page_.SetChecked(1, true);
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  const std::vector<uint8_t> beta = model_->record(1);
  // Another instrument holds "Beta" at index 0 with other values and has no
  // room for more cables.
  auto other_model = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage other(link_.context(), other_model);
  FamilyInfo info;
  info.cables = 1;
  info.maximum_cables = 1;
  ASSERT_TRUE(other_model->Load(info, Cable435(5, "Beta")));
  screen().ChooseFile(mdb_);
  screen().Answer(Answer::kNo, "Выделить все?");
  screen().ChooseListEntry(0);
  ASSERT_TRUE(other.OpenFromDatabase());
  EXPECT_EQ(other_model->record(0), beta);
  EXPECT_TRUE(other.checked(0));

  // "Alpha" would be a new cable: no room.
  page_.SetChecked(0, true);
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  screen().ClearShown();
  screen().ChooseFile(mdb_);
  screen().Answer(Answer::kYes, "Выделить все?");
  other.OpenFromDatabase();
  EXPECT_EQ(other_model->cable_count(), 1);
  EXPECT_EQ(screen().MessageLines(),
            std::vector<std::string>{"ПРЕДУПРЕЖДЕНИЕ: Достигнуто Максимальное количество кабелей"});
}

TEST_F(FamilyCableStorageTest, Refusals) {
  Load({"Alpha", "Beta"});
  // Nothing marked: a message and no dialog.
  EXPECT_FALSE(page_.SaveToDatabase());
  EXPECT_EQ(
      screen().MessageLines(),
      std::vector<std::string>{"Информация: Необходимо выделить требуемые записи кабелей!!!"});
  EXPECT_EQ(screen().messages()[0].icon, Icon::kInformation);
  // A cancelled dialog writes nothing.
  page_.SetChecked(0, true);
  screen().ChooseFile(std::nullopt);
  EXPECT_FALSE(page_.SaveToDatabase());
  EXPECT_EQ(Count("FROM tbl_CableParams"), 0);
  // An empty database has nothing to open.
  screen().ClearShown();
  screen().ChooseFile(mdb_);
  EXPECT_FALSE(page_.OpenFromDatabase());
  ASSERT_EQ(screen().messages().size(), 1u);
  EXPECT_NE(screen().messages()[0].text.find("не содержит данных."), std::string::npos);
  // No to "Выделить все?" and no choice from the list.
  screen().ChooseFile(mdb_);
  ASSERT_TRUE(page_.SaveToDatabase());
  screen().ClearShown();
  screen().ChooseFile(mdb_);
  screen().Answer(Answer::kNo, "Выделить все?");
  screen().ChooseListEntry(std::nullopt);
  const std::vector<uint8_t> before = model_->record(0);
  EXPECT_FALSE(page_.OpenFromDatabase());
  EXPECT_EQ(screen().MessageLines(),
            std::vector<std::string>{"Предупреждение: Нет выбранных записей!"});
  EXPECT_EQ(model_->record(0), before);
  // A file that is no database of these tables is refused before reading.
  const std::string other = dir_.File("other.mdb");
  { std::ofstream(other) << "not a database"; }
  screen().ClearShown();
  screen().ChooseFile(other);
  EXPECT_FALSE(page_.SaveToDatabase());
  EXPECT_EQ(screen().messages().size(), 1u);
  EXPECT_TRUE(peer_.written().empty());
}

}  // namespace
}  // namespace telvane
