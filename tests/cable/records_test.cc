#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "base/values.h"
#include "cable/cable_records.h"
#include "cable/compact_records.h"

namespace telvane {
namespace {

template <class Record>
Record Counting(uint8_t start = 1) {
  typename Record::Bytes bytes;
  std::iota(bytes.begin(), bytes.end(), start);
  return Record(bytes);
}

// Offsets of the bytes that differ between two records.
template <class Record>
std::vector<size_t> Changed(const Record& a, const Record& b) {
  std::vector<size_t> out;
  for (size_t i = 0; i < Record::kSize; ++i) {
    if (a.bytes()[i] != b.bytes()[i]) out.push_back(i);
  }
  return out;
}

std::vector<size_t> Range(size_t from, size_t to) {
  std::vector<size_t> out(to - from);
  std::iota(out.begin(), out.end(), from);
  return out;
}

TEST(CableBaseHeader, DecodesFieldsAtTheirOffsets) {
  const auto header = Counting<CableBaseHeader>(0);
  EXPECT_EQ(header.cable_count(), 20);
  EXPECT_EQ(header.max_cables(), 21);
  EXPECT_EQ(header.reflectogram_count(), 0x1716);
  EXPECT_EQ(header.max_reflectograms(), 0x1918);
  EXPECT_EQ(header.pair_count(), 0x1D1C1B1Au);
  EXPECT_EQ(header.max_pairs(), 0x21201F1Eu);
  EXPECT_EQ(header.sample_count(), 0x25242322u);
  EXPECT_EQ(header.max_samples(), 0x29282726u);
}

TEST(CableBaseHeader, SettersWriteLittleEndianAndKeepOpaqueBytes) {
  auto header = Counting<CableBaseHeader>(0x80);
  const auto before = header;
  header.set_cable_count(3);
  header.set_max_cables(200);
  header.set_reflectogram_count(0x0102);
  header.set_max_reflectograms(0x0304);
  header.set_pair_count(0x05060708);
  header.set_max_pairs(0x090A0B0C);
  header.set_sample_count(0x0D0E0F10);
  header.set_max_samples(0x11121314);
  const std::array<uint8_t, 22> expected = {3,    200,  0x02, 0x01, 0x04, 0x03, 0x08, 0x07,
                                            0x06, 0x05, 0x0C, 0x0B, 0x0A, 0x09, 0x10, 0x0F,
                                            0x0E, 0x0D, 0x14, 0x13, 0x12, 0x11};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(header.bytes()[20 + i], expected[i]);
  EXPECT_EQ(Changed(before, header), Range(20, 42));
}

TEST(CableRecord, GoldenBytesOfEveryField) {
  CableRecord record;
  record.set_name("КАБЕЛЬ 1");
  record.set_type_name("ТПП");
  record.set_pair_count(100);
  record.set_length(0x1234);
  record.set_section_count(2);
  record.set_temperature(20.0f);
  record.set_zone(7);
  record.set_notebook_line(0, "А");
  record.set_notebook_line(5, "Я9");
  record.set_shortening_factor(1.5f);
  record.set_armour_reference(0.25f);
  record.set_condition(9);
  CableSection section;
  section.set_length(0x0A0B);
  section.set_core_diameter(0.5f);
  section.set_core_resistance(0x0C0D);
  section.set_capacitance(0x0E0F);
  section.set_temperature_factor(12.5f);
  record.set_section(4, section);

  CableRecord::Bytes expected{};
  const uint8_t name[] = {0xCA, 0xC0, 0xC1, 0xC5, 0xCB, 0xDC, 0x20, 0x31};
  std::copy(std::begin(name), std::end(name), expected.begin());
  expected[21] = 0xD2;
  expected[22] = 0xCF;
  expected[23] = 0xCF;
  expected[42] = 100;
  expected[44] = 0x34;
  expected[45] = 0x12;
  expected[46] = 2;
  expected[49] = 0xA0;
  expected[50] = 0x41;
  expected[51] = 7;
  expected[52] = 0xC0;
  expected[52 + 5 * 21] = 0xDF;
  expected[52 + 5 * 21 + 1] = '9';
  expected[180] = 0xC0;
  expected[181] = 0x3F;
  expected[184] = 0x80;
  expected[185] = 0x3E;
  expected[186] = 9;
  const uint8_t fifth[] = {0x0B, 0x0A, 0, 0, 0, 0x3F, 0x0D, 0x0C, 0x0F, 0x0E, 0, 0, 0x48, 0x41};
  std::copy(std::begin(fifth), std::end(fifth), expected.begin() + 187 + 4 * 14);
  EXPECT_EQ(record.bytes(), expected);

  EXPECT_EQ(record.name(), "КАБЕЛЬ 1");
  EXPECT_EQ(record.type_name(), "ТПП");
  EXPECT_EQ(record.notebook_line(5), "Я9");
  EXPECT_EQ(record.notebook_line(1), "");
  EXPECT_EQ(record.section(4), section);
  EXPECT_FLOAT_EQ(record.section(4).temperature_factor(), 12.5f);
  EXPECT_EQ(record.section(3), CableSection());
}

TEST(CableRecord, EveryByteSurvivesAndSettersTouchOnlyTheirField) {
  auto record = Counting<CableRecord>(7);
  CableRecord copy;
  ASSERT_TRUE(copy.Assign(record.span()));
  EXPECT_EQ(copy, record);
  EXPECT_FALSE(copy.Assign(std::vector<uint8_t>(261, 0)));
  EXPECT_EQ(copy, record);

  const auto before = record;
  record.set_notebook_line(2, "X");
  EXPECT_EQ(Changed(before, record), Range(94, 115));
  EXPECT_EQ(record.notebook_line(2), "X");
  auto section = record.section(0);
  section.set_capacitance(1);
  record = before;
  record.set_section(0, section);
  EXPECT_EQ(Changed(before, record), (std::vector<size_t>{195, 196}));

  record = before;
  record.ClearTransferWord();
  EXPECT_EQ(Changed(before, record), Range(258, 262));
  EXPECT_EQ(record.bytes()[257], before.bytes()[257]);
}

TEST(CableRecord, TextFieldsHoldTwentyCharactersAndAreConvertedAtTheEdge) {
  CableRecord record = Counting<CableRecord>(0x41);
  record.set_name("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦ");  // 23 letters
  EXPECT_EQ(record.name(), "АБВГДЕЖЗИЙКЛМНОПРСТУ");
  EXPECT_EQ(record.bytes()[19], 0xD3);
  EXPECT_EQ(record.bytes()[20], 0);
  record.set_type_name("a€中b");
  EXPECT_EQ(record.bytes()[21], 'a');
  EXPECT_EQ(record.bytes()[22], 0x88);  // the euro sign is in the code page
  EXPECT_EQ(record.bytes()[23], '?');
  EXPECT_EQ(record.bytes()[24], 'b');
  EXPECT_EQ(record.bytes()[25], 0);
  EXPECT_EQ(record.bytes()[41], 0);
  EXPECT_EQ(record.type_name(), "a€?b");
}

TEST(PlannedMeasurement, ValuesAtTheirOffsets) {
  PlannedMeasurement slot;
  slot.set_pair(0x0201);
  slot.set_capacitance_ab(1.5f);
  slot.set_capacitance_bc(0.25f);
  slot.set_capacitance_ac(0.5f);
  slot.set_insulation_ab(20.0f);
  slot.set_insulation_bc(kPairNotMeasured);
  slot.set_insulation_ac(-10.0f);
  const PlannedMeasurement::Bytes expected = {0x01, 0x02, 0,    0,    0xC0, 0x3F, 0,    0,    0x80,
                                              0x3E, 0,    0,    0,    0x3F, 0,    0,    0xA0, 0x41,
                                              0x8D, 0xDF, 0x29, 0xCF, 0,    0,    0x20, 0xC1};
  EXPECT_EQ(slot.bytes(), expected);
  EXPECT_EQ(slot.values(),
            (std::array<float, 6>{1.5f, 0.25f, 0.5f, 20.0f, kPairNotMeasured, -10.0f}));
}

TEST(CableType, WireFormHasBigEndianFloatsAndSpacePadding) {
  CableTypeRecord type;
  type.set_name("ТПП");
  type.set_specific_resistance(1.5f);
  type.set_temperature_factor(0.004f);
  type.set_selected(false);
  std::array<uint8_t, 32> wire{};
  wire[0] = 0xD2;
  wire[1] = 0xCF;
  wire[2] = 0xCF;
  std::fill(wire.begin() + 3, wire.begin() + 16, ' ');
  const uint8_t floats[] = {0x3F, 0xC0, 0x00, 0x00, 0x3B, 0x83, 0x12, 0x6F};
  std::copy(std::begin(floats), std::end(floats), wire.begin() + 16);
  EXPECT_EQ(EncodeCableType(type, NamePadding::kSpaces), wire);

  auto file = wire;
  std::fill(file.begin() + 3, file.begin() + 16, 0);
  EXPECT_EQ(EncodeCableType(type, NamePadding::kNul), file);

  for (const auto& form : {wire, file}) {
    const CableTypeRecord decoded = DecodeCableType(form);
    EXPECT_EQ(decoded.name(), "ТПП");
    EXPECT_FLOAT_EQ(decoded.specific_resistance(), 1.5f);
    EXPECT_FLOAT_EQ(decoded.temperature_factor(), 0.004f);
    EXPECT_EQ(decoded.selected_byte(), 1);
    EXPECT_EQ(EncodeCableType(decoded, NamePadding::kSpaces), wire);
    EXPECT_EQ(EncodeCableType(decoded, NamePadding::kNul), file);
  }
}

TEST(CableType, SixteenCharacterNameFillsTheFieldWithoutTerminator) {
  CableTypeRecord type;
  type.set_name("ТППЭП 100x2x0.40 лишнее");
  EXPECT_EQ(type.name(), "ТППЭП 100x2x0.40");
  EXPECT_NE(type.bytes()[15], 0);
  const auto wire = EncodeCableType(type, NamePadding::kSpaces);
  EXPECT_EQ(wire[15], '0');
  EXPECT_EQ(DecodeCableType(wire).name(), "ТППЭП 100x2x0.40");
}

TEST(CompactCableRecord, GoldenBytesAndChecksum) {
  CompactCableRecord record;
  record.set_name("КАБЕЛЬ");
  record.set_section_count(2);
  record.set_temperature(-10.0f);
  record.set_length_calculation(CompactCableRecord::kLengthFromDiameter);
  record.set_section(0, {3, 1234.5f});
  record.set_section(4, {9, 0.5f});
  record.UpdateChecksum();
  CompactCableRecord::Bytes expected{};
  const uint8_t head[] = {0xCA, 0xC0, 0xC1, 0xC5, 0xCB, 0xDC};
  std::copy(std::begin(head), std::end(head), expected.begin());
  expected[13] = 2;
  expected[16] = 0x20;
  expected[17] = 0xC1;
  expected[18] = 241;
  const uint8_t first[] = {3, 0x00, 0x50, 0x9A, 0x44};
  std::copy(std::begin(first), std::end(first), expected.begin() + 19);
  const uint8_t fifth[] = {9, 0, 0, 0, 0x3F};
  std::copy(std::begin(fifth), std::end(fifth), expected.begin() + 39);
  unsigned sum = 0;
  for (size_t i = 0; i < 44; ++i) sum += expected[i];
  expected[44] = static_cast<uint8_t>(sum);
  EXPECT_EQ(record.bytes(), expected);
  EXPECT_EQ(record.section(0), (CompactSection{3, 1234.5f}));
  EXPECT_EQ(record.name(), "КАБЕЛЬ");
  EXPECT_FALSE(record.IsEmptySlot());

  record.set_name("ОЧЕНЬДЛИННОЕИМЯ");
  EXPECT_EQ(record.name(), "ОЧЕНЬДЛИННОЕ");
  EXPECT_EQ(record.bytes()[12], 0);
}

TEST(CompactCableRecord, EmptySlotIsZerosAnd255) {
  const auto empty = CompactCableRecord::Empty();
  for (size_t i = 0; i < 44; ++i) EXPECT_EQ(empty.bytes()[i], 0);
  EXPECT_EQ(empty.bytes()[44], 255);
  EXPECT_TRUE(empty.IsEmptySlot());
}

TEST(CompactPlannedMeasurement, StoredOrderAndClearedSlot) {
  auto slot = Counting<CompactPlannedMeasurement>(0);
  EXPECT_EQ(slot.lead(), 0);
  EXPECT_EQ(slot.bytes()[0], 0);
  slot.set_capacitance_ac(1.5f);
  slot.set_insulation_ab(20.0f);
  EXPECT_EQ(slot.bytes()[3], 0xC0);
  EXPECT_EQ(slot.bytes()[4], 0x3F);
  EXPECT_EQ(slot.bytes()[23], 0xA0);
  EXPECT_EQ(slot.bytes()[24], 0x41);
  EXPECT_FLOAT_EQ(slot.value(0), 1.5f);
  EXPECT_FLOAT_EQ(slot.value(5), 20.0f);
  slot.set_value(2, 0.5f);
  EXPECT_FLOAT_EQ(slot.capacitance_ab(), 0.5f);

  const CompactPlannedMeasurement::Bytes cleared = {
      0,    0x8D, 0xDF, 0x29, 0xCF, 0xEA, 0x56, 0x7A, 0xCE, 0xEA, 0x56, 0x7A, 0xCE,
      0xEA, 0x56, 0x7A, 0xCE, 0xEA, 0x56, 0x7A, 0xCE, 0xEA, 0x56, 0x7A, 0xCE};
  EXPECT_EQ(CompactPlannedMeasurement::Cleared().bytes(), cleared);
}

TEST(CompactCableType, FieldsAtTheirOffsets) {
  CompactCableType type;
  type.set_name("ТПП0.4ЛИШНЕЕ");
  type.set_core_diameter(0.4f);
  type.set_capacitance(0.9f);
  const CompactCableType::Bytes expected = {0xD2, 0xCF, 0xCF, '0',  '.',  '4',  0xCB, 0xC8, 0,
                                            0xCD, 0xCC, 0xCC, 0x3E, 0x66, 0x66, 0x66, 0x3F};
  EXPECT_EQ(type.bytes(), expected);
  EXPECT_EQ(type.name(), "ТПП0.4ЛИ");
  EXPECT_FLOAT_EQ(type.core_diameter(), 0.4f);
}

}  // namespace
}  // namespace telvane
