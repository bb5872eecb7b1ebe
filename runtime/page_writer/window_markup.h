// The window as HTML, written into index.html when the site is built: the page is a whole,
// accessible window before any script runs, and page.js only adopts its elements, each by
// its data-name. Places, fonts and colours are in the style sheet (window_style.h).
#pragma once

#include <string>
#include <string_view>

#include "runtime/control_record.h"

namespace gavrento::page_writer {

// Text as HTML shows it, in an element or an attribute's quotes.
std::string Escaped(std::string_view text);

// The window's caption as its title bar, then one element per record: the lines, the
// labels (those that label a text box as its <label>s), and the controls in the order Tab
// walks them, so that the document's order is the order of the focus and no element needs
// a tab index of its own. The first in that
// order is marked to be focused when the page is parsed, as the desktop focuses it.
std::string WindowMarkup(const WindowRecord& window);

}  // namespace gavrento::page_writer
