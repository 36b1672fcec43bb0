// Link commands of telvane-cli: finding and identifying the instrument.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "link/irda_session.h"
#include "link/link.h"
#include "link/startup.h"
#include "link/text_instrument.h"

namespace telvane::cli {
namespace {

constexpr char kNothingFound[] =
    "Совместимые устройства не найдены\r\nПереподключите прибор и попробуйте снова...";

// The start-up search (the IrDA attempt when a stack is there, then the
// serial ports), then the text-protocol attempt;
// the first instrument offered is accepted. Prints what was found and ends
// the session.
int Identify(Invocation& invocation) {
  CliScreen& screen = *invocation.screen;
  screen.set_answer_yes(true);
  Link link(screen);
  InstallIrda(link);
  RunStartupSearch(link);
  const bool binary = IsBinaryInstrument(link.info().kind);
  if (!binary && !TryTextInstrument(link)) {
    screen.ShowMessage(Icon::kWarning, "Telvane", kNothingFound);
    return 1;
  }
  const InstrumentInfo& info = link.info();
  std::printf("kind: %u\n", info.kind);
  std::printf("name: %s\n", info.name.c_str());
  std::printf("serial: %s\n", info.SerialText().c_str());
  std::printf("link: %s\n", link.kind() == LinkKind::kIrda ? "irda"
                            : link.irda_adapter()          ? "serial (IrDA adapter)"
                                                           : "serial");
  const std::string port = link.kind() == LinkKind::kIrda ? "IrDA"
                           : binary                       ? link.port_name()
                                                          : link.initial().text_port;
  std::printf("port: %s\n", port.c_str());
  std::printf("baud: %u\n", link.baud());
  std::fflush(stdout);
  if (binary) link.Disconnect();
  link.ClosePort();
  link.DetachIrda();
  return 0;
}

}  // namespace

void RegisterLinkCommands(CommandTable& table) {
  table.push_back({"identify", "identify",
                   "search the serial ports (then the text-protocol instrument), print what "
                   "answered, end the session",
                   Identify});
}

}  // namespace telvane::cli
