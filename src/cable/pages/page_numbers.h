// The numbers that the cable pages read from and show in their edit fields.
#ifndef TELVANE_CABLE_PAGES_PAGE_NUMBERS_H_
#define TELVANE_CABLE_PAGES_PAGE_NUMBERS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace telvane {

// A real number as an edit field shows it ("%g").
std::string FormatReal(float value);
// The number at the start of a field's text (a comma counts as the decimal
// point); 0 when there is none.
float ParseReal(std::string_view text);
// The same number, or nullopt when the text starts with none.
std::optional<float> ParseDecimal(std::string_view text);
// A whole number field: the number at the start of the text, cut to
// 0..maximum.
uint32_t ParseWhole(std::string_view text, uint32_t maximum);

// What a numeric field keeps of the typed text: the digits, a sign only as the
// first character and only the first decimal point.
std::string FilterNumericText(std::string_view text);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_PAGE_NUMBERS_H_
