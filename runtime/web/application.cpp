#include "runtime/web/application.h"

#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/web/bridge.h"
#include "runtime/web/page_colours.h"
#include "runtime/web/web_services.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

namespace {

// The window the page shows, alive from start-up to the page's end.
struct LoadedWindow {
  const WindowRecord* record = nullptr;
  std::unique_ptr<WebServices> services;
  std::unique_ptr<Form> form;
};

LoadedWindow& Loaded() {
  static LoadedWindow loaded;
  return loaded;
}

// Colours the face, every caption the record colours and every line; again when the user
// turns forced colours on or off.
void ApplyColours(const WindowRecord& window, const Scheme& scheme) {
  SetFace(FaceColour(window, scheme));
  for (const NamedInk& ink : WindowInks(window, scheme)) SetInk(ink.name, ink.colour);
}

}  // namespace

void RunProject(const ProjectDescriptor& project) {
  LoadedWindow& loaded = Loaded();
  loaded.record = project.startup.record;
  loaded.services = std::make_unique<WebServices>(*loaded.record, std::string(project.name));
  loaded.form = project.startup.create(*loaded.services);
  // The window is in the page already (written at build time, Uscita focused); the program
  // colours it for the scheme in force and takes the presses, those that waited included.
  WindowReady();
}

}  // namespace gavrento::web

using gavrento::web::ApplyColours;
using gavrento::web::Loaded;

extern "C" EMSCRIPTEN_KEEPALIVE void gavrento_click(const char* control) {
  auto& loaded = Loaded();
  const gavrento::ControlRecord* button = gavrento::ControlNamed(*loaded.record, control);
  if (button == nullptr || !gavrento::RunsClickHandler(*button, *loaded.form)) return;
  gavrento::DispatchClick(*loaded.form, button->name, *loaded.services);
  // Told once the handler has returned, after any message box it showed.
  const std::vector<gavrento::WrittenText> written = loaded.services->TakeWritten();
  gavrento::web::Announce(gavrento::ClickAnnouncement(*loaded.record, written));
}

extern "C" EMSCRIPTEN_KEEPALIVE void gavrento_colours(int forced, int highlight, int button_face,
                                                      int button_text) {
  using gavrento::web::RgbFromHex;
  const auto& loaded = Loaded();
  const gavrento::Scheme scheme =
      forced != 0 ? gavrento::web::ForcedScheme({.highlight = RgbFromHex(highlight),
                                                 .button_face = RgbFromHex(button_face),
                                                 .button_text = RgbFromHex(button_text)})
                  : gavrento::web::kPageStandIns;
  ApplyColours(*loaded.record, scheme);
}
