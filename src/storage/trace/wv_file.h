// "*.wv" trace files (magic "LINE-SCAN"): a 123-byte header, N 16-bit samples
// (0x3F00 - sample * 256), the bytes 5 and 0, and six text fields (u16 length
// and the characters): the name, the date "dd.mm.yy" and four empty fields.
//
// The older page writes and accepts header word 10 with 128 samples from a
// compact record; the newer page word 11 with 128 or 160 samples (by firmware)
// from an extended record. The cable's velocity factor k comes from and goes to
// the cable block.
#ifndef TELVANE_STORAGE_TRACE_WV_FILE_H_
#define TELVANE_STORAGE_TRACE_WV_FILE_H_

#include <cstdint>
#include <string>

#include "base/screen.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

inline constexpr char kWvBadFormat[] = "Неправильный формат файла!";
inline constexpr char kWvBadFormatCaption[] = "Ошибка";

enum class TracePage { kOlder, kNewer };

// The header's pulse code for a pulse width in ns, and back.
uint16_t WvPulseCode(uint16_t imp);
uint16_t WvPulseWidth(uint16_t code);
// 10^(dB / 20, integer division), truncated, limited to 1..256.
uint16_t WvGainFactor(int16_t db);

// `firmware` only matters on the newer page (sample count).
bool WriteWv(Screen& screen, const std::string& path, TracePage page, int firmware,
             const CableBlock& block, const ReflectogramRecord& record);
// Clears `record` first; on the newer page `record` must be extended, on the
// older compact. Overwrites the block's velocity factor.
bool ReadWv(Screen& screen, const std::string& path, TracePage page, int firmware,
            CableBlock& block, ReflectogramRecord& record);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_WV_FILE_H_
