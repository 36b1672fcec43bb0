#include "page/instrument_page.h"

namespace telvane {

InstrumentPage::InstrumentPage(PageContext& context, PageId id, std::string title)
    : context_(context), id_(id), title_(std::move(title)) {}

}  // namespace telvane
