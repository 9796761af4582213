#!/usr/bin/env python3
"""Writes src/files/settings/default_locations_table.cpp, the built-in Kelmo.cfg: its configuration
line and its 246 location lines.

Usage: tools/gen_default_locations.py PATH/TO/cities_reference.tsv [OUTPUT.cpp]

The names, their order, the coordinates and the IANA zones come from cities_reference.tsv (one
row per built-in name, in file order); the names and coordinates of the rows the program has
always shipped are kept as below. Each row's zone time and summer-time rule codes are the
zone's law of RULE_YEAR in the system's tz database (Python's zoneinfo), found by the same rule
as the program's fixedRulesOfZone (src/calendar/zone_rules.h); the zone's name is the eighth
word of the row. See tools/default_locations_sources.md. The script checks every row before it
writes.
"""
import datetime
import math
import sys
import zoneinfo
from collections import Counter
from pathlib import Path

CONFIG_LINE = ("Manama,Bahrain notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 "
               "15.00 1296 88576 258 10 0 0")

# The year whose law the rows carry.
RULE_YEAR = 2026

# Names and coordinates shipped with the program since its first version (name, latitude and
# longitude in radians as stored).
SHIPPED_ROWS = [
    "Manama,Bahrain 0.45790652 0.88284087",
    "Abu;Dhabi,Uae 0.42702389 0.94887734",
    "Al-Madina,Saudi 0.42702389 0.69135401",
    "Adelaide,Australia -0.60970169 2.41902634",
    "Albany,NY,USA 0.74465927 -1.28803360",
    "London,Uk 0.89884456 -0.00203622",
    "Cairo,Egypt 0.52447144 0.54541539",
    "Tehran,Iran 0.62259288 0.89752587",
    "Beirut,Lebanon 0.59117695 0.61976157",
    "Asuncion,Paraguay -0.44098652 -1.00647320",
    "Brasilia,Brazil -0.28274334 -0.77550796",
    "Auckland,New;Zealand -0.64344472 3.05025376",
    "Bern,Switzerland 0.81885031 0.13031792",
    "Moscow,Russia 0.97302106 0.65595291",
    "Kathmandu,Nepal 0.48374709 1.48905674",
    "Kennett,;MO,;USA 0.63250732 -1.57164475",
    "Longyearbyen,Svalbard 1.36513836 0.27285314",
]

# Heights in metres; every other row is stored at 0 m.
HEIGHTS = {"Al-Madina,Saudi": 537, "La-Paz,Bolivia": 3640, "Quito,Ecuador": 2850}

EXPECTED_ROWS = 246

# The rule model of the program (src/calendar/summer_time.h): code = month * 256 + day code;
# day codes 1..31 a fixed day, 32..66 weekday rules (r = code - 32: weekday r // 5, Monday 0,
# ordinal r % 5: first, 2nd, 3rd, 4th, last); "first" to "4th" are the first such weekday on or
# after the 1st, 7th, 14th and 21st.
FIRST_WEEKDAY_CODE = 32
LAST_DAY_CODE = 66
LAST_ORDINAL = 4
ORDINAL_START_DAY = (1, 7, 14, 21)
FOLLOWING_YEARS = 4


def days_in_month(year, month):
    following = datetime.date(year + month // 12, month % 12 + 1, 1)
    return (following - datetime.timedelta(days=1)).day


def dst_day_of_month(code, year):
    month, day_code = code // 256, code % 256
    if day_code < FIRST_WEEKDAY_CODE:
        return day_code
    rule = day_code - FIRST_WEEKDAY_CODE
    wanted, ordinal = rule // 5 + 1, rule % 5
    last = ordinal == LAST_ORDINAL
    day = days_in_month(year, month) if last else ORDINAL_START_DAY[ordinal]
    while datetime.date(year, month, day).isoweekday() != wanted:
        day += -1 if last else 1
    return day


def year_clocks(zone, year):
    """(offset minutes, marked as summer time) at local noon of every day of the year."""
    tz = zoneinfo.ZoneInfo(zone)
    day = datetime.date(year, 1, 1)
    clocks = []
    while day.year == year:
        noon = datetime.datetime(day.year, day.month, day.day, 12, tzinfo=tz)
        clocks.append((int(noon.utcoffset().total_seconds() // 60), bool(noon.dst())))
        day += datetime.timedelta(days=1)
    return clocks


def day_of_year(year, index):
    day = datetime.date(year, 1, 1) + datetime.timedelta(days=index)
    return day.month, day.day


def summer_days(offsets, year):
    standard = min(offsets)
    n = len(offsets)
    starts, ends = [], []
    for i, offset in enumerate(offsets):
        if offset not in (standard, standard + 60):
            return None
        summer, before = offset != standard, offsets[i - 1] != standard
        if summer and not before:
            starts.append(i)
        if not summer and before:
            ends.append(i)
    if len(starts) != 1 or len(ends) != 1:
        return None
    return day_of_year(year, starts[0]), day_of_year(year, ends[0])


def codes_for(month_day, year):
    month, day = month_day
    last, fixed, ordinals = [], [], []
    for day_code in range(1, LAST_DAY_CODE + 1):
        code = month * 256 + day_code
        if dst_day_of_month(code, year) != day:
            continue
        if day_code < FIRST_WEEKDAY_CODE:
            fixed.append(code)
        elif (day_code - FIRST_WEEKDAY_CODE) % 5 == LAST_ORDINAL:
            last.append(code)
        else:
            ordinals.append(code)
    return last + fixed + ordinals


def gives(code, days, which, year):
    if days is None:
        return False
    month, day = days[which]
    return month == code // 256 and day == dst_day_of_month(code, year)


def yearly_code(year, days, which, others):
    best, best_count = 0, -1
    for code in codes_for(days[which], year):
        if not gives(code, others[year - 1], which, year - 1) and \
                not gives(code, others[year + 1], which, year + 1):
            continue
        count = sum(gives(code, others[y], which, y)
                    for y in range(year + 1, year + FOLLOWING_YEARS + 1))
        if count > best_count:
            best, best_count = code, count
    return best


def most_common(offsets):
    counts = Counter(offsets)
    return max(sorted(counts), key=lambda offset: counts[offset])  # the smaller on a tie


def fixed_rules(zone, year):
    """(zone hours, start code, end code) as the program's fixedRulesOfZone gives them."""
    clocks = year_clocks(zone, year)
    offsets = [offset for offset, _ in clocks]
    standard = [offset for offset, summer in clocks if not summer] or offsets
    rules = (most_common(standard) / 60, 0, 0)
    days = summer_days(offsets, year)
    if days is None:
        return rules
    others = {y: summer_days([o for o, _ in year_clocks(zone, y)], y)
              for y in range(year - 1, year + FOLLOWING_YEARS + 1)}
    start, end = yearly_code(year, days, 0, others), yearly_code(year, days, 1, others)
    if start == 0 or end == 0:
        return rules
    return min(offsets) / 60, start, end


def read_reference(path):
    rows = []
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        rows.append({"name": fields[0], "lat": float(fields[1]), "lon": float(fields[2]),
                     "zone": fields[3]})
    return rows


def location_line(row, shipped):
    name = row["name"]
    place = shipped.get(name) or "%s %.8f %.8f" % (name, math.radians(row["lat"]),
                                                   math.radians(row["lon"]))
    hours, start, end = fixed_rules(row["zone"], RULE_YEAR)
    return "%s %d %.4f %d %d %s" % (place, HEIGHTS.get(name, 0), hours, start, end, row["zone"])


def build_lines(reference):
    shipped = {line.split(" ")[0]: line for line in SHIPPED_ROWS}
    lines = [location_line(row, shipped) for row in reference]
    check(reference, shipped, lines)
    return lines


def check(reference, shipped, lines):
    names = [row["name"] for row in reference]
    assert len(lines) == EXPECTED_ROWS, len(lines)
    assert len(set(names)) == EXPECTED_ROWS, "duplicate names"
    assert set(shipped) <= set(names), set(shipped) - set(names)
    fields = [line.split(" ") for line in lines]
    assert all(len(f) == 8 for f in fields)
    assert all((f[5] == "0") == (f[6] == "0") for f in fields)
    assert sum(f[3] != "0" for f in fields) == len(HEIGHTS)
    rules = Counter(" ".join(f[5:7]) for f in fields if f[5] != "0")
    print("%d rows with summer-time codes: %s" % (sum(rules.values()), dict(rules)))


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_table(lines, data_name, output):
    out = [
        "// Generated by tools/gen_default_locations.py from %s; do not edit." % data_name,
        "// The built-in Kelmo.cfg: its configuration line and its location lines in file order.",
        '#include "files/settings/default_locations.h"',
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
    output = sys.argv[2] if len(sys.argv) == 3 else root / "src/files/settings/default_locations_table.cpp"
    write_table(build_lines(read_reference(reference)), reference.name, output)


if __name__ == "__main__":
    main()
