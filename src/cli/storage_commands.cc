// Storage commands: the empty database and the reflectogram trace files.
#include <cstdio>
#include <string>

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
  std::printf("name = %s\n", record.name().c_str());
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
  std::FILE* out = std::fopen(in.args[1].c_str(), "wb");
  if (out == nullptr) {
    in.screen->ShowMessage(Icon::kError, "Ошибка создания файла", in.args[1]);
    return 1;
  }
  bool ok = true;
  for (int i = 0; i < SampleCountOf(options); ++i) {
    ok &= std::fprintf(out, "%d,%u\r\n", i, record.sample(i)) > 0;
  }
  ok &= std::fclose(out) == 0;
  if (!ok) in.screen->ShowMessage(Icon::kError, "Ошибка записи в файл", in.args[1]);
  return ok ? 0 : 1;
}

}  // namespace

void RegisterStorageCommands(CommandTable& table) {
  table.push_back({"db create", "db create FILE",
                   "make an empty database (the six current tables; an SQLite file)", DbCreate});
  table.push_back({"trace convert", "trace convert IN OUT [--older] [--firmware V]",
                   "convert a reflectogram between .rfg, .wv and .tdr (by extension)",
                   TraceConvert});
  table.push_back({"trace show", "trace show FILE [--older] [--firmware V]",
                   "print a reflectogram's settings and samples", TraceShow});
  table.push_back({"trace export", "trace export FILE OUT.csv [--older] [--firmware V]",
                   "write the samples as CSV lines \"index,sample\"", TraceExport});
}

}  // namespace telvane::cli
