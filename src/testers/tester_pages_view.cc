#include "testers/tester_pages_view.h"

#include <iterator>

#include "testers/files/file_pages_view.h"
#include "testers/line/line_pages_view.h"
#include "testers/plan/plan_pages_view.h"
#include "testers/tester_result_pages_view.h"
#include "testers/xdsl/xdsl_pages_view.h"

namespace telvane {
namespace {

[[maybe_unused]] void Append(ViewList& all, ViewList area) {
  all.insert(all.end(), std::make_move_iterator(area.begin()), std::make_move_iterator(area.end()));
}

}  // namespace

ViewList TesterPageViews() {
  ViewList all;
  // One line per area, each area's views in its own folder.
  Append(all, PlanPageViews());
  Append(all, FilePageViews());
  Append(all, ResultPageViews());
  Append(all, XdslPageViews());
  Append(all, LinePageViews());
  return all;
}

}  // namespace telvane
