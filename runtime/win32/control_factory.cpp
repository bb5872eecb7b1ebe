#include "runtime/win32/control_factory.h"

#include <string_view>

#include "runtime/win32/wide_text.h"
#include "runtime/window_rules.h"

namespace gavrento::win32 {

namespace {

// Siblings clip each other, so where two labels overlap the one higher in the z-order
// is the one seen, as the records ask.
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

struct WindowKind {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
};

// The style bits that line a caption up across a label, and a text across a text box.
struct AlignmentStyles {
  DWORD label;
  DWORD text_box;
};

AlignmentStyles AlignmentStylesOf(const ControlRecord& record) {
  switch (AlignmentOf(record)) {
    case Alignment::kRight:
      return {SS_RIGHT, ES_RIGHT};
    case Alignment::kCentre:
      return {SS_CENTER, ES_CENTER};
    case Alignment::kLeft:
      break;
  }
  return {SS_LEFT, ES_LEFT};
}

// Labels: no border, text from the top, wrapped at blanks and cut at the bottom edge, an
// '&' shown as itself; the window fills them opaque through WM_CTLCOLORSTATIC.
// Text boxes scroll sideways rather than refuse a long text. Buttons are plain push
// buttons, never the default button, which would take Enter from the text boxes.
WindowKind KindOf(const ControlRecord& record) {
  switch (record.kind) {
    case ControlKind::kTextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | AlignmentStylesOf(record).text_box,
              WS_EX_CLIENTEDGE};
    case ControlKind::kCommandButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kLabel:
      break;
  }
  return {L"STATIC", SS_NOPREFIX | AlignmentStylesOf(record).label, 0};
}

HWND CreateChild(const WindowKind& kind, std::string_view text, int id, HWND parent) {
  const std::wstring wide = Wide(text);
  return CreateWindowExW(kind.ex_style, kind.class_name, wide.c_str(), kind.style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

HWND CreateControl(const ControlRecord& record, int id, HWND parent) {
  WindowKind kind = KindOf(record);
  kind.style |= kChildStyle;
  return CreateChild(kind, record.caption, id, parent);
}

HWND CreateNameLabel(const ControlRecord& record, int id, HWND parent) {
  return CreateChild({L"STATIC", WS_CHILD | SS_NOPREFIX, 0}, AccessibleName(record), id, parent);
}

}  // namespace gavrento::win32
