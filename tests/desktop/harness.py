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
ENV = dict(os.environ)
ENV.pop("WAYLAND_DISPLAY", None)
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


def spawn(*command, pass_fds=()):
    """Starts a part of the desktop, ended again when the run is over."""
    process = subprocess.Popen(list(map(str, command)), env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True, pass_fds=pass_fds)

    def stop():
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(5)

    unittest.addModuleCleanup(stop)
    return process


def start_desktop():
    """Xvfb, a D-Bus session with the accessibility bus and icewm (a tray, honours always-on-top)."""
    if missing := [tool for tool in ("Xvfb", "icewm", "xdotool", "xwininfo", "xev") if not shutil.which(tool)]:
        raise unittest.SkipTest(f"not installed: {', '.join(missing)}")
    for number in range(40, 60):
        # Xvfb writes the number to the pipe once it serves the display, or ends when the display
        # is taken: a socket that appears may be another program's server.
        ready, written = os.pipe()
        spawn("Xvfb", f":{number}", "-displayfd", written, "-screen", "0", "1280x800x24", "-nolisten", "tcp",
              pass_fds=[written])
        os.close(written)
        with os.fdopen(ready) as pipe:
            if pipe.readline().strip() == str(number):
                ENV["DISPLAY"] = f":{number}"
                break
    else:
        raise unittest.SkipTest("no X server could start on displays :40 to :59")
    runtime = tempfile.TemporaryDirectory(prefix="pillowrock-runtime-")
    unittest.addModuleCleanup(runtime.cleanup)
    ENV["XDG_RUNTIME_DIR"] = runtime.name
    ENV["DBUS_SESSION_BUS_ADDRESS"], pid = run("dbus-daemon", "--session", "--fork", "--print-address=1",
                                               "--print-pid=1").split()
    unittest.addModuleCleanup(os.kill, int(pid), signal.SIGTERM)
    spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    for attempt in range(2):  # a window manager that hangs on start is given one more go
        icewm = spawn("icewm")
        try:
            wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in run("xprop", "-root"), "icewm", timeout=15)
            break
        except AssertionError:
            if attempt:
                raise
            os.killpg(icewm.pid, signal.SIGKILL)
    # This process reads the accessibility bus of this desktop, not the caller's.
    os.environ.update(DISPLAY=ENV["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=ENV["DBUS_SESSION_BUS_ADDRESS"])
    global pyatspi
    import pyatspi


def run(*command):
    return subprocess.run(list(map(str, command)), env=ENV, capture_output=True, text=True).stdout


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


def screenshot(path, window):
    """Saves the window's picture once two captures in a row agree: it is painted by then."""
    captures = [None]

    def settled():
        captures.append(subprocess.run(["import", "-window", str(window), "ppm:-"], env=ENV,
                                       capture_output=True).stdout)
        return captures[-1] and captures[-1] == captures[-2]

    wait_until(settled, f"the window {window} to settle", interval=0.1)
    Path(path).parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", "ppm:-", str(path)], input=captures[-1], check=True)


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


class App:
    """A program started as a user would, with its own settings folder and its output read as written."""

    def __init__(self, command, config_home, extra_env):
        env = dict(ENV, XDG_CONFIG_HOME=str(config_home), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   **extra_env)
        self.process = subprocess.Popen(list(map(str, command)), env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, start_new_session=True)
        self.lines, self.stderr_lines = follow(self.process.stdout), follow(self.process.stderr)

    def wait_for_line(self, expected):
        wait_until(lambda: expected in self.lines, f"the line {expected!r}; got {self.lines}")

    def windows(self, pattern=None, kind="managed"):
        """Visible windows of a kind: "managed" (titled after the pattern), "icon" (in the tray), "tooltip", "popup"."""
        found = []
        for window in xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid, "--name", "").split():
            if "Override Redirect State: yes" not in run("xwininfo", "-id", window):
                its_kind = "managed"
            else:
                types = run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE")
                its_kind = ("tooltip" if "_NET_WM_WINDOW_TYPE_TOOLTIP" in types
                            else "icon" if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" in types else "popup")
            if its_kind == kind and (pattern is None or re.search(pattern, title(window))):
                found.append(int(window))
        return found

    def window(self, pattern=None, kind="managed"):
        return wait_until(lambda: next(iter(self.windows(pattern, kind)), None), f"a {kind} window {pattern or ''}")

    def accessibles(self, role, name=None, parent=None):
        """The showing accessible objects of this app with the role, the name and the parent's name."""
        def matches(node):
            try:
                return (node.getRoleName() == role and name in (None, node.name) and parent in (None, node.parent.name)
                        and node.getState().contains(pyatspi.STATE_SHOWING))
            except Exception:  # an object that went away while read
                return False

        found = []
        for application in pyatspi.Registry.getDesktop(0):
            with contextlib.suppress(Exception):
                if application.get_process_id() == self.process.pid:
                    found += pyatspi.findAllDescendants(application, matches)
        return found

    def accessibles_at_top(self, recursive=False):
        """This app's showing top-level accessible objects, or all showing objects below them."""
        def walk(node):
            for child in node:
                with contextlib.suppress(Exception):
                    if child.getState().contains(pyatspi.STATE_SHOWING):
                        yield child
                        if recursive:
                            yield from walk(child)

        return [node for application in pyatspi.Registry.getDesktop(0)
                if application.get_process_id() == self.process.pid for node in walk(application)]

    def accessible(self, role, name=None, parent=None):
        return wait_until(lambda: next(iter(self.accessibles(role, name, parent)), None),
                          f"accessible {role!r} named {name!r}", interval=0.1)

    def click(self, role, name, parent=None):
        click_at(*centre_of(self.accessible(role, name, parent)))

    def choose(self, window, menu, item):
        """Chooses an item from a menu of the window's menu bar with the mouse."""
        activate(window)
        self.click("menu item", menu)
        self.click("menu item", item)

    def kill(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(5)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def centre_of(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


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
