#include "runtime/win32/win32_services.h"

#include <array>
#include <utility>

#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

namespace {

// LOCALE_SDECIMAL is at most four characters with the terminating NUL.
constexpr int kSeparatorBuffer = 8;

UINT IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return MB_ICONERROR;
    case MessageIcon::kQuestion:
      return MB_ICONQUESTION;
    case MessageIcon::kExclamation:
      return MB_ICONWARNING;
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kNone:
      break;
  }
  return 0;
}

}  // namespace

Win32Services::Win32Services(const FormWindow& window, std::string program_name)
    : Services(std::move(program_name)), window_(window) {}

HWND Win32Services::TextBox(std::string_view control) const {
  HWND box = window_.Control(TextBoxRecord(window_.Record(), control).name);
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

std::string Win32Services::DecimalSeparator() {
  std::array<wchar_t, kSeparatorBuffer> separator{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                     kSeparatorBuffer);
  // Every locale has a separator; the period is what a missing one would have meant.
  if (length <= 1) return ".";
  return Utf8(std::wstring_view(separator.data(), static_cast<std::size_t>(length - 1)));
}

// At once: no window is closed and no handler runs on the way out.
void Win32Services::End() {
  ExitProcess(0);
}

// Owned by the window and modal to the program: while it is up, the window takes no input.
void Win32Services::ShowMessageBox(const MessageBoxContent& box) {
  MessageBoxW(window_.Handle(), Wide(box.text).c_str(), Wide(box.title).c_str(),
              MB_OK | MB_APPLMODAL | IconFor(box.icon));
}

}  // namespace gavrento::win32
