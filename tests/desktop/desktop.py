"""A real desktop of its own, and the tools that act on it as a user does: xdotool and xprop on X11,
the accessibility bus on every desktop."""

import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

BINARY = Path(os.environ.get("APP_BINARY", Path(__file__).resolve().parents[2] / "build" / "pillowrock"))
DRAG_SOURCE = Path(os.environ.get("APP_DRAGSOURCE", BINARY.parent / "tests" / "desktop" / "dragsource"))
ARTIFACTS = Path(os.environ.get("APP_ARTIFACTS", BINARY.parent))
ENV = {name: value for name, value in os.environ.items() if name != "WAYLAND_DISPLAY"}
# "icewm": X11 with icewm's XEmbed tray; "sni": X11 and icewm with a StatusNotifierItem panel on the
# bus, as KDE's and GNOME's are; "weston": Wayland, with that panel, driven through AT-SPI alone.
DESKTOP = os.environ.get("APP_DESKTOP", "icewm")
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
    """A D-Bus session with the accessibility bus, then the desktop that APP_DESKTOP names."""
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

    def settled():
        captures.append(capture())
        return captures[-1] and captures[-1] == captures[-2]

    wait_until(settled, f"the picture of {window or 'the output'} to settle", interval=0.1)
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
            run("xprop", "-id", window, "-f", "_APP_MARK", "8s", "-set", "_APP_MARK", "1")
            return any("(_APP_MARK)" in event for event in events[seen:])

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


def needs_x11(test):
    """For scenarios that move the mouse, type or read window properties: Wayland lets no client do that."""
    return unittest.skipUnless(X11, "Wayland lets no client inject input or read other windows")(test)
