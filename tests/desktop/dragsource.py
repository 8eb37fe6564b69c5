"""Another program, of another toolkit, to drag files from: pressing the mouse in its window drags the
files named on its command line, and "Drag ended" is printed once the drag is over."""

import sys
from pathlib import Path

import gi

gi.require_version("Gdk", "3.0")  # every typelib pinned: GTK 4's may be installed too
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

window = Gtk.Window(title="Drag source")
window.set_default_size(160, 160)
area = Gtk.EventBox()
window.add(area)
area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
area.drag_source_add_uri_targets()
area.connect("drag-data-get", lambda *args: args[2].set_uris([Path(path).absolute().as_uri() for path in sys.argv[1:]]))
area.connect("drag-end", lambda *args: print("Drag ended", flush=True))
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
