// The reader's accessibility command (reader.cpp): Gavrento's window read from another
// process through Active Accessibility (oleacc), as a Windows screen reader does, printed and
// held to the records: the window named by its title, each button by its caption, each label
// by its caption, each text box by the caption that labels it, with its text as its value.
//
// The tree is printed one object a line, indented under its parent: ROLE "NAME", then
// value "VALUE" where the object has one, and "(invisible)" for an object not shown.
// Then a PASS or FAIL line for each check, and a NOTE for what this oleacc cannot tell.

#include <oleacc.h>
#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/win32/control_ids.h"
#include "runtime/win32/wide_text.h"
#include "tests/windows/reader.h"
#include "window/supeficie_record.h"

namespace gavrento::test {

namespace {

using gavrento::ControlKind;
using gavrento::ControlRecord;
using gavrento::kSupeficie;
using gavrento::win32::Utf8;
using gavrento::win32::Wide;

// An object of the tree, read once: what a screen reader would say of it.
struct Element {
  bool implemented = true;  // false where this oleacc answers E_NOTIMPL
  long role = 0;
  std::string role_text;
  std::string name;
  std::string value;
  bool has_value = false;
  bool invisible = false;
};

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// S_FALSE and a null string both mean the object has none: an empty text.
std::string Text(HRESULT result, BSTR text) {
  std::string utf8 = result == S_OK && text != nullptr
                         ? Utf8(std::wstring_view(text, SysStringLen(text)))
                         : std::string();
  SysFreeString(text);
  return utf8;
}

std::string RoleText(long role) {
  std::array<wchar_t, 128> text{};
  const UINT length = GetRoleTextW(static_cast<DWORD>(role), text.data(), text.size());
  return Utf8(std::wstring_view(text.data(), length));
}

Element Read(IAccessible* object) {
  Element element;
  const VARIANT self = Self();
  BSTR name = nullptr;
  const HRESULT has_name = object->get_accName(self, &name);
  element.name = Text(has_name, name);
  BSTR value = nullptr;
  const HRESULT has_value = object->get_accValue(self, &value);
  element.has_value = has_value == S_OK;
  element.value = Text(has_value, value);
  VARIANT role;
  VariantInit(&role);
  const HRESULT has_role = object->get_accRole(self, &role);
  element.implemented = has_role != E_NOTIMPL;
  if (has_role == S_OK && role.vt == VT_I4) element.role = role.lVal;
  element.role_text = RoleText(element.role);
  VARIANT state;
  VariantInit(&state);
  if (object->get_accState(self, &state) == S_OK && state.vt == VT_I4) {
    element.invisible = (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
  }
  return element;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

void PrintElement(const Element& element, int depth) {
  std::string line(static_cast<std::size_t>(depth) * 2, ' ');
  line += element.role_text + " " + Quoted(element.name);
  if (element.has_value) line += " value " + Quoted(element.value);
  if (element.invisible) line += " (invisible)";
  Print(line);
}

// IAccessible's interface identifier as the compiler knows it. mingw-w64's liboleacc.a
// takes the DLL's exported IID_IAccessible for a function, and links its jump stub in
// its place: QueryInterface then fails with E_NOINTERFACE.
const IID& kIAccessible = __uuidof(IAccessible);

// The object Active Accessibility gives for a window: OBJID_WINDOW its frame, OBJID_CLIENT
// what it shows, a control's client being the control itself. Null when there is none.
IAccessible* ObjectOf(HWND window, LONG part) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(part), kIAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

// The child windows the client object lists, in its order (the z-order, top first).
std::vector<HWND> ChildWindows(IAccessible* client) {
  long count = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long obtained = 0;
  if (count > 0) AccessibleChildren(client, 0, count, children.data(), &obtained);
  std::vector<HWND> windows;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
      IAccessible* object = nullptr;
      if (SUCCEEDED(
              child.pdispVal->QueryInterface(kIAccessible, reinterpret_cast<void**>(&object)))) {
        HWND window = nullptr;
        WindowFromAccessibleObject(object, &window);
        if (window != nullptr) windows.push_back(window);
        object->Release();
      }
    }
    VariantClear(&child);
  }
  return windows;
}

// wine's oleacc (8.0) knows the edit control's role, but gives buttons and static texts the
// role of any client area; the names, which are what the window decides, are the same.
bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// What a screen reader must find for each record, from the record alone: a label or a
// button is named by its caption, a text box by the caption that labels it.
struct Expected {
  long role;
  std::string_view name;
  long role_under_wine;
};

Expected ExpectedFor(const ControlRecord& record) {
  switch (record.kind) {
    case ControlKind::kTextBox:
      return {ROLE_SYSTEM_TEXT, record.accessible_name, ROLE_SYSTEM_TEXT};
    case ControlKind::kCommandButton:
      return {ROLE_SYSTEM_PUSHBUTTON, record.caption, ROLE_SYSTEM_CLIENT};
    case ControlKind::kLabel:
      break;
  }
  return {ROLE_SYSTEM_STATICTEXT, record.caption, ROLE_SYSTEM_CLIENT};
}

void CheckElement(const std::string& what, const Element& element, const Expected& expected) {
  const long role = UnderWine() ? expected.role_under_wine : expected.role;
  std::string said = what + ": " + RoleText(role) + " " + Quoted(expected.name);
  if (role != expected.role) said += " (on Windows: " + RoleText(expected.role) + ")";
  Check(element.role == role && element.name == expected.name && !element.invisible, said);
}

// Every control of the records is in the tree, shown, with its role and name; the boxes
// hold the texts given, in record order.
void CheckControls(HWND window, const std::vector<HWND>& children,
                   const std::vector<Element>& elements,
                   const std::array<std::string, 3>& box_texts) {
  std::size_t box = 0;
  for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
    const ControlRecord& record = kSupeficie.controls[i];
    const std::string what(record.name);
    HWND control = GetDlgItem(window, gavrento::win32::ControlId(i));
    std::size_t found = 0;
    while (found < children.size() && children[found] != control) ++found;
    if (found == children.size()) {
      Check(false, what + ": not in the tree");
      continue;
    }
    const Element& element = elements[found];
    CheckElement(what, element, ExpectedFor(record));
    if (record.kind == ControlKind::kTextBox) {
      const std::string& text = box_texts.at(box++);
      Check(element.value == text,
            what + ": value " + Quoted(text) + ", found " + Quoted(element.value));
    }
  }
  std::size_t shown = 0;
  for (const Element& element : elements) shown += element.invisible ? 0 : 1;
  Check(shown == kSupeficie.controls.size(), std::to_string(kSupeficie.controls.size()) +
                                                 " controls shown, found " + std::to_string(shown));
}

Status ReadWindow(HWND window, const std::array<std::string, 3>& box_texts) {
  IAccessible* frame = ObjectOf(window, OBJID_WINDOW);
  IAccessible* client = ObjectOf(window, OBJID_CLIENT);
  if (frame == nullptr || client == nullptr) return kNotThere;
  const Element frame_element = Read(frame);
  const Element client_element = Read(client);
  PrintElement(frame_element, 0);
  PrintElement(client_element, 1);
  const std::vector<HWND> children = ChildWindows(client);
  std::vector<Element> elements;
  for (HWND child : children) {
    IAccessible* object = ObjectOf(child, OBJID_CLIENT);
    elements.push_back(object == nullptr ? Element{} : Read(object));
    if (object != nullptr) object->Release();
    PrintElement(elements.back(), 2);
  }
  client->Release();
  frame->Release();

  if (frame_element.implemented) {
    CheckElement("the window", frame_element,
                 {ROLE_SYSTEM_WINDOW, kSupeficie.caption, ROLE_SYSTEM_WINDOW});
  } else {
    Print("NOTE the window's frame is not read: this oleacc does not implement its name and role");
  }
  CheckElement("its client area", client_element,
               {ROLE_SYSTEM_CLIENT, kSupeficie.caption, ROLE_SYSTEM_CLIENT});
  CheckControls(window, children, elements, box_texts);
  return Verdict();
}

}  // namespace

Status ReadAccessibility(const std::string& height, const std::string& man,
                         const std::string& woman) {
  HWND window = MainWindow();
  if (window == nullptr) return kNotThere;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const Status status = ReadWindow(window, {height, man, woman});
  CoUninitialize();
  return status;
}

}  // namespace gavrento::test
