"""Pillowrock on a real X server, driven and read from outside as a user and a screen reader
would. Run by ctest (label desktop) through `make test`."""

import signal
import tempfile
import unittest
from pathlib import Path

from desktop_case import DesktopCase
from harness import wait_until

# The sample table as the export writes it, byte for byte.
SAMPLE_TSV = b"Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n"
MAIN_TITLE = "^(.* — )?Pillowrock$"
EXPORT_TITLE = "^Export — Pillowrock$"


class MainWindow(DesktopCase):
    def test_launch_shows_one_titled_window_with_the_placeholder(self):
        app = self.launch()
        window = self.main_window(app)
        self.assertEqual(app.window_title(window), "Pillowrock")
        app.accessible("label", "No entry selected")
        self.assertEqual(len(app.windows(MAIN_TITLE)), 1)
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
                dialog = app.wait_for_window(EXPORT_TITLE)[0]
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
        app.accessible("label", "No entry selected")
        app.key(window, "alt+F4")
        self.assertEqual(app.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
