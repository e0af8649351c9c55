#!/usr/bin/env python3
"""Lists the holidays of an iCalendar file as an independent reader sees them.

    holiday_reference.py FILE ZONE YEAR...

prints "YYYY-MM-DD NAME" for every date of the given years an event marks, sorted. Read with
icalendar, repeat rules followed by dateutil. The rules are the program's: every VEVENT counts;
an all-day event marks its dates (DTEND exclusive, one day without DTEND), a timed one the dates
of ZONE it touches (a TZID or UTC time converted to ZONE, a floating time as written); RRULE,
RDATE and EXDATE, and RECURRENCE-ID events standing in for that start of their UID. Exits with
77 when icalendar or dateutil is missing.
"""
import os
import sys
from datetime import date, datetime, timedelta, timezone

try:
    from zoneinfo import ZoneInfo
    from icalendar import Calendar
    from dateutil.rrule import rrulestr
except ImportError as missing:
    print(f"python3 module {missing.name} is missing", file=sys.stderr)
    sys.exit(77)


def values(component, name):
    found = component.get(name)
    if found is None:
        return []
    return found if isinstance(found, list) else [found]


def moment(prop):
    """The property's date or time: a date, a naive (floating) or an aware datetime."""
    value = prop.dt
    if isinstance(value, datetime):
        return zoned(value, prop.params.get("TZID"))
    return value


def zoned(value, tzid):
    """A floating time stays naive; a TZID's wall-clock time gets zoneinfo's zone of that name."""
    if value.tzinfo is None:
        return value
    if tzid:
        return value.replace(tzinfo=ZoneInfo(str(tzid)))
    return value.astimezone(timezone.utc)


def listed_times(component, name):
    out = []
    for prop in values(component, name):
        tzid = prop.params.get("TZID")
        for item in prop.dts:
            value = item.dt
            if isinstance(value, tuple):
                start, end = value
                start = zoned(start, tzid) if isinstance(start, datetime) else start
                if isinstance(end, timedelta):
                    end = start + end
                elif isinstance(end, datetime):
                    end = zoned(end, tzid)
                out.append((start, end))
            else:
                out.append((zoned(value, tzid) if isinstance(value, datetime) else value, None))
    return out


def instant(value):
    if isinstance(value, datetime) and value.tzinfo is not None:
        return value.astimezone(timezone.utc)
    return value


def same_start(a, b):
    if not isinstance(a, datetime) or not isinstance(b, datetime):
        return (a.date() if isinstance(a, datetime) else a) == (b.date() if isinstance(b, datetime) else b)
    return instant(a) == instant(b)


def dates_of(start, end, length, zone):
    if not isinstance(start, datetime):
        days = (end - start).days if end is not None else length
        return [start + timedelta(days=d) for d in range(max(1, days))]
    if end is not None:
        length = instant(end) - instant(start)
    last = max(length - timedelta(seconds=1), timedelta(0))
    if start.tzinfo is None:
        first_day, last_day = start.date(), (start + last).date()
    else:
        begin = instant(start)
        first_day = begin.astimezone(zone).date()
        last_day = (begin + last).astimezone(zone).date()
    return [first_day + timedelta(days=d) for d in range((last_day - first_day).days + 1)]


def main():
    path, zone, years = sys.argv[1], ZoneInfo(sys.argv[2]), [int(y) for y in sys.argv[3:]]
    with open(path, "rb") as handle:
        calendar = Calendar.from_ical(handle.read())
    name = " ".join(str(calendar.get("X-WR-CALNAME", "")).split()) or os.path.basename(path)
    events = list(calendar.walk("VEVENT"))
    replaced = {}
    for event in events:
        if event.get("RECURRENCE-ID") is not None:
            replaced.setdefault(str(event.get("UID")), []).append(moment(event["RECURRENCE-ID"]))
    horizon = date(max(years) + 1, 12, 31)
    days = set()
    for event in events:
        start = moment(event["DTSTART"])
        end = moment(event["DTEND"]) if event.get("DTEND") is not None else None
        if isinstance(start, datetime) and end is not None and not isinstance(end, datetime):
            end = datetime(end.year, end.month, end.day, tzinfo=start.tzinfo)
        if not isinstance(start, datetime) and isinstance(end, datetime):
            end = end.date()
        length = 1 if not isinstance(start, datetime) else timedelta(0)
        if event.get("DURATION") is not None:
            duration = event["DURATION"].dt
            length = -(-duration.total_seconds() // 86400) if not isinstance(start, datetime) else duration
            length = int(length) if not isinstance(start, datetime) else length
        excluded = [value for value, _ in listed_times(event, "EXDATE")]
        if event.get("RECURRENCE-ID") is None:
            excluded += replaced.get(str(event.get("UID")), [])
        starts = [(start, end)] + listed_times(event, "RDATE")
        for rule in values(event, "RRULE"):
            first = start if isinstance(start, datetime) else datetime(start.year, start.month, start.day)
            for when in rrulestr(rule.to_ical().decode(), dtstart=first):
                if when.date() > horizon:
                    break
                starts.append((when if isinstance(start, datetime) else when.date(), None))
        summary = " ".join(str(event.get("SUMMARY", "")).split()) or name
        for when, until in starts:
            if any(same_start(when, other) for other in excluded):
                continue
            if until is None and end is not None:
                until = when + (end - start) if not isinstance(start, datetime) else when + (instant(end) - instant(start))
            for day in dates_of(when, until, length, zone):
                if day.year in years:
                    days.add((day, summary))
    for day, summary in sorted(days):
        print(f"{day.isoformat()} {summary}")


main()
