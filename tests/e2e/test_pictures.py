"""The program's own pictures on screen: the menus show a picture beside
each item, and the dialog windows show theirs in the left band."""
import subprocess
import time

from tikolvo_e2e import ClockTestCase, probe, save_screenshot, wait_until, window_count, window_rect

POPUP_MENU_CLASS = "#32768"
QUESTION_CLASS = "TF_message_d"
POWER_BUTTON = (220, 230)  # the built-in skin's power button, from the window's corner
MENU_COLUMN = 22  # the left column of the flat menus, where the pictures stand


def crop_rgb(shot, left, top, width, height):
    """The pixels of a part of a screenshot as (r, g, b) tuples."""
    raw = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                          "-depth", "8", "rgb:-"], check=True, stdout=subprocess.PIPE).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw) - 2, 3)]


def colourful(pixels):
    """How many pixels are clearly coloured; the menus' and dialogs' own
    bands are shades of grey."""
    return sum(1 for p in pixels if max(p) - min(p) > 60)


class PicturesOnScreen(ClockTestCase):
    def open_power_question(self):
        """Clicks the skin's power button until its question shows: a click
        that comes while the face's hint is still in the way goes to the
        hint instead."""
        left, top, _, _ = window_rect()
        for _ in range(3):
            subprocess.run(["xdotool", "mousemove", str(left + 120), str(top + 120), "sleep", "0.2",
                            "mousemove", str(left + POWER_BUTTON[0]), str(top + POWER_BUTTON[1]),
                            "sleep", "0.3", "click", "1"], check=True)
            try:
                wait_until(lambda: window_count(QUESTION_CLASS) == 1, timeout=3, what="the power question")
                return
            except AssertionError:
                pass
        self.fail("the power button never asked its question")

    def test_every_window_menu_item_has_a_picture_in_the_left_column(self):
        self.folder.start_and_wait()
        left, top, right, _ = window_rect()
        subprocess.run(["xdotool", "mousemove", str((left + right) // 2 - 40), str(top + 200), "click", "3"],
                       check=True)
        wait_until(lambda: window_count(POPUP_MENU_CLASS) >= 1 and
                   probe("visible", POPUP_MENU_CLASS, check=False) == ["1"], what="the window menu to open")
        time.sleep(0.3)
        shot = save_screenshot("window_menu_pictures")
        m_left, m_top, _, m_bottom = window_rect(POPUP_MENU_CLASS)
        subprocess.run(["xdotool", "key", "Escape"], check=False)
        column = crop_rgb(shot, m_left, m_top, MENU_COLUMN, m_bottom - m_top)
        # 25 items, each a 16 px picture with plenty of colour in it.
        self.assertGreater(colourful(column), 25 * 30)

    def test_the_question_window_shows_its_picture_in_the_left_band(self):
        self.folder.start_and_wait()
        self.open_power_question()
        time.sleep(0.3)
        shot = save_screenshot("question_picture")
        q_left, q_top, q_right, q_bottom = window_rect(QUESTION_CLASS)
        probe("close", QUESTION_CLASS)
        band = crop_rgb(shot, q_left, q_top, 60, q_bottom - q_top)
        # The question picture is a blue disc of about 30 px.
        blue = sum(1 for r, g, b in band if b > r + 60)
        self.assertGreater(blue, 300)
