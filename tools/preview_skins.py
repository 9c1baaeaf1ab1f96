#!/usr/bin/env python3
"""Look at the shipped skins: runs make_skins with --preview and turns the
pictures into PNG files, each face over a light and a dark desktop side by
side, with the date label written in a stand-in font where the skin shows one.

    tools/preview_skins.py <build folder with make_skins> <output folder>
"""
import configparser
import pathlib
import subprocess
import sys


def date_label(cfg_path: pathlib.Path):
    text = cfg_path.read_bytes().decode("cp1251")
    ini = configparser.ConfigParser(strict=False, interpolation=None, comment_prefixes=(";",))
    ini.optionxform = str.lower
    ini.read_string(text)
    if not ini.has_section("Data") or ini.get("Data", "ShowData", fallback="0") == "0":
        return None
    size = int(ini.get("Data", "LSize", fallback="13")) * 96 / 72
    colour = int(ini.get("Data", "LColor", fallback="16777215").replace("$", "0x"), 0)
    rgb = "#%02x%02x%02x" % (colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF)
    return int(ini.get("Data", "LTop", fallback="329")), size, rgb


def main() -> int:
    build, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    skins, raw = out / "skins", out / "raw"
    subprocess.run([str(build / "make_skins"), "--preview", str(raw), str(skins)], check=True)
    for light in sorted(raw.glob("*_light.bmp")):
        name = light.name[: -len("_light.bmp")]
        sides = []
        for kind in ("light", "dark"):
            png = out / f"{name}_{kind}.png"
            command = ["convert", str(raw / f"{name}_{kind}.bmp")]
            cfg = raw / f"{name}.cfg"
            label = date_label(cfg) if cfg.exists() else None
            if label:
                top, size, rgb = label
                command += ["-font", "DejaVu-Sans", "-pointsize", f"{size * 72 / 96:.1f}", "-density", "96",
                            "-fill", rgb, "-gravity", "North", "-annotate", f"+0+{top}", "четверг, 24 сентября"]
            subprocess.run(command + ["-scale", "200%", str(png)], check=True)
            sides.append(str(png))
        subprocess.run(["convert", *sides, "+append", str(out / f"{name}.png")], check=True)
        subprocess.run(["convert", str(raw / f"{name}_buttons.bmp"), str(out / f"{name}_buttons.png")], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
