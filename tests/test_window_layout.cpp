// The window as it is drawn: every control where the layout puts it, with its caption,
// font and alignment, and the formula lines on the window's surface.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <utility>

#include "window_fixture.h"

using gavrento::test::WindowFixture;

namespace {

enum Kind { kLabel, kBox, kButton };

struct Expected {
  const char* name;
  Kind kind;
  const char* caption;
  QRect geometry;  // pixels
  const char* family;
  int pixel_size;
  bool bold;
  bool italic;
  Qt::Alignment horizontal;
};

constexpr Qt::Alignment kL = Qt::AlignLeft;
constexpr Qt::Alignment kC = Qt::AlignHCenter;
const char* const kSans = "Liberation Sans";
const char* const kSerif = "EB Garamond 12";
const char* const kVerdana = "DejaVu Sans";

// In pixels, as the window must show them at 96 dots per inch.
// clang-format off
const Expected kExpected[] = {
    {"LBLIntestazione",  kLabel,  "CALCOLO DEL",                                        {40, 8, 313, 20},    kSerif,   19, true,  false, kC},
    {"LBLIntestazione2", kLabel,  "GAVRENTO",                                           {40, 32, 313, 20},   kSerif,   19, true,  false, kC},
    {"Label4",           kLabel,  "(Utilizzare il punto come separatore dei decimali)", {88, 56, 241, 17},   kSans,    11, false, false, kL},
    {"LBLAltezza",       kLabel,  "ALTEZZA",                                            {168, 80, 65, 17},   kSans,    13, false, false, kL},
    {"Label15",          kLabel,  " in cm  ",                                           {176, 96, 121, 17},  kSans,    13, false, false, kL},
    {"TxtAltezza",       kBox,    "",                                                   {168, 120, 57, 17},  kSans,    11, false, false, kC},
    {"CmdCalcola",       kButton, "Calcola",                                            {160, 344, 81, 25},  kSans,    13, false, false, kC},
    {"LBLFattore",       kLabel,  "GAVRENTO UOMO",                                      {24, 384, 185, 17},  kSerif,   15, false, true,  kL},
    {"Label14",          kLabel,  "GAVRENTO DONNA",                                     {224, 384, 185, 17}, kSerif,   15, false, true,  kL},
    {"TxtGavrentoUomo",  kBox,    "",                                                   {64, 408, 57, 17},   kSans,    11, false, false, kC},
    {"TxtGavrentoDonna", kBox,    "",                                                   {272, 408, 57, 17},  kSans,    11, false, false, kC},
    {"CmdCancella",      kButton, "Cancella",                                           {40, 448, 81, 25},   kSans,    13, false, false, kC},
    {"Label2",           kLabel,  "Versione 1.0",                                       {152, 448, 93, 23},  kVerdana, 13, true,  false, kL},
    {"CmdUscita",        kButton, "Uscita",                                             {272, 448, 81, 25},  kSans,    13, false, false, kC},
    {"Label1",           kLabel,  "di Marco Ferri",                                     {128, 480, 141, 23}, kVerdana, 13, false, true,  kL},
    {"LBLFormula",       kLabel,  "Formula Utilizzata",                                 {24, 168, 121, 17},  kSans,    13, false, false, kL},
    {"Label5",           kLabel,  "Gavrento Uomo",                                      {24, 192, 121, 17},  kSans,    13, false, false, kL},
    {"Label3",           kLabel,  "( Altezza - 152,4 )  ",                              {168, 168, 121, 17}, kSans,    13, false, false, kL},
    {"LBLFormula2",      kLabel,  "2,54",                                               {200, 200, 41, 17},  kSans,    13, false, false, kL},
    {"Label6",           kLabel,  "x  2,3",                                             {288, 184, 41, 17},  kSans,    13, false, false, kL},
    {"Label7",           kLabel,  "+  50",                                              {336, 184, 41, 17},  kSans,    13, false, false, kL},
    {"Label10",          kLabel,  "Formula Utilizzata",                                 {24, 256, 121, 17},  kSans,    13, false, false, kL},
    {"Label11",          kLabel,  "Gavrento Donna",                                     {24, 280, 121, 17},  kSans,    13, false, false, kL},
    {"Label9",           kLabel,  "( Altezza - 152,4 )  ",                              {168, 256, 121, 17}, kSans,    13, false, false, kL},
    {"Label8",           kLabel,  "2,54",                                               {200, 288, 41, 17},  kSans,    13, false, false, kL},
    {"Label12",          kLabel,  "x  2,3",                                             {288, 272, 41, 17},  kSans,    13, false, false, kL},
    {"Label13",          kLabel,  "+  45,5",                                            {336, 272, 41, 17},  kSans,    13, false, false, kL},
};

// The lines' end points in pixels, in the order stored.
const struct { const char* name; QPoint from; QPoint to; } kLines[] = {
    {"Line5",  {160, 192}, {272, 192}}, {"Line2",  {152, 224}, {152, 160}},
    {"Line4",  {152, 160}, {168, 160}}, {"Line3",  {152, 224}, {168, 224}},
    {"Line6",  {312, 160}, {328, 160}}, {"Line7",  {328, 224}, {328, 160}},
    {"Line8",  {312, 224}, {328, 224}}, {"Line1",  {160, 280}, {272, 280}},
    {"Line10", {152, 312}, {152, 248}}, {"Line9",  {152, 248}, {168, 248}},
    {"Line11", {152, 312}, {168, 312}}, {"Line12", {312, 248}, {328, 248}},
    {"Line13", {328, 312}, {328, 248}}, {"Line14", {312, 312}, {328, 312}},
};
// clang-format on

QString Caption(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
  return qobject_cast<const QLineEdit*>(widget)->text();
}

Qt::Alignment HorizontalAlignment(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return label->alignment() & Qt::AlignHorizontal_Mask;
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
    return box->alignment() & Qt::AlignHorizontal_Mask;
  }
  return Qt::AlignHCenter;  // push buttons centre their captions
}

}  // namespace

class TestWindowLayout : public QObject {
  Q_OBJECT

 private slots:
  void window() {
    WindowFixture fixture;
    QWidget& window = fixture.Window();
    QCOMPARE(window.objectName(), QString("Supeficie"));
    QCOMPARE(window.windowTitle(), QString("Calcolo del Gavrento dell'Uomo e della Donna"));
    QCOMPARE(window.size(), QSize(391, 514));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const qreal ratio = window.devicePixelRatioF();
    QCOMPARE(window.grab().size(), QSize(qRound(391 * ratio), qRound(514 * ratio)));
  }

  void control_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kExpected)); ++row) {
      QTest::newRow(kExpected[row].name) << row;
    }
  }
  void control() {
    QFETCH(int, row);
    const Expected& expected = kExpected[row];
    WindowFixture fixture;
    const auto* widget = fixture.Window().findChild<QWidget*>(expected.name);
    QVERIFY(widget != nullptr);
    switch (expected.kind) {
      case kLabel:
        QVERIFY(qobject_cast<const QLabel*>(widget));
        break;
      case kBox:
        QVERIFY(qobject_cast<const QLineEdit*>(widget));
        break;
      case kButton:
        QVERIFY(qobject_cast<const QPushButton*>(widget));
        break;
    }
    QCOMPARE(widget->geometry(), expected.geometry);
    QCOMPARE(Caption(widget), QString(expected.caption));
    const QFontInfo font(widget->font());
    QCOMPARE(font.family(), QString(expected.family));
    QCOMPARE(font.pixelSize(), expected.pixel_size);
    QCOMPARE(font.bold(), expected.bold);
    QCOMPARE(font.italic(), expected.italic);
    QCOMPARE(HorizontalAlignment(widget), expected.horizontal);
    QVERIFY(widget->isVisible() && widget->isEnabled());
  }

  void everyControlIsListed() {
    WindowFixture fixture;
    QCOMPARE(fixture.Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
             qsizetype(std::size(kExpected)));
  }

  void labelsAreOpaqueAndWrapFromTheTop() {
    WindowFixture fixture;
    for (const QLabel* label : fixture.Window().findChildren<QLabel*>()) {
      QVERIFY2(label->autoFillBackground(), qPrintable(label->objectName()));
      QVERIFY(label->wordWrap());
      QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
      QCOMPARE(label->frameShape(), QFrame::NoFrame);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
  }

  void textBoxesAreEditableWithTheDefaultLimit() {
    WindowFixture fixture;
    for (const QLineEdit* box : fixture.Window().findChildren<QLineEdit*>()) {
      QVERIFY(!box->isReadOnly());
      QCOMPARE(box->maxLength(), QLineEdit().maxLength());
    }
  }

  void textBoxesAreNamedForScreenReaders_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("height") << "TxtAltezza"
                            << "ALTEZZA in cm";
    QTest::newRow("man") << "TxtGavrentoUomo"
                         << "GAVRENTO UOMO";
    QTest::newRow("woman") << "TxtGavrentoDonna"
                           << "GAVRENTO DONNA";
  }
  void textBoxesAreNamedForScreenReaders() {
    QFETCH(QString, box);
    QFETCH(QString, name);
    WindowFixture fixture;
    QCOMPARE(fixture.Box(qPrintable(box))->accessibleName(), name);
  }

  // Each line shows its colour at both ends and in the middle wherever no control covers
  // it; the background shows just beyond each end and on both sides of the middle.
  void lines_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    for (const auto& line : kLines) QTest::newRow(line.name) << line.from << line.to;
  }
  void lines() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    WindowFixture fixture;
    QWidget& window = fixture.Window();
    const QImage image = window.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QColor ink(Qt::black);  // the desktop colour's stand-in, legible on the light face
    const QColor face = window.palette().color(QPalette::Button);
    const auto colour_at = [&](const QPoint& point) -> std::optional<QColor> {
      if (window.childAt(point) != nullptr) return std::nullopt;  // a control covers it
      return image.pixelColor(point * ratio);
    };
    const QPoint along((to.x() > from.x()) - (to.x() < from.x()),
                       (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint across(along.y(), along.x());
    const QPoint middle = (from + to) / 2;
    const std::pair<QPoint, QColor> expectations[] = {
        {from, ink},
        {to, ink},
        {middle, ink},
        {from - along, face},
        {to + along, face},
        {middle + across, face},
        {middle - across, face},
    };
    int checked = 0;
    for (const auto& [point, colour] : expectations) {
      if (const auto seen = colour_at(point)) {
        QCOMPARE(*seen, colour);
        ++checked;
      }
    }
    QVERIFY(checked >= 5);
  }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
