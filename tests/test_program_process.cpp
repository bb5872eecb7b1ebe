// The built program as a real process on a real (virtual) X display: how it ends, with
// which exit status, and that it leaves nothing behind.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "test_table.h"

using gavrento::test::Columns;
namespace {

constexpr int kPatienceMs = 20000;  // an upper bound for polling, never a fixed wait

// Paths of the built program and of the closing tool, from the build.
const QString kGavrento = QStringLiteral(GAVRENTO_BINARY);
const QString kCloseWindow = QStringLiteral(CLOSE_WINDOW_BINARY);

// A private X server, so keyboard and mouse reach the window as they would a person's. The
// server picks a free display itself and names it on its standard output (-displayfd), so
// tests running side by side never take the same one.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    server_.start(
        "Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset"});
    if (!server_.waitForStarted()) return;
    const bool answered = QTest::qWaitFor(
        [&] { return server_.canReadLine() || server_.state() == QProcess::NotRunning; },
        kPatienceMs);
    if (answered && server_.canReadLine())
      name_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
  }
  ~VirtualDisplay() { Stop(); }
  void Stop() {
    server_.terminate();
    server_.waitForFinished();
  }
  const QString& Name() const { return name_; }

 private:
  QProcess server_;
  QString name_;
};

// How the program is given its runtime folder: a private one; none, as in a shell reached
// through sudo; or one that others may read, which Qt warns about while the application
// object is made, and uses.
enum class RuntimeFolder { kPrivate, kUnset, kOpenToOthers };

// The program with a home, a temporary folder and XDG folders of its own, all empty at the
// start, and any more variables given as NAME=value. Without a display it starts as from an
// ssh session without forwarding: nothing names one.
class RunningProgram {
 public:
  explicit RunningProgram(const QString& display, RuntimeFolder runtime = RuntimeFolder::kPrivate,
                          const QStringList& more_environment = {})
      : display_(display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
    if (!display.isEmpty()) {
      env.insert("DISPLAY", display);
      env.insert("QT_QPA_PLATFORM", "xcb");
    }
    env.insert("HOME", home_.path());
    env.insert("TMPDIR", tmp_.path());
    env.remove("XDG_RUNTIME_DIR");
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                            "XDG_RUNTIME_DIR"}) {
      const bool runtime_folder = QLatin1String(var) == "XDG_RUNTIME_DIR";
      if (runtime_folder && runtime == RuntimeFolder::kUnset) continue;
      QDir(home_.path()).mkdir(var);
      const QString dir = home_.path() + "/" + var;
      QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
      if (runtime_folder && runtime == RuntimeFolder::kOpenToOthers) {
        permissions |= QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
      }
      QFile::setPermissions(dir, permissions);
      env.insert(var, dir);
    }
    for (const QString& setting : more_environment) {
      env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    process_.setProcessEnvironment(env);
    const rlimit no_core{};  // from the row that ends by SIGABRT
    process_.setChildProcessModifier([no_core] { ::setrlimit(RLIMIT_CORE, &no_core); });
    process_.start(kGavrento, QStringList{});
  }

  // The X window of the program, once it is mapped; its own, where several programs share
  // the display.
  std::optional<QString> WaitForWindow() {
    QString id;
    const QString pid = QString::number(process_.processId());
    const bool mapped = QTest::qWaitFor(
        [&] {
          id = Tool("xdotool", {"search", "--all", "--onlyvisible", "--pid", pid, "--name",
                                "^Calcolo del Gavrento"})
                   .section('\n', 0, 0);
          return !id.isEmpty();
        },
        kPatienceMs);
    if (!mapped) {
      qWarning() << "no window; the program said:" << process_.readAllStandardError();
      return std::nullopt;
    }
    Tool("xdotool", {"windowfocus", "--sync", id});
    return id;
  }

  QString Tool(const QString& program, const QStringList& arguments) const {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    tool.setProcessEnvironment(env);
    tool.start(program, arguments);
    tool.waitForFinished(kPatienceMs);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
  }

  // Asks the window to close as its title bar's button does.
  bool CloseWindow(const QString& window) {
    Tool(kCloseWindow, {window});
    return Ended();
  }

  bool Ended() {
    return QTest::qWaitFor([&] { return process_.state() == QProcess::NotRunning; }, kPatienceMs);
  }
  QByteArray Errors() { return process_.readAllStandardError(); }
  void Send(int signal_number) const { ::kill(pid_t(process_.processId()), signal_number); }
  bool Running() const { return process_.state() == QProcess::Running; }
  int ExitCode() const { return process_.exitCode(); }
  QProcess::ExitStatus ExitStatus() const { return process_.exitStatus(); }

  // Every file the program left in its home and XDG folders, and anything in its temporary
  // folder.
  QStringList FilesLeft() const {
    QStringList left;
    QDirIterator it(home_.path(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) left << it.next();
    QDirIterator tmp(tmp_.path(),
                     QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (tmp.hasNext()) left << tmp.next();
    return left;
  }

  ~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }

 private:
  QString display_;
  QTemporaryDir home_;
  QTemporaryDir tmp_;
  QProcess process_;
};

}  // namespace

class TestProgramProcess : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xdotool").isEmpty()) {
      QSKIP("needs Xvfb and xdotool; `make test` installs them");
    }
    QVERIFY2(!display_.Name().isEmpty(), "Xvfb did not start");
  }

  // The focus starts on Uscita, so its keys end the program (its click and closing the
  // window: aSessionLeavesNoFiles).
  void uscitaEndsTheProgram_data() {
    QTest::addColumn<QStringList>("action");
    QTest::newRow("Space") << QStringList{"key", "space"};
    QTest::newRow("Return") << QStringList{"key", "Return"};
    QTest::newRow("keypad Enter") << QStringList{"key", "KP_Enter"};
  }
  void uscitaEndsTheProgram() {
    QFETCH(QStringList, action);
    RunningProgram program(display_.Name());
    QVERIFY(program.WaitForWindow());
    program.Tool("xdotool", action);
    QVERIFY2(program.Ended(), program.Errors().constData());
    QCOMPARE(program.ExitStatus(), QProcess::NormalExit);
    QCOMPARE(program.ExitCode(), 0);
  }

  // A whole session writes nothing: no settings, no cache, no state, no runtime folder, and
  // it says nothing about the runtime folder missing.
  void aSessionLeavesNoFiles_data() {
    Columns<bool, bool>("close", "runtime_dir_set");
    QTest::newRow("ended with Uscita") << false << true;
    QTest::newRow("ended by closing") << true << true;
    QTest::newRow("without XDG_RUNTIME_DIR") << false << false;
  }
  void aSessionLeavesNoFiles() {
    QFETCH(bool, close);
    QFETCH(bool, runtime_dir_set);
    RunningProgram program(display_.Name(),
                           runtime_dir_set ? RuntimeFolder::kPrivate : RuntimeFolder::kUnset);
    const auto window = program.WaitForWindow();
    QVERIFY(window);
    // Into the height box, type, then Calcola and Cancella, all with the mouse.
    program.Tool("xdotool", {"mousemove", "--window", *window, "196", "128", "click", "1"});
    program.Tool("xdotool", {"type", "180"});
    program.Tool("xdotool", {"mousemove", "--window", *window, "200", "356", "click", "1"});
    program.Tool("xdotool", {"mousemove", "--window", *window, "80", "460", "click", "1"});
    if (close) {
      QVERIFY(program.CloseWindow(*window));
    } else {
      program.Tool("xdotool", {"mousemove", "--window", *window, "312", "460", "click", "1"});
    }
    QVERIFY2(program.Ended(), program.Errors().constData());
    QCOMPARE(program.ExitCode(), 0);
    QCOMPARE(program.FilesLeft(), QStringList{});
    const QByteArray errors = program.Errors();
    QVERIFY2(!errors.contains("QStandardPaths"), errors.constData());
  }

  // No abort and no core dump: one line that says what is missing, status 1, and the
  // program's own runtime folder gone again.
  void withoutADisplayOneLineSaysSo_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("none named") << QString();
    QTest::newRow("one that is not there") << QString(":9999");
  }
  void withoutADisplayOneLineSaysSo() {
    QFETCH(QString, display);
    RunningProgram program(display, RuntimeFolder::kUnset);
    QVERIFY(program.Ended());
    QCOMPARE(program.ExitStatus(), QProcess::NormalExit);
    QCOMPARE(program.ExitCode(), 1);
    const QStringList said = QString::fromUtf8(program.Errors()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().startsWith(
                 "Gavrento: Impossibile aprire la finestra: nessun display disponibile"),
             qPrintable(said.front()));
    QCOMPARE(program.FilesLeft(), QStringList{});
  }

  // Ended from outside: by timeout, Ctrl+C, a logout or a service manager, the program removes
  // its private runtime folder and ends by that same signal, as its parent sees; by its X
  // server's end (a logout, a dropped ssh -X session), it ends as Qt ends it, with Qt's
  // message and status 1, and by SIGABRT where Qt takes its warnings as fatal (qFatal).
  void endedFromOutsideLeavesNothing_data() {
    Columns<int, QStringList, QProcess::ExitStatus, int, QString>("signal_number", "environment",
                                                                  "status", "code", "said");
    QTest::newRow("SIGTERM") << SIGTERM << QStringList{} << QProcess::CrashExit << SIGTERM << "";
    QTest::newRow("SIGINT") << SIGINT << QStringList{} << QProcess::CrashExit << SIGINT << "";
    QTest::newRow("SIGHUP") << SIGHUP << QStringList{} << QProcess::CrashExit << SIGHUP << "";
    const QString lost = "The X11 connection broke (error 1). Did the X11 server die?";
    QTest::newRow("X server stopped") << 0 << QStringList{} << QProcess::NormalExit << 1 << lost;
    QTest::newRow("X server stopped, warnings fatal")
        << 0 << QStringList{"QT_FATAL_WARNINGS=1"} << QProcess::CrashExit << SIGABRT << lost;
  }
  void endedFromOutsideLeavesNothing() {
    QFETCH(int, signal_number);
    QFETCH(QStringList, environment);
    VirtualDisplay display;
    RunningProgram program(display.Name(), RuntimeFolder::kUnset, environment);
    QVERIFY(program.WaitForWindow());
    const QStringList running = program.FilesLeft();
    QCOMPARE(running.size(), 1);
    QVERIFY2(running.front().section('/', -1).startsWith("gavrento-"), qPrintable(running.front()));
    if (signal_number != 0) program.Send(signal_number);
    if (signal_number == 0) display.Stop();
    QVERIFY(program.Ended());
    QTEST(program.ExitStatus(), "status");
    QTEST(program.ExitCode(), "code");  // QProcess gives a signal's number
    // The first line: a sanitizer's report may follow, where exit() has run it.
    QTEST(QString::fromUtf8(program.Errors()).section('\n', 0, 0), "said");
    QCOMPARE(program.FilesLeft(), QStringList{});
  }

  // A start killed outright (SIGKILL, a crash, a power cut) leaves its folder, which the next
  // start removes; never the folder of a program still running, nor one that differs in any
  // way from what the killed start left.
  void aStartRemovesWhatAKilledStartLeft_data() {
    Columns<QString, bool>("changed", "removed");
    QTest::newRow("nothing changed") << "" << true;
    QTest::newRow("folder open to others") << "folder mode" << false;
    QTest::newRow("lock file open to others") << "lock mode" << false;
    QTest::newRow("lock file emptied") << "lock size" << false;
    QTest::newRow("folder renamed") << "name" << false;
    QTest::newRow("another user's") << "owner" << false;
  }
  void aStartRemovesWhatAKilledStartLeft() {
    QFETCH(QString, changed);
    QFETCH(bool, removed);
    if (changed == "owner" && ::geteuid() != 0) QSKIP("only root gives a folder away");
    QTemporaryDir shared;
    const QStringList environment{"TMPDIR=" + shared.path()};
    const auto folders = [&] {
      return QDir(shared.path()).entryList(QDir::NoDotAndDotDot | QDir::Dirs);
    };
    RunningProgram running(display_.Name(), RuntimeFolder::kUnset, environment);
    QVERIFY(running.WaitForWindow());
    const QString live = folders().front();
    {
      RunningProgram killed(display_.Name(), RuntimeFolder::kUnset, environment);
      QVERIFY(killed.WaitForWindow());
    }  // and killed with SIGKILL
    QStringList made = folders();
    made.removeOne(live);
    const QString folder = shared.filePath(made.front());
    const QString lock = folder + "/" + QDir(folder).entryList(QDir::Files).front();
    const auto open_to_others = [](const QString& path) {
      QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther);
    };
    if (changed == "folder mode") open_to_others(folder);
    if (changed == "lock mode") open_to_others(lock);
    if (changed == "lock size") QFile::resize(lock, 0);
    if (changed == "name") QVERIFY(QDir().rename(folder, folder + "x"));
    if (changed == "owner") QCOMPARE(::chown(qPrintable(folder), 65534, -1), 0);
    RunningProgram next(display_.Name(), RuntimeFolder::kUnset, environment);
    QVERIFY(next.WaitForWindow());
    QVERIFY(folders().contains(live));
    QCOMPARE(folders().size(), removed ? 2 : 3);
  }

  // With a display, what Qt says while the application object is made stops nothing: it
  // reaches the standard error as Qt prints it (its type and category kept), and the window
  // comes up.
  void aWarningWhileConnectingIsPassedOn() {
    RunningProgram program(display_.Name(), RuntimeFolder::kOpenToOthers,
                           {"QT_MESSAGE_PATTERN=%{type} %{category}: %{message}"});
    QVERIFY(program.WaitForWindow());
    const QString said = QString::fromUtf8(program.Errors());
    QVERIFY2(said.contains(QRegularExpression(
                 "^warning default: QStandardPaths: wrong permissions on runtime directory "
                 "\\S+/XDG_RUNTIME_DIR, 0755 instead of 0700$",
                 QRegularExpression::MultilineOption)),
             qPrintable(said));
  }

  // Once the window is up, Qt's messages go out as they come, while the program runs: here
  // the events of a key pressed on the window, which Qt logs when asked to.
  void aMessageOnceRunningIsPassedOnAtOnce() {
    RunningProgram program(display_.Name(), RuntimeFolder::kPrivate,
                           {"QT_LOGGING_RULES=qt.qpa.events=true"});
    const auto window = program.WaitForWindow();
    QVERIFY(window);
    program.Errors();  // what was said while starting
    program.Tool("xdotool", {"key", "--window", *window, "a"});
    QByteArray said;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                   said += program.Errors();
                   return said.contains("qt.qpa.events");
                 },
                 kPatienceMs),
             "nothing said after the window came up");
    QVERIFY(program.Running());
  }

 private:
  VirtualDisplay display_;
};

QTEST_GUILESS_MAIN(TestProgramProcess)
#include "test_program_process.moc"
