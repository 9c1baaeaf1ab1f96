"""Reading a whole screenshot once and looking along the clock's hands."""
import math
import os
import subprocess
import time

from tikolvo_e2e import save_screenshot


class Shot:
    """An RGB screenshot read into memory, with the local time it was taken at."""

    def __init__(self, name):
        before = time.time()
        self.path = save_screenshot(name)
        after = time.time()
        # The clock ticks twice a second; the face shows a moment up to half a
        # second before the picture, so both seconds around it are candidates.
        self.moments = sorted({int(before - 0.6), int(before), int(after)})
        out = subprocess.run(["convert", self.path, "-depth", "8", "rgb:-"], check=True,
                             stdout=subprocess.PIPE).stdout
        size = subprocess.run(["identify", "-format", "%w %h", self.path], check=True,
                              stdout=subprocess.PIPE).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = out

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])


def hand_angles(moment):
    """Hour, minute and second angles (radians clockwise from 12) at a moment."""
    t = time.localtime(moment)
    second = t.tm_sec / 60 * 2 * math.pi
    minute = t.tm_min / 60 * 2 * math.pi
    hour = (t.tm_hour % 12) / 12 * 2 * math.pi + minute / 12
    return hour, minute, second


def along(centre, angle, distances):
    """Screen points at the given distances from centre along angle."""
    cx, cy = centre
    return [(round(cx + math.sin(angle) * d), round(cy - math.cos(angle) * d)) for d in distances]


def share(shot, points, test):
    """Fraction of the points whose pixel, or a direct neighbour's, passes test."""
    def near(x, y):
        return any(test(shot.at(x + dx, y + dy)) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    return sum(near(x, y) for x, y in points) / len(points)
