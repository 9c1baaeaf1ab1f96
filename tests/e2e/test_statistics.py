"""The statistics window of one connection under Wine, opened from the
session log: its detailed text report matches, line for line, a report
worked out here from the documented record layouts and cost rules, and with
no spreadsheet application registered its spreadsheet button writes a
workbook that reads back with its kinds, values and frozen bold header."""
import datetime
import math
import os
import re
import struct
import subprocess
import time
import xml.etree.ElementTree as ET
import zipfile

import plan_db
from test_settings_window import CONF_CLASS, SettingsWindowBase
from tikolvo_e2e import (ClockTestCase, probe, probe_numbers, required_path, save_screenshot, wait_until, window_count,
                         wine_env)

DIALOG_CLASS = "#32770"  # the statistics window and the save dialog
IDM_STAT_LOG = 2330
IDC_SG_LOG_WWW = 2101
IDC_STAT_EXPORT_TXT = 3109
IDC_STAT_EXCEL_SESSIONS = 3116
IDOK = 1
SAVE_NAME_IDS = (1148, 1152)  # the save dialog's file name: combo box, or the plain edit

HEADER = b"\x04TKDB" + bytes([23, 32, 125, 1])
EPOCH = datetime.datetime(1899, 12, 30)
VERSION = "3.3.4.2 (fix)"


def date_time(moment):
    return (moment - EPOCH).total_seconds() / 86400


def short_string(text, capacity):
    raw = text.encode("cp1251")[:capacity]
    return bytes([len(raw)]) + raw + bytes(capacity - len(raw))


def trio(total):
    return struct.pack("<4i", total // 3600, total // 60 % 60, total % 60, total)


# ---------------------------------------------------------------- the files

class Tariff:
    def __init__(self, kind, cost, currency, start=0.0, end=0.0, time_unit=2, traffic_unit=2, direction=0, days=0):
        self.kind, self.cost, self.currency = kind, cost, currency
        self.start, self.end, self.time_unit, self.traffic_unit = start, end, time_unit, traffic_unit
        self.direction, self.days = direction, days

    def record(self):
        r = bytearray(48)
        struct.pack_into("<dd?", r, 0, self.start, self.end, True)
        struct.pack_into("<dBBBBB", r, 24, self.cost, self.time_unit, self.traffic_unit, self.kind, self.currency,
                         self.direction)
        r[39] = self.days
        return bytes(r)


class Session:
    def __init__(self, name, start, end, received, sent, speed, address, valid=True):
        self.name, self.start, self.end = name, start, end
        self.received, self.sent, self.speed, self.address, self.valid = received, sent, speed, address, valid
        self.seconds = int((end - start).total_seconds())

    def record(self):
        r = bytearray(112)
        struct.pack_into("<dd", r, 0, date_time(self.start), date_time(self.end))
        r[16:32] = trio(self.seconds)
        r[32:65] = short_string(self.name, 32)
        struct.pack_into("<iii?", r, 68, self.received, self.sent, self.speed, self.valid)
        r[82:107] = short_string(self.address, 24)
        struct.pack_into("<i", r, 108, 1)
        return bytes(r)


def connection_record(name, tariffs, decimals, unit):
    r = bytearray(928)
    r[0:51] = short_string(name, 50)
    struct.pack_into("<i??", r, 88, 100, False, True)  # tag, connected, valid
    r[136] = 1  # monitored
    struct.pack_into("<iBBBB", r, 140, decimals, unit, 0, 3, 2)
    r[148:156] = bytes([0, 0, 1, 0, 1, 1, 1, 254])  # tray flags, shown in the logs
    for k, tariff in enumerate(tariffs):
        r[160 + 48 * k:208 + 48 * k] = tariff.record()
    return bytes(r)


# ---------------------------------------------------------------- the report, worked out here

def fixed(decimals, x):
    return "%.*f" % (decimals, round(x * 10000) / 10000)


def traffic(amount, decimals, unit, lower_case_kb=False):
    if unit == 0:
        return "%d b" % amount
    suffix = [" Kb", " Mb", " Gb"][unit - 1]
    if lower_case_kb and unit == 1:
        suffix = " kb"
    return fixed(decimals, amount / 1024 ** unit) + suffix


def duration_text(seconds):
    return "%d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def window_seconds(start, end, a, b, days):
    """Seconds of the session inside the tariff's window [a, b] of the day,
    by times of day only, on days the tariff does not leave out."""
    t0, t1 = date_time(start), date_time(end)
    s, e = t0 - math.trunc(t0), t1 - math.trunc(t1)

    def allowed(moment):
        return not days & (1 << moment.weekday())

    def overlap(x, y):
        if x > b or y < a:
            return 0
        w, length = b - a, y - x
        if w >= length:
            if x > a:
                part, tested = (b - x, start) if b <= y else (length, end)
            else:
                part, tested = y - a, start
        elif x >= a:
            part, tested = b - x, start
        else:
            part, tested = (w, end) if b <= y else (y - a, end)
        return math.trunc(part * 86400) if allowed(tested) else 0

    if s <= e:
        return overlap(s, e)
    if s >= b:
        return overlap(a, e) if e > a else 0
    if e <= a:
        return overlap(s, b)
    return overlap(s, b) + overlap(a, e)


def cost(session, tariffs, currency):
    total = 0.0
    for t in tariffs:
        if t.currency != currency:
            continue
        if t.kind == 0:
            amount = [session.received + session.sent, session.received, session.sent][t.direction]
            total += t.cost * amount / 1024 ** t.traffic_unit
        else:
            a, b = (0.0, 86399 / 86400) if t.kind == 2 else (t.start, t.end)
            total += t.cost * window_seconds(session.start, session.end, a, b, t.days) / [1, 60, 3600][t.time_unit]
    return total


def report_table(sessions, tariffs, decimals, unit):
    header = ["№", "Дата", "Время", "Название", "Длительность", "Скорость", "Трафик(Вход)", "Трафик(Исх)",
              "Трафик(Сум)", "IP", "Стоимость (руб)", "Стоимость ($)"]
    rows = []
    for s in sessions:
        rows.append([str(len(rows) + 1), s.start.strftime("%d.%m.%y"), s.start.strftime("%H:%M:%S"), s.name,
                     duration_text(s.seconds), str(s.speed), traffic(s.received, decimals, unit),
                     traffic(s.sent, decimals, unit, lower_case_kb=True),
                     traffic(s.received + s.sent, decimals, unit), s.address,
                     fixed(2, cost(s, tariffs, 0)).replace(".", ",") + " р.",
                     "$" + fixed(2, cost(s, tariffs, 1)).replace(".", ",")])
    least = [len(str(len(rows))), 9, 0, 8, 12, 8, 0, 0, 0, 2, 0, 0]
    widths = [max([len(header[c]), least[c]] + [len(r[c]) for r in rows]) + 2 for c in range(len(header))]

    def cell(text, width):
        return text[:width] if len(text) >= width else " " * (width - len(text) - 1) + text + " "

    def line(cells):
        return "|" + "".join(cell(t, w) + "|" for t, w in zip(cells, widths))

    rule = "-" * len(line(header))
    return [rule, line(header), rule] + [line(r) for r in rows] + [rule]


# ---------------------------------------------------------------- the workbook, read back

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}


def column_index(ref):
    letters = re.match(r"[A-Z]+", ref).group(0)
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch) - 64
    return n - 1


def read_workbook(path):
    """Rows of (kind, value) cells, whether the header is bold and whether
    the first row is frozen, as a spreadsheet program would see them."""
    with zipfile.ZipFile(path) as z:
        assert z.testzip() is None
        sheet = ET.fromstring(z.read("xl/worksheets/sheet1.xml"))
        styles = ET.fromstring(z.read("xl/styles.xml"))
    formats = {int(f.get("numFmtId")): f.get("formatCode") for f in styles.findall("m:numFmts/m:numFmt", NS)}
    fonts = styles.findall("m:fonts/m:font", NS)
    xfs = styles.findall("m:cellXfs/m:xf", NS)

    def kind_of(style):
        code = formats.get(int(xfs[style].get("numFmtId")), "")
        if "[h]" in code:
            return "duration"
        if "yy" in code:
            return "moment" if "h" in code else "day"
        return "number"

    rows, bold = [], []
    for row in sheet.findall("m:sheetData/m:row", NS):
        cells = {}
        for c in row.findall("m:c", NS):
            style = int(c.get("s", "0"))
            if c.get("t") == "inlineStr":
                cells[column_index(c.get("r"))] = ("text", "".join(t.text or "" for t in c.iter("{%s}t" % NS["m"])))
            else:
                cells[column_index(c.get("r"))] = (kind_of(style), float(c.find("m:v", NS).text))
            bold.append(fonts[int(xfs[style].get("fontId"))].find("m:b", NS) is not None)
        rows.append([cells.get(i) for i in range(max(cells) + 1)] if cells else [])
    pane = sheet.find("m:sheetViews/m:sheetView/m:pane", NS)
    frozen = pane is not None and pane.get("state") == "frozen" and pane.get("ySplit") == "1"
    header_bold = all(bold[:len(rows[0])]) and not any(bold[len(rows[0]):])
    return rows, header_bold, frozen


# ---------------------------------------------------------------- the test

def probe_succeeds(*args):
    return subprocess.run(["wine", required_path("PROBE_EXE")] + [str(a) for a in args], env=wine_env(),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60).returncode == 0


class Statistics(SettingsWindowBase):
    NAME = "Дом"
    DECIMALS, UNIT = 2, 1  # two decimals, kilobytes
    TARIFFS = [
        Tariff(kind=1, cost=2, currency=0, start=0.25, end=0.75),           # 2 roubles an hour, 06:00 to 18:00
        Tariff(kind=0, cost=0.5, currency=1, traffic_unit=2),               # half a dollar a megabyte
        Tariff(kind=2, cost=0.01, currency=0, time_unit=1, days=0b1000010),  # a kopeck a minute, not Tue, Sun
    ]
    SESSIONS = [
        Session(NAME, datetime.datetime(2026, 12, 8, 12), datetime.datetime(2026, 12, 8, 21),
                3145728, 1048576, 56000, "10.0.0.1"),
        Session("Офис", datetime.datetime(2026, 12, 9, 9), datetime.datetime(2026, 12, 9, 10), 1, 1, 1, "10.0.0.9"),
        Session(NAME, datetime.datetime(2026, 12, 12, 22), datetime.datetime(2026, 12, 13, 2),
                5000, 1500, 115200, "10.0.0.2"),
        Session(NAME, datetime.datetime(2026, 12, 12, 8), datetime.datetime(2026, 12, 12, 9), 9, 9, 9, "x",
                valid=False),
        Session(NAME, datetime.datetime(2026, 12, 13, 10, 0, 7), datetime.datetime(2026, 12, 14, 16, 0, 7),
                123456789, 98765, 33600, "192.168.100.200"),
    ]

    def path(self, name):
        return os.path.join(self.folder.path, name)

    def write_logs(self):
        with open(self.path("Connect.db"), "wb") as f:
            f.write(HEADER + connection_record(self.NAME, self.TARIFFS, self.DECIMALS, self.UNIT))
        with open(self.path("log_web.db"), "wb") as f:
            f.write(HEADER + b"".join(s.record() for s in self.SESSIONS))

    def open_statistics(self):
        """From the session log page: a double click on the first row."""
        probe("command", CONF_CLASS, IDM_STAT_LOG)
        time.sleep(1)
        probe("move", CONF_CLASS, 0, 0)
        time.sleep(0.5)
        left, top, _, _ = probe_numbers("ctlrect", CONF_CLASS, IDC_SG_LOG_WWW)
        x, y = left + 60, top + 30  # below the header, in the first row
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.2", "click", "--repeat", "2",
                        "--delay", "80", "1"], check=True)
        wait_until(lambda: window_count(DIALOG_CLASS) == 1, what="the statistics window")
        wait_until(lambda: bytes.fromhex("".join(probe("texthex", DIALOG_CLASS))).decode() == " " + self.NAME,
                   what="the statistics window's caption")
        save_screenshot("statistics_window")

    def save_through_dialog(self, button, name):
        """Presses the button, types the file's path into the save dialog and saves."""
        target = self.path(name)
        probe("click", DIALOG_CLASS, button)
        wait_until(lambda: window_count(DIALOG_CLASS) == 2, what="the save dialog")
        time.sleep(0.5)
        wait_until(lambda: any(probe_succeeds("settext", DIALOG_CLASS, i, plan_db.windows_path(target))
                               for i in SAVE_NAME_IDS), what="the save dialog's file name")
        probe("click", DIALOG_CLASS, IDOK)
        wait_until(lambda: os.path.exists(target), what=name)
        wait_until(lambda: window_count(DIALOG_CLASS) == 1, what="the save dialog to close")
        return target

    def test_the_detailed_report_and_the_workbook_hold_the_connections_sessions(self):
        self.write_logs()
        self.start()
        self.open_statistics()
        mine = [s for s in self.SESSIONS if s.valid and s.name == self.NAME]

        report = self.save_through_dialog(IDC_STAT_EXPORT_TXT, "report.txt")
        with open(report, "rb") as f:
            raw = f.read()
        self.assertTrue(raw.endswith(b"\r\n"))
        lines = raw.decode("cp1251").split("\r\n")[:-1]
        self.assertRegex(lines[0], r"^Отчет создан \[.+\]\.  Tikolvo " + re.escape(VERSION) + "$")
        self.assertEqual(lines[1], "Подключения: " + self.NAME)
        expected = report_table(mine, self.TARIFFS, self.DECIMALS, self.UNIT)
        self.assertEqual(len(lines) - 2, len(expected))
        for got, want in zip(lines[2:], expected):
            self.assertEqual(got, want)

        workbook = self.save_through_dialog(IDC_STAT_EXCEL_SESSIONS, "sessions.xlsx")
        rows, header_bold, frozen = read_workbook(workbook)
        self.assertTrue(header_bold)
        self.assertTrue(frozen)
        self.assertEqual([c[1] for c in rows[0]][:4], ["№", "Дата", "Время", "Название"])
        self.assertEqual(rows[0][12], ("text", "День недели"))
        self.assertEqual(len(rows), 1 + len(mine))
        for number, (row, s) in enumerate(zip(rows[1:], mine), start=1):
            self.assertEqual(row[0], ("number", number))
            self.assertEqual(row[1][0], "day")
            self.assertAlmostEqual(row[1][1], math.trunc(date_time(s.start)))
            self.assertEqual(row[3], ("text", s.name))
            self.assertEqual(row[4][0], "duration")
            self.assertAlmostEqual(row[4][1] * 86400, s.seconds, places=3)
            self.assertEqual(row[6], ("number", s.received))
            self.assertEqual(row[8], ("number", s.received + s.sent))
            self.assertEqual(row[9], ("text", s.address))
            self.assertEqual(row[10][0], "number")
            self.assertAlmostEqual(row[10][1], cost(s, self.TARIFFS, 0))
            self.assertAlmostEqual(row[11][1], cost(s, self.TARIFFS, 1))
            self.assertEqual(row[12], ("text", ["Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"][s.start.weekday()]))
