// The connection to the display, from the making of the application object, which is when
// Qt connects, to the end of the program, which may come when the display goes away.
//
// Without a display (an ssh session without forwarding, a service, a display that has gone)
// Qt prints several lines of its own and ends the process with abort(): status 134 and a
// core dump. The program says instead, in one line, that there is no display, and ends as
// a window that cannot be opened ends it (runtime/start_failure.h), leaving nothing behind.
//
// Once the window is up, a Wayland compositor that ends takes the program with it: Qt's
// Wayland platform says "The Wayland connection broke..." and ends the process with _exit(1),
// which runs nothing of the program's. Its message is the only word of it the program gets,
// and the clean-up runs then, before Qt's own handling goes on.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace gavrento::qt {

class DisplayConnection {
 public:
  // From here until Established(), Qt's messages are held back. Should Qt give up, one
  // line naming the program and Qt's first reason goes to the standard error, clean_up runs
  // and the process ends. One at a time.
  DisplayConnection(std::string_view program_name, void (*clean_up)());
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  // Qt's messages go to where they went before.
  ~DisplayConnection();

  // The application object exists: Qt's messages go where they went before, the held ones
  // first, as Qt would have printed them, and then each as it comes; clean_up runs before
  // the one that says the Wayland connection is lost.
  void Established();

 private:
  struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
  };

  // Qt's message handler is a plain function: it reaches the connection being made here.
  static void Receive(QtMsgType type, const QMessageLogContext& context, const QString& text);
  [[noreturn]] void GiveUp() const;

  std::string program_name_;
  void (*clean_up_)();
  QtMessageHandler previous_ = nullptr;
  std::vector<HeldMessage> held_;
  std::atomic<bool> established_ = false;
};

}  // namespace gavrento::qt
