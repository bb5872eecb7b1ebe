#include "runtime/web/bridge.h"

#include <emscripten.h>

#include <cstdlib>

namespace gavrento::web {

namespace {

// Texts cross to JavaScript as pointer and length: string views need no terminator.
// clang-format off
EM_JS(void, JsSetInk, (const char* name, int name_length, int red, int green, int blue), {
  GavrentoPage.setInk(UTF8ToString(name, name_length), red, green, blue);
});
EM_JS(void, JsSetFace, (int red, int green, int blue), {
  GavrentoPage.setFace(red, green, blue);
});
EM_JS(void, JsWindowReady, (), { GavrentoPage.ready(); });
EM_JS(char*, JsElementText, (const char* name, int name_length), {
  return allocateUTF8(GavrentoPage.text(UTF8ToString(name, name_length)));
});
EM_JS(void, JsSetElementText, (const char* name, int name_length, const char* text,
                               int text_length), {
  GavrentoPage.setText(UTF8ToString(name, name_length), UTF8ToString(text, text_length));
});
EM_JS(void, JsAnnounce, (const char* text, int text_length), {
  GavrentoPage.announce(UTF8ToString(text, text_length));
});
EM_JS(char*, JsDecimalSeparator, (), {
  return allocateUTF8(GavrentoPage.decimalSeparator());
});
EM_ASYNC_JS(void, JsShowMessageBox, (const char* title, int title_length, const char* text,
                                     int text_length, const char* icon), {
  await GavrentoPage.showMessageBox(UTF8ToString(title, title_length),
                                    UTF8ToString(text, text_length), UTF8ToString(icon));
});
EM_JS(void, JsEndPage, (const char* ended, int ended_length, const char* again,
                        int again_length), {
  GavrentoPage.end(UTF8ToString(ended, ended_length), UTF8ToString(again, again_length));
});
// clang-format on

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

// The class of the page's icon element, which draws the icon.
const char* IconClass(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return "critical";
    case MessageIcon::kQuestion:
      return "question";
    case MessageIcon::kExclamation:
      return "exclamation";
    case MessageIcon::kInformation:
      return "information";
    case MessageIcon::kNone:
      break;
  }
  return "";
}

// A text JavaScript allocated with malloc, taken over and freed.
std::string TakeText(char* text) {
  std::string taken(text);
  std::free(text);
  return taken;
}

}  // namespace

void SetInk(std::string_view name, Rgb colour) {
  JsSetInk(name.data(), Length(name), colour.red, colour.green, colour.blue);
}

void SetFace(Rgb colour) {
  JsSetFace(colour.red, colour.green, colour.blue);
}

void WindowReady() {
  JsWindowReady();
}

std::string ElementText(std::string_view name) {
  return TakeText(JsElementText(name.data(), Length(name)));
}

void SetElementText(std::string_view name, std::string_view text) {
  JsSetElementText(name.data(), Length(name), text.data(), Length(text));
}

void Announce(std::string_view text) {
  JsAnnounce(text.data(), Length(text));
}

std::string BrowserDecimalSeparator() {
  return TakeText(JsDecimalSeparator());
}

void ShowMessageBox(std::string_view title, std::string_view text, MessageIcon icon) {
  JsShowMessageBox(title.data(), Length(title), text.data(), Length(text), IconClass(icon));
}

void EndPage(std::string_view ended_text, std::string_view start_again) {
  JsEndPage(ended_text.data(), Length(ended_text), start_again.data(), Length(start_again));
}

}  // namespace gavrento::web
