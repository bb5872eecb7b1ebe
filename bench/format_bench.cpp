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

// The results alone, computed beforehand, for timing the texts without the arithmetic.
const std::array<double, 1600> kResults = [] {
  std::array<double, 1600> results{};
  for (std::size_t i = 0; i < results.size(); ++i) {
    results[i] = gavrento::CalcolaRisultato(kHeights[i], gavrento::kBaseUomo);
  }
  return results;
}();

double Result(double height) {
  return gavrento::CalcolaRisultato(height, gavrento::kBaseUomo);
}
double Given(double result) {
  return result;
}

std::string ProgramText(double result) {
  return gavrento::VariantToText(result, ".");
}

std::array<char, 32> SnprintfText(double result) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.15G", result);
  return buffer;
}

// Each value in turn, through `value` (the arithmetic, or none) and `text`.
template <auto value, auto text>
void Each(benchmark::State& state, const std::array<double, 1600>& inputs) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto shown = text(value(inputs[i]));
    benchmark::DoNotOptimize(shown);
    i = i + 1 == inputs.size() ? 0 : i + 1;
  }
}

void Programma(benchmark::State& state) {
  Each<Result, ProgramText>(state, kHeights);
}
void Snprintf(benchmark::State& state) {
  Each<Result, SnprintfText>(state, kHeights);
}
void ProgrammaTextOnly(benchmark::State& state) {
  Each<Given, ProgramText>(state, kResults);
}
void SnprintfTextOnly(benchmark::State& state) {
  Each<Given, SnprintfText>(state, kResults);
}

}  // namespace

BENCHMARK(Programma);
BENCHMARK(Snprintf);
BENCHMARK(ProgrammaTextOnly);
BENCHMARK(SnprintfTextOnly);
BENCHMARK_MAIN();
