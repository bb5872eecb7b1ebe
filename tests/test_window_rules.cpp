// The window rules both toolkits take their answers from, on the real records and on
// small ones made to break a wrong rule.
#include <QtTest>
#include <algorithm>
#include <functional>
#include <string>

#include "runtime/form.h"
#include "runtime/message_box.h"
#include "runtime/run_time_error.h"
#include "runtime/window_rules.h"
#include "test_table.h"
#include "window/supeficie_record.h"

using gavrento::test::Columns;
using namespace gavrento;  // NOLINT(google-build-using-namespace): a test of the namespace

namespace {

// The error number a call raises, or 0 when it raises none.
int ErrorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RunTimeError& error) {
    return error.Number();
  }
  return 0;
}

class FormWithHandler : public Form {
 public:
  bool HasClickHandler(std::string_view control) const override { return control == "Cmd1"; }
  void Click(std::string_view /*control*/) override {}
};

// Tab indexes out of record order, and a label among the controls.
constexpr ControlRecord kShuffled[] = {
    {.name = "Cmd1", .kind = ControlKind::kCommandButton, .tab_index = 3},
    {.name = "Label1", .kind = ControlKind::kLabel, .tab_index = 0},
    {.name = "Txt1", .kind = ControlKind::kTextBox, .tab_index = 1},
    {.name = "Cmd2", .kind = ControlKind::kCommandButton, .tab_index = 2},
};
constexpr WindowRecord kShuffledWindow{.controls = kShuffled};

QStringList TabWalk(const WindowRecord& window) {
  QStringList names;
  for (const std::size_t index : TabOrder(window)) {
    names << QString::fromUtf8(window.controls[index].name.data(),
                               static_cast<qsizetype>(window.controls[index].name.size()));
  }
  return names;
}

}  // namespace

class TestWindowRules : public QObject {
  Q_OBJECT

 private slots:
  void tabOrder() {
    QCOMPARE(TabWalk(kSupeficie),
             QStringList({"CmdUscita", "CmdCalcola", "CmdCancella", "TxtAltezza", "TxtGavrentoUomo",
                          "TxtGavrentoDonna"}));
    QCOMPARE(TabWalk(kShuffledWindow), QStringList({"Txt1", "Cmd2", "Cmd1"}));
    QCOMPARE(FirstInTabOrder(kShuffledWindow)->name, "Txt1");
    QCOMPARE(FirstInTabOrder(WindowRecord{}), nullptr);
  }

  void clickHandlers() {
    const FormWithHandler form;
    QVERIFY(RunsClickHandler(kShuffled[0], form));
    QVERIFY(!RunsClickHandler(kShuffled[3], form));  // a button the window has no handler for
    const ControlRecord label_named_cmd1{.name = "Cmd1", .kind = ControlKind::kLabel};
    QVERIFY(!RunsClickHandler(label_named_cmd1, form));
  }

  void textBoxes_data() {
    Columns<QString, int>("name", "error");
    QTest::newRow("a text box") << "TxtGavrentoUomo" << 0;
    QTest::newRow("a button") << "CmdCalcola" << 440;
    QTest::newRow("a label") << "Label1" << 440;
    QTest::newRow("no such control") << "TxtPeso" << 440;
  }
  void textBoxes() {
    QFETCH(QString, name);
    QFETCH(int, error);
    const std::string text = name.toStdString();
    QCOMPARE(ErrorNumberOf([&] { QCOMPARE(TextBoxRecord(kSupeficie, text).name, text); }), error);
  }

  // What a screen reader says on either system: the boxes by the captions over them.
  void accessibleNames_data() {
    Columns<QString, QString>("control", "name");
    QTest::newRow("the height box") << "TxtAltezza"
                                    << "ALTEZZA in cm";
    QTest::newRow("the man's box") << "TxtGavrentoUomo"
                                   << "GAVRENTO UOMO";
    QTest::newRow("the woman's box") << "TxtGavrentoDonna"
                                     << "GAVRENTO DONNA";
    QTest::newRow("a button") << "CmdCalcola"
                              << "Calcola";
    QTest::newRow("a label") << "Label15"
                             << " in cm  ";
  }
  void accessibleNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    const ControlRecord* found = ControlNamed(kSupeficie, control.toStdString());
    QVERIFY(found != nullptr);
    QCOMPARE(QString::fromStdString(std::string(AccessibleName(*found))), name);
  }

  void alignment_data() {
    Columns<ControlRecord, Alignment>("record", "shown");
    QTest::newRow("label, none given") << ControlRecord{} << Alignment::kLeft;
    QTest::newRow("label, right") << ControlRecord{.align = Alignment::kRight} << Alignment::kRight;
    QTest::newRow("text box, centre")
        << ControlRecord{.kind = ControlKind::kTextBox, .align = Alignment::kCentre}
        << Alignment::kCentre;
    QTest::newRow("button, none given")
        << ControlRecord{.kind = ControlKind::kCommandButton} << Alignment::kCentre;
    QTest::newRow("button, left") << ControlRecord{.kind = ControlKind::kCommandButton,
                                                   .align = Alignment::kLeft}
                                  << Alignment::kCentre;
  }
  void alignment() {
    QFETCH(ControlRecord, record);
    QFETCH(Alignment, shown);
    QCOMPARE(AlignmentOf(record), shown);
  }

  void messageBoxStyles_data() {
    Columns<int, MessageIcon, int>("style", "icon", "error");
    QTest::newRow("OK alone") << 0 << MessageIcon::kNone << 0;
    QTest::newRow("critical") << 16 << MessageIcon::kCritical << 0;
    QTest::newRow("question") << 32 << MessageIcon::kQuestion << 0;
    QTest::newRow("exclamation") << 48 << MessageIcon::kExclamation << 0;
    QTest::newRow("information") << 64 << MessageIcon::kInformation << 0;
    QTest::newRow("OK and Cancel") << 64 + 1 << MessageIcon::kNone << 5;
    QTest::newRow("no such icon") << 80 << MessageIcon::kNone << 5;
  }
  void messageBoxStyles() {
    QFETCH(int, style);
    QFETCH(MessageIcon, icon);
    QFETCH(int, error);
    MessageIcon shown = MessageIcon::kNone;
    QCOMPARE(ErrorNumberOf([&] { shown = MessageBoxIcon(style); }), error);
    QCOMPARE(shown, icon);
  }

  void messageBoxTitles() {
    QCOMPARE(MessageBoxTitle(Omitted{}, "Gavrento", ","), "Gavrento");
    QCOMPARE(MessageBoxTitle(std::string("ATTENZIONE"), "Gavrento", ","), "ATTENZIONE");
    QCOMPARE(MessageBoxTitle(1.5, "Gavrento", ","), "1,5");
  }
};

QTEST_APPLESS_MAIN(TestWindowRules)
#include "test_window_rules.moc"
