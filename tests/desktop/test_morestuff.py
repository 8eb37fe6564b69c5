"""The More Stuff pane on a real desktop: files dragged onto it from another program."""

import sys
from pathlib import Path

import pytest

from desktop import X11, centre, key, xdotool

needs_x11 = pytest.mark.skipif(not X11, reason="Wayland lets no client inject input or read other windows")


@needs_x11
@pytest.mark.parametrize("files, over_target, expected", [
    (["Notes für später.txt"], True, ["Drop entered!", "File was dropped: {}"]),
    (["Notes für später.txt", "second.txt"], True, ["Drop entered!"]),
    (["Notes für später.txt"], False, ["Drop entered!", "Drop exited!"])], ids=["one file", "two files", "in and out"])
def test_files_dragged_from_another_program(launch, tmp_path, files, over_target, expected):
    paths = [tmp_path / name for name in files]
    for path in paths:
        path.write_text(path.name)
    app = launch()
    window = app.main_window()
    app.click("list item", "More Stuff")
    target = app.find("label", "Drop files here")
    target = [round(value + size / 2) for value, size in zip(target.position, target.size)]
    source = launch(sys.executable, Path(__file__).with_name("dragsource.py"), *paths)
    source_window = source.window("^Drag source")
    xdotool("windowmove", "--sync", source_window, 900, 400)
    start = centre(source_window)
    xdotool("mousemove", *start, "mousedown", 1)
    # In steps, so that the target sees the drag arrive and move.
    for x, y in [(start[0] - 20, start[1]), (target[0] + 20, target[1]), target]:
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
    assert app.lines == [line.format(paths[0]) for line in expected] + ["Build!"]
