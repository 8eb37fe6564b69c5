"""The What's Up pane on a real desktop: its toolbar items."""

from desktop import wait_until
from harness import MAIN


def test_toolbar_buttons_print_their_lines(launch):
    app = launch()
    app.window(MAIN)
    app.click("list item", "What's Up?")
    app.find("text", "Search", inside="Toolbar")
    for button in ("Share", "Delete", "Build"):
        app.click("push button", button)
    wait_until(lambda: len(app.lines) == 3, lambda: f"three lines, not {app.lines}")
    assert app.lines == ["Action!"] * 3
    assert app.errors == []
