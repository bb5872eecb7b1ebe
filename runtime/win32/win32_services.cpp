#include "runtime/win32/win32_services.h"

#include <utility>

#include "runtime/conversions.h"
#include "runtime/win32/control_ids.h"
#include "runtime/win32/wide_text.h"

namespace gavrento::win32 {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;
// LOCALE_SDECIMAL is at most four characters with the terminating NUL.
constexpr int kSeparatorBuffer = 8;

UINT IconForStyle(int style) {
  switch (style & kIconMask) {
    case 0:
      return 0;
    case kVbCritical:
      return MB_ICONERROR;
    case kVbQuestion:
      return MB_ICONQUESTION;
    case kVbExclamation:
      return MB_ICONWARNING;
    case kVbInformation:
      return MB_ICONINFORMATION;
    default:
      Raise(ErrorCode::kInvalidCall);
  }
}

}  // namespace

Win32Services::Win32Services(const FormWindow& window, std::string program_name)
    : window_(window), program_name_(std::move(program_name)) {}

// Only text boxes have a text the handlers may read or write.
HWND Win32Services::TextBox(std::string_view control) const {
  const ControlRecord* record = RecordForId(window_.Record(), IdForName(window_.Record(), control));
  if (record == nullptr || record->kind != ControlKind::kTextBox) {
    Raise(ErrorCode::kControlCallFailed);
  }
  HWND box = window_.Control(control);
  if (box == nullptr) Raise(ErrorCode::kControlCallFailed);
  return box;
}

std::string Win32Services::Text(std::string_view control) {
  HWND box = TextBox(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  const int length = GetWindowTextW(box, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return Utf8(text);
}

void Win32Services::SetText(std::string_view control, std::string_view text) {
  SetWindowTextW(TextBox(control), Wide(text).c_str());
}

int Win32Services::MsgBox(const Variant& prompt, int style, const Variant& title) {
  if ((style & kButtonsMask) != kVbOKOnly) Raise(ErrorCode::kInvalidCall);
  const UINT icon = IconForStyle(style);
  const std::string separator = DecimalSeparator();
  const std::string caption =
      std::holds_alternative<Omitted>(title) ? program_name_ : VariantToText(title, separator);
  ShowModal(VariantToText(prompt, separator), caption, icon);
  return kVbOK;
}

std::string Win32Services::DecimalSeparator() {
  wchar_t separator[kSeparatorBuffer] = {};
  const int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, kSeparatorBuffer);
  // Every locale has a separator; the period is what a missing one would have meant.
  if (length <= 1) return ".";
  return Utf8(std::wstring_view(separator, static_cast<std::size_t>(length - 1)));
}

// At once: no window is closed and no handler runs on the way out.
void Win32Services::End() {
  ExitProcess(0);
}

void Win32Services::ReportError(const RunTimeError& error) {
  ShowModal(ErrorReportText(error), program_name_, MB_ICONERROR);
}

// Owned by the window and modal to the program: while it is up, the window takes no input.
void Win32Services::ShowModal(std::string_view text, std::string_view caption, UINT icon) {
  MessageBoxW(window_.Handle(), Wide(text).c_str(), Wide(caption).c_str(),
              MB_OK | MB_APPLMODAL | icon);
}

}  // namespace gavrento::win32
