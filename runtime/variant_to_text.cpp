#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/conversions.h"

namespace gavrento {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLowestFixedExponent = -4;  // 0.0001 is still written out
constexpr int kFirstExponentForm = 15;    // 1E15 is not

// The 15 significant digits of a finite, non-zero magnitude without trailing zeros, and
// the decimal exponent of the first one, both after correct rounding.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits RoundToSignificant(double magnitude) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t e = text.find('e');
  Digits out;
  out.digits.push_back(text[0]);
  if (e > 2) out.digits.append(text.substr(2, e - 2));  // skip the '.'
  while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return out;
}

std::string ExponentForm(const Digits& d, std::string_view separator) {
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) text.append(separator).append(d.digits, 1);
  text += d.exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

std::string FixedForm(const Digits& d, std::string_view separator) {
  if (d.exponent < 0) {
    // Appended rather than concatenated: GCC 12 at -O3 warns wrongly (-Wrestrict) on
    // "0" + std::string, which breaks Release builds with warnings as errors.
    std::string text("0");
    text.append(separator).append(static_cast<std::size_t>(-d.exponent - 1), '0');
    return text.append(d.digits);
  }
  const std::size_t integer_digits = static_cast<std::size_t>(d.exponent) + 1;
  std::string text = d.digits.substr(0, integer_digits);
  if (text.size() < integer_digits) text.append(integer_digits - text.size(), '0');
  if (d.digits.size() > integer_digits) text.append(separator).append(d.digits, integer_digits);
  return text;
}

std::string DoubleToText(double value, std::string_view separator) {
  if (value == 0.0) return "0";  // also -0, which is never shown with a sign
  if (!std::isfinite(value)) {
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
  }
  const Digits d = RoundToSignificant(std::fabs(value));
  const bool exponent_form = d.exponent < kLowestFixedExponent || d.exponent >= kFirstExponentForm;
  const std::string body = exponent_form ? ExponentForm(d, separator) : FixedForm(d, separator);
  return value < 0 ? "-" + body : body;
}

}  // namespace

std::string VariantToText(const Variant& value, std::string_view decimal_separator) {
  if (const double* number = std::get_if<double>(&value)) {
    return DoubleToText(*number, decimal_separator);
  }
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  return {};  // empty, or an omitted argument
}

}  // namespace gavrento
