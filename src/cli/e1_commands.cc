// "e1 show" and "e1 report": a saved E1 page file without the instrument,
// loaded with the page's own checks.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "cli/e1_text.h"
#include "testers/e1/e1_document.h"

namespace telvane::cli {
namespace {

constexpr char kShowSynopsis[] = "e1 show FILE.vse1page";
constexpr char kReportSynopsis[] = "e1 report FILE.vse1page OUT.xls";
// The name the protocol gives the instrument of a file opened at the desk.
constexpr char kInstrumentName[] = "VS-E1";

int Usage(const char* synopsis) {
  std::fprintf(stderr, "usage: telvane-cli %s\n", synopsis);
  return kUsageError;
}

int Show(Invocation& in) {
  if (in.args.size() != 1) return Usage(kShowSynopsis);
  E1Document document;
  if (!document.LoadPageFrom(*in.screen, in.args[0])) return kFailed;
  PrintE1Summary(document);
  PrintE1Stamps(document);
  const int records = static_cast<int>(document.selected_file()->records.size());
  for (int k = 0; k < records; ++k) {
    document.SelectRecord(k);
    PrintE1Interval(document);
  }
  return 0;
}

int Report(Invocation& in) {
  if (in.args.size() != 2) return Usage(kReportSynopsis);
  E1Document document;
  if (!document.LoadPageFrom(*in.screen, in.args[0])) return kFailed;
  return document.ProtocolTo(*in.screen, kInstrumentName, "", in.args[1]) ? 0 : kFailed;
}

}  // namespace

void AddE1Commands(CommandTable& table) {
  table.push_back({"e1 show", kShowSynopsis,
                   "a saved E1 page file: its summary, record time stamps and the results of "
                   "every interval",
                   Show});
  table.push_back({"e1 report", kReportSynopsis,
                   "the measurement protocol of a saved E1 page file (Excel 2.1 worksheet)",
                   Report});
}

}  // namespace telvane::cli
