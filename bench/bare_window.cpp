// The least a Qt Widgets program can show: one empty window, watched the same way as the
// program, to compare start-up time and memory against.
#include <QApplication>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.show();
  return QApplication::exec();
}
