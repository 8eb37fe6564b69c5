"""The app on a real desktop, driven and read from outside as a user, a panel and a screen reader would."""

import os
import re
import signal
import sys
import time
from pathlib import Path

import pytest

from desktop import (DESKTOP, PANEL_ERRORS, X11, above, activate, click_at, corner_brightness, key, other_x_server,
                     panel_started_later, run, size, start_window_manager, title, wait_until, xdotool)
from harness import MAIN, NAME, SETTINGS, has_state, is_a, named

QT_VERSION = tuple(map(int, os.environ["APP_QT_VERSION"].split(".")[:2]))  # the Qt the app was built with and runs on
DRAG_SOURCE = Path(__file__).with_name("dragsource.py")  # another program, of another toolkit
# While the tray popup is open, a click in the main window does not always reach it on newer weston:
# weston 14 (Debian 13) now and then leaves the keyboard with the popup, and weston 16 (testing) dies in
# its shell's click-to-activate (weston_surface_is_desktop_surface, from notify_button).
WESTON_CLICK_CRASH = DESKTOP == "weston" and int(run("weston", "--version").split()[-1].split(".")[0]) >= 14
needs_x11 = pytest.mark.skipif(not X11, reason="Wayland lets no client inject input or read other windows")
SETTINGS_TITLE = f"{os.environ['APP_ORGANIZATION']} Settings"
ABOUT = f"About {NAME}"
# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"


def test_commands_print_their_lines_and_closing_the_window_ends_the_process(launch):
    app = launch()
    window = app.window(MAIN)
    app.tray().wait_for_icon()  # the icon there does not keep the app running once its window closes
    if X11:
        for keys, line in [("ctrl+b", "Build!"), ("ctrl+d", "Do Stuff!")]:
            key(window, keys)
            app.wait_for_line(line)
        key(window, "alt+F4")
    else:
        for item, line in [("Build", "Build!"), ("Do Stuff", "Do Stuff!")]:
            app.choose(window, "Commands", item)
            app.wait_for_line(line)
        app.choose(window, "File", "Quit")
    assert app.process.wait(10) == 0
    assert app.lines == ["Build!", "Do Stuff!"]
    assert app.errors == []


@needs_x11
@pytest.mark.parametrize("answer, written", [("Escape", None), ("Return", SAMPLE_TSV)], ids=["cancelled", "saved"])
def test_export_writes_the_sample_table_where_the_user_chose(launch, tmp_path, answer, written):
    target = tmp_path / "chosen folder" / "my table.tsv"
    target.parent.mkdir()
    app = launch()
    app.choose(app.window(MAIN), "File", "Export…")
    dialog = app.window(f"^Export — {re.escape(NAME)}$")
    app.find("text", inside="Export").text = str(target)  # a path typed in would test the keyboard
    key(dialog, answer)
    wait_until(lambda: not app.windows("^Export"), "the dialog to close")
    assert {path.name: path.read_bytes() for path in target.parent.iterdir()} == ({target.name: written} if written else {})
    assert app.lines == []


@pytest.mark.tray
def test_tray_menu_about_and_quit(launch):
    app = launch()
    app.main_window()
    tray = app.tray()
    tray.wait_for_icon()
    if tray.labels is not None:
        assert tray.labels == ["About...", "Do Stuff", "Quit"]
        item = tray.properties()
        assert (item["Title"], item["Status"]) == (NAME, "Active")
        # A panel looks an icon name up in its theme first: the drawn symbol must come as pixels.
        assert item["IconName"] == ""
        assert any(width > 0 and any(data) for width, _, data in item["IconPixmap"])
    tray.choose("Do Stuff")
    app.wait_for_line("Do stuff")
    # Each About request opens a window of its own.
    for count in (1, 2):
        tray.choose("About...")
        wait_until(lambda: app.frames().count(ABOUT) == count, lambda: f"{count} About windows: {app.frames()}")
        if X11:  # a window activated while the tray menu opens would close it again
            wait_until(lambda: title(xdotool("getactivewindow").strip()) == ABOUT, "the About window active")
    tray.choose("Quit")
    assert app.process.wait(10) == 0
    assert app.lines == ["Do stuff"]
    # waybar builds its menu from the exported one without a complaint.
    assert app.errors + [line for line in PANEL_ERRORS if "CRITICAL" in line or "WARNING" in line] == []


@pytest.mark.tray
def test_tray_popup_is_one_and_closes_as_a_menu_does(launch):
    app = launch()
    main = app.main_window()
    tray = app.tray()
    tray.wait_for_icon()

    def popups():
        return [rect for rect in app.shown() if rect[2:] == (200, 200)]

    def expect(count):
        wait_until(lambda: len(popups()) == count, lambda: f"{count} popups among {app.shown()}")
        if count and not X11:  # a window of its own there: active, to lose the keyboard to a click
            wait_until(lambda: app.find("push button", "About...").focused, "the popup active")

    for count in (1, 0, 1):  # a click on the icon while the popup is open closes it, as it closes a menu
        tray.activate()
        expect(count)
    # A click elsewhere, in the main window, closes it; the next activation opens it again, not tied to
    # that click's input as a Wayland popup of the main window would be.
    (left, top, *_), (x, y, width, height) = popups()[0], max(app.shown(), key=lambda rect: rect[2] * rect[3])
    points = [(x + width * i // 4, y + height * j // 4) for i in (1, 3) for j in (1, 3)]
    if WESTON_CLICK_CRASH:
        tray.activate()
    else:
        click_at(*next(point for point in points if not (0 <= point[0] - left < 200 and 0 <= point[1] - top < 200)))
    expect(0)
    for keys in ("Escape", "space"):  # space presses the About button, which has the focus
        tray.activate()
        expect(1)
        xdotool("key", keys)
        expect(0)
    about = app.window(f"^{re.escape(ABOUT)}$")
    if X11:
        assert above(about)
        activate(main)
        stacking = [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", run("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))]
        assert stacking.index(about) > stacking.index(main), "About went below the main window"
    assert app.lines + app.errors == []


@pytest.mark.tray
@pytest.mark.skipif(DESKTOP in ("sway", "sni") or not X11 and QT_VERSION < (6, 8),
                    reason="on X11 Qt takes the XEmbed tray when no StatusNotifierItem panel is there as the icon "
                    "is made, and follows that tray on every Qt; on Wayland it follows a late panel from Qt 6.8")
def test_a_tray_started_after_the_app_gets_the_icon(launch):
    with other_x_server() if DESKTOP == "icewm" else panel_started_later():
        app = launch()
        app.window(MAIN)
        time.sleep(2)  # the session's panel is late
        if DESKTOP == "icewm":  # its tray comes with the window manager
            assert app.windows(kind="icon") == []
            start_window_manager()
            app.window(kind="icon")
    if DESKTOP != "icewm":
        app.tray().wait_for_icon()
    # Qt says that there is no panel when the icon is made; that is this scenario's premise.
    no_panel = "QDBusTrayIcon encountered a D-Bus error: QDBusError(\"org.freedesktop.DBus.Error.ServiceUnknown\""
    assert app.lines + [line for line in app.errors if not line.startswith(no_panel)] == []


@needs_x11
def test_keyboard_alone_reaches_the_panes_and_the_settings_and_hides_the_sidebar(launch, tmp_path):
    app = launch()
    window = app.window(MAIN)
    # Both arrows skip the section headers.
    entries = app.entries()
    for arrow, entry in [("Down", entry) for entry in entries] + [("Up", entry) for entry in entries[-2:-1]]:
        key(window, arrow)
        wait_until(lambda: app.selected_entries() == [entry], lambda: f"{entry!r} selected: {app.selected_entries()}")
        # Named after the pane's subtitle, with the app's name added by the title bar, or the app's name alone.
        wait_until(lambda: title(window) in (NAME, f"{entry} — {NAME}"), lambda: f"the title for {entry!r}: {title(window)!r}")
    for shown in (False, True):
        key(window, "ctrl+alt+s")
        wait_until(lambda: bool(app.all(lambda node: named(node, "list", "Sidebar"))) == shown,
                   f"the sidebar shown: {shown}")
    key(window, "ctrl+comma")
    key(app.window(f"^{SETTINGS_TITLE}"), "Tab", "Z", "o", "Return")  # past the tab to the name field
    app.wait_for_line("On commit!")
    assert "settings.general.name=Zo" in (tmp_path / SETTINGS).read_text()  # stored as typed
    assert app.lines == ["On commit!"]


def test_assistive_technology_selects_each_entry_and_reads_every_window_and_control_by_name(launch):
    app = launch()
    window = app.window(MAIN)
    app.find("label", "No entry selected")
    assert app.frames() == [NAME]
    rows = app.all(lambda node: is_a(node, "list item"))
    assert not rows or not has_state(rows[0], "SELECTABLE"), "the first row, a section's header, is selectable"
    unnamed = set()
    entries = app.entries()
    for entry in entries[1:] + entries[:2]:
        app.find("list item", entry).doActionNamed("Toggle")
        wait_until(lambda: app.frames() in ([NAME], [entry]),
                   lambda: f"the window named for {entry!r}: {app.frames()}")
        wait_until(lambda: app.selected_entries() == [entry], lambda: f"only {entry!r} selected: {app.selected_entries()}")
        unnamed |= app.unnamed_controls()
    main_frame = app.frames()[0]
    app.choose(window, "Help", ABOUT)
    app.click("push button", "Attributions")
    app.choose(window, "File", "Settings…")
    app.press("push button", "Apply")
    expected = sorted([ABOUT, "Attributions", main_frame, SETTINGS_TITLE])
    wait_until(lambda: app.frames() == expected, lambda: f"the windows {expected}: {app.frames()}")
    if X11:  # Qt adds the application's name to a title on X11 unless the title holds it
        titles = sorted(t if t in expected else t.removesuffix(f" — {NAME}") for t in map(title, app.windows()))
        assert titles == expected
    assert unnamed | app.unnamed_controls() == set()
    app.wait_for_line("Apply!")  # the press is only asked for
    assert app.lines + app.errors == ["Apply!"]


@needs_x11
def test_a_dark_gtk_theme_darkens_the_panes_too(launch):
    # With no colour scheme stated by the desktop, Qt 6.8's GTK theme reports a light one for a dark GTK
    # theme, while its palette is dark: a pane painted white there would carry light text.
    app = launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")
    window = app.window(MAIN)
    for entry in app.entries()[:1]:
        app.click("list item", entry)
    # The pane's own background, below and beside its content.
    wait_until(lambda: corner_brightness(window) < 0.5, lambda: f"a dark pane, not {corner_brightness(window)}")
    assert app.errors == []


@pytest.mark.skipif(X11, reason="on X11 the pinned-window scenario works both controls")
def test_always_on_top_is_disabled_where_the_window_system_cannot_and_the_choice_is_kept(launch, tmp_path):
    settings = tmp_path / SETTINGS
    settings.parent.mkdir(parents=True)
    settings.write_text("[General]\nwindow.setting.isAlwaysOnTop=true\n")
    app = launch()
    window = app.window(MAIN)
    command = app.find("menu item", "Toggle Always on Top", inside="Window", showing=False)
    assert has_state(command, "CHECKED") and not has_state(command, "ENABLED")
    app.choose(window, "File", "Quit")
    assert app.process.wait(10) == 0
    assert "window.setting.isAlwaysOnTop=true" in settings.read_text()
    assert app.lines + app.errors == []


@needs_x11
def test_pinned_window_and_its_frame_survive_sigterm_and_a_second_launch_raises_the_first(launch, tmp_path):
    app = launch()
    window = app.window(MAIN)
    xdotool("windowsize", "--sync", window, 900, 620)
    app.choose(window, "Window", "Toggle Always on Top")
    wait_until(lambda: above(window), "the window on top")
    app.process.send_signal(signal.SIGTERM)
    assert app.process.wait(10) == 0
    assert re.findall(r"^([^\[=]+)=", (tmp_path / SETTINGS).read_text(), re.M) == ["window.setting.isAlwaysOnTop"]

    first = launch()
    window = first.window(MAIN)
    assert size(window) == (900, 620)
    wait_until(lambda: above(window), "the window on top again")
    first.choose(window, "Window", "Toggle Always on Top")
    wait_until(lambda: not above(window), "the window unpinned")
    # Minimized, or behind another program's window: a second launch brings the first forward.
    for hide in (lambda: xdotool("windowminimize", "--sync", window),
                 lambda: activate(launch(sys.executable, DRAG_SOURCE).window("^Drag source"))):
        hide()
        second = launch()
        assert second.process.wait(10) == 0
        wait_until(lambda: xdotool("getactivewindow").strip() == str(window), "the first window raised and active")
        assert first.windows() == [window]
        assert first.lines + second.lines + second.errors == []
