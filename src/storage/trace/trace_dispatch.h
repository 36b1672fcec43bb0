// Saving and opening one reflectogram in the file format its extension names
// ("rfg", "wv", "tdr"), as the reflectometer pages do.
#ifndef TELVANE_STORAGE_TRACE_TRACE_DISPATCH_H_
#define TELVANE_STORAGE_TRACE_TRACE_DISPATCH_H_

#include <string>

#include "base/screen.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"
#include "storage/trace/wv_file.h"

namespace telvane {

inline constexpr char kUnknownFormat[] = "Неизвестный формат!";

enum class TraceFormat { kUnknown, kRfg, kWv, kTdr };

// By the extension, in any case.
TraceFormat TraceFormatOf(const std::string& path);

// The block and record are in the page's forms: compact on the older page,
// extended on the newer. Any other extension shows "Неизвестный формат!" (the
// file name as text) and writes or reads nothing.
bool SaveTrace(Screen& screen, const std::string& path, TracePage page, int firmware,
               const CableBlock& block, const ReflectogramRecord& record);
bool OpenTrace(Screen& screen, const std::string& path, TracePage page, int firmware,
               CableBlock& block, ReflectogramRecord& record);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_TRACE_DISPATCH_H_
