// Calcola, Cancella and the run-time error report, used through the real window.
#include <QtTest>

#include "expected_messages.h"
#include "runtime/run_time_error.h"
#include "test_table.h"
#include "window_fixture.h"
#include "worked_results.h"

using gavrento::test::Columns;
using gavrento::test::Localised;
using gavrento::test::MessageBoxAnswerer;
using gavrento::test::WindowFixture;

namespace {

using gavrento::test::Worked;

}  // namespace

class TestWindowCommands : public QObject {
  Q_OBJECT

 private slots:
  void separatorFollowsTheLocale() {
    const bool italian = qEnvironmentVariable("LC_ALL").startsWith("it_IT");
    QCOMPARE(Localised("1.5"), italian ? QString("1,5") : QString("1.5"));
  }

  void startsEmpty() {
    WindowFixture window;
    for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
      QCOMPARE(window.Box(box)->text(), QString());
    }
  }

  void workedValues_data() {
    Columns<QString, QString, QString>("height", "uomo", "donna");
    for (const gavrento::test::WorkedResult& worked : gavrento::test::kWorkedResults) {
      QTest::newRow(worked.altezza) << worked.altezza << worked.uomo << worked.donna;
    }
    QTest::newRow("comma stops the reading")
        << "180,5" << Worked("180").uomo << Worked("180").donna;
    QTest::newRow("leading blank") << " 180" << Worked("180").uomo << Worked("180").donna;
  }
  void workedValues() {
    QFETCH(QString, height);
    QFETCH(QString, uomo);
    QFETCH(QString, donna);
    WindowFixture window;
    MessageBoxAnswerer answerer;
    window.Type("TxtAltezza", height);
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(uomo));
    QCOMPARE(window.Box("TxtGavrentoDonna")->text(), Localised(donna));
    QCOMPARE(window.Box("TxtAltezza")->text(), height);
    // The beginning of a long result is what shows in the narrow box.
    QCOMPARE(window.Box("TxtGavrentoUomo")->cursorPosition(), 0);
  }

  void warning_data() {
    Columns<QString, bool, QString>("height", "warned", "uomo");
    QTest::newRow("empty box") << "" << true << Worked("0").uomo;
    QTest::newRow("letters only") << "abc" << true << Worked("0").uomo;
    QTest::newRow("blank left by Cancella") << " " << true << Worked("0").uomo;
    for (const gavrento::test::WorkedResult& worked : gavrento::test::kWorkedResults) {
      QTest::newRow(worked.altezza) << worked.altezza << worked.bambino << worked.uomo;
    }
  }
  void warning() {
    QFETCH(QString, height);
    QFETCH(bool, warned);
    QFETCH(QString, uomo);
    WindowFixture window;
    MessageBoxAnswerer answerer;
    window.Type("TxtAltezza", height);
    window.Click("CmdCalcola");
    QCOMPARE(answerer.Seen().size(), warned ? 1U : 0U);
    if (warned) {
      const auto& box = answerer.Seen().front();
      QCOMPARE(box.text, QString(gavrento::test::kChildWarningText));
      QCOMPARE(box.title, QString(gavrento::test::kChildWarningTitle));
      QCOMPARE(box.icon, QMessageBox::Information);
      QCOMPARE(box.buttons, QStringList{"OK"});
    }
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(uomo));
  }

  void cancellaLeavesOneBlankAndKeepsTheValues() {
    WindowFixture window;
    window.Type("TxtAltezza", "180");
    window.Click("CmdCalcola");
    window.Click("CmdCancella");
    for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
      QCOMPARE(window.Box(box)->text(), QString(" "));
    }
    QCOMPARE(window.Form().Altezza, 180.0);
    QVERIFY(std::holds_alternative<double>(window.Form().RisultatoUomo));
    // A height typed after the blank still reads.
    QTest::keyClicks(window.Box("TxtAltezza"), "175");
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(Worked("175").uomo));
  }

  void calcolaTwiceOverwritesTypedText() {
    WindowFixture window;
    window.Type("TxtAltezza", "160");
    window.Click("CmdCalcola");
    const QString first = window.Box("TxtGavrentoDonna")->text();
    window.Type("TxtGavrentoUomo", "scritto a mano");
    window.Type("TxtGavrentoDonna", "anche qui");
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(Worked("160").uomo));
    QCOMPARE(window.Box("TxtGavrentoDonna")->text(), first);
  }

  void overflowIsReportedAndTheWindowGoesOn() {
    WindowFixture window;
    MessageBoxAnswerer answerer;
    window.Type("TxtAltezza", "180");
    window.Click("CmdCalcola");
    window.Type("TxtAltezza", "1e400");
    window.Click("CmdCalcola");
    QCOMPARE(answerer.Seen().size(), 1U);
    const auto& report = answerer.Seen().front();
    QCOMPARE(report.title, QString("Gavrento"));
    QCOMPARE(report.text, QString(gavrento::test::kOverflowReport));
    QCOMPARE(report.icon, QMessageBox::Critical);
    QCOMPARE(window.Form().Altezza, 180.0);
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(Worked("180").uomo));
    QCOMPARE(window.Box("TxtGavrentoDonna")->text(), Localised(Worked("180").donna));
    QCOMPARE(window.Box("TxtAltezza")->text(), QString("1e400"));
    window.Type("TxtAltezza", "200");
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised(Worked("200").uomo));
  }

  // The errors that typing into the window cannot bring about, reported as any other.
  void otherErrorsAreReported_data() {
    Columns<int, QString>("code", "text");
    QTest::newRow("invalid call")
        << int(gavrento::ErrorCode::kInvalidCall)
        << "Errore di run-time '5':\nChiamata di routine o argomento non valido";
    QTest::newRow("floating point")
        << int(gavrento::ErrorCode::kFloatingPoint)
        << "Errore di run-time '16':\nErrore di calcolo in virgola mobile";
    QTest::newRow("control call")
        << int(gavrento::ErrorCode::kControlCallFailed)
        << "Errore di run-time '440':\nOperazione sul controllo non riuscita";
  }
  void otherErrorsAreReported() {
    QFETCH(int, code);
    QFETCH(QString, text);
    WindowFixture window;
    MessageBoxAnswerer answerer;
    window.RuntimeServices().ReportError(gavrento::RunTimeError(gavrento::ErrorCode(code)));
    QCOMPARE(answerer.Seen().size(), 1U);
    QCOMPARE(answerer.Seen().front().text, text);
    QCOMPARE(answerer.Seen().front().title, QString("Gavrento"));
    QCOMPARE(answerer.Seen().front().icon, QMessageBox::Critical);
  }
};

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
