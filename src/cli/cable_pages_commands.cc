// The cable pages without a window: each command opens a session with a known
// instrument (--session KIND:SERIAL:PORT, no search), runs the page's
// first transfer and reception, prints what the page shows and then does the
// asked operations in the order given. Questions, dialogs and messages go
// through the command line's person at the screen (--yes, --file).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/link_adapter.h"
#include "base/sprintf.h"
#include "cable/pages/cable_base_page.h"
#include "cable/pages/cable_edit_page.h"
#include "cable/pages/cable_session.h"
#include "cable/pages/cable_size_page.h"
#include "cable/pages/cable_type_page.h"
#include "cable/pages/compact_cable_page.h"
#include "cable/pages/known_session.h"
#include "cable/pages/planned_base_page.h"
#include "cli/command.h"
#include "link/link.h"

namespace telvane::cli {
namespace {

// The link, the session and the page context of one command.
class PageRun {
 public:
  explicit PageRun(CliScreen& screen)
      : link_(screen), adapter_(link_), context_{screen, adapter_, options_, facts_} {}
  // Ends the session with the cable meters' own end command.
  ~PageRun() {
    CableSession session(context_);
    if (session.open()) session.transfer().EndSession();
    link_.ClosePort();
  }

  // Opens the session of --session; false (after a message) when it fails.
  bool Open(Invocation& in, uint8_t kind) {
    const std::string text = TakeOption(in.args, "--session");
    KnownInstrument instrument;
    if (!ParseKnownInstrument(text, instrument) || instrument.kind != kind) {
      std::fprintf(stderr, "telvane-cli: --session %d:SERIAL:PORT is required\n", kind);
      return false;
    }
    return OpenKnownSession(link_, instrument);
  }
  PageContext& context() { return context_; }

 private:
  Link link_;
  LinkAdapter adapter_;
  AppOptions options_;
  SessionFacts facts_;
  PageContext context_;
};

// Takes the flags of `names` that are present, in the order given on the line.
std::vector<std::string> TakeActions(Invocation& in, const std::vector<std::string>& names) {
  std::vector<std::string> actions;
  for (const std::string& word : in.args) {
    for (const std::string& name : names) {
      if (word == name) actions.push_back(name);
    }
  }
  for (const std::string& name : names) {
    while (TakeFlag(in.args, name)) {
    }
  }
  return actions;
}

int RunTypes(Invocation& in) {
  PageRun run(*in.screen);
  const auto actions = TakeActions(
      in, {"--send", "--save-base", "--save-text", "--save-excel", "--open-base", "--open-text"});
  if (!run.Open(in, 2)) return 1;
  CableTypePage page(run.context());
  if (!page.ReadStatus() || !page.Receive()) return 1;
  for (int i = 0; i < page.current(); ++i) {
    page.Select(i);
    std::printf("%2d %-16s %s %s\n", i + 1, page.EntryText(i).c_str(),
                page.ResistanceField().c_str(), page.FactorField().c_str());
  }
  std::printf("Текущий %d, Максимальный %d\n", page.current(), page.maximum());
  bool ok = true;
  for (const std::string& action : actions) {
    if (action == "--send") ok = page.Send() && ok;
    if (action == "--save-base") page.HandleMenu(MenuCommand::kSaveBase);
    if (action == "--save-text") page.HandleMenu(MenuCommand::kSaveAsText);
    if (action == "--save-excel") page.HandleMenu(MenuCommand::kSaveExcel);
    if (action == "--open-base") {
      page.HandleMenu(MenuCommand::kOpenBase);
      page.Update();
    }
    if (action == "--open-text") {
      page.HandleMenu(MenuCommand::kOpenText);
      page.Update();
    }
  }
  return ok ? 0 : 1;
}

int RunFull(Invocation& in) {
  PageRun run(*in.screen);
  const std::string cable = TakeOption(in.args, "--cable", "1");
  const auto actions = TakeActions(in, {"--planned", "--send", "--save-base", "--save-text",
                                        "--save-parameters", "--save-planned"});
  if (!run.Open(in, 6)) return 1;
  auto model = std::make_shared<FullFamilyModel>();
  CableSizePage size(run.context(), model);
  CableBasePage base(run.context(), model);
  size.Start();
  for (const SizeRow& row : size.Rows()) {
    std::printf("%s: %lu / %lu\n", row.label.c_str(), row.current, row.maximum);
  }
  if (!base.Receive()) return 1;
  const auto names = base.Names();
  for (size_t i = 0; i < names.size(); ++i) std::printf("%3zu %s\n", i + 1, names[i].c_str());
  model->Select(std::atoi(cable.c_str()) - 1);
  bool ok = true;
  for (const std::string& action : actions) {
    if (action == "--planned") {
      base.ChooseDatabase(static_cast<int>(FullDatabase::kPlanned));
      ok = base.Receive() && ok;
    } else if (action == "--send") {
      base.ChooseDatabase(static_cast<int>(FullDatabase::kParameters));
      ok = base.Send() && ok;
    } else if (action == "--save-base") {
      base.HandleMenu(MenuCommand::kSaveBase);
    } else if (action == "--save-text") {
      base.HandleMenu(MenuCommand::kSaveAsText);
    } else {
      base.ChooseDatabase(static_cast<int>(action == "--save-planned" ? FullDatabase::kPlanned
                                                                      : FullDatabase::kParameters));
      ok = base.Save() && ok;
    }
  }
  return ok ? 0 : 1;
}

int RunCompact(Invocation& in) {
  PageRun run(*in.screen);
  const auto actions = TakeActions(in, {"--create-db", "--import-db", "--send-all"});
  if (!run.Open(in, 7)) return 1;
  CompactCablePage page(run.context(), std::make_shared<CompactModel>());
  page.Start();
  if (!page.Receive()) return 1;
  for (int i = 0; i < page.size(); ++i) {
    page.Select(i);
    std::printf("%3d %-12s %s m\n", i + 1, page.cables()[static_cast<size_t>(i)].name().c_str(),
                page.TotalText().c_str());
  }
  std::printf("В приборе %d, максимум %d\n", page.instrument_cables(), page.instrument_maximum());
  bool ok = true;
  for (const std::string& action : actions) {
    if (action == "--create-db") ok = page.CreateDatabase() && ok;
    if (action == "--import-db") ok = page.ImportDatabase() && ok;
    if (action == "--send-all") {
      page.PlusKey();
      ok = page.Send() && ok;
    }
  }
  return ok ? 0 : 1;
}

int RunPlanned(Invocation& in) {
  PageRun run(*in.screen);
  const std::string cable = TakeOption(in.args, "--csv");
  const bool all = TakeFlag(in.args, "--csv-all");
  if (!run.Open(in, 7)) return 1;
  PlannedBasePage page(run.context(), std::make_shared<CompactModel>());
  page.Start();
  if (!page.Receive()) return 1;
  page.CopyToComputer();
  std::printf("%zu cables\n", page.CableNames(PlannedSide::kComputer).size());
  bool ok = true;
  if (!cable.empty()) {
    page.Select(PlannedSide::kComputer, std::atoi(cable.c_str()) - 1);
    ok = page.ExportSelected();
  }
  if (all) ok = page.ExportAll() && ok;
  return ok ? 0 : 1;
}

}  // namespace

void RegisterCablePagesCommands(CommandTable& table) {
  table.push_back({"pages types", "pages types --session 2:SERIAL:PORT [--send] [--save-base]...",
                   "cable-type page: receive the table, then --send, --save-base, --save-text, "
                   "--save-excel, --open-base, --open-text",
                   RunTypes});
  table.push_back({"pages full", "pages full --session 6:SERIAL:PORT [--cable N] [ACTIONS]",
                   "full-family pages: receive the cables, then --planned, --send, --save-base, "
                   "--save-text, --save-parameters, --save-planned",
                   RunFull});
  table.push_back({"pages compact", "pages compact --session 7:SERIAL:PORT [ACTIONS]",
                   "compact cable page: receive the cables, then --create-db, --import-db, "
                   "--send-all",
                   RunCompact});
  table.push_back({"pages planned", "pages planned --session 7:SERIAL:PORT [--csv N] [--csv-all]",
                   "planned-measurement page: receive, then the CSV export of one cable or all",
                   RunPlanned});
}

}  // namespace telvane::cli
