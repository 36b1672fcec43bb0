#include "storage/trace/trace_dispatch.h"

#include "storage/db/jet_sql.h"
#include "storage/trace/rfg_file.h"
#include "storage/trace/tdr_file.h"
#include "storage/trace/trace_file_io.h"

namespace telvane {

TraceFormat TraceFormatOf(const std::string& path) {
  const size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return TraceFormat::kUnknown;
  const std::string extension = LowerAscii(path.substr(dot + 1));
  if (extension == "rfg") return TraceFormat::kRfg;
  if (extension == "wv") return TraceFormat::kWv;
  if (extension == "tdr") return TraceFormat::kTdr;
  return TraceFormat::kUnknown;
}

bool SaveTrace(Screen& screen, const std::string& path, TracePage page, int firmware,
               const CableBlock& block, const ReflectogramRecord& record) {
  switch (TraceFormatOf(path)) {
    case TraceFormat::kRfg:
      return page == TracePage::kOlder ? WriteRfgOlder(screen, path, block, record)
                                       : WriteRfgNewer(screen, path, block, record, firmware);
    case TraceFormat::kWv:
      return WriteWv(screen, path, page, firmware, block, record);
    case TraceFormat::kTdr:
      return WriteTdr(screen, path, page, firmware, block, record);
    case TraceFormat::kUnknown:
      break;
  }
  ShowFileError(screen, kUnknownFormat, path);
  return false;
}

bool OpenTrace(Screen& screen, const std::string& path, TracePage page, int firmware,
               CableBlock& block, ReflectogramRecord& record) {
  switch (TraceFormatOf(path)) {
    case TraceFormat::kRfg:
      return page == TracePage::kOlder ? ReadRfgOlder(screen, path, block, record)
                                       : ReadRfgNewer(screen, path, firmware, block, record);
    case TraceFormat::kWv:
      return ReadWv(screen, path, page, firmware, block, record);
    case TraceFormat::kTdr:
      return ReadTdr(screen, path, page, firmware, block, record);
    case TraceFormat::kUnknown:
      break;
  }
  ShowFileError(screen, kUnknownFormat, path);
  return false;
}

}  // namespace telvane
