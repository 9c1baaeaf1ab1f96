"""The launcher menus: the programs menu from prog_menu.db opened with the
skin's button and an entry that starts a program, the web menu's folder
entries, the tray's launcher copies, a file dropped on the clock, and the
settings page that edits the programs menu."""
import os
import struct
import subprocess
import time

from plan_db import windows_path
from test_menus import TRAY_MENU, menu_lines, popup_menu_shown
from test_settings_window import CONF_CLASS, IDC_NOTEBOOK, QUESTION_CLASS, SettingsWindowBase
from tikolvo_e2e import ClockTestCase, probe, save_screenshot, wait_until, window_count, window_rect

PROGRAMS_MENU, WEB_MENU = 2, 3
PROGRAM_BUTTON = (21, 20)  # the built-in skin's programs menu button, from the window's corner
DROP_CLASS = "TF_Drop"
DROP_NAME_EDIT, IDOK = 101, 1
CMD = "C:\\windows\\system32\\cmd.exe"
NOTEPAD = "C:\\windows\\notepad.exe"
FILE_DIALOG_CLASS = "#32770"
FILE_NAME_BOX = 1148  # the open dialog's file name box
MENU_PAGE, IDC_TN_FAST_MENU = 3, 1003
IDC_E_NAME_PROG, IDC_E_PATH_PROG, IDC_BTADD, IDC_BB_SAVE_PROG = 1801, 1802, 1805, 1807


def short_string(text):
    raw = text.encode("cp1251")
    return bytes([len(raw)]) + raw.ljust(255, b"\0")


def program_record(path, name, params, valid=1):
    return short_string(path) + short_string(name) + short_string(params) + bytes([valid])


def read_program_menu(path):
    """(path, name, params) of the valid records, as the documented layout holds them."""
    with open(path, "rb") as f:
        raw = f.read()
    count = struct.unpack("<i", raw[:4])[0]
    records = []
    for i in range(count):
        record = raw[4 + i * 769:4 + (i + 1) * 769]
        texts = [record[k * 256 + 1:k * 256 + 1 + record[k * 256]].decode("cp1251") for k in range(3)]
        if record[768] == 1:
            records.append(tuple(texts))
    return records


def top_level(lines):
    return [line for line in lines if not line.startswith(" ")]


class LauncherMenus(ClockTestCase):
    def in_folder(self, *parts):
        return os.path.join(self.folder.path, *parts)

    def write_program_menu(self, *records):
        with open(self.in_folder("prog_menu.db"), "wb") as f:
            f.write(struct.pack("<i", len(records)) + b"".join(records))

    def test_an_entry_of_prog_menu_db_opened_with_the_skin_button_starts_its_program(self):
        marker = self.in_folder("started.txt")
        self.write_program_menu(program_record("", "-", ""),
                                program_record("C:\\nothing.exe", "Удалённая", "", valid=0),
                                program_record(CMD, "Командная строка", "/c echo started>" + windows_path(marker)))
        self.folder.start_and_wait()
        self.assertEqual(menu_lines(PROGRAMS_MENU), ["-", "Командная строка"])
        left, top, _, _ = window_rect()
        subprocess.run(["xdotool", "mousemove", str(left + PROGRAM_BUTTON[0]), str(top + PROGRAM_BUTTON[1])],
                       check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"], check=True)
        wait_until(popup_menu_shown, what="the programs menu to open")
        time.sleep(0.3)
        save_screenshot("programs_menu")
        subprocess.run(["xdotool", "key", "Down", "Return"], check=True)
        wait_until(lambda: os.path.exists(marker), timeout=20, what="the entry's program to run")

    def test_a_url_file_in_the_web_folder_is_an_entry_of_the_web_menu(self):
        os.makedirs(self.in_folder("menu", "www", "Почта"))
        for name in ("Новости.url", os.path.join("Почта", "Входящие.url")):
            with open(self.in_folder("menu", "www", name), "wb") as f:
                f.write("[InternetShortcut]\r\nURL=http://example.com/\r\n".encode("cp1251"))
        self.folder.start_and_wait()
        lines = menu_lines(WEB_MENU)
        self.assertEqual(lines[-3:], ["Почта", "  Входящие", "Новости"])

    def test_the_tray_menu_begins_with_both_launcher_copies_and_a_separator(self):
        self.write_program_menu(program_record(CMD, "Командная строка", ""),
                                program_record(":Disconnect", "Отключиться", ""))
        self.folder.start_and_wait()
        lines = menu_lines(TRAY_MENU)
        self.assertEqual(top_level(lines)[:4], ["WWW", "Программы", "-", "Панель управления"])
        programs = lines.index("Программы")
        self.assertEqual(lines[programs + 1:programs + 4], ["  Командная строка", "  Отключиться", "-"])

    def test_a_file_dropped_on_the_clock_lands_in_prog_menu_db_after_add(self):
        dropped = self.in_folder("report.doc")
        with open(dropped, "wb") as f:
            f.write(b"text")
        self.folder.start_and_wait()
        probe("drop", "TMainForm", windows_path(dropped))
        wait_until(lambda: window_count(DROP_CLASS) == 1, what="the drop window")
        self.assertEqual(bytes.fromhex(probe("ctltext", DROP_CLASS, DROP_NAME_EDIT)[0]).decode("utf-8"), "report")
        save_screenshot("drop_window")
        probe("click", DROP_CLASS, IDOK)
        wait_until(lambda: window_count(DROP_CLASS) == 0, what="the drop window to close")
        self.assertEqual(read_program_menu(self.in_folder("prog_menu.db")),
                         [(windows_path(dropped), "report", "")])
        self.assertEqual(menu_lines(PROGRAMS_MENU), ["report"])


def control_text(cls, control_id):
    return bytes.fromhex((probe("ctltext", cls, control_id) or [""])[0]).decode("utf-8")


class ProgramsMenuPage(SettingsWindowBase):
    def add_file(self, path):
        probe("click", CONF_CLASS, IDC_BTADD)
        wait_until(lambda: window_count(FILE_DIALOG_CLASS) == 1, what="the open dialog")
        probe("settext", FILE_DIALOG_CLASS, FILE_NAME_BOX, path)
        probe("click", FILE_DIALOG_CLASS, IDOK)
        wait_until(lambda: window_count(FILE_DIALOG_CLASS) == 0, what="the open dialog to close")
        wait_until(lambda: control_text(CONF_CLASS, IDC_E_PATH_PROG) == path, what="the chosen path in its box")

    def test_an_added_entry_is_saved_to_prog_menu_db_and_the_menu_and_closing_offers_the_next_one(self):
        self.start()
        self.open_by_button()
        probe("tab", CONF_CLASS, IDC_NOTEBOOK, MENU_PAGE)
        probe("tab", CONF_CLASS, IDC_TN_FAST_MENU, 0)
        prog_menu = os.path.join(self.folder.path, "prog_menu.db")
        self.add_file(CMD)
        self.assertEqual(control_text(CONF_CLASS, IDC_E_NAME_PROG), "cmd.exe")
        probe("settext", CONF_CLASS, IDC_E_NAME_PROG, "Консоль")
        save_screenshot("programs_menu_page")
        probe("click", CONF_CLASS, IDC_BB_SAVE_PROG)
        # Saved from the edit boxes, so an empty parameter box gives empty parameters.
        wait_until(lambda: read_program_menu(prog_menu) == [(CMD, "Консоль", "")], what="the entry in prog_menu.db")
        self.assertEqual(menu_lines(PROGRAMS_MENU), ["Консоль"])

        # An entry added and not saved is offered when the window closes.
        self.add_file(NOTEPAD)
        probe("close", CONF_CLASS)
        wait_until(lambda: window_count(QUESTION_CLASS) == 1, what="the question about the pending entry")
        probe("click", QUESTION_CLASS, IDOK)
        wait_until(lambda: len(read_program_menu(prog_menu)) == 2, what="the offered entry saved")
        self.assertEqual(read_program_menu(prog_menu)[1], (NOTEPAD, "notepad.exe", " "))
        self.assertEqual(menu_lines(PROGRAMS_MENU), ["Консоль", "notepad.exe"])
