#include "runtime/progetto.h"
#include "runtime/qt/application.h"

int main(int argc, char** argv) {
  return gavrento::qt::RunProject(gavrento::kProgetto, argc, argv);
}
