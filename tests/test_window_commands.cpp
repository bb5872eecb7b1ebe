// Calcola, Cancella and the run-time error report, used through the real window.
#include <QtTest>

#include "runtime/run_time_error.h"
#include "test_table.h"
#include "window_fixture.h"

using gavrento::test::Columns;
using gavrento::test::MessageBoxAnswerer;
using gavrento::test::UserDecimalSeparator;
using gavrento::test::WindowFixture;

namespace {

const QString kWarningText = "Il valore dell'altezza deve essere maggiore di 110 cm";
const QString kWarningTitle = "ATTENZIONE inserita altezza di un bambino !!!";

QString Localised(QString text) {
  return text.replace('.', UserDecimalSeparator());
}

}  // namespace

class TestWindowCommands : public QObject {
  Q_OBJECT

 private slots:
  void separatorFollowsTheLocale() {
    const bool italian = qEnvironmentVariable("LC_ALL").startsWith("it_IT");
    QCOMPARE(UserDecimalSeparator(), italian ? QString(",") : QString("."));
  }

  void startsEmpty() {
    WindowFixture window;
    for (const char* box : {"TxtAltezza", "TxtGavrentoUomo", "TxtGavrentoDonna"}) {
      QCOMPARE(window.Box(box)->text(), QString());
    }
  }

  void workedValues_data() {
    Columns<QString, QString, QString>("height", "uomo", "donna");
    QTest::newRow("0") << "0"
                       << "-88"
                       << "-92.5";
    QTest::newRow("110") << "110"
                         << "11.6062992125984"
                         << "7.10629921259842";
    QTest::newRow("110.01") << "110.01"
                            << "11.6153543307087"
                            << "7.11535433070866";
    QTest::newRow("152.4") << "152.4"
                           << "50"
                           << "45.5";
    QTest::newRow("160") << "160"
                         << "56.8818897637795"
                         << "52.3818897637795";
    QTest::newRow("175") << "175"
                         << "70.4645669291339"
                         << "65.9645669291339";
    QTest::newRow("180") << "180"
                         << "74.992125984252"
                         << "70.492125984252";
    QTest::newRow("200") << "200"
                         << "93.1023622047244"
                         << "88.6023622047244";
    QTest::newRow("comma stops the reading") << "180,5"
                                             << "74.992125984252"
                                             << "70.492125984252";
    QTest::newRow("leading blank") << " 180"
                                   << "74.992125984252"
                                   << "70.492125984252";
    // Multiplying before dividing would end in ...929 for the man.
    QTest::newRow("order of the steps") << "100.3"
                                        << "2.82283464566928"
                                        << "-1.67716535433072";
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
    QTest::newRow("empty box") << "" << true << "-88";
    QTest::newRow("0") << "0" << true << "-88";
    QTest::newRow("letters only") << "abc" << true << "-88";
    QTest::newRow("blank left by Cancella") << " " << true << "-88";
    QTest::newRow("110") << "110" << true << "11.6062992125984";
    QTest::newRow("110.01") << "110.01" << false << "11.6153543307087";
    QTest::newRow("180") << "180" << false << "74.992125984252";
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
      QCOMPARE(box.text, kWarningText);
      QCOMPARE(box.title, kWarningTitle);
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
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised("70.4645669291339"));
  }

  void calcolaTwiceOverwritesTypedText() {
    WindowFixture window;
    window.Type("TxtAltezza", "160");
    window.Click("CmdCalcola");
    const QString first = window.Box("TxtGavrentoDonna")->text();
    window.Type("TxtGavrentoUomo", "scritto a mano");
    window.Type("TxtGavrentoDonna", "anche qui");
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised("56.8818897637795"));
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
    QCOMPARE(report.text, QString("Errore di run-time '6':\nOverflow"));
    QCOMPARE(report.icon, QMessageBox::Critical);
    QCOMPARE(window.Form().Altezza, 180.0);
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised("74.992125984252"));
    QCOMPARE(window.Box("TxtGavrentoDonna")->text(), Localised("70.492125984252"));
    QCOMPARE(window.Box("TxtAltezza")->text(), QString("1e400"));
    window.Type("TxtAltezza", "200");
    window.Click("CmdCalcola");
    QCOMPARE(window.Box("TxtGavrentoUomo")->text(), Localised("93.1023622047244"));
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
