// The memory plan page over IrDA: command 0x30 and one raw block of the 15
// parameter bytes, answered with the complement of its byte 3; a failed block
// leaves nothing shown.
#include <gtest/gtest.h>

#include <vector>

#include "page/link_control.h"
#include "support/scripted_screen.h"
#include "testers/plan/database_plan_page.h"

namespace telvane {
namespace {

// An IrDA session whose exchange records the commands and hands out blocks.
class IrdaBlockLink : public LinkControl, public Exchange {
 public:
  IrdaBlockLink() { info_.kind = 9; }

  std::vector<uint8_t> commands;
  std::vector<std::vector<uint8_t>> blocks;  // handed out in order
  std::vector<uint8_t> confirmations;        // the byte each block was answered with

  InstrumentInfo& info() override { return info_; }
  LinkKind link_kind() const override { return LinkKind::kIrda; }
  Exchange& exchange() override { return *this; }
  Transactions& transactions() override { return transactions_; }
  ByteChannel* session_channel() override { return nullptr; }
  InitialData& initial() override { return initial_; }
  void SetSearchTransfer(uint8_t, SearchTransfer) override {}
  void Search(Screen&) override {}
  bool TryTextInstrument(Screen&, const TextReceivingHook&,
                         std::vector<TextPlannedRecord>&) override {
    return false;
  }
  void EndSession(Screen&) override {}
  void Close() override {}
  unsigned long baud_rate() const override { return 9600; }
  void ResetBaudRate() override {}
  bool irda_adapter() const override { return false; }

  bool SendCommand(const Address&, uint8_t code, Wait) override {
    commands.push_back(code);
    return true;
  }
  bool ReceiveRecord(const Address&, uint8_t*, size_t, ConfirmSource, Progress, Wait) override {
    return false;
  }
  bool SendRecord(const Address&, const uint8_t*, size_t, uint8_t, Progress, Wait) override {
    return false;
  }
  bool ReceiveBlock(uint8_t* destination, size_t length, Progress, ConfirmSource confirm,
                    Wait) override {
    if (next_ >= blocks.size() || blocks[next_].size() != length) return false;
    const std::vector<uint8_t>& block = blocks[next_++];
    std::copy(block.begin(), block.end(), destination);
    // The program answers with the complement of the indexed byte.
    EXPECT_TRUE(confirm.indexes_data());
    confirmations.push_back(static_cast<uint8_t>(~block[confirm.index()]));
    return true;
  }
  bool SendBlock(const uint8_t*, size_t, Progress, ConfirmSource, Wait) override { return false; }
  bool Disconnect() override { return true; }

  testing::ScriptedScreen screen;

 private:
  InstrumentInfo info_;
  InitialData initial_;
  Transactions transactions_{*this, screen};
  size_t next_ = 0;
};

class PlanIrdaTest : public ::testing::Test {
 protected:
  IrdaBlockLink link_;
  AppOptions options_;
  SessionFacts facts_;
  PageContext context_{link_.screen, link_, options_, facts_};
  DatabasePlanPage page_{context_};
};

TEST_F(PlanIrdaTest, TheParametersComeInTheFirstBlockOf0x30) {
  link_.blocks = {
      {1, 0x00, 0x20, 0x01, 0x07, 12, 0x00, 0x0E, 0x00, 0x02, 0x00, 0x01, 2, 0x06, 0x89}};
  page_.Start();
  EXPECT_EQ(link_.commands, std::vector<uint8_t>{0x30});
  EXPECT_EQ(link_.confirmations, std::vector<uint8_t>{0xFE});  // ~byte 3
  ASSERT_TRUE(page_.has_parameters());
  std::vector<std::string> values;
  for (const auto& field : page_.Fields()) values.push_back(field.value);
  EXPECT_EQ(values, (std::vector<std::string>{"30", "263", "12", "14", "2", "1", "2", "1673",
                                              "AT25160 2K"}));
}

TEST_F(PlanIrdaTest, AFailedBlockShowsNothing) {
  page_.Start();
  EXPECT_FALSE(page_.has_parameters());
  EXPECT_FALSE(link_.screen.messages().empty());
}

}  // namespace
}  // namespace telvane
