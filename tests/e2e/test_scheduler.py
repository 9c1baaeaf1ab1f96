"""The scheduler at work: a task written into plan.db fires at its second,
program-start tasks run at start, a message task shows its message."""
import datetime
import os
import time

import plan_db
from test_settings_window import CONF_CLASS, SettingsWindowBase
from tikolvo_e2e import ClockTestCase, probe, wait_until, window_count, window_rect, work_area

NOTICE_CLASS = "TF_message"
BALLOON_CLASS = "TBaloonWindow"


class Scheduler(ClockTestCase):
    def plan_path(self):
        return os.path.join(self.folder.path, "plan.db")

    def marker(self, name):
        return os.path.join(self.folder.path, name)

    def writes_marker(self, name):
        """A program action that writes a file into the program folder."""
        return ("cmd.exe", "/c echo fired>" + plan_db.windows_path(self.marker(name)))

    def test_a_timed_task_fires_at_its_second(self):
        # The scheduler switch must be on for timed tasks.
        self.folder.write_config("[Alarm]\nActive=1\nAlarm=1\n")
        due = (datetime.datetime.now() + datetime.timedelta(seconds=12)).replace(microsecond=0)
        plan_db.write(self.plan_path(), plan_db.task(101, "Через минуту", when=due, every_day=True,
                                                     run=self.writes_marker("timed.txt")))
        self.folder.start_and_wait()
        # The search marks it as the next task.
        wait_until(lambda: plan_db.read(self.plan_path())[0][3], what="the task marked as next")
        wait_until(lambda: os.path.exists(self.marker("timed.txt")), timeout=25, what="the timed task to run")
        fired = datetime.datetime.now()
        self.assertGreaterEqual(fired, due)
        self.assertLess((fired - due).total_seconds(), 5)

    def test_a_program_start_task_runs_at_start(self):
        plan_db.write(self.plan_path(), plan_db.task(7, "При запуске", trigger=plan_db.ON_START,
                                                     run=self.writes_marker("start.txt")))
        self.folder.start_and_wait()
        wait_until(lambda: os.path.exists(self.marker("start.txt")), what="the program-start task to run")

    def test_a_message_task_shows_the_message_window(self):
        plan_db.write(self.plan_path(), plan_db.task(8, "Сообщение", trigger=plan_db.ON_START,
                                                     message="Пора сделать перерыв"))
        self.folder.start_and_wait()
        wait_until(lambda: window_count(NOTICE_CLASS) >= 1, what="the message window")
        probe("close", NOTICE_CLASS, check=False)

    def test_a_fresh_start_creates_plan_db_with_one_free_record(self):
        self.folder.start_and_wait()
        wait_until(lambda: os.path.exists(self.plan_path()), what="plan.db")
        self.assertEqual(os.path.getsize(self.plan_path()), 4 + plan_db.RECORD)
        self.assertFalse(plan_db.read(self.plan_path())[0][2])

    def test_a_balloon_shows_above_the_notification_area_and_closes_after_its_time(self):
        plan_db.write(self.plan_path(), plan_db.task(9, "Подсказка", trigger=plan_db.ON_START,
                                                     balloon="Проверка связи", balloon_duration=30))
        self.folder.start_and_wait()
        wait_until(lambda: window_count(BALLOON_CLASS) == 1, what="the balloon")
        left, top, right, bottom = window_rect(BALLOON_CLASS)
        area = work_area()
        # Bottom-right corner of the work area, just above the taskbar.
        self.assertLessEqual(right, area[2])
        self.assertGreater(right, area[2] - 10)
        self.assertLessEqual(bottom, area[3])
        self.assertGreater(bottom, area[3] - 10)
        shown = time.monotonic()
        wait_until(lambda: window_count(BALLOON_CLASS) == 0, timeout=10, what="the balloon to close by itself")
        self.assertGreater(time.monotonic() - shown, 1.5)


class Wizard(SettingsWindowBase):
    """A task made with the wizard from the settings window's main menu."""
    WIZARD_CLASS = "#32770"
    IDM_PLAN_ADD = 2320
    IDOK = 1
    MESSAGE_ACTION = 4100 + 3  # "Показать сообщение" in the action list
    MESSAGE_TEXT = 4160
    TASK_NAME = 4270

    def step(self, *probe_args):
        probe(*probe_args)
        time.sleep(0.4)

    def test_a_task_made_with_the_wizard_lands_in_plan_db(self):
        self.start()
        plan = os.path.join(self.folder.path, "plan.db")
        wait_until(lambda: os.path.exists(plan), what="plan.db")
        probe("command", CONF_CLASS, self.IDM_PLAN_ADD)
        wait_until(lambda: window_count(self.WIZARD_CLASS) == 1, what="the task wizard")
        wizard = self.WIZARD_CLASS
        self.step("click", wizard, self.MESSAGE_ACTION)
        self.step("click", wizard, self.IDOK)  # to the trigger page
        self.step("click", wizard, self.IDOK)  # to the message page
        self.step("settext", wizard, self.MESSAGE_TEXT, "Пора обедать")
        self.step("click", wizard, self.IDOK)  # to the time page
        self.step("click", wizard, self.IDOK)  # to the options page
        self.step("click", wizard, self.IDOK)  # to the name page
        self.step("settext", wizard, self.TASK_NAME, "Обед")
        self.step("click", wizard, self.IDOK)  # "Готово"
        wait_until(lambda: window_count(self.WIZARD_CLASS) == 0, what="the wizard to close")
        tasks = [t for t in plan_db.read(plan) if t[2]]
        self.assertEqual([t[1] for t in tasks], ["Обед"])
        with open(plan, "rb") as f:
            record = f.read()[4:4 + plan_db.RECORD]
        self.assertEqual(record[780], 1)  # the message action
        self.assertEqual(record[781:782 + record[781]][1:].decode("cp1251"), "Пора обедать")
        self.assertEqual(record[1293], plan_db.AT_TIME)
        self.assertEqual(int.from_bytes(record[1296:1300], "little", signed=True), 1)  # made by the wizard
