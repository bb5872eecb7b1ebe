// The start-up the program's descriptor yields: its start-up window with all its controls,
// the three buttons bound, the focus on Uscita, nothing computed yet.
#include <QLabel>
#include <QtTest>
#include <algorithm>

#include "runtime/progetto.h"
#include "window_fixture.h"

using gavrento::test::WindowFixture;

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  void windowComesUpWithEveryControl() {
    WindowFixture window;
    const gavrento::WindowRecord& record = *gavrento::kProgetto.startup.record;
    QCOMPARE(window.Window().objectName(),
             QString::fromUtf8(record.name.data(), qsizetype(record.name.size())));
    const auto count = [&record](gavrento::ControlKind kind) {
      return std::ranges::count(record.controls, kind, &gavrento::ControlRecord::kind);
    };
    QCOMPARE(window.Window().findChildren<QLabel*>().size(), count(gavrento::ControlKind::kLabel));
    QCOMPARE(window.Window().findChildren<QLineEdit*>().size(),
             count(gavrento::ControlKind::kTextBox));
    QCOMPARE(window.Window().findChildren<QPushButton*>().size(),
             count(gavrento::ControlKind::kCommandButton));
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
