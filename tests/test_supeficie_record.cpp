// The window's records against its design, worked out by hand: every text box and button and
// a handful of labels, the odd ones among them, their twips and points converted to pixels at
// 96 dots per inch (15 twips and 0.75 points a pixel); and the two formula diagrams, one the
// other moved down. Every other test of the window takes its expectations from the records,
// so this is where a wrong number in them is caught.
#include <QtTest>
#include <algorithm>
#include <string_view>

#include "record_pixels.h"
#include "runtime/progetto.h"
#include "window/supeficie_record.h"

namespace {

using gavrento::Alignment;
using gavrento::ControlKind;
using gavrento::ControlRecord;
using gavrento::kSupeficie;
using gavrento::LineRecord;
using gavrento::test::Pixels;
using gavrento::test::Text;

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kBox = ControlKind::kTextBox;
constexpr ControlKind kButton = ControlKind::kCommandButton;

struct DesignedControl {
  const char* name;
  ControlKind kind;
  const char* caption;
  QRect pixels;
  const char* face;
  int font_pixels;
  bool bold;
  bool italic;
  int colour;
  Alignment align;
  int tab_index;
  const char* accessible_name;
};

constexpr Alignment kL = Alignment::kLeft;
constexpr Alignment kC = Alignment::kCentre;
constexpr Alignment kNone = Alignment::kLeft;  // a button's record gives none: the default

// clang-format off
const DesignedControl kDesign[] = {
    // The heading: centred, in the highlight colour, and first of all in tab order.
    {"LBLIntestazione",  kLabel,  "CALCOLO DEL",            {40, 8, 313, 20},    "Garamond",      19, true,  false, 13, kC,    0,  ""},
    {"Label4",           kLabel,  "(Utilizzare il punto come separatore dei decimali)",
                                                            {88, 56, 241, 17},   "MS Sans Serif", 11, false, false, 13, kL,    14, ""},
    // " in cm  " keeps its blanks, and its top pixel row overlaps "ALTEZZA"'s last.
    {"LBLAltezza",       kLabel,  "ALTEZZA",                {168, 80, 65, 17},   "MS Sans Serif", 13, false, false, 1,  kL,    6,  ""},
    {"Label15",          kLabel,  " in cm  ",               {176, 96, 121, 17},  "MS Sans Serif", 13, false, false, 1,  kL,    26, ""},
    // Reaches past the right edge of the window, 391 pixels wide.
    {"Label14",          kLabel,  "GAVRENTO DONNA",         {224, 384, 185, 17}, "Garamond",      15, false, true,  1,  kL,    24, ""},
    {"Label2",           kLabel,  "Versione 1.0",           {152, 448, 93, 23},  "Verdana",       13, true,  false, 13, kL,    4,  ""},
    {"Label1",           kLabel,  "di Marco Ferri",         {128, 480, 141, 23}, "Verdana",       13, false, true,  13, kL,    5,  ""},
    {"Label3",           kLabel,  "( Altezza - 152,4 )  ",  {168, 168, 121, 17}, "MS Sans Serif", 13, false, false, 1,  kL,    11, ""},
    {"Label13",          kLabel,  "+  45,5",                {336, 272, 41, 17},  "MS Sans Serif", 13, false, false, 1,  kL,    23, ""},
    {"TxtAltezza",       kBox,    "",                       {168, 120, 57, 17},  "MS Sans Serif", 11, false, false, -1, kC,    7,  "ALTEZZA in cm"},
    {"TxtGavrentoUomo",  kBox,    "",                       {64, 408, 57, 17},   "MS Sans Serif", 11, false, false, -1, kC,    8,  "GAVRENTO UOMO"},
    {"TxtGavrentoDonna", kBox,    "",                       {272, 408, 57, 17},  "MS Sans Serif", 11, false, false, -1, kC,    25, "GAVRENTO DONNA"},
    {"CmdUscita",        kButton, "Uscita",                 {272, 448, 81, 25},  "MS Sans Serif", 13, false, false, -1, kNone, 1,  ""},
    {"CmdCancella",      kButton, "Cancella",               {40, 448, 81, 25},   "MS Sans Serif", 13, false, false, -1, kNone, 3,  ""},
    {"CmdCalcola",       kButton, "Calcola",                {160, 344, 81, 25},  "MS Sans Serif", 13, false, false, -1, kNone, 2,  ""},
};

// End points in pixels, in the order stored: an upright drawn upwards, a fraction bar, and
// the last bracket arm of the woman's diagram.
const struct { const char* name; QPoint from; QPoint to; } kDesignedLines[] = {
    {"Line7",  {328, 224}, {328, 160}},
    {"Line1",  {160, 280}, {272, 280}},
    {"Line14", {312, 312}, {328, 312}},
};
// clang-format on

const ControlRecord* FindControl(std::string_view name) {
  const auto found = std::ranges::find(kSupeficie.controls, name, &ControlRecord::name);
  return found == kSupeficie.controls.end() ? nullptr : &*found;
}

}  // namespace

class TestSupeficieRecord : public QObject {
  Q_OBJECT

 private slots:
  void window() {
    QCOMPARE(Text(kSupeficie.name), QString("Supeficie"));
    QCOMPARE(Text(kSupeficie.caption), QString("Calcolo del Gavrento dell'Uomo e della Donna"));
    QCOMPARE(gavrento::TwipsToPixels(kSupeficie.client_width), 391);
    QCOMPARE(gavrento::TwipsToPixels(kSupeficie.client_height), 514);
    QCOMPARE(Text(kSupeficie.font.face), QString("MS Sans Serif"));
    QCOMPARE(gavrento::PointsToPixels(kSupeficie.font.size), 16);
    QCOMPARE(kSupeficie.back_colour, 15);
    const auto count = [](ControlKind kind) {
      return std::ranges::count(kSupeficie.controls, kind, &ControlRecord::kind);
    };
    QCOMPARE(count(kLabel), 21);
    QCOMPARE(count(kBox), 3);
    QCOMPARE(count(kButton), 3);
    QCOMPARE(kSupeficie.lines.size(), std::size_t{14});
  }

  void control_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kDesign)); ++row) {
      QTest::newRow(kDesign[row].name) << row;
    }
  }
  void control() {
    QFETCH(int, row);
    const DesignedControl& design = kDesign[row];
    const ControlRecord* record = FindControl(design.name);
    QVERIFY(record != nullptr);
    QVERIFY(record->kind == design.kind);
    QCOMPARE(Text(record->caption), QString(design.caption));
    QCOMPARE(Pixels(*record), design.pixels);
    QCOMPARE(Text(record->font.face), QString(design.face));
    QCOMPARE(gavrento::PointsToPixels(record->font.size), design.font_pixels);
    QCOMPARE(record->font.weight, design.bold ? 700 : 400);
    QCOMPARE(record->font.italic, design.italic);
    QCOMPARE(record->font.charset, 0);
    QCOMPARE(record->colour, design.colour);
    QVERIFY(record->align == design.align);
    QCOMPARE(record->tab_index, design.tab_index);
    QCOMPARE(Text(record->accessible_name), QString(design.accessible_name));
  }

  void lines() {
    for (const auto& design : kDesignedLines) {
      const auto found =
          std::ranges::find(kSupeficie.lines, std::string_view(design.name), &LineRecord::name);
      QVERIFY2(found != kSupeficie.lines.end(), design.name);
      QCOMPARE(Pixels(found->x1, found->y1), design.from);
      QCOMPARE(Pixels(found->x2, found->y2), design.to);
      QCOMPARE(found->colour, 1);
    }
  }

  // The woman's diagram is the man's moved down by 1320 twips: each label and line of one
  // has its twin in the other, the same but for the name and the addend.
  void diagramsAreTwins() {
    constexpr int kDown = 1320;
    const auto in_mans_diagram = [](int top) { return top >= 2400 && top < 2400 + kDown; };
    int labels = 0;
    for (const ControlRecord& man : kSupeficie.controls) {
      if (man.kind != kLabel || !in_mans_diagram(man.top)) continue;
      const auto woman = std::ranges::find_if(kSupeficie.controls, [&](const ControlRecord& c) {
        return c.left == man.left && c.top == man.top + kDown;
      });
      QVERIFY2(woman != kSupeficie.controls.end(), man.name.data());
      QString caption = Text(man.caption);
      caption.replace("Uomo", "Donna").replace("+  50", "+  45,5");
      QCOMPARE(Text(woman->caption), caption);
      QVERIFY(woman->width == man.width && woman->height == man.height);
      QVERIFY(woman->font.face == man.font.face && woman->font.size == man.font.size);
      QCOMPARE(woman->colour, man.colour);
      ++labels;
    }
    QCOMPARE(labels, 6);
    int lines = 0;
    for (const LineRecord& man : kSupeficie.lines) {
      if (!in_mans_diagram(std::min(man.y1, man.y2))) continue;
      QVERIFY2(std::ranges::any_of(kSupeficie.lines,
                                   [&](const LineRecord& l) {
                                     return l.x1 == man.x1 && l.x2 == man.x2 &&
                                            l.y1 == man.y1 + kDown && l.y2 == man.y2 + kDown &&
                                            l.colour == man.colour;
                                   }),
               man.name.data());
      ++lines;
    }
    QCOMPARE(lines, 7);
  }

  // What the program declares about itself: Italian, one window that is also where it
  // starts, the release the build names, no help file.
  void descriptor() {
    const gavrento::ProjectDescriptor& project = gavrento::kProgetto;
    QCOMPARE(project.startup.record, &kSupeficie);
    QCOMPARE(project.window_count, 1);
    QVERIFY(project.threading == gavrento::Threading::kSingleThreaded);
    QCOMPARE(project.locale_id, 1040);
    QCOMPARE(Text(project.name), QString("Gavrento"));
    QCOMPARE(Text(project.description), QString("Gavrento"));
    QCOMPARE(Text(project.executable), QString("Gavrento"));
    QCOMPARE(Text(project.version), QString(PROJECT_VERSION));
    QVERIFY(project.help_file.empty());
  }
};

QTEST_APPLESS_MAIN(TestSupeficieRecord)
#include "test_supeficie_record.moc"
