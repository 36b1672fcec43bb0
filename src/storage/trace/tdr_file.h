// "*.tdr" trace files: a 144-byte header and one byte per sample
// (252 - 4 * sample).
//
// Header: 0 name length (12) | 1 name "%12.12s" | 13 two zeros | 15 thirteen
// 0xFF | 28 u16 k*1000-1000 | 30 u16 pulse | 32 u16 0xC600 (offset) | 34 range
// exponent | 35 stretch exponent | 36 averaging | 37 two 0xFF | 39 gain / 6 |
// 40..143 zero; byte 80 is the sample-count exponent (128 << it samples).
#ifndef TELVANE_STORAGE_TRACE_TDR_FILE_H_
#define TELVANE_STORAGE_TRACE_TDR_FILE_H_

#include <cstdint>
#include <string>

#include "base/screen.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"
#include "storage/trace/wv_file.h"

namespace telvane {

inline constexpr char kTdrHeaderReadError[] = "Ошибка чтения из файла";

// n with 2^n <= value < 2^(n+1); 0 below 2.
uint8_t TdrExponent(double value);

bool WriteTdr(Screen& screen, const std::string& path, TracePage page, int firmware,
              const CableBlock& block, const ReflectogramRecord& record);
// Clears `record` first; overwrites the block's velocity factor.
bool ReadTdr(Screen& screen, const std::string& path, TracePage page, int firmware,
             CableBlock& block, ReflectogramRecord& record);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_TDR_FILE_H_
