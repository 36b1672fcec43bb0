#include "testers/tester_pages.h"

#include <iterator>

#include "testers/files/file_pages.h"
#include "testers/line/line_pages.h"
#include "testers/plan/plan_pages.h"
#include "testers/tester_result_pages.h"
#include "testers/xdsl/xdsl_pages.h"

namespace telvane {
namespace {

[[maybe_unused]] void Append(PageList& all, PageList area) {
  all.insert(all.end(), std::make_move_iterator(area.begin()), std::make_move_iterator(area.end()));
}

}  // namespace

PageList TesterPages() {
  PageList all;
  // One line per area, each area's list in its own folder.
  Append(all, FilePages());
  Append(all, PlanPages());
  Append(all, ResultPages());
  Append(all, XdslPages());
  Append(all, LinePages());
  return all;
}

}  // namespace telvane
