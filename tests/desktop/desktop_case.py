"""The base of every desktop scenario: one desktop for the whole run (the accessibility bindings
stay with the first session bus they meet), a fresh settings folder and fresh apps per test, and
the screen plus every program's output kept under desktop-failures when a test fails."""

import os
import shutil
import sys
import tempfile
import unittest
from pathlib import Path

from harness import App, Desktop, DesktopUnavailable

BINARY = Path(os.environ.get("PILLOWROCK_BINARY", Path(__file__).resolve().parents[2] / "build" / "pillowrock"))
DRAG_SOURCE = Path(os.environ.get("PILLOWROCK_DRAGSOURCE", BINARY.parent / "tests" / "desktop" / "dragsource"))
ARTIFACTS = Path(os.environ.get("PILLOWROCK_ARTIFACTS", BINARY.parent))


class DesktopCase(unittest.TestCase):
    desktop = None
    unavailable = None

    @classmethod
    def setUpClass(cls):
        if DesktopCase.desktop is None and DesktopCase.unavailable is None:
            desktop = Desktop()
            # Registered first, so that a desktop that started only in part is torn down too.
            unittest.addModuleCleanup(desktop.stop)
            try:
                DesktopCase.desktop = desktop.start()
            except DesktopUnavailable as reason:
                DesktopCase.unavailable = str(reason)
                print(f"\n*** DESKTOP TESTS SKIPPED: no X server could be started here ({reason}) ***\n",
                      file=sys.stderr, flush=True)
        if DesktopCase.unavailable:
            raise unittest.SkipTest(DesktopCase.unavailable)

    def setUp(self):
        self._config = tempfile.TemporaryDirectory(prefix="pillowrock-config-")
        self.config_home = Path(self._config.name)
        self._apps = []

    def launch(self, *command, **extra_env):
        """Starts Pillowrock, or the given program, on the desktop."""
        app = App(self.desktop, command or [BINARY], self.config_home, extra_env)
        self._apps.append(app)
        return app

    def tearDown(self):
        folder = ARTIFACTS / "desktop-failures" / self.id().rsplit(".", 1)[-1]
        shutil.rmtree(folder, ignore_errors=True)
        if self._failed():
            folder.mkdir(parents=True)
            self.desktop.screenshot(folder / "screen.png")
            for index, app in enumerate(self._apps):
                (folder / f"app{index}.stdout").write_text(app.output() + "\n")
                (folder / f"app{index}.stderr").write_text("\n".join(app.stderr_lines) + "\n")
            print(f"\nkept the screen and the app's output in {folder}", file=sys.stderr)
        for app in self._apps:
            app.kill()
        self._config.cleanup()

    def _failed(self):
        result = self._outcome.result
        return any(self in (test, getattr(test, "test_case", None)) for test, _ in result.errors + result.failures)

    def main_window(self, app):
        """The main window as it opens, with nothing chosen in the sidebar yet."""
        return app.wait_for_window("^Pillowrock$")
