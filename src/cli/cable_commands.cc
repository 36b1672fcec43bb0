// telvane-cli commands of the cable-parameter meters: the type database, the
// full family's cable base and planned measurements, the compact family's
// planned measurements and cable parameters, and the files and exports made
// from them. A meter is found by the serial search, or reached directly with
// "--port COMn --kind K" (kind 6, which the search does not probe).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <thread>

#include "cable/cable_connect.h"
#include "cable/cable_files.h"
#include "cable/cable_transfer.h"
#include "cable/excel_export.h"
#include "cable/initial_cable_data.h"
#include "cable/planned_csv.h"
#include "link/serial_channel.h"
#include "cli/command.h"
#include "link/link.h"
#include "link/startup.h"

namespace telvane::cli {
namespace {

constexpr int kFailed = 1;

// A whole number of an option; 0 (with a complaint) for anything else.
int Number(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < 0 || value > 100000) {
    std::fprintf(stderr, "telvane-cli: not a number: '%s'\n", text.c_str());
    return 0;
  }
  return static_cast<int>(value);
}

std::vector<int> ParseList(const std::string& text) {
  std::vector<int> out;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');) {
    if (!item.empty()) out.push_back(Number(item));
  }
  return out;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// An open session with a cable meter and the transfers on its port.
class Meter {
 public:
  explicit Meter(Invocation& inv) : screen_(*inv.screen), link_(screen_) {
    port_name_ = TakeOption(inv.args, "--port");
    const std::string kind = TakeOption(inv.args, "--kind");
    kind_ = kind.empty() ? 0 : Number(kind);
  }

  // Connects; `kinds` are the kinds this command serves.
  bool Connect(std::initializer_list<int> kinds) {
    if (!port_name_.empty() && kind_ != 0) {
      if (!ConnectCableMeter(link_, port_name_, static_cast<uint8_t>(kind_))) return false;
    } else {
      RunStartupSearch(link_);
    }
    const int found = link_.info().kind;
    if (std::find(kinds.begin(), kinds.end(), found) == kinds.end()) {
      std::fprintf(stderr, "telvane-cli: no cable meter of the kind this command serves\n");
      return false;
    }
    port_ = std::make_unique<SerialChannel>(link_.port());
    transfer_ = std::make_unique<CableTransfer>(*port_, screen_, link_.info());
    return true;
  }
  CableTransfer& transfer() { return *transfer_; }
  Link& link() { return link_; }
  // Ends the session; the result of the command.
  int End(bool ok) {
    if (transfer_) transfer_->EndSession();
    return ok ? 0 : kFailed;
  }

 private:
  Screen& screen_;
  Link link_;
  std::string port_name_;
  int kind_ = 0;
  std::unique_ptr<SerialChannel> port_;
  std::unique_ptr<CableTransfer> transfer_;
};

// A type table from a binary or (".txt") text file chosen in the open dialog.
bool OpenTypes(Screen& screen, CableTypeTable& table) {
  const auto choice = screen.ChooseOpenFile(CableTypeFileDialog());
  if (!choice) return false;
  return EndsWith(choice->path, ".txt") ? LoadCableTypeText(screen, table, choice->path)
                                        : LoadCableTypeFile(screen, table, choice->path);
}

bool SaveTypes(Screen& screen, const CableTypeTable& table) {
  const auto choice = screen.ChooseSaveFile(CableTypeFileDialog());
  if (!choice) return false;
  return EndsWith(choice->path, ".txt") ? SaveCableTypeText(screen, table, choice->path)
                                        : SaveCableTypeFile(screen, table, choice->path);
}

bool OpenBase(Screen& screen, CableBase& base) {
  const auto choice = screen.ChooseOpenFile(CableBaseFileDialog());
  return choice && LoadCableBaseFile(screen, base, choice->path);
}

int TypesReceive(Invocation& inv) {
  Meter meter(inv);
  if (!meter.Connect({2, 6})) return kFailed;
  CableTypeTable table;
  const bool ok = meter.transfer().ReadTypeStatus(table) &&
                  meter.transfer().ReceiveCableTypes(table) && SaveTypes(*inv.screen, table);
  return meter.End(ok);
}

int TypesSend(Invocation& inv) {
  const std::vector<int> only = ParseList(TakeOption(inv.args, "--only"));
  CableTypeTable file;
  if (!OpenTypes(*inv.screen, file)) return kFailed;
  Meter meter(inv);
  if (!meter.Connect({2, 6})) return kFailed;
  CableTypeTable status;
  if (!meter.transfer().ReadTypeStatus(status)) return meter.End(false);
  bool ok = true;
  if (only.empty()) {
    // The types the meter holds, at most the file's; all of them when it holds none.
    int count = std::min<int>(status.current, static_cast<int>(file.types.size()));
    if (count == 0) count = static_cast<int>(file.types.size());
    ok = meter.transfer().SendCableTypes(file, count);
  } else {
    for (size_t i = 0; ok && i < only.size(); ++i) {
      if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(45));
      ok = meter.transfer().SendCableType(file, only[i] - 1);
      if (!ok) {
        inv.screen->ShowMessage(Icon::kError, "Ошибка",
                                "Неудачная попытка вызова OnTXDSingleRecord");
      }
    }
    if (ok) inv.screen->ShowMessage(Icon::kInformation, "Info", "Complete");
  }
  if (ok && meter.transfer().ReadTypeStatus(status)) {
    std::printf("current %d maximum %d\n", status.current, status.maximum);
  }
  return meter.End(ok);
}

int TypesExcel(Invocation& inv) {
  CableTypeTable table;
  if (!OpenTypes(*inv.screen, table)) return kFailed;
  return ExportCableTypesToExcel(*inv.screen, table) ? 0 : kFailed;
}

int BaseReceive(Invocation& inv) {
  const std::string cable = TakeOption(inv.args, "--cable");
  Meter meter(inv);
  if (!meter.Connect({6})) return kFailed;
  CableBase base;
  if (meter.link().initial().kind6) TakeKind6Database(*meter.link().initial().kind6, base);
  const bool received = cable.empty()
                            ? meter.transfer().ReceiveCableRecords(base, base.CableCount())
                            : meter.transfer().ReceiveCableRecord(base, Number(cable) - 1);
  bool ok = received;
  if (ok) {
    const auto choice = inv.screen->ChooseSaveFile(CableBaseFileDialog());
    ok = choice && SaveCableBaseFile(*inv.screen, base, choice->path);
  }
  return meter.End(ok);
}

int BaseSend(Invocation& inv) {
  const std::string cable = TakeOption(inv.args, "--cable");
  CableBase base;
  if (!OpenBase(*inv.screen, base)) return kFailed;
  Meter meter(inv);
  if (!meter.Connect({6})) return kFailed;
  const bool ok = cable.empty() ? meter.transfer().SendCableRecords(base, base.CableCount())
                                : meter.transfer().SendCableRecord(base, Number(cable) - 1);
  return meter.End(ok);
}

int BaseReport(Invocation& inv) {
  CableBase base;
  if (!OpenBase(*inv.screen, base)) return kFailed;
  const auto choice = inv.screen->ChooseSaveFile(CableBaseReportDialog());
  return choice && SaveCableBaseReport(*inv.screen, base, choice->path) ? 0 : kFailed;
}

int BaseExcel(Invocation& inv) {
  const std::string cable = TakeOption(inv.args, "--cable", "1");
  CableBase base;
  if (!OpenBase(*inv.screen, base)) return kFailed;
  return ExportCableToExcel(*inv.screen, base, Number(cable) - 1, kExportParameters) ? 0 : kFailed;
}

int PlannedReceive(Invocation& inv) {
  const int cable = Number(TakeOption(inv.args, "--cable", "1")) - 1;
  Meter meter(inv);
  if (!meter.Connect({6})) return kFailed;
  CableBase base;
  if (meter.link().initial().kind6) TakeKind6Database(*meter.link().initial().kind6, base);
  const bool ok = meter.transfer().ReceiveCableRecords(base, base.CableCount()) &&
                  meter.transfer().ReceivePlanned(base, cable) &&
                  ExportCableToExcel(*inv.screen, base, cable, kExportPlanned);
  return meter.End(ok);
}

// The compact counts from the initial header, or from "--counts C,T,PC,PP,M".
bool CompactCountsFor(const std::string& given, Meter& meter, CompactBase& base) {
  const std::vector<int> counts = ParseList(given);
  if (counts.size() == 5) {
    base.counts = {static_cast<uint8_t>(counts[0]), static_cast<uint8_t>(counts[1]),
                   static_cast<uint8_t>(counts[2]), static_cast<uint8_t>(counts[3]),
                   static_cast<uint8_t>(counts[4])};
    return true;
  }
  if (meter.link().initial().kind7_header) {
    base.counts = DecodeCompactHeader(*meter.link().initial().kind7_header);
    return true;
  }
  std::fprintf(stderr, "telvane-cli: the meter reported no counts; give --counts\n");
  return false;
}

int CompactPlannedCsv(Invocation& inv) {
  const std::string cable = TakeOption(inv.args, "--cable");
  const std::string counts = TakeOption(inv.args, "--counts");
  Meter meter(inv);
  if (!meter.Connect({4, 7})) return kFailed;
  CompactBase base;
  const bool ok = CompactCountsFor(counts, meter, base) &&
                  meter.transfer().ReceiveCompactPlanned(base) &&
                  ExportPlannedCsv(*inv.screen, base, meter.link().info(),
                                   cable.empty() ? kAllCables : Number(cable) - 1);
  return meter.End(ok);
}

int CompactCables(Invocation& inv) {
  const std::string keep = TakeOption(inv.args, "--keep");
  const std::string counts = TakeOption(inv.args, "--counts");
  Meter meter(inv);
  if (!meter.Connect({7})) return kFailed;
  CompactBase base;
  bool ok = CompactCountsFor(counts, meter, base) && meter.transfer().ReceiveCompactCables(base);
  if (ok) {
    for (size_t i = 0; i < base.cables.size(); ++i) {
      std::printf("%zu %s\n", i + 1, base.cables[i].name().c_str());
    }
  }
  if (ok && !keep.empty()) {
    std::vector<CompactCableRecord> image(base.counts.max_cables, CompactCableRecord::Empty());
    const size_t kept =
        std::min<size_t>({static_cast<size_t>(Number(keep)), base.cables.size(), image.size()});
    for (size_t i = 0; i < kept; ++i) {
      image[i] = base.cables[i];
      image[i].UpdateChecksum();
    }
    ok = meter.transfer().SendCompactImage(image);
  }
  return meter.End(ok);
}

}  // namespace

void RegisterCableCommands(CommandTable& table) {
  const std::string connect = " [--port COMn --kind K]";
  table.push_back({"cable types receive", "cable types receive" + connect,
                   "receive the cable-type table and save it (--file; .txt: text form)",
                   TypesReceive});
  table.push_back({"cable types send", "cable types send [--only N,..]" + connect,
                   "send a type file (--file) whole, or the listed 1-based types one by one",
                   TypesSend});
  table.push_back({"cable types excel", "cable types excel",
                   "export a type file (--file IN --file OUT.xls) to Excel", TypesExcel});
  table.push_back({"cable base receive", "cable base receive [--cable N] --port COMn --kind 6",
                   "receive all cables or cable N and save the cable-base file (--file)",
                   BaseReceive});
  table.push_back({"cable base send", "cable base send [--cable N] --port COMn --kind 6",
                   "send a cable-base file (--file) whole, or its cable N", BaseSend});
  table.push_back({"cable base report", "cable base report",
                   "write the text report of a cable-base file (--file IN --file OUT)",
                   BaseReport});
  table.push_back({"cable base excel", "cable base excel [--cable N]",
                   "export cable N of a cable-base file (--file) to Excel below --folder",
                   BaseExcel});
  table.push_back({"cable planned receive", "cable planned receive --cable N --port COMn --kind 6",
                   "receive cable N's planned measurements and export them below --folder",
                   PlannedReceive});
  table.push_back({"cable compact planned",
                   "cable compact planned [--cable N] [--counts C,T,PC,PP,M]" + connect,
                   "receive the compact planned measurements and save CSV (--file PATH:FILTER)",
                   CompactPlannedCsv});
  table.push_back(
      {"cable compact cables", "cable compact cables [--keep N] [--counts C,T,PC,PP,M]" + connect,
       "list the compact meter's cables; --keep N sends back the first N", CompactCables});
}

}  // namespace telvane::cli
