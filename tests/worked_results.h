// Heights with their results worked by hand from the Devine formula, as the window shows them
// with a decimal point: (altezza - 152.4) / 2.54 * 2.3 + 50 for a man and + 45.5 for a woman,
// to fifteen significant digits. Heights up to 110 cm are a child's, which Calcola warns of.
// The tests of the conversions, of the window's commands and of long use all take them from
// here, and the tests in other languages from the facts the build prints (print_facts.cpp).
#pragma once

#include <string_view>

namespace gavrento::test {

struct WorkedResult {
  const char* altezza;
  const char* uomo;
  const char* donna;
  bool bambino;
};

inline constexpr WorkedResult kWorkedResults[] = {
    {"0", "-88", "-92.5", true},
    {"86.38", "-9.78188976377954", "-14.2818897637795", true},
    // Multiplying before dividing would end in ...929 for the man.
    {"100.3", "2.82283464566928", "-1.67716535433072", true},
    {"110", "11.6062992125984", "7.10629921259842", true},
    {"110.01", "11.6153543307087", "7.11535433070866", false},
    {"152.4", "50", "45.5", false},
    {"160", "56.8818897637795", "52.3818897637795", false},
    {"175", "70.4645669291339", "65.9645669291339", false},
    {"180", "74.992125984252", "70.492125984252", false},
    {"200", "93.1023622047244", "88.6023622047244", false},
    {"205.7", "98.263779527559", "93.763779527559", false},
};

// The worked result for one of the heights above.
constexpr const WorkedResult& Worked(const char* altezza) {
  for (const WorkedResult& worked : kWorkedResults) {
    if (std::string_view(worked.altezza) == altezza) return worked;
  }
  throw "no worked result for this height";
}

}  // namespace gavrento::test
