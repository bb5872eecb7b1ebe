// The page's inline style rules that come from C++: the page's own colours and face, as the
// custom properties style.css draws with, and the window's elements, each in its place on
// the records' grid (arrangement.h) with its font, alignment and stacking, in the colours of
// the page's stand-in scheme; and, on a screen narrower than the window, each in its place
// on the narrow arrangement's grid. The page's policy allows no style attribute: every rule
// goes into the one style sheet.
#pragma once

#include <string>

#include "runtime/control_record.h"
#include "runtime/legible_colour.h"

namespace gavrento::page_writer {

// #rrggbb, as CSS and the manifest write a colour.
std::string Hex(Rgb colour);

std::string WindowStyle(const WindowRecord& window);

}  // namespace gavrento::page_writer
