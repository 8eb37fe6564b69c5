"""A real desktop with the unchanged binary on it, driven by xdotool, read by xprop, AT-SPI and its output."""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

BINARY = Path(os.environ.get("PILLOWROCK_BINARY", Path(__file__).resolve().parents[2] / "build" / "pillowrock"))
DRAG_SOURCE = Path(os.environ.get("PILLOWROCK_DRAGSOURCE", BINARY.parent / "tests" / "desktop" / "dragsource"))
ARTIFACTS = Path(os.environ.get("PILLOWROCK_ARTIFACTS", BINARY.parent))
ENV = {name: value for name, value in os.environ.items() if name != "WAYLAND_DISPLAY"}
# "icewm": X11 with icewm's XEmbed tray; "sni": X11 and icewm with a StatusNotifierItem panel on the
# bus, as KDE's and GNOME's are; "weston": Wayland, with that panel, driven through AT-SPI alone.
DESKTOP = os.environ.get("PILLOWROCK_DESKTOP", "icewm")
X11 = DESKTOP != "weston"
pyatspi = None  # imported once the desktop runs: it binds to the session bus at import time


def follow(stream):
    """The stream's lines, appended to the returned list as they are written."""
    lines = []

    def read():
        for raw in iter(stream.readline, b""):
            lines.append(raw.decode("utf-8", "replace").rstrip("\n"))

    threading.Thread(target=read, daemon=True).start()
    return lines


def wait_until(predicate, what, timeout=10, interval=0.05):
    deadline = time.monotonic() + timeout
    while not (result := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return result


def spawn(*command, pass_fds=(), stdout=subprocess.DEVNULL):
    """Starts a part of the desktop, ended again when the run is over."""
    process = subprocess.Popen(list(map(str, command)), env=ENV, stdout=stdout, stderr=subprocess.DEVNULL,
                               start_new_session=True, pass_fds=pass_fds)

    def stop():
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(5)

    unittest.addModuleCleanup(stop)
    return process


def run(*command):
    return subprocess.run(list(map(str, command)), env=ENV, capture_output=True, text=True).stdout


def start_desktop():
    """A D-Bus session with the accessibility bus, then the desktop that PILLOWROCK_DESKTOP names."""
    needed = ("weston", "weston-screenshooter") if not X11 else ("Xvfb", "icewm", "xdotool", "xwininfo", "xev")
    if missing := [tool for tool in needed if not shutil.which(tool)]:
        raise unittest.SkipTest(f"not installed: {', '.join(missing)}")
    runtime = tempfile.TemporaryDirectory(prefix="pillowrock-runtime-")
    unittest.addModuleCleanup(runtime.cleanup)
    ENV["XDG_RUNTIME_DIR"] = runtime.name
    if X11:
        ENV["DISPLAY"] = start_x_server()
    else:
        ENV.pop("DISPLAY", None)
        ENV["WAYLAND_DISPLAY"] = f"pillowrock-{os.getpid()}"
        spawn("weston", "--backend=headless-backend.so", f"--socket={ENV['WAYLAND_DISPLAY']}", "--use-pixman",
              "--debug", "--width=1280", "--height=800", "--idle-time=0")
        wait_until(lambda: (Path(runtime.name) / ENV["WAYLAND_DISPLAY"]).exists(), "weston", timeout=15)
    ENV["DBUS_SESSION_BUS_ADDRESS"], pid = run("dbus-daemon", "--session", "--fork", "--print-address=1",
                                               "--print-pid=1").split()
    unittest.addModuleCleanup(os.kill, int(pid), signal.SIGTERM)
    spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    if DESKTOP != "icewm":
        panel = spawn(sys.executable, Path(__file__).with_name("sni_panel.py"), stdout=subprocess.PIPE)
        if panel.stdout.readline().strip() != b"ready":
            raise AssertionError("the StatusNotifierItem panel did not start")
    if X11:
        start_window_manager()
    # This process reads the accessibility bus of this desktop, not the caller's.
    os.environ.update({name: ENV[name] for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS")
                       if name in ENV})
    global pyatspi
    import pyatspi


def start_x_server():
    """An Xvfb of its own on a free display, whose name it returns."""
    for number in range(40, 60):
        # Xvfb writes the number to the pipe once it serves the display, or ends when the display
        # is taken: a socket that appears may be another program's server.
        ready, written = os.pipe()
        spawn("Xvfb", f":{number}", "-displayfd", written, "-screen", "0", "1280x800x24", "-nolisten", "tcp",
              pass_fds=[written])
        os.close(written)
        with os.fdopen(ready) as pipe:
            if pipe.readline().strip() == str(number):
                return f":{number}"
    raise unittest.SkipTest("no X server could start on displays :40 to :59")


@contextlib.contextmanager
def other_x_server():
    """Another X server, with no window manager yet, for what is started in the block."""
    display, ENV["DISPLAY"] = ENV["DISPLAY"], start_x_server()
    try:
        yield
    finally:
        ENV["DISPLAY"] = display


def start_window_manager():
    for attempt in range(2):  # a window manager that hangs on start is given one more go
        icewm = spawn("icewm")
        with contextlib.suppress(AssertionError):
            return wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in run("xprop", "-root"), "icewm", 15)
        os.killpg(icewm.pid, signal.SIGKILL)
    raise AssertionError("icewm did not start")


def xdotool(*arguments):
    return run("xdotool", *arguments)


def title(window):
    return xdotool("getwindowname", window).strip()


def above(window):
    return "_NET_WM_STATE_ABOVE" in run("xprop", "-id", window, "_NET_WM_STATE")


def activate(window):
    xdotool("windowactivate", "--sync", window)


def key(window, *keys):
    activate(window)
    xdotool("key", "--clearmodifiers", *keys)


def type_text(text):
    xdotool("type", "--delay", "20", text)


def click_at(x, y, button=1):
    # No --sync: it waits forever when the pointer is already there, and the server handles the
    # move before the click anyway.
    xdotool("mousemove", x, y, "click", button)


def geometry(window):
    shell = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def centre(window):
    x, y, width, height = geometry(window)
    return x + width // 2, y + height // 2


def screenshot(path, window=None):
    """Saves the window's picture, on Wayland the whole output's, once two captures in a row agree:
    it is painted by then."""
    def capture():
        if X11:
            return subprocess.run(["import", "-window", str(window), "ppm:-"], env=ENV, capture_output=True).stdout
        with tempfile.TemporaryDirectory() as folder:  # the file is named after the second it was taken in
            subprocess.run(["weston-screenshooter"], cwd=folder, env=ENV, capture_output=True)
            return next((shot.read_bytes() for shot in Path(folder).glob("*.png")), None)

    captures = [None]
    wait_until(lambda: captures.append(capture()) or captures[-1] and captures[-1] == captures[-2],
               f"the picture of {window or 'the output'} to settle", interval=0.1)
    Path(path).parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", "-", str(path)], input=captures[-1], check=True)


@contextlib.contextmanager
def watching_unmaps(window):
    """Collects every unmapping of the window while the block runs, from its X events."""
    xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-id", str(window), "-event", "structure", "-event", "property"],
                           env=ENV, stdout=subprocess.PIPE)
    events, unmaps = follow(xev.stdout), []

    def mark():
        # Once xev reports a property change of our own, it has reported everything before it.
        seen = len(events)

        def set_and_look():
            run("xprop", "-id", window, "-f", "_PILLOWROCK_MARK", "8s", "-set", "_PILLOWROCK_MARK", "1")
            return any("(_PILLOWROCK_MARK)" in event for event in events[seen:])

        wait_until(set_and_look, "xev to follow the window", interval=0.1)

    try:
        mark()
        yield unmaps
        mark()
        unmaps += [event for event in events if event.startswith("UnmapNotify")]
    finally:
        xev.kill()
        xev.wait()


def has_state(node, name):
    return node.getState().contains(getattr(pyatspi, f"STATE_{name}"))


def do_action(node, name=None):
    """Does the accessible object's action of that name, or its first: what switch access and voice control do."""
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    actions.doAction(names.index(name) if name else 0)


def centre_of(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def text_of(node):
    return node.queryText().getText(0, -1)


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

        return [node for application in pyatspi.Registry.getDesktop(0)
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
        """The titles of this app's shown windows, as the accessibility bus names them, on any desktop."""
        return sorted(node.name for node in self.nodes(top_only=True))

    def selected_entries(self):
        return [node.name for node in self.accessibles("list item") if has_state(node, "SELECTED")]

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


def needs_x11(test):
    """For scenarios that move the mouse, type or read window properties: Wayland lets no client do that."""
    return unittest.skipUnless(X11, "Wayland lets no client inject input or read other windows")(test)


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
