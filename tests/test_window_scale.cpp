// The window on a high-density screen: twice the device pixels, the same layout, every
// caption still on one line inside its box. Run once at each scale factor.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "window_fixture.h"

using gavrento::test::WindowFixture;

class TestWindowScale : public QObject {
  Q_OBJECT

 private slots:
  void windowHasTheDevicePixelsOfItsScale() {
    const int scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR")
                          : 1;
    WindowFixture fixture;
    const QPixmap shot = fixture.Window().grab();
    QCOMPARE(shot.devicePixelRatio(), qreal(scale));
    QCOMPARE(shot.size(), QSize(391, 514) * scale);
  }

  void captionsFitOnOneLine() {
    WindowFixture fixture;
    for (const QWidget* widget : fixture.Window().findChildren<QWidget*>()) {
      QString caption;
      if (const auto* label = qobject_cast<const QLabel*>(widget)) caption = label->text();
      if (const auto* button = qobject_cast<const QPushButton*>(widget)) caption = button->text();
      if (caption.isEmpty()) continue;
      const QFontMetrics metrics(widget->font());
      const QRect needed =
          metrics.boundingRect(QRect(QPoint(), widget->size()), Qt::TextWordWrap, caption);
      const QString what = widget->objectName() + ": " + caption;
      QVERIFY2(needed.width() <= widget->width(), qPrintable(what));
      QVERIFY2(needed.height() <= widget->height(), qPrintable(what));
      QVERIFY2(needed.height() <= metrics.height() + 1, qPrintable(what + " wraps"));
    }
  }
};

QTEST_MAIN(TestWindowScale)
#include "test_window_scale.moc"
