"""One desktop per run, started before the scenarios are collected (the accessibility bindings keep the
first session bus they meet), and a fresh settings folder per scenario."""

import os
import shutil
from pathlib import Path

import pytest

import desktop

ARTIFACTS = Path(os.environ["ARTIFACTS"])


def pytest_configure(config):
    config.addinivalue_line("markers", "tray: a scenario of the tray, the one part that differs between X11 rows")


def pytest_sessionstart(session):
    if missing := [tool for tool in desktop.NEEDED if not shutil.which(tool)]:
        pytest.exit(f"DESKTOP TESTS SKIPPED: not installed: {', '.join(missing)}", returncode=0)
    shutil.rmtree(ARTIFACTS / "desktop-failures", ignore_errors=True)
    desktop.start_desktop()


def pytest_sessionfinish(session):
    desktop.CLEANUP.close()


@pytest.fixture
def config_home(tmp_path):
    return tmp_path / "config"


@pytest.fixture
def launch(request, config_home):
    """Starts the app, or the given program, on the desktop; they end with the scenario."""
    from harness import App

    request.node.apps = []

    def start(*command, **env):
        request.node.apps.append(App(command or [os.environ["APP_BINARY"]], dict(
            os.environ, XDG_CONFIG_HOME=str(config_home), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_QPA_PLATFORM="xcb" if desktop.X11 else "wayland", **env)))
        return request.node.apps[-1]

    yield start
    for app in request.node.apps:
        app.kill()
    # A sanitized build reports on standard error and may carry on: any report fails the scenario.
    assert [line for app in request.node.apps for line in app.errors
            if "Sanitizer" in line or "runtime error:" in line] == []


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    """A failing scenario leaves the screen and each program's output in ARTIFACTS/desktop-failures."""
    report = (yield).get_result()
    if report.failed and call.when == "call":
        folder = ARTIFACTS / "desktop-failures" / item.name
        folder.mkdir(parents=True, exist_ok=True)
        desktop.run("import", "-window", "root", folder / "screen.png")
        for index, app in enumerate(getattr(item, "apps", [])):
            (folder / f"app{index}.txt").write_text("\n".join(app.lines + ["--- stderr:"] + app.errors))
        report.sections.append(("kept", f"the screen and the programs' output in {folder}"))
