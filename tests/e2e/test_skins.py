"""Skins the clock loads at start: a folder skin's shape, hands and
buttons, a layered archive's per-pixel alpha, and the fallback to the
built-in skin when the remembered one is damaged. The "Темы" page lists the
installed skins and switches the clock live; a skin archive dropped on the
clock is installed."""
import os
import shutil
import subprocess
import unittest

from face_pixels import Shot, along, hand_angles, share
from skin_files import bmp, bmp_size, ini, solid, tks, tks_member, write_folder_skin
from test_settings_window import CONF_CLASS, IDC_NOTEBOOK, QUESTION_CLASS, SettingsWindowBase
from tikolvo_e2e import (HINT_CLASS, ClockTestCase, flag, parse_ini, pixel, probe, save_screenshot, wait_until,
                         window_count, window_rect)

FACE_W, FACE_H = 200, 240
GREY = (220, 220, 220)
BUTTON_AT = (160, 200)  # the close button's top-left corner on the face
NORMAL, HOVER, PRESSED = (0, 160, 0), (240, 220, 0), (200, 0, 0)
TIME_AT = (10, 205)  # the time label's top-left corner on the face
TIME_HINT = "Точное время"


def blue(rgb):
    return rgb[2] > 150 and rgb[2] > rgb[0] + 60 and rgb[2] > rgb[1] + 60


def red(rgb):
    return rgb[0] > 150 and rgb[0] > rgb[1] + 60 and rgb[0] > rgb[2] + 60


def folder_skin_files():
    description = ini({
        "Clock": {"RecX1": 20, "RecY1": 20, "RecX2": 180, "RecY2": 180, "HourArrow": 40, "MinArrow": 70,
                  "SecArrow": 75, "Shadow": 0},
        "Color": {"Basic": "$00FF0000", "Second": "$000000FF"},
        "ButtonClose": {"L": BUTTON_AT[0], "T": BUTTON_AT[1], "W": 20, "H": 20, "Hint": "Закрыть"},
        "Time": {"ShowTime": 1, "Left": TIME_AT[0], "Top": TIME_AT[1], "W": 100, "H": 20, "Size": 10,
                 "SHINT": 1, "HINT": TIME_HINT},
    })
    # The top-left 30 x 30 corner is white in the mask: cut out of the window.
    mask = bmp(FACE_W, FACE_H, lambda x, y: (255, 255, 255) if x < 30 and y < 30 else (0, 0, 0))
    # The strip's top-left colour is see-through: a magenta column carries it.
    strip = bmp(20, 60, lambda x, y: (255, 0, 255) if x == 0 else (NORMAL, HOVER, PRESSED)[y // 20])
    return {"main.bmp": bmp(FACE_W, FACE_H, solid(GREY)), "NGT.bmp": bmp(8, 8, solid(GREY)),
            "WHT.bmp": bmp(8, 8, solid(GREY)), "mask.bmp": mask, "config.cfg": description,
            "button\\close.bmp": strip}


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


class SkinTestCase(ClockTestCase):
    def remember_skin(self, value):
        with open(os.path.join(self.folder.path, "skin.cfg"), "wb") as f:
            f.write(("[Skin]\r\nCurrent=%s\r\n" % value).encode("cp1251"))

    def skin_path(self, *parts):
        return os.path.join(self.folder.path, "skins", *parts)


class FolderSkin(SkinTestCase):
    def setUp(self):
        super().setUp()
        write_folder_skin(self.skin_path("plain"), folder_skin_files())
        self.remember_skin("plain")
        self.folder.start_and_wait()
        self.left, self.top, right, bottom = wait_until(
            lambda: window_rect() if window_rect()[2] - window_rect()[0] == FACE_W else None,
            what="the window to take the skin's size")
        self.assertEqual((right - self.left, bottom - self.top), (FACE_W, FACE_H))

    def test_window_takes_the_mask_shape_and_hands_the_skin_colours(self):
        centre = (self.left + 100, self.top + 100)

        def matching_shot():
            shot = Shot("skin_folder")
            for moment in shot.moments:
                hour, minute, second = hand_angles(moment)
                if (share(shot, along(centre, second, range(25, 72, 4)), red) >= 0.8
                        and share(shot, along(centre, minute, range(48, 68, 3)), blue) >= 0.8
                        and share(shot, along(centre, hour, range(14, 36, 3)), blue) >= 0.8):
                    return shot
            return None
        shot = wait_until(matching_shot, timeout=8, what="hands in the skin's colours")
        desktop = shot.at(self.left - 10, self.top + 5)
        self.assertEqual(shot.at(self.left + 5, self.top + 5), desktop, "white in the mask is cut away")
        self.assertEqual(shot.at(self.left + 40, self.top + 5), GREY)
        self.assertEqual(shot.at(self.left + FACE_W - 2, self.top + 60), GREY)

    def test_close_button_shows_hover_and_closes_the_clock(self):
        x, y = self.left + BUTTON_AT[0] + 10, self.top + BUTTON_AT[1] + 10
        self.assertEqual(pixel(save_screenshot("skin_button"), x, y), NORMAL)
        subprocess.run(["xdotool", "mousemove", str(x - 1), str(y), "sleep", "0.1", "mousemove", str(x), str(y)],
                       check=True)
        wait_until(lambda: pixel(save_screenshot("skin_button_hover"), x, y) == HOVER, timeout=5,
                   what="the hover frame")
        subprocess.run(["xdotool", "click", "1"], check=True)
        self.folder.wait_gone()
        self.assertIn("Pos", dict(parse_ini(self.folder.read_config())))
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)


    def test_a_label_shows_its_own_hint_and_the_face_the_general_one(self):
        def hint_over(x, y):
            subprocess.run(["xdotool", "mousemove", str(x - 2), str(y), "sleep", "0.1",
                            "mousemove", str(x), str(y)], check=True)

            def shown_text():
                if window_count(HINT_CLASS) != 1 or not flag("visible", HINT_CLASS):
                    return None
                return bytes.fromhex(probe("texthex", HINT_CLASS)[0]).decode("utf-8") or None
            return wait_until(shown_text, timeout=8, what="a hint over (%d, %d)" % (x, y))
        self.assertEqual(hint_over(self.left + TIME_AT[0] + 50, self.top + TIME_AT[1] + 10), TIME_HINT)
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)
        wait_until(lambda: not flag("visible", HINT_CLASS), timeout=5, what="the hint to go")
        self.assertTrue(hint_over(self.left + 60, self.top + 40).startswith("Tikolvo"))
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)


class LayeredSkin(SkinTestCase):
    def test_layered_archive_blends_its_edges_with_the_desktop(self):
        size = 160

        def alpha(x, y):
            if x < 20:
                return (0, 0, 0)          # see-through band
            if x < 40:
                return (128, 128, 128)    # half opaque band
            return (255, 255, 255)
        archive = tks(3, {
            9: ("config.cfg", ini({"Clock": {"RecX1": 60, "RecY1": 20, "RecX2": 140, "RecY2": 100,
                                             "enabled": 0}})),
            13: ("main.bmp", bmp(size, size, solid((200, 40, 40)))),
            14: ("mask.bmp", bmp(size, size, alpha)),
        })
        path = self.skin_path("glass.tks")
        os.makedirs(os.path.dirname(path))
        with open(path, "wb") as f:
            f.write(archive)
        self.remember_skin(wine_path(path))
        self.folder.start_and_wait()
        left, top, right, bottom = wait_until(
            lambda: window_rect() if window_rect()[2] - window_rect()[0] == size else None,
            what="the window to take the skin's size")
        self.assertTrue(int(probe("exstyle", "TMainForm")[0], 16) & 0x80000, "WS_EX_LAYERED")

        def blended():
            shot = save_screenshot("skin_layered")
            return shot if pixel(shot, left + 100, top + 80) == (200, 40, 40) else None
        shot = wait_until(blended, what="the layered face")
        desktop = pixel(shot, left - 10, top + 80)
        self.assertEqual(pixel(shot, left + 5, top + 80), desktop, "alpha 0 shows the desktop")
        half = pixel(shot, left + 30, top + 80)
        for channel, (face, behind) in enumerate(zip((200, 40, 40), desktop)):
            expected = (face * 128 + behind * (255 - 128)) / 255
            self.assertAlmostEqual(half[channel], expected, delta=12, msg="half alpha blends")


class Fallback(SkinTestCase):
    def test_damaged_archive_falls_back_to_the_built_in_skin(self):
        path = self.skin_path("broken.tks")
        os.makedirs(os.path.dirname(path))
        with open(path, "wb") as f:
            f.write(b"\x04TKSF\0\0\0\x01\0\0\0" + b"\xff" * 100)  # cut off inside the directory
        self.remember_skin(wine_path(path))
        self.folder.start_and_wait()
        left, top, right, bottom = window_rect()
        self.assertEqual((right - left, bottom - top), (241, 343))
        with open(self.folder.exe, "rb") as f:
            has_builtin_skin = "RESS".encode("utf-16-le") in f.read()
        if has_builtin_skin:
            self.assertTrue(os.path.isfile(self.skin_path("default.tks")), "the built-in skin is written again")
        # The remembered choice is not changed by the fallback.
        with open(os.path.join(self.folder.path, "skin.cfg"), "rb") as f:
            self.assertIn(b"broken.tks", f.read())


THEMES_PAGE = 4
IDC_LBSKINS, IDC_B_PRIN_SKIN, IDC_ENAMES = 1900, 1903, 1904
NOTICE_CLASS = "TF_message"
IDOK = 1
WS_EX_LAYERED = 0x80000


def control_text(cls, control_id):
    return bytes.fromhex((probe("ctltext", cls, control_id) or [""])[0]).decode("utf-8")


def list_lines():
    return [bytes.fromhex(word).decode("utf-8") for word in probe("lines", CONF_CLASS, IDC_LBSKINS)]


def remembered(folder):
    path = os.path.join(folder, "skin.cfg")
    if not os.path.isfile(path):
        return None
    with open(path, "rb") as f:
        return dict(parse_ini(f.read())).get("Skin", {}).get("Current")


def face_size(archive_path):
    with open(archive_path, "rb") as f:
        return bmp_size(tks_member(f.read(), 13))


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


class ThemesPage(SkinTestCase, SettingsWindowBase):
    def setUp(self):
        super().setUp()
        shipped = os.path.join(os.path.dirname(os.environ["TIKOLVO_EXE"]), "dist", "skins")
        if not os.path.isdir(shipped):
            raise unittest.SkipTest("no shipped skins beside the exe")
        shutil.copytree(shipped, self.skin_path())
        self.shipped = sorted(os.listdir(shipped))

    def wait_listed(self, name):
        return wait_until(lambda: next((line for line in list_lines() if line.split("||")[0].endswith(name)), None),
                          what="%s in the skin list" % name)

    def test_the_page_lists_the_shipped_skins_and_accepting_the_layered_one_switches_the_clock(self):
        self.start()
        self.open_by_button()
        probe("tab", CONF_CLASS, IDC_NOTEBOOK, THEMES_PAGE)
        self.assertEqual(control_text(CONF_CLASS, IDC_ENAMES), "default")
        lines = wait_until(lambda: list_lines() if len(list_lines()) == len(self.shipped) else None,
                           what="the shipped skins in the list")
        folder = wine_path(self.skin_path())
        self.assertEqual(sorted(lines), sorted(folder + "\\" + name + ("||+" if name == "layered.tks" else "||*")
                                               for name in self.shipped))
        layered = lines.index(folder + "\\layered.tks||+")
        probe("select", CONF_CLASS, IDC_LBSKINS, layered)
        save_screenshot("themes_page")
        probe("command", CONF_CLASS, IDC_B_PRIN_SKIN)
        size = face_size(self.skin_path("layered.tks"))
        wait_until(lambda: size_of(window_rect()) == size, what="the clock to take the layered skin's size")
        self.assertTrue(int(probe("exstyle", "TMainForm")[0], 16) & WS_EX_LAYERED, "per-pixel alpha")
        wait_until(lambda: remembered(self.folder.path) == folder + "\\layered.tks", what="skin.cfg")
        self.assertEqual(control_text(CONF_CLASS, IDC_ENAMES), "layered.tks")

        self.folder.close()
        self.folder.start_and_wait()
        wait_until(lambda: size_of(window_rect()) == size, what="the remembered skin at the next start")

    def test_a_dropped_archive_is_installed_under_a_free_name_and_worn_and_a_damaged_one_refused(self):
        size = (150, 120)
        archive = tks(1, {9: ("config.cfg", ini({"Clock": {"RecX1": 10, "RecY1": 10, "RecX2": 110,
                                                          "RecY2": 110}})),
                          13: ("main.bmp", bmp(size[0], size[1], solid((30, 90, 200)))),
                          14: ("mask.bmp", bmp(size[0], size[1], solid((0, 0, 0))))})
        outside = os.path.join(self.folder.path, "incoming")
        os.makedirs(outside)
        dropped = os.path.join(outside, "default.tks")  # the name is taken in skins\ already
        with open(dropped, "wb") as f:
            f.write(archive)
        broken = os.path.join(outside, "broken.tks")
        with open(broken, "wb") as f:
            f.write(archive[:700])
        self.start(made=False)  # the list is searched at its first opening
        with open(self.skin_path("default.tks"), "rb") as f:
            shipped_default = f.read()

        probe("drop", "TMainForm", wine_path(broken))
        wait_until(lambda: window_count(NOTICE_CLASS) == 1, what="the notice about the damaged archive")
        save_screenshot("skin_drop_refused")
        probe("click", NOTICE_CLASS, IDOK)
        wait_until(lambda: window_count(NOTICE_CLASS) == 0, what="the notice to close")
        self.assertEqual(sorted(os.listdir(self.skin_path())), self.shipped, "nothing copied")

        probe("drop", "TMainForm", wine_path(dropped))
        wait_until(lambda: window_count(QUESTION_CLASS) == 1, what="the question whether to install")
        save_screenshot("skin_drop_question")
        probe("click", QUESTION_CLASS, IDOK)
        wait_until(lambda: size_of(window_rect()) == size, what="the clock to wear the dropped skin")
        installed = self.skin_path("default (2).tks")
        with open(installed, "rb") as f:
            self.assertEqual(f.read(), archive)
        with open(self.skin_path("default.tks"), "rb") as f:
            self.assertEqual(f.read(), shipped_default, "nothing is overwritten")
        wait_until(lambda: remembered(self.folder.path) == wine_path(installed), what="skin.cfg")
        self.open_from_tray()  # the dropped skin has no settings button
        probe("tab", CONF_CLASS, IDC_NOTEBOOK, THEMES_PAGE)
        self.wait_listed("default (2).tks")


if __name__ == "__main__":
    unittest.main()
