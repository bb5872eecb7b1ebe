#include "runtime/start_failure.h"

namespace gavrento {

namespace {

// Distinct from 0, which every ordinary end gives, and from a crash's signal.
constexpr int kWindowNotOpenedStatus = 1;

}  // namespace

StartFailure WindowNotOpened(std::string_view reason) {
  std::string text = "Impossibile aprire la finestra";
  if (!reason.empty()) text.append(": ").append(reason);
  return {.text = text, .status = kWindowNotOpenedStatus};
}

}  // namespace gavrento
