// The program's own entry, unchanged, with one addition made from outside: a hook that
// Qt runs when the application object is built, which reports the first paint.
#include "bench/first_paint.h"
#include "runtime/progetto.h"
#include "runtime/qt/application.h"

int main(int argc, char** argv) {
  return gavrento::qt::RunProject(gavrento::kProgetto, argc, argv);
}
