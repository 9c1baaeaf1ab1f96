"""The settings window: made hidden at start, opened by the clock's settings
button at the remembered page, hidden by closing it; stacking and opacity
take effect at once, and "Ok" saves them so that the next start applies
them."""
import subprocess

from tikolvo_e2e import (ClockTestCase, flag, parse_ini, pixel, probe, probe_numbers, save_screenshot, wait_until,
                         window_count, window_rect)

CONF_CLASS = "TFormConf"
CONFIG_BUTTON = (12, 222)  # the default skin's settings button, top-left corner
IDC_BOK1 = 1100     # "Ok" of the first page
IDC_CB_UP = 1304    # "Поверх всех окон"
IDC_CB_BARABAN = 1305  # "Нейтральное"
IDC_TN_SYS = 1001   # the inner notebook of the first page
IDC_TBTRANS = 1505  # "Прозрачность"


def inter(raw):
    return dict(parse_ini(raw))["Inter"]


class SettingsWindow(ClockTestCase):
    def start(self):
        self.folder.start_and_wait()
        wait_until(lambda: window_count(CONF_CLASS) == 1, what="the settings window")

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

    def test_made_hidden_at_start_and_opened_by_the_settings_button(self):
        self.start()
        self.assertFalse(flag("visible", CONF_CLASS))
        self.open_by_button()
        l, t, r, b = window_rect(CONF_CLASS)
        self.assertGreaterEqual(r - l, 585)
        self.assertGreaterEqual(b - t, 369)
        save_screenshot("settings_window")

        # Closing only hides it: the window lives as long as the clock.
        probe("close", CONF_CLASS)
        wait_until(lambda: not flag("visible", CONF_CLASS), what="the settings window to hide")
        self.assertEqual(window_count(CONF_CLASS), 1)
        self.assertEqual(window_count(), 1)

    def test_stacking_choice_applies_at_once_and_ok_saves_it_for_the_next_start(self):
        self.start()
        self.assertFalse(flag("topmost"))
        probe("command", CONF_CLASS, IDC_CB_UP)
        wait_until(lambda: flag("topmost"), what="the clock to stay on top")
        probe("command", CONF_CLASS, IDC_BOK1)
        wait_until(lambda: inter(self.folder.read_config()).get("Up") == "1", what="config.cfg with Up=1")
        self.assertEqual(inter(self.folder.read_config())["NC"], "0")
        self.assertFalse(flag("visible", CONF_CLASS))
        self.folder.close()

        self.start()
        wait_until(lambda: flag("topmost"), what="the saved stacking at the next start")
        probe("command", CONF_CLASS, IDC_CB_BARABAN)
        wait_until(lambda: not flag("topmost"), what="the clock back among the other windows")

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
        wait_until(lambda: int(inter(self.folder.read_config()).get("Tranc", "255")) < 255,
                   what="config.cfg with the new opacity")
        self.folder.close()

        self.start()
        wait_until(lambda: pixel(save_screenshot("settings_opacity_after"), *spot) == faded, timeout=8,
                   what="the same opacity at the next start")
