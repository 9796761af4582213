#!/usr/bin/env python3
"""Reads an iCalendar file with the icalendar package (a strict RFC 5545 reader) and prints one
line per event: its SUMMARY and its DTSTART in UTC as YYYY-MM-DDTHH:MM:SSZ.
Exits 1 when the file cannot be read, an event has a property the reader could not parse, or a
DTSTART is not a moment in UTC."""

import datetime
import sys

import icalendar


def main():
    with open(sys.argv[1], "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    for event in calendar.walk("VEVENT"):
        if event.errors:
            sys.exit(f"unreadable property: {event.errors}")
        start = event.decoded("DTSTART")
        if not isinstance(start, datetime.datetime) or start.utcoffset() != datetime.timedelta(0):
            sys.exit(f"DTSTART is not in UTC: {start!r}")
        print(f"{event['SUMMARY']} {start.strftime('%Y-%m-%dT%H:%M:%SZ')}")


if __name__ == "__main__":
    main()
