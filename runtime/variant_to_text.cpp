#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
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

// The significant digits of a finite, non-zero magnitude, at most 15 and without trailing
// zeros, and the decimal exponent of the first one, both after correct rounding. Kept in
// place, without allocating: every click writes two of these.
struct Digits {
  std::array<char, kSignificantDigits> digits{};
  std::size_t count = 0;
  int exponent = 0;

  std::string_view All() const { return {digits.data(), count}; }
  std::string_view From(std::size_t first) const {
    return first < count ? All().substr(first) : std::string_view();
  }
};

int ParseExponent(std::string_view text) {  // "+05", "-324"
  int magnitude = 0;
  for (const char c : text.substr(1)) magnitude = magnitude * 10 + (c - '0');
  return text[0] == '-' ? -magnitude : magnitude;
}

// "d.dddddddddddddde+ddd": the magnitude correctly rounded to 15 significant digits.
// std::to_chars where the C++ library has it for doubles; elsewhere (LLVM 13's libc++, which
// the WebAssembly build uses) the C library's "%.14e", which musl and glibc round correctly
// too. The text only ever has one character between the first two digits: the locale's
// decimal point, which the browser's C library keeps at "C".
std::string_view ScientificText(double magnitude, std::array<char, 32>& buffer) {
#if defined(__cpp_lib_to_chars) && !defined(GAVRENTO_CONVERSIONS_FROM_C_LIBRARY)
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
#else
  const int length =
      std::snprintf(buffer.data(), buffer.size(), "%.*e", kSignificantDigits - 1, magnitude);
  return {buffer.data(), static_cast<std::size_t>(length)};
#endif
}

Digits RoundToSignificant(double magnitude) {
  std::array<char, 32> buffer{};
  const std::string_view text = ScientificText(magnitude, buffer);
  const std::size_t e = text.find('e');
  Digits out;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] >= '0' && text[i] <= '9') out.digits[out.count++] = text[i];
  }
  while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
  out.exponent = ParseExponent(text.substr(e + 1));
  return out;
}

void AppendExponentForm(std::string& text, const Digits& d, std::string_view separator) {
  text += d.digits[0];
  if (d.count > 1) text.append(separator).append(d.From(1));
  text += d.exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10) text += '0';
  std::array<char, 4> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
  text.append(buffer.data(), result.ptr);
}

void AppendFixedForm(std::string& text, const Digits& d, std::string_view separator) {
  if (d.exponent < 0) {
    text += '0';
    text.append(separator).append(static_cast<std::size_t>(-d.exponent - 1), '0');
    text.append(d.All());
    return;
  }
  const auto integer_digits = static_cast<std::size_t>(d.exponent) + 1;
  text.append(d.All().substr(0, integer_digits));
  if (d.count < integer_digits) text.append(integer_digits - d.count, '0');
  if (d.count > integer_digits) text.append(separator).append(d.From(integer_digits));
}

std::string DoubleToText(double value, std::string_view separator) {
  if (value == 0.0) return "0";  // also -0, which is never shown with a sign
  if (!std::isfinite(value)) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    return value < 0 ? "-inf" : "inf";
  }
  const Digits d = RoundToSignificant(std::fabs(value));
  std::string text;
  if (value < 0) text += '-';
  if (d.exponent < kLowestFixedExponent || d.exponent >= kFirstExponentForm) {
    AppendExponentForm(text, d, separator);
  } else {
    AppendFixedForm(text, d, separator);
  }
  return text;
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
