// From a typed height to the two texts the window shows, without the window: every text
// must read back to a number that is written the same way again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

namespace {

int SignificantDigits(std::string_view text) {
  const std::string_view mantissa = text.substr(0, text.find('E'));
  int digits = 0;
  bool leading = true;
  for (const char c : mantissa) {
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++digits;
  }
  return digits;
}

void CheckShown(const std::string& text) {
  if (text.empty() || text == "-0" || text.starts_with("-0E")) std::abort();
  if (SignificantDigits(text) > 15) std::abort();
  // The text is a finite number well inside the range, so reading it cannot overflow.
  const double again = gavrento::NumberFromText(text);
  if (gavrento::VariantToText(again, ".") != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view typed(reinterpret_cast<const char*>(data), size);
  double altezza = 0.0;
  try {
    altezza = gavrento::NumberFromText(typed);
  } catch (const gavrento::RunTimeError& error) {
    if (error.Code() != gavrento::ErrorCode::kOverflow) std::abort();
    return 0;
  }
  // Whether the warning would show; the results are computed either way.
  static_cast<void>(gavrento::AltezzaBambino(altezza));
  for (const double base : {gavrento::kBaseUomo, gavrento::kBaseDonna}) {
    double risultato = 0.0;
    try {
      risultato = gavrento::CalcolaRisultato(altezza, base);
    } catch (const gavrento::RunTimeError&) {
      // Every finite height stays finite through the four steps.
      std::abort();
    }
    CheckShown(gavrento::VariantToText(risultato, "."));
  }
  return 0;
}
