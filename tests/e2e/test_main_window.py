"""The clock's main window: where it appears, one copy only, what closing
writes, and how it snaps to the screen edges."""
import subprocess
import unittest

from tikolvo_e2e import (HINT_CLASS, ClockTestCase, flag, parse_ini, pixel, probe, probe_numbers,
                         save_screenshot, wait_until, window_count, window_rect, work_area)

FACE_WIDTH, FACE_HEIGHT = 241, 343
SECTION_ORDER = ["soundCT", "Name", "Inter", "LOG", "Alarm", "URL", "Skins", "MESS", "CAL", "All",
                 "Pos", "About", "menuG"]


class StartAndPosition(ClockTestCase):
    def test_first_start_puts_the_window_at_the_screen_centre(self):
        self.folder.start_and_wait()
        left, top, right, bottom = window_rect()
        self.assertEqual((left, top), (round(self.screen_width / 2), round(self.screen_height / 2)))
        self.assertEqual((right - left, bottom - top), (FACE_WIDTH, FACE_HEIGHT))
        # A borderless tool window that accepts dropped files.
        exstyle = int(probe("exstyle", "TMainForm")[0], 16)
        self.assertTrue(exstyle & 0x10, "WS_EX_ACCEPTFILES")
        self.assertTrue(exstyle & 0x80, "WS_EX_TOOLWINDOW")

    def test_face_is_shaped_with_transparent_corners(self):
        self.folder.start_and_wait()
        left, top, _, _ = window_rect()
        shot = wait_until(lambda: self._shot_with_face(left, top), what="the face to be painted")
        desktop = pixel(shot, left - 30, top + 100)
        self.assertEqual(pixel(shot, left + 1, top + 1), desktop, "top-left corner is see-through")
        self.assertEqual(pixel(shot, left + FACE_WIDTH - 2, top + FACE_HEIGHT - 2), desktop)
        self.assertNotEqual(pixel(shot, left + 120, top + 3), desktop, "panel edge is drawn")
        self.assertTrue(self._dial_is_light(shot, left, top), "the dial is light")

    @staticmethod
    def _dial_is_light(shot, left, top):
        # Eight spots around the dial; the three hands can cover three at most.
        spots = [(120 + dx, 126 + dy) for dx, dy in
                 [(60, 0), (-60, 0), (0, 60), (0, -60), (42, 42), (-42, 42), (42, -42), (-42, -42)]]
        return sum(sum(pixel(shot, left + x, top + y)) > 600 for x, y in spots) >= 5

    @classmethod
    def _shot_with_face(cls, left, top):
        shot = save_screenshot("main_window")
        return shot if cls._dial_is_light(shot, left, top) else None

    def test_restart_puts_the_window_back_where_it_was_left(self):
        self.folder.start_and_wait()
        self.assertEqual(probe_numbers("move", "TMainForm", 300, 200)[:2], [300, 200])
        self.folder.close()
        self.folder.start_and_wait()
        self.assertEqual(window_rect()[:2], (300, 200))

    def test_stored_position_off_the_bottom_or_right_is_pulled_back(self):
        h, w = self.screen_height, self.screen_width
        self.folder.write_config("[Pos]\nTop=%d\nLeft=100\n" % (h - 10))
        self.folder.start_and_wait()
        self.assertEqual(window_rect()[:2], (100, round(h / 2) - 160))
        self.folder.close()
        self.folder.write_config("[Pos]\nTop=%d\nLeft=%d\n" % (h - 80, w - 20))
        self.folder.start_and_wait()
        self.assertEqual(window_rect()[:2], (round(w / 2) - 72, round(h / 2) - 160))

    def test_start_minimised_option(self):
        self.folder.write_config("[Inter]\nhidestart=1\n")
        self.folder.start_and_wait()
        wait_until(lambda: flag("iconic"), what="the window to minimise")


class SingleInstance(ClockTestCase):
    def _start_second_copy(self):
        second = subprocess.Popen(["wine", self.folder.exe], cwd=self.folder.path,
                                  env=__import__("tikolvo_e2e").wine_env(),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertEqual(second.wait(timeout=30), 0)

    def test_second_start_ends_and_restores_the_first_copy(self):
        self.folder.start_and_wait()
        self._start_second_copy()
        self.assertEqual(window_count(), 1)

        probe("minimize", "TMainForm")
        wait_until(lambda: flag("iconic"), what="the window to minimise")
        # Minimised, the clock shows a taskbar button.
        self.assertTrue(int(probe("exstyle", "TMainForm")[0], 16) & 0x40000, "WS_EX_APPWINDOW")

        self._start_second_copy()
        wait_until(lambda: not flag("iconic") and flag("visible"), what="the window to be restored")
        self.assertEqual(window_count(), 1)
        wait_until(lambda: int(probe("exstyle", "TMainForm")[0], 16) & 0x80,
                   what="the taskbar button to go away again")


class Closing(ClockTestCase):
    def test_closing_writes_config_with_every_section_in_order(self):
        self.folder.start_and_wait()
        self.folder.close()
        raw = self.folder.read_config()
        self.assertIn(b"\r\n", raw)
        sections = parse_ini(raw)
        self.assertEqual([name for name, _ in sections], SECTION_ORDER)
        values = dict(sections)
        inter = values["Inter"]
        for key, expected in [("Up", "0"), ("NC", "1"), ("Down", "0"), ("Window", "1"), ("Displ", "0"),
                              ("AutoHide", "0"), ("zakrWind", "0"), ("hidestart", "0"),
                              ("Tranc", "255")]:
            self.assertEqual(inter[key], expected, key)
        self.assertEqual(values["Name"]["Cur"], "Все")  # read back from CP1251
        self.assertIn("Cur=\xc2\xf1\xe5".encode("latin-1"), raw)
        self.assertEqual(values["About"]["Ver"], "3.3.4.2 (fix)")
        self.assertEqual(values["Pos"]["Top"], str(round(self.screen_height / 2)))
        self.assertEqual(values["Pos"]["Left"], str(round(self.screen_width / 2)))

    def test_exit_from_the_menu_saves_the_changed_options(self):
        self.folder.start_and_wait()
        probe("command", "TMainForm", 1001)  # "Поверх всех окон"
        wait_until(lambda: flag("topmost"), what="the window to become topmost")
        probe("command", "TMainForm", 1005)  # "Липкое окно" off
        probe("command", "TMainForm", 1008)  # "Выход"
        self.folder.wait_gone()
        inter = dict(parse_ini(self.folder.read_config()))["Inter"]
        self.assertEqual((inter["Up"], inter["NC"], inter["Down"], inter["Window"]), ("1", "0", "0", "0"))


class Placement(ClockTestCase):
    def test_sticky_edges_snap_within_twenty_pixels_only(self):
        self.folder.start_and_wait()
        work_left, work_top, work_right, work_bottom = work_area()
        near_right = work_right - FACE_WIDTH - 15
        self.assertEqual(probe_numbers("move", "TMainForm", near_right, 300)[0], work_right - FACE_WIDTH)
        far_right = work_right - FACE_WIDTH - 21
        self.assertEqual(probe_numbers("move", "TMainForm", far_right, 300)[0], far_right)
        # Without a skin every edge snaps: the top and left too.
        self.assertEqual(probe_numbers("move", "TMainForm", work_left + 15, work_top + 15)[:2],
                         [work_left, work_top])
        self.assertEqual(probe_numbers("move", "TMainForm", 300, work_bottom - FACE_HEIGHT - 12)[1],
                         work_bottom - FACE_HEIGHT)

    def test_not_sticky_means_no_snapping_and_no_confinement(self):
        self.folder.write_config("[Inter]\nWindow=0\nDispl=1\n")
        self.folder.start_and_wait()
        _, _, work_right, _ = work_area()
        self.assertEqual(probe_numbers("move", "TMainForm", work_right - FACE_WIDTH - 15, 300)[0],
                         work_right - FACE_WIDTH - 15)
        self.assertEqual(probe_numbers("move", "TMainForm", -120, 300)[0], -120)

    def test_confinement_keeps_the_window_inside_the_work_area(self):
        self.folder.write_config("[Inter]\nWindow=1\nDispl=1\n")
        self.folder.start_and_wait()
        work_left, _, work_right, work_bottom = work_area()
        self.assertEqual(probe_numbers("move", "TMainForm", -120, 300)[0], work_left)
        self.assertEqual(probe_numbers("move", "TMainForm", work_right - 100, work_bottom - 100)[:2],
                         [work_right - FACE_WIDTH, work_bottom - FACE_HEIGHT])


class Stacking(ClockTestCase):
    def test_topmost_setting_is_applied_at_start_and_neutral_leaves_the_band(self):
        self.folder.write_config("[Inter]\nUp=1\nNC=0\nDown=0\n")
        self.folder.start_and_wait()
        wait_until(lambda: flag("topmost"), what="the window to be topmost")
        probe("command", "TMainForm", 1002)  # "Нейтральное"
        wait_until(lambda: not flag("topmost"), what="the window to leave the topmost band")


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


class MouseBehaviour(ClockTestCase):
    def _drag_face_by(self, dx, dy):
        left, top, _, _ = window_rect()
        x, y = left + 120, top + 60
        xdotool("mousemove", x, y, "mousedown", 1, "sleep", 0.2, "mousemove", x + dx // 2, y + dy // 2,
                "sleep", 0.2, "mousemove", x + dx, y + dy, "sleep", 0.2, "mouseup", 1)

    def test_left_drag_moves_the_window(self):
        self.folder.start_and_wait()
        left, top, _, _ = window_rect()
        self._drag_face_by(-150, -70)
        wait_until(lambda: window_rect()[:2] == (left - 150, top - 70), what="the window to follow the drag")

    def test_pinned_window_does_not_move(self):
        self.folder.write_config("[Inter]\nzakrWind=1\n")
        self.folder.start_and_wait()
        before = window_rect()
        self._drag_face_by(-150, -70)
        self.assertEqual(window_rect(), before)

    def test_auto_hide_hides_on_enter_and_shows_once_the_cursor_left(self):
        xdotool("mousemove", 5, 5)
        self.folder.write_config("[Inter]\nAutoHide=1\n")
        self.folder.start_and_wait()
        left, top, _, _ = window_rect()
        xdotool("mousemove", left + 100, top + 100, "sleep", 0.1, "mousemove", left + 104, top + 104)
        wait_until(lambda: not flag("visible"), what="the clock to hide")
        xdotool("mousemove", 5, 5)
        wait_until(lambda: flag("visible"), timeout=5, what="the clock to come back")


class HintWindow(ClockTestCase):
    def test_hovering_over_the_face_shows_the_hint(self):
        self.folder.start_and_wait()
        left, top, _, _ = window_rect()
        for dx in (100, 104, 108):
            subprocess.run(["xdotool", "mousemove", str(left + dx), str(top + 60)], check=True)
        wait_until(lambda: window_count(HINT_CLASS) == 1 and flag("visible", HINT_CLASS),
                   what="the hint window")
        h_left, h_top, h_right, h_bottom = window_rect(HINT_CLASS)
        # The default skin brings its own hint icon, beside the text.
        self.assertGreater(h_right - h_left, 16 + 7 + 40, "icon and text side by side")
        self.assertGreaterEqual(h_bottom - h_top, 16)
        save_screenshot("hint_window")
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)


if __name__ == "__main__":
    unittest.main()
