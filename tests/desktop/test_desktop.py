"""Pillowrock on a real X server, driven and read from outside as a user and a screen reader would."""

import re
import tempfile
import unittest
from pathlib import Path

from harness import (ARTIFACTS, DRAG_SOURCE, DesktopCase, above, activate, centre, centre_of, checked, click_at,
                     geometry, key, run, screenshot, title, type_text, wait_until, watching_unmaps, xdotool)

# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"
EXPORT_TITLE = "^Export — Pillowrock$"
ABOUT_TITLE = "^About Pillowrock$"


class Pillowrock(DesktopCase):
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
        key(window, "ctrl+b")
        app.wait_for_line("Build!")
        key(window, "ctrl+d")
        app.wait_for_line("Do Stuff!")
        self.assertEqual(app.lines, ["Action!"] * 3 + ["Build!", "Do Stuff!"])
        app.window(kind="icon")
        key(window, "alt+F4")
        self.assertEqual(app.process.wait(10), 0)
        self.assertEqual(app.stderr_lines, [])

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

    def test_tray_icon_menu_popup_about_and_quit(self):
        app = self.launch()
        main = self.main_window(app)
        icon = centre(app.window(kind="icon"))
        # Popups are not in the accessibility tree: the keyboard chooses in them.
        click_at(*icon, button=3)
        app.window(kind="popup")
        xdotool("key", "Down", "Down", "Return")
        app.wait_for_line("Do stuff")

        click_at(*icon)
        self.assertEqual(geometry(app.window(kind="popup"))[2:], (200, 200))
        self.assertEqual(app.windows(ABOUT_TITLE), [])
        xdotool("key", "space")
        about = app.window(ABOUT_TITLE)
        self.assertTrue(above(about))
        activate(main)
        stacking = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        stacking = [int(window, 16) for window in re.findall(r"0x[0-9a-f]+", stacking)]
        self.assertGreater(stacking.index(about), stacking.index(main))

        click_at(*icon, button=3)
        app.window(kind="popup")
        xdotool("key", "Up", "Return")
        self.assertEqual(app.process.wait(10), 0)
        self.assertEqual(app.lines, ["Do stuff"])

    def test_a_typed_name_survives_the_app_being_killed(self):
        def name_field(app):
            app.choose(self.main_window(app), "File", "Settings…")
            return app.accessible("text", "Name & Locations")

        name = "Ada Zoë Lovelace"
        app = self.launch()
        field = name_field(app)
        click_at(*centre_of(field))
        type_text(name)
        wait_until(lambda: field.queryText().getText(0, -1) == name, f"the field to show {name!r}")
        app.kill()
        app = self.launch()
        self.assertEqual(name_field(app).queryText().getText(0, -1), name)
        self.assertEqual(app.lines, [])

    def test_launch_each_pane_and_every_window_in_light_and_dark(self):
        for appearance, theme in [("light", "Adwaita"), ("dark", "Adwaita:dark")]:
            with self.subTest(appearance):
                app = self.launch(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme)

                def shot(name, window):
                    activate(window)
                    # The pointer waits in a corner, so that nothing is hovered or shows a tooltip.
                    xdotool("mousemove", 1270, 10)
                    screenshot(ARTIFACTS / "screenshots" / f"{name}-{appearance}.png", window)

                main = self.main_window(app)
                app.accessible("label", "No entry selected")
                self.assertEqual(app.windows(), [main])
                shot("empty", main)
                for entry, name, caption, shown in [
                    ("Hello, World!", "hello-world", "Hello, World! — Pillowrock", ("check box", "Always on top")),
                    ("What's Up?", "whats-up", "What's Up? — Pillowrock", ("label", "What's up, Holly?")),
                    ("More Stuff", "more-stuff", "Pillowrock", ("label", "Drop files here"))]:
                    app.click("list item", entry)
                    app.accessible(*shown)
                    wait_until(lambda: title(main) == caption, f"the title {caption!r}")
                    shot(name, main)
                app.choose(main, "File", "Settings…")
                settings = app.window("^Vestrandi Settings")
                shot("settings", settings)
                key(settings, "alt+F4")
                app.choose(main, "Help", "About Pillowrock")
                about = app.window(ABOUT_TITLE)
                shot("about", about)
                app.click("push button", "Attributions")
                attributions = app.window("^Attributions")
                key(about, "alt+F4")
                shot("attributions", attributions)
                click_at(*centre(app.window(kind="icon")))
                screenshot(ARTIFACTS / "screenshots" / f"tray-popup-{appearance}.png", app.window(kind="popup"))
                self.assertEqual(app.lines, [])
                app.kill()


if __name__ == "__main__":
    unittest.main(verbosity=2)
