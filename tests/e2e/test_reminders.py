"""Reminders through the settings window: the "Напоминания" page adds a
reminder with its editor, message.db holds it, and deleting it asks first."""
import os
import struct

from test_settings_window import CONF_CLASS, QUESTION_CLASS, IDOK, SettingsWindowBase
from tikolvo_e2e import probe, wait_until, window_count

EDITOR_CLASS = "TF_mess_text"
IDC_NOTEBOOK, IDC_TN_CAL = 1000, 1002
DESKTOP_PAGE, REMINDERS_TAB = 2, 2
IDC_LB_MESS_TEXT, IDC_B_ADD_MESS, IDC_B_DEL_MESS = 3100, 3101, 3103
EDITOR_TEXT = 101
RECORD = 280


def reminders(path):
    """(text, in use) of every whole record of message.db."""
    with open(path, "rb") as f:
        data = f.read()
    records = []
    for offset in range(0, len(data) - RECORD + 1, RECORD):
        length = data[offset]
        text = data[offset + 1:offset + 1 + length].decode("cp1251")
        records.append((text, data[offset + 272] != 0))
    return records


class RemindersPage(SettingsWindowBase):
    def test_add_with_the_editor_then_delete_after_the_question(self):
        self.start()
        db = os.path.join(self.folder.path, "message.db")
        # Made empty at start: one free record.
        wait_until(lambda: os.path.exists(db), what="message.db")
        self.assertEqual(reminders(db), [("", False)])
        self.open_by_button()
        probe("tab", CONF_CLASS, IDC_NOTEBOOK, DESKTOP_PAGE)
        probe("tab", CONF_CLASS, IDC_TN_CAL, REMINDERS_TAB)

        probe("click", CONF_CLASS, IDC_B_ADD_MESS)
        wait_until(lambda: window_count(EDITOR_CLASS) == 1, what="the reminder editor")
        probe("settext", EDITOR_CLASS, EDITOR_TEXT, "Полить цветы")
        probe("click", EDITOR_CLASS, IDOK)
        wait_until(lambda: window_count(EDITOR_CLASS) == 0, what="the editor to close")
        # The free slot is reused.
        wait_until(lambda: reminders(db) == [("Полить цветы", True)], what="the reminder in message.db")

        probe("select", CONF_CLASS, IDC_LB_MESS_TEXT, 0)
        probe("click", CONF_CLASS, IDC_B_DEL_MESS)
        wait_until(lambda: window_count(QUESTION_CLASS) == 1, what="the delete question")
        question = bytes.fromhex(probe("texthex", QUESTION_CLASS)[0]).decode("utf-8")
        self.assertEqual(question, "Tikolvo")
        probe("click", QUESTION_CLASS, IDOK)
        # Deleting clears the in-use flag; the text stays in the file.
        wait_until(lambda: reminders(db) == [("Полить цветы", False)], what="the reminder deleted")
