"""The unchanged binary on the desktop: started as a user would, read through its output, its windows
and the accessibility bus (dogtail), and its tray icon driven as each kind of panel does. Imported once
the desktop runs: the accessibility bindings keep the first session bus they meet."""

import contextlib
import os
import re
from pathlib import Path

import dbus
import pyatspi
from dogtail.config import config

from desktop import (WATCHER, X11, Program, activate, click_at, geometry, run, shown_windows, title, wait_until,
                     xdotool)

config.checkForA11y = False  # it asks GNOME's settings, which this desktop has not
config.logDebugToFile = config.logDebugToStdOut = False
config.actionDelay = config.defaultDelay = 0.05
config.searchShowingOnly = True
from dogtail import tree  # noqa: E402 (after its configuration)

NAME = os.environ["APP_DISPLAY_NAME"]
MAIN = f"^{re.escape(NAME)}$"  # the main window's title
SETTINGS = Path(os.environ["APP_SETTINGS_FOLDER"], f"{NAME}.conf")  # under the scenario's settings folder

# What Qt itself writes on standard error because of the suite's own tools, not because of the app.
TOOL_NOISE = [
    # sway 1.10 hands the keyboard that xdotool types on through Xwayland a keymap in no format Qt knows.
    r"qt\.qpa\.wayland: unknown keymap format: 0$",
    # Qt 6.11 answers a newer at-spi client's (dogtail's) question for the bus address with this.
    r'qt\.accessibility\.atspi: AtSpiAdaptor::applicationInterface does not implement "?GetApplicationBusAddress',
    # The suite's session has no desktop portal, which every real desktop runs; Qt 6.11's GTK theme
    # (the dark-theme scenario) asks it for the colour scheme.
    r'qt\.qpa\.theme\.gnome: dbus reply error: \[ "org\.freedesktop\.DBus\.Error\.ServiceUnknown" \] '
    r'"The name org\.freedesktop\.portal\.Desktop was not provided',
]


def role(name):
    """A role by its constant, which every at-spi release shares: their names differ ("push button" is
    "button" in newer ones). Roles are written as Debian 12's at-spi names them."""
    return getattr(pyatspi, "ROLE_" + name.upper().replace(" ", "_"))


def is_a(node, role_name):
    return node.getRole() == role(role_name)


def named(node, role_name, name=""):
    return is_a(node, role_name) and (not name or node.name == name)


def title_set(node):
    """A window's name as the app set its title: Qt 6.11 adds the application's name, as title bars show it."""
    return node.name.removesuffix(f" — {NAME}")


def has_state(node, name):
    return node.getState().contains(getattr(pyatspi, f"STATE_{name}"))


# Objects that only group others.
CONTAINERS = {role(name) for name in ("filler", "panel", "split pane", "layered pane", "scroll pane", "viewport",
                                      "page tab list", "tool bar")}


class App(Program):
    """A program started as a user would, its output read while it runs."""

    errors = property(lambda self: [line for line in self.all_errors
                                    if not any(re.match(noise, line) for noise in TOOL_NOISE)])

    @property
    def node(self):
        """The app on the accessibility bus; with the GTK platform theme, GTK registers an empty one too."""
        return wait_until(lambda: next((app for app in tree.root.applications()
                                        if app.get_process_id() == self.process.pid and app.childCount), None),
                          "the app's windows on the accessibility bus")

    def find(self, role_name, name="", inside="", showing=True):
        node = self.node.findChild(lambda node: node.name == inside, showingOnly=showing,
                                   debugName=repr(inside)) if inside else self.node
        return node.findChild(lambda node: named(node, role_name, name), showingOnly=showing,
                              debugName=f"{role_name} {name!r}")

    def all(self, condition):
        return self.node.findChildren(condition)

    def frames(self):
        return sorted(title_set(node) for node in self.node.children
                      if node.showing and (is_a(node, "frame") or is_a(node, "dialog")))

    def entries(self):
        """The sidebar's entries, in order: the panes this build has."""
        return [node.name for node in self.all(lambda node: is_a(node, "list item") and has_state(node, "SELECTABLE"))]

    def selected_entries(self):
        return [node.name for node in self.all(lambda node: is_a(node, "list item") and has_state(node, "SELECTED"))]

    def unnamed_controls(self):
        """Shown objects with no name, as (role, parent's role): everything but a container is named."""
        return {(node.roleName, node.parent.roleName) for node in self.all(lambda node: not node.name)
                if node.getRole() not in CONTAINERS}

    def press(self, role, name, inside="", showing=True):
        """Does the control's first action, as switch access and voice control do."""
        next(iter(self.find(role, name, inside, showing).actions.values())).do()

    def click(self, role, name, inside=""):
        """Clicks the control with the mouse, or where no client may move the mouse, does its action."""
        self.find(role, name, inside).click() if X11 else self.press(role, name, inside)

    def choose(self, window, menu, item):
        """Chooses an item from a menu of the window's menu bar, with the mouse where it can be moved."""
        if X11:
            activate(window)
            self.click("menu item", menu)
            self.click("menu item", item, inside=menu)
        else:  # the bus reaches an item of a closed menu
            self.press("menu item", item, inside=menu, showing=False)

    def windows(self, pattern="", kind="managed"):
        """Visible X windows of a kind: "managed" (titled after the pattern), "icon" (in the tray), "popup"."""
        def kind_of(window):
            if "Override Redirect State: yes" not in run("xwininfo", "-id", window):
                return "managed"
            types = run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE")
            return ("tooltip" if "_NET_WM_WINDOW_TYPE_TOOLTIP" in types
                    else "icon" if "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE" in types else "popup")

        return [int(window) for window in xdotool("search", "--all", "--onlyvisible", "--pid", self.process.pid,
                                                  "--name", "").split()
                if kind_of(window) == kind and re.search(pattern, title(window))]

    def window(self, pattern="", kind="managed"):
        """Its X window, or on Wayland its frame on the accessibility bus."""
        if X11:
            return wait_until(lambda: next(iter(self.windows(pattern, kind)), None), f"a {kind} window {pattern}")
        return wait_until(lambda: next((node for node in self.node.children if re.search(pattern, title_set(node))),
                                       None), f"a window {pattern}")

    def main_window(self):
        return self.window(f"^{re.escape(NAME)}$")

    def shown(self):
        """Where this app's windows show, (x, y, width, height), as the window system has placed them."""
        return [geometry(window) for kind in ("managed", "popup") for window in self.windows(kind=kind)] if X11 \
            else shown_windows(self.process.pid)

    def tray(self):
        return {"icewm": XEmbedTray, "sway": WaybarTray}.get(os.environ["TEST_DESKTOP"], SniTray)(self)


class XEmbedTray:
    """icewm's tray: the icon is a window of the app's, its menu a popup that the keyboard walks."""

    labels = None  # popups are not on the accessibility bus, so the menu cannot be read
    keys = {"About...": ["Down"], "Do Stuff": ["Down", "Down"], "Quit": ["Up"]}

    def __init__(self, app):
        self.app = app

    def wait_for_icon(self):
        return self.app.window(kind="icon")

    def click(self, button):
        # From elsewhere: the icon's tooltip, shown while the pointer rests there, would take the click.
        xdotool("mousemove", 1270, 10)
        xdotool("mousemove", "--window", self.wait_for_icon(), 8, 8, "click", button)

    def choose(self, label):
        # A window that the window manager activates just then closes the menu again, as it would
        # for a user, who clicks once more.
        for attempt in range(3):
            self.click(3)
            with contextlib.suppress(AssertionError):
                wait_until(lambda: self.app.windows(kind="popup"), "the tray menu", timeout=3)
                return xdotool("key", *self.keys[label], "Return")
        raise AssertionError("the tray menu never opened")

    def activate(self):
        self.click(1)


class SniTray:
    """The app's StatusNotifierItem as a panel sees it: its properties, its dbusmenu and the calls a
    panel makes when the user clicks."""

    def __init__(self, app):
        self.app, self.bus = app, dbus.SessionBus()

    def wait_for_icon(self):
        """The app's item, once it has registered with the panel's watcher."""
        watcher = self.bus.get_object(WATCHER, "/StatusNotifierWatcher")

        def registered():
            for item in watcher.Get(WATCHER, "RegisteredStatusNotifierItems", dbus_interface=dbus.PROPERTIES_IFACE):
                service, _, path = item.partition("/")  # a service's name, and the item's path unless it is the usual
                with contextlib.suppress(dbus.DBusException):  # an item of an app that has ended
                    if self.bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                              "GetConnectionUnixProcessID", "s", [service]) == self.app.process.pid:
                        return self.bus.get_object(service, "/" + (path or "StatusNotifierItem"))

        return wait_until(registered, "the app's item registered with the panel")

    def properties(self):
        return self.wait_for_icon().GetAll("org.kde.StatusNotifierItem", dbus_interface=dbus.PROPERTIES_IFACE)

    def menu(self):
        """The menu and its shown entries' ids by label, as a panel reads them before showing it."""
        item = self.wait_for_icon()
        menu = dbus.Interface(self.bus.get_object(item.bus_name, self.properties()["Menu"]), "com.canonical.dbusmenu")
        menu.AboutToShow(0)
        return menu, {str(props["label"]): number for number, props, _ in menu.GetLayout(0, -1, [])[1][2]
                      if props.get("visible", True) and props.get("type") != "separator"}

    labels = property(lambda self: list(self.menu()[1]))

    def choose(self, label):
        menu, entries = self.menu()
        menu.Event(entries[label], "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0))

    def activate(self):
        self.wait_for_icon().Activate(640, 0, dbus_interface="org.kde.StatusNotifierItem")


class WaybarTray(SniTray):
    """waybar's tray, a real host of the item: its icon clicked with the pointer, and the menu that it
    builds from the exported one chosen from as a screen reader does (GTK on Wayland tells no screen
    positions)."""

    clicks = 0

    def wait_for_icon(self):
        item = super().wait_for_icon()
        tree.root.application("waybar").findChild(lambda node: is_a(node, "icon"), debugName="icon")  # in the bar
        return item

    def click(self, button):
        # The bar's one item, 20 pixels wide at its right end (see start_waybar in desktop.py). GTK takes
        # a click where the last one was, soon after it, as a double click, which waybar passes over.
        self.clicks += 1
        click_at(1252 + 14 * (self.clicks % 2), 15, button)

    def activate(self):
        self.wait_for_icon()
        self.click(1)

    def choose(self, label):
        self.click(3)
        tree.root.application("waybar").findChild(lambda node: named(node, "menu item", label),
                                                  debugName=label).doActionNamed("click")
