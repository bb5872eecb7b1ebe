// What the program declares about itself, and the start-up it yields: the window with
// all its controls, the three buttons bound, the focus on Uscita, nothing computed yet.
#include <QLabel>
#include <QtTest>

#include "runtime/progetto.h"
#include "window_fixture.h"

using gavrento::test::WindowFixture;

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  void descriptor() {
    const gavrento::ProjectDescriptor& project = gavrento::kProgetto;
    QCOMPARE(project.startup.record->name, std::string_view("Supeficie"));
    QCOMPARE(project.window_count, 1);
    QVERIFY(project.threading == gavrento::Threading::kSingleThreaded);
    QCOMPARE(project.locale_id, 1040);
    QCOMPARE(project.name, std::string_view("Gavrento"));
    QCOMPARE(project.description, std::string_view("Gavrento"));
    QCOMPARE(project.executable, std::string_view("Gavrento"));
    QCOMPARE(project.version, std::string_view("1.00"));
    QVERIFY(project.help_file.empty());
  }

  void windowComesUpWithEveryControl() {
    WindowFixture window;
    QCOMPARE(window.Window().objectName(), QString("Supeficie"));
    QCOMPARE(window.Window().findChildren<QLabel*>().size(), 21);
    QCOMPARE(window.Window().findChildren<QLineEdit*>().size(), 3);
    QCOMPARE(window.Window().findChildren<QPushButton*>().size(), 3);
    QVERIFY(window.Window().isVisible());
    QCOMPARE(QApplication::focusWidget(), window.Button("CmdUscita"));
  }

  void nothingIsComputedYet() {
    WindowFixture window;
    for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
      QVERIFY(window.Box(box)->text().isEmpty());
    }
    QCOMPARE(window.Form().Altezza, 0.0);
    QVERIFY(std::holds_alternative<gavrento::Empty>(window.Form().RisultatoUomo));
    QVERIFY(std::holds_alternative<gavrento::Empty>(window.Form().RisultatoDonna));
  }

  // Each button runs its own handler; the process tests see Uscita end a real process.
  void clicksAreBound() {
    WindowFixture window;
    window.Type("TxtAltezza", "200");
    window.Click("CmdCalcola");
    QCOMPARE(window.Form().Altezza, 200.0);
    window.Click("CmdCancella");
    QCOMPARE(window.Box("TxtAltezza")->text(), QString(" "));
    window.ExpectEnd();
    window.Click("CmdUscita");
    QCOMPARE(window.EndRequests(), 1);
  }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
