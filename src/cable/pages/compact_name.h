// Cleaning a compact-family cable name as it is typed: upper case, the keys of
// the Latin layout read as the Cyrillic letters on the same keys of the Russian
// keyboard, only upper-case Cyrillic letters, digits and the blank, at most 12
// characters.
#ifndef TELVANE_CABLE_PAGES_COMPACT_NAME_H_
#define TELVANE_CABLE_PAGES_COMPACT_NAME_H_

#include <string>
#include <string_view>

namespace telvane {

// UTF-8 in, UTF-8 out.
std::string CleanCompactCableName(std::string_view typed);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_COMPACT_NAME_H_
