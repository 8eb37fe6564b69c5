"""A python3-dbusmock template: the StatusNotifierWatcher of a panel such as KDE's, GNOME's AppIndicator
or waybar. A template is loaded before the mock serves its first call, so an item that registers the
moment the name appears finds the method there."""

import dbus

BUS_NAME = MAIN_IFACE = "org.kde.StatusNotifierWatcher"
MAIN_OBJ = "/StatusNotifierWatcher"
SYSTEM_BUS = False


def load(mock, parameters):
    # Qt reads the host's presence through the introspected properties before it shows an item there.
    mock.AddProperties(MAIN_IFACE, {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                                    "RegisteredStatusNotifierItems": dbus.Array([], signature="s")})
    mock.AddMethods(MAIN_IFACE, [
        ("RegisterStatusNotifierItem", "s", "",
         f"self.props['{MAIN_IFACE}']['RegisteredStatusNotifierItems'] += args"),
        ("RegisterStatusNotifierHost", "s", "", "")])
