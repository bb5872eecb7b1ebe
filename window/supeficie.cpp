#include "window/supeficie.h"

#include <algorithm>
#include <array>
#include <string>

#include "calc/peso_ideale.h"
#include "runtime/conversions.h"
#include "window/supeficie_record.h"

namespace gavrento {

namespace {

struct ClickBinding {
  std::string_view control;
  void (Supeficie::*handler)();
};

constexpr std::array kClickBindings{
    ClickBinding{kCmdCalcola, &Supeficie::CmdCalcola_Click},
    ClickBinding{kCmdCancella, &Supeficie::CmdCancella_Click},
    ClickBinding{kCmdUscita, &Supeficie::CmdUscita_Click},
};
static_assert(std::all_of(kClickBindings.begin(), kClickBindings.end(),
                          [](const ClickBinding& binding) {
                            return Denotes(binding.control, ControlKind::kCommandButton);
                          }),
              "only the window's buttons are clicked");

const ClickBinding* FindBinding(std::string_view control) {
  for (const ClickBinding& binding : kClickBindings) {
    if (binding.control == control) return &binding;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Form> Supeficie::Create(Services& services) {
  return std::make_unique<Supeficie>(services);
}

// A run-time error leaves the handler where it is raised: what was stored or written
// before stays, and the steps after it do not run.
void Supeficie::CmdCalcola_Click() {
  const std::string testo = services_.Text(kTxtAltezza);
  Altezza = NumberFromText(testo);
  if (AltezzaBambino(Altezza)) {
    // The answer does not matter: the warning stops nothing.
    services_.MsgBox(std::string(kAvvisoBambino), kVbOKOnly | kVbInformation,
                     std::string(kTitoloAvvisoBambino));
  }
  RisultatoUomo = CalcolaRisultato(Altezza, kBaseUomo);
  RisultatoDonna = CalcolaRisultato(Altezza, kBaseDonna);
  const std::string separatore = services_.DecimalSeparator();
  services_.SetText(kTxtGavrentoUomo, VariantToText(RisultatoUomo, separatore));
  services_.SetText(kTxtGavrentoDonna, VariantToText(RisultatoDonna, separatore));
}

void Supeficie::CmdCancella_Click() {
  services_.SetText(kTxtAltezza, kTestoCancellato);
  services_.SetText(kTxtGavrentoUomo, kTestoCancellato);
  services_.SetText(kTxtGavrentoDonna, kTestoCancellato);
}

void Supeficie::CmdUscita_Click() {
  services_.End();
}

bool Supeficie::HasClickHandler(std::string_view control) const {
  return FindBinding(control) != nullptr;
}

void Supeficie::Click(std::string_view control) {
  if (const ClickBinding* binding = FindBinding(control)) (this->*(binding->handler))();
}

}  // namespace gavrento
