"""Adds the editor pane of the architecture map to a tree as an adopter would: its header and its
CMakeLists.txt from the map's code blocks as written, an icon, its tag and its registry row."""

import re
import shutil
import sys
import textwrap
from pathlib import Path

tree = Path(sys.argv[1])
recipe = (tree / "docs/architecture.md").read_text(encoding="utf-8").split("An editor, in short", 1)[1]
header, cmake, row = (textwrap.dedent(block) for block in re.findall(r"```\w+\n(.*?)^ *```", recipe, re.S | re.M)[:3])
folder = tree / "src/panes/notes"
folder.mkdir()
(folder / "NotesPane.h").write_text(header, encoding="utf-8")
(folder / "CMakeLists.txt").write_text(cmake, encoding="utf-8")
shutil.copy(tree / "resources/icons/gearshape.fill.svg", folder / "note.text.svg")


def insert(path, after, text):
    source = (tree / path).read_text(encoding="utf-8")
    (tree / path).write_text(re.sub(after, lambda place: place.group(0) + text, source, count=1), encoding="utf-8")


include, entry = row.split("\n", 1)
insert("src/navigation/core/SidebarPane.h", r"enum\s+class\s+SidebarPane\s*\{", "\n    notes,")
insert("src/panes/Panes.cpp", r'#include "Panes.h"\n', include + "\n")
insert("src/panes/Panes.cpp", r"panes\s*\{", "\n" + entry)
