// What the window's handlers stand on: the controls' texts, the message box, the user's
// decimal separator and the end of the program. One implementation per toolkit.
#pragma once

#include <string>
#include <string_view>

#include "runtime/run_time_error.h"
#include "runtime/variant.h"

namespace gavrento {

// Message-box styles: the buttons in the low bits, the icon in the next ones.
inline constexpr int kVbOKOnly = 0;
inline constexpr int kVbCritical = 16;
inline constexpr int kVbQuestion = 32;
inline constexpr int kVbExclamation = 48;
inline constexpr int kVbInformation = 64;

// The answer of a message box whose OK button was pressed.
inline constexpr int kVbOK = 1;

class Services {
 public:
  Services() = default;
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;
  virtual ~Services() = default;

  // The whole text of a control; an unknown control raises the failed-control-call error.
  virtual std::string Text(std::string_view control) = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;

  // Modal to the program; returns the answer. An omitted title gives the program's name.
  virtual int MsgBox(const Variant& prompt, int style, const Variant& title) = 0;

  // The user's decimal separator, as the results are shown with it.
  virtual std::string DecimalSeparator() = 0;

  // Ends the program at once, with exit status 0, without any closing processing. Not
  // noreturn: services under test record the request and return, so a handler does
  // nothing after it.
  virtual void End() = 0;

  // Tells the user about a run-time error that no handler trapped.
  virtual void ReportError(const RunTimeError& error) = 0;
};

}  // namespace gavrento
