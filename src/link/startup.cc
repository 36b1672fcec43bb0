#include "link/startup.h"

#include "link/search.h"

namespace telvane {

void RunStartupSearch(Link& link) {
  InstrumentInfo& info = link.info();
  info.ClearIdentity();
  info.status = SearchStatus::kEnded;
  link.set_kind(LinkKind::kSerial);
  link.initial().Clear();

  // IrDA attempt: a hook the IrDA side installs (Link::SetIrdaStartup).
  if (const IrdaStartup& irda = link.irda_startup(); irda && irda(link)) {
    if (info.kind != kNoInstrument || info.status == SearchStatus::kCancelled) return;
  }
  link.set_kind(LinkKind::kSerial);
  InstrumentSearch(link);
}

}  // namespace telvane
