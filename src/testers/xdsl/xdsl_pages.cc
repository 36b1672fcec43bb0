#include "testers/xdsl/xdsl_pages.h"

#include "testers/xdsl/xdsl_log_page.h"

namespace telvane {

PageList XdslPages() { return {PageRow<XdslLogPage>(PageId::kXdsl11)}; }

}  // namespace telvane
