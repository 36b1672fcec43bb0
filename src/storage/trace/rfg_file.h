// "*.rfg" reflectogram files: the version as a float, a cable block, a
// reflectogram record and, from version 1.2 on, the full name again.
//
//   1.1  compact block (343) + compact record (173)           520 bytes, older page
//   1.2  compact block + compact record (name cut to 16) + L + name, newer page
//        below firmware 8.007
//   2.0  extended block (435) + 197 or 201 record bytes       read only
//   3.0  extended block + 201 record bytes + L + name, firmware 8.007..8.025
//   4.0  extended block + 233 record bytes + L + name, firmware 8.025 on
// L is a u32, the name's length + 1; the name follows with its zero byte.
//
// Every reader and writer reports its failures itself (file name as text,
// message as caption, error icon) and returns false; a failed read leaves the
// targets as they were.
#ifndef TELVANE_STORAGE_TRACE_RFG_FILE_H_
#define TELVANE_STORAGE_TRACE_RFG_FILE_H_

#include <string>

#include "base/screen.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

inline constexpr char kRfgBadFormat[] = "Неверный формат файла";
inline constexpr char kRfgUnknownVersion[] = "Неизвестный формат хранения РФГ!";

enum class RfgVersion { k11, k12, k20, k30, k40 };

float RfgVersionValue(RfgVersion version);
// The version a newer-page file is written in for the firmware.
RfgVersion RfgVersionForFirmware(int firmware);

// Older page: version 1.1 from compact forms.
bool WriteRfgOlder(Screen& screen, const std::string& path, const CableBlock& block,
                   const ReflectogramRecord& record);
// Newer page: 1.2, 3.0 or 4.0 by firmware, from extended forms.
bool WriteRfgNewer(Screen& screen, const std::string& path, const CableBlock& block,
                   const ReflectogramRecord& record, int firmware);
// Any written version (not 2.0); the block and record are converted to the form
// the version holds.
bool WriteRfg(Screen& screen, const std::string& path, RfgVersion version, const CableBlock& block,
              const ReflectogramRecord& record);

// Older page: version 1.2 of any size, 1.1 only of exactly 520 bytes.
bool ReadRfgOlder(Screen& screen, const std::string& path, CableBlock& block,
                  ReflectogramRecord& record);
// Newer page: every version, converted into the extended forms.
bool ReadRfgNewer(Screen& screen, const std::string& path, int firmware, CableBlock& block,
                  ReflectogramRecord& record);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_RFG_FILE_H_
