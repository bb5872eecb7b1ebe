// Making the application object, which is when Qt connects to the display.
//
// Without a display (an ssh session without forwarding, a service, a display that has gone)
// Qt prints several lines of its own and ends the process with abort(): status 134 and a
// core dump. The program says instead, in one line, that there is no display, and ends as
// a window that cannot be opened ends it (runtime/start_failure.h), leaving nothing behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
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
  ~DisplayConnection() { Established(); }

  // The application object exists: Qt's messages go where they went before, the held ones
  // first, as Qt would have printed them.
  void Established();

 private:
  struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
  };

  // Qt's message handler is a plain function: it reaches the connection being made here.
  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
  [[noreturn]] void GiveUp() const;

  std::string program_name_;
  void (*clean_up_)();
  QtMessageHandler previous_ = nullptr;
  std::vector<HeldMessage> held_;
  bool established_ = false;
};

}  // namespace gavrento::qt
