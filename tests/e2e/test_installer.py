"""The installer as a user meets it, run silently: it installs into the
user's own programs folder with a Start menu shortcut, autorun and an
uninstall entry; the installed clock runs and keeps its data beside itself;
an upgrade over a running clock keeps the data; the silent uninstallation
removes the program and keeps the data."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from tikolvo_e2e import MAIN_CLASS, START_TIMEOUT, probe, required_path, wait_until, window_count, wine_env

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD_INSTALLER = os.path.join(HERE, "..", "..", "installer", "build_installer.sh")
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tikolvo"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def installer_env():
    env = wine_env()
    # No desktop entries on the host for the shortcuts the installer makes.
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml=;winemenubuilder.exe=d"
    return env


def wine(*args, timeout=120):
    return subprocess.run(["wine"] + list(args), env=installer_env(), stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, timeout=timeout)


def registry_value(key, name):
    """The data of a string value, or None when the key or value is missing."""
    result = wine("reg", "query", key, "/v", name)
    if result.returncode != 0:
        return None
    for line in result.stdout.decode("utf-8", "replace").splitlines():
        found = re.match(r"^\s*(.+?)\s+REG_\w+\s+(.*?)\s*$", line)
        if found and found.group(1) == name:
            return found.group(2)
    return None


def shell_folder(name):
    """A folder of the current user as Windows names it (e.g. "Local AppData")."""
    value = registry_value(r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders", name)
    if not value:
        raise AssertionError("no shell folder " + name)
    return value


def unix_path(windows_path):
    out = subprocess.run(["winepath", "-u", windows_path], env=installer_env(), stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, check=True).stdout
    return out.decode("utf-8").strip()


def is_data_file(name):
    return name.endswith(".db") or name in ("config.cfg", "skin.cfg")


def build_installer(folder):
    """An installer of the exe under test and the files the build ships beside it."""
    exe = required_path("TIKOLVO_EXE")
    if not shutil.which("makensis"):
        raise unittest.SkipTest("makensis is not installed")
    program = os.path.join(folder, "Tikolvo")
    shutil.copytree(os.path.join(os.path.dirname(exe), "dist"), program)
    shutil.copy(exe, program)
    installer = os.path.join(folder, "Tikolvo-test-setup.exe")
    subprocess.run([BUILD_INSTALLER, program, installer, "1.0.0.0"], check=True, stdout=subprocess.DEVNULL)
    return installer


class Installer(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="tikolvo-installer-")
        self.addCleanup(shutil.rmtree, self.work, True)
        self.installer = build_installer(self.work)
        self.windows_dir = shell_folder("Local AppData") + r"\Programs\Tikolvo"
        self.dir = unix_path(self.windows_dir)
        self.shortcut = os.path.join(unix_path(shell_folder("Programs")), "Tikolvo", "Tikolvo.lnk")
        self.remove_leftovers()  # of an earlier run that was cut short
        self.addCleanup(self.remove_leftovers)

    def remove_leftovers(self):
        if window_count() > 0:
            probe("close", MAIN_CLASS, check=False)
            wait_until(lambda: window_count() == 0, what="the clock to close")
        if registry_value(UNINSTALL_KEY, "UninstallString"):
            self.uninstall()
        shutil.rmtree(self.dir, ignore_errors=True)
        if registry_value(RUN_KEY, "Tikolvo") == self.windows_dir + r"\Tikolvo.exe":
            wine("reg", "delete", RUN_KEY, "/v", "Tikolvo", "/f")

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def install(self, *options):
        self.assertEqual(wine(self.installer, "/S", *options).returncode, 0)

    def uninstall(self):
        # The uninstaller copies itself away and returns at once; it is done
        # when its own copy in the program folder is gone.
        wine(self.windows_dir + r"\uninstall.exe", "/S")
        wait_until(lambda: not os.path.exists(self.path("uninstall.exe")), 30, "the uninstaller")
        wait_until(lambda: registry_value(UNINSTALL_KEY, "UninstallString") is None, 30, "the uninstall entry to go")

    def run_clock(self):
        process = subprocess.Popen(["wine", self.windows_dir + r"\Tikolvo.exe"], cwd=self.work, env=installer_env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: process.poll() is None and process.wait(START_TIMEOUT))
        wait_until(lambda: window_count() == 1, what="the installed clock")
        return process

    def close_clock(self, process):
        probe("close", MAIN_CLASS, check=False)
        wait_until(lambda: window_count() == 0, what="the clock to close")
        process.wait(START_TIMEOUT)

    def test_install_run_upgrade_and_uninstall_keeping_the_data(self):
        self.install("/AUTORUN")
        for shipped in ("Tikolvo.exe", "uninstall.exe", os.path.join("plug", "music.res"),
                        os.path.join("skins", "default.tks")):
            self.assertTrue(os.path.isfile(self.path(shipped)), shipped)
        self.assertTrue(os.path.isfile(self.shortcut))
        self.assertEqual(registry_value(RUN_KEY, "Tikolvo"), self.windows_dir + r"\Tikolvo.exe")
        self.assertEqual(registry_value(UNINSTALL_KEY, "InstallLocation"), self.windows_dir)
        self.assertEqual(registry_value(UNINSTALL_KEY, "UninstallString"), '"%s\\uninstall.exe"' % self.windows_dir)

        # The installed clock writes its settings beside itself.
        self.close_clock(self.run_clock())
        self.assertTrue(os.path.isfile(self.path("config.cfg")))
        records = bytes(range(256)) * 3
        with open(self.path("message.db"), "wb") as f:
            f.write(records)

        # An upgrade closes the running clock, puts back a lost program file
        # and leaves the data alone.
        os.remove(self.path("plug", "music.res"))
        clock = self.run_clock()
        self.install()
        self.assertEqual(window_count(), 0)
        clock.wait(START_TIMEOUT)
        self.assertTrue(os.path.isfile(self.path("plug", "music.res")))
        with open(self.path("message.db"), "rb") as f:
            self.assertEqual(f.read(), records)
        self.assertTrue(os.path.isfile(self.path("config.cfg")))

        self.uninstall()
        left = set(os.listdir(self.dir))
        self.assertTrue({"config.cfg", "message.db"} <= left, left)
        self.assertEqual({name for name in left if not is_data_file(name)}, set())
        with open(self.path("message.db"), "rb") as f:
            self.assertEqual(f.read(), records)
        self.assertFalse(os.path.exists(os.path.dirname(self.shortcut)))
        self.assertIsNone(registry_value(RUN_KEY, "Tikolvo"))


if __name__ == "__main__":
    unittest.main()
