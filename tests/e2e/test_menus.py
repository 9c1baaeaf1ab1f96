"""The clock's window menu and tray menu: their items in order, what hides
them, and the tray icon's clicks."""
import os
import subprocess
import time
import unittest

from tikolvo_e2e import ClockTestCase, flag, probe, save_screenshot, wait_until, window_count, window_rect

WINDOW_MENU, TRAY_MENU = 0, 1
WM_LBUTTONDOWN, WM_RBUTTONUP = 0x201, 0x205
POPUP_MENU_CLASS = "#32768"

ADMIN_ITEMS = ["Источники данных (ODBC)", "Локальная политика безопасности", "Производительность",
               "Просмотр событий", "Службы", "Службы компонентов", "Управление компьютером"]
PANEL_ITEMS = ["Администрирование"] + ["  " + item for item in ADMIN_ITEMS] + [
    "Дата и время", "Звуки и аудиоустройства", "Игровые устройства", "Мышь",
    "Панель задач и меню \"Пуск\"", "Свойства обозревателя", "Свойства папки", "Сетевые подключения",
    "Система", "Для инвалидов", "Установка и удаление программ", "Установка оборудования",
    "Учетные записи пользователей", "Электропитание", "Экран", "-", "RegEdit", "Msconfig",
    "Диспетчер устройств", "Регулятор громкости", "Отключиться от Интернета", "-", "Настройки",
    "Свернуть", "Выход"]
TRAY_ITEMS = ["Востановить", "Свернуть", "-", "Настройки", "Планировщик заданий", "-", "Закрыть"]


def menu_lines(kind):
    """The menu as the program would show it now, one caption a line."""
    text = bytes.fromhex(probe("menu", "TMainForm", kind)[0]).decode("utf-8")
    return text.splitlines()


def popup_menu_shown():
    # The system may keep the popup window hidden between menus or destroy it.
    return window_count(POPUP_MENU_CLASS) >= 1 and probe("visible", POPUP_MENU_CLASS, check=False) == ["1"]


class MenuItems(ClockTestCase):
    def test_window_menu_carries_every_launcher_and_command_in_order(self):
        self.folder.start_and_wait()
        self.assertEqual(menu_lines(WINDOW_MENU), PANEL_ITEMS)

    def test_tray_menu_begins_with_a_copy_of_the_window_menu(self):
        # Without the launchers' copies, which come before it.
        self.folder.write_config("[Inter]\nMenu_www_sys=0\nMenu_prog_sys=0\n")
        self.folder.start_and_wait()
        lines = menu_lines(TRAY_MENU)
        self.assertEqual(lines[0], "Панель управления")
        self.assertEqual(lines[1:1 + len(PANEL_ITEMS)], ["  " + item for item in PANEL_ITEMS])
        self.assertEqual(lines[1 + len(PANEL_ITEMS):], ["-"] + TRAY_ITEMS)

    def test_unchecked_items_leave_both_menus_and_the_copy_can_be_turned_off(self):
        self.folder.write_config("[Inter]\nMenu_panel_sys=0\nMenu_www_sys=0\nMenu_prog_sys=0\n[menuG]\n2=0\n25=0\n1=0\n")
        self.folder.start_and_wait()
        window = menu_lines(WINDOW_MENU)
        for gone in ["Дата и время", "Выход", "Администрирование", "  Службы"]:
            self.assertNotIn(gone, window)
        self.assertEqual(window[0], "Звуки и аудиоустройства")
        self.assertEqual(window[-1], "Свернуть")
        self.assertEqual(menu_lines(TRAY_MENU), TRAY_ITEMS)


class TrayIconAndPopups(ClockTestCase):
    def test_icon_is_in_the_notification_area_while_the_clock_runs(self):
        self.folder.start_and_wait()
        # The program offers its icon again until the shell takes it, so a
        # slow shell only delays the answer.
        wait_until(lambda: flag("trayshown"), timeout=40, what="the shell to take the tray icon")

    def test_left_click_restores_the_minimised_clock(self):
        self.folder.start_and_wait()
        probe("minimize", "TMainForm")
        wait_until(lambda: flag("iconic") or not flag("visible"), what="the clock to minimise")
        probe("tray", "TMainForm", WM_LBUTTONDOWN)
        wait_until(lambda: flag("visible") and not flag("iconic"), what="the clock to come back")
        # The taskbar button goes again: a tool window once more.
        wait_until(lambda: int(probe("exstyle", "TMainForm")[0], 16) & 0x80, what="the tool-window style")

    def test_right_click_pops_up_the_tray_menu_that_escape_closes(self):
        self.folder.start_and_wait()
        probe("tray", "TMainForm", WM_RBUTTONUP)
        wait_until(popup_menu_shown, what="the tray menu to open")
        time.sleep(0.3)
        save_screenshot("tray_menu")
        # The menu closes and the clock keeps running.
        subprocess.run(["xdotool", "key", "Escape"], check=False)
        wait_until(lambda: not popup_menu_shown(), what="the tray menu to close")
        self.assertEqual(window_count(), 1)


    def test_right_click_on_the_face_pops_up_the_window_menu(self):
        self.folder.start_and_wait()
        left, top, right, _ = window_rect()
        # On the dial, away from the skin's buttons.
        subprocess.run(["xdotool", "mousemove", str((left + right) // 2 - 40), str(top + 200), "click", "3"],
                       check=True)
        wait_until(popup_menu_shown, what="the window menu to open")
        time.sleep(0.3)
        save_screenshot("window_menu")
        subprocess.run(["xdotool", "key", "Escape"], check=False)
        wait_until(lambda: not popup_menu_shown(), what="the window menu to close")


class PowerButton(ClockTestCase):
    QUESTION_CLASS = "TF_message_d"
    POWER_BUTTON = (220, 230)  # the built-in skin's power button, from the window's corner

    def click_power_button(self):
        left, top, _, _ = window_rect()
        x, y = left + self.POWER_BUTTON[0], top + self.POWER_BUTTON[1]
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"], check=True)

    def test_without_config_ini_it_asks_before_powering_off_and_no_leaves_the_clock(self):
        self.folder.start_and_wait()
        self.click_power_button()
        wait_until(lambda: window_count(self.QUESTION_CLASS) == 1, what="the power question")
        time.sleep(0.3)
        save_screenshot("power_question")
        probe("close", self.QUESTION_CLASS)
        wait_until(lambda: window_count(self.QUESTION_CLASS) == 0, what="the question to close")
        self.assertEqual(window_count(), 1)

    def test_an_unknown_power_type_does_nothing(self):
        with open(os.path.join(self.folder.path, "config.ini"), "w") as f:
            f.write("[Power]\r\ntype=7\r\n")
        self.folder.start_and_wait()
        self.click_power_button()
        time.sleep(1.5)
        self.assertEqual(window_count(self.QUESTION_CLASS), 0)
        self.assertEqual(window_count(), 1)


if __name__ == "__main__":
    unittest.main()
