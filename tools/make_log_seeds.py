#!/usr/bin/env python3
"""Writes the fuzz seeds of the connection log files: a fresh Connect.db,
one with two connections (one with a tariff), a log_web.db with an open and
a closed session, and one torn in its last record. Run from the repository
root; the files land in tests/fuzz/seeds/connection_log_fuzz/."""
import os
import struct

HEADER = bytes([4]) + b"TKDB" + bytes([23, 32, 125, 1])
OUT = os.path.join("tests", "fuzz", "seeds", "connection_log_fuzz")


def short_string(text, chars):
    raw = text.encode("cp1251")[:chars]
    return bytes([len(raw)]) + raw + bytes(chars - len(raw))


def connection(name, valid, tariff_cost=0.0):
    r = bytearray(928)
    r[0:51] = short_string(name, 50)
    struct.pack_into("<i", r, 68, 1048576)
    struct.pack_into("<i", r, 88, 100)
    r[93] = valid
    struct.pack_into("<i", r, 140, 2)
    r[146], r[147], r[150], r[152], r[153], r[154], r[155] = 3, 2, 1, 1, 1, 1, 254
    for k in range(16):
        t = 160 + 48 * k
        r[t + 32], r[t + 33], r[t + 34] = 2, 2, 1
    if tariff_cost:
        struct.pack_into("<dd", r, 160, 0.0, 0.5)
        r[160 + 16] = 1
        struct.pack_into("<d", r, 160 + 24, tariff_cost)
    return bytes(r)


def session(name, start, end, open_):
    r = bytearray(112)
    struct.pack_into("<dd", r, 0, start, end)
    r[32:65] = short_string(name, 32)
    struct.pack_into("<iii", r, 68, 5000, 700, 56000)
    r[80], r[81] = 1, open_
    r[82:107] = short_string("10.0.0.7", 24)
    struct.pack_into("<i", r, 108, 1)
    return bytes(r)


def main():
    os.makedirs(OUT, exist_ok=True)
    seeds = {
        "fresh_connect.db": HEADER + connection("", 0),
        "two_connections.db": HEADER + connection("Домашний", 1, 1.5) + connection("Рабочий", 1),
        "sessions.db": HEADER + session("Домашний", 46000.5, 46000.6, 0) + session("Рабочий", 46001.25, 0, 1),
        "torn_sessions.db": (HEADER + session("Домашний", 46000.5, 46000.6, 0))[:-20],
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
