// What the window's handlers stand on: the controls' texts, the message box, the user's
// decimal separator and the end of the program. One implementation per toolkit; what a
// message box shows is decided here, once, and each toolkit only shows it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "runtime/message_box.h"
#include "runtime/run_time_error.h"
#include "runtime/variant.h"

namespace gavrento {

class Services {
 public:
  // The program's name titles its error reports and the boxes whose title was omitted.
  explicit Services(std::string program_name) : program_name_(std::move(program_name)) {}
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;
  virtual ~Services() = default;

  // The whole text of a control; an unknown control raises the failed-control-call error.
  virtual std::string Text(std::string_view control) = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;

  // Modal to the program; returns the answer.
  int MsgBox(const Variant& prompt, int style, const Variant& title);

  // The user's decimal separator, as the results are shown with it.
  virtual std::string DecimalSeparator() = 0;

  // Ends the program at once, with exit status 0, without any closing processing. Not
  // noreturn: services under test record the request and return, so a handler does
  // nothing after it.
  virtual void End() = 0;

  // Tells the user about a run-time error that no handler trapped.
  void ReportError(const RunTimeError& error);

  const std::string& ProgramName() const { return program_name_; }

 private:
  // Shows the box modal to the program and returns when the user has closed it with OK.
  virtual void ShowMessageBox(const MessageBoxContent& box) = 0;

  std::string program_name_;
};

}  // namespace gavrento
