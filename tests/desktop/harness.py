"""The unchanged binary on the desktop: started as a user would, read through its output, its windows
and the accessibility bus, and its tray icon driven as each kind of panel does."""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import desktop
from desktop import (ARTIFACTS, BINARY, DESKTOP, ENV, X11, activate, centre, centre_of, click_at, do_action, follow,
                     has_state, key, run, start_desktop, title, wait_until, xdotool)

# Objects that only group others.
CONTAINERS = {"filler", "panel", "split pane", "layered pane", "scroll pane", "viewport", "page tab list", "tool bar"}


class App:
    """A program started as a user would, with its own settings folder and its output read as written."""

    def __init__(self, command, config_home, extra_env):
        env = dict(ENV, XDG_CONFIG_HOME=str(config_home), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb" if X11 else "wayland", **extra_env)
        self.process = subprocess.Popen(list(map(str, command)), env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, start_new_session=True)
        self.lines, self.stderr_lines = follow(self.process.stdout), follow(self.process.stderr)
        # Qt 6.4 gives the accessibility bus logical coordinates; the mouse moves in device pixels.
        self.scale = float(env.get("QT_SCALE_FACTOR", "1"))

    def wait_for_line(self, expected):
        wait_until(lambda: expected in self.lines, f"the line {expected!r}; got {self.lines}")

    def windows(self, pattern="", kind="managed"):
        """Visible X windows of a kind: "managed" (titled after the pattern), "icon" (in the tray), "popup"."""
        def kind_of(window):
            if "Override Redirect State: yes" not in run("xwininfo", "-id", window):
                return "managed"
            types = run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE")
            return ("tooltip" if "_NET_WM_WINDOW_TYPE_TOOLTIP" in types
                    else "icon" if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" in types else "popup")

        return [int(window) for window in xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid,
                                                  "--name", "").split()
                if kind_of(window) == kind and re.search(pattern, title(window))]

    def window(self, pattern="", kind="managed"):
        """A shown window of the kind: its X window, or on Wayland its frame on the accessibility bus."""
        if X11:
            return wait_until(lambda: next(iter(self.windows(pattern, kind)), None), f"a {kind} window {pattern}")
        return wait_until(lambda: next((node for node in self.nodes(top_only=True) if re.search(pattern, node.name)),
                                       None), f"a window {pattern}")

    def nodes(self, top_only=False, showing=True):
        """This app's accessible objects, by default those showing."""
        def walk(node):
            for child in node:
                with contextlib.suppress(Exception):  # an object that went away while read
                    if not showing or has_state(child, "SHOWING"):
                        yield child
                        if not top_only:
                            yield from walk(child)

        return [node for application in desktop.pyatspi.Registry.getDesktop(0)
                if application.get_process_id() == self.process.pid for node in walk(application)]

    def accessibles(self, role, name=None, parent=None, showing=True):
        def matches(node):
            with contextlib.suppress(Exception):
                return node.getRoleName() == role and name in (None, node.name) and parent in (None, node.parent.name)

        return [node for node in self.nodes(showing=showing) if matches(node)]

    def accessible(self, role, name=None, parent=None, showing=True):
        return wait_until(lambda: next(iter(self.accessibles(role, name, parent, showing)), None),
                          f"accessible {role!r} named {name!r}", interval=0.1)

    def frames(self):
        """The titles of this app's shown windows, as the accessibility bus names them, on any desktop; only
        frames and dialogs, which screen readers announce as windows."""
        return sorted(node.name for node in self.nodes(top_only=True) if node.getRoleName() in ("frame", "dialog"))

    def selected_entries(self):
        return [node.name for node in self.accessibles("list item") if has_state(node, "SELECTED")]

    def unnamed_controls(self):
        """Shown objects with no name, as (role, parent's role): everything but a container is named."""
        return {(node.getRoleName(), node.parent.getRoleName()) for node in self.nodes()
                if not node.name and node.getRoleName() not in CONTAINERS}

    def tab_to(self, window, role, name, presses=6):
        """Whether Tab, pressed a few times, gives a control of that role and name the focus."""
        for _ in range(presses):
            key(window, "Tab")
            if any(has_state(node, "FOCUSED") for node in self.accessibles(role, name)):
                return True
        return False

    def click(self, role, name, parent=None):
        """Clicks the control with the mouse, or where no client may move the mouse, does its action."""
        if X11:
            click_at(*(round(value * self.scale) for value in centre_of(self.accessible(role, name, parent))))
        else:
            do_action(self.accessible(role, name, parent))

    def choose(self, window, menu, item):
        """Chooses an item from a menu of the window's menu bar, with the mouse where it can be moved."""
        if X11:
            activate(window)
            self.click("menu item", menu)
            self.click("menu item", item)
        else:  # the bus reaches an item of a closed menu
            do_action(self.accessible("menu item", item, parent=menu, showing=False))

    def kill(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(5)


class XEmbedTray:
    """icewm's tray: the icon is a window of the app's, its menu a popup that the keyboard walks."""

    labels = None  # popups are not on the accessibility bus, so the menu cannot be read
    keys = {"About...": ["Down"], "Do Stuff": ["Down", "Down"], "Quit": ["Up"]}

    def __init__(self, app):
        self.app = app

    def wait_for_icon(self):
        return self.app.window(kind="icon")

    def click(self, button):
        # From elsewhere: the icon's tooltip, shown while the pointer rests there, would take the click.
        xdotool("mousemove", 1270, 10)
        click_at(*centre(self.wait_for_icon()), button)

    def choose(self, label):
        # A window that the window manager activates just then closes the menu again, as it would
        # for a user, who clicks once more.
        for attempt in range(3):
            self.click(3)
            with contextlib.suppress(AssertionError):
                wait_until(lambda: self.app.windows(kind="popup"), "the tray menu", timeout=3)
                return xdotool("key", *self.keys[label], "Return")
        raise AssertionError("the tray menu never opened")

    def activate(self):
        self.click(1)


class SniTray:
    """The app's StatusNotifierItem as a panel sees it: its properties, its dbusmenu and the calls a
    panel makes when the user clicks."""

    def __init__(self, app):
        import dbus
        self.dbus, self.app, self.bus = dbus, app, dbus.SessionBus()

    def get(self, proxy, interface, name=None):
        properties = self.dbus.Interface(proxy, self.dbus.PROPERTIES_IFACE)
        return properties.Get(interface, name) if name else properties.GetAll(interface)

    def wait_for_icon(self):
        """The app's item, once it has registered with the panel."""
        def registered():
            watcher = self.bus.get_object("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher")
            for item in self.get(watcher, "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"):
                service, path = item.split("/", 1)
                with contextlib.suppress(self.dbus.DBusException):  # an item of an app that has ended
                    if self.bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                              "GetConnectionUnixProcessID", "s", [service]) == self.app.process.pid:
                        return self.bus.get_object(service, "/" + path)

        return wait_until(registered, "the app's item registered with the panel")

    def properties(self):
        return self.get(self.wait_for_icon(), "org.kde.StatusNotifierItem")

    def menu(self):
        """The menu and its shown entries, (id, properties), as a panel reads them before showing it."""
        item = self.wait_for_icon()
        menu = self.bus.get_object(item.bus_name, self.get(item, "org.kde.StatusNotifierItem", "Menu"))
        menu.AboutToShow(0, dbus_interface="com.canonical.dbusmenu")
        _, (_, _, children) = menu.GetLayout(0, -1, [], dbus_interface="com.canonical.dbusmenu")
        return menu, [(entry[0], entry[1]) for entry in children if entry[1].get("visible", True)]

    @property
    def labels(self):
        return [str(props["label"]) for _, props in self.menu()[1] if props.get("type") != "separator"]

    def choose(self, label):
        menu, entries = self.menu()
        number = next(number for number, props in entries if props.get("label") == label)
        menu.Event(number, "clicked", self.dbus.Int32(0, variant_level=1), self.dbus.UInt32(0),
                   dbus_interface="com.canonical.dbusmenu")

    def activate(self):
        self.wait_for_icon().Activate(640, 0, dbus_interface="org.kde.StatusNotifierItem")


class DesktopCase(unittest.TestCase):
    """One desktop per run (pyatspi keeps the first session bus it meets), fresh settings per test."""

    @classmethod
    def setUpClass(cls):
        try:
            start_desktop()
        except unittest.SkipTest as reason:
            print(f"\n*** DESKTOP TESTS SKIPPED: {reason} ***\n", file=sys.stderr, flush=True)
            raise

    def setUp(self):
        self.config_home = Path(self.enterContext(tempfile.TemporaryDirectory(prefix="pillowrock-config-")))
        self.apps = []

    def launch(self, *command, **extra_env):
        """Starts Pillowrock, or the given program, on the desktop."""
        self.apps.append(App(command or [BINARY], self.config_home, extra_env))
        return self.apps[-1]

    def tearDown(self):
        folder = ARTIFACTS / "desktop-failures" / self._testMethodName
        shutil.rmtree(folder, ignore_errors=True)
        result = self._outcome.result
        if any(self in (test, getattr(test, "test_case", None)) for test, _ in result.errors + result.failures):
            folder.mkdir(parents=True)
            run("import", "-window", "root", folder / "screen.png")
            for index, app in enumerate(self.apps):
                (folder / f"app{index}.txt").write_text("\n".join(app.lines + ["--- stderr:"] + app.stderr_lines))
            print(f"\nkept the screen and the app's output in {folder}", file=sys.stderr)
        for app in self.apps:
            app.kill()
        # A sanitized build reports on standard error and may carry on: any report fails the test.
        reports = [line for app in self.apps for line in app.stderr_lines
                   if "Sanitizer" in line or "runtime error:" in line]
        self.assertEqual(reports, [], "sanitizer reports")

    def main_window(self, app):
        return app.window("^Pillowrock$")

    def tray(self, app):
        return XEmbedTray(app) if DESKTOP == "icewm" else SniTray(app)
