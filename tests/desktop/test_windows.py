"""The Windows build as a Windows user gets it: installed by its installer under Wine, on icewm's X11
desktop, where Wine docks tray icons, and driven from outside as on the other rows (xdotool, xprop,
its standard output). The "wine" row runs this file alone; the scenarios run in order, the
uninstaller last."""

import os
import re
import shlex
import subprocess
from pathlib import Path, PureWindowsPath

import pytest

from desktop import DESKTOP, Program, above, activate, corner_brightness, key, run, wait_until, xdotool

pytestmark = pytest.mark.skipif(DESKTOP != "wine", reason="the Windows build's row")

NAME = os.environ.get("APP_DISPLAY_NAME", "")
MAIN = f"^{re.escape(NAME)}$"
SETTINGS_KEY = rf"HKCU\Software\{os.environ.get('APP_SETTINGS_FOLDER')}\{NAME}"
ON_TOP = "window.setting.isAlwaysOnTop"
PERSONALIZE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
UNINSTALL_KEY = rf"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{os.environ.get('APP_ID')}"
PREFIX = Path(os.environ.get("WINEPREFIX", Path.home() / ".wine"))
FOLDER = PREFIX / "drive_c" / "Program Files" / NAME
EXECUTABLE = FOLDER / f"{os.environ.get('APP_EXECUTABLE')}.exe"


def wine(*command, **options):
    return subprocess.run(["wine", *map(str, command)], capture_output=True, text=True, timeout=120, **options)


def windows_path(path):
    """The Windows path of a file: the prefix's drive C, or Z: for the rest of the Unix tree."""
    path = Path(path)
    if path.is_relative_to(PREFIX / "drive_c"):
        return str(PureWindowsPath("C:/", *path.relative_to(PREFIX / "drive_c").parts))
    return str(PureWindowsPath("Z:/", *path.parts[1:]))


def registry(key):
    """The values of a registry key, name to data; None when there is no such key."""
    result = wine("reg", "query", key)
    if result.returncode:
        return None
    return {match[0]: match[2] for match in re.findall(r"^\s+(\S+)\s+(REG_\w+)\s*(.*)$", result.stdout, re.M)}


def start_menu_shortcuts():
    return sorted(path.name for path in PREFIX.glob("drive_c/**/Start Menu/Programs/**/*.lnk"))


class App(Program):
    """The installed program started from a Unix shell, which hands it its standard streams, or the
    given command."""

    def __init__(self, *command):
        super().__init__(command or ["wine", EXECUTABLE])

    # A terminal's lines end in a carriage return, and its cursor is switched off and on around them.
    lines = property(lambda self: [re.sub(r"\x1b\[[?0-9;]*[a-zA-Z]", "", line) for line in Program.lines.fget(self)])

    def main_window(self):
        return wait_until(lambda: xdotool("search", "--onlyvisible", "--name", MAIN).split(), "the main window",
                          timeout=60)[0]

    def quit(self, window):
        key(window, "alt+f", "Up", "Return")  # File > Quit, the menu's last item
        assert self.process.wait(20) == 0


def from_console():
    """As from a console window: cmd.exe on a terminal, where Wine gives it a console, starting the app as
    Windows starts a GUI program, with no standard streams of its own."""
    command = shlex.join(["wine", "cmd", "/c", "start", "/wait", "", windows_path(EXECUTABLE)])
    return ["script", "--quiet", "--flush", "--command", command, "/dev/null"]


@pytest.fixture(scope="module", autouse=True)
def installed():
    """The app as the installer puts it, silently (/S)."""
    # A Wine session left by earlier tests, which ran with no display, would show the app's
    # windows nowhere: this desktop's session starts anew.
    subprocess.run(["wineserver", "--kill"], timeout=60)
    installer = wine(os.environ["APP_INSTALLER"], "/S")
    assert installer.returncode == 0, installer.stderr
    wait_until(EXECUTABLE.exists, "the installed app")


@pytest.fixture
def launch(request):
    """Starts the installed app with no settings: the scenario's own."""
    wine("reg", "delete", SETTINGS_KEY, "/f")
    apps = request.node.apps = []  # whose output a failure reports

    def start(*command):
        apps.append(App(*command))
        return apps[-1]

    yield start
    for app in apps:
        app.kill()
    # Programs started through cmd.exe are not the launcher's children: every Windows process ends.
    subprocess.run(["wineserver", "--kill"], timeout=60)


def test_installer_puts_the_app_its_libraries_and_a_shortcut():
    files = sorted(str(path.relative_to(FOLDER)) for path in FOLDER.rglob("*") if path.is_file())
    executable = f"{os.environ['APP_EXECUTABLE']}.exe"
    # What the app loads and nothing else: no test library, no offscreen platform.
    assert [name for name in files if not name.startswith("translations")] == sorted([
        "LICENSE.txt", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Network.dll", "Qt6Widgets.dll", "Uninstall.exe",
        executable, "libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll",
        "plugins/platforms/qwindows.dll", "plugins/styles/qmodernwindowsstyle.dll", "qt.conf"])
    assert start_menu_shortcuts() == [f"{NAME}.lnk", "Uninstall.lnk"]
    entry = registry(UNINSTALL_KEY)
    assert entry["DisplayVersion"] == os.environ["APP_VERSION"]
    assert entry["Publisher"] == os.environ["APP_PUBLISHER"]
    assert entry["DisplayIcon"].startswith(windows_path(EXECUTABLE))
    # The program's own version resource, which Explorer shows in its properties.
    resource = EXECUTABLE.read_bytes()
    for text in (os.environ["APP_COPYRIGHT"], f"{os.environ['APP_VERSION']}.{os.environ['APP_BUILD_NUMBER']}"):
        assert text.encode("utf-16-le") in resource, text


@pytest.mark.parametrize("console", [False, True], ids=["from a shell", "from a console"])
def test_starts_with_its_main_window_and_prints_its_lines(launch, console):
    """A GUI program has no console of its own: it writes to the one it was started from."""
    app = launch(*from_console()) if console else launch()
    key(app.main_window(), "ctrl+d")
    app.wait_for_line("Do Stuff!", timeout=20)


def toggle_always_on_top(window):
    key(window, "alt+w", "Up", "Return")  # Window > Toggle Always on Top, the menu's last item


def test_always_on_top_from_the_keyboard_is_remembered(launch):
    app = launch()
    window = app.main_window()
    toggle_always_on_top(window)
    wait_until(lambda: above(window), "the window kept on top")
    assert registry(SETTINGS_KEY)[ON_TOP] == "true"
    app.quit(window)
    wait_until(lambda: above(launch().main_window()), "the window on top at the next start")


@pytest.mark.parametrize("kind, data", [("REG_SZ", "banana"), ("REG_DWORD", "7"), ("REG_BINARY", "ffffffff00")])
def test_a_damaged_registry_value_reads_as_the_default(launch, kind, data):
    wine("reg", "add", SETTINGS_KEY, "/v", ON_TOP, "/t", kind, "/d", data, "/f")
    app = launch()
    window = app.main_window()
    assert not above(window)
    toggle_always_on_top(window)  # and the choice is stored over it
    wait_until(lambda: above(window), "the window kept on top")
    assert registry(SETTINGS_KEY)[ON_TOP] == "true"


def test_export_writes_the_table_where_the_user_typed(launch, tmp_path):
    app = launch()
    key(app.main_window(), "alt+f", "Return")  # File > Export…, the menu's first item
    dialog = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^Export$").split(), "the save dialog")[0]
    target = tmp_path / "typed.tsv"
    activate(dialog)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", windows_path(target))
    xdotool("key", "Return")
    wait_until(target.exists, "the exported file")
    assert target.read_text().startswith("Name\tNumber\n")


def test_a_second_launch_brings_the_first_forward(launch):
    first = launch()
    window = first.main_window()
    xdotool("windowminimize", "--sync", window)
    second = launch()
    assert second.process.wait(30) == 0
    wait_until(lambda: run("xprop", "-root", "_NET_ACTIVE_WINDOW").split()[-1] == hex(int(window)),
               "the first instance's window active")


def docked_icons():
    """Wine's notification-area icons in icewm's tray: XEmbed windows of Wine's explorer.exe, each in an
    embedder of icewm's."""
    return re.findall(r'"YXTrayEmbedder".*\n\s+1 child:\n\s+(0x[0-9a-f]+) .*\("explorer\.exe"',
                      run("xwininfo", "-root", "-tree"))


def test_tray_icon_docks_in_icewms_tray(launch):
    assert docked_icons() == []
    launch().main_window()
    icon = wait_until(docked_icons, "the tray icon docked in icewm's tray", timeout=20)[0]
    # Drawn: the symbol's colours, not an empty square.
    colours = subprocess.run(["import", "-window", icon, "-format", "%k", "info:"], capture_output=True, text=True)
    assert int(colours.stdout or 0) > 3, colours.stderr


@pytest.mark.parametrize("dark", [False, True], ids=["light", "dark"])
def test_follows_the_appearance_chosen_for_apps_on_windows_11(launch, dark):
    """Qt draws Windows 11's style in either appearance; Windows 10's stays light."""
    wine("reg", "add", r"HKCU\Software\Wine", "/v", "Version", "/d", "win11", "/f")
    wine("reg", "add", PERSONALIZE, "/v", "AppsUseLightTheme", "/t", "REG_DWORD", "/d", str(int(not dark)), "/f")
    try:
        window = launch().main_window()
        wait_until(lambda: (corner_brightness(window) < 0.5) == dark, lambda: f"brightness {corner_brightness(window)}")
    finally:
        wine("reg", "delete", r"HKCU\Software\Wine", "/v", "Version", "/f")
        wine("reg", "delete", PERSONALIZE, "/v", "AppsUseLightTheme", "/f")


def test_uninstaller_leaves_only_the_users_settings():
    wine("reg", "add", SETTINGS_KEY, "/v", ON_TOP, "/t", "REG_SZ", "/d", "true", "/f")
    wine(FOLDER / "Uninstall.exe", "/S")
    wait_until(lambda: not FOLDER.exists(), "the app's folder gone", timeout=60)
    assert start_menu_shortcuts() == []
    assert registry(UNINSTALL_KEY) is None
    assert registry(SETTINGS_KEY)[ON_TOP] == "true"
