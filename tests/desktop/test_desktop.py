"""Pillowrock on a real X server, driven and read from outside as a user and a screen reader
would. Run by ctest (label desktop) through `make test`."""

import unittest

from desktop_case import DesktopCase


class LaunchAndQuit(DesktopCase):
    def test_launch_shows_one_titled_window_with_the_placeholder(self):
        app = self.launch()
        window = self.main_window(app)
        self.assertEqual(app.window_title(window), "Pillowrock")
        app.accessible("label", "No entry selected")
        self.assertEqual(len(app.windows("^Pillowrock$")), 1)
        self.assertEqual(app.lines, [])

    def test_closing_the_last_window_ends_the_process_cleanly(self):
        app = self.launch()
        window = self.main_window(app)
        app.accessible("label", "No entry selected")
        app.key(window, "alt+F4")
        self.assertEqual(app.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
