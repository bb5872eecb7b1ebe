#include "runtime/message_box.h"

#include "runtime/conversions.h"

namespace gavrento {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;

}  // namespace

MessageIcon MessageBoxIcon(int style) {
  if ((style & kButtonsMask) != kVbOKOnly) Raise(ErrorCode::kInvalidCall);
  switch (style & kIconMask) {
    case 0:
      return MessageIcon::kNone;
    case kVbCritical:
      return MessageIcon::kCritical;
    case kVbQuestion:
      return MessageIcon::kQuestion;
    case kVbExclamation:
      return MessageIcon::kExclamation;
    case kVbInformation:
      return MessageIcon::kInformation;
    default:
      Raise(ErrorCode::kInvalidCall);
  }
}

std::string MessageBoxTitle(const Variant& title, std::string_view program_name,
                            std::string_view decimal_separator) {
  if (std::holds_alternative<Omitted>(title)) return std::string(program_name);
  return VariantToText(title, decimal_separator);
}

// The style is judged first: a box that cannot be shown raises its error before anything
// else is asked.
MessageBoxContent HandlerMessageBox(const Variant& prompt, int style, const Variant& title,
                                    std::string_view program_name,
                                    std::string_view decimal_separator) {
  const MessageIcon icon = MessageBoxIcon(style);
  return {.title = MessageBoxTitle(title, program_name, decimal_separator),
          .text = VariantToText(prompt, decimal_separator),
          .icon = icon};
}

MessageBoxContent ErrorReportBox(const RunTimeError& error, std::string_view program_name) {
  return {.title = std::string(program_name),
          .text = ErrorReportText(error),
          .icon = MessageIcon::kCritical};
}

}  // namespace gavrento
