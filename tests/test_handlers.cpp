// The handlers' steps and their order, against services that record every call.
#include <QtTest>
#include <map>
#include <string>
#include <vector>

#include "expected_messages.h"
#include "runtime/run_time_error.h"
#include "test_table.h"
#include "window/supeficie.h"
#include "worked_results.h"

using gavrento::ErrorCode;
using gavrento::RunTimeError;
using gavrento::Supeficie;
using gavrento::test::Columns;

namespace {

std::string Shown(std::string_view title, std::string_view text, gavrento::MessageIcon icon) {
  return "MessageBox " + std::string(title) + "|" + std::string(text) + "|" +
         std::to_string(static_cast<int>(icon));
}

class RecordingServices : public gavrento::Services {
 public:
  std::map<std::string, std::string, std::less<>> texts{
      {"TxtAltezza", ""}, {"TxtGavrentoUomo", ""}, {"TxtGavrentoDonna", ""}};
  std::vector<std::string> calls;
  std::string fail_on;  // the call that raises the failed-control-call error
  std::string separator = ".";

  RecordingServices() : Services("Programma") {}
  std::string Text(std::string_view control) override {
    Record("Text " + std::string(control));
    return texts.at(std::string(control));
  }
  void SetText(std::string_view control, std::string_view text) override {
    Record("SetText " + std::string(control));
    texts[std::string(control)] = text;
  }
  std::string DecimalSeparator() override { return separator; }
  [[noreturn]] void End() override { throw Ended(); }

  struct Ended {};

 private:
  void ShowMessageBox(const gavrento::MessageBoxContent& box) override {
    Record(Shown(box.title, box.text, box.icon));
  }
  void Record(std::string call) {
    calls.push_back(call);
    if (!fail_on.empty() && call == fail_on) gavrento::Raise(ErrorCode::kControlCallFailed);
  }
};

// The child's warning: an information box; an untrapped error, in the critical one.
const std::string kWarning =
    Shown(gavrento::test::kChildWarningTitle, gavrento::test::kChildWarningText,
          gavrento::MessageIcon::kInformation);
const std::string kOverflowReport =
    Shown("Programma", gavrento::test::kOverflowReport, gavrento::MessageIcon::kCritical);

}  // namespace

class TestHandlers : public QObject {
  Q_OBJECT

 private slots:
  void calcolaStepsInOrder_data() {
    Columns<QString, bool>("height", "warned");
    QTest::newRow("adult") << "180" << false;
    QTest::newRow("child") << "110" << true;
  }
  void calcolaStepsInOrder() {
    QFETCH(QString, height);
    QFETCH(bool, warned);
    RecordingServices services;
    services.texts["TxtAltezza"] = height.toStdString();
    Supeficie window(services);
    window.CmdCalcola_Click();
    std::vector<std::string> expected{"Text TxtAltezza"};
    if (warned) expected.push_back(kWarning);
    expected.push_back("SetText TxtGavrentoUomo");
    expected.push_back("SetText TxtGavrentoDonna");
    QCOMPARE(services.calls, expected);
    QCOMPARE(window.Altezza, height.toDouble());
    QVERIFY(std::holds_alternative<double>(window.RisultatoUomo));
    QVERIFY(std::holds_alternative<double>(window.RisultatoDonna));
  }

  void storedValuesStartEmpty() {
    RecordingServices services;
    Supeficie window(services);
    QVERIFY(std::holds_alternative<gavrento::Empty>(window.RisultatoUomo));
    QVERIFY(std::holds_alternative<gavrento::Empty>(window.RisultatoDonna));
    QCOMPARE(window.Altezza, 0.0);
  }

  void cancellaBlanksTheBoxesAndKeepsTheValues() {
    RecordingServices services;
    services.texts["TxtAltezza"] = "180";
    Supeficie window(services);
    window.CmdCalcola_Click();
    services.calls.clear();
    window.CmdCancella_Click();
    QCOMPARE(services.calls,
             (std::vector<std::string>{"SetText TxtAltezza", "SetText TxtGavrentoUomo",
                                       "SetText TxtGavrentoDonna"}));
    for (const auto& [name, text] : services.texts) QCOMPARE(text, std::string(" "));
    QCOMPARE(window.Altezza, 180.0);
    QCOMPARE(std::get<double>(window.RisultatoUomo), std::get<double>(window.RisultatoDonna) + 4.5);
  }

  // A failed step ends the handler there: earlier writes stay, later steps do not run.
  void failureStopsTheHandlerWhereItHappens_data() {
    Columns<QString, double, bool, QString, QString>("failing", "altezza", "uomoStored", "uomoBox",
                                                     "donnaBox");
    QTest::newRow("reading the height") << "Text TxtAltezza" << 7.0 << false << "old"
                                        << "old";
    QTest::newRow("writing the man's box") << "SetText TxtGavrentoUomo" << 180.0 << true << "old"
                                           << "old";
    QTest::newRow("writing the woman's box") << "SetText TxtGavrentoDonna" << 180.0 << true
                                             << gavrento::test::Worked("180").uomo << "old";
  }
  void failureStopsTheHandlerWhereItHappens() {
    QFETCH(QString, failing);
    QFETCH(double, altezza);
    QFETCH(bool, uomoStored);
    QFETCH(QString, uomoBox);
    QFETCH(QString, donnaBox);
    RecordingServices services;
    services.texts = {
        {"TxtAltezza", "180"}, {"TxtGavrentoUomo", "old"}, {"TxtGavrentoDonna", "old"}};
    services.fail_on = failing.toStdString();
    Supeficie window(services);
    window.Altezza = 7;
    QVERIFY_THROWS_EXCEPTION(RunTimeError, window.CmdCalcola_Click());
    QCOMPARE(window.Altezza, altezza);
    QCOMPARE(std::holds_alternative<double>(window.RisultatoUomo), uomoStored);
    QCOMPARE(services.texts["TxtGavrentoUomo"], uomoBox.toStdString());
    QCOMPARE(services.texts["TxtGavrentoDonna"], donnaBox.toStdString());
  }

  void overflowKeepsEverything() {
    RecordingServices services;
    services.texts["TxtAltezza"] = "1e400";
    Supeficie window(services);
    window.Altezza = 5;
    try {
      window.CmdCalcola_Click();
      QFAIL("no error raised");
    } catch (const RunTimeError& error) {
      QCOMPARE(error.Number(), 6);
    }
    QCOMPARE(window.Altezza, 5.0);
    QCOMPARE(services.calls, std::vector<std::string>{"Text TxtAltezza"});
  }

  void dispatchReportsAndGoesOn() {
    RecordingServices services;
    services.texts["TxtAltezza"] = "1e400";
    Supeficie window(services);
    gavrento::DispatchClick(window, "CmdCalcola", services);
    QCOMPARE(services.calls.back(), kOverflowReport);
    services.texts["TxtAltezza"] = "180";
    gavrento::DispatchClick(window, "CmdCalcola", services);
    QCOMPARE(services.texts["TxtGavrentoUomo"], std::string(gavrento::test::Worked("180").uomo));
  }

  void bindings_data() {
    Columns<QString, bool>("control", "bound");
    QTest::newRow("Calcola") << "CmdCalcola" << true;
    QTest::newRow("Cancella") << "CmdCancella" << true;
    QTest::newRow("Uscita") << "CmdUscita" << true;
    QTest::newRow("a text box") << "TxtAltezza" << false;
    QTest::newRow("a label") << "Label2" << false;
  }
  void bindings() {
    QFETCH(QString, control);
    QFETCH(bool, bound);
    RecordingServices services;
    Supeficie window(services);
    QCOMPARE(window.HasClickHandler(control.toStdString()), bound);
  }

  void uscitaEndsTheProgram() {
    RecordingServices services;
    Supeficie window(services);
    QVERIFY_THROWS_EXCEPTION(RecordingServices::Ended, window.Click("CmdUscita"));
  }
};

QTEST_APPLESS_MAIN(TestHandlers)
#include "test_handlers.moc"
