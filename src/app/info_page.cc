#include "app/info_page.h"

#include "base/translatable.h"

namespace telvane {

InfoPage::InfoPage(PageContext& context)
    : InstrumentPage(context, PageId::kInstrumentInfo,
                     QT_TRANSLATE_NOOP("Tabs", "Информация о приборе")) {}

void InfoPage::SetFields(std::string name, std::string serial) {
  name_ = std::move(name);
  serial_ = std::move(serial);
  Changed();
}

void InfoPage::ShowInstrument() {
  const InstrumentInfo& info = context().instrument();
  SetFields(info.name, info.SerialText());
}

}  // namespace telvane
