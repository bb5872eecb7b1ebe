#include "calc/peso_ideale.h"

#include <cfenv>

#include "runtime/run_time_error.h"

namespace gavrento {

namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

}  // namespace

double CalcolaRisultato(double altezza, double base) {
  std::feclearexcept(kFaults);
  // The fault check reads the processor's status flags: volatile keeps every step after
  // the flags are cleared and before they are read, and stops the compiler folding steps.
  volatile double h = altezza;
  // Four steps, each rounded to double, in this order: dividing before multiplying
  // decides the fifteenth digit for some heights, so the order is part of the result.
  volatile double d = h - kCinquePiediCm;
  volatile double q = d / kCmPerPollice;
  volatile double p = q * kKgPerPollice;
  volatile double risultato = p + base;
  if (std::fetestexcept(kFaults) != 0) {
    Raise(ErrorCode::kFloatingPoint);
  }
  return risultato;
}

bool AltezzaBambino(double altezza) {
  return !(altezza > kSogliaBambino);
}

}  // namespace gavrento
