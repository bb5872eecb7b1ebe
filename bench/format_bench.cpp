// A result from a height and its text: the program's way (std::to_chars underneath)
// against the C library's "%.15G", with the same arithmetic before both.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"

namespace {

// Every tenth of a centimetre a person can measure, the same for both sides.
const std::array<double, 1600> kHeights = [] {
  std::array<double, 1600> heights{};
  for (int i = 0; i < 1600; ++i) heights[static_cast<std::size_t>(i)] = (1000 + i) / 10.0;
  return heights;
}();

void Programma(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const double risultato = gavrento::CalcolaRisultato(kHeights[i], gavrento::kBaseUomo);
    std::string text = gavrento::VariantToText(risultato, ".");
    benchmark::DoNotOptimize(text);
    i = i + 1 == kHeights.size() ? 0 : i + 1;
  }
}

void Snprintf(benchmark::State& state) {
  std::size_t i = 0;
  char buffer[32];
  for (auto _ : state) {
    const double risultato = gavrento::CalcolaRisultato(kHeights[i], gavrento::kBaseUomo);
    std::snprintf(buffer, sizeof buffer, "%.15G", risultato);
    benchmark::DoNotOptimize(buffer);
    i = i + 1 == kHeights.size() ? 0 : i + 1;
  }
}

// The texts alone, from results computed beforehand.
const std::array<double, 1600> kResults = [] {
  std::array<double, 1600> results{};
  for (std::size_t i = 0; i < results.size(); ++i) {
    results[i] = gavrento::CalcolaRisultato(kHeights[i], gavrento::kBaseUomo);
  }
  return results;
}();

void ProgrammaTextOnly(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = gavrento::VariantToText(kResults[i], ".");
    benchmark::DoNotOptimize(text);
    i = i + 1 == kResults.size() ? 0 : i + 1;
  }
}

void SnprintfTextOnly(benchmark::State& state) {
  std::size_t i = 0;
  char buffer[32];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.15G", kResults[i]);
    benchmark::DoNotOptimize(buffer);
    i = i + 1 == kResults.size() ? 0 : i + 1;
  }
}

}  // namespace

BENCHMARK(Programma);
BENCHMARK(Snprintf);
BENCHMARK(ProgrammaTextOnly);
BENCHMARK(SnprintfTextOnly);
BENCHMARK_MAIN();
