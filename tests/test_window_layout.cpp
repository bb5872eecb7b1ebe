// How the Qt runtime turns the records into the window: every control of its record's kind,
// at its record's box through the unit conversion, with its caption, font and alignment; the
// lines on the window's surface between their end points. The records themselves are checked
// against the design in test_supeficie_record; the colours in test_window_colours.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <utility>

#include "record_pixels.h"
#include "runtime/window_rules.h"
#include "test_table.h"
#include "window/supeficie_record.h"
#include "window_fixture.h"

using gavrento::test::Columns;
using gavrento::test::Pixels;
using gavrento::test::Text;
using gavrento::test::WindowFixture;

namespace {

using gavrento::ControlKind;
using gavrento::ControlRecord;
using gavrento::kSupeficie;

bool IsOfKind(const QWidget* widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::kTextBox:
      return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::kCommandButton:
      return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::kLabel:
      break;
  }
  return qobject_cast<const QLabel*>(widget) != nullptr;
}

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
    const QSize size = QSize(gavrento::TwipsToPixels(kSupeficie.client_width),
                             gavrento::TwipsToPixels(kSupeficie.client_height));
    QCOMPARE(window.objectName(), Text(kSupeficie.name));
    QCOMPARE(window.windowTitle(), Text(kSupeficie.caption));
    QCOMPARE(window.size(), size);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.grab().size(), size * window.devicePixelRatioF());
  }

  // Every record becomes its control: of its kind, at its box, with its caption, font and
  // alignment, shown and enabled.
  void control_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kSupeficie.controls.size(); ++i) {
      QTest::newRow(Text(kSupeficie.controls[i].name).toUtf8()) << int(i);
    }
  }
  void control() {
    QFETCH(int, index);
    const ControlRecord& record = kSupeficie.controls[std::size_t(index)];
    WindowFixture fixture;
    const auto* widget = fixture.Window().findChild<QWidget*>(Text(record.name));
    QVERIFY(widget != nullptr);
    QVERIFY(IsOfKind(widget, record.kind));
    QCOMPARE(widget->geometry(), Pixels(record));
    QCOMPARE(Caption(widget), Text(record.caption));
    const QFontInfo font(widget->font());
    QCOMPARE(font.family(), Text(gavrento::StandInFace(record.font.face)));
    QCOMPARE(font.pixelSize(), gavrento::PointsToPixels(record.font.size));
    QCOMPARE(font.bold(), record.font.weight == gavrento::kBold);
    QCOMPARE(font.italic(), record.font.italic);
    QCOMPARE(HorizontalAlignment(widget),
             gavrento::AlignmentOf(record) == gavrento::Alignment::kCentre ? Qt::AlignHCenter
                                                                           : Qt::AlignLeft);
    QVERIFY(widget->isVisible() && widget->isEnabled());
  }

  void everyControlIsListed() {
    WindowFixture fixture;
    QCOMPARE(
        std::size_t(fixture.Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()),
        kSupeficie.controls.size());
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

  void textBoxesAreNamedForScreenReaders() {
    WindowFixture fixture;
    for (const ControlRecord& record : kSupeficie.controls) {
      if (record.kind != ControlKind::kTextBox) continue;
      QCOMPARE(fixture.Box(Text(record.name).toUtf8())->accessibleName(),
               Text(record.accessible_name));
    }
  }

  // Each line shows its colour at both ends and in the middle wherever no control covers
  // it; the background shows just beyond each end and on both sides of the middle.
  void lines_data() {
    Columns<QPoint, QPoint>("from", "to");
    for (const gavrento::LineRecord& line : kSupeficie.lines) {
      QTest::newRow(Text(line.name).toUtf8())
          << Pixels(line.x1, line.y1) << Pixels(line.x2, line.y2);
    }
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
