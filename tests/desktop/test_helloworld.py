"""The Hello World pane on a real desktop: its checkbox is the always-on-top choice."""

import re

from desktop import X11, above, wait_until
from harness import MAIN, SETTINGS, has_state


def test_the_checkbox_shows_and_makes_the_always_on_top_choice(launch, tmp_path):
    (tmp_path / SETTINGS).parent.mkdir(parents=True)
    (tmp_path / SETTINGS).write_text("[General]\nwindow.setting.isAlwaysOnTop=true\n")
    app = launch()
    window = app.window(MAIN)
    app.click("list item", "Hello, World!")
    checkbox = app.find("check box", "Always on top")
    assert checkbox.checked
    if X11:
        wait_until(lambda: above(window), "the window on top")
        app.click("check box", "Always on top")
        wait_until(lambda: not above(window) and not checkbox.checked, "the checkbox to unpin")
        assert "window.setting.isAlwaysOnTop=false" in (tmp_path / SETTINGS).read_text()
    else:  # the window system cannot keep a window on top: the choice stays, the box says why
        assert not has_state(checkbox, "ENABLED")
        assert re.fullmatch(r"On Wayland .+ cannot keep its window above others here\.", checkbox.description)
    assert app.lines + app.errors == []
