"""The clock face: hands where the time says, window shape, skins."""
import math
import unittest

from face_pixels import Shot, along, hand_angles, share
from tikolvo_e2e import ClockTestCase, wait_until, window_rect

BUILTIN_CENTRE = (120, 126)  # centre of the built-in face's hand rectangle


def dark(rgb):
    return sum(rgb) < 240


def red(rgb):
    return rgb[0] > 120 and rgb[0] > rgb[1] + 50 and rgb[0] > rgb[2] + 50


class BuiltinFaceHands(ClockTestCase):
    def _hands_match(self, shot, centre):
        for moment in shot.moments:
            hour, minute, second = hand_angles(moment)
            # Beyond the hour hand's reach only the minute hand is dark.
            if (share(shot, along(centre, second, range(30, 80, 5)), red) >= 0.8
                    and share(shot, along(centre, minute, range(56, 74, 3)), dark) >= 0.8
                    and share(shot, along(centre, hour, range(18, 46, 4)), dark) >= 0.8):
                return True
        return False

    def test_hands_point_at_the_present_time(self):
        self.folder.start_and_wait()
        left, top, _, _ = window_rect()
        centre = (left + BUILTIN_CENTRE[0], top + BUILTIN_CENTRE[1])

        def matching_shot():
            shot = Shot("face_builtin")
            return shot if self._hands_match(shot, centre) else None
        wait_until(matching_shot, timeout=8, what="hands at the present time")


if __name__ == "__main__":
    unittest.main()
