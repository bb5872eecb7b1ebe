"""What the Linux desktop-integration files say, as the build made them: the entry a menu
shows (read with GLib's key-file reader, as desktops read it), the facts a software centre
shows in English and Italian (read with ElementTree), the manual page's name line (lexgrog,
as man-db reads it) and a changelog whose newest entry is this release (dpkg-parsechangelog).
The version, the description and the application id come from the build, as CMakeLists.txt
names them; the freedesktop validators check the formats themselves.

Usage: /usr/bin/python3 test_packaging_files.py BUILD_PACKAGING_DIR SOURCE_PACKAGING_DIR
       VERSION DESCRIPTION APP_ID
Debian's python3, as GLib's bindings (python3-gi) come from a Debian package.
"""

import os
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("GLib", "2.0")
from gi.repository import GLib  # noqa: E402  (after the version is chosen)

BUILT, SOURCE, VERSION, DESCRIPTION, APP_ID = sys.argv[1:6]
LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def desktop_entry():
    entry = GLib.KeyFile()
    entry.load_from_file(os.path.join(BUILT, "gavrento.desktop"), GLib.KeyFileFlags.KEEP_TRANSLATIONS)
    return entry


def metainfo():
    return ElementTree.parse(os.path.join(BUILT, "gavrento.metainfo.xml")).getroot()


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


class DesktopEntry(unittest.TestCase):
    def setUp(self):
        self.entry = desktop_entry()

    def value(self, key, locale=None):
        if locale:
            return self.entry.get_locale_string("Desktop Entry", key, locale)
        return self.entry.get_string("Desktop Entry", key)

    def test_keys(self):
        for key, wanted in [("Type", "Application"), ("Name", "Gavrento"),
                            ("Exec", "gavrento"),  # the installed binary
                            ("Icon", "gavrento"),  # the hicolor icon
                            ("Terminal", "false")]:
            with self.subTest(key=key):
                self.assertEqual(self.value(key), wanted)

    def test_italian_comment_is_the_description(self):
        self.assertEqual(self.value("Comment", "it"), DESCRIPTION)

    def test_english_comment_is_translated(self):
        english = self.value("Comment")
        self.assertTrue(english)
        self.assertNotEqual(english, DESCRIPTION)

    def test_categories(self):
        self.assertTrue(self.entry.get_string_list("Desktop Entry", "Categories"))


class Metainfo(unittest.TestCase):
    def setUp(self):
        self.root = metainfo()

    def texts(self, path, lang=None):
        return [element.text.strip() if element.text else ""
                for element in self.root.findall(path) if element.get(LANG) == lang]

    def test_facts(self):
        for path, wanted in [
            ("id", APP_ID),
            ("metadata_license", "CC0-1.0"),
            ("project_license", "MIT"),
            ("name", "Gavrento"),
            ("provides/binary", "gavrento"),
            ("launchable[@type='desktop-id']", APP_ID + ".desktop"),
            ("screenshots/screenshot/image", "https://gavrento.example.org/screenshot.png"),
        ]:
            with self.subTest(path=path):
                self.assertEqual(self.texts(path), [wanted])

    def test_type_and_release(self):
        self.assertEqual(self.root.tag, "component")
        self.assertEqual(self.root.get("type"), "desktop-application")
        release = self.root.findall("releases/release")
        self.assertEqual([(r.get("version"), r.get("date")) for r in release],
                         [(VERSION, "2026-12-07")])

    def test_italian_summary_is_the_description(self):
        self.assertEqual(self.texts("summary", "it"), [DESCRIPTION])

    def test_every_text_has_an_italian_translation(self):
        for path in ["summary", "description/p", "screenshots/screenshot/caption"]:
            with self.subTest(path=path):
                english, italian = self.texts(path), self.texts(path, "it")
                self.assertTrue(english)
                self.assertEqual(len(english), len(italian))
                for english_text, italian_text in zip(english, italian):
                    self.assertTrue(italian_text)
                    self.assertNotEqual(english_text, italian_text)


class OtherFiles(unittest.TestCase):
    def test_svg_is_the_square_icon(self):
        svg = ElementTree.parse(os.path.join(SOURCE, "icons/hicolor/scalable/apps/gavrento.svg"))
        self.assertEqual(svg.getroot().get("viewBox"), "0 0 256 256")
        self.assertIsNotNone(svg.getroot().find("{http://www.w3.org/2000/svg}rect"))

    def test_man_page_names_the_program(self):
        page = os.path.join(BUILT, "gavrento.1")
        self.assertRegex(run("lexgrog", page), r'^.*: "gavrento - \S')
        self.assertEqual(run("man", "--warnings", "-l", "-Tutf8", page).count(VERSION), 1)

    def test_changelog_is_for_this_release(self):
        changelog = os.path.join(SOURCE, "debian/changelog")
        self.assertEqual(run("dpkg-parsechangelog", "-l", changelog, "-S", "Version"), VERSION)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
