// Decisions about a window that do not depend on the toolkit showing it. Every runtime
// takes its answers from here and only translates them into widgets, window messages or
// page elements, so the Qt, the Win32 and the browser window cannot drift apart, and the rules are
// tested without a display.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control_record.h"
#include "runtime/units.h"

namespace gavrento {

class Form;

// Record indexes of the controls that take the focus, in the order Tab walks them: by
// rising tab index.
std::vector<std::size_t> TabOrder(const WindowRecord& window);

// The control that has the focus when the window opens; null when none takes it.
const ControlRecord* FirstInTabOrder(const WindowRecord& window);

// A control's box in its window's client area, and the client area's size, in pixels at
// dpi: every runtime places the records through these, by their converted edges.
PixelBox ControlBox(const ControlRecord& control, int dpi = kBaseDpi);
PixelBox ClientBox(const WindowRecord& window, int dpi = kBaseDpi);

// A line of a diagram in pixels at dpi: its end points in the order stored, both of them
// drawn (the brackets' corners meet there), and the width of its pen.
struct PixelLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int width = 0;
};
PixelLine LinePixels(const LineRecord& line, int dpi = kBaseDpi);
// The box the drawn line covers: from its top left end point, one pen width past the other.
PixelBox LineBox(const LineRecord& line, int dpi = kBaseDpi);

// Only buttons are clicked, and a click runs something only where the window's code has a
// handler for that button.
bool RunsClickHandler(const ControlRecord& control, const Form& form);

// The record of the control with this name; null where the window has none.
const ControlRecord* ControlNamed(const WindowRecord& window, std::string_view name);

// The record of the text box with this name. Only text boxes have a text the handlers may
// read or write: any other name raises the failed-control-call error.
const ControlRecord& TextBoxRecord(const WindowRecord& window, std::string_view name);

// The name a screen reader says for a control: a text box's own text is its value, so it is
// named by the caption that labels it on the window (its record's accessible name); a button
// or a label by its caption.
std::string_view AccessibleName(const ControlRecord& control);

// Whether labels' captions name a text box: a click on one puts the cursor in the box, and a
// screen reader names the box by their captions, trimmed and joined by a blank, which make
// its record's accessible name.
bool IsLabelled(const WindowRecord& window, std::string_view box);

// A text a click's handler wrote into a text box.
struct WrittenText {
  std::string_view box;
  std::string text;
};

// What a screen reader is told, politely and once, when a click's handler has returned (so
// after any message box it showed): each text it wrote that is not blank, after the name of
// its box, in the order written; nothing when it wrote none (Cancella's blanks).
std::string ClickAnnouncement(const WindowRecord& window, std::span<const WrittenText> written);

// How a caption or a text lines up across its control: as its record says, but a button's
// caption is centred on it, as every platform draws push buttons.
Alignment AlignmentOf(const ControlRecord& control);

// Faces the records name that a platform may lack, and free faces of close metrics that
// stand in for them, so the captions fill their controls as the layout expects. EB
// Garamond comes in two optical sizes; the one drawn for 12 points suits captions of 11 to
// 14 points, and its family name is the one both fontconfig and Windows' font mapper know.
struct FontStandIn {
  std::string_view face;
  std::string_view stand_in;
};
inline constexpr std::array kFontStandIns{
    FontStandIn{"MS Sans Serif", "Liberation Sans"},
    FontStandIn{"Garamond", "EB Garamond 12"},
    FontStandIn{"Verdana", "DejaVu Sans"},
};

// The face drawn for a face a record names: its stand-in, or itself.
std::string_view StandInFace(std::string_view face);

// A record's font as drawn in its stand-in face: the family, the character height in whole
// pixels at dpi, the weight and the slant.
struct StandInFont {
  std::string_view family;
  int pixels = 0;
  int weight = 0;
  bool italic = false;
};
StandInFont FontDrawn(const FontDescriptor& font, int dpi = kBaseDpi);

}  // namespace gavrento
