// Shared routines for measured values and bytes: the text form of a
// capacitance or insulation resistance, the value markers, CRC-16/CCITT-FALSE,
// big-endian packing and the confirmation complement.
#ifndef TELVANE_BASE_VALUES_H_
#define TELVANE_BASE_VALUES_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace telvane {

// A pair without any measurement (bit pattern 0xCF29DF8D).
inline constexpr float kPairNotMeasured = -2850000128.0f;
// One value of a pair that was not measured while others were.
inline constexpr float kValueNotMeasured = -1050000000.0f;
// Capacitance above the range, shown as ">2000".
inline constexpr float kCapacitanceAboveRange = 2100.0f;
// Insulation above the range (kilo-ohms), shown as ">30000" mega-ohms.
inline constexpr float kInsulationAboveRange = 31000000.0f;

inline constexpr int kCapacitance = 0;
inline constexpr int kInsulation = 1;

// Writes the text of `value` (UTF-8) into `text`: kind 0 capacitance in
// nanofarads, kind 1 insulation in kilo-ohms. Returns the number of characters
// written; any other kind leaves `text` empty and returns kind - 1. Markers are
// not recognised: callers test for them first.
int FormatMeasurement(float value, int kind, std::string& text);

// CRC-16/CCITT-FALSE over the first length - 2 bytes of `data`. In mode 1 the
// result is compared with the last two bytes (low byte first) and `result` is
// set to 0 on a match, -1 on a mismatch. Returns the computed value.
uint16_t Crc16Check(int mode, int& result, const uint8_t* data, size_t length);
// CRC-16/CCITT-FALSE over all of `data`.
uint16_t Crc16(std::span<const uint8_t> data);

void PackBe32(uint32_t value, uint8_t* out);
void PackBe16(uint16_t value, uint8_t* out);
uint32_t UnpackBe32(const uint8_t* in);
uint16_t UnpackBe16(const uint8_t* in);

// Little-endian access used by the record views.
uint16_t LoadLe16(const uint8_t* in);
uint32_t LoadLe32(const uint8_t* in);
float LoadLeFloat(const uint8_t* in);
void StoreLe16(uint16_t value, uint8_t* out);
void StoreLe32(uint32_t value, uint8_t* out);
void StoreLeFloat(float value, uint8_t* out);

inline uint8_t Complement(uint8_t b) { return static_cast<uint8_t>(~b); }

// 8-bit sum (modulo 256) of the bytes.
uint8_t Sum8(std::span<const uint8_t> bytes);

}  // namespace telvane

#endif  // TELVANE_BASE_VALUES_H_
