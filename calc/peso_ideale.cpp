#include "calc/peso_ideale.h"

#include <cmath>

#include "runtime/run_time_error.h"

namespace gavrento {

double CalcolaRisultato(double altezza, double base) {
  // Four steps, each rounded to double, in this order: dividing before multiplying
  // decides the fifteenth digit for some heights, so the order is part of the result.
  // Volatile stops the compiler folding or reordering them.
  volatile double d = altezza - kCinquePiediCm;
  volatile double q = d / kCmPerPollice;
  volatile double p = q * kKgPerPollice;
  volatile double risultato = p + base;
  // An invalid operation leaves a NaN and an overflow or a division by zero an infinity,
  // and either carries through to the last step. Testing the result finds them at a
  // fraction of the cost of saving and reading the processor's status flags.
  if (!std::isfinite(risultato)) Raise(ErrorCode::kFloatingPoint);
  return risultato;
}

bool AltezzaBambino(double altezza) {
  return !(altezza > kSogliaBambino);
}

}  // namespace gavrento
