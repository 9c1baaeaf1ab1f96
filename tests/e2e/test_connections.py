"""The connection monitor under Wine, driven by scripted stand-ins for the
dial-up and IP helper libraries placed beside the exe: a connection comes
up with its popup and live traffic, the tasks bound to connecting and
disconnecting run, the session lands in log_web.db and Connect.db, and a
scheduled hang-up reaches the connection."""
import os
import shutil
import struct

import plan_db
from tikolvo_e2e import ClockTestCase, probe, required_path, wait_until, window_count, wine_env

POPUP_CLASS = "THintConnect"
HEADER = 9
SESSION, CONNECTION = 112, 928


def text_field(record, offset):
    return record[offset + 1:offset + 1 + record[offset]].decode("cp1251")


class ConnectionMonitor(ClockTestCase):
    def path(self, name):
        return os.path.join(self.folder.path, name)

    def script(self, *lines):
        with open(self.path("standin_script.txt"), "w") as f:
            f.write("\n".join(lines) + "\n")

    def writes_marker(self, name):
        return ("cmd.exe", "/c echo fired>" + plan_db.windows_path(self.path(name)))

    def popup_text(self):
        return bytes.fromhex("".join(probe("texthex", POPUP_CLASS, check=False))).decode("utf-8", "replace")

    def start_with_standins(self):
        standins = os.path.join(os.path.dirname(required_path("PROBE_EXE")), "standins")
        for dll in ("rasapi32.dll", "iphlpapi.dll"):
            shutil.copy(os.path.join(standins, dll), self.folder.path)
        env = wine_env()
        env["WINEDLLOVERRIDES"] = env.get("WINEDLLOVERRIDES", "") + ";rasapi32,iphlpapi=n"
        self.folder.start_and_wait(env)

    def test_a_session_is_watched_logged_and_hung_up(self):
        plan_db.write(self.path("plan.db"),
                      plan_db.task(1, "При подключении", trigger=plan_db.ON_CONNECT, run=self.writes_marker("up.txt")),
                      plan_db.task(2, "При отключении", trigger=plan_db.ON_DISCONNECT,
                                   run=self.writes_marker("down.txt")),
                      plan_db.task(3, "Разрыв", trigger=plan_db.ON_CONNECT, hang_up="Home"))
        self.script("up Home 10.0.1.7", "if 5 5000 700 56000", "ip 5 10.0.1.7")
        self.start_with_standins()

        wait_until(lambda: window_count(POPUP_CLASS) == 1, timeout=20, what="the connection's popup")
        wait_until(lambda: os.path.exists(self.path("up.txt")), what="the task bound to connecting")
        wait_until(lambda: os.path.exists(self.path("standin_hungup.txt")), what="the scheduled hang-up")
        with open(self.path("standin_hungup.txt")) as f:
            self.assertEqual(f.read().split(), ["Home"])
        first = wait_until(lambda: self.popup_text(), what="the popup's traffic")
        self.script("up Home 10.0.1.7", "if 5 9000 1200 56000", "ip 5 10.0.1.7")
        wait_until(lambda: self.popup_text() not in ("", first), what="the live traffic to move on")

        self.script("if 5 9000 1200 56000")
        wait_until(lambda: os.path.exists(self.path("down.txt")), what="the task bound to disconnecting")
        wait_until(lambda: window_count(POPUP_CLASS) == 0, what="the popup to close")

        with open(self.path("log_web.db"), "rb") as f:
            log = f.read()
        sessions = [log[o:o + SESSION] for o in range(HEADER, len(log) - SESSION + 1, SESSION)]
        home = [s for s in sessions if s[80] and text_field(s, 32) == "Home"]
        self.assertEqual(len(home), 1)
        self.assertEqual(struct.unpack_from("<ii", home[0], 68), (9000, 1200))
        self.assertEqual(home[0][81], 0)  # closed
        self.assertEqual(text_field(home[0], 82), "10.0.1.7")
        with open(self.path("Connect.db"), "rb") as f:
            registry = f.read()
        records = [registry[o:o + CONNECTION] for o in range(HEADER, len(registry) - CONNECTION + 1, CONNECTION)]
        connection = [r for r in records if r[93] and text_field(r, 0) == "Home"]
        self.assertEqual(len(connection), 1)
        self.assertEqual(struct.unpack_from("<ii", connection[0], 68), (9000, 1200))
        self.assertEqual(struct.unpack_from("<i", connection[0], 96)[0], 1)  # one session ended
