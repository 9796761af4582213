#!/usr/bin/env python3
"""Writes src/files/default_locations_table.cpp, the built-in Kelmo.cfg: its configuration
line and its 246 location lines.

Usage: tools/gen_default_locations.py PATH/TO/cities_reference.tsv [OUTPUT.cpp]

The names, their order and the coordinates, heights and zones come from cities_reference.tsv
(one row per built-in name, in file order); the rows the program has always shipped are kept
exactly as below, and the summer-time rule codes are chosen by the rules described in
tools/default_locations_sources.md. The script checks every count before it writes.
"""
import math
import sys
from pathlib import Path

CONFIG_LINE = ("Manama,Bahrain notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 "
               "15.00 1296 88576 258 10 0 0")

# Rows shipped with the program since its first version, byte for byte.
FIXED_ROWS = [
    "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0",
    "Abu;Dhabi,Uae 0.42702389 0.94887734 0 4.0000 0 0",
    "Al-Madina,Saudi 0.42702389 0.69135401 537 3.0000 0 0",
    "Adelaide,Australia -0.60970169 2.41902634 0 9.5000 2626 834",
    "Albany,NY,USA 0.74465927 -1.28803360 0 -5.0000 1086 2626",
    "London,Uk 0.89884456 -0.00203622 0 0.0000 834 2626",
    "Cairo,Egypt 0.52447144 0.54541539 0 2.0000 1332 2345",
    "Tehran,Iran 0.62259288 0.89752587 0 3.5000 789 2327",
    "Beirut,Lebanon 0.59117695 0.61976157 0 2.0000 1281 2576",
    "Asuncion,Paraguay -0.44098652 -1.00647320 0 -4.0000 1025 2561",
    "Brasilia,Brazil -0.28274334 -0.77550796 0 -3.0000 2624 575",
    "Auckland,New;Zealand -0.64344472 3.05025376 0 12.0000 2622 832",
    "Bern,Switzerland 0.81885031 0.13031792 0 1.0000 804 2596",
    "Moscow,Russia 0.97302106 0.65595291 0 3.0000 834 2370",
    "Kathmandu,Nepal 0.48374709 1.48905674 0 5.7000 0 0",
    "Kennett,;MO,;USA 0.63250732 -1.57164475 0 -6.0000 1086 2626",
    "Longyearbyen,Svalbard 1.36513836 0.27285314 0 3.0000 0 0",
]

# Summer-time rule codes: month * 256 + day code (62 first Sunday, 64 third Sunday,
# 66 last Sunday).
NORTH_AMERICA = (1086, 2626)   # first Sunday of April .. last Sunday of October
EUROPE = (834, 2626)           # last Sunday of March .. last Sunday of October
AUSTRALIA = (2626, 834)        # last Sunday of October .. last Sunday of March
NEW_ZEALAND = (2622, 832)      # first Sunday of October .. third Sunday of March

# The United States, Canada, Mexico, Jamaica and the Bahamas: every row of these countries.
NORTH_AMERICA_COUNTRIES = ("USA", "Canada", "Mexico", "Jamaica", "Bahamas")

# The European Economic Area of 2008 (the 27 member states of the European Union with Norway,
# Liechtenstein and Iceland): every row inside it whose clocks followed the European rule.
EUROPE_ROWS = {
    "Amsterdam,Netherlands", "Athens,Greece", "Berlin,Germany", "Bratislava,Slovakia",
    "Brussels,Belgium", "Bucharest,Romania", "Budapest,Hungary", "Copenhagen,Denmark",
    "Dublin,Ireland", "Gibraltar,Gibraltar", "Helsinki,Finland", "Lisbon,Portugal",
    "Ljubljana,Slovenia", "London,Uk", "Luxembourg,Luxembourg", "Madrid,Spain",
    "Manchester,;Uk", "Melilla,;Morocco", "Nicosia,Cyprus", "Oslo,Norway", "Paris,France",
    "Prague,Czech;Republic", "Riga,Latvia", "Roma,Italy", "Sofia,Bulgaria",
    "Stockholm,Sweden", "Tallinn,Estonia", "The;Hague,Netherlands", "Vaduz,Liechtenstein",
    "Valletta,Malta", "Vienna,Austria", "Vilnius,Lithuania", "Warsaw,Poland",
}

# Australian cities whose state keeps summer time.
AUSTRALIA_ROWS = {"Adelaide,Australia", "Canberra,Australia", "Hobart,Australia",
                  "Melbourne,Australia", "Sydney,Australia"}

# Further places that kept summer time in 2008.
OTHER_ROWS = {"Wellington,New;Zealand": NEW_ZEALAND}

# Heights in metres; every other row is stored at 0 m.
HEIGHTS = {"La-Paz,Bolivia": 3640, "Quito,Ecuador": 2850}

EXPECTED_ROWS = 246
EXPECTED_SUMMER_TIME_ROWS = 85
EXPECTED_NORTH_AMERICA_ROWS = 38
EXPECTED_EUROPE_ROWS = 33
EXPECTED_HEIGHT_ROWS = 3


def read_reference(path):
    rows = []
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        rows.append({"name": fields[0], "lat": float(fields[1]), "lon": float(fields[2]),
                     "offset": float(fields[4])})
    return rows


def country_of(name):
    return name.split(",")[-1].replace(";", "")


def summer_time(name):
    if country_of(name) in NORTH_AMERICA_COUNTRIES:
        return NORTH_AMERICA
    if name in EUROPE_ROWS:
        return EUROPE
    if name in AUSTRALIA_ROWS:
        return AUSTRALIA
    return OTHER_ROWS.get(name, (0, 0))


def location_line(row):
    start, end = summer_time(row["name"])
    return "%s %.8f %.8f %d %.4f %d %d" % (
        row["name"], math.radians(row["lat"]), math.radians(row["lon"]),
        HEIGHTS.get(row["name"], 0), row["offset"], start, end)


def build_lines(reference):
    fixed = {line.split(" ")[0]: line for line in FIXED_ROWS}
    lines = [fixed.get(row["name"]) or location_line(row) for row in reference]
    check(reference, fixed, lines)
    return lines


def check(reference, fixed, lines):
    names = [row["name"] for row in reference]
    assert len(lines) == EXPECTED_ROWS, len(lines)
    assert len(set(names)) == EXPECTED_ROWS, "duplicate names"
    assert set(fixed) <= set(names), set(fixed) - set(names)
    fields = [line.split(" ") for line in lines]
    summer = [f for f in fields if f[5] != "0"]
    assert all((f[5] == "0") == (f[6] == "0") for f in fields)
    assert len(summer) == EXPECTED_SUMMER_TIME_ROWS, len(summer)
    assert sum(f[5:7] == ["1086", "2626"] for f in fields) == EXPECTED_NORTH_AMERICA_ROWS
    assert sum(f[5:7] == ["834", "2626"] for f in fields) == EXPECTED_EUROPE_ROWS
    assert sum(f[3] != "0" for f in fields) == EXPECTED_HEIGHT_ROWS
    assert all(len(f) == 7 for f in fields)


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_table(lines, data_name, output):
    out = [
        "// Generated by tools/gen_default_locations.py from %s; do not edit." % data_name,
        "// The built-in Kelmo.cfg: its configuration line and its location lines in file order.",
        '#include "files/default_locations.h"',
        "",
        "namespace kelmo {",
        "",
        "const char kDefaultConfigLine[] =",
        "    %s;" % cpp_string(CONFIG_LINE),
        "",
        "const std::array<const char*, kDefaultLocationCount> kDefaultLocationLines = {",
    ]
    out += ["    %s," % cpp_string(line) for line in lines]
    out += ["};", "", "}  // namespace kelmo", ""]
    Path(output).write_text("\n".join(out), encoding="utf-8")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    reference = Path(sys.argv[1])
    root = Path(__file__).resolve().parent.parent
    output = sys.argv[2] if len(sys.argv) == 3 else root / "src/files/default_locations_table.cpp"
    write_table(build_lines(read_reference(reference)), reference.name, output)


if __name__ == "__main__":
    main()
