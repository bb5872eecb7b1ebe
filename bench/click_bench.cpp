// A click on Calcola inside the program, a height above 110 cm so no warning shows.
// Prints three medians in µs:
//   written  from the release of the mouse button to the second result box written
//            (the moment its text changes) - what a person waits for;
//   click    press and release together, including the button's own redrawing of its
//            pressed and released look, which Qt does before the handler runs;
//   handler  the handler through the dispatch alone, without the button.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "runtime/progetto.h"
#include "runtime/qt/application.h"
#include "runtime/qt/fonts.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUp = 1000;
constexpr int kClicks = 20000;

void Send(QPushButton* button, QEvent::Type type) {
  const QPointF centre = QRectF(button->rect()).center();
  QMouseEvent event(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(button, &event);
}

double Micros(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::micro>(to - from).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  gavrento::qt::RegisterFontStandIns();
  const gavrento::qt::LoadedWindow loaded = gavrento::qt::LoadStartupWindow(gavrento::kProgetto);
  loaded.window->show();
  if (!QTest::qWaitForWindowExposed(loaded.window.get())) return 1;
  auto* calcola = loaded.window->findChild<QPushButton*>("CmdCalcola");
  auto* donna = loaded.window->findChild<QLineEdit*>("TxtGavrentoDonna");
  loaded.window->findChild<QLineEdit*>("TxtAltezza")->setText("180");

  // The man's box is written first, the woman's last.
  Clock::time_point written;
  QObject::connect(donna, &QLineEdit::textChanged, [&written] { written = Clock::now(); });

  std::vector<double> to_written;
  std::vector<double> whole_click;
  std::vector<double> handler;
  for (int i = 0; i < kWarmUp + kClicks; ++i) {
    donna->clear();
    const Clock::time_point pressed = Clock::now();
    Send(calcola, QEvent::MouseButtonPress);
    const Clock::time_point released = Clock::now();
    Send(calcola, QEvent::MouseButtonRelease);
    const Clock::time_point done = Clock::now();
    if (donna->text().isEmpty()) return 1;
    QApplication::processEvents();  // repaints of the boxes, outside every span
    const Clock::time_point start = Clock::now();
    gavrento::DispatchClick(*loaded.form, "CmdCalcola", *loaded.services);
    const Clock::time_point end = Clock::now();
    QApplication::processEvents();
    if (i < kWarmUp) continue;
    to_written.push_back(Micros(released, written));
    whole_click.push_back(Micros(pressed, done));
    handler.push_back(Micros(start, end));
  }
  std::printf("written %.1f click %.1f handler %.1f\n", Median(to_written), Median(whole_click),
              Median(handler));
  return 0;
}
