// The window rules both toolkits take their answers from, on the real records and on
// small ones made to break a wrong rule.
#include <QtTest>
#include <algorithm>
#include <functional>
#include <string>

#include "runtime/arrangement.h"
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

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The pixels of a grid's tracks before a line, counted from 1; whether those between two
// lines keep their pixels.
int Offset(const std::vector<GridTrack>& tracks, int line) {
  int pixels = 0;
  for (int i = 1; i < line; ++i) pixels += tracks[i - 1].pixels;
  return pixels;
}
bool AllExact(const std::vector<GridTrack>& tracks, int line, int end) {
  return std::all_of(tracks.begin() + line - 1, tracks.begin() + end - 1,
                     [](const GridTrack& track) { return track.size == TrackSize::kExactly; });
}

// A record's box as the records draw it, and its place on a grid.
PixelBox BoxNamed(std::string_view name) {
  const auto line = std::find_if(kSupeficie.lines.begin(), kSupeficie.lines.end(),
                                 [name](const LineRecord& l) { return l.name == name; });
  return line != kSupeficie.lines.end() ? LineBox(*line)
                                        : ControlBox(*ControlNamed(kSupeficie, name));
}
const GridPlace& Place(const GridArrangement& grid, std::string_view name) {
  return *std::find_if(grid.places.begin(), grid.places.end(),
                       [name](const GridPlace& place) { return place.name == name; });
}

QStringList TabWalk(const WindowRecord& window) {
  QStringList names;
  for (const std::size_t index : TabOrder(window)) {
    names << Text(window.controls[index].name);
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

  // The records' grid (whose boxes the page's tests check) keeps exact only a line's pen and
  // the strip " in cm  " shares with "ALTEZZA": every text's tracks may grow.
  void recordsArrangement() {
    const GridArrangement grid = RecordsArrangement(kSupeficie);
    for (const GridPlace& place : grid.places) {
      const PixelBox box = BoxNamed(place.name);
      const bool line = ControlNamed(kSupeficie, place.name) == nullptr;
      QCOMPARE(AllExact(grid.columns, place.column, place.column_end), line && box.width == 1);
      QCOMPARE(AllExact(grid.rows, place.row, place.row_end), line && box.height == 1);
    }
    QVERIFY(AllExact(grid.rows, Place(grid, "Label15").row, Place(grid, "LBLAltezza").row_end));
  }

  // The narrow one: the groups in reading order as wide as the screen, what is tapped large
  // enough for a finger; each formula, its brackets and what they hold, as the records draw it.
  void narrowArrangement() {
    const GridArrangement grid = NarrowArrangement(kSupeficie);
    QCOMPARE(grid.places.size(), kSupeficie.controls.size() + kSupeficie.lines.size());
    QMap<int, QString> stacked;
    for (const GridPlace& place : grid.places) {
      if (place.column != 2 || place.column_end != static_cast<int>(grid.columns.size())) continue;
      stacked[place.row] = Text(place.name);
      const bool tapped = TakesFocus(*ControlNamed(kSupeficie, place.name));
      QCOMPARE(place.least_height >= 44 && place.font_pixels >= 16, tapped);
    }
    QCOMPARE(stacked.values(),
             QStringList({"LBLIntestazione", "LBLIntestazione2", "Label4", "LBLAltezza", "Label15",
                          "TxtAltezza", "CmdCalcola", "LBLFattore", "TxtGavrentoUomo", "Label14",
                          "TxtGavrentoDonna", "CmdCancella", "CmdUscita", "LBLFormula", "Label5",
                          "Label10", "Label11", "Label2", "Label1"}));
    for (const QStringList& formula :
         {QStringList{"Label3", "LBLFormula2", "Label6", "Label7", "Line2", "Line3", "Line4",
                      "Line5", "Line6", "Line7", "Line8"},
          QStringList{"Label9", "Label8", "Label12", "Label13", "Line1", "Line9", "Line10",
                      "Line11", "Line12", "Line13", "Line14"}}) {
      const GridPlace& first = Place(grid, formula[0].toStdString());
      for (const QString& name : formula) {
        const GridPlace& place = Place(grid, name.toStdString());
        QCOMPARE(Offset(grid.columns, place.column) - Offset(grid.columns, first.column),
                 BoxNamed(place.name).left - BoxNamed(first.name).left);
        QCOMPARE(Offset(grid.rows, place.row) - Offset(grid.rows, first.row),
                 BoxNamed(place.name).top - BoxNamed(first.name).top);
      }
    }
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
