"""A real desktop for Pillowrock's end-to-end tests: Xvfb, a D-Bus session with the accessibility
bus, the icewm window manager (it has a tray and honours always-on-top), and the unchanged
application binary driven from outside with xdotool, read with xprop, AT-SPI and its standard
output. Everything started here is torn down again, also when a test fails."""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from pathlib import Path

DEFAULT_TIMEOUT = 10.0
# The display numbers tried in turn; one that another X server holds is skipped.
DISPLAYS = range(40, 60)


class DesktopUnavailable(Exception):
    pass


def follow(stream):
    """The lines of a stream, read as they are written into the returned list."""
    lines = []

    def read():
        for raw in iter(stream.readline, b""):
            lines.append(raw.decode("utf-8", "replace").rstrip("\n"))

    threading.Thread(target=read, daemon=True).start()
    return lines


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, interval=0.05, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    """Xvfb + D-Bus session + accessibility bus + icewm, shared by every test of a run."""

    def __init__(self):
        self.processes = []
        self.env = None
        self.bus_pid = None
        self.runtime = None

    def start(self):
        for tool in ("Xvfb", "icewm", "xdotool", "xprop", "xwininfo", "xev", "import", "dbus-daemon"):
            if not shutil.which(tool):
                raise DesktopUnavailable(f"{tool} is not installed")
        for number in DISPLAYS:
            if Path(f"/tmp/.X11-unix/X{number}").exists() or Path(f"/tmp/.X{number}-lock").exists():
                continue
            self.display = f":{number}"
            self._spawn(["Xvfb", self.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"])
            # Another Xvfb may have taken the number in the meantime: then this one ends.
            xvfb = self.processes[-1]
            wait_until(lambda: xvfb.poll() is not None or Path(f"/tmp/.X11-unix/X{number}").exists(),
                       timeout=10, what="Xvfb")
            if xvfb.poll() is None:
                break
            self.processes.pop()
        else:
            raise DesktopUnavailable(f"no X server could start on displays :{DISPLAYS[0]} to :{DISPLAYS[-1]}")
        self.runtime = tempfile.TemporaryDirectory(prefix="pillowrock-runtime-")
        self.env = dict(os.environ, DISPLAY=self.display, XDG_RUNTIME_DIR=self.runtime.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             capture_output=True, text=True, check=True, env=self.env)
        address, pid = bus.stdout.split()[:2]
        self.bus_pid = int(pid)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if Path(launcher).exists():
            self._spawn([launcher, "--launch-immediately"])
        self._spawn(["icewm"])
        # The window manager owns the screen once it has set its supporting-WM-check property.
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(["xprop", "-root"]).stdout,
                   timeout=10, what="icewm")
        # This process reads the accessibility bus of this desktop, not the caller's.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DISPLAY"] = self.display
        return self

    def _spawn(self, command):
        self.processes.append(subprocess.Popen(command, env=self.env or os.environ, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, start_new_session=True))

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
        self.processes.clear()
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            self.bus_pid = None
        if self.runtime:
            self.runtime.cleanup()
            self.runtime = None

    def run(self, command, check=False):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, check=check)

    def xdotool(self, *arguments):
        return self.run(["xdotool", *map(str, arguments)]).stdout.strip()

    def screenshot(self, path, window="root"):
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        self.run(["import", "-window", str(window), str(path)])

    def settled_screenshot(self, path, window):
        """Saves the window's picture once two captures in a row agree: it is painted by then."""
        captures = [None]

        def settled():
            captures.append(subprocess.run(["import", "-window", str(window), "ppm:-"], env=self.env,
                                           capture_output=True).stdout)
            return captures[-1] and captures[-1] == captures[-2]

        wait_until(settled, interval=0.1, what=f"the window {window} to settle")
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["convert", "ppm:-", str(path)], input=captures[-1], check=True)

    def geometry(self, window):
        """x, y, width and height of a window on the screen."""
        shell = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def centre(self, window):
        x, y, width, height = self.geometry(window)
        return x + width // 2, y + height // 2

    def stacking(self):
        """The managed windows from bottom to top."""
        output = self.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"]).stdout
        return [int(window, 16) for window in re.findall(r"0x[0-9a-f]+", output)]

    @contextlib.contextmanager
    def watching_unmaps(self, window):
        """Collects every unmapping of the window while the block runs, from its X events."""
        xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-id", str(window), "-event", "structure",
                                "-event", "property"], env=self.env, stdout=subprocess.PIPE)
        events = follow(xev.stdout)

        def mark():
            # A property change of our own, once xev reports it, shows that xev follows the window
            # and has reported everything before it.
            seen = len(events)

            def set_and_look():
                self.run(["xprop", "-id", str(window), "-f", "_PILLOWROCK_MARK", "8s", "-set", "_PILLOWROCK_MARK", "1"])
                return any("(_PILLOWROCK_MARK)" in event for event in events[seen:])

            wait_until(set_and_look, interval=0.1, what="xev to follow the window")

        unmaps = []
        try:
            mark()
            yield unmaps
            mark()
            unmaps += [event for event in events if event.startswith("UnmapNotify")]
        finally:
            xev.kill()
            xev.wait()


class App:
    """A program as a user starts it (Pillowrock, unchanged, or a helper), with its own settings
    folder and its standard output read line by line as it is written."""

    def __init__(self, desktop, command, config_home, extra_env=None):
        self.desktop = desktop
        env = dict(desktop.env, XDG_CONFIG_HOME=str(config_home), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        env.update(extra_env or {})
        self.process = subprocess.Popen(list(map(str, command)), env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, start_new_session=True)
        self.lines = follow(self.process.stdout)
        self.stderr_lines = follow(self.process.stderr)

    def wait_for_line(self, expected, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: expected in self.lines, timeout=timeout, what=f"the line {expected!r}; got {self.lines}")

    def output(self):
        return "\n".join(self.lines)

    # Windows -----------------------------------------------------------------------------

    def _visible_windows(self):
        found = self.desktop.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                                  "--name", ""]).stdout.split()
        return [int(window) for window in found]

    def _unmanaged(self, kind):
        """Visible windows of this process that no window manager sees, of one kind: "icon" (the
        tray icon, embedded in the panel), "tooltip" or "popup" (a popup or a menu)."""
        def kind_of(window):
            types = self.desktop.run(["xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE"]).stdout
            return ("tooltip" if "_NET_WM_WINDOW_TYPE_TOOLTIP" in types
                    else "icon" if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" in types else "popup")

        return [window for window in self._visible_windows() if self._override_redirect(window)
                and kind_of(window) == kind]

    def _override_redirect(self, window):
        return "Override Redirect State: yes" in self.desktop.run(["xwininfo", "-id", str(window)]).stdout

    def windows(self, name_pattern):
        """Managed top-level windows of this process whose title matches the pattern."""
        return [window for window in self._visible_windows() if not self._override_redirect(window)
                and re.search(name_pattern, self.window_title(window))]

    def tray_icon(self, timeout=DEFAULT_TIMEOUT):
        return wait_until(lambda: next(iter(self._unmanaged("icon")), None), timeout=timeout, what="the tray icon")

    def popup(self, timeout=DEFAULT_TIMEOUT):
        return wait_until(lambda: next(iter(self._unmanaged("popup")), None), timeout=timeout, what="a popup")

    def wait_for_window(self, name_pattern, timeout=DEFAULT_TIMEOUT):
        return wait_until(lambda: next(iter(self.windows(name_pattern)), None), timeout=timeout,
                          what=f"a window named {name_pattern!r}")

    def net_wm_state(self, window):
        output = self.desktop.run(["xprop", "-id", str(window), "_NET_WM_STATE"]).stdout
        return set(re.findall(r"_NET_WM_STATE_[A-Z_]+", output))

    def window_title(self, window):
        return self.desktop.xdotool("getwindowname", window)

    def activate(self, window):
        self.desktop.xdotool("windowactivate", "--sync", window)

    def key(self, window, *keys):
        self.activate(window)
        self.desktop.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.desktop.xdotool("type", "--delay", "20", text)

    def click_at(self, x, y, button=1):
        # No --sync: it waits forever when the pointer is already there, and the server handles
        # the move before the click anyway.
        self.desktop.xdotool("mousemove", x, y, "click", button)

    # Accessibility tree ------------------------------------------------------------------

    def _nodes(self, predicate, find_all):
        import pyatspi  # imported late: it binds to the session bus at import time

        def guarded(node):
            try:
                return predicate(node) and node.getState().contains(pyatspi.STATE_SHOWING)
            except Exception:
                return False

        found = []
        for application in pyatspi.Registry.getDesktop(0):
            try:
                if application is None or application.get_process_id() != self.process.pid:
                    continue
            except Exception:
                continue
            if find_all:
                found += pyatspi.findAllDescendants(application, guarded)
            elif (node := pyatspi.findDescendant(application, guarded, True)) is not None:
                return [node]
        return found

    def accessible(self, role, name=None, parent=None, timeout=DEFAULT_TIMEOUT):
        """The first showing accessible object of this app with the role, the name and the parent's
        name, waiting until it appears."""
        def matches(node):
            return (node.getRoleName() == role and name in (None, node.name)
                    and parent in (None, node.parent.name))

        return wait_until(lambda: next(iter(self._nodes(matches, False)), None), timeout=timeout, interval=0.1,
                          what=f"accessible {role!r} named {name!r}")

    def accessible_names(self, role):
        """The names of every showing accessible object of this app with the role, in tree order."""
        return [node.name for node in self._nodes(lambda node: node.getRoleName() == role, True)]

    def text(self, accessible_object):
        return accessible_object.queryText().getText(0, -1)

    def is_checked(self, accessible_object):
        import pyatspi

        return accessible_object.getState().contains(pyatspi.STATE_CHECKED)

    def centre_of(self, accessible_object):
        import pyatspi

        extents = accessible_object.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

    def click(self, role, name, parent=None, button=1):
        """Clicks the middle of an accessible object with the mouse, as a user would."""
        self.click_at(*self.centre_of(self.accessible(role, name, parent)), button)

    def choose(self, window, menu, item):
        """Chooses an item from a menu of the window's menu bar with the mouse."""
        self.activate(window)
        self.click("menu item", menu)
        self.click("menu item", item)

    # Ending ------------------------------------------------------------------------------

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the app did not end within {timeout:g} s")

    def kill(self, sig=signal.SIGKILL):
        if self.process.poll() is None:
            os.killpg(self.process.pid, sig)
            self.process.wait(5)
