"""A real desktop for Pillowrock's end-to-end tests: Xvfb, a D-Bus session with the accessibility
bus, the icewm window manager (it has a tray and honours always-on-top), and the unchanged
application binary driven from outside with xdotool, read with xprop, AT-SPI and its standard
output. Everything started here is torn down again, also when a test fails."""

import os
import queue
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from pathlib import Path

DEFAULT_TIMEOUT = 10.0


class DesktopUnavailable(Exception):
    pass


def _free_display():
    for number in range(30, 90):
        if not Path(f"/tmp/.X11-unix/X{number}").exists() and not Path(f"/tmp/.X{number}-lock").exists():
            return number
    raise DesktopUnavailable("no free X display number")


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
    """Xvfb + D-Bus session + accessibility bus + icewm, shared by the tests of one class."""

    def __init__(self):
        self.processes = []
        self.env = None

    def start(self):
        for tool in ("Xvfb", "icewm", "xdotool", "xprop", "dbus-daemon"):
            if not shutil.which(tool):
                raise DesktopUnavailable(f"{tool} is not installed")
        number = _free_display()
        self.display = f":{number}"
        self._spawn(["Xvfb", self.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"])
        try:
            wait_until(lambda: Path(f"/tmp/.X11-unix/X{number}").exists(), timeout=10, what="Xvfb")
        except AssertionError as error:
            self.stop()
            raise DesktopUnavailable(f"Xvfb could not start: {error}")
        self.env = dict(os.environ, DISPLAY=self.display)
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
        if getattr(self, "bus_pid", None):
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            self.bus_pid = None

    def run(self, command, check=False):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, check=check)

    def xdotool(self, *arguments):
        return self.run(["xdotool", *map(str, arguments)]).stdout.strip()

    def screenshot(self, path):
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        self.run(["import", "-window", "root", str(path)])


class App:
    """The Pillowrock binary as a user starts it, with its own settings folder and its standard
    output read line by line as it is written."""

    def __init__(self, desktop, binary, config_home, extra_env=None):
        self.desktop = desktop
        env = dict(desktop.env, XDG_CONFIG_HOME=str(config_home), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        env.update(extra_env or {})
        self.process = subprocess.Popen([str(binary)], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, start_new_session=True)
        self.lines = []
        self.stderr_lines = []
        self._new_lines = queue.Queue()
        threading.Thread(target=self._read, args=(self.process.stdout, self.lines, True), daemon=True).start()
        threading.Thread(target=self._read, args=(self.process.stderr, self.stderr_lines, False),
                         daemon=True).start()

    def _read(self, stream, sink, notify):
        for raw in iter(stream.readline, b""):
            line = raw.decode("utf-8", "replace").rstrip("\n")
            sink.append(line)
            if notify:
                self._new_lines.put(line)

    # Standard output ---------------------------------------------------------------------

    def wait_for_line(self, expected, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: expected in self.lines, timeout=timeout, what=f"the line {expected!r}; got {self.lines}")

    def count(self, line):
        return self.lines.count(line)

    # Windows -----------------------------------------------------------------------------

    def _visible_windows(self, name_pattern):
        found = self.desktop.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                                  "--name", name_pattern]).stdout.split()
        return [int(window) for window in found]

    def _window_types(self, window):
        return self.desktop.run(["xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE"]).stdout

    def windows(self, name_pattern):
        """Visible top-level windows of this process whose title matches the pattern; the tray
        icon, which is embedded in the panel, is not one of them."""
        return [window for window in self._visible_windows(name_pattern)
                if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" not in self._window_types(window)]

    def tray_icon(self, timeout=DEFAULT_TIMEOUT):
        """The window of the app's icon in the panel's tray."""
        return wait_until(lambda: next((window for window in self._visible_windows(".*")
                                        if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" in self._window_types(window)), None),
                          timeout=timeout, what="the tray icon")

    def wait_for_window(self, name_pattern, timeout=DEFAULT_TIMEOUT, count=1):
        return wait_until(lambda: (lambda ws: ws if len(ws) >= count else None)(self.windows(name_pattern)),
                          timeout=timeout, what=f"{count} window(s) named {name_pattern!r}")

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
        self.desktop.xdotool("mousemove", "--sync", x, y, "click", button)

    # Accessibility tree ------------------------------------------------------------------

    def accessible(self, role=None, name=None, timeout=DEFAULT_TIMEOUT, showing=True):
        """The first accessible object of this app with the role and name (a string or a regular
        expression), waiting until it appears."""
        import pyatspi  # imported late: it binds to the session bus at import time

        regex = name[3:] if name is not None and name.startswith("re:") else None

        def matches(node):
            try:
                if role is not None and node.getRoleName() != role:
                    return False
                if regex is not None and not re.fullmatch(regex, node.name or ""):
                    return False
                if regex is None and name is not None and node.name != name:
                    return False
                if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                    return False
                return True
            except Exception:
                return False

        def search():
            for application in pyatspi.Registry.getDesktop(0):
                try:
                    if application is None or application.get_process_id() != self.process.pid:
                        continue
                except Exception:
                    continue
                found = pyatspi.findDescendant(application, matches, True)
                if found is not None:
                    return found
            return None

        return wait_until(search, timeout=timeout, interval=0.1, what=f"accessible {role!r} named {name!r}")

    def accessible_names(self, role):
        import pyatspi

        names = []
        for application in pyatspi.Registry.getDesktop(0):
            try:
                if application is None or application.get_process_id() != self.process.pid:
                    continue
            except Exception:
                continue
            pyatspi.findAllDescendants(application, lambda node: node.getRoleName() == role
                                       and node.getState().contains(pyatspi.STATE_SHOWING)
                                       and not names.append(node.name))
        return names

    def press(self, accessible_object):
        """Does the object's default action, as a screen reader user would."""
        action = accessible_object.queryAction()
        action.doAction(0)

    def centre_of(self, accessible_object):
        import pyatspi

        extents = accessible_object.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

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

    def output(self):
        return "\n".join(self.lines)
