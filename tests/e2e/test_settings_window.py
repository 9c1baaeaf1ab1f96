"""The settings window: made hidden at start, opened by the clock's settings
button at the remembered page, hidden by closing it; stacking and opacity
take effect at once, and "Ok" saves them so that the next start applies
them."""
import os
import subprocess
import time

from tikolvo_e2e import (ClockTestCase, flag, parse_ini, pixel, probe, probe_numbers, save_screenshot, wait_until,
                         window_count, window_rect, wine_env)

WM_RBUTTONUP = 0x205

CONF_CLASS = "TFormConf"
CONFIG_BUTTON = (12, 222)  # the default skin's settings button, top-left corner
IDC_BOK1 = 1100     # "Ok" of the first page
IDC_CB_UP = 1304    # "Поверх всех окон"
IDC_CB_BARABAN = 1305  # "Нейтральное"
IDC_TN_SYS = 1001   # the inner notebook of the first page
IDC_TBTRANS = 1505  # "Прозрачность"
IDC_CB_COLOR_STR = 1500  # "Свои установки цвета стрелок"
IDC_NOTEBOOK = 1000  # the window's pages
IDC_TN_CAL = 1002   # the inner notebook of "Рабочий стол"
IDC_DTP = 1749      # the desktop calendar's month


def inter(raw):
    return dict(parse_ini(raw))["Inter"]


class SettingsWindowBase(ClockTestCase):
    def start(self, made=True):
        """The clock, and unless told otherwise its settings window made by
        a first opening and hidden again, for the probes to reach."""
        self.folder.start_and_wait()
        if made:
            self.open_by_button()
            self.hide_settings()

    def open_from_tray(self):
        probe("tray", "TMainForm", WM_RBUTTONUP)
        # From the bottom: "Закрыть", "Планировщик заданий", "Настройки".
        self.choose_last_but_two()

    def choose_last_but_two(self):
        time.sleep(0.4)
        press_keys("Up", "Up", "Up", "Return")
        wait_until(lambda: flag("visible", CONF_CLASS), what="the settings window from the menu")

    def hide_settings(self):
        probe("close", CONF_CLASS)
        wait_until(lambda: not flag("visible", CONF_CLASS), what="the settings window to hide")

    def open_by_button(self):
        left, top, _, _ = window_rect()
        x, y = left + CONFIG_BUTTON[0] + 8, top + CONFIG_BUTTON[1] + 8
        subprocess.run(["xdotool", "mousemove", str(x - 1), str(y), "sleep", "0.1", "mousemove", str(x), str(y),
                        "click", "1"], check=True)
        wait_until(lambda: flag("visible", CONF_CLASS), what="the settings window to show")
        # Away from the clock, so that no hint covers the window.
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)
        # The clock stays in front of an ordinary window; move the settings
        # window clear of it for the pictures.
        probe("move", CONF_CLASS, 0, 0)


class SettingsWindow(SettingsWindowBase):
    def test_made_at_the_first_opening_by_the_settings_button_and_kept(self):
        self.start(made=False)
        self.assertEqual(window_count(CONF_CLASS), 0)
        self.open_by_button()
        l, t, r, b = window_rect(CONF_CLASS)
        self.assertGreaterEqual(r - l, 585)
        self.assertGreaterEqual(b - t, 369)
        save_screenshot("settings_window")

        # Closing only hides it: the window lives as long as the clock.
        self.hide_settings()
        self.assertEqual(window_count(CONF_CLASS), 1)
        self.assertEqual(window_count(), 1)

    def test_stacking_choice_applies_at_once_and_ok_saves_it_for_the_next_start(self):
        self.start()
        self.assertFalse(flag("topmost"))
        probe("command", CONF_CLASS, IDC_CB_UP)
        wait_until(lambda: flag("topmost"), what="the clock to stay on top")
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: os.path.exists(self.folder.config_path) and
                   inter(self.folder.read_config()).get("Up") == "1", what="config.cfg with Up=1")
        self.assertEqual(inter(self.folder.read_config())["NC"], "0")
        self.assertFalse(flag("visible", CONF_CLASS))
        self.folder.close()

        self.start()
        wait_until(lambda: flag("topmost"), what="the saved stacking at the next start")
        probe("command", CONF_CLASS, IDC_CB_BARABAN)
        wait_until(lambda: not flag("topmost"), what="the clock back among the other windows")

    def test_ok_writes_where_the_clock_stands_now_and_the_colours_its_hands_have(self):
        self.start()
        probe("move", "TMainForm", 123, 87)
        wait_until(lambda: window_rect()[:2] == (123, 87), what="the clock to move")
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: os.path.exists(self.folder.config_path) and
                   dict(parse_ini(self.folder.read_config())).get("Pos", {}).get("Left") == "123",
                   what="config.cfg with the new position")
        saved = dict(parse_ini(self.folder.read_config()))
        self.assertEqual(saved["Pos"]["Top"], "87")
        # Without own colours the face wears the skin's, and those are written.
        self.assertEqual(saved["Inter"]["Strelka"], "0")
        skin_colours = tuple(saved["Inter"][key] for key in ("basic", "timer", "Sec"))
        self.assertNotEqual(skin_colours, ("0", "65535", "0"), "the built-in defaults instead of the face's colours")

        # Ticking own colours starts them from the face's: the hands keep
        # the skin's colours, and so does the next Ok.
        self.open_by_button()
        probe("tab", CONF_CLASS, IDC_TN_SYS, 3)
        probe("click", CONF_CLASS, IDC_CB_COLOR_STR)
        wait_until(lambda: probe("checked", CONF_CLASS, IDC_CB_COLOR_STR) == ["1"], what="own colours ticked")
        os.remove(self.folder.config_path)
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: os.path.exists(self.folder.config_path), what="config.cfg written again")
        again = inter(self.folder.read_config())
        self.assertEqual(again["Strelka"], "1")
        self.assertEqual(tuple(again[key] for key in ("basic", "timer", "Sec")), skin_colours)

    def test_the_desktop_calendar_month_picked_is_saved_by_ok(self):
        self.folder.write_config("[CAL]\nDTD=15.03.2026\n")
        self.start()
        self.open_by_button()
        probe("tab", CONF_CLASS, IDC_NOTEBOOK, 2)
        probe("tab", CONF_CLASS, IDC_TN_CAL, 1)
        l, t, _, b = probe_numbers("ctlrect", CONF_CLASS, IDC_DTP)
        # A click on the month's name, then the arrow key turns it one on.
        subprocess.run(["xdotool", "mousemove", str(l + 8), str((t + b) // 2), "click", "1", "sleep", "0.3",
                        "key", "Up"], check=True)
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: os.path.exists(self.folder.config_path) and
                   dict(parse_ini(self.folder.read_config())).get("CAL", {}).get("DTD", "").endswith(".04.2026"),
                   what="config.cfg with the next month")

    def test_opens_at_the_remembered_page_and_the_about_banner_is_drawn(self):
        self.folder.write_config("[All]\nPage=7\n")
        self.start()
        self.open_by_button()
        left, top, right, bottom = window_rect(CONF_CLASS)
        shot = save_screenshot("settings_about")
        # The banner's dark blue band fills most of its 545 x 54 pixels.
        crop = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (right - left, bottom - top, left, top),
                               "-depth", "8", "rgb:-"], check=True, stdout=subprocess.PIPE).stdout
        band = sum(1 for i in range(0, len(crop), 3)
                   if crop[i + 2] > crop[i] + 50 and crop[i + 2] > 80 and crop[i] < 90)
        self.assertGreater(band, 545 * 54 * 3 // 4)

    def test_opacity_track_bar_fades_the_clock_and_ok_keeps_it_for_the_next_start(self):
        self.start()
        left, top, _, _ = window_rect()
        # A spot of the dark band above the dial, out of the hands' reach.
        spot = (left + 120, top + 22)
        opaque = pixel(save_screenshot("settings_opacity_before"), *spot)
        self.open_by_button()
        # The inner tab "Внешний вид", then a click on the track bar left of
        # its thumb, which moves it one page down.
        probe("tab", CONF_CLASS, IDC_TN_SYS, 3)
        l, t, _, b = probe_numbers("ctlrect", CONF_CLASS, IDC_TBTRANS)
        y = (t + b) // 2
        subprocess.run(["xdotool", "mousemove", str(l + 12), str(y), "click", "1", "sleep", "0.3",
                        "mousemove", "5", "5"], check=True)
        faded = wait_until(lambda: (lambda p: p if abs(sum(p) - sum(opaque)) > 30 else None)(
            pixel(save_screenshot("settings_opacity"), *spot)), timeout=5, what="the clock to fade")
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: os.path.exists(self.folder.config_path) and
                   int(inter(self.folder.read_config()).get("Tranc", "255")) < 255,
                   what="config.cfg with the new opacity")
        self.folder.close()

        self.start()
        wait_until(lambda: pixel(save_screenshot("settings_opacity_after"), *spot) == faded, timeout=8,
                   what="the same opacity at the next start")


# Control and menu ids of the settings window (src/settings/win/conf_ids.h).
IDC_CB_AUTO_HIDE = 1300
IDC_CBW = 1301
IDC_CB_MEN_IT6 = 1404     # "Мышь" of the control-panel menu
IDC_CBLINE = 1725         # "Подчеркивание" of the desktop calendar
IDC_CB_TYPE_CAL = 1721
IDC_BUTTON1 = 1204        # "Удалить программу из автозапуска"
IDM_VIEW_STICKY = 2304
IDM_STAT_LOG = 2330
IDM_ABOUT = 2340
IDC_NOTEBOOK = 1000
IDC_NOTE_WWW = 1005
QUESTION_CLASS = "TF_message_d"
IDOK, IDCANCEL = 1, 2  # the question's action and cancel buttons
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def checked(control_id):
    return probe("checked", CONF_CLASS, control_id) == ["1"]


def menu_captions(kind):
    return bytes.fromhex(probe("menu", "TMainForm", kind)[0]).decode("utf-8").splitlines()


def press_keys(*keys):
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)


class Keyboard(SettingsWindowBase):
    def test_tab_moves_through_the_controls_and_escape_hides_the_window(self):
        self.start()
        self.open_by_button()
        # Keys go to the window under the pointer (no window manager here).
        l, t, r, b = window_rect(CONF_CLASS)
        subprocess.run(["xdotool", "mousemove", str((l + r) // 2), str((t + b) // 2)], check=True)
        seen = set()
        for _ in range(4):
            press_keys("Tab")
            time.sleep(0.2)
            seen.add(probe_numbers("focusid", CONF_CLASS)[0])
        # Several different controls took the focus in turn.
        self.assertGreaterEqual(len(seen - {0}), 3, seen)
        press_keys("Escape")
        wait_until(lambda: not flag("visible", CONF_CLASS), what="Esc to hide the window")


class SettingsFromMenus(SettingsWindowBase):
    """The window opens from the items "Настройки" of the tray menu and of
    the window menu, chosen with the keyboard as a user could."""

    def test_tray_menu_item_opens_the_window(self):
        self.start(made=False)
        self.open_from_tray()

    def test_window_menu_item_opens_the_window(self):
        self.start(made=False)
        left, top, right, _ = window_rect()
        subprocess.run(["xdotool", "mousemove", str((left + right) // 2 - 40), str(top + 200), "click", "3"],
                       check=True)
        # From the bottom: "Выход", "Свернуть", "Настройки".
        self.choose_last_but_two()


class SettingsPersist(SettingsWindowBase):
    def test_changed_options_are_saved_by_ok_and_shown_and_applied_at_the_next_start(self):
        self.start()
        for box in (IDC_CB_AUTO_HIDE, IDC_CBW, IDC_CB_MEN_IT6, IDC_CBLINE):
            probe("click", CONF_CLASS, box)
        probe("select", CONF_CLASS, IDC_CB_TYPE_CAL, 3)
        wait_until(lambda: checked(IDC_CB_AUTO_HIDE) and not checked(IDC_CBW), what="the clicks to land")
        # The control-panel item leaves the window menu at once.
        wait_until(lambda: "Мышь" not in menu_captions(0), what="the item to leave the window menu")
        probe("click", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: not flag("visible", CONF_CLASS), what="Ok to hide the window")
        config = dict(parse_ini(self.folder.read_config()))
        self.assertEqual(config["Inter"]["AutoHide"], "1")
        self.assertEqual(config["Inter"]["Window"], "0")
        self.assertEqual(config["menuG"]["6"], "0")
        self.assertEqual(config["CAL"]["line"], "0")
        self.assertEqual(config["CAL"]["god"], "3")
        self.folder.close()
        # Away from where the clock appears, or auto-hide hides it at once.
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)

        # With auto-hide on the face's button cannot be reached: the tray opens it.
        self.start(made=False)
        self.open_from_tray()
        self.hide_settings()
        self.assertTrue(checked(IDC_CB_AUTO_HIDE))
        self.assertFalse(checked(IDC_CBW))
        self.assertFalse(checked(IDC_CB_MEN_IT6))
        self.assertFalse(checked(IDC_CBLINE))
        self.assertNotIn("Мышь", menu_captions(0))
        # Auto-hide works again: the pointer over the face hides the clock.
        left, top, right, bottom = window_rect()
        subprocess.run(["xdotool", "mousemove", str((left + right) // 2), str((top + bottom) // 2)], check=True)
        wait_until(lambda: not flag("visible"), what="the clock to hide under the pointer")
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)

    def test_main_menu_toggles_options_and_opens_pages(self):
        self.start()
        self.assertTrue(checked(IDC_CBW))
        probe("command", CONF_CLASS, IDM_VIEW_STICKY)
        wait_until(lambda: not checked(IDC_CBW), what="the sticky box to clear from the menu")
        probe("command", CONF_CLASS, IDM_STAT_LOG)
        wait_until(lambda: flag("visible", CONF_CLASS), what="the statistics page")
        probe("command", CONF_CLASS, IDM_ABOUT)
        time.sleep(0.5)
        probe("click", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: not flag("visible", CONF_CLASS), what="Ok to hide the window")
        config = dict(parse_ini(self.folder.read_config()))
        self.assertEqual(config["Inter"]["Window"], "0")
        self.assertEqual(config["All"]["Page"], "7")
        self.assertEqual(config["All"]["NW"], "0")


class QuestionWindow(SettingsWindowBase):
    """The autorun removal asks first; the answer decides what happens.
    (Adding is not driven here: under Wine its Program Manager group opens
    a folder window that would stay in the way of later tests.)"""

    def run_value(self):
        result = subprocess.run(["wine", "reg", "query", RUN_KEY, "/v", "Tikolvo"], env=wine_env(),
                                capture_output=True)
        return result.returncode == 0 and b"Tikolvo.exe" in result.stdout

    def answer(self, button):
        wait_until(lambda: window_count(QUESTION_CLASS) == 1, what="the question")
        save_screenshot("autorun_question")
        probe("click", QUESTION_CLASS, button)
        wait_until(lambda: window_count(QUESTION_CLASS) == 0, what="the question to close")

    def test_cancel_keeps_the_autorun_entry_and_the_action_button_removes_it(self):
        subprocess.run(["wine", "reg", "add", RUN_KEY, "/v", "Tikolvo", "/d", "C:\\Tikolvo\\Tikolvo.exe", "/f"],
                       env=wine_env(), capture_output=True, check=True)
        self.start()
        self.open_by_button()
        probe("click", CONF_CLASS, IDC_BUTTON1)
        self.answer(IDCANCEL)
        time.sleep(0.5)
        self.assertTrue(self.run_value())
        probe("click", CONF_CLASS, IDC_BUTTON1)
        self.answer(IDOK)
        wait_until(lambda: not self.run_value(), what="the Run value to go")
