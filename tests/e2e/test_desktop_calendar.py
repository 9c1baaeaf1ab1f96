"""The composed wallpaper: at start the calendar and today's reminder are
drawn onto the base picture, saved as DeskTopPicture.bmp in the Windows
folder and set as the wallpaper; the program's own output is never drawn on
without a question; a new day composes again."""
import datetime
import os
import struct
import subprocess
import time

from plan_db import windows_path
from test_settings_window import CONF_CLASS, QUESTION_CLASS, IDOK, IDCANCEL, SettingsWindowBase
from tikolvo_e2e import ClockTestCase, probe, wait_until, window_count, wine_env

IDM_DESK_REFRESH = 2314
NOTICE_CLASS = "TF_message"
GREY = (0x80, 0x80, 0x80)
MARKER = [(0xFF, 0, 0), (0, 0, 0xFF), (0, 0x80, 0)]  # red, blue, green as (r, g, b)
RECORD = 280


def composed_path():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "DeskTopPicture.bmp")


def write_bmp(path, width, height, colour, marker=False):
    row = bytes((colour[2], colour[1], colour[0])) * width
    rows = [row] * height
    if marker:  # the bottom row is stored first
        tail = b"".join(bytes((b, g, r)) for r, g, b in MARKER)
        rows[0] = row[:-9] + tail
    pixels = b"".join(r + b"\0" * ((4 - len(r) % 4) % 4) for r in rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def read_bmp(path):
    """(width, height, pixel(x, y) -> (r, g, b)) of a 24-bit bottom-up BMP."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    assert bits == 24 and height > 0, (bits, height)
    stride = (width * 3 + 3) // 4 * 4

    def pixel(x, y):
        at = offset + (height - 1 - y) * stride + x * 3
        return data[at + 2], data[at + 1], data[at]
    return width, height, pixel


def days_since_1899(day):
    return float((day - datetime.date(1899, 12, 30)).days)


def reminder_record(text, day):
    encoded = text.encode("cp1251")
    when = days_since_1899(day)
    return (bytes((len(encoded),)) + encoded.ljust(255, b"\0") + struct.pack("<dd", when, when) + b"\x01\x01" +
            b"\0" * 6)


def wallpaper_value():
    """The wallpaper's path in the registry ("" when none is set)."""
    out = subprocess.run(["wine", "reg", "query", "HKCU\\Control Panel\\Desktop", "/v", "Wallpaper"],
                         env=wine_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    for line in out.decode("utf-8", "replace").splitlines():
        parts = line.split("REG_SZ", 1)
        if len(parts) == 2 and "Wallpaper" in parts[0]:
            return parts[1].strip()
    return ""


def set_wallpaper_value(path):
    subprocess.run(["wine", "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "Wallpaper", "/d", path, "/f"],
                   env=wine_env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def question_text():
    if window_count(QUESTION_CLASS) != 1:
        return ""
    words = probe("ctltext", QUESTION_CLASS, -1, check=False)
    return bytes.fromhex(words[0]).decode("utf-8") if words else ""


def changed(pixel, xs, ys):
    return [(x, y) for y in ys for x in xs if pixel(x, y) != GREY]


class DesktopCalendar(SettingsWindowBase):
    def setUp(self):
        super().setUp()
        if os.path.exists(composed_path()):
            os.remove(composed_path())
        self.base = os.path.join(self.folder.path, "base.bmp")
        # The prefix outlives the test: later tests find the wallpaper they had.
        self.addCleanup(set_wallpaper_value, wallpaper_value())

    def configure(self, background="usepic=1\nPath=%s"):
        path = windows_path(self.base)
        self.folder.write_config(
            "[CAL]\nuse=1\ngod=1\nusepicNone=0\n" + (background % path if "%s" in background else background) +
            "\nl=10\nt=10\nwid=100\nhei=80\n"
            "[MESS]\nuse=1\nADD=0\nrectL=150\nrectT=180\nsize=6\ncolor=16777215\n")

    def test_start_composes_calendar_and_reminder_and_sets_the_wallpaper(self):
        write_bmp(self.base, self.screen_width, self.screen_height, GREY)
        with open(os.path.join(self.folder.path, "message.db"), "wb") as f:
            f.write(reminder_record("Полить цветы", datetime.date.today()))
        self.configure()
        self.folder.start_and_wait()
        wait_until(lambda: os.path.exists(composed_path()), what="the composed wallpaper")
        width, height, pixel = read_bmp(composed_path())
        self.assertEqual((width, height), (self.screen_width, self.screen_height))
        self.assertEqual([pixel(width - 3 + i, height - 1) for i in range(3)], MARKER)

        sx, sy = width / 310.0, height / 232.0
        calendar = (round(10 * sx), round(10 * sy), round(110 * sx), round(90 * sy))
        reminder = (round(150 * sx), round(180 * sy), round(182 * sx), round(212 * sy))
        self.assertGreater(len(changed(pixel, range(calendar[0], calendar[2], 2), range(calendar[1], calendar[3], 2))),
                           100)
        self.assertTrue(changed(pixel, range(reminder[0], reminder[2]), range(reminder[1], reminder[3])))
        # Far from both rectangles the base picture is untouched: to the
        # right of everything, and between the calendar and the reminder.
        self.assertEqual(changed(pixel, range(reminder[2] + 150, width, 3), range(0, height - 1, 3)), [])
        self.assertEqual(changed(pixel, range(0, width, 3), range(calendar[3] + 100, reminder[1] - 10, 3)), [])
        self.assertEqual(wallpaper_value().lower(), "c:\\windows\\desktoppicture.bmp")

    def test_own_output_is_skipped_at_start_and_asked_about_when_refreshed(self):
        write_bmp(self.base, self.screen_width, self.screen_height, GREY, marker=True)
        self.configure()
        self.start()
        self.assertFalse(os.path.exists(composed_path()))

        probe("command", CONF_CLASS, IDM_DESK_REFRESH)
        self.assertIn("будет заменен", wait_until(question_text, what="the question before replacing"))
        probe("click", QUESTION_CLASS, IDOK)
        wait_until(lambda: "уже использовался в качестве фона" in question_text(),
                   what="the question about the marked picture")
        probe("click", QUESTION_CLASS, IDCANCEL)
        wait_until(lambda: window_count(QUESTION_CLASS) == 0, what="the question to close")
        time.sleep(1)
        self.assertFalse(os.path.exists(composed_path()))

    def test_a_damaged_base_picture_gives_a_notice_and_keeps_the_wallpaper(self):
        with open(self.base, "wb") as f:
            f.write(b"BM" + b"\xff" * 60)
        self.configure()
        self.folder.start_and_wait()
        wait_until(lambda: window_count(NOTICE_CLASS) == 1, what="the notice about the picture")
        self.assertIn("base.bmp", bytes.fromhex(probe("ctltext", NOTICE_CLASS, -1)[0]).decode("utf-8"))
        self.assertFalse(os.path.exists(composed_path()))
        probe("click", NOTICE_CLASS, IDOK)

    def test_a_new_day_composes_again(self):
        # The program's local time is moved close to midnight through its
        # time zone, which only this process sees.
        now = datetime.datetime.utcnow()
        if now.second > 30:
            time.sleep(61 - now.second)
            now = datetime.datetime.utcnow()
        minutes = (23 * 60 + 59 - (now.hour * 60 + now.minute)) % (24 * 60)
        if minutes > 12 * 60:
            minutes -= 24 * 60
        sign = "-" if minutes >= 0 else "+"
        env = wine_env()
        env["TZ"] = "XYZ%s%02d:%02d" % (sign, abs(minutes) // 60, abs(minutes) % 60)
        self.configure("usepic=0\ncolordesktop=8421504")
        self.folder.start_and_wait(env)
        wait_until(lambda: os.path.exists(composed_path()), what="the wallpaper composed at start")
        os.remove(composed_path())
        wait_until(lambda: os.path.exists(composed_path()), timeout=75, what="the wallpaper composed at the new day")
        width, height, pixel = read_bmp(composed_path())
        self.assertEqual([pixel(width - 3 + i, height - 1) for i in range(3)], MARKER)
