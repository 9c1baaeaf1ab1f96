"""Skins built by the tests themselves: BMP pictures, folder skins and
".tks" archives, so each test states exactly what the skin holds."""
import os
import struct
import zlib


def bmp(width, height, colour_at):
    """A 24-bit BMP file; colour_at(x, y) gives (r, g, b), y from the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def solid(colour):
    return lambda x, y: colour


def ini(sections):
    """config.cfg text in Windows-1251 with CRLF line ends."""
    lines = []
    for name, keys in sections.items():
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (k, v) for k, v in keys.items()]
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


def write_folder_skin(folder, files):
    """files: relative name -> bytes."""
    for name, data in files.items():
        path = os.path.join(folder, *name.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)


# Archive slots of the member kinds the loader asks for.
SLOT_OF_KIND = {1: 0, 2: 1, 5: 2, 7: 4, 8: 5, 9: 6, 10: 7, 11: 8, 12: 9, 13: 10, 14: 11, 15: 12, 16: 13,
                3: 14, 4: 15}


def tks(skin_type, members):
    """A ".tks" archive; members: kind -> (stored name, file bytes)."""
    entries = [bytes(56)] * 24
    data = bytearray()
    start = 12 + 56 * 24
    for kind, (name, content) in members.items():
        packed = zlib.compress(content)
        raw_name = name.encode("cp1251")
        entries[SLOT_OF_KIND[kind]] = struct.pack(
            "<IIIII", 0, start + len(data), 1, 0xFFFFFF, len(packed)) + bytes([len(raw_name)]) + \
            raw_name.ljust(27, b"\0") + struct.pack("<IBBH", 0, 0, 1, 0)
        data += packed
    header = bytes([4]) + b"TKSF" + bytes(3) + struct.pack("<i", skin_type)
    return header + b"".join(entries) + bytes(data)


def tks_member(archive, kind):
    """The inflated bytes of an archive's member, None for an empty slot."""
    entry = 12 + 56 * SLOT_OF_KIND[kind]
    offset, = struct.unpack_from("<I", archive, entry + 4)
    size, = struct.unpack_from("<I", archive, entry + 16)
    if not size:
        return None
    return zlib.decompress(archive[offset:offset + size])


def bmp_size(data):
    width, height = struct.unpack_from("<ii", data, 18)
    return width, abs(height)
