"""`make screenshots`, not part of `make test`: every pane and window in light, dark and at double scale,
under ARTIFACTS/screenshots. It asserts nothing, and works the app through the accessibility bus's
actions, which hold at any scale."""

import os
import re
import subprocess
import tempfile
from pathlib import Path

import pytest

from desktop import X11, activate, key, wait_until, xdotool
from harness import MAIN, NAME


def capture(window):
    if X11:
        return subprocess.run(["import", "-window", str(window), "ppm:-"], capture_output=True).stdout
    with tempfile.TemporaryDirectory() as folder:  # weston names the file after the second it was taken in
        subprocess.run(["weston-screenshooter"], cwd=folder, capture_output=True)
        return next((shot.read_bytes() for shot in Path(folder).glob("*.png")), None)


def screenshot(name, window=None, bring_forward=True):
    """Saves the window's picture, on Wayland the whole output's, once two captures in a row agree: it is
    painted by then."""
    if X11 and bring_forward:  # on Wayland the newest window is on top
        activate(window)
        xdotool("mousemove", 1270, 10)  # nothing hovered, no tooltip
    captures = [None]

    def settled():
        captures.append(capture(window))
        return captures[-1] and captures[-1] == captures[-2]

    wait_until(settled, f"the picture of {name} to settle", interval=0.1)
    Path(os.environ["ARTIFACTS"], "screenshots").mkdir(parents=True, exist_ok=True)
    # Without a date in the file, a picture that looks the same is the same file.
    subprocess.run(["convert", "-", "-define", "png:exclude-chunk=date,time",
                    Path(os.environ["ARTIFACTS"], "screenshots", name)], input=captures[-1], check=True)


@pytest.mark.parametrize("look, theme, scale", [("light", "Adwaita", 1), ("dark", "Adwaita:dark", 1),
                                               ("hidpi", "Adwaita", 2)])
def test_every_pane_and_window(launch, look, theme, scale):
    app = launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_SCALE_FACTOR=str(scale))
    main = app.window(MAIN)
    app.find("label", "No entry selected")
    screenshot(f"empty-{look}.png", main)
    for entry in app.entries():  # each picture named after its entry, in lower case, words joined by "-"
        app.press("list item", entry)
        wait_until(lambda: app.selected_entries() == [entry], f"{entry!r} shown")
        screenshot(f"{re.sub('[^a-z0-9]+', '-', entry.lower().replace(chr(39), '')).strip('-')}-{look}.png", main)
    app.press("menu item", "Settings…", "File", showing=False)
    screenshot(f"settings-{look}.png", settings := app.window(" Settings"))
    if X11:
        key(settings, "alt+F4")
    app.press("menu item", f"About {NAME}", "Help", showing=False)
    screenshot(f"about-{look}.png", about := app.window(f"^About {NAME}"))
    app.press("push button", "Attributions")
    attributions = app.window("^Attributions")
    if X11:
        key(about, "alt+F4")
    screenshot(f"attributions-{look}.png", attributions)
    app.tray().activate()
    screenshot(f"tray-popup-{look}.png", app.window(kind="popup") if X11 else None, bring_forward=False)
