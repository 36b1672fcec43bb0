// Storage commands: the empty database and the reflectogram trace files.
#include <cstdio>
#include <string>
#include <string_view>

#include "base/file_write.h"
#include "base/sprintf.h"
#include "cli/command.h"
#include "storage/db/create_database.h"
#include "storage/trace/trace_dispatch.h"
#include "storage/trace/trace_firmware.h"

namespace telvane::cli {
namespace {

constexpr int kUsage = 2;

// The page and firmware a trace command works as: --older or --newer (the
// default), --firmware VERSION (default 8.025).
struct TraceOptions {
  TracePage page = TracePage::kNewer;
  int firmware = kFirmware160Samples;
};

bool TakeTraceOptions(std::vector<std::string>& args, TraceOptions& options) {
  const bool older = TakeFlag(args, "--older");
  const bool newer = TakeFlag(args, "--newer");
  if (older && newer) return false;
  options.page = older ? TracePage::kOlder : TracePage::kNewer;
  const std::string firmware = TakeOption(args, "--firmware");
  if (!firmware.empty()) {
    char* end = nullptr;
    const double value = std::strtod(firmware.c_str(), &end);
    if (end == firmware.c_str() || *end != '\0' || !(value > 0 && value < 1000)) return false;
    options.firmware = FirmwareThousandths(value);
  }
  return true;
}

RecordForm FormOf(TracePage page) {
  return page == TracePage::kOlder ? RecordForm::kCompact : RecordForm::kExtended;
}

int Usage(const char* synopsis) {
  std::fprintf(stderr, "usage: telvane-cli %s\n", synopsis);
  return kUsage;
}

// `utf8` with the control characters a terminal would act on (C0, DEL, C1)
// and the backslash written as escapes, so a name from a file is only shown.
std::string Printable(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (c < 0x20 || c == 0x7F) {
      out += Sprintf("\\x%02X", static_cast<unsigned>(c));
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
      out += Sprintf("\\u%04X", static_cast<unsigned>(next));
      ++i;
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int SampleCountOf(const TraceOptions& options) {
  return options.page == TracePage::kOlder ? 128 : ExtendedSampleCount(options.firmware);
}

int DbCreate(Invocation& in) {
  if (in.args.size() != 1) return Usage("db create FILE");
  return CreateCurrentDatabase(*in.screen, in.args[0]) ? 0 : 1;
}

int TraceConvert(Invocation& in) {
  TraceOptions options;
  if (!TakeTraceOptions(in.args, options) || in.args.size() != 2) {
    return Usage("trace convert IN OUT [--older|--newer] [--firmware V]");
  }
  CableBlock block(FormOf(options.page));
  ReflectogramRecord record(FormOf(options.page));
  if (!OpenTrace(*in.screen, in.args[0], options.page, options.firmware, block, record)) return 1;
  return SaveTrace(*in.screen, in.args[1], options.page, options.firmware, block, record) ? 0 : 1;
}

int TraceShow(Invocation& in) {
  TraceOptions options;
  if (!TakeTraceOptions(in.args, options) || in.args.size() != 1) {
    return Usage("trace show FILE [--older|--newer] [--firmware V]");
  }
  CableBlock block(FormOf(options.page));
  ReflectogramRecord record(FormOf(options.page));
  if (!OpenTrace(*in.screen, in.args[0], options.page, options.firmware, block, record)) return 1;
  const TraceSettings s = record.settings();
  std::printf("name = %s\n", Printable(record.name()).c_str());
  std::printf("date = %.2u.%.2u.%.4u\n", record.day(), record.month(), record.year() + 2000u);
  std::printf("TDRimp = %u\nTDRoffset = %u\nTDRdiap = %u\nTDRrast = %u\nTDRmiddl = %u\n", s.imp,
              s.offset, s.diap, s.rast, s.middl);
  std::printf("TDRdB = %d\nTDRcurs1_M = %d\nTDRcurs2_M = %d\n", s.db, s.curs1, s.curs2);
  std::printf("TDRvirtZeroX = %u\nTDRvirtMeasX = %d\nTDRactiveCursor = %u\n", s.virt_zero_x,
              s.virt_meas_x, s.active_cursor);
  std::printf("TDRvirtLeftSide = %u\nTDRvirtRightSide = %u\n", s.virt_left, s.virt_right);
  std::printf("k = %.9g\nsections = %u\n", block.velocity_factor(), block.section_count());
  const int n = SampleCountOf(options);
  if (record.form() == RecordForm::kExtended) {
    std::printf("coordination = %.9g\n", record.coordination(n));
  }
  std::printf("samples = %d\n", n);
  for (int i = 0; i < n; ++i) std::printf("%d\t%u\n", i, record.sample(i));
  return 0;
}

int TraceExport(Invocation& in) {
  TraceOptions options;
  if (!TakeTraceOptions(in.args, options) || in.args.size() != 2) {
    return Usage("trace export FILE OUT.csv [--older|--newer] [--firmware V]");
  }
  CableBlock block(FormOf(options.page));
  ReflectogramRecord record(FormOf(options.page));
  if (!OpenTrace(*in.screen, in.args[0], options.page, options.firmware, block, record)) return 1;
  std::string csv;
  for (int i = 0; i < SampleCountOf(options); ++i) {
    csv += Sprintf("%d,%u\r\n", i, static_cast<unsigned>(record.sample(i)));
  }
  return WriteWholeFile(*in.screen, in.args[1], csv, WriteFailure::kFileName) ? 0 : 1;
}

}  // namespace

void RegisterStorageCommands(CommandTable& table) {
  table.push_back({"db create", "db create FILE",
                   "make an empty database: a copy of share/telvane/template.mdb with every table",
                   DbCreate});
  table.push_back({"trace convert", "trace convert IN OUT [--older] [--firmware V]",
                   "convert a reflectogram between .rfg, .wv and .tdr (by extension)",
                   TraceConvert});
  table.push_back({"trace show", "trace show FILE [--older] [--firmware V]",
                   "print a reflectogram's settings and samples", TraceShow});
  table.push_back({"trace export", "trace export FILE OUT.csv [--older] [--firmware V]",
                   "write the samples as CSV lines \"index,sample\"", TraceExport});
}

}  // namespace telvane::cli
