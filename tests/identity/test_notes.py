"""The architecture map's editor pane on a real desktop; the identity test adds both to its copy."""

import pytest

from desktop import X11, key, title, wait_until
from harness import MAIN, is_a


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
    # A tool button is named after its action's icon text, which drops the ellipsis on newer Qt.
    app.all(lambda node: is_a(node, "push button") and node.name.rstrip("…") == "Open")[0].click()
    dialog = app.window("^Open")
    # The dialog by its place, a window of the app's: the button may have its name.
    frame = next(node for node in app.node.children if node.name.startswith("Open"))
    frame.findChild(lambda node: is_a(node, "text"), showingOnly=True).text = str(document)
    key(dialog, "Return")
    wait_until(lambda: editor.text == "milk\n", lambda: f"the document in the editor, not {editor.text!r}")
    wait_until(lambda: title(window).startswith("Shopping.txt"), lambda: f"the title naming it: {title(window)!r}")
    assert app.lines == []
