"""The program as a screen reader meets it, through the accessibility bus (AT-SPI).

A private X display, a private session bus with the accessibility bus behind it, and the
screen-reader flag set on it as a screen reader sets it, so that the program turns its
accessibility on by itself. Then, through pyatspi: every control's role and name, the results
read as text after Calcola in both locales, the focus walking the tab order under Tab, and
Calcola, Cancella and Uscita pressed through their accessible action.

Usage: /usr/bin/python3 test_accessibility.py GAVRENTO_BINARY FACTS.json (print_facts.cpp)
Exits 77 (ctest's skip) when Xvfb, xdotool, dbus-daemon, at-spi2-core or python3-pyatspi is
missing; Debian's python3 is needed, as pyatspi is a Debian package.
"""

import importlib.util
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import warnings

PATIENCE = 20.0  # seconds: an upper bound for every wait, never a fixed one
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# The role a screen reader hears for each kind of record.
ROLES = {"label": "label", "textbox": "text", "button": "push button"}


class Facts:
    """The window's facts, as the build prints them: its caption, and for each control the
    role and name a screen reader should find; the tab order by those names, and the worked
    results for 180 cm."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as facts_file:
            facts = json.load(facts_file)
        self.title = facts["caption"]
        self.names = {c["name"]: c["accessibleName"] for c in facts["controls"]}
        self.controls = sorted((ROLES[c["kind"]], c["accessibleName"]) for c in facts["controls"])
        # Tab from the first control in tab order, and round again.
        self.tab_order = [self.names[name] for name in facts["tabOrder"]]
        self.tab_order.append(self.tab_order[0])
        # Each locale's results, with the user's own decimal separator.
        worked = next(row for row in facts["workedResults"] if row["altezza"] == "180")
        self.results_for_180 = {locale: [worked[sex].replace(".", separator) for sex in
                                         ("uomo", "donna")]
                                for locale, separator in (("C", "."), ("it_IT.UTF-8", ","))}


def missing_prerequisite():
    for tool in ("Xvfb", "xdotool", "dbus-daemon"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed"
    if not os.path.exists(BUS_LAUNCHER):
        return "at-spi2-core is not installed"
    # Found, not imported: pyatspi would reach for a session bus before the private one is up.
    if importlib.util.find_spec("pyatspi") is None:
        return "python3-pyatspi is not installed (or this is not Debian's python3)"
    return None


def poll(condition, what):
    """The condition's first true value, looked for until PATIENCE runs out."""
    deadline = time.monotonic() + PATIENCE
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up waiting for {what}")
        time.sleep(0.02)


class Session:
    """Xvfb, a session bus and the environment the program and pyatspi share."""

    def __init__(self):
        self.home = tempfile.TemporaryDirectory()
        runtime = os.path.join(self.home.name, "runtime")
        os.mkdir(runtime, 0o700)
        os.environ.update(HOME=self.home.name, XDG_RUNTIME_DIR=runtime,
                          XDG_CONFIG_HOME=os.path.join(self.home.name, "config"),
                          XDG_CACHE_HOME=os.path.join(self.home.name, "cache"))
        os.environ.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        self.display = self._start_display()
        os.environ["DISPLAY"] = self.display
        self.log = open(os.path.join(self.home.name, "bus.log"), "w+", encoding="utf-8")
        self.bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=self.log, text=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.bus.stdout.readline().strip()
        self._announce_screen_reader()

    # Xvfb picks a free display itself and names it (-displayfd), so tests running side by
    # side never take the same one. -noreset: the accessibility bus launcher's brief X
    # connection would otherwise reset the server under the program.
    def _start_display(self):
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp",
             "-noreset"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        number = self.xvfb.stdout.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        return f":{number}"

    # What a screen reader does when it starts: programs watching the flag turn their
    # accessibility on (Qt among them), none forced by QT_LINUX_ACCESSIBILITY_ALWAYS_ON.
    @staticmethod
    def _announce_screen_reader():
        import gi
        gi.require_version("Gio", "2.0")
        from gi.repository import Gio, GLib
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                   GLib.Variant("b", True))),
            None, Gio.DBusCallFlags.NONE, int(PATIENCE * 1000), None)

    def close(self):
        for process in (self.bus, self.xvfb):
            process.terminate()
            process.wait()
            process.stdout.close()
        self.log.close()
        self.home.cleanup()


class Program:
    """The program in a locale, and its window as the accessibility bus shows it."""

    def __init__(self, binary, locale="C"):
        import pyatspi
        self.pyatspi = pyatspi
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL=locale)
        self.process = subprocess.Popen([binary], env=env, stderr=subprocess.PIPE, text=True)
        app = poll(self._application, "the program on the accessibility bus")
        self.window = poll(lambda: app.childCount > 0 and app[0], "the program's window")

    def _application(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended: {self.process.stderr.read()}")
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def controls(self):
        return list(self.window)

    def control(self, name, role):
        found = [c for c in self.window if c.name == name and c.getRoleName() == role]
        assert len(found) == 1, f"{len(found)} controls are {role} {name!r}"
        return found[0]

    def text(self, box):
        accessible = self.control(box, "text")
        accessible.clearCache()
        return accessible.queryText().getText(0, -1)

    def press(self, button):
        actions = self.control(button, "push button").queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        assert "Press" in names, f"{button} offers {names}"
        actions.doAction(names.index("Press"))

    def focused(self):
        for accessible in self.window:
            accessible.clearCache()
            if accessible.getState().contains(self.pyatspi.STATE_FOCUSED):
                return accessible.name
        return None

    # The keyboard as a person's: through the X server, into the focused window.
    def focus_window(self):
        window = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{FACTS.title}$"],
            capture_output=True, text=True, check=True, timeout=PATIENCE).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True,
                       timeout=PATIENCE)

    @staticmethod
    def key(name):
        subprocess.run(["xdotool", "key", name], check=True, timeout=PATIENCE)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self.process.stderr.close()


class TestAccessibility(unittest.TestCase):
    binary = None

    @classmethod
    def setUpClass(cls):
        # Noise from the libraries, not this test's: pyatspi calls functions libatspi has
        # deprecated, and gi's importer predates Python 3.11's way.
        warnings.filterwarnings("ignore", category=DeprecationWarning, module=r"pyatspi\.")
        warnings.filterwarnings("ignore", message="DynamicImporter", category=ImportWarning)
        cls.session = Session()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start(self, locale="C"):
        program = Program(self.binary, locale)
        self.addCleanup(program.close)
        return program

    def test_every_control_has_its_role_and_name(self):
        program = self.start()
        self.assertEqual(program.window.getRoleName(), "frame")
        self.assertEqual(program.window.name, FACTS.title)
        self.assertEqual(sorted((c.getRoleName(), c.name) for c in program.controls()),
                         FACTS.controls)

    def test_results_read_as_text_after_calcola(self):
        for locale, (man, woman) in FACTS.results_for_180.items():
            with self.subTest(locale=locale):
                program = self.start(locale)
                program.control(NAME["TxtAltezza"], "text").queryEditableText() \
                    .setTextContents("180")
                program.press(NAME["CmdCalcola"])
                poll(lambda: program.text(NAME["TxtGavrentoUomo"]), "a result")  # boxes start empty
                self.assertEqual(program.text(NAME["TxtGavrentoUomo"]), man)
                self.assertEqual(program.text(NAME["TxtGavrentoDonna"]), woman)

    def test_tab_walks_the_tab_order(self):
        program = self.start()
        program.focus_window()
        walked = [poll(program.focused, "the focus in the window")]
        while len(walked) < len(FACTS.tab_order):
            program.key("Tab")
            walked.append(poll(lambda: program.focused() not in (None, walked[-1])
                               and program.focused(), "the focus to move"))
        self.assertEqual(walked, FACTS.tab_order)

    def test_cancella_blanks_the_boxes_and_uscita_ends(self):
        program = self.start()
        program.control(NAME["TxtAltezza"], "text").queryEditableText().setTextContents("180")
        program.press(NAME["CmdCalcola"])
        poll(lambda: program.text(NAME["TxtGavrentoUomo"]) != "", "a result")
        program.press(NAME["CmdCancella"])
        boxes = (NAME["TxtAltezza"], NAME["TxtGavrentoUomo"], NAME["TxtGavrentoDonna"])
        poll(lambda: all(program.text(box) == " " for box in boxes), "three blank boxes")
        program.press(NAME["CmdUscita"])
        poll(lambda: program.process.poll() is not None, "the program to end")
        self.assertEqual(program.process.returncode, 0)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    reason = missing_prerequisite()
    if reason:
        print(f"SKIP: {reason}")
        sys.exit(77)
    FACTS = Facts(sys.argv.pop())
    NAME = FACTS.names
    TestAccessibility.binary = sys.argv.pop()
    unittest.main(verbosity=2)
