// telvane-cli's "cable ..." commands, the older spellings that scripts use.
// Those that talk to a meter are page actions under another name: each builds
// the action words of its page (cable_pages_commands.cc) and runs them through
// the page, so every rule of the page holds. Those that only read and write
// files (a report, Excel exports) need no session.
//
// A meter is reached with --session KIND:SERIAL:PORT, with "--port COMn --kind
// K" (kind 6, which the search does not probe), or else found by the search.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cable/cable_files.h"
#include "cable/excel_export.h"
#include "cable/pages/known_session.h"
#include "cli/command.h"

namespace telvane::cli {
namespace {

constexpr int kMaxCableNumber = 255;

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The session of a command: --session, or --port with --kind, or the search.
// nullopt after a usage message.
std::optional<SessionChoice> TakeSession(std::vector<std::string>& args) {
  const auto session = TakeOptional(args, "--session");
  const auto port = TakeOptional(args, "--port");
  const auto kind = TakeOptional(args, "--kind");
  SessionChoice choice;
  if (session) {
    KnownInstrument known;
    if (!ParseKnownInstrument(*session, known)) {
      std::fprintf(stderr, "telvane-cli: --session takes KIND:SERIAL:PORT, not '%s'\n",
                   session->c_str());
      return std::nullopt;
    }
    choice.known = known;
  } else if (port || kind) {
    const auto number = ParseNumber("--kind", kind.value_or(""), 1, 254);
    if (!number) return std::nullopt;
    if (!port || port->empty()) {
      std::fprintf(stderr, "telvane-cli: --kind takes --port COMn beside it\n");
      return std::nullopt;
    }
    choice.known = KnownInstrument{static_cast<uint8_t>(*number), "", *port};
  }
  return choice;
}

// "--cable N" of a command, checked against its fixed range.
std::optional<std::optional<int>> TakeCable(std::vector<std::string>& args,
                                            const char* fallback = nullptr) {
  auto text = TakeOptional(args, "--cable");
  if (!text && fallback) text = fallback;
  if (!text) return std::optional<int>();
  const auto number = ParseNumber("--cable", *text, 1, kMaxCableNumber);
  if (!number) return std::nullopt;
  return std::optional<int>(*number);
}

bool NoWordsLeft(const std::vector<std::string>& args) {
  if (args.empty()) return true;
  std::fprintf(stderr, "telvane-cli: unexpected '%s'\n", args.front().c_str());
  return false;
}

// The type page's file actions pick the text form for ".txt" files.
std::string TypeFileAction(CliScreen& screen, bool save) {
  const bool text = EndsWith(screen.NextFilePath(), ".txt");
  if (save) return text ? "--save-text" : "--save-base";
  return text ? "--open-text" : "--open-base";
}

int TypesReceive(Invocation& in) {
  const auto session = TakeSession(in.args);
  if (!session || !NoWordsLeft(in.args)) return kUsageError;
  return RunPage("types", *session, {"--receive", TypeFileAction(*in.screen, true)}, *in.screen);
}

int TypesSend(Invocation& in) {
  const auto only = TakeOptional(in.args, "--only");
  const auto session = TakeSession(in.args);
  if (!session || !NoWordsLeft(in.args)) return kUsageError;
  std::vector<std::string> words = {TypeFileAction(*in.screen, false)};
  if (only) words.insert(words.end(), {"--only", *only});
  words.insert(words.end(), {"--send", "--show-counts"});
  return RunPage("types", *session, words, *in.screen);
}

int TypesExcel(Invocation& in) {
  if (!NoWordsLeft(in.args)) return kUsageError;
  CableTypeTable table;
  const std::string path = in.screen->NextFilePath();
  const auto choice = in.screen->ChooseOpenFile(CableTypeFileDialog());
  if (!choice) return kFailed;
  const bool read = EndsWith(path, ".txt") ? LoadCableTypeText(*in.screen, table, choice->path)
                                           : LoadCableTypeFile(*in.screen, table, choice->path);
  return read && ExportCableTypesToExcel(*in.screen, table) ? 0 : kFailed;
}

int BaseReceive(Invocation& in) {
  const auto cable = TakeCable(in.args);
  const auto session = TakeSession(in.args);
  if (!cable || !session || !NoWordsLeft(in.args)) return kUsageError;
  std::vector<std::string> words;
  if (*cable) {
    const std::string n = std::to_string(**cable);
    words = {"--cable", n, "--only", n};
  }
  words.insert(words.end(), {"--receive", "--save-base"});
  return RunPage("full", *session, words, *in.screen);
}

int BaseSend(Invocation& in) {
  const auto cable = TakeCable(in.args);
  const auto session = TakeSession(in.args);
  if (!cable || !session || !NoWordsLeft(in.args)) return kUsageError;
  std::vector<std::string> words = {"--open-base"};
  if (*cable) {
    const std::string n = std::to_string(**cable);
    words.insert(words.end(), {"--cable", n, "--only", n});
  }
  words.push_back("--send");
  return RunPage("full", *session, words, *in.screen);
}

bool OpenBase(Screen& screen, CableBase& base) {
  const auto choice = screen.ChooseOpenFile(CableBaseFileDialog());
  return choice && LoadCableBaseFile(screen, base, choice->path);
}

int BaseReport(Invocation& in) {
  if (!NoWordsLeft(in.args)) return kUsageError;
  CableBase base;
  if (!OpenBase(*in.screen, base)) return kFailed;
  const auto choice = in.screen->ChooseSaveFile(CableBaseReportDialog());
  return choice && SaveCableBaseReport(*in.screen, base, choice->path) ? 0 : kFailed;
}

int BaseExcel(Invocation& in) {
  const auto cable = TakeCable(in.args, "1");
  if (!cable || !NoWordsLeft(in.args)) return kUsageError;
  CableBase base;
  if (!OpenBase(*in.screen, base)) return kFailed;
  // The cables of a base are the first min(current, maximum) records.
  const int held = std::min({static_cast<int>(base.header.cable_count()),
                             static_cast<int>(base.header.max_cables()), kMaxCables});
  if (!WithinData("--cable", **cable, held, "cables")) return kFailed;
  return ExportCableToExcel(*in.screen, base, **cable - 1, kExportParameters) ? 0 : kFailed;
}

int PlannedReceive(Invocation& in) {
  const auto cable = TakeCable(in.args, "1");
  const auto session = TakeSession(in.args);
  if (!cable || !session || !NoWordsLeft(in.args)) return kUsageError;
  const std::string n = std::to_string(**cable);
  return RunPage("full", *session, {"--receive", "--cable", n, "--only", n, "--planned", "--excel"},
                 *in.screen);
}

// "--counts C,T,PC,PP,M" of the older spelling: the counts now always come
// from the meter's header, as in the window; the option is still checked.
bool TakeCounts(std::vector<std::string>& args) {
  const auto counts = TakeOptional(args, "--counts");
  if (!counts) return true;
  const auto numbers = ParseNumberList("--counts", *counts, 0, 255);
  if (!numbers) return false;
  if (numbers->size() != 5) {
    std::fprintf(stderr, "telvane-cli: --counts takes five numbers C,T,PC,PP,M\n");
    return false;
  }
  return true;
}

int CompactPlannedCsv(Invocation& in) {
  const auto cable = TakeCable(in.args);
  const bool counts = TakeCounts(in.args);
  const auto session = TakeSession(in.args);
  if (!cable || !counts || !session || !NoWordsLeft(in.args)) return kUsageError;
  std::vector<std::string> words = {"--receive"};
  if (*cable) {
    words.insert(words.end(), {"--csv", std::to_string(**cable)});
  } else {
    words.push_back("--csv-all");
  }
  return RunPage("planned", *session, words, *in.screen);
}

int CompactCables(Invocation& in) {
  const auto keep = TakeOptional(in.args, "--keep");
  const bool counts = TakeCounts(in.args);
  const auto session = TakeSession(in.args);
  if (!counts || !session || !NoWordsLeft(in.args)) return kUsageError;
  std::vector<std::string> words = {"--receive", "--list"};
  if (keep) words.insert(words.end(), {"--keep", *keep, "--send"});
  return RunPage("compact", *session, words, *in.screen);
}

}  // namespace

void RegisterCableCommands(CommandTable& table) {
  const std::string connect = " [--session K:S:P | --port COMn --kind K]";
  table.push_back({"cable types receive", "cable types receive" + connect,
                   "receive the cable-type table and save it (--file; .txt: text form)",
                   TypesReceive});
  table.push_back({"cable types send", "cable types send [--only N,..]" + connect,
                   "send a type file (--file) as the type page does: whole, or the listed "
                   "1-based types",
                   TypesSend});
  table.push_back({"cable types excel", "cable types excel",
                   "export a type file (--file IN --file OUT.xls) to Excel", TypesExcel});
  table.push_back({"cable base receive", "cable base receive [--cable N]" + connect,
                   "receive all cables or cable N and save the cable-base file (--file)",
                   BaseReceive});
  table.push_back({"cable base send", "cable base send [--cable N]" + connect,
                   "send a cable-base file (--file) whole, or its cable N", BaseSend});
  table.push_back({"cable base report", "cable base report",
                   "write the text report of a cable-base file (--file IN --file OUT)",
                   BaseReport});
  table.push_back({"cable base excel", "cable base excel [--cable N]",
                   "export cable N of a cable-base file (--file) to Excel below --folder",
                   BaseExcel});
  table.push_back({"cable planned receive", "cable planned receive --cable N" + connect,
                   "receive cable N's planned measurements and export them below --folder",
                   PlannedReceive});
  table.push_back({"cable compact planned", "cable compact planned [--cable N]" + connect,
                   "receive the compact planned measurements and save CSV (--file PATH:FILTER)",
                   CompactPlannedCsv});
  table.push_back({"cable compact cables", "cable compact cables [--keep N]" + connect,
                   "list the compact meter's cables; --keep N sends back the first N (asks)",
                   CompactCables});
}

}  // namespace telvane::cli
