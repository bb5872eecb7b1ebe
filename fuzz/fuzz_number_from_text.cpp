// NumberFromText against a second reader: a state machine of its own that finds the
// accepted prefix, and the C library's strtod_l in the C locale for the value.
#include <locale.h>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

namespace {

enum class State { kBlanks, kInteger, kFraction, kExponentLetter, kExponentSign, kExponent };

bool IsAsciiDigit(char c) {
  return static_cast<unsigned char>(c) - '0' < 10U;
}

// The sign and number the rules accept at the start of the text, blanks left out; empty
// when no digit comes before the first character the rules do not take.
std::string AcceptedNumber(std::string_view text) {
  std::string accepted;
  std::string pending;  // taken, but a number only once a digit follows
  bool seen_digit = false;
  State state = State::kBlanks;
  for (const char c : text) {
    if (state == State::kBlanks) {
      if (c == ' ' || c == '\t') continue;
      state = State::kInteger;
      if (c == '+' || c == '-') {
        pending += c;
        continue;
      }
    }
    if (IsAsciiDigit(c) && state != State::kExponentLetter && state != State::kExponentSign) {
      accepted += pending + c;
      pending.clear();
      seen_digit = true;
    } else if (IsAsciiDigit(c)) {
      accepted += pending + c;
      pending.clear();
      state = State::kExponent;
    } else if (c == '.' && state == State::kInteger) {
      pending += c;
      state = State::kFraction;
    } else if ((c == 'e' || c == 'E') && seen_digit &&
               (state == State::kInteger || state == State::kFraction)) {
      accepted += pending;  // "5." before the exponent is already a number
      pending = c;
      state = State::kExponentLetter;
    } else if ((c == '+' || c == '-') && state == State::kExponentLetter) {
      pending += c;
      state = State::kExponentSign;
    } else {
      break;
    }
  }
  if (!seen_digit) return {};
  if (state == State::kFraction) accepted += pending;  // a trailing period
  return accepted;
}

double Reference(const std::string& number) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(number.c_str(), nullptr, c_locale);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string number = AcceptedNumber(text);
  const double expected = number.empty() ? 0.0 : Reference(number);
  double read = 0.0;
  try {
    read = gavrento::NumberFromText(text);
  } catch (const gavrento::RunTimeError& error) {
    if (error.Code() != gavrento::ErrorCode::kOverflow || !std::isinf(expected)) std::abort();
    return 0;
  }
  if (std::isinf(expected)) std::abort();  // Overflow was due
  // Zero compares equal to -0: the sign of a reading of zero is not shown anywhere.
  if (expected == 0.0
          ? read != 0.0
          : std::bit_cast<std::uint64_t>(read) != std::bit_cast<std::uint64_t>(expected)) {
    std::abort();
  }
  return 0;
}
