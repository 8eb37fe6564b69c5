"""Pillowrock on a real X server, driven and read from outside as a user and a screen reader
would. Run by ctest (label desktop) through `make test`."""

import signal
import tempfile
import unittest
from pathlib import Path

from desktop_case import ARTIFACTS, DRAG_SOURCE, DesktopCase
from harness import wait_until

# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"
EXPORT_TITLE = "^Export — Pillowrock$"


class MainWindow(DesktopCase):
    def test_launch_shows_one_titled_window_with_the_placeholder(self):
        app = self.launch()
        window = self.main_window(app)
        self.assertEqual(app.window_title(window), "Pillowrock")
        app.accessible("label", "No entry selected")
        self.assertEqual(app.windows(".*"), [window])
        self.assertEqual(app.lines, [])

    def test_sidebar_entries_show_their_panes(self):
        app = self.launch()
        window = self.main_window(app)
        for entry, title, shown in [("Hello, World!", "Hello, World! — Pillowrock", ("check box", "Always on top")),
                                    ("What's Up?", "What's Up? — Pillowrock", ("label", "What's up, Holly?")),
                                    ("More Stuff", "Pillowrock", ("label", "Drop files here"))]:
            with self.subTest(entry):
                app.click("list item", entry)
                app.accessible(*shown)
                wait_until(lambda: app.window_title(window) == title, what=f"the title {title!r}")
        self.assertEqual(app.lines, [])

    def test_search_field_narrows_the_greetings(self):
        app = self.launch()
        self.main_window(app)
        app.click("list item", "What's Up?")
        for text, names in [("o", ["Holly", "Josh", "Rhonda"]), ("h", ["Josh", "Rhonda"]), ("H", ["Holly"]),
                            ("holly", []), (" ", []), ("", ["Holly", "Josh", "Rhonda", "Ted"])]:
            with self.subTest(repr(text)):
                app.click("text", "Search", parent="Toolbar")
                app.desktop.xdotool("key", "ctrl+a", "BackSpace")
                app.type_text(text)
                expected = [f"What's up, {name}?" for name in names]
                wait_until(lambda: self.greetings(app) == expected,
                           what=f"the greetings {expected}, showing {self.greetings(app)}")
        self.assertEqual(app.lines, [])

    @staticmethod
    def greetings(app):
        return [name for name in app.accessible_names("label") if name.startswith("What's up, ")]

    def test_toolbar_buttons_and_shortcuts_print_their_lines(self):
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "What's Up?")
        for button in ("Share", "Delete", "Build"):
            app.click("push button", button)
        wait_until(lambda: len(app.lines) == 3, what="three lines")
        app.key(window, "ctrl+b")
        app.wait_for_line("Build!")
        app.key(window, "ctrl+d")
        app.wait_for_line("Do Stuff!")
        self.assertEqual(app.lines, ["Action!"] * 3 + ["Build!", "Do Stuff!"])

    def test_export_writes_the_sample_table_where_the_user_chose(self):
        folder = Path(self.enterContext(tempfile.TemporaryDirectory(prefix="pillowrock export ")))
        app = self.launch()
        window = self.main_window(app)
        for answer, written in [("Escape", None), ("Return", SAMPLE_TSV)]:
            with self.subTest(answer):
                target = folder / f"chosen {answer}.tsv"
                app.choose(window, "File", "Export…")
                dialog = app.wait_for_window(EXPORT_TITLE)
                app.key(dialog, "ctrl+a")
                app.type_text(str(target))
                app.key(dialog, answer)
                wait_until(lambda: not app.windows(EXPORT_TITLE), what="the dialog to close")
                self.assertEqual(target.read_bytes() if target.exists() else None, written)
        self.assertEqual(sorted(path.name for path in folder.iterdir()), ["chosen Return.tsv"])
        self.assertEqual(app.lines, [])

    def test_closing_the_last_window_ends_the_process_cleanly(self):
        app = self.launch()
        window = self.main_window(app)
        app.tray_icon()
        app.key(window, "alt+F4")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertEqual(app.stderr_lines, [])


class AlwaysOnTop(DesktopCase):
    def test_window_menu_pins_the_window_across_launches_without_unmapping_it(self):
        app = self.launch()
        window = self.main_window(app)
        app.click("list item", "Hello, World!")
        checkbox = app.accessible("check box", "Always on top")
        self.assertFalse(app.is_checked(checkbox))
        with self.desktop.watching_unmaps(window) as unmaps:
            app.choose(window, "Window", "Toggle Always on Top")
            wait_until(lambda: "_NET_WM_STATE_ABOVE" in app.net_wm_state(window), what="the window above")
            wait_until(lambda: app.is_checked(checkbox), what="the checkbox ticked")
        self.assertEqual(unmaps, [])
        app.key(window, "ctrl+q")
        self.assertEqual(app.wait_for_exit(), 0)

        app = self.launch()
        window = self.main_window(app)
        wait_until(lambda: "_NET_WM_STATE_ABOVE" in app.net_wm_state(window), what="the window above again")
        app.click("list item", "Hello, World!")
        self.assertTrue(app.is_checked(app.accessible("check box", "Always on top")))
        with self.desktop.watching_unmaps(window) as unmaps:
            app.click("check box", "Always on top")
            wait_until(lambda: "_NET_WM_STATE_ABOVE" not in app.net_wm_state(window), what="the window back down")
        self.assertEqual(unmaps, [])
        self.assertEqual(app.lines, [])


class Drops(DesktopCase):
    def test_files_dragged_from_another_program(self):
        folder = Path(self.enterContext(tempfile.TemporaryDirectory(prefix="pillowrock drop ")))
        one, two = folder / "Notes für später.txt", folder / "second.txt"
        one.write_text("one")
        two.write_text("two")
        for case, files, over_target, expected in [
                ("one file", [one], True, ["Drop entered!", f"File was dropped: {one}"]),
                ("two files", [one, two], True, ["Drop entered!"]),
                ("in and out", [one], False, ["Drop entered!", "Drop exited!"])]:
            with self.subTest(case):
                app = self.launch()
                window = self.main_window(app)
                app.click("list item", "More Stuff")
                target = app.centre_of(app.accessible("label", "Drop files here"))
                source = self.launch(DRAG_SOURCE, *files)
                source_window = source.wait_for_window("^Drag source")
                self.desktop.xdotool("windowmove", "--sync", source_window, 900, 400)
                start = self.desktop.centre(source_window)
                self.desktop.xdotool("mousemove", *start, "mousedown", 1)
                # In steps, so that the target sees the drag arrive and move.
                for x, y in [(target[0] + 20, target[1]), target]:
                    self.desktop.xdotool("mousemove", x, y)
                app.wait_for_line("Drop entered!")
                if not over_target:
                    self.desktop.xdotool("mousemove", *start)
                    app.wait_for_line("Drop exited!")
                self.desktop.xdotool("mouseup", 1)
                source.wait_for_line("Drag ended")
                # A line of our own, asked for after the drop, shows the app has handled it.
                app.key(window, "ctrl+b")
                app.wait_for_line("Build!")
                self.assertEqual(app.lines, expected + ["Build!"])
                source.kill()
                app.kill()


class Tray(DesktopCase):
    def test_tray_icon_menu_popup_about_and_quit(self):
        app = self.launch()
        main = self.main_window(app)
        icon = self.desktop.centre(app.tray_icon())
        # Popups are not in the accessibility tree: the keyboard chooses in them.
        app.click_at(*icon, button=3)
        app.popup()
        self.desktop.xdotool("key", "Down", "Down", "Return")
        app.wait_for_line("Do stuff")

        app.click_at(*icon)
        self.assertEqual(self.desktop.geometry(app.popup())[2:], (200, 200))
        self.assertEqual(app.windows("^About Pillowrock$"), [])
        self.desktop.xdotool("key", "space")
        about = app.wait_for_window("^About Pillowrock$")
        self.assertIn("_NET_WM_STATE_ABOVE", app.net_wm_state(about))
        app.activate(main)
        stacking = self.desktop.stacking()
        self.assertGreater(stacking.index(about), stacking.index(main))

        app.click_at(*icon, button=3)
        app.popup()
        self.desktop.xdotool("key", "Up", "Return")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertEqual(app.lines, ["Do stuff"])


class Settings(DesktopCase):
    def test_a_typed_name_survives_the_app_being_killed(self):
        name = "Ada Zoë Lovelace"
        app = self.launch()
        field = self.name_field(app)
        app.click_at(*app.centre_of(field))
        app.type_text(name)
        wait_until(lambda: app.text(field) == name, what=f"the field to show {name!r}")
        app.kill(signal.SIGKILL)
        app = self.launch()
        self.assertEqual(app.text(self.name_field(app)), name)
        self.assertEqual(app.lines, [])

    def name_field(self, app):
        app.choose(self.main_window(app), "File", "Settings…")
        return app.accessible("text", "Name & Locations")


class Screenshots(DesktopCase):
    def test_every_window_in_light_and_dark(self):
        for appearance, theme in [("light", "Adwaita"), ("dark", "Adwaita:dark")]:
            with self.subTest(appearance):
                app = self.launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme)

                def shot(name, window):
                    app.activate(window)
                    # The pointer waits in a corner, so that nothing is hovered or shows a tooltip.
                    self.desktop.xdotool("mousemove", 1270, 10)
                    self.desktop.settled_screenshot(ARTIFACTS / "screenshots" / f"{name}-{appearance}.png", window)

                main = self.main_window(app)
                app.accessible("label", "No entry selected")
                shot("empty", main)
                for entry, name, shown in [("Hello, World!", "hello-world", ("check box", "Always on top")),
                                           ("What's Up?", "whats-up", ("label", "What's up, Holly?")),
                                           ("More Stuff", "more-stuff", ("label", "Drop files here"))]:
                    app.click("list item", entry)
                    app.accessible(*shown)
                    shot(name, main)

                app.choose(main, "File", "Settings…")
                settings = app.wait_for_window("^Vestrandi Settings")
                shot("settings", settings)
                app.key(settings, "alt+F4")
                app.choose(main, "Help", "About Pillowrock")
                about = app.wait_for_window("^About Pillowrock$")
                shot("about", about)
                app.click("push button", "Attributions")
                attributions = app.wait_for_window("^Attributions")
                app.key(about, "alt+F4")
                shot("attributions", attributions)
                app.click_at(*self.desktop.centre(app.tray_icon()))
                popup = app.popup()
                self.desktop.settled_screenshot(ARTIFACTS / "screenshots" / f"tray-popup-{appearance}.png", popup)
                app.kill()


if __name__ == "__main__":
    unittest.main(verbosity=2)
