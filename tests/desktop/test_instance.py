"""One instance per session, reached over the session bus as the desktop reaches it."""

import configparser
import os
import signal
from pathlib import Path

import dbus
from dbusmock import DBusTestCase

from desktop import X11, wait_until, xdotool
from harness import NAME


def test_the_desktop_starts_and_raises_the_one_instance_over_dbus(launch, tmp_path):
    """A launcher that activates over D-Bus starts the app, Activate on the bus raises it, and two
    launches at once leave one process."""
    app_id = os.environ["APP_ID"]
    service = Path(DBusTestCase.get_services_dir(), f"{app_id}.service")
    service.write_text(f"[D-BUS Service]\nName={app_id}\nExec={os.environ['APP_BINARY']}\n")
    bus = DBusTestCase.get_dbus()
    daemon = dbus.Interface(bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus"), "org.freedesktop.DBus")
    daemon.ReloadConfig()
    daemon.UpdateActivationEnvironment({"XDG_CONFIG_HOME": str(tmp_path),
                                        "QT_QPA_PLATFORM": "xcb" if X11 else "wayland"})
    activated = None
    try:
        application = dbus.Interface(bus.get_object(app_id, "/" + app_id.replace(".", "/")),
                                     "org.freedesktop.Application")
        application.Activate({})
        activated = int(daemon.GetConnectionUnixProcessID(app_id))
        later = [launch(), launch()]
        assert [other.process.wait(10) for other in later] == [0, 0]
        if X11:
            window = xdotool("search", "--sync", "--onlyvisible", "--pid", activated, "--name", f"^{NAME}$").split()[0]
            xdotool("windowminimize", "--sync", window)
            application.Activate({})
            wait_until(lambda: xdotool("getactivewindow").strip() == window, "the window raised by Activate")
            # Each action of the desktop entry opens the window it is named after.
            entry = configparser.ConfigParser(interpolation=None)
            entry.read(Path(os.environ["APP_BINARY"]).parent / "resources" / f"{app_id}.desktop")
            for action in filter(None, entry["Desktop Entry"]["Actions"].split(";")):
                application.ActivateAction(action, [], {})
                name = entry[f"Desktop Action {action}"]["Name"]
                wait_until(lambda: xdotool("search", "--onlyvisible", "--pid", activated, "--name", name), f"a {name} window")
    finally:
        service.unlink()
        daemon.ReloadConfig()
        if activated:
            os.kill(activated, signal.SIGTERM)
    wait_until(lambda: not daemon.NameHasOwner(app_id), "the activated app gone")
    both = [launch(), launch()]
    wait_until(lambda: sum(other.process.poll() is None for other in both) == 1, "one of two launches at once left")
    assert [other.process.poll() for other in both].count(0) == 1
