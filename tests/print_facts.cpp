// Prints, as one JSON object, every fact the tests written in shell, Python and JavaScript
// check the program against, so that none of them keeps a copy of its own:
//   name, caption, clientTwips {width, height}, client   the window, its client area in
//                                                         pixels at 96 dots per inch
//   controls   name, kind (label, textbox, button), caption, accessibleName, tabIndex,
//              twips {left, top, width, height}, box (ControlBox's pixels), recordedFont
//              {face, points, weight, italic}, font (as drawn in its stand-in face: family,
//              pixels, weight, italic), align, coloured (whether the record gives a colour),
//              labels (a label's: the text box it names, or "")
//   lines      name, twips {x1, y1, x2, y2}, pixels (LinePixels: x1, y1, x2, y2, width), box
//   tabOrder   the names of the controls in the order Tab walks them
//   messages   childWarning {title, text} and overflowReport, as expected_messages.h has them
//   workedResults  altezza, uomo, donna, bambino: worked_results.h's rows
// Built in every build: the default and the web builds write it at build time (facts.json);
// the Windows checks run it under wine.
#include <cstdio>

#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "expected_messages.h"
#include "runtime/window_rules.h"
#include "window/supeficie_record.h"
#include "worked_results.h"

namespace {

using gavrento::ControlRecord;
using gavrento::LineRecord;
using Json = nlohmann::ordered_json;

Json Box(const gavrento::PixelBox& box) {
  return {{"left", box.left}, {"top", box.top}, {"width", box.width}, {"height", box.height}};
}

Json Font(const gavrento::StandInFont& font) {
  return {{"family", font.family},
          {"pixels", font.pixels},
          {"weight", font.weight},
          {"italic", font.italic}};
}

Json Control(const ControlRecord& c) {
  return {{"name", c.name},
          {"kind", gavrento::KindName(c.kind)},
          {"caption", c.caption},
          {"accessibleName", gavrento::AccessibleName(c)},
          {"tabIndex", c.tab_index},
          {"twips", Box({c.left, c.top, c.width, c.height})},
          {"box", Box(gavrento::ControlBox(c))},
          {"recordedFont",
           {{"face", c.font.face},
            {"points", c.font.size},
            {"weight", c.font.weight},
            {"italic", c.font.italic}}},
          {"font", Font(gavrento::FontDrawn(c.font))},
          {"align", gavrento::AlignmentName(gavrento::AlignmentOf(c))},
          {"coloured", c.colour != gavrento::kDefaultColour},
          {"labels", c.labels}};
}

Json Line(const LineRecord& line) {
  const gavrento::PixelLine drawn = gavrento::LinePixels(line);
  return {{"name", line.name},
          {"twips", {{"x1", line.x1}, {"y1", line.y1}, {"x2", line.x2}, {"y2", line.y2}}},
          {"pixels",
           {{"x1", drawn.x1},
            {"y1", drawn.y1},
            {"x2", drawn.x2},
            {"y2", drawn.y2},
            {"width", drawn.width}}},
          {"box", Box(gavrento::LineBox(line))}};
}

}  // namespace

int main() {
#ifdef _WIN32
  // The tests read UTF-8 bytes: no carriage return before each newline.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  namespace test = gavrento::test;
  const gavrento::WindowRecord& window = gavrento::kSupeficie;
  Json facts = {{"name", window.name},
                {"caption", window.caption},
                {"clientTwips", {{"width", window.client_width}, {"height", window.client_height}}},
                {"client", Box(gavrento::ClientBox(window))},
                {"font", Font(gavrento::FontDrawn(window.font))}};
  for (const ControlRecord& control : window.controls)
    facts["controls"].push_back(Control(control));
  for (const LineRecord& line : window.lines) facts["lines"].push_back(Line(line));
  for (const std::size_t index : gavrento::TabOrder(window)) {
    facts["tabOrder"].push_back(window.controls[index].name);
  }
  facts["messages"] = {
      {"childWarning", {{"title", test::kChildWarningTitle}, {"text", test::kChildWarningText}}},
      {"overflowReport", test::kOverflowReport}};
  for (const test::WorkedResult& row : test::kWorkedResults) {
    facts["workedResults"].push_back({{"altezza", row.altezza},
                                      {"uomo", row.uomo},
                                      {"donna", row.donna},
                                      {"bambino", row.bambino}});
  }
  std::puts(facts.dump(1).c_str());
  return 0;
}
