// What the Linux desktop-integration files say: the entry a menu shows, the facts a software
// centre shows, in English and Italian, and a changelog whose newest entry is this release.
// The version and the application id are filled in from CMakeLists.txt by the build; the
// freedesktop validators check the formats themselves.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtTest>

#include "../packaging/test_support/packaging_paths.h"
#include "test_table.h"

using gavrento::test::Columns;
using namespace Qt::StringLiterals;

namespace {

QString packagingPath(const QString& relative) {
  return QDir(QString::fromUtf8(packaging_paths::sourceDir())).filePath(relative);
}

QString readText(const QString& relative) {
  QFile file(packagingPath(relative));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Keys of the [Desktop Entry] group; other groups (actions) are ignored.
QMap<QString, QString> desktopEntry(const QString& text) {
  QMap<QString, QString> entries;
  QString group;
  for (const QString& rawLine : text.split(u'\n')) {
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[')) {
      group = line;
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (group == u"[Desktop Entry]" && equals > 0) {
      entries.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
  }
  return entries;
}

// Text of every element, keyed by "path/to/element" plus "[lang]" when xml:lang is set, and
// every attribute as "path/to/element@name".
QMap<QString, QStringList> xmlFacts(const QString& text, QString* error) {
  QMap<QString, QStringList> facts;
  QXmlStreamReader xml(text);
  QStringList path;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      path << xml.name().toString();
      const QString key = path.join(u'/');
      for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.qualifiedName() != u"xml:lang") {
          facts[key + u'@' + attribute.qualifiedName().toString()] << attribute.value().toString();
        }
      }
      const QString lang = xml.attributes().value(u"xml:lang"_s).toString();
      const QString suffix = lang.isEmpty() ? QString() : u'[' + lang + u']';
      if (xml.name() != u"description" && xml.name() != u"screenshots" &&
          xml.name() != u"screenshot" && xml.name() != u"releases" && xml.name() != u"provides" &&
          xml.name() != u"categories" && xml.name() != u"component" && xml.name() != u"svg" &&
          xml.name() != u"g") {
        facts[key + suffix]
            << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        path.removeLast();
      }
    } else if (xml.isEndElement()) {
      path.removeLast();
    }
  }
  if (xml.hasError()) *error = xml.errorString();
  return facts;
}

}  // namespace

class PackagingFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void desktopEntryKeys_data();
  void desktopEntryKeys();
  void desktopEntryHasTranslatedComment();
  void metainfoFacts_data();
  void metainfoFacts();
  void metainfoHasItalianTexts_data();
  void metainfoHasItalianTexts();
  void svgIsTheSquareIcon();
  void manPageNamesTheProgram();
  void changelogIsForThisRelease();

 private:
  QMap<QString, QString> desktop_;
  QMap<QString, QStringList> metainfo_;
};

void PackagingFilesTest::initTestCase() {
  desktop_ = desktopEntry(readText(u"gavrento.desktop"_s));
  QVERIFY(!desktop_.isEmpty());
  QString error;
  metainfo_ = xmlFacts(readText(u"gavrento.metainfo.xml.in"_s), &error);
  QVERIFY2(error.isEmpty(), qPrintable(error));
  QVERIFY(!metainfo_.isEmpty());
}

void PackagingFilesTest::desktopEntryKeys_data() {
  Columns<QString, QString>("key", "expected");
  QTest::newRow("Type") << "Type"
                        << "Application";
  QTest::newRow("Name") << "Name"
                        << "Gavrento";
  QTest::newRow("Exec runs the installed binary") << "Exec"
                                                  << "gavrento";
  QTest::newRow("Icon names the hicolor icon") << "Icon"
                                               << "gavrento";
  QTest::newRow("Terminal") << "Terminal"
                            << "false";
}

void PackagingFilesTest::desktopEntryKeys() {
  QFETCH(QString, key);
  QFETCH(QString, expected);
  QCOMPARE(desktop_.value(key), expected);
}

void PackagingFilesTest::desktopEntryHasTranslatedComment() {
  const QString english = desktop_.value(u"Comment"_s);
  const QString italian = desktop_.value(u"Comment[it]"_s);
  QVERIFY(!english.isEmpty());
  QVERIFY(!italian.isEmpty());
  QVERIFY2(english != italian, "Comment[it] is not translated");
  QVERIFY(desktop_.value(u"Categories"_s).split(u';', Qt::SkipEmptyParts).size() >= 1);
}

void PackagingFilesTest::metainfoFacts_data() {
  Columns<QString, QString>("fact", "expected");
  QTest::newRow("type") << "component@type"
                        << "desktop-application";
  QTest::newRow("metadata licence") << "component/metadata_license"
                                    << "CC0-1.0";
  QTest::newRow("project licence") << "component/project_license"
                                   << "MIT";
  QTest::newRow("name") << "component/name"
                        << "Gavrento";
  QTest::newRow("release date") << "component/releases/release@date"
                                << "2026-12-07";
  QTest::newRow("binary") << "component/provides/binary"
                          << "gavrento";
  QTest::newRow("launchable type") << "component/launchable@type"
                                   << "desktop-id";
  QTest::newRow("screenshot") << "component/screenshots/screenshot/image"
                              << "https://gavrento.example.org/screenshot.png";
}

void PackagingFilesTest::metainfoFacts() {
  QFETCH(QString, fact);
  QFETCH(QString, expected);
  QCOMPARE(metainfo_.value(fact), QStringList{expected});
}

void PackagingFilesTest::metainfoHasItalianTexts_data() {
  QTest::addColumn<QString>("element");
  QTest::newRow("summary") << "component/summary";
  QTest::newRow("description") << "component/description/p";
  QTest::newRow("screenshot caption") << "component/screenshots/screenshot/caption";
}

void PackagingFilesTest::metainfoHasItalianTexts() {
  QFETCH(QString, element);
  const QStringList english = metainfo_.value(element);
  const QStringList italian = metainfo_.value(element + u"[it]"_s);
  QCOMPARE(english.size(), italian.size());
  QVERIFY(!english.isEmpty());
  for (qsizetype i = 0; i < english.size(); ++i) {
    QVERIFY(!italian[i].isEmpty());
    QVERIFY(english[i] != italian[i]);
  }
}

void PackagingFilesTest::svgIsTheSquareIcon() {
  QString error;
  const auto svg = xmlFacts(readText(u"icons/hicolor/scalable/apps/gavrento.svg"_s), &error);
  QVERIFY2(error.isEmpty(), qPrintable(error));
  QCOMPARE(svg.value(u"svg@viewBox"_s), QStringList{u"0 0 256 256"_s});
  QVERIFY(svg.contains(u"svg/rect"_s));
}

void PackagingFilesTest::manPageNamesTheProgram() {
  const QString page = readText(u"gavrento.1.in"_s);
  QVERIFY(page.startsWith(u".TH GAVRENTO 1 "_s));
  QVERIFY(page.contains(u".SH NAME\ngavrento \\- "_s));
}

void PackagingFilesTest::changelogIsForThisRelease() {
  const QString firstLine = readText(u"debian/changelog"_s).section(u'\n', 0, 0);
  const QString version = QString::fromUtf8(packaging_paths::version());
  QVERIFY2(firstLine.startsWith(u"gavrento ("_s + version + u") "_s), qPrintable(firstLine));
}

QTEST_GUILESS_MAIN(PackagingFilesTest)
#include "test_packaging_files.moc"
