"""Builds plan.db task records for the end-to-end tests, field by field from
the record layout (1576 bytes after a 4-byte header)."""
import datetime
import struct

RECORD = 1576
HEADER = b"\0\0\0\0"
DELPHI_EPOCH = datetime.datetime(1899, 12, 30)

AT_TIME, HOURLY, ON_START, ON_CONNECT, ON_DISCONNECT = 0, 1, 2, 3, 4


def when_value(moment):
    """A local date-time as days since 1899-12-30 with the time as fraction."""
    delta = moment - DELPHI_EPOCH
    return delta.days + (delta.seconds + delta.microseconds / 1e6) / 86400.0


def _text(record, offset, size, text):
    raw = text.encode("cp1251")[:size - 1]
    record[offset] = len(raw)
    record[offset + 1:offset + 1 + len(raw)] = raw


def task(task_id, name, trigger=AT_TIME, when=None, every_day=False, run=None, message=None, balloon=None,
         balloon_duration=30, hang_up=None):
    record = bytearray(RECORD)
    _text(record, 0, 64, name)
    if hang_up:
        record[64] = 1
        _text(record, 65, 64, hang_up)
        record[129] = 4
    record[131:138] = b"\1" * 7
    record[140:152] = b"\1" * 12
    struct.pack_into("<H", record, 158, balloon_duration)
    struct.pack_into("<i", record, 248, 1000)
    struct.pack_into("<i", record, 252, 500)
    struct.pack_into("<d", record, 256, when_value(when or datetime.datetime.now()))
    record[264] = 1 if every_day else 0
    if run:
        record[267] = 1
        _text(record, 268, 256, run[0])
        _text(record, 524, 256, run[1])
    if message:
        record[780] = 1
        _text(record, 781, 256, message)
    if balloon:
        record[245] = 1
        _text(record, 1046, 240, balloon)
    record[1293] = trigger
    struct.pack_into("<i", record, 1296, 1)
    record[1566] = 1
    struct.pack_into("<i", record, 1568, task_id)
    return bytes(record)


def write(path, *records):
    with open(path, "wb") as f:
        f.write(HEADER + b"".join(records))


def read(path):
    """(id, name, in use, is next) of every whole record."""
    with open(path, "rb") as f:
        data = f.read()
    tasks = []
    for offset in range(4, len(data) - RECORD + 1, RECORD):
        record = data[offset:offset + RECORD]
        name = record[1:1 + record[0]].decode("cp1251")
        tasks.append((struct.unpack_from("<i", record, 1568)[0], name, record[1566] != 0, record[1565] != 0))
    return tasks


def windows_path(path):
    """The path as Wine's Z: drive shows it."""
    return "Z:" + path.replace("/", "\\")
