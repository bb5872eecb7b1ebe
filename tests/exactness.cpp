// Every shown result against a reference built from other parts: the four steps written
// out again, the C library's "%.15G" in the C locale, and a comparison per height. Each
// height is read from its text first, as the window reads it. Plain C++ with no toolkit,
// so the same check runs on every build of the program: the same code compiled by
// another compiler for another processor is another program.
//
// Prints a line per failed check, then "N passed, N failed"; exits 0 only when all passed.
#include <charconv>
#include <clocale>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"
#include "worked_results.h"

using gavrento::CalcolaRisultato;
using gavrento::kBaseDonna;
using gavrento::kBaseUomo;
using gavrento::NumberFromText;
using gavrento::VariantToText;

#ifndef GAVRENTO_EXACTNESS_RANDOM_HEIGHTS
#define GAVRENTO_EXACTNESS_RANDOM_HEIGHTS 1000000
#endif

namespace {

// Which of the two conversion paths this build of the program takes (runtime/conversions.h).
#if defined(__cpp_lib_to_chars) && !defined(GAVRENTO_CONVERSIONS_FROM_C_LIBRARY)
constexpr const char* kConversions = "C++ library";
#else
constexpr const char* kConversions = "C library";
#endif

constexpr int kRandomHeights = GAVRENTO_EXACTNESS_RANDOM_HEIGHTS;
constexpr int kFirstTenth = 1000;  // 100.0 cm
constexpr int kLastTenth = 2599;   // 259.9 cm

int passed = 0;
int failed = 0;

void Expect(bool ok, const std::string& check, const std::string& why) {
  ok ? ++passed : ++failed;
  if (!ok) std::printf("FAIL %s: %s\n", check.c_str(), why.c_str());
}

// Each step stored, so no step is fused with or folded into the next.
double DivideFirst(double altezza, double base) {
  volatile double d = altezza - 152.4;
  volatile double q = d / 2.54;
  volatile double p = q * 2.3;
  volatile double r = p + base;
  return r;
}

double MultiplyFirst(double altezza, double base) {
  volatile double d = altezza - 152.4;
  volatile double m = d * 2.3;
  volatile double p = m / 2.54;
  volatile double r = p + base;
  return r;
}

// "%.15G" drops trailing zeros by itself; dropping them again keeps the reference right
// should a C library pad. Its exponent form (1.5E+15, 1E-05) is already the program's.
std::string Reference(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text(buffer);
  const std::size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  const std::string exponent = e == std::string::npos ? "" : text.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  text = mantissa + exponent;
  return text == "-0" ? "0" : text;
}

std::string Shown(double altezza, double base) {
  return VariantToText(CalcolaRisultato(altezza, base), ".");
}

// The shortest text that reads back as exactly this double.
// Where the C++ library cannot write doubles (the WebAssembly build's), 17 significant
// digits, which read back as the same double too.
std::string Written(double value) {
  char buffer[64];
#if defined(__cpp_lib_to_chars)
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return {buffer, end};
#else
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
#endif
}

// Counts the heights, read from their texts, whose shown texts differ from the reference,
// and describes the first.
struct Tally {
  int mismatches = 0;
  std::string first;

  void Add(const std::string& text) {
    const double altezza = NumberFromText(text);
    for (const double base : {kBaseUomo, kBaseDonna}) {
      const std::string shown = Shown(altezza, base);
      const std::string expected = Reference(DivideFirst(altezza, base));
      if (shown != expected && mismatches++ == 0) {
        first = "height " + text + " base " + Written(base) + ": shown " + shown + ", expected " +
                expected;
      }
    }
  }
  void Report(const std::string& check) const {
    Expect(mismatches == 0, check, std::to_string(mismatches) + " mismatches, first at " + first);
  }
};

// The reference itself, on values whose texts are known.
void ReferenceFormatting() {
  struct Row {
    double value;
    const char* text;
  };
  for (const Row& row :
       {Row{-88.0, "-88"}, Row{74.992125984251969, "74.992125984252"}, Row{-0.0, "0"},
        Row{1.5e15, "1.5E+15"}, Row{1e-5, "1E-05"}, Row{1e-4, "0.0001"}}) {
    Expect(Reference(row.value) == row.text && VariantToText(row.value, ".") == row.text,
           std::string("reference and program write ") + row.text,
           Reference(row.value) + " and " + VariantToText(row.value, "."));
  }
}

// The worked results, and one more height whose fifteenth digit double rounding (the x87
// unit at its default precision) gets wrong, as it does 86.38's.
void KnownResults() {
  namespace test = gavrento::test;
  std::vector<test::WorkedResult> rows(std::begin(test::kWorkedResults),
                                       std::end(test::kWorkedResults));
  rows.push_back({"78.81", "-16.6366141732284", "-21.1366141732284", true});
  for (const test::WorkedResult& row : rows) {
    const double altezza = NumberFromText(row.altezza);
    const std::string uomo = Shown(altezza, kBaseUomo);
    const std::string donna = Shown(altezza, kBaseDonna);
    Expect(uomo == row.uomo && donna == row.donna, std::string("known results for ") + row.altezza,
           uomo + " and " + donna);
  }
}

void EveryTenthOfACentimetre() {
  Tally tally;
  for (int tenths = kFirstTenth; tenths <= kLastTenth; ++tenths) {
    tally.Add(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
  }
  tally.Report("every tenth from 100.0 to 259.9");
}

void RandomHeights() {
  std::mt19937_64 engine(20240611);
  std::uniform_real_distribution<double> height(-1000.0, 1000.0);
  Tally tally;
  int misread = 0;
  for (int i = 0; i < kRandomHeights; ++i) {
    const double altezza = height(engine);
    const std::string text = Written(altezza);
    if (NumberFromText(text) != altezza) ++misread;
    tally.Add(text);
  }
  Expect(misread == 0, "random heights read back exactly", std::to_string(misread) + " misread");
  tally.Report(std::to_string(kRandomHeights) + " random heights");
}

// The order of the steps shows in the fifteenth digit: these counts fail if the program
// (or the reference) ever multiplies first.
void OrderOfStepsChangesKnownTexts() {
  int uomo = 0;
  int donna = 0;
  int either = 0;
  for (int tenths = kFirstTenth; tenths <= kLastTenth; ++tenths) {
    const double altezza = tenths / 10.0;
    const bool u = Shown(altezza, kBaseUomo) != Reference(MultiplyFirst(altezza, kBaseUomo));
    const bool d = Shown(altezza, kBaseDonna) != Reference(MultiplyFirst(altezza, kBaseDonna));
    uomo += u ? 1 : 0;
    donna += d ? 1 : 0;
    either += u || d ? 1 : 0;
  }
  Expect(uomo == 27 && donna == 39 && either == 40, "multiplying first changes 27/39/40 texts",
         std::to_string(uomo) + "/" + std::to_string(donna) + "/" + std::to_string(either));
}

}  // namespace

int main() {
  if (std::setlocale(LC_ALL, "C") == nullptr) return 2;
  ReferenceFormatting();
  KnownResults();
  EveryTenthOfACentimetre();
  RandomHeights();
  OrderOfStepsChangesKnownTexts();
  std::printf("conversions: %s\n", kConversions);
  std::printf("exactness: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
