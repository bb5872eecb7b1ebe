#include "runtime/qt/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <utility>

#include "runtime/qt/display_connection.h"
#include "runtime/qt/fonts.h"
#include "runtime/qt/runtime_directory.h"
#include "runtime/qt/utf8.h"
#include "runtime/window_rules.h"

namespace gavrento::qt {

namespace {

// Each button's click reaches the window's handler through the one dispatch point.
void BindClicks(const LoadedWindow& loaded) {
  for (const ControlRecord& control : loaded.window->Record().controls) {
    if (!RunsClickHandler(control, *loaded.form)) continue;
    auto* button = qobject_cast<QAbstractButton*>(loaded.window->Control(control.name));
    Form* form = loaded.form.get();
    Services* services = loaded.services.get();
    const std::string_view name = control.name;
    QObject::connect(button, &QAbstractButton::clicked, loaded.window.get(),
                     [form, services, name] { DispatchClick(*form, name, *services); });
  }
}

// Every size the build put in the resources (runtime/qt/CMakeLists.txt chooses them).
QIcon ApplicationIcon() {
  QIcon icon;
  QDirIterator images(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                      QDirIterator::Subdirectories);
  while (images.hasNext()) icon.addFile(images.next());
  return icon;
}

}  // namespace

LoadedWindow LoadStartupWindow(const ProjectDescriptor& project,
                               std::function<void()> end_program) {
  LoadedWindow loaded;
  loaded.window = std::make_unique<FormWindow>(*project.startup.record);
  loaded.services = std::make_unique<QtServices>(*loaded.window, std::string(project.name),
                                                 std::move(end_program));
  loaded.form = project.startup.create(*loaded.services);
  BindClicks(loaded);
  if (QWidget* first = loaded.window->FirstInTabOrder()) first->setFocus();
  return loaded;
}

int RunProject(const ProjectDescriptor& project, int argc, char** argv) {
  SettleRuntimeDirectory();
  DisplayConnection connection(project.name, &RemovePrivateRuntimeFolder);
  QApplication application(argc, argv);
  connection.Established();
  QApplication::setApplicationName(Utf8(project.name));
  QApplication::setApplicationVersion(Utf8(project.version));
  QApplication::setDesktopFileName(Utf8(project.desktop_entry));
  QApplication::setWindowIcon(ApplicationIcon());
  RegisterFontStandIns();
  const LoadedWindow loaded = LoadStartupWindow(project);
  loaded.window->show();
  return QApplication::exec();
}

}  // namespace gavrento::qt
