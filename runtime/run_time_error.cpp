#include "runtime/run_time_error.h"

#include <array>

namespace gavrento {

namespace {

struct ErrorInfo {
  ErrorCode code;
  int number;
  std::string_view description;  // NUL-terminated literal, so what() can return it
};

// Every run-time error the program can raise, in one table.
// clang-format off
constexpr std::array kErrors{
    ErrorInfo{ErrorCode::kInvalidCall,       5,   "Chiamata di routine o argomento non valido"},
    ErrorInfo{ErrorCode::kOverflow,          6,   "Overflow"},
    ErrorInfo{ErrorCode::kFloatingPoint,     16,  "Errore di calcolo in virgola mobile"},
    ErrorInfo{ErrorCode::kControlCallFailed, 440, "Operazione sul controllo non riuscita"},
};
// clang-format on

constexpr const ErrorInfo& InfoFor(ErrorCode code) {
  for (const ErrorInfo& info : kErrors) {
    if (info.code == code) return info;
  }
  return kErrors[0];
}

static_assert(InfoFor(ErrorCode::kOverflow).number == 6, "the overflow error is number 6");

}  // namespace

int RunTimeError::Number() const {
  return InfoFor(code_).number;
}

std::string_view RunTimeError::Description() const {
  return InfoFor(code_).description;
}

const char* RunTimeError::what() const noexcept {
  return InfoFor(code_).description.data();
}

void Raise(ErrorCode code) {
  throw RunTimeError(code);
}

std::string ErrorReportText(const RunTimeError& error) {
  return "Errore di run-time '" + std::to_string(error.Number()) + "':\n" +
         std::string(error.Description());
}

}  // namespace gavrento
