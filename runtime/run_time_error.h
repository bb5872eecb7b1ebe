// The program's run-time errors: a number and an Italian description, raised through
// Raise() and caught at exactly one place, the event dispatch, which reports them.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace gavrento {

enum class ErrorCode {
  kInvalidCall,
  kOverflow,
  kFloatingPoint,
  kControlCallFailed,
};

class RunTimeError : public std::exception {
 public:
  explicit RunTimeError(ErrorCode code) : code_(code) {}

  ErrorCode Code() const { return code_; }
  int Number() const;
  std::string_view Description() const;
  const char* what() const noexcept override;

 private:
  ErrorCode code_;
};

[[noreturn]] void Raise(ErrorCode code);

// The text the user reads when an error is reported: the number, then the description.
std::string ErrorReportText(const RunTimeError& error);

}  // namespace gavrento
