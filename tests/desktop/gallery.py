"""The gallery, made by `make screenshots`, not by `make test`: every pane and window in light, dark and
at double scale, under ARTIFACTS/screenshots. It only takes pictures; the scenarios assert. It works
the app through the accessibility bus's actions alone, which hold at any scale."""

import os
import subprocess
import tempfile
from pathlib import Path

import pytest

from desktop import X11, activate, key, wait_until, xdotool

FOLDER = Path(os.environ["ARTIFACTS"], "screenshots")
NAME = os.environ["APP_DISPLAY_NAME"]


def screenshot(path, window=None):
    """Saves the window's picture, on Wayland the whole output's, once two captures in a row agree:
    it is painted by then."""
    def capture():
        if X11:
            return subprocess.run(["import", "-window", str(window), "ppm:-"], capture_output=True).stdout
        with tempfile.TemporaryDirectory() as folder:  # the file is named after the second it was taken in
            subprocess.run(["weston-screenshooter"], cwd=folder, capture_output=True)
            return next((shot.read_bytes() for shot in Path(folder).glob("*.png")), None)

    captures = [None]

    def settled():
        captures.append(capture())
        return captures[-1] and captures[-1] == captures[-2]

    wait_until(settled, f"the picture of {window or 'the output'} to settle", interval=0.1)
    FOLDER.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", "-", str(FOLDER / path)], input=captures[-1], check=True)


@pytest.mark.parametrize("appearance, theme, scale", [
    ("light", "Adwaita", "1"), ("dark", "Adwaita:dark", "1"), ("hidpi", "Adwaita", "2")])
def test_every_pane_and_window(launch, appearance, theme, scale):
    app = launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_SCALE_FACTOR=scale)

    def shot(name, window):
        if X11 and name != "tray-popup":  # Wayland shows the newest window on top
            activate(window)
            xdotool("mousemove", 1270, 10)  # nothing hovered, no tooltip
        screenshot(f"{name}-{appearance}.png", window)

    main = app.main_window()
    app.find("label", "No entry selected")
    shot("empty", main)
    for entry, name, shown in [("Hello, World!", "hello-world", ("check box", "Always on top")),
                               ("What's Up?", "whats-up", ("label", "What's up, Holly?")),
                               ("More Stuff", "more-stuff", ("label", "Drop files here"))]:
        app.press("list item", entry)
        app.find(*shown)
        shot(name, main)
    app.press("menu item", "Settings…", "File", showing=False)
    shot("settings", settings := app.window(" Settings"))
    if X11:
        key(settings, "alt+F4")
    app.press("menu item", f"About {NAME}", "Help", showing=False)
    shot("about", about := app.window(f"^About {NAME}"))
    app.press("push button", "Attributions")
    attributions = app.window("^Attributions")
    if X11:
        key(about, "alt+F4")
    shot("attributions", attributions)
    app.tray().activate()
    shot("tray-popup", app.window(kind="popup") if X11 else None)
