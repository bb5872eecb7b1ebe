#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

namespace gavrento {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The part of the text the rules accept as a number, without leading blanks or '+'.
struct NumberSpan {
  std::string_view mantissa;  // digits with at most one period, possibly a '-' first
  std::string_view exponent;  // "e..." or "E...", or empty
  bool negative = false;
};

// Scans once, left to right, so a pasted megabyte costs time linear in its length.
// Returns an empty mantissa when no digit starts the text.
NumberSpan ScanNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  NumberSpan span;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    span.negative = text[at] == '-';
    ++at;
  }
  const std::size_t start = at;
  std::size_t end = SkipDigits(text, at);
  bool any_digit = end > start;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fraction_end = SkipDigits(text, end + 1);
    any_digit = any_digit || fraction_end > end + 1;
    end = fraction_end;
  }
  if (!any_digit) return {};
  span.mantissa = text.substr(start, end - start);
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t digits = end + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const std::size_t exponent_end = SkipDigits(text, digits);
    if (exponent_end > digits) span.exponent = text.substr(end, exponent_end - end);
  }
  return span;
}

// Whether a number std::from_chars found out of range is too large (rather than too
// small): the decimal position of its first significant digit decides. Saturates, so an
// exponent of any length is safe.
bool IsBeyondRange(const NumberSpan& span) {
  constexpr long long kLimit = 1'000'000'000'000LL;
  long long position = 0;
  bool seen_point = false;
  bool seen_significant = false;
  for (const char c : span.mantissa) {
    if (c == '.') {
      seen_point = true;
    } else if (!seen_significant && c == '0') {
      if (seen_point) --position;
    } else if (!seen_significant) {
      seen_significant = true;
      if (!seen_point) position = 1;
    } else if (!seen_point && position < kLimit) {
      ++position;
    }
  }
  long long exponent = 0;
  bool exponent_negative = false;
  for (const char c : span.exponent.substr(span.exponent.empty() ? 0 : 1)) {
    if (c == '-') exponent_negative = true;
    if (IsDigit(c) && exponent < kLimit) exponent = exponent * 10 + (c - '0');
  }
  const long long total = position + (exponent_negative ? -exponent : exponent);
  return seen_significant && total > 0;
}

#if defined(__cpp_lib_to_chars) && !defined(GAVRENTO_CONVERSIONS_FROM_C_LIBRARY)

// The value of the accepted text, correctly rounded; 0 for one too small for a double.
double ValueOf(const NumberSpan& span, const char* first, const char* last) {
  double value = 0.0;
  const std::from_chars_result result =
      std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (IsBeyondRange(span)) Raise(ErrorCode::kOverflow);
    value = 0.0;
  }
  return value;
}

#else

// Where the C++ library cannot read doubles (LLVM 13's libc++, in the WebAssembly build),
// the C library's strtod, which musl and glibc round correctly. It reads the period as the
// decimal point in the "C" locale, which the browser's C library keeps. It signals the
// range as std::from_chars does: out of range for values too large or too small.
double ValueOf(const NumberSpan& span, const char* first, const char* last) {
  const std::string accepted(first, last);
  errno = 0;
  double value = std::strtod(accepted.c_str(), nullptr);
  if (errno == ERANGE) {
    if (IsBeyondRange(span)) Raise(ErrorCode::kOverflow);
    if (!std::isnormal(value)) value = 0.0;
  }
  return value;
}

#endif

}  // namespace

double NumberFromText(std::string_view text) {
  const NumberSpan span = ScanNumber(text);
  if (span.mantissa.empty()) return 0.0;
  const char* first = span.mantissa.data();
  const char* last = span.exponent.empty() ? first + span.mantissa.size()
                                           : span.exponent.data() + span.exponent.size();
  const double value = ValueOf(span, first, last);
  return span.negative ? -value : value;
}

}  // namespace gavrento
