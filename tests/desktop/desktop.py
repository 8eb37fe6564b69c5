"""A desktop of its own for the suite, and the X11 tools that act on it as a user does: a private session
bus from python3-dbusmock with the accessibility bus on it, then the window system and panel that
TEST_DESKTOP names. A new desktop is a branch in start_desktop and a row in CMakeLists.txt."""

import contextlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

import dbus
from dbusmock import DBusTestCase

# "icewm": X11 with icewm's XEmbed tray; "sni": X11 and icewm with a StatusNotifierItem panel on the
# bus, as KDE's and GNOME's are; "weston": Wayland, with that panel; "sway": Wayland, wlroots, with
# waybar's tray as the panel's host. Every desktop runs on an Xvfb of its own: a compositor as a
# window there, through its X11 backend, whose pointer and keyboard xdotool drives as a user's.
# "wine": the Windows build under Wine on icewm's X11 desktop, where Wine docks its tray icons.
DESKTOP = os.environ.get("TEST_DESKTOP", "icewm")
X11 = DESKTOP in ("icewm", "sni", "wine")
NEEDED = ("Xvfb", "xdotool") + {"weston": ("weston",), "sway": ("sway", "waybar", "setpriv"),
                                "wine": ("icewm", "xwininfo", "xprop", "wine")}.get(
    DESKTOP, ("icewm", "xwininfo", "xprop"))
WATCHER = "org.kde.StatusNotifierWatcher"
CLEANUP = contextlib.ExitStack()  # what start_desktop starts, ended after the last test
PANEL_ERRORS = []  # what waybar prints on standard error
WATCHER_PROCESS = None  # the panel's watcher, where the suite plays the panel


def follow(stream, lines=None):
    """The stream's lines, appended to the returned list (or the one given) as they are written."""
    lines = [] if lines is None else lines

    def read():
        for raw in iter(stream.readline, b""):
            lines.append(raw.decode("utf-8", "replace").rstrip("\n"))

    threading.Thread(target=read, daemon=True).start()
    return lines


def wait_until(predicate, what, timeout=10, interval=0.05):
    """The predicate's first true result; what, called if it can be, names it in the failure."""
    deadline = time.monotonic() + timeout
    while not (result := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what() if callable(what) else what}")
        time.sleep(interval)
    return result


def spawn(*command, **options):
    """Starts a part of the desktop, ended again with it."""
    options = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, **options}
    process = subprocess.Popen(list(map(str, command)), start_new_session=True, **options)
    CLEANUP.callback(lambda: process.poll() is None and os.killpg(process.pid, signal.SIGTERM))
    return process


class Program:
    """A program started with its output read while it runs, ended with its process group."""

    def __init__(self, command, **options):
        self.stdout, self.stderr = tempfile.TemporaryFile(), tempfile.TemporaryFile()
        self.process = subprocess.Popen(list(map(str, command)), stdout=self.stdout, stderr=self.stderr,
                                        start_new_session=True, **options)

    lines = property(lambda self: os.pread(self.stdout.fileno(), 1 << 20, 0).decode().splitlines())
    all_errors = property(lambda self: os.pread(self.stderr.fileno(), 1 << 20, 0).decode().splitlines())
    errors = all_errors

    def wait_for_line(self, expected, timeout=10):
        wait_until(lambda: expected in self.lines, lambda: f"the line {expected!r}; got {self.lines}", timeout)

    def kill(self):
        with contextlib.suppress(ProcessLookupError):  # ended already
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(5)


def compositor_log(name):
    """Where a compositor or window manager writes, kept with the row's artifacts: one that dies says why there."""
    Path(os.environ["ARTIFACTS"]).mkdir(parents=True, exist_ok=True)
    return open(Path(os.environ["ARTIFACTS"], f"{name}.log"), "w")


def run(*command):
    return subprocess.run(list(map(str, command)), capture_output=True, text=True).stdout


def start_desktop():
    """Sets this process's environment to the new desktop's, which the programs it starts inherit."""
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
        os.environ.pop(name, None)
    os.environ["XDG_RUNTIME_DIR"] = CLEANUP.enter_context(tempfile.TemporaryDirectory(prefix="desktop-"))
    os.environ["DISPLAY"] = start_x_server()
    if DESKTOP == "weston":
        os.environ["WAYLAND_DISPLAY"] = "wayland-test"
        spawn("weston", "--backend=x11-backend.so", "--socket=wayland-test", "--use-pixman", "--debug",
              "--width=1280", "--height=800", "--idle-time=0", stderr=compositor_log("weston"))
        wait_until(lambda: Path(os.environ["XDG_RUNTIME_DIR"], "wayland-test").exists(), "weston", timeout=15)
    elif DESKTOP == "sway":
        start_sway()
    elif DESKTOP == "wine":  # no session bus: Windows has none
        return start_window_manager()
    DBusTestCase.start_session_bus()
    CLEANUP.callback(DBusTestCase.tearDownClass)
    spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    if DESKTOP != "icewm":
        start_panel()
    if X11:
        start_window_manager()


def start_sway():
    """sway, which will not run as root, as nobody with a runtime folder of its own; the suite's own
    clients reach its sockets by their paths."""
    folder = Path(tempfile.mkdtemp(prefix="sway-"))
    CLEANUP.callback(shutil.rmtree, folder, ignore_errors=True)
    (folder / "config").write_text("output X11-1 resolution 1280x800\nxwayland disable\n")
    shutil.chown(folder, "nobody")
    spawn("setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "sway", "--config", folder / "config",
          env=dict(os.environ, XDG_RUNTIME_DIR=str(folder), WLR_BACKENDS="x11", WLR_RENDERER="pixman"))
    os.environ["SWAYSOCK"] = str(wait_until(lambda: next(folder.glob("sway-ipc.*"), None), "sway", timeout=15))
    os.environ["WAYLAND_DISPLAY"] = str(next(folder.glob("wayland-[0-9]")))


def start_waybar():
    """waybar with its tray alone, a real StatusNotifierItem host with its own watcher (it takes the name
    from any other): the bar is 30 pixels high at the top, the one item at its right end."""
    config = Path(os.environ["XDG_RUNTIME_DIR"], "waybar.json")
    config.write_text(json.dumps({"height": 30, "modules-right": ["tray"], "tray": {"icon-size": 20}}))
    follow(spawn("waybar", "--config", config, stderr=subprocess.PIPE).stderr, PANEL_ERRORS)
    DBusTestCase.wait_for_bus_object(WATCHER, "/StatusNotifierWatcher")


def start_panel():
    """The StatusNotifierWatcher of a panel such as KDE's, GNOME's AppIndicator or waybar: items register
    with it, and the list it keeps tells the suite where each item is (see SniTray in harness.py)."""
    if DESKTOP == "sway":
        return start_waybar()
    global WATCHER_PROCESS
    WATCHER_PROCESS = spawn(sys.executable, "-m", "dbusmock", "--session", "--template",
                            Path(__file__).with_name("sni_watcher.py"))
    DBusTestCase.wait_for_bus_object(WATCHER, "/StatusNotifierWatcher")


@contextlib.contextmanager
def panel_started_later():
    """No StatusNotifierItem panel for the block, and one after it, as when a session's panel is late."""
    os.killpg(WATCHER_PROCESS.pid, signal.SIGTERM)
    WATCHER_PROCESS.wait()
    bus = dbus.SessionBus()
    wait_until(lambda: not bus.name_has_owner(WATCHER), "the panel gone")
    try:
        yield
    finally:
        start_panel()


def start_x_server():
    """An Xvfb of its own on a display it picks, whose name it writes to the pipe once it serves it; it
    never resets when its last client leaves, which would refuse the next one for that moment. A
    display no client can open is passed over, its server left running so the next picks another: in a
    test-on root the lock files are the root's own but the abstract sockets are the host's, and a client
    there once reached another server by the same number."""
    for _ in range(3):
        ready, written = os.pipe()
        spawn("Xvfb", "-displayfd", written, "-screen", "0", "1280x800x24", "-nolisten", "tcp", "-noreset",
              pass_fds=[written])
        os.close(written)
        with os.fdopen(ready) as pipe:
            display = f":{pipe.readline().strip()}"
        if subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=display),
                          capture_output=True).returncode == 0:
            return display
    raise AssertionError("no X server that a client can open")


@contextlib.contextmanager
def other_x_server():
    """Another X server, with no window manager yet, for what is started in the block."""
    display, os.environ["DISPLAY"] = os.environ["DISPLAY"], start_x_server()
    try:
        yield
    finally:
        os.environ["DISPLAY"] = display


def start_window_manager():
    # A window manager that hangs on start (seen right after a build, on a busy machine) gets more goes.
    for attempt in range(3):
        icewm = spawn("icewm", stderr=compositor_log(f"icewm-{attempt}"))
        with contextlib.suppress(AssertionError):
            return wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in run("xprop", "-root"), "icewm", 20)
        os.killpg(icewm.pid, signal.SIGKILL)
    raise AssertionError(f"icewm did not start; its output is in {os.environ['ARTIFACTS']}")


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


def click_at(x, y, button=1):
    # No --sync: it waits forever when the pointer is already there, and the server handles the
    # move before the click anyway.
    xdotool("mousemove", x, y, "click", button)


def geometry(window):
    shell = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def corner_brightness(window):
    """How bright, 0 to 1, the window's content is near its bottom right corner: its background there."""
    _, _, width, height = geometry(window)
    return float(run("import", "-window", window, "-crop", f"8x8+{width - 16}+{height - 16}", "+repage",
                     "-format", "%[fx:mean]", "info:") or 1)


def shown_windows(pid):
    """The process's windows that the Wayland compositor shows, as (x, y, width, height) on its output."""
    if DESKTOP == "sway":
        def walk(node):
            yield node
            for child in node["nodes"] + node["floating_nodes"]:
                yield from walk(child)

        return [tuple(node["rect"][key] for key in ("x", "y", "width", "height"))
                for node in walk(json.loads(run("swaymsg", "--raw", "--type", "get_tree")))
                if node.get("pid") == pid and node.get("visible")]
    views = re.findall(r"xdg_toplevel, PID (\d+),.*\n\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)",
                       run("weston-debug", "scene-graph"))
    return [(x, y, right - x, bottom - y) for owner, x, y, right, bottom in (map(int, view) for view in views)
            if owner == pid]
