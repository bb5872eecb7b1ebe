// Conversions between numbers and text. Numbers are always read with the period as
// decimal separator, whatever the user's settings, and written with the user's one.
#pragma once

#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace gavrento {

// Reads the number that starts the text: blanks (space, tab) skipped, an optional sign,
// digits with at most one period, an optional exponent; reading stops at the first other
// character. No number gives 0, a value too small for a double gives 0, a value beyond
// the double range raises the Overflow error. Locale-independent and correctly rounded.
double NumberFromText(std::string_view text);

// At most 15 significant digits, correctly rounded, trailing zeros dropped, no grouping,
// never "-0"; exponent form (1,5E+15, 1E-05) below 1E-4 and from 1E15 up. Empty gives
// the empty text and a text gives itself.
std::string VariantToText(const Variant& value, std::string_view decimal_separator);

}  // namespace gavrento
