#include "runtime/progetto.h"
#include "runtime/web/application.h"

// Takes over the window the page holds and returns; the page keeps the module alive and
// calls it on each press.
int main() {
  gavrento::web::RunProject(gavrento::kProgetto);
  return 0;
}
