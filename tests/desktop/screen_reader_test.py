#!/usr/bin/env python3
"""The installed program as a screen-reader user meets it.

Each test starts the program on a private X display with the accessibility
bus switched on, as a desktop does when a screen reader runs, and finds every
control of every window through AT-SPI by its role and accessible name. The
learner's input is real X input (XTEST): clicks where AT-SPI says a control
is, keys typed into whatever has the focus.

Usage: screen_reader_test.py PROGRAM [unittest options]
"""

import os
import subprocess
import sys
import tempfile
import time
import unittest
import warnings

PROGRAM = ""
WAIT_SECONDS = 20  # a hang guard, never a measure of speed

MENU = ("Quillory 1.0", [
    ("label", "Welcome to the Verb list/test!"),
    ("label", "What would you like to do?"),
    ("push button", "Verb list"),
    ("push button", "Test"),
    ("push button", "About Quillory 1.0"),
    ("push button", "Exit"),
])
VERB_LIST = ("Irregular verb list", [
    ("text", "Irregular verb list"),
    ("push button", "Back to menu"),
])
ABOUT = ("About", [
    ("label", "This program is designed by Quillory"),
    ("label", "Quillory V1.00 Beta"),
    ("label", "Please visit my web sit at"),
    ("label", "www.quillory.example"),
    ("label", "or e-mail me at"),
    ("label", "me@quillory.example"),
])


def verb_test(verb):
    return ("Verb test", [
        ("label", "Infinitive"),
        ("label", "Past Tense"),
        ("label", "Past Participle"),
        ("text", "Past Participle"),
        ("text", "Past Tense"),
        ("label", "Infinitive: " + verb),
        ("push button", "Check Past Tense"),
        ("push button", "Check Past Participle"),
        ("push button", "Next"),
        ("push button", "Back to main menu"),
        ("push button", "Back"),
    ])


def wait_for(condition, what):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError("gave up waiting for " + what)


class Desktop:
    """A private X display and D-Bus session with accessibility on."""

    def __init__(self):
        self.runtime = tempfile.TemporaryDirectory(prefix="quillory-a11y-")
        os.environ["XDG_RUNTIME_DIR"] = self.runtime.name
        self.xvfb, display = self._start_x()
        os.environ["DISPLAY"] = ":" + display
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.bus.stdout.readline().strip()
        self._switch_accessibility_on()

    @staticmethod
    def _start_x():
        # -displayfd lets the server pick a free display itself; -noreset
        # keeps it from resetting, and refusing clients, whenever the last
        # one leaves.
        reader, writer = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp", "-noreset"],
                                pass_fds=[writer], stderr=subprocess.DEVNULL)
        os.close(writer)
        with os.fdopen(reader) as announced:
            display = announced.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        return xvfb, display

    @staticmethod
    def _switch_accessibility_on():
        # What a desktop does when the learner turns the screen reader on;
        # toolkits read it when a program starts.
        from gi.repository import Gio, GLib
        bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        value = GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True)))
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      value, None, Gio.DBusCallFlags.NONE, WAIT_SECONDS * 1000, None)

    def close(self):
        self.bus.stdout.close()
        for process in (self.bus, self.xvfb):
            process.terminate()
            process.wait(WAIT_SECONDS)
        self.runtime.cleanup()


class Input:
    """Real X input through the XTEST extension."""

    def __init__(self):
        from Xlib import XK, X, display
        from Xlib.ext import xtest
        self.X, self.XK, self.xtest = X, XK, xtest
        self.display = display.Display()

    def close(self):
        self.display.close()

    def click(self, accessible):
        import pyatspi
        x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.xtest.fake_input(self.display, self.X.MotionNotify, x=x + width // 2, y=y + height // 2)
        self.xtest.fake_input(self.display, self.X.ButtonPress, 1)
        self.xtest.fake_input(self.display, self.X.ButtonRelease, 1)
        self.display.sync()

    def press(self, key_name):
        code = self.display.keysym_to_keycode(self.XK.string_to_keysym(key_name))
        self.xtest.fake_input(self.display, self.X.KeyPress, code)
        self.xtest.fake_input(self.display, self.X.KeyRelease, code)
        self.display.sync()

    def type(self, text):
        for letter in text:
            self.press(letter)

    def close_box(self, title):
        """Asks the window to close, as a window manager does for its close box."""
        from Xlib import protocol
        root = self.display.screen().root
        window = next(w for w in root.query_tree().children if w.get_wm_name() == title)
        protocols = self.display.intern_atom("WM_PROTOCOLS")
        delete = self.display.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, self.X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.display.sync()


def setUpModule():
    global DESKTOP, pyatspi
    # The bindings' own deprecations say nothing about the program.
    warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
    warnings.filterwarnings("ignore", category=ImportWarning)
    DESKTOP = Desktop()
    import pyatspi  # connects to the accessibility bus of the desktop above


def tearDownModule():
    DESKTOP.close()


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.program = subprocess.Popen([PROGRAM], env=environment)
        self.addCleanup(self._stop_program)
        self.input = Input()
        self.addCleanup(self.input.close)
        self.app = wait_for(self._find_application, "the program on the accessibility bus")

    def _stop_program(self):
        if self.program.poll() is None:
            self.program.terminate()
        self.program.wait(WAIT_SECONDS)

    def _find_application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    # What AT-SPI shows.

    @staticmethod
    def described(parent):
        """(child, role, name) of each child on screen, read afresh; a window
        that is going away as it is read is skipped."""
        from gi.repository import GLib
        parent.clear_cache()
        found = []
        for child in parent:
            try:
                child.clear_cache()
                if child.getState().contains(pyatspi.STATE_SHOWING):
                    found.append((child, child.getRoleName(), child.name))
            except GLib.Error:
                continue
        return found

    def top_level(self, role, name):
        def find():
            for child, child_role, child_name in self.described(self.app):
                if (child_role, child_name) == (role, name):
                    return child
            return None
        return find

    def window(self, title):
        return wait_for(self.top_level("frame", title), "the window " + title)

    def windows(self):
        return sorted(name for _, role, name in self.described(self.app) if role == "frame")

    def controls(self, window):
        return [(role, name) for _, role, name in self.described(window)]

    def control(self, window, role, name):
        matches = [c for c in window if c.getRoleName() == role and c.name == name]
        self.assertEqual(len(matches), 1, f"{role} {name!r} in {window.name}")
        return matches[0]

    def expect_window(self, expected):
        title, controls = expected
        window = self.window(title)
        self.assertEqual(self.controls(window), controls, "the controls of " + title)
        return window

    def text_of(self, accessible):
        text = accessible.queryText()
        return text.getText(0, text.characterCount)

    def focused(self, accessible):
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)

    def read_alert(self):
        """The open message box's text, as a screen reader finds it."""
        alert = wait_for(self.top_level("alert", "Quillory"), "a message box")
        messages = [c.name for c in alert if c.getRoleName() == "label" and c.name]
        self.assertEqual(len(messages), 1, "one line of text in the box")
        ok = pyatspi.findDescendant(alert, lambda c: c.getRoleName() == "push button")
        self.assertEqual(ok.name, "OK")
        self.assertTrue(self.focused(ok), "OK has the focus, so Enter closes the box")
        return messages[0]

    def dismiss_alert(self):
        self.input.press("Return")
        wait_for(lambda: not self.top_level("alert", "Quillory")(), "the message box to close")

    # The learner's path through each window.

    def test_menu_is_named_throughout_and_exit_says_farewell(self):
        menu = self.expect_window(MENU)
        self.assertTrue(self.focused(self.control(menu, "push button", "Verb list")))
        self.input.click(self.control(menu, "push button", "Exit"))
        self.assertEqual(self.read_alert(),
                         "Please visit my web site at www.quillory.example for more downloads!")
        self.dismiss_alert()
        self.assertEqual(self.program.wait(WAIT_SECONDS), 0)

    def test_about_names_every_line_and_closes_by_its_close_box(self):
        menu = self.window("Quillory 1.0")
        self.input.click(self.control(menu, "push button", "About Quillory 1.0"))
        self.expect_window(ABOUT)
        self.assertEqual(self.windows(), ["About", "Quillory 1.0"])
        self.input.close_box("About")
        wait_for(lambda: self.windows() == ["Quillory 1.0"], "About to close")

    def test_verb_list_box_is_named_after_the_list(self):
        menu = self.window("Quillory 1.0")
        self.input.click(self.control(menu, "push button", "Verb list"))
        window = self.expect_window(VERB_LIST)
        box = self.control(window, "text", "Irregular verb list")
        states = box.getState()
        self.assertTrue(states.contains(pyatspi.STATE_MULTI_LINE))
        self.assertFalse(states.contains(pyatspi.STATE_EDITABLE), "the list is read-only")
        self.assertTrue(self.focused(box))
        listed = self.text_of(box)
        self.assertIn("arise", listed)
        self.assertIn("arisen", listed)
        self.input.click(self.control(window, "push button", "Back to menu"))
        self.window("Quillory 1.0")

    def test_answering_one_verb(self):
        menu = self.window("Quillory 1.0")
        self.input.click(self.control(menu, "push button", "Test"))
        window = self.expect_window(verb_test("arise"))
        self.assertTrue(self.focused(self.control(window, "text", "Past Participle")))

        past_tense = self.control(window, "text", "Past Tense")
        self.input.click(past_tense)
        wait_for(lambda: self.focused(past_tense), "the past-tense box to take the focus")
        self.input.type("arose")
        wait_for(lambda: self.text_of(past_tense) == "arose", "the typed answer")
        self.input.click(self.control(window, "push button", "Check Past Tense"))
        self.assertEqual(self.read_alert(), "Well done, you got it right!")
        self.dismiss_alert()

        # The shown verb is announced afresh when it changes.
        self.input.click(self.control(window, "push button", "Next"))
        wait_for(lambda: self.controls(window) == verb_test("awake")[1], "the next verb")
        self.assertEqual(self.text_of(past_tense), "")

        self.input.click(self.control(window, "text", "Past Participle"))
        self.input.type("arisen")
        self.input.click(self.control(window, "push button", "Check Past Participle"))
        self.assertEqual(self.read_alert(), "Wrong please try again")
        self.dismiss_alert()

        self.input.click(self.control(window, "push button", "Back to main menu"))
        self.expect_window(MENU)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
