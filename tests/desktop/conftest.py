"""One desktop per run, started before the scenarios are collected (the accessibility bindings keep the
first session bus they meet), and a fresh settings folder per scenario."""

import os
import shutil
from pathlib import Path

import pytest

import desktop

ARTIFACTS = Path(os.environ["ARTIFACTS"])


def pytest_sessionstart(session):
    if missing := [tool for tool in desktop.NEEDED if not shutil.which(tool)]:
        pytest.exit(f"DESKTOP TESTS SKIPPED: not installed: {', '.join(missing)}", returncode=0)
    shutil.rmtree(ARTIFACTS / "desktop-failures", ignore_errors=True)
    try:
        desktop.start_desktop()
    except BaseException:  # pytest ends the session without finishing it: end what was started
        desktop.CLEANUP.close()
        raise


def pytest_sessionfinish(session):
    desktop.CLEANUP.close()


@pytest.fixture
def launch(request, tmp_path):
    """Starts the app, or the given program, on the desktop, with the scenario's settings folder."""
    from harness import App

    apps = request.node.apps = []

    def start(*command, **env):
        apps.append(App(command or [os.environ["APP_BINARY"]], env=dict(
            os.environ, XDG_CONFIG_HOME=str(tmp_path), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_QPA_PLATFORM="xcb" if desktop.X11 else "wayland", **env)))
        return apps[-1]

    yield start
    for app in apps:
        app.kill()
    # A sanitized build reports on standard error and may carry on: any report fails the scenario.
    assert [line for app in apps for line in app.errors if "Sanitizer" in line or "runtime error:" in line] == []


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    """A failing scenario reports each program's output, and leaves the screen in ARTIFACTS."""
    report = (yield).get_result()
    if report.failed and call.when == "call":
        for app in getattr(item, "apps", []):
            report.sections.append((f"output of {app.process.args[0]}", "\n".join(app.lines + app.errors)))
        (ARTIFACTS / "desktop-failures").mkdir(parents=True, exist_ok=True)
        desktop.run("import", "-window", "root", ARTIFACTS / "desktop-failures" / f"{item.name}.png")
