// Shared by the start-up probes: at the first paint of any widget, tell the harness the
// time on the system-wide monotonic clock and end the process on the spot, as Uscita ends
// the program: quick_exit runs no destructor, only what was registered for it (the program's
// removal of its private runtime folder), so the probes leave nothing behind.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace gavrento::bench {

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("paint %lld\n",
                  static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
      std::fflush(stdout);
      std::quick_exit(EXIT_SUCCESS);  // peak memory is read by the harness from the exit status
    }
    return QObject::eventFilter(watched, event);
  }
};

// Called by Qt as soon as the application object exists, before anything is shown.
inline void WatchForFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

}  // namespace gavrento::bench

// Each probe includes this header once, and so registers the watch once; the programs
// themselves stay exactly as they are.
namespace {
void RegisterFirstPaintWatch() {
  gavrento::bench::WatchForFirstPaint();
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(RegisterFirstPaintWatch)
