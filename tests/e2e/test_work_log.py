"""The log of the computer's working time: the running exe opens this
boot's record at start, closes it when the clock closes, and a second start
in the same boot keeps one record for it."""
import os
import struct

from tikolvo_e2e import ClockTestCase, wait_until

RECORD = 24


class WorkLog(ClockTestCase):
    def records(self):
        with open(os.path.join(self.folder.path, "work.db"), "rb") as f:
            data = f.read()
        return [struct.unpack_from("<dd?", data, o) for o in range(0, len(data) - RECORD + 1, RECORD)]

    def test_this_boot_is_one_record_opened_at_start_and_closed_at_the_end(self):
        self.folder.start_and_wait()
        wait_until(lambda: os.path.exists(os.path.join(self.folder.path, "work.db")), what="work.db")
        started, _, running = self.records()[0]
        self.assertTrue(running)
        self.folder.close()
        self.assertFalse(self.records()[0][2])

        self.folder.start_and_wait()
        self.folder.close()
        records = self.records()
        self.assertEqual(len(records), 1)
        self.assertAlmostEqual(records[0][0], started, delta=2 / 86400)
        self.assertGreater(records[0][1], records[0][0])
