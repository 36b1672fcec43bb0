// The cable-type page against a simulated kind 2 meter (63 type slots, 12
// types "ТПП-0.32", "ТПП-0.4", ... with resistances 20, 27.25, ...).
#include "cable/pages/cable_type_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cable/cable_files.h"
#include "sim_session.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::SimSession;

// The command frame of kind 2, serial "123456", code `code`: the address,
// the code and the 8-bit sum (0x2 + 0x31 + ... + 0x36 = 0x137, plus the code).
std::string Command(const char* code_and_sum) {
  return std::string("sim: <- 02 31 32 33 34 35 36 ") + code_and_sum;
}

class CableTypePageTest : public ::testing::Test {
 protected:
  CableTypePageTest() : page_(session_.context()) {}
  void SetUp() override { ASSERT_TRUE(session_.opened()) << session_.Log(); }

  void ReceiveAll() {
    ASSERT_TRUE(page_.ReadStatus());
    ASSERT_TRUE(page_.Receive()) << ::testing::PrintToString(session_.screen().MessageLines());
    session_.NewTraffic();
    session_.screen().ClearShown();
  }

  SimSession session_{2};
  CableTypePage page_;
};

TEST_F(CableTypePageTest, ReceivedTableChecksAndGreysByTheCurrentCount) {
  ReceiveAll();
  EXPECT_EQ(page_.current(), 12);
  EXPECT_EQ(page_.maximum(), 63);
  ASSERT_EQ(page_.slot_count(), 63);
  EXPECT_EQ(page_.EntryText(0), "ТПП-0.32");
  EXPECT_EQ(page_.EntryText(1), "ТПП-0.4");
  EXPECT_TRUE(page_.checked(11));
  EXPECT_TRUE(page_.enabled(11));
  EXPECT_FALSE(page_.checked(12));
  EXPECT_FALSE(page_.enabled(12));
  // An empty slot shows 16 blanks.
  EXPECT_EQ(page_.EntryText(40), std::string(16, ' '));
  page_.Select(1);
  EXPECT_EQ(page_.NameField(), "ТПП-0.4");
  EXPECT_EQ(page_.ResistanceField(), "27.25");
  // A greyed slot cannot be checked.
  page_.SetChecked(20, true);
  EXPECT_FALSE(page_.checked(20));
}

TEST_F(CableTypePageTest, EveryEnabledSlotCheckedSendsTheWholeTableOnce) {
  ReceiveAll();
  ASSERT_TRUE(page_.Send());
  const std::string traffic = session_.NewTraffic();
  EXPECT_NE(traffic.find(Command("02 39")), std::string::npos) << traffic;
  EXPECT_EQ(traffic.find(Command("01 38")), std::string::npos) << traffic;
  // Then the status again.
  EXPECT_NE(traffic.find(Command("00 37")), std::string::npos) << traffic;
  EXPECT_EQ(session_.screen().MessageLines(), std::vector<std::string>{"Info: Complete"});
}

TEST_F(CableTypePageTest, CheckedSlotsGoOneByOneAndOnlyAfterUpdate) {
  ReceiveAll();
  for (int i = 0; i < 12; ++i) page_.SetChecked(i, i == 2 || i == 5);
  page_.Select(2);
  page_.EditName("КАБЕЛЬ-НОВЫЙ");
  page_.EditResistance("33,5");
  page_.Select(5);
  page_.EditName("ЕЩЕ ОДИН");
  // Slot 5's edit is made after "Обновить" and is not sent.
  page_.Select(2);
  page_.Update();
  page_.Select(5);
  page_.EditName("ПОЗЖЕ");
  ASSERT_TRUE(page_.Send());
  const std::string traffic = session_.NewTraffic();
  size_t singles = 0;
  for (size_t at = traffic.find(Command("01 38")); at != std::string::npos;
       at = traffic.find(Command("01 38"), at + 1)) {
    ++singles;
  }
  EXPECT_EQ(singles, 2u) << traffic;
  EXPECT_EQ(traffic.find(Command("02 39")), std::string::npos);
  EXPECT_TRUE(session_.screen().HasMessage("Complete"));

  // What the instrument holds now.
  CableTypePage fresh(session_.context());
  ASSERT_TRUE(fresh.ReadStatus());
  ASSERT_TRUE(fresh.Receive());
  EXPECT_EQ(fresh.EntryText(2), "КАБЕЛЬ-НОВЫЙ");
  fresh.Select(2);
  EXPECT_EQ(fresh.ResistanceField(), "33.5");
  EXPECT_EQ(fresh.EntryText(5), "ЕЩЕ ОДИН");
  EXPECT_EQ(fresh.EntryText(3), "ТПП-0.64");
}

TEST_F(CableTypePageTest, NothingCheckedWarnsAndSendsNothing) {
  ReceiveAll();
  for (int i = 0; i < 12; ++i) page_.SetChecked(i, false);
  EXPECT_FALSE(page_.Send());
  EXPECT_EQ(session_.screen().MessageLines(),
            std::vector<std::string>{"Предупреждение: Необходимо выбрать хотябы одну запись"});
  EXPECT_EQ(session_.NewTraffic().find("sim: <-"), std::string::npos);
}

TEST_F(CableTypePageTest, SixteenCharacterNameKeepsTheResistanceAfterIt) {
  ReceiveAll();
  page_.Select(0);
  page_.EditName("АБВГДЕЖЗИЙКЛМНОП");     // 16 letters
  page_.EditName("АБВГДЕЖЗИЙКЛМНОПРСТ");  // cut to 16
  EXPECT_EQ(page_.NameField(), "АБВГДЕЖЗИЙКЛМНОП");
  EXPECT_EQ(page_.ResistanceField(), "20");
}

TEST_F(CableTypePageTest, DeleteAndClear) {
  ReceiveAll();
  page_.Select(-1);
  page_.Delete();
  EXPECT_EQ(session_.screen().MessageLines(),
            std::vector<std::string>{" : Необходимо выбрать запись из списка"});
  page_.Select(3);
  page_.Delete();
  EXPECT_EQ(page_.EntryText(3), std::string(16, ' '));
  EXPECT_EQ(page_.ResistanceField(), "0");
  EXPECT_TRUE(page_.checked(3));  // the check stays

  session_.screen().Answer(Answer::kNo, "Очистить всю базу?");
  page_.Clear();
  EXPECT_EQ(page_.EntryText(0), "ТПП-0.32");
  session_.screen().Answer(Answer::kYes, "Очистить всю базу?");
  page_.Select(7);
  page_.Clear();
  for (int i = 0; i < page_.slot_count(); ++i) EXPECT_EQ(page_.EntryText(i), std::string(16, ' '));
  EXPECT_EQ(page_.selected(), 0);
  EXPECT_EQ(page_.NameField(), "");
  EXPECT_EQ(page_.ResistanceField(), "0");
  EXPECT_EQ(page_.FactorField(), "0");
}

TEST_F(CableTypePageTest, FileMenuWritesAndReadsTheTable) {
  ReceiveAll();
  testing::TempDir dir;
  const std::string bin = dir.File("types.bin");
  const std::string txt = dir.File("types.txt");
  session_.screen().ChooseFile(bin);
  ASSERT_TRUE(page_.HandleMenu(MenuCommand::kSaveBase));
  EXPECT_EQ(testing::ReadAll(bin).size(), 63u * 32u);
  session_.screen().ChooseFile(txt);
  ASSERT_TRUE(page_.HandleMenu(MenuCommand::kSaveAsText));

  CableTypePage other(session_.context());
  session_.screen().ChooseFile(bin);
  ASSERT_TRUE(other.HandleMenu(MenuCommand::kOpenBase));
  EXPECT_EQ(other.display(), page_.display());
  CableTypePage text(session_.context());
  session_.screen().ChooseFile(txt);
  ASSERT_TRUE(text.HandleMenu(MenuCommand::kOpenText));
  // The text file keeps the blanks that pad the name to 16 characters.
  EXPECT_EQ(text.EntryText(1), "ТПП-0.4         ");
  text.Select(1);
  EXPECT_EQ(text.ResistanceField(), "27.25");
  // Cancelling a dialog writes nothing.
  session_.screen().ChooseFile(std::nullopt);
  EXPECT_TRUE(page_.HandleMenu(MenuCommand::kSaveBase));
  EXPECT_FALSE(page_.HandleMenu(MenuCommand::kCreateDatabase));
  EXPECT_TRUE(session_.screen().ScriptDone());
}

// The records a file holds become the table: their number is the current
// count, every one enabled and checked, and saving writes just as many back.
TEST_F(CableTypePageTest, OpenedFileIsTheTableAndSavesAsRead) {
  testing::TempDir dir;
  const std::string bin = dir.File("five.bin");
  const std::string txt = dir.File("five.txt");
  CableTypeTable five;
  five.types.resize(5);
  for (int i = 0; i < 5; ++i) five.types[static_cast<size_t>(i)].set_name("T" + std::to_string(i));
  ASSERT_TRUE(SaveCableTypeFile(session_.screen(), five, bin));
  ASSERT_TRUE(SaveCableTypeText(session_.screen(), five, txt));
  const std::string out = dir.File("out");
  for (const auto& [file, open] :
       {std::pair{bin, MenuCommand::kOpenBase}, std::pair{txt, MenuCommand::kOpenText}}) {
    CableTypePage page(session_.context());
    session_.screen().ChooseFile(file);
    ASSERT_TRUE(page.HandleMenu(open));
    EXPECT_EQ(page.current(), 5);
    ASSERT_EQ(page.slot_count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(page.enabled(i) && page.checked(i)) << i;
    session_.screen().ChooseFile(out);
    ASSERT_TRUE(page.HandleMenu(MenuCommand::kSaveBase));
    EXPECT_EQ(testing::ReadAll(out).size(), 5u * 32u);
    session_.screen().ChooseFile(out);
    ASSERT_TRUE(page.HandleMenu(MenuCommand::kSaveAsText));
    const auto text = testing::ReadAll(out);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);  // the title and five types
  }

  // A title-only text file gives an empty table, saved as the title line
  // alone and as an empty binary file.
  CableTypeTable empty;
  empty.types.clear();
  ASSERT_TRUE(SaveCableTypeText(session_.screen(), empty, txt));
  const auto title_only = testing::ReadAll(txt);
  CableTypePage page(session_.context());
  session_.screen().ChooseFile(txt);
  ASSERT_TRUE(page.HandleMenu(MenuCommand::kOpenText));
  EXPECT_EQ(page.current(), 0);
  EXPECT_EQ(page.slot_count(), 0);
  session_.screen().ChooseFile(out);
  ASSERT_TRUE(page.HandleMenu(MenuCommand::kSaveAsText));
  EXPECT_EQ(testing::ReadAll(out), title_only);
  session_.screen().ChooseFile(out);
  ASSERT_TRUE(page.HandleMenu(MenuCommand::kSaveBase));
  EXPECT_TRUE(testing::ReadAll(out).empty());
  EXPECT_TRUE(session_.screen().messages().empty());
}

}  // namespace
}  // namespace telvane
