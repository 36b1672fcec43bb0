// The frame codec alone, without any I/O: every frame kind built byte for
// byte, every fault of a received frame or confirmation judged, and the texts
// each family shows for each fault.
//
// Address used throughout: kind 9, serial "123456" (0x31..0x36); the 8-bit sum
// of these 7 bytes is 0x3E.
#include "link/frame_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "cable/cable_messages.h"
#include "link/frame_messages.h"

namespace telvane {
namespace {

using Bytes = std::vector<uint8_t>;

const Address kAddress = {0x09, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36};

Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
Bytes A(const Bytes& tail) { return Cat(Bytes(kAddress.begin(), kAddress.end()), tail); }
template <size_t N>
Bytes B(const std::array<uint8_t, N>& a) {
  return Bytes(a.begin(), a.end());
}

TEST(FrameCodecTest, BuildsEveryFrameKind) {
  // Command 0x30 and its confirmation (complement 0xCF).
  EXPECT_EQ(B(CommandFrame(kAddress, 0x30)), A({0x30, 0x6E}));
  EXPECT_EQ(B(ConfirmationFrame(kAddress, 0xCF)), A({0xCF, 0x0D}));
  // A record confirmation asking for the record again.
  EXPECT_EQ(B(ConfirmationFrame(kAddress, 0x00)), A({0x00, 0x3E}));
  // Addressed records, unnumbered and numbered, and the one-byte record.
  const Bytes data = {0x01, 0x02, 0x03};
  EXPECT_EQ(RecordFrame(kAddress, std::nullopt, data), A({0x01, 0x02, 0x03, 0x44}));
  EXPECT_EQ(RecordFrame(kAddress, 0x05, data), A({0x05, 0x01, 0x02, 0x03, 0x49}));
  EXPECT_EQ(RecordFrame(kAddress, std::nullopt, Bytes{0xC2}), A({0xC2, 0x00}));
  EXPECT_EQ(RecordFrameLength(3, false), 11u);
  EXPECT_EQ(RecordFrameLength(262, true), 271u);
}

TEST(FrameCodecTest, ConfirmationBytesFromTheirSource) {
  const Bytes data = {0x10, 0x02, 0x30};
  // A record receiver answers with the complement of the value or the byte.
  EXPECT_EQ(RecordConfirmByte(ConfirmSource::Value(5), data), 0xFA);
  EXPECT_EQ(RecordConfirmByte(ConfirmSource::DataByte(1), data), 0xFD);
  // A block is confirmed with the value itself or the complemented byte.
  EXPECT_EQ(BlockConfirmByte(ConfirmSource::Value(1), data), 0x01);
  EXPECT_EQ(BlockConfirmByte(ConfirmSource::DataByte(2), data), 0xCF);
  EXPECT_TRUE(ConfirmSourceFits(ConfirmSource::DataByte(2), 3));
  EXPECT_FALSE(ConfirmSourceFits(ConfirmSource::DataByte(3), 3));
  EXPECT_TRUE(ConfirmSourceFits(ConfirmSource::Value(200), 0));
}

TEST(FrameCodecTest, CommandReplyFaults) {
  EXPECT_EQ(CheckCommandReply(A({0xCF, 0x0D}), kAddress, 0x30), FrameStatus::kOk);
  // Sum first: a wrong sum is reported even when the code is wrong too.
  EXPECT_EQ(CheckCommandReply(A({0xCF, 0x0E}), kAddress, 0x30), FrameStatus::kBadSum);
  EXPECT_EQ(CheckCommandReply(A({0x30, 0x6E}), kAddress, 0x30), FrameStatus::kBadEcho);
  // Another serial number, sum correct for it.
  Bytes foreign = A({0xCF, 0x0E});
  foreign[6] = 0x37;
  EXPECT_EQ(CheckCommandReply(foreign, kAddress, 0x30), FrameStatus::kBadEcho);
  Bytes other_kind = A({0xCF, 0x0E});
  other_kind[0] = 0x0A;
  EXPECT_EQ(CheckCommandReply(other_kind, kAddress, 0x30), FrameStatus::kBadEcho);
  EXPECT_EQ(CheckCommandReply(A({0xCF}), kAddress, 0x30), FrameStatus::kBadLength);
  EXPECT_EQ(CheckCommandReply(Cat(A({0xCF, 0x0D}), {0}), kAddress, 0x30), FrameStatus::kBadLength);
}

TEST(FrameCodecTest, RecordConfirmationFaultsAndTheResendPolicy) {
  const Bytes fa = A({0xFA, 0x38});
  EXPECT_EQ(CheckRecordConfirmation(fa, kAddress, 0xFA), FrameStatus::kOk);
  EXPECT_EQ(CheckRecordConfirmation(A({0xFA, 0x39}), kAddress, 0xFA), FrameStatus::kBadSum);
  EXPECT_EQ(CheckRecordConfirmation(fa, kAddress, 0xFB), FrameStatus::kBadConfirm);
  Bytes foreign = A({0xFA, 0x37});
  foreign[1] = 0x30;
  EXPECT_EQ(CheckRecordConfirmation(foreign, kAddress, 0xFA), FrameStatus::kBadEcho);
  EXPECT_EQ(CheckRecordConfirmation(foreign, kAddress, 0xFA, {.compare_address = false}),
            FrameStatus::kOk);
  EXPECT_EQ(CheckRecordConfirmation(A({0xFA}), kAddress, 0xFA), FrameStatus::kBadLength);
  // 0: asked again on the IrDA link, a wrong byte on the serial link.
  const Bytes zero = A({0x00, 0x3E});
  EXPECT_EQ(CheckRecordConfirmation(zero, kAddress, 0xFA, {.zero_asks_resend = true}),
            FrameStatus::kResend);
  EXPECT_EQ(CheckRecordConfirmation(zero, kAddress, 0xFA), FrameStatus::kBadConfirm);
}

TEST(FrameCodecTest, ReceivedRecordFaults) {
  const Bytes good = A({0x01, 0x02, 0x03, 0x44});
  EXPECT_EQ(CheckRecord(good, kAddress), FrameStatus::kOk);
  EXPECT_EQ(CheckRecord(A({0x01, 0x02, 0x03, 0x45}), kAddress), FrameStatus::kBadSum);
  Bytes kind = good;
  kind[0] = 0x0A;
  kind.back() = 0x45;
  EXPECT_EQ(CheckRecord(kind, kAddress), FrameStatus::kBadKind);
  Bytes serial = good;
  serial[3] = 0x34;
  serial.back() = 0x45;
  EXPECT_EQ(CheckRecord(serial, kAddress), FrameStatus::kBadSerial);
  // The sum is judged before the address.
  serial.back() = 0x00;
  EXPECT_EQ(CheckRecord(serial, kAddress), FrameStatus::kBadSum);
  // Without the address comparison only the sum counts.
  kind.back() = 0x45;
  EXPECT_EQ(CheckRecord(kind, kAddress, /*compare_address=*/false), FrameStatus::kOk);
  EXPECT_EQ(CheckRecord(A({}), kAddress), FrameStatus::kBadLength);
  // A numbered record is checked the same way, its number in the sum.
  EXPECT_EQ(CheckRecord(RecordFrame(kAddress, 7, Bytes{1, 2}), kAddress), FrameStatus::kOk);
}

TEST(FrameCodecTest, BlockConfirmationFaults) {
  EXPECT_EQ(CheckBlockConfirmation(Bytes{0x01}, 0x01), FrameStatus::kOk);
  EXPECT_EQ(CheckBlockConfirmation(Bytes{0x02}, 0x01), FrameStatus::kBadConfirm);
  EXPECT_EQ(CheckBlockConfirmation(Bytes{0x01, 0x01}, 0x01), FrameStatus::kBadLength);
  EXPECT_EQ(CheckBlockConfirmation(Bytes{}, 0x01), FrameStatus::kBadLength);
}

TEST(FrameMessagesTest, SerialExchangeTexts) {
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kWriteFailed),
            "Ошибка передачи информации");
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kReadFailed),
            "Ошибка приема информации");
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kTimeout), "Время ожидания вышло!");
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kSumTimeout), "Время ожидания вышло!");
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kBadSum),
            "Неверная контрольная сумма подтверждения команды");
  EXPECT_EQ(FrameFaultText(kSerialCommandTexts, FrameStatus::kBadEcho),
            "Ошибка подтверждения команды");
  EXPECT_EQ(FrameFaultText(kSerialReplyCheckTexts, FrameStatus::kBadSum),
            "Неверная КС подтверждения записи");
  EXPECT_EQ(FrameFaultText(kSerialReplyCheckTexts, FrameStatus::kBadEcho),
            "Ошибка подтверждения команды");
  EXPECT_EQ(FrameFaultText(kSerialReplyCheckTexts, FrameStatus::kBadConfirm),
            "Ошибка байта подтверждения");
  EXPECT_EQ(FrameFaultText(kSerialReplyTexts, FrameStatus::kTimeout),
            "Таймаут приема подтверждения");
  EXPECT_EQ(FrameFaultText(kSerialReplySumTexts, FrameStatus::kTimeout),
            "Таймаут приема КС записи");
  EXPECT_STREQ(kSerialCommandTexts.caption, "Ошибка");
}

TEST(FrameMessagesTest, IrdaTextsAndSilentFaults) {
  EXPECT_EQ(FrameFaultText(kIrdaCommandTexts, FrameStatus::kBadLength),
            "Неправильное подтверждение комманды");
  EXPECT_EQ(FrameFaultText(kIrdaCommandTexts, FrameStatus::kBadSum), "Ошибка внутренней КС");
  // An address or code mismatch of a command confirmation is silent.
  EXPECT_EQ(FrameFaultText(kIrdaCommandTexts, FrameStatus::kBadEcho), "");
  EXPECT_EQ(FrameFaultText(kIrdaRecordTexts, FrameStatus::kBadSum), "Ошибка внутренней КС записи");
  EXPECT_EQ(FrameFaultText(kIrdaRecordTexts, FrameStatus::kBadKind), "Ошибка VendorID");
  EXPECT_EQ(FrameFaultText(kIrdaRecordTexts, FrameStatus::kBadSerial), "Ошибка адреса");
  EXPECT_EQ(FrameFaultText(kIrdaRecordConfirmTexts, FrameStatus::kBadEcho), "");
  EXPECT_EQ(FrameFaultText(kIrdaRecordConfirmTexts, FrameStatus::kBadConfirm),
            "Неверное подтверждение записи");
  EXPECT_EQ(FrameFaultText(kIrdaBlockConfirmTexts, FrameStatus::kBadLength),
            "Неверный размер подтверждения");
  EXPECT_EQ(FrameFaultText(kIrdaBlockConfirmTexts, FrameStatus::kOk), "");
}

TEST(FrameMessagesTest, InitialTransferTexts) {
  EXPECT_STREQ(kKind6InitialTexts.caption, "Error");
  EXPECT_EQ(FrameFaultText(kKind6InitialTexts, FrameStatus::kNumberTimeout), "TIMEOUT Nom_Rec!");
  EXPECT_EQ(FrameFaultText(kKind6InitialTexts, FrameStatus::kBadKind), "Неверный VendorID!");
  EXPECT_EQ(FrameFaultText(kKind6InitialTexts, FrameStatus::kBadSerial), "Неверный SerialNumber!");
  EXPECT_STREQ(kCompactInitialTexts.caption, "Ошибка");
  EXPECT_EQ(FrameFaultText(kCompactInitialTexts, FrameStatus::kBadKind), "Неверный ТИП ПРИБОРА!");
  EXPECT_EQ(FrameFaultText(kCompactInitialTexts, FrameStatus::kBadSerial),
            "Неверный СЕРИЙНЫЙ НОМЕР ПРИБОРА!");
  EXPECT_EQ(FrameFaultText(kCompactInitialTexts, FrameStatus::kWriteFailed),
            "Ошибка при передаче информации");
}

TEST(FrameMessagesTest, CableFamilyTexts) {
  EXPECT_STREQ(kFullFamilyTexts.command.caption, "Error");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.command, FrameStatus::kTimeout), "TIMEOUT!");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.command, FrameStatus::kWriteFailed), "WriteFile()");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.record, FrameStatus::kTimeout, 20),
            "TIMEOUT чтения записи!\r\n байт № 20");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.record, FrameStatus::kBadSerial), "Ошибка адреса");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.type_record, FrameStatus::kBadSum),
            "Неверная контрольная сумма");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.type_record, FrameStatus::kBadSerial),
            "Неверный SerialNumber!");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.send_record, FrameStatus::kSumTimeout),
            "TIMEOUT получения контрольной суммы подтверждения!");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.send_record, FrameStatus::kBadEcho),
            "Ошибка подтверждения номера записи");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.index, FrameStatus::kBadSum),
            "Неверная контрольная сумма подтверждения № записи");
  EXPECT_EQ(FrameFaultText(kFullFamilyTexts.date_record, FrameStatus::kTimeout),
            "TIMEOUT адреса при попытке чтения даты!");
  EXPECT_STREQ(kCompactTexts.command.caption, "Ошибка");
  EXPECT_EQ(FrameFaultText(kCompactTexts.record, FrameStatus::kTimeout, 3),
            "Время ожидания вышло!\r\n байт № 3");
  EXPECT_EQ(FrameFaultText(kReflectogramTexts.command, FrameStatus::kSumTimeout),
            "TIMEOUT контрольной суммы подтверждения команды!");
}

}  // namespace
}  // namespace telvane
