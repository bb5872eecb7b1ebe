// The window Supeficie: its stored values and its three click handlers.
#pragma once

#include <memory>
#include <string_view>

#include "runtime/control_record.h"
#include "runtime/form.h"
#include "runtime/services.h"
#include "runtime/variant.h"

namespace gavrento {

// The texts of the warning shown for a child's height.
inline constexpr std::string_view kAvvisoBambino =
    "Il valore dell'altezza deve essere maggiore di 110 cm";
inline constexpr std::string_view kTitoloAvvisoBambino =
    "ATTENZIONE inserita altezza di un bambino !!!";

// What Cancella leaves in each box: one blank, so a height typed next still reads.
inline constexpr std::string_view kTestoCancellato = " ";

class Supeficie final : public Form {
 public:
  explicit Supeficie(Services& services) : services_(services) {}

  static std::unique_ptr<Form> Create(Services& services);

  void CmdCalcola_Click();
  void CmdCancella_Click();
  void CmdUscita_Click();

  bool HasClickHandler(std::string_view control) const override;
  void Click(std::string_view control) override;

  // Written only by Calcola; Cancella keeps them.
  Variant RisultatoUomo;
  Variant RisultatoDonna;
  double Altezza = 0;

 private:
  Services& services_;
};

}  // namespace gavrento
