#!/usr/bin/env python3
"""The clock's footprint beside the floor clock, under Wine.

Runs Tikolvo.exe (from a fresh program folder) and floor_clock.exe side by
side in one X display and one Wine prefix, round after round, and prints
for each program the medians of:
  - start to a visible window: from the start of the process until the X
    server shows a mapped window of that process;
  - idle CPU: CPU time of all the process's threads over a fixed window of
    seconds, as a percentage of one core;
  - resident memory at the end of that window;
then the ratios the clock is held to (idle CPU at most 1.2 times the
floor's, memory at most 8 MB above it). A benchmark, not a test: it prints
figures and never fails on them.

Needs DISPLAY, WINEPREFIX and a running wineserver. Arguments: the clock's
exe, the folder whose content ships beside it (plug, skins), the floor's
exe, and the probe (to close the windows the way a user would).
"""
import argparse
import ctypes
import ctypes.util
import glob
import os
import shutil
import statistics
import subprocess
import tempfile
import time

POLL = 0.005


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XDisplay:
    """Just enough of Xlib to see which processes show a mapped window."""

    def __init__(self):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                      ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                      ctypes.POINTER(ctypes.c_uint)]
        self.x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                              ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                              ctypes.POINTER(ctypes.c_void_p)]
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise SystemExit("footprint: cannot open the X display %s" % os.environ.get("DISPLAY"))
        self.root = self.x.XDefaultRootWindow(self.display)
        self.pid_atom = self.x.XInternAtom(self.display, b"_NET_WM_PID", 0)

    def _pid_of(self, window):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if self.x.XGetWindowProperty(self.display, window, self.pid_atom, 0, 1, 0, 6, ctypes.byref(kind),
                                     ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                     ctypes.byref(data)) != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if count.value else None
        self.x.XFree(data)
        return pid

    def _viewable(self, window):
        attributes = XWindowAttributes()
        if not self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)):
            return False
        return attributes.map_state == 2 and attributes.width > 1  # IsViewable, not a placeholder

    def shown_pids(self):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return set()
        pids = set()
        for i in range(count.value):
            window = children[i]
            pid = self._pid_of(window)
            if pid and self._viewable(window):
                pids.add(pid)
        if children:
            self.x.XFree(children)
        return pids


def wine_env():
    env = dict(os.environ)
    env.setdefault("LC_ALL", "ru_RU.UTF-8")
    env.setdefault("WINEDEBUG", "-all")
    return env


def cpu_seconds(pid):
    """CPU time of every thread of the process, from the scheduler's own
    nanosecond accounting."""
    total = 0
    for path in glob.glob("/proc/%d/task/*/schedstat" % pid):
        try:
            with open(path) as f:
                total += int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # a thread that ended meanwhile
    return total / 1e9


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


class Program:
    def __init__(self, name, exe, folder):
        self.name, self.exe, self.folder = name, exe, folder
        self.process = None

    def start(self, display, attempts=3):
        # A clock that just closed may still hold its single-instance mark
        # for a moment; the new one then ends at once, and is started again.
        for attempt in range(attempts):
            shown = self._start_once(display)
            if shown is not None:
                return shown
            time.sleep(2)
        raise SystemExit("footprint: %s kept ending at start (%d)" % (self.name, self.process.returncode))

    def _start_once(self, display):
        started = time.monotonic()
        self.process = subprocess.Popen(["wine", self.exe], cwd=self.folder, env=wine_env(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = started + 30
        while time.monotonic() < deadline:
            if self.process.pid in display.shown_pids():
                return time.monotonic() - started
            if self.process.poll() is not None:
                return None
            time.sleep(POLL)
        raise SystemExit("footprint: %s showed no window within 30 s" % self.name)

    def stop(self, probe, window_class):
        if self.process is None or self.process.poll() is not None:
            return
        subprocess.run(["wine", probe, "close", window_class], env=wine_env(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        try:
            self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def lay_out(folder, exe, beside):
    shutil.copy(exe, folder)
    if beside and os.path.isdir(beside):
        shutil.copytree(beside, folder, dirs_exist_ok=True)
    return os.path.join(folder, os.path.basename(exe))


def one_round(args, display, clock_first):
    with tempfile.TemporaryDirectory(prefix="tikolvo-footprint-") as work:
        clock_dir, floor_dir = os.path.join(work, "clock"), os.path.join(work, "floor")
        os.makedirs(clock_dir)
        os.makedirs(floor_dir)
        clock = Program("Tikolvo", lay_out(clock_dir, args.exe, args.beside), clock_dir)
        floor = Program("floor", lay_out(floor_dir, args.floor, None), floor_dir)
        order = [clock, floor] if clock_first else [floor, clock]
        figures = {}
        try:
            for program in order:
                figures[program.name] = {"start": program.start(display)}
                time.sleep(0.5)
            time.sleep(args.settle)
            before = {p.name: cpu_seconds(p.process.pid) for p in order}
            began = time.monotonic()
            time.sleep(args.window)
            elapsed = time.monotonic() - began
            for p in order:
                figures[p.name]["cpu"] = 100.0 * (cpu_seconds(p.process.pid) - before[p.name]) / elapsed
                figures[p.name]["rss"] = resident_mb(p.process.pid)
        finally:
            clock.stop(args.probe, "TMainForm")
            floor.stop(args.probe, "FloorClock")
        return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("exe")
    parser.add_argument("beside", help="folder whose content ships beside the exe")
    parser.add_argument("floor")
    parser.add_argument("probe")
    parser.add_argument("--rounds", type=int, default=int(os.environ.get("FOOTPRINT_ROUNDS", "5")))
    parser.add_argument("--window", type=float, default=float(os.environ.get("FOOTPRINT_SECONDS", "10")))
    parser.add_argument("--settle", type=float, default=3.0)
    args = parser.parse_args()
    display = XDisplay()
    rounds = []
    for n in range(args.rounds):
        figures = one_round(args, display, clock_first=n % 2 == 0)
        rounds.append(figures)
        print("  round %d: %s" % (n + 1, "; ".join(
            "%s start %.2f s, cpu %.3f %%, rss %.1f MB" % (name, f["start"], f["cpu"], f["rss"])
            for name, f in sorted(figures.items()))))
    med = {name: {key: statistics.median(r[name][key] for r in rounds) for key in ("start", "cpu", "rss")}
           for name in ("Tikolvo", "floor")}
    clock, floor = med["Tikolvo"], med["floor"]
    print("medians of %d rounds, %.0f s idle window each:" % (args.rounds, args.window))
    for name in ("Tikolvo", "floor"):
        f = med[name]
        print("  %-8s start to visible %.2f s, idle CPU %.3f %% of a core, resident %.1f MB" %
              (name, f["start"], f["cpu"], f["rss"]))
    cpu_ratio = clock["cpu"] / floor["cpu"] if floor["cpu"] > 0 else float("inf")
    print("  idle CPU ratio %.2fx (goal at most 1.2x)" % cpu_ratio)
    print("  memory above the floor %.1f MB (goal at most 8 MB)" % (clock["rss"] - floor["rss"]))
    print("  start ratio %.2fx" % (clock["start"] / floor["start"]))
    print("  exe size %.2f MB (goal at most 2.5 MB)" % (os.path.getsize(args.exe) / 1e6))


if __name__ == "__main__":
    main()
