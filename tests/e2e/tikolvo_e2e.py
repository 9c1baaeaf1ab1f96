"""Helpers for driving Tikolvo.exe under Wine: a fresh program folder per
test, the probe tool that looks at windows, polling waits and screenshots.

Environment (set by make.sh test): TIKOLVO_EXE, PROBE_EXE, WINEPREFIX,
DISPLAY, optionally SCREENS_DIR. A wineserver must already be running.
"""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

MAIN_CLASS = "TMainForm"
HINT_CLASS = "TIconHintX"
START_TIMEOUT = 15.0
STEP = 0.1


def wine_env():
    env = dict(os.environ)
    env["LC_ALL"] = "ru_RU.UTF-8"
    env.setdefault("WINEARCH", "win32")
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
    return env


def required_path(name):
    path = os.environ.get(name)
    if not path or not os.path.isfile(path):
        raise unittest.SkipTest("%s is not set to an existing file" % name)
    return path


def probe(*args, check=True):
    """Runs probe.exe; returns its output split into words."""
    result = subprocess.run(["wine", required_path("PROBE_EXE")] + [str(a) for a in args],
                            env=wine_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            timeout=60)
    if check and result.returncode != 0:
        raise AssertionError("probe %s failed with %d" % (" ".join(map(str, args)), result.returncode))
    return result.stdout.decode("ascii", "replace").split()


def probe_numbers(*args):
    return [int(word) for word in probe(*args)]


def wait_until(condition, timeout=START_TIMEOUT, what="condition"):
    """Polls condition() until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(STEP)


def screen_size():
    return tuple(probe_numbers("screen"))


def work_area():
    return tuple(probe_numbers("workarea"))


def window_rect(cls=MAIN_CLASS):
    return tuple(probe_numbers("rect", cls))


def window_count(cls=MAIN_CLASS):
    return probe_numbers("count", cls)[0]


def flag(name, cls=MAIN_CLASS):
    return probe_numbers(name, cls)[0] == 1


def save_screenshot(name):
    """Saves the whole screen as SCREENS_DIR/<name>.png; returns the path."""
    folder = os.environ.get("SCREENS_DIR") or tempfile.gettempdir()
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name + ".png")
    subprocess.run(["import", "-display", os.environ["DISPLAY"], "-window", "root", path],
                   check=True, stderr=subprocess.DEVNULL)
    return path


def pixel(path, x, y):
    """(r, g, b) of one pixel of a screenshot."""
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8", "rgb:-"],
                         check=True, stdout=subprocess.PIPE).stdout
    return tuple(out[:3])


def parse_ini(raw):
    """Sections in file order as (name, {key: value}) from CP1251 bytes."""
    sections = []
    for line in raw.decode("cp1251").split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1], {}))
        elif "=" in line and sections:
            key, value = line.split("=", 1)
            sections[-1][1][key] = value
    return sections


class ProgramFolder:
    """A temporary program folder holding a copy of Tikolvo.exe."""

    def __init__(self):
        self.path = tempfile.mkdtemp(prefix="tikolvo-e2e-")
        self.exe = os.path.join(self.path, "Tikolvo.exe")
        shutil.copy(required_path("TIKOLVO_EXE"), self.exe)
        self.processes = []

    @property
    def config_path(self):
        return os.path.join(self.path, "config.cfg")

    def write_config(self, text):
        with open(self.config_path, "wb") as f:
            f.write(text.replace("\n", "\r\n").encode("cp1251"))

    def read_config(self):
        with open(self.config_path, "rb") as f:
            return f.read()

    def start(self, env=None):
        """Starts the program; returns the process once its window exists."""
        process = subprocess.Popen(["wine", self.exe], cwd=self.path, env=env or wine_env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def start_and_wait(self, env=None):
        process = self.start(env)
        wait_until(lambda: window_count() == 1, what="the main window")
        wait_until(lambda: flag("visible") or flag("iconic"), what="the main window to show")
        return process

    def close(self):
        """Closes the clock as a user would and waits until it is gone."""
        probe("close", MAIN_CLASS, check=False)
        self.wait_gone()

    def wait_gone(self, timeout=START_TIMEOUT):
        wait_until(lambda: window_count() == 0, timeout, what="the main window to close")
        for process in self.processes:
            process.wait(timeout=timeout)
        self.processes = []

    def cleanup(self):
        # Whatever a failed test left running is closed, or ended by its own id.
        if window_count() > 0:
            probe("close", MAIN_CLASS, check=False)
        for process in self.processes:
            try:
                process.wait(timeout=START_TIMEOUT)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.path, ignore_errors=True)


class ClockTestCase(unittest.TestCase):
    """Each test gets its own program folder and leaves no clock running."""

    def setUp(self):
        self.folder = ProgramFolder()
        self.addCleanup(self.folder.cleanup)
        self.screen_width, self.screen_height = screen_size()
