#!/usr/bin/env python3
"""Look at the shipped skins: runs make_skins with --preview and turns the
pictures into PNG files, each face over a light and a dark desktop side by
side, with the date label written in a stand-in font where the skin shows one.

    tools/preview_skins.py <build folder with make_skins> <output folder>
"""
import configparser
import pathlib
import struct
import subprocess
import sys


def text_labels(cfg_path: pathlib.Path):
    """The date label and the free-format labels a skin shows, as
    (left, top, width, height, pixel size, colour, sample text); a left of
    None means centred across the face."""
    text = cfg_path.read_bytes().decode("cp1251")
    ini = configparser.ConfigParser(strict=False, interpolation=None, comment_prefixes=(";",))
    ini.optionxform = str.lower
    ini.read_string(text)

    def colour(section, key):
        value = int(ini.get(section, key, fallback="16777215").replace("$", "0x"), 0)
        return "#%02x%02x%02x" % (value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF)

    labels = []
    if ini.has_section("Data") and ini.get("Data", "ShowData", fallback="0") != "0":
        size = int(ini.get("Data", "LSize", fallback="13")) * 96 / 72
        labels.append((None, int(ini.get("Data", "LTop", fallback="329")), 0, 0, size, colour("Data", "LColor"),
                       "четверг, 24 сентября"))
    for section in ("Format_1", "Format_2", "Format_3"):
        if ini.has_section(section) and ini.get(section, "Show", fallback="0") != "0":
            get = lambda key, default: int(ini.get(section, key, fallback=default))
            labels.append((get("L", "0"), get("T", "0"), get("W", "20"), get("H", "10"), get("Size", "8") * 96 / 72,
                           colour(section, "Color"), "чт, 24 сентября"))
    return labels


def main() -> int:
    build, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    skins, raw = out / "skins", out / "raw"
    subprocess.run([str(build / "make_skins"), "--preview", str(raw), str(skins)], check=True)
    for light in sorted(raw.glob("*_light.bmp")):
        name = light.name[: -len("_light.bmp")]
        sides = []
        for kind in ("light", "dark"):
            png = out / f"{name}_{kind}.png"
            bmp = raw / f"{name}_{kind}.bmp"
            image_w, image_h = struct.unpack_from("<ii", bmp.read_bytes(), 18)
            command = ["convert", str(bmp)]
            cfg = raw / f"{name}.cfg"
            for left, top, width, height, size, rgb, sample in text_labels(cfg):
                command += ["-font", "DejaVu-Sans", "-pointsize", f"{size * 72 / 96:.1f}", "-density", "96", "-fill", rgb]
                if left is None:
                    command += ["-gravity", "North", "-annotate", f"+0+{top}", sample]
                else:
                    # With centre gravity the offset moves the text's middle away
                    # from the picture's middle: put it on the middle of the box.
                    dx, dy = left + width / 2 - image_w / 2, top + height / 2 - image_h / 2
                    command += ["-gravity", "Center", "-annotate", f"{dx:+.0f}{dy:+.0f}", sample]
            subprocess.run(command + ["-scale", "200%", str(png)], check=True)
            sides.append(str(png))
        subprocess.run(["convert", *sides, "+append", str(out / f"{name}.png")], check=True)
        subprocess.run(["convert", str(raw / f"{name}_buttons.bmp"), str(out / f"{name}_buttons.png")], check=True)
        if (raw / f"{name}_map.bmp").exists():
            subprocess.run(["convert", str(raw / f"{name}_map.bmp"), str(out / f"{name}_map.png")], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
