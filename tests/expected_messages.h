// The messages the handlers must show, as a person reads them, written out by hand once for
// every test that checks them.
#pragma once

namespace gavrento::test {

// Calcola with a child's height: an information box with OK alone.
inline constexpr const char* kChildWarningText =
    "Il valore dell'altezza deve essere maggiore di 110 cm";
inline constexpr const char* kChildWarningTitle = "ATTENZIONE inserita altezza di un bambino !!!";

// A height beyond the largest number: run-time error 6, in the program's error box.
inline constexpr const char* kOverflowReport = "Errore di run-time '6':\nOverflow";

}  // namespace gavrento::test
