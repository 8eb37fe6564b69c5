"""A desktop of its own for the suite, and the X11 tools that act on it as a user does: a private session
bus from python3-dbusmock with the accessibility bus on it, then the window system and panel that
TEST_DESKTOP names. A new desktop is a branch in start_desktop and a row in CMakeLists.txt."""

import contextlib
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import dbus
from dbusmock import MOCK_IFACE, DBusTestCase

# "icewm": X11 with icewm's XEmbed tray; "sni": X11 and icewm with a StatusNotifierItem panel on the
# bus, as KDE's and GNOME's are; "weston": Wayland, with that panel, driven through AT-SPI alone.
DESKTOP = os.environ["TEST_DESKTOP"]
X11 = DESKTOP in ("icewm", "sni")
NEEDED = ("Xvfb", "icewm", "xdotool", "xwininfo", "xprop") if X11 else ("weston",)
WATCHER = "org.kde.StatusNotifierWatcher"
CLEANUP = contextlib.ExitStack()  # what start_desktop starts, ended after the last scenario


def wait_until(predicate, what, timeout=10, interval=0.05):
    """The predicate's first true result; what, called if it can be, names it in the failure."""
    deadline = time.monotonic() + timeout
    while not (result := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what() if callable(what) else what}")
        time.sleep(interval)
    return result


def spawn(*command, **options):
    process = subprocess.Popen(list(map(str, command)), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True, **options)
    CLEANUP.callback(lambda: process.poll() is None and os.killpg(process.pid, signal.SIGTERM))
    return process


def run(*command):
    return subprocess.run(list(map(str, command)), capture_output=True, text=True).stdout


def start_desktop():
    """Sets this process's environment to the new desktop's, which the programs it starts inherit."""
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
        os.environ.pop(name, None)
    os.environ["XDG_RUNTIME_DIR"] = CLEANUP.enter_context(tempfile.TemporaryDirectory(prefix="desktop-"))
    if X11:
        os.environ["DISPLAY"] = start_x_server()
    else:
        os.environ["WAYLAND_DISPLAY"] = "wayland-test"
        spawn("weston", "--backend=headless-backend.so", "--socket=wayland-test", "--use-pixman", "--debug",
              "--width=1280", "--height=800", "--idle-time=0")
        wait_until(lambda: Path(os.environ["XDG_RUNTIME_DIR"], "wayland-test").exists(), "weston", timeout=15)
    DBusTestCase.start_session_bus()
    CLEANUP.callback(DBusTestCase.tearDownClass)
    spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    if DESKTOP != "icewm":
        start_panel()
    if X11:
        start_window_manager()


def start_panel():
    """The StatusNotifierWatcher of a panel such as KDE's, GNOME's AppIndicator or waybar: items register
    with it, and the calls it logs tell the suite where each item is (see SniTray in harness.py)."""
    spawn(sys.executable, "-m", "dbusmock", WATCHER, "/StatusNotifierWatcher", WATCHER)
    DBusTestCase.wait_for_bus_object(WATCHER, "/StatusNotifierWatcher")
    mock = dbus.Interface(dbus.SessionBus().get_object(WATCHER, "/StatusNotifierWatcher"), MOCK_IFACE)
    # Qt reads the host's presence through the introspected properties before it shows an item there.
    mock.AddProperties(WATCHER, {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                                 "RegisteredStatusNotifierItems": dbus.Array([], signature="s")})
    mock.AddMethods(WATCHER, [(method, "s", "", "") for method in ("RegisterStatusNotifierItem",
                                                                   "RegisterStatusNotifierHost")])


def start_x_server():
    """An Xvfb of its own on a display it picks, whose name it writes to the pipe once it serves it."""
    ready, written = os.pipe()
    spawn("Xvfb", "-displayfd", written, "-screen", "0", "1280x800x24", "-nolisten", "tcp", pass_fds=[written])
    os.close(written)
    with os.fdopen(ready) as pipe:
        return f":{pipe.readline().strip()}"


@contextlib.contextmanager
def other_x_server():
    """Another X server, with no window manager yet, for what is started in the block."""
    display, os.environ["DISPLAY"] = os.environ["DISPLAY"], start_x_server()
    try:
        yield
    finally:
        os.environ["DISPLAY"] = display


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


def size(window):
    return tuple(map(int, re.search(r"Geometry: (\d+)x(\d+)", xdotool("getwindowgeometry", window)).groups()))
