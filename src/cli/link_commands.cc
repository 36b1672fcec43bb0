// Link commands of telvane-cli: finding and identifying the instrument.
#include <cstdio>

#include "cli/command.h"
#include "link/link.h"
#include "link/startup.h"
#include "link/text_instrument.h"

namespace telvane::cli {
namespace {

constexpr char kNothingFound[] =
    "Совместимые устройства не найдены\r\nПереподключите прибор и попробуйте снова...";

// The start-up search over the serial ports, then the text-protocol attempt;
// the first instrument offered is accepted. Prints what was found and ends
// the session.
int Identify(Invocation& invocation) {
  CliScreen& screen = *invocation.screen;
  screen.set_answer_yes(true);
  Link link(screen);
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
  std::printf("port: %s\n", binary ? link.port_name().c_str() : link.initial().text_port.c_str());
  std::printf("baud: %u\n", link.baud());
  std::fflush(stdout);
  if (binary) link.Disconnect();
  link.ClosePort();
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
