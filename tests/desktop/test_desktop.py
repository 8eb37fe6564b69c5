"""Pillowrock on a real desktop, driven and read from outside as a user, a panel and a screen reader would."""

import contextlib
import re
import signal
import tempfile
import time
import unittest
from pathlib import Path

from harness import (ARTIFACTS, DESKTOP, DRAG_SOURCE, TRAY_MENU, X11, DesktopCase, above, activate, centre, centre_of,
                     checked, click_at, do_action, geometry, key, needs_x11, other_x_server, run, screenshot,
                     start_window_manager, title, type_text,
                     wait_until, watching_unmaps, wayland_screenshot, xdotool)

# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"
EXPORT_TITLE = "^Export — Pillowrock$"
ABOUT_TITLE = "^About Pillowrock$"


class Pillowrock(DesktopCase):
    @needs_x11
    def test_search_field_narrows_the_greetings(self):
        app = self.launch()
        self.main_window(app)
        app.click("list item", "What's Up?")

        def greetings():
            return [node.name for node in app.accessibles("label") if node.name.startswith("What's up, ")]

        for text, names in [("o", ["Holly", "Josh", "Rhonda"]), ("h", ["Josh", "Rhonda"]), ("H", ["Holly"]),
                            ("holly", []), (" ", []), ("", ["Holly", "Josh", "Rhonda", "Ted"])]:
            with self.subTest(repr(text)):
                app.click("text", "Search", parent="Toolbar")
                xdotool("key", "ctrl+a", "BackSpace")
                type_text(text)
                expected = [f"What's up, {name}?" for name in names]
                wait_until(lambda: greetings() == expected, f"the greetings {expected}, showing {greetings()}")
        self.assertEqual(app.lines, [])

    def test_toolbar_buttons_and_shortcuts_print_their_lines_and_closing_the_window_ends_the_process(self):
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "What's Up?")
        for button in ("Share", "Delete", "Build"):
            app.click("push button", button)
        wait_until(lambda: len(app.lines) == 3, "three lines")
        self.tray(app).wait_for_icon()
        if X11:
            key(window, "ctrl+b")
            app.wait_for_line("Build!")
            key(window, "ctrl+d")
            app.wait_for_line("Do Stuff!")
            self.assertEqual(app.lines, ["Action!"] * 3 + ["Build!", "Do Stuff!"])
            key(window, "alt+F4")
        else:
            self.assertEqual(app.lines, ["Action!"] * 3)
            app.choose(window, "File", "Quit")
        self.assertEqual(app.process.wait(10), 0)
        self.assertEqual(app.stderr_lines, [])

    @needs_x11
    def test_export_writes_the_sample_table_where_the_user_chose(self):
        folder = Path(self.enterContext(tempfile.TemporaryDirectory(prefix="pillowrock export ")))
        app = self.launch()
        window = self.main_window(app)
        for answer, written in [("Escape", None), ("Return", SAMPLE_TSV)]:
            with self.subTest(answer):
                target = folder / f"chosen {answer}.tsv"
                app.choose(window, "File", "Export…")
                dialog = app.window(EXPORT_TITLE)
                key(dialog, "ctrl+a")
                type_text(str(target))
                key(dialog, answer)
                wait_until(lambda: not app.windows(EXPORT_TITLE), "the dialog to close")
                self.assertEqual(target.read_bytes() if target.exists() else None, written)
        self.assertEqual(sorted(path.name for path in folder.iterdir()), ["chosen Return.tsv"])
        self.assertEqual(app.lines, [])

    @needs_x11
    def test_window_menu_pins_the_window_across_launches_and_the_checkbox_unpins_it_without_unmapping(self):
        for pinned, toggle in [(False, lambda: app.choose(window, "Window", "Toggle Always on Top")),
                               (True, lambda: app.click("check box", "Always on top"))]:
            app = self.launch()
            window = self.main_window(app)
            wait_until(lambda: above(window) == pinned, "the window's state from the last launch")
            app.click("list item", "Hello, World!")
            checkbox = app.accessible("check box", "Always on top")
            self.assertEqual(checked(checkbox), pinned)
            with watching_unmaps(window) as unmaps:
                toggle()
                wait_until(lambda: above(window) != pinned and checked(checkbox) != pinned, "the toggle")
            self.assertEqual(unmaps, [])
            key(window, "ctrl+q")
            self.assertEqual(app.process.wait(10), 0)
            self.assertEqual(app.lines, [])

    @needs_x11
    def test_files_dragged_from_another_program(self):
        folder = Path(self.enterContext(tempfile.TemporaryDirectory(prefix="pillowrock drop ")))
        one, two = folder / "Notes für später.txt", folder / "second.txt"
        for path in (one, two):
            path.write_text(path.name)
        for case, files, over_target, expected in [
                ("one file", [one], True, ["Drop entered!", f"File was dropped: {one}"]),
                ("two files", [one, two], True, ["Drop entered!"]),
                ("in and out", [one], False, ["Drop entered!", "Drop exited!"])]:
            with self.subTest(case):
                app = self.launch()
                window = self.main_window(app)
                app.click("list item", "More Stuff")
                target = centre_of(app.accessible("label", "Drop files here"))
                source = self.launch(DRAG_SOURCE, *files)
                source_window = source.window("^Drag source")
                xdotool("windowmove", "--sync", source_window, 900, 400)
                start = centre(source_window)
                xdotool("mousemove", *start, "mousedown", 1)
                # In steps, so that the target sees the drag arrive and move.
                for x, y in [(target[0] + 20, target[1]), target]:
                    xdotool("mousemove", x, y)
                app.wait_for_line("Drop entered!")
                if not over_target:
                    xdotool("mousemove", *start)
                    app.wait_for_line("Drop exited!")
                xdotool("mouseup", 1)
                source.wait_for_line("Drag ended")
                # A line of our own, asked for after the drop, shows the app has handled it.
                key(window, "ctrl+b")
                app.wait_for_line("Build!")
                self.assertEqual(app.lines, expected + ["Build!"])
                source.kill()
                app.kill()

    def test_tray_menu_popup_about_and_quit(self):
        app = self.launch()
        main = self.main_window(app)
        tray = self.tray(app)
        tray.wait_for_icon()
        if tray.labels is not None:
            self.assertEqual(tray.labels, TRAY_MENU)
            item = tray.properties()
            self.assertEqual((item["Title"], item["Status"]), ("Pillowrock", "Active"))
            # A panel looks an icon name up in its theme first: the drawn symbol must come as pixels.
            self.assertEqual(item["IconName"], "")
            self.assertTrue(any(width > 0 and any(data) for width, _, data in item["IconPixmap"]))
        tray.choose("Do Stuff")
        app.wait_for_line("Do stuff")

        self.assertNotIn("About Pillowrock", app.frames())
        tray.activate()
        if X11:
            self.assertEqual(geometry(app.window(kind="popup"))[2:], (200, 200))
            xdotool("key", "space")  # the popup's About button has the focus
            about = app.window(ABOUT_TITLE)
            self.assertTrue(above(about))
            activate(main)
            stacking = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
            stacking = [int(window, 16) for window in re.findall(r"0x[0-9a-f]+", stacking)]
            self.assertGreater(stacking.index(about), stacking.index(main))
        else:  # the popup is not on the bus: what the screen shows is looked at instead
            wayland_screenshot(ARTIFACTS / "screenshots" / "tray-popup.png")
        # Each About request opens a window of its own.
        abouts = app.frames().count("About Pillowrock")
        tray.choose("About...")
        wait_until(lambda: app.frames().count("About Pillowrock") == abouts + 1, "one more About window")
        if X11:  # a window activated while the tray menu opens would close it again
            wait_until(lambda: title(xdotool("getactivewindow").strip()) == "About Pillowrock", "the About window active")

        tray.choose("Quit")
        self.assertEqual(app.process.wait(10), 0)
        self.assertEqual(app.lines, ["Do stuff"])
        self.assertEqual(app.stderr_lines, [])

    @unittest.skipUnless(DESKTOP == "icewm", "Qt 6.4 asks the bus for a StatusNotifierItem panel once, at the first "
                         "icon, so a panel that comes later is not used; X11 trays are followed")
    def test_a_tray_started_after_the_app_gets_the_icon(self):
        with other_x_server():  # one whose tray is not there yet
            app = self.launch()
            self.main_window(app)
            time.sleep(2)  # the session's panel is late
            self.assertEqual(app.windows(kind="icon"), [])
            start_window_manager()
            app.window(kind="icon")
            self.assertEqual(app.lines + app.stderr_lines, [])

    @needs_x11
    def test_a_typed_name_survives_the_app_being_killed(self):
        def name_field(app):
            app.choose(self.main_window(app), "File", "Settings…")
            return app.accessible("text", "Name & Locations")

        name = "Ada Zoë Lovelace"
        app = self.launch()
        field = name_field(app)
        click_at(*centre_of(field))
        # xdotool now and then loses a letter that is not on the keyboard; a user would type it again.
        for attempt in range(3):
            xdotool("key", "ctrl+a")
            type_text(name)
            with contextlib.suppress(AssertionError):
                wait_until(lambda: field.queryText().getText(0, -1) == name, f"the field to show {name!r}", timeout=3)
                break
        else:
            self.fail(f"the field shows {field.queryText().getText(0, -1)!r}, not {name!r}")
        app.kill()
        app = self.launch()
        self.assertEqual(name_field(app).queryText().getText(0, -1), name)
        self.assertEqual(app.lines, [])

    def test_launch_each_pane_and_every_window_in_light_dark_and_at_double_scale(self):
        for appearance, theme, scale in [("light", "Adwaita", "1"), ("dark", "Adwaita:dark", "1"),
                                         ("hidpi", "Adwaita", "2")]:
            with self.subTest(appearance):
                app = self.launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_SCALE_FACTOR=scale)

                def shot(name, window):
                    path = ARTIFACTS / "screenshots" / f"{name}-{appearance}.png"
                    if not X11:  # the compositor shows the newest window on top; the whole output is taken
                        return wayland_screenshot(path)
                    activate(window)
                    # The pointer waits in a corner, so that nothing is hovered or shows a tooltip.
                    xdotool("mousemove", 1270, 10)
                    screenshot(path, window)

                main = self.main_window(app)
                app.accessible("label", "No entry selected")
                self.assertEqual(app.frames(), ["Pillowrock"])
                shot("empty", main)
                for entry, name, caption, shown in [
                    ("Hello, World!", "hello-world", "Hello, World! — Pillowrock", ("check box", "Always on top")),
                    ("What's Up?", "whats-up", "What's Up? — Pillowrock", ("label", "What's up, Holly?")),
                    ("More Stuff", "more-stuff", "Pillowrock", ("label", "Drop files here"))]:
                    app.click("list item", entry)
                    app.accessible(*shown)
                    if X11:
                        wait_until(lambda: title(main) == caption, f"the title {caption!r}")
                    shot(name, main)
                app.choose(main, "File", "Settings…")
                settings = app.window("^Vestrandi Settings")
                shot("settings", settings)
                if X11:
                    key(settings, "alt+F4")
                app.choose(main, "Help", "About Pillowrock")
                about = app.window(ABOUT_TITLE)
                shot("about", about)
                app.click("push button", "Attributions")
                attributions = app.window("^Attributions")
                if X11:
                    key(about, "alt+F4")
                shot("attributions", attributions)
                self.tray(app).activate()
                if X11:
                    screenshot(ARTIFACTS / "screenshots" / f"tray-popup-{appearance}.png",
                               app.window(kind="popup"))
                else:
                    shot("tray-popup", None)
                self.assertEqual(app.lines, [])
                app.kill()

    @needs_x11
    def test_edit_menu_acts_on_the_focused_search_field(self):
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "What's Up?")
        app.click("text", "Search", parent="Toolbar")
        type_text("Holly")
        xdotool("key", "Escape")  # the suggestions popup takes the next click otherwise
        field = app.accessible("text", "Search", parent="Toolbar")
        for item, text in [("Select All", "Holly"), ("Cut", ""), ("Paste", "Holly")]:
            with self.subTest(item):
                app.choose(window, "Edit", item)
                wait_until(lambda: field.queryText().getText(0, -1) == text, f"the field to hold {text!r}")
                xdotool("key", "Escape")  # an emptied field offers every name again
        self.assertEqual(app.lines, [])

    @needs_x11
    def test_keyboard_alone_reaches_the_panes_and_hides_the_sidebar(self):
        app = self.launch()
        window = self.main_window(app)
        for entry, caption in [("Hello, World!", "Hello, World! — Pillowrock"),
                               ("What's Up?", "What's Up? — Pillowrock"), ("More Stuff", "Pillowrock")]:
            with self.subTest(entry):
                key(window, "Down")
                wait_until(lambda: checked_entry(app) == entry, f"{entry!r} selected, not {checked_entry(app)!r}")
                wait_until(lambda: title(window) == caption, f"the title {caption!r}")
        key(window, "Up")
        wait_until(lambda: checked_entry(app) == "What's Up?", "the arrow up to skip the header")
        for _ in range(6):
            key(window, "Tab")
            if any(node.getState().contains(pyatspi_state("FOCUSED")) for node in app.accessibles("text", "Search")):
                break
        else:
            self.fail("Tab never reached a search field")
        for shown in (False, True):
            key(window, "ctrl+alt+s")
            wait_until(lambda: bool(app.accessibles("list", "Sidebar")) == shown, f"the sidebar shown: {shown}")
        self.assertEqual(app.lines, [])

    def test_assistive_technology_selects_each_entry_in_turn(self):
        app = self.launch()
        self.main_window(app)
        headers = [node for node in app.accessibles("list item") if node.name in ("General", "More")]
        self.assertEqual([node.getState().contains(pyatspi_state("SELECTABLE")) for node in headers], [False, False])
        for entry, caption in [("What's Up?", "What's Up? — Pillowrock"), ("Hello, World!", "Hello, World! — Pillowrock"),
                               ("More Stuff", "Pillowrock"), ("What's Up?", "What's Up? — Pillowrock")]:
            with self.subTest(entry):
                do_action(app.accessible("list item", entry), "Toggle")
                wait_until(lambda: app.frames() == [caption], f"the window titled {caption!r}, not {app.frames()}")
                wait_until(lambda: selected_entries(app) == [entry], f"only {entry!r} selected: {selected_entries(app)}")
        self.assertEqual(app.lines, [])

    def test_every_window_carries_its_title_and_every_control_a_name(self):
        app = self.launch()
        window = self.main_window(app)
        unnamed = set()
        for entry, frame in [("Hello, World!", "Hello, World! — Pillowrock"), ("What's Up?", "What's Up? — Pillowrock"),
                             ("More Stuff", "Pillowrock")]:
            do_action(app.accessible("list item", entry), "Toggle")
            wait_until(lambda: app.frames() == [frame], f"the {entry!r} pane")
            unnamed |= unnamed_controls(app)
        app.choose(window, "Help", "About Pillowrock")
        app.click("push button", "Attributions")
        app.choose(window, "File", "Settings…")
        expected = ["About Pillowrock", "Attributions", "Pillowrock", "Vestrandi Settings"]
        wait_until(lambda: app.frames() == expected, f"the frames {expected}, not {app.frames()}")
        if X11:  # Qt adds the application's name to a title on X11 unless the title holds it
            titles = sorted(t if t in expected else t.removesuffix(" — Pillowrock") for t in map(title, app.windows()))
            self.assertEqual(titles, expected)
        self.assertEqual(unnamed | unnamed_controls(app), set())
        self.assertEqual(app.lines + app.stderr_lines, [])

    def test_always_on_top_works_where_the_window_system_allows_and_the_choice_is_kept(self):
        settings = self.config_home / "Vestrandi" / "Pillowrock.conf"
        settings.parent.mkdir(parents=True)
        settings.write_text("[General]\nwindow.setting.isAlwaysOnTop=true\n")
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "Hello, World!")
        checkbox = app.accessible("check box", "Always on top")
        command = app.accessible("menu item", "Toggle Always on Top", showing=False)
        self.assertTrue(checked(checkbox))
        states = [node.getState().contains(pyatspi_state("ENABLED")) for node in (checkbox, command)]
        if X11:
            self.assertEqual(states, [True, True])
            wait_until(lambda: above(window), "the window kept on top")
        else:
            self.assertEqual(states, [False, False])
            self.assertRegex(checkbox.description, r"^On Wayland .+ cannot keep its window above others here\.$")
        app.choose(window, "File", "Quit")
        self.assertEqual(app.process.wait(10), 0)
        self.assertIn("window.setting.isAlwaysOnTop=true", settings.read_text())
        self.assertEqual(app.lines + app.stderr_lines, [])

    @needs_x11
    def test_window_frame_and_choices_survive_sigterm_and_a_second_launch_raises_the_first(self):
        app = self.launch()
        window = self.main_window(app)
        xdotool("windowsize", "--sync", window, 900, 620)
        app.choose(window, "Window", "Toggle Always on Top")
        wait_until(lambda: above(window), "the window on top")
        app.process.send_signal(signal.SIGTERM)
        self.assertEqual(app.process.wait(10), 0)
        settings = (self.config_home / "Vestrandi" / "Pillowrock.conf").read_text()
        self.assertEqual(re.findall(r"^([^\[=]+)=", settings, re.M), ["window.setting.isAlwaysOnTop"])

        first = self.launch()
        window = self.main_window(first)
        self.assertEqual(geometry(window)[2:], (900, 620))
        xdotool("windowminimize", "--sync", window)
        second = self.launch()
        self.assertEqual(second.process.wait(10), 0)
        wait_until(lambda: xdotool("getactivewindow").strip() == str(window), "the first window raised and active")
        self.assertEqual(first.windows("^Pillowrock$"), [window])
        self.assertEqual(first.lines + second.lines + second.stderr_lines, [])


# Containers that only group others; everything else is a control or text and has a name.
CONTAINERS = {"filler", "panel", "split pane", "layered pane", "scroll pane", "viewport", "page tab list", "tool bar"}


def unnamed_controls(app):
    return {(node.getRoleName(), node.parent.getRoleName()) for node in app.accessibles_at_top(recursive=True)
            if not node.name and node.getRoleName() not in CONTAINERS}


def selected_entries(app):
    return [node.name for node in app.accessibles("list item") if node.getState().contains(pyatspi_state("SELECTED"))]


def checked_entry(app):
    return next(iter(selected_entries(app)), None)


def pyatspi_state(name):
    import pyatspi
    return getattr(pyatspi, f"STATE_{name}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
