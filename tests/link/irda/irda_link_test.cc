// Connection to a device in range: device choice, silent fallbacks, errors.
#include "link/irda_link.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "link/irda/irda_peer.h"
#include "link/irda_emulated_stack.h"
#include "link/irda_system_stack.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::Bytes;
using testing::IrdaPeer;

// Also records which entry the list offered preselected.
class ChoiceScreen : public testing::ScriptedScreen {
 public:
  std::optional<int> ChooseFromList(const std::string& caption,
                                    const std::vector<std::string>& items, int selected) override {
    preselected.push_back(selected);
    return ScriptedScreen::ChooseFromList(caption, items, selected);
  }
  std::vector<int> preselected;
};

class IrdaLinkTest : public ::testing::Test {
 protected:
  IrdaLinkTest() { info_.session = true; }

  std::unique_ptr<IrdaLink> EmulatedLink() {
    return std::make_unique<IrdaLink>(std::make_unique<EmulatedIrdaStack>(dir_.path().string()),
                                      screen_);
  }
  testing::TempDir dir_;
  ChoiceScreen screen_;
  InstrumentInfo info_;
  LinkKind kind_ = LinkKind::kIrda;
};

TEST_F(IrdaLinkTest, NoSystemStackFailsSilently) {
  IrdaLink link(std::make_unique<SystemIrdaStack>(), screen_);
  EXPECT_FALSE(link.ConnectIrda(info_, kind_));
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_FALSE(info_.session);
  EXPECT_EQ(kind_, LinkKind::kSerial);
}

TEST_F(IrdaLinkTest, NoDeviceInRangeFailsSilently) {
  auto link = EmulatedLink();
  EXPECT_FALSE(link->ConnectIrda(info_, kind_));
  EXPECT_TRUE(screen_.shown().empty());
}

TEST_F(IrdaLinkTest, TwoDevicesAreListedFirstPreselected) {
  IrdaPeer first(dir_.path().string(), "A-meter");
  IrdaPeer second(dir_.path().string(), "КВР-ПРО");
  second.Read(1);
  second.Start();
  auto link = EmulatedLink();
  screen_.ChooseListEntry(1);
  ASSERT_TRUE(link->ConnectIrda(info_, kind_));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].what, "list");
  EXPECT_EQ(screen_.shown()[0].caption, "Выбор IrDA уствройства для попытки соединения");
  EXPECT_EQ(screen_.shown()[0].text, "A-meter\nКВР-ПРО");
  EXPECT_EQ(screen_.preselected, std::vector<int>{0});
  EXPECT_EQ(link->ChosenDeviceName(), "КВР-ПРО");

  // The chosen device is the one connected.
  const uint8_t byte = 0x5A;
  EXPECT_EQ(link->Send(&byte, 1), 1);
  link->CloseIrda();
  EXPECT_FALSE(link->connected());
  EXPECT_EQ(second.Finish(), Bytes{0x5A});
}

TEST_F(IrdaLinkTest, CancelledChoiceFailsSilently) {
  IrdaPeer peer(dir_.path().string(), "dev");
  auto link = EmulatedLink();
  screen_.ChooseListEntry(std::nullopt);
  EXPECT_FALSE(link->ConnectIrda(info_, kind_));
  EXPECT_FALSE(link->connected());
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(IrdaLinkTest, RefusedConnectionShowsTheErrorNumber) {
  // A socket file that nobody listens on.
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, dir_.File("dead").c_str());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  close(fd);

  auto link = EmulatedLink();
  screen_.ChooseListEntry(0);
  EXPECT_FALSE(link->ConnectIrda(info_, kind_));
  EXPECT_FALSE(link->connected());
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Ошибка: Невозможно соединение с устройством. Ошибка: 111"});
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kError);
}

TEST_F(IrdaLinkTest, WaitTimesOutSilently) {
  IrdaPeer peer(dir_.path().string(), "dev");
  peer.Start();
  auto link = EmulatedLink();
  screen_.ChooseListEntry(0);
  ASSERT_TRUE(link->ConnectIrda(info_, kind_));
  EXPECT_FALSE(link->WaitSocket({0, 20000}, WaitMode::kReadable));
  EXPECT_TRUE(link->WaitSocket({0, 20000}, WaitMode::kWritable));
  EXPECT_TRUE(screen_.messages().empty());
  // A new attempt closes the old socket first.
  screen_.ChooseListEntry(std::nullopt);
  EXPECT_FALSE(link->ConnectIrda(info_, kind_));
  EXPECT_TRUE(peer.Finish().empty());
}

}  // namespace
}  // namespace telvane
