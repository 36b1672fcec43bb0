// What the firmware version of the connected reflectometer changes in the
// extended reflectogram record and the trace files of the newer page.
//
// Versions are handled in thousandths (8.025 is 8025) so that comparisons with
// the thresholds 8.007 and 8.025 are exact.
#ifndef TELVANE_STORAGE_TRACE_TRACE_FIRMWARE_H_
#define TELVANE_STORAGE_TRACE_TRACE_FIRMWARE_H_

#include <cmath>
#include <cstddef>

namespace telvane {

inline constexpr int kFirmwareLongName = 8007;    // 201-byte records, RFG 3.0
inline constexpr int kFirmware160Samples = 8025;  // 160 samples, RFG 4.0

// 8.025 -> 8025.
inline int FirmwareThousandths(double version) {
  return static_cast<int>(std::lround(version * 1000.0));
}

// Samples in an extended record: 160 from 8.025 on, else 128.
inline int ExtendedSampleCount(int firmware) { return firmware >= kFirmware160Samples ? 160 : 128; }

// Used length of an extended record: 233, 201 from 8.007 on, else 197.
inline size_t ExtendedUsedLength(int firmware) {
  if (firmware >= kFirmware160Samples) return 233;
  if (firmware >= kFirmwareLongName) return 201;
  return 197;
}

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_TRACE_FIRMWARE_H_
