// Identification and synchronisation over the socket, bytes checked on the wire.
#include "link/irda_search.h"

#include "link/irda/irda_fixture.h"

namespace telvane {
namespace {

using testing::Bytes;
using testing::Join;

// Kind 12, serial number "123456", speed byte 13 (115200 baud by cable).
const Bytes kIdentification = {0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x0D, 0x4E};
const Bytes kSyncFrame = {0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x41};
const Bytes kSyncReply = {0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36,
                          0xCE, 0xCD, 0xCC, 0xCB, 0xCA, 0xC9, 0x06};

class IrdaSearchTest : public testing::IrdaFixture {
 protected:
  InstrumentInfo Search() { return IrdaSearch(*link_, kind_, baud_); }
  LinkKind kind_ = LinkKind::kSerial;
  uint32_t baud_ = 0;
};

TEST_F(IrdaSearchTest, SilentCodesAreSkippedAndTheInstrumentSynchronised) {
  peer().Read(4).Write(kIdentification).Read(8).Write(kSyncReply);
  Connect();
  const InstrumentInfo info = Search();
  EXPECT_EQ(info.kind, 12);
  EXPECT_EQ(info.SerialText(), "123456");
  EXPECT_EQ(info.name, "Кабельный прибор КВР-ПРО-ТАВРА(E)");
  EXPECT_EQ(info.status, SearchStatus::kEnded);
  EXPECT_EQ(kind_, LinkKind::kIrda);
  EXPECT_EQ(baud_, 115200u);
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_TRUE(link_->connected());
  EXPECT_EQ(Wire(), Join({{9, 10, 11, 12}, kSyncFrame}));
}

class NamedDeviceSearchTest : public IrdaSearchTest {
  std::string device_name() const override { return "Керван-ПРО 2.6X сер.7"; }
};

TEST_F(NamedDeviceSearchTest, KindThirteenTakesTheDeviceName) {
  // Kind 13, serial "AB0001", speed byte 5 (115200 through an adapter).
  const Bytes id = {0x0D, 0x41, 0x42, 0x30, 0x30, 0x30, 0x31, 0x05, 0x56};
  const Bytes reply = {0x0D, 0x41, 0x42, 0x30, 0x30, 0x30, 0x31,
                       0xBE, 0xBD, 0xCF, 0xCF, 0xCF, 0xCE, 0x07};
  peer().Read(1).Write(id).Read(8).Write(reply);
  Connect();
  const InstrumentInfo info = Search();
  EXPECT_EQ(info.kind, 13);
  EXPECT_EQ(info.name, "Керван-ПРО 2.6X сер.7");
  EXPECT_EQ(baud_, 115200u);
  EXPECT_EQ(Wire(), (Bytes{9, 0x0D, 0x41, 0x42, 0x30, 0x30, 0x30, 0x31, 0x51}));
}

TEST_F(IrdaSearchTest, UnknownSpeedByteWarnsAndTakes9600) {
  Bytes id = kIdentification;
  id[7] = 7;
  id[8] = 0x48;
  peer().Read(1).Write(id).Read(8).Write(kSyncReply);
  Connect();
  EXPECT_EQ(Search().kind, 12);
  EXPECT_EQ(baud_, 9600u);
  ASSERT_EQ(screen_.messages().size(), 1u);
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kWarning);
  EXPECT_EQ(screen_.MessageLines()[0],
            "Warning: Неопознанный байт IrDA_BR\r\nIsIrDA=true; BaudRate=9600");
}

TEST_F(IrdaSearchTest, BadIdentificationEndsTheSearch) {
  struct Case {
    Bytes reply;
    std::string message;
  };
  const Case cases[] = {
      {{0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x0D, 0x4F}, "Ошибка: Ошибка внутренней КС"},
      {{0x0C, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x0D},
       "Ошибка: Некорректная информация об устройстве"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SetUp();
    peer().Read(1).Write(c.reply);
    Connect();
    const InstrumentInfo info = Search();
    EXPECT_EQ(info.kind, 0);
    EXPECT_EQ(info.status, SearchStatus::kEnded);
    EXPECT_EQ(kind_, LinkKind::kSerial);
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{c.message});
    // Nothing after the one code: no synchronisation was tried.
    EXPECT_EQ(Wire(), Bytes{9});
  }
}

TEST_F(IrdaSearchTest, FailedSynchronisationClosesTheSocket) {
  struct Case {
    Bytes reply;
    std::vector<std::string> messages;
  };
  Bytes wrong_complement = kSyncReply;
  wrong_complement[12] = 0xC8;
  wrong_complement[13] = 0x05;
  Bytes foreign_serial = kSyncReply;
  foreign_serial[6] = 0x37;
  foreign_serial[13] = 0x07;
  const std::string failed =
      "Ошибка: Неудачная синхронизация\r\nПрибор: Кабельный прибор КВР-ПРО-ТАВРА(E)\r\nS/N:123456";
  const Case cases[] = {
      {wrong_complement, {failed}},
      {foreign_serial, {failed}},
      {Bytes(kSyncReply.begin(), kSyncReply.end() - 1),
       {"Ошибка: Некорректная информация об устройстве", failed}},
      {Join({Bytes(kSyncReply.begin(), kSyncReply.end() - 1), {0x07}}),
       {"Ошибка: Ошибка внутренней КС", failed}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.messages.front());
    SetUp();
    peer().Read(1).Write(kIdentification).Read(8).Write(c.reply);
    Connect();
    const InstrumentInfo info = Search();
    EXPECT_EQ(info.status, SearchStatus::kSyncFailed);
    EXPECT_EQ(info.kind, 0);
    EXPECT_EQ(info.SerialText(), "");
    EXPECT_EQ(info.name, "");
    EXPECT_EQ(kind_, LinkKind::kSerial);
    EXPECT_EQ(screen_.MessageLines(), c.messages);
    // The search closed the link itself: the peer sees its end.
    EXPECT_FALSE(link_->connected());
    EXPECT_EQ(peer_->Finish(), Join({{9}, kSyncFrame}));
  }
}

TEST_F(IrdaSearchTest, EscapeWithYesCancelsBeforeAnyCode) {
  Connect();
  screen_.PressEscapeFor(1);
  screen_.Answer(Answer::kYes, "Прервать поиск?");
  const InstrumentInfo info = Search();
  EXPECT_EQ(info.status, SearchStatus::kCancelled);
  EXPECT_EQ(info.kind, 0);
  EXPECT_EQ(screen_.shown()[0].caption, "Поиск устройств");
  EXPECT_TRUE(Wire().empty());
}

TEST_F(IrdaSearchTest, EscapeWithNoGoesOn) {
  peer().Read(1).Write(kIdentification).Read(8).Write(kSyncReply);
  Connect();
  screen_.PressEscapeFor(1);
  screen_.Answer(Answer::kNo, "Прервать поиск?");
  EXPECT_EQ(Search().kind, 12);
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(IrdaSearchTest, SilentDeviceIsProbedWithCodesNineToNineteen) {
  Connect();
  const InstrumentInfo info = Search();
  EXPECT_EQ(info.kind, 0);
  EXPECT_EQ(info.status, SearchStatus::kEnded);
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(Wire(), (Bytes{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

}  // namespace
}  // namespace telvane
