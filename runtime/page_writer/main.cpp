// Writes what the page is made of, as one JSON object on standard output, for the scripts
// that put the site together: cut_fonts.py takes "faces", write_page.py the rest. Run
// under node when the site is built.
//   title        the window's caption, the page's title
//   markup       the window's elements (window_markup.h)
//   style        the page's colours and face, and the window's places, fonts and colours
//   themeColour  the colour browsers show around the page
//   faces        each face the page draws: family, weight, italic, characters (faces.h)
#include <cstdio>

#include <nlohmann/json.hpp>

#include "runtime/page_writer/faces.h"
#include "runtime/page_writer/window_markup.h"
#include "runtime/page_writer/window_style.h"
#include "runtime/progetto.h"
#include "runtime/web/page_colours.h"

int main() {
  using Json = nlohmann::ordered_json;
  namespace page_writer = gavrento::page_writer;
  const gavrento::WindowRecord& window = *gavrento::kProgetto.startup.record;
  Json page = {{"title", window.caption},
               {"markup", page_writer::WindowMarkup(window)},
               {"style", page_writer::WindowStyle(window)}};
  const gavrento::Rgb theme = gavrento::web::PageColourNamed(gavrento::web::kThemeColour)->colour;
  page["themeColour"] = page_writer::Hex(theme);
  page["faces"] = Json::array();
  for (const page_writer::PageFace& face : page_writer::PageFaces(window)) {
    page["faces"].push_back({{"family", face.family},
                             {"weight", face.weight},
                             {"italic", face.italic},
                             {"characters", face.characters}});
  }
  std::puts(page.dump().c_str());
  return 0;
}
