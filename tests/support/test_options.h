// The program options the page tests run with.
#ifndef TELVANE_TESTS_SUPPORT_TEST_OPTIONS_H_
#define TELVANE_TESTS_SUPPORT_TEST_OPTIONS_H_

#include "page/options.h"

namespace telvane::testing {

// No locked leading cable entries ("/i0B:0"), so that every cable of a test
// database can be selected and marked; the tests of the lock set it
// themselves (before the pages are made: a page reads it when it is made).
inline AppOptions TestOptions() {
  AppOptions options;
  options.locked_leading_entries = 0;
  return options;
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_TEST_OPTIONS_H_
