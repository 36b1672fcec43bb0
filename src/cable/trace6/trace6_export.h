// The two exports of a received kind 6 trace: the "*.rfg" file of version 3.0
// and the Excel 2.1 worksheet of its settings and samples.
#ifndef TELVANE_CABLE_TRACE6_TRACE6_EXPORT_H_
#define TELVANE_CABLE_TRACE6_TRACE6_EXPORT_H_

#include <cstdint>
#include <span>
#include <string>

#include "base/screen.h"
#include "cable/trace6/trace6_entry.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

inline constexpr char kWorksheetFailed[] = "Ошибка создание файла";

// The cable block of the export: one section, value 0 at 0, section byte 39,
// first float the range, second 128.0, fourth k.
CableBlock Trace6Block(const Trace6Info& info);
// The extended record: an empty name, the entry's date and settings, and 128
// samples (largest v - v) / (largest v / 63), truncated (the divisor taken as
// 1 when below 1).
ReflectogramRecord Trace6Record(const Trace6Info& info, std::span<const uint8_t> samples);

// Writes the version 3.0 file; false after the file's message.
bool WriteTrace6Rfg(Screen& screen, const std::string& path, const Trace6Info& info,
                    std::span<const uint8_t> samples);
// Writes the worksheet; "Ошибка создание файла" (caption "Ошибка") once when
// any record failed.
bool WriteTrace6Worksheet(Screen& screen, const std::string& path, const std::string& instrument,
                          const std::string& serial, const Trace6Info& info,
                          std::span<const uint8_t> samples);

}  // namespace telvane

#endif  // TELVANE_CABLE_TRACE6_TRACE6_EXPORT_H_
