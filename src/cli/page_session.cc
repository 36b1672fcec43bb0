#include "cli/page_session.h"

#include "app/first_transfer.h"
#include "link/irda_session.h"
#include "link/startup.h"

namespace telvane::cli {

PageSession::PageSession(CliScreen& screen)
    : screen_(screen),
      link_(screen),
      adapter_(link_),
      options_(screen.options()),
      context_{screen, adapter_, options_, facts_} {
  // Every page exists before the link opens: some install their kind's
  // initial transfer, which the connection runs.
  pages_ = std::make_unique<PageRegistry>(context_);
  pages_->ClearAll();
}

PageSession::~PageSession() {
  if (open_ && IsBinaryInstrument(link_.info().kind)) adapter_.EndSession(screen_);
  adapter_.Close();
  link_.DetachIrda();
}

bool PageSession::OpenKnown(const KnownInstrument& instrument) {
  if (instrument.port != kIrdaPort) {
    open_ = OpenKnownSession(link_, instrument);
    return open_;
  }
  // The IrDA attempt of the start-up search, on the emulated device; the
  // instrument found there must be the one named.
  InstallIrda(link_);
  const IrdaStartup& attempt = link_.irda_startup();
  open_ = attempt && attempt(link_) && link_.kind() == LinkKind::kIrda &&
          IsBinaryInstrument(link_.info().kind);
  if (open_ && (link_.info().kind != instrument.kind ||
                (!instrument.serial.empty() && link_.info().SerialText() != instrument.serial))) {
    screen_.ShowMessage(Icon::kError, "Ошибка", "Неверный SerialNumber!");
    adapter_.EndSession(screen_);
    open_ = false;
  }
  return open_;
}

bool PageSession::Search() {
  InstallIrda(link_);
  adapter_.Search(screen_);
  open_ = IsBinaryInstrument(link_.info().kind);
  return open_;
}

void PageSession::RunFirstTransfer() { telvane::RunFirstTransfer(kind(), *pages_, context_); }

}  // namespace telvane::cli
