// What a message box shows, decided once for every runtime: a handler's box from its
// prompt, style and title, and the report of a run-time error that no handler trapped.
// Each runtime's services only show the title, text and icon they are given.
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

// The icon a message box's style asks for. Only the OK button is offered: a style asking
// for other buttons, or for an icon there is none of, raises the invalid-call error.
enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
MessageIcon MessageBoxIcon(int style);

// A message box's title: the one given, or the program's name where it was omitted.
std::string MessageBoxTitle(const Variant& title, std::string_view program_name,
                            std::string_view decimal_separator);

struct MessageBoxContent {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
};

// A handler's box: the prompt and a given title written as texts with the user's decimal
// separator, the icon its style asks for.
MessageBoxContent HandlerMessageBox(const Variant& prompt, int style, const Variant& title,
                                    std::string_view program_name,
                                    std::string_view decimal_separator);

// An untrapped run-time error: titled with the program's name, its number and description,
// and the critical icon.
MessageBoxContent ErrorReportBox(const RunTimeError& error, std::string_view program_name);

}  // namespace gavrento
