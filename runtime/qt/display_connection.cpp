#include "runtime/qt/display_connection.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace gavrento::qt {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Qt's message handler is a plain function, so what it needs lives here, for the one
// connection a process makes.
struct Connecting {
  std::string program_name;
  void (*clean_up)() = nullptr;
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
};
std::optional<Connecting> connecting;

[[noreturn]] void GiveUp() {
  std::string line =
      connecting->program_name + ": nessun display disponibile: impossibile aprire la finestra";
  if (!connecting->held.empty()) line += " (" + connecting->held.front().text.toStdString() + ")";
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  connecting->clean_up();
  std::_Exit(EXIT_FAILURE);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) GiveUp();
  connecting->held.push_back({type, QByteArray(context.category), text.trimmed()});
}

}  // namespace

DisplayConnection::DisplayConnection(std::string_view program_name, void (*clean_up)()) {
  connecting.emplace();
  connecting->program_name = program_name;
  connecting->clean_up = clean_up;
  connecting->previous = qInstallMessageHandler(&Hold);
}

void DisplayConnection::Established() {
  if (!connecting) return;
  qInstallMessageHandler(connecting->previous);
  for (const HeldMessage& message : connecting->held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  connecting.reset();
}

}  // namespace gavrento::qt
