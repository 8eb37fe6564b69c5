"""Pillowrock on a real desktop, driven and read from outside as a user, a panel and a screen reader would."""

import re
import signal
import tempfile
import time
import unittest
from pathlib import Path

from desktop import (ARTIFACTS, DESKTOP, DRAG_SOURCE, X11, above, activate, centre, centre_of, do_action, geometry,
                     has_state, key, needs_x11, other_x_server, run, screenshot, start_window_manager, text_of, title,
                     type_text, wait_until, watching_unmaps, xdotool)
from harness import DesktopCase

# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"
EXPORT_TITLE = "^Export — Pillowrock$"
ABOUT_TITLE = "^About Pillowrock$"


class Pillowrock(DesktopCase):
    def test_toolbar_buttons_and_shortcuts_print_their_lines_and_closing_the_window_ends_the_process(self):
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "What's Up?")
        for button in ("Share", "Delete", "Build"):
            app.click("push button", button)
        wait_until(lambda: len(app.lines) == 3, "three lines")
        self.tray(app).wait_for_icon()
        if X11:
            for keys, line in [("ctrl+b", "Build!"), ("ctrl+d", "Do Stuff!")]:
                key(window, keys)
                app.wait_for_line(line)
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
            self.assertEqual(tray.labels, ["About...", "Do Stuff", "Quit"])
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
            stacking = [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", run("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))]
            self.assertGreater(stacking.index(about), stacking.index(main))
        else:  # the popup is not on the bus: what the screen shows is looked at instead
            screenshot(ARTIFACTS / "screenshots" / "tray-popup.png")
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

    def test_launch_each_pane_and_every_window_in_light_dark_and_at_double_scale(self):
        for appearance, theme, scale in [("light", "Adwaita", "1"), ("dark", "Adwaita:dark", "1"),
                                         ("hidpi", "Adwaita", "2")]:
            with self.subTest(appearance):
                app = self.launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_SCALE_FACTOR=scale)

                def shot(name, window):
                    if X11 and name != "tray-popup":  # Wayland shows the newest window on top
                        activate(window)
                        # The pointer waits in a corner, so that nothing is hovered or shows a tooltip.
                        xdotool("mousemove", 1270, 10)
                    screenshot(ARTIFACTS / "screenshots" / f"{name}-{appearance}.png", window)

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
                shot("tray-popup", app.window(kind="popup") if X11 else None)
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
                wait_until(lambda: text_of(field) == text, f"the field to hold {text!r}")
                xdotool("key", "Escape")  # an emptied field offers every name again
        self.assertEqual(app.lines, [])

    @needs_x11
    def test_keyboard_alone_reaches_the_panes_and_hides_the_sidebar(self):
        app = self.launch()
        window = self.main_window(app)
        for arrow, entry, caption in [("Down", "Hello, World!", "Hello, World! — Pillowrock"),
                                      ("Down", "What's Up?", "What's Up? — Pillowrock"), ("Down", "More Stuff", "Pillowrock"),
                                      ("Up", "What's Up?", "What's Up? — Pillowrock")]:  # both arrows skip the header
            key(window, arrow)
            wait_until(lambda: app.selected_entries() == [entry], f"{entry!r} selected: {app.selected_entries()}")
            wait_until(lambda: title(window) == caption, f"the title {caption!r}")
        self.assertTrue(app.tab_to(window, "text", "Search"), "Tab never reached a search field")
        for shown in (False, True):
            key(window, "ctrl+alt+s")
            wait_until(lambda: bool(app.accessibles("list", "Sidebar")) == shown, f"the sidebar shown: {shown}")
        self.assertEqual(app.lines, [])

    def test_assistive_technology_selects_each_entry_and_reads_every_window_and_control_by_name(self):
        app = self.launch()
        window = self.main_window(app)
        headers = [node for node in app.accessibles("list item") if node.name in ("General", "More")]
        self.assertEqual([has_state(node, "SELECTABLE") for node in headers], [False, False])
        unnamed = set()
        for entry, caption in [("What's Up?", "What's Up? — Pillowrock"), ("Hello, World!", "Hello, World! — Pillowrock"),
                               ("More Stuff", "Pillowrock"), ("What's Up?", "What's Up? — Pillowrock")]:
            with self.subTest(entry):
                do_action(app.accessible("list item", entry), "Toggle")
                wait_until(lambda: app.frames() == [caption], f"the window titled {caption!r}, not {app.frames()}")
                wait_until(lambda: app.selected_entries() == [entry], f"only {entry!r} selected")
                unnamed |= app.unnamed_controls()
        app.choose(window, "Help", "About Pillowrock")
        app.click("push button", "Attributions")
        app.choose(window, "File", "Settings…")
        expected = sorted(["About Pillowrock", "Attributions", caption, "Vestrandi Settings"])
        wait_until(lambda: app.frames() == expected, f"the frames {expected}, not {app.frames()}")
        if X11:  # Qt adds the application's name to a title on X11 unless the title holds it
            titles = sorted(t if t in expected else t.removesuffix(" — Pillowrock") for t in map(title, app.windows()))
            self.assertEqual(titles, expected)
        self.assertEqual(unnamed | app.unnamed_controls(), set())
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
        self.assertTrue(has_state(checkbox, "CHECKED"))
        states = [has_state(node, "ENABLED") for node in (checkbox, command)]
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
    def test_pinned_window_and_its_frame_survive_sigterm_and_a_second_launch_raises_the_first(self):
        app = self.launch()
        window = self.main_window(app)
        xdotool("windowsize", "--sync", window, 900, 620)
        with watching_unmaps(window) as unmaps:
            app.choose(window, "Window", "Toggle Always on Top")
            wait_until(lambda: above(window), "the window on top")
        app.process.send_signal(signal.SIGTERM)
        self.assertEqual(app.process.wait(10), 0)
        settings = (self.config_home / "Vestrandi" / "Pillowrock.conf").read_text()
        self.assertEqual(re.findall(r"^([^\[=]+)=", settings, re.M), ["window.setting.isAlwaysOnTop"])

        first = self.launch()
        window = self.main_window(first)
        self.assertEqual(geometry(window)[2:], (900, 620))
        wait_until(lambda: above(window), "the window on top again")
        first.click("list item", "Hello, World!")
        checkbox = first.accessible("check box", "Always on top")
        self.assertTrue(has_state(checkbox, "CHECKED"))
        with watching_unmaps(window) as more_unmaps:
            first.click("check box", "Always on top")
            wait_until(lambda: not above(window) and not has_state(checkbox, "CHECKED"), "the checkbox to unpin")
        self.assertEqual(unmaps + more_unmaps, [])
        xdotool("windowminimize", "--sync", window)
        second = self.launch()
        self.assertEqual(second.process.wait(10), 0)
        wait_until(lambda: xdotool("getactivewindow").strip() == str(window), "the first window raised and active")
        self.assertEqual(first.windows(), [window])
        self.assertEqual(first.lines + second.lines + second.stderr_lines, [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
