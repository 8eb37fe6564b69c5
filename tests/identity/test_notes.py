"""The architecture map's editor pane on a real desktop; the identity test adds both to its copy."""

import pytest

from desktop import X11, key, title, wait_until
from harness import MAIN


@pytest.mark.skipif(not X11, reason="Wayland lets no client type into another")
def test_the_edit_menu_and_the_toolbar_action_reach_the_editor(launch, tmp_path):
    document = tmp_path / "Shopping.txt"
    document.write_text("milk\n")
    app = launch()
    window = app.window(MAIN)
    app.click("list item", "Notes")
    editor = app.find("text", "Notes")
    editor.click()
    key(window, "H", "i")
    wait_until(lambda: editor.text == "Hi", lambda: f"the typed text, not {editor.text!r}")
    for item, text in [("Select All", "Hi"), ("Cut", ""), ("Paste", "Hi"), ("Undo", "")]:
        app.choose(window, "Edit", item)
        wait_until(lambda: editor.text == text, lambda: f"{item}: the editor to hold {text!r}, not {editor.text!r}")
    app.click("push button", "Open…", inside="Toolbar")
    dialog = app.window("^Open")
    app.find("text", inside="Open").text = str(document)
    key(dialog, "Return")
    wait_until(lambda: editor.text == "milk\n", lambda: f"the document in the editor, not {editor.text!r}")
    wait_until(lambda: title(window).startswith("Shopping.txt"), lambda: f"the title naming it: {title(window)!r}")
    assert app.lines == []
