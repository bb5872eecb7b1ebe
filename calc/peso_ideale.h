// The Devine ideal body weight, written out in centimetres, and the child-height test.
#pragma once

namespace gavrento {

// The constants of the formula, each the double nearest to the decimal written.
inline constexpr double kCinquePiediCm = 152.4;  // five feet, subtracted from the height
inline constexpr double kCmPerPollice = 2.54;    // centimetres per inch
inline constexpr double kKgPerPollice = 2.3;     // kilograms per inch above five feet
inline constexpr double kBaseUomo = 50.0;        // the man's weight at exactly five feet
inline constexpr double kBaseDonna = 45.5;       // the woman's weight at exactly five feet
inline constexpr double kSogliaBambino = 110.0;  // heights not above this are a child's

// Weight in kilograms for a height in centimetres and a base weight. Raises the
// floating-point run-time error instead of returning when the arithmetic faulted.
double CalcolaRisultato(double altezza, double base);

// True unless the height is strictly greater than the threshold (so also for NaN).
bool AltezzaBambino(double altezza);

}  // namespace gavrento
