// The bridge's making calls, answered at build time by writing HTML and CSS rather than by
// asking the page to make elements. Boxes, fonts and colours go into the style sheet (the
// page's policy allows no inline style attribute); each element is found by its data-name.
#include "runtime/web/markup.h"

#include <string>
#include <string_view>
#include <vector>

#include "runtime/web/bridge.h"

namespace gavrento::web {

namespace {

struct Markup {
  std::string caption;
  std::vector<std::string> elements;  // opening tags up to, not including, their end
  std::vector<std::string> names;
  std::vector<std::string> contents;
  std::vector<std::string> closings;
  std::string focused;
  std::string style;
};

Markup& Page() {
  static Markup page;
  return page;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Px(int pixels) {
  return std::to_string(pixels) + "px";
}

std::string Selector(std::string_view name) {
  return "[data-name=\"" + std::string(name) + "\"]";
}

std::string BoxRules(const PixelBox& box) {
  return "left: " + Px(box.left) + "; top: " + Px(box.top) + "; width: " + Px(box.width) +
         "; height: " + Px(box.height) + ";";
}

std::string FontRules(const CssFont& font) {
  return " font-family: \"" + std::string(font.family) + "\"; font-size: " + Px(font.pixels) +
         "; font-weight: " + std::to_string(font.weight) +
         "; font-style: " + (font.italic ? "italic" : "normal") + ";";
}

std::string CssColour(Rgb colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

void Add(std::string_view name, std::string opening, std::string_view content,
         std::string_view closing) {
  Markup& page = Page();
  page.elements.push_back(std::move(opening));
  page.names.emplace_back(name);
  page.contents.push_back(Escaped(content));
  page.closings.emplace_back(closing);
}

std::string_view AlignName(Alignment align) {
  switch (align) {
    case Alignment::kRight:
      return "right";
    case Alignment::kCentre:
      return "center";
    case Alignment::kLeft:
      break;
  }
  return "left";
}

}  // namespace

void MakeWindow(std::string_view caption, PixelBox client, CssFont font) {
  Page().caption = caption;
  Page().style += ".client { width: " + Px(client.width) + "; height: " + Px(client.height) + ";" +
                  FontRules(font) + " }\n";
}

void MakeElement(const Element& e) {
  const auto attributes = [&e](std::string_view css_class) {
    return " class=\"" + std::string(css_class) + "\" data-name=\"" + Escaped(e.name) + "\"";
  };
  switch (e.kind) {
    case ControlKind::kTextBox:
      Add(e.name,
          "<input type=\"text\"" + attributes("textbox") +
              " autocomplete=\"off\" spellcheck=\"false\" aria-label=\"" +
              Escaped(e.accessible_name) + "\"",
          "", "");
      break;
    case ControlKind::kCommandButton:
      Add(e.name, "<button type=\"button\"" + attributes("button"), e.text, "</button>");
      break;
    case ControlKind::kLabel:
      Add(e.name, "<div" + attributes("label"), e.text, "</div>");
      break;
  }
  Page().style += Selector(e.name) + " { " + BoxRules(e.box) + FontRules(e.font) +
                  " text-align: " + std::string(AlignName(e.align)) +
                  "; z-index: " + std::to_string(e.stacking + 1) + "; }\n";
}

void MakeLine(std::string_view name, PixelBox box) {
  Add(name, "<div class=\"line\" data-name=\"" + Escaped(name) + "\"", "", "</div>");
  Page().style += Selector(name) + " { " + BoxRules(box) + " }\n";
}

void SetInk(std::string_view name, Rgb colour) {
  Page().style += Selector(name) + " { --ink: " + CssColour(colour) + "; }\n";
}

void SetFace(Rgb colour) {
  Page().style += ".client { --face: " + CssColour(colour) + "; }\n";
}

// The browser focuses it once the page is parsed, as the desktop focuses it at start.
void Focus(std::string_view name) {
  Page().focused = name;
}

std::string WindowMarkup() {
  const Markup& page = Page();
  std::string out = "<div class=\"window\">\n<h1 class=\"title\">" + Escaped(page.caption) +
                    "</h1>\n<div class=\"client\">\n";
  for (std::size_t i = 0; i < page.elements.size(); ++i) {
    out += page.elements[i] + (page.names[i] == page.focused ? " data-first-focus>" : ">") +
           page.contents[i] + page.closings[i] + "\n";
  }
  return out + "</div>\n</div>\n";
}

std::string WindowStyle() {
  return Page().style;
}

}  // namespace gavrento::web
