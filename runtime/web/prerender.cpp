// Writes the start-up window as the page first shows it: its elements (HTML), then a line
// holding only "%%", then their places, fonts and the stand-in scheme's colours (CSS). The
// page builder is the program's own; run under node at build time, for index.html.
#include <cstdio>
#include <string>

#include "runtime/progetto.h"
#include "runtime/web/bridge.h"
#include "runtime/web/markup.h"
#include "runtime/web/page.h"
#include "runtime/web/page_builder.h"
#include "runtime/web/page_colours.h"
#include "runtime/window_rules.h"

int main() {
  const gavrento::WindowRecord& window = *gavrento::kProgetto.startup.record;
  gavrento::web::BuildPage(window);
  gavrento::web::ApplyColours(window, gavrento::web::kPageStandIns);
  if (const gavrento::ControlRecord* first = gavrento::FirstInTabOrder(window)) {
    gavrento::web::Focus(first->name);
  }
  const std::string out = gavrento::web::WindowMarkup() + "%%\n" + gavrento::web::WindowStyle();
  std::fputs(out.c_str(), stdout);
  return 0;
}
