#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/latlngtz.txt, the city list of the observer location dialog.

Source: the cities of the npm package city-timezones (installed by `npm ci`
beside this script), with their coordinates and IANA zone names; the standard
offsets and daylight-saving dates come from the system's IANA tz database
through Python's zoneinfo.

File format (UTF-8 without BOM, CR LF line ends), one item per line:
    *Region name
    City, Country
    latitude            degrees north
    longitude           degrees WEST, 0 <= value < 360 (10 E is 350)
    standard time zone  hours east of UT, fractions kept: -5, 5.5, 5.75
    DST rule code       0..12, the entry of the dialog's DST rule list
    IANA zone id        the city's zone as tzdata and zone.tab name it today:
                        America/Santiago (never a "," and never a leading "*")
A city line contains a "," and is unique in the whole file (the dialog finds a
city again by comparing whole lines from the top); the five lines after it
never contain a ",". Readers that take only four lines after a city still
read the file: the zone line, holding no ",", is never taken for a city.

The zone id is what the program keeps local times with, daylight saving
included; the standard offset and the rule code are the same zone told the
old way, for readers and observer files that know no zone ids.

Which cities: every city of 100 000 inhabitants or more, and for each country
without one its largest city, so that every country can be found.

Regions: "Continent - Country"; a country with more than SPLIT_ABOVE cities
gets one region per state or province ("Continent - Country - State"); Russia
is split at the Urals into "Europe - Russia" and "Asia - Russia".

Zone of a city: see zone_of() (the source's zone under its name of today,
with the corrections of PROVINCE_ZONES and for cities that name a zone of
their own). Standard offset and DST rule of a zone: see zone_summary() and
RULES below; the rule is the nearest one, so the offsets they give in
mid-January and mid-July agree with the zone's (the self-check makes sure).

Usage: python3 make-citylist.py [--year YEAR]   (default: the current year)
"""

import argparse
import collections
import datetime as dt
import json
import math
import re
import sys
import unicodedata
from pathlib import Path
from zoneinfo import ZoneInfo, TZPATH

HERE = Path(__file__).resolve().parent
SOURCE = HERE / 'node_modules' / 'city-timezones' / 'data' / 'cityMap.json'
OUTPUT = HERE.parent.parent / 'data' / 'latlngtz.txt'
ZONEINFO = Path('/usr/share/zoneinfo')

MIN_POPULATION = 100_000
SPLIT_ABOVE = 120          # cities in one country before it is split into states
URALS_LNG_EAST = 60.0      # Russian provinces east of this (mean of their cities) are in Asia
SAME_PLACE_KM = 25.0       # two records of one name in one province closer than this are one city

# ---------------------------------------------------------------------------
# Daylight-saving rules of the dialog.
#
# Each rule is read as the local DATE on which daylight saving starts (clocks
# go forward one hour) and the local date on which it ends (clocks go back),
# both in the same calendar year; for the southern rules the end comes first
# in the year. The date of a transition is the date on the wall clock at the
# moment of the change, read with the offset in force before it, so a change
# at 24:00 Saturday counts as Sunday 00:00.
#
# Few zones keep daylight saving on exactly the dates of one of these old
# rules (Australia starts on the first Sunday of October but ends on the
# first Sunday of April, Egypt ends on the last Thursday of October, and
# Greenland changes at 01:00 UT, 23:00 on Saturday in Nuuk). A zone gets the
# rule that is wrong on the fewest days of the years looked at, "0 - Not
# Used" among the candidates, so a zone that changes its clocks gets the
# nearest rule and a zone that does not gets 0. When two codes describe the
# same dates (6 and 9) the lower is given.
# ---------------------------------------------------------------------------
MON, TUE, WED, THU, FRI, SAT, SUN = range(7)


def nth_weekday(year, month, weekday, n):
    """The n-th (1-based) given weekday of a month."""
    first = dt.date(year, month, 1)
    return first + dt.timedelta(days=(weekday - first.weekday()) % 7 + 7 * (n - 1))


def last_weekday(year, month, weekday):
    """The last given weekday of a month."""
    following = dt.date(year + month // 12, month % 12 + 1, 1)
    last = following - dt.timedelta(days=1)
    return last - dt.timedelta(days=(last.weekday() - weekday) % 7)


def weekday_on_or_after(year, month, day, weekday):
    """The first given weekday on or after a date."""
    start = dt.date(year, month, day)
    return start + dt.timedelta(days=(weekday - start.weekday()) % 7)


# code: (entry text, start date of year, end date of year)
RULES = {
    1: ('2nd Sun Mar to First Sun Nov',
        lambda y: nth_weekday(y, 3, SUN, 2), lambda y: nth_weekday(y, 11, SUN, 1)),
    2: ('Last Sun Mar to Last Sun Oct',
        lambda y: last_weekday(y, 3, SUN), lambda y: last_weekday(y, 10, SUN)),
    3: ('Last Sun Oct to Last Sun Mar',
        lambda y: last_weekday(y, 10, SUN), lambda y: last_weekday(y, 3, SUN)),
    4: ('1st Sun Oct to Last Sun Mar',
        lambda y: nth_weekday(y, 10, SUN, 1), lambda y: last_weekday(y, 3, SUN)),
    5: ('1st Sun Oct to 3rd Sun Mar',
        lambda y: nth_weekday(y, 10, SUN, 1), lambda y: nth_weekday(y, 3, SUN, 3)),
    6: ('Last Fri Apr to Last Thur Sep',
        lambda y: last_weekday(y, 4, FRI), lambda y: last_weekday(y, 9, THU)),
    7: ('Apr 1 to Oct 1',
        lambda y: dt.date(y, 4, 1), lambda y: dt.date(y, 10, 1)),
    8: ('2nd Sat Oct to 2nd Sat Mar',
        lambda y: nth_weekday(y, 10, SAT, 2), lambda y: nth_weekday(y, 3, SAT, 2)),
    9: ('Last Fri Apr to Last Thur Sep',
        lambda y: last_weekday(y, 4, FRI), lambda y: last_weekday(y, 9, THU)),
    # "1st Sun Sept 8 to 1st Sun April 6": the first Sunday on or after 8 September
    # to the first Sunday on or after 6 April.
    10: ('1st Sun Sept 8 to 1st Sun April 6',
         lambda y: weekday_on_or_after(y, 9, 8, SUN), lambda y: weekday_on_or_after(y, 4, 6, SUN)),
    11: ('1st Sun Nov to Last Sun Jan',
         lambda y: nth_weekday(y, 11, SUN, 1), lambda y: last_weekday(y, 1, SUN)),
    12: ('April 1 to last Sun Oct',
         lambda y: dt.date(y, 4, 1), lambda y: last_weekday(y, 10, SUN)),
}

# ---------------------------------------------------------------------------
# Zones: transitions, standard offset, rule code.
# ---------------------------------------------------------------------------
UTC = dt.timezone.utc
DAY = dt.timedelta(days=1)
SECOND = dt.timedelta(seconds=1)


def offset_at(zone, instant):
    return instant.astimezone(zone).utcoffset()


def transitions(zone, year):
    """Offset changes whose local date lies in the year: (local date, before, after)."""
    found = []
    t = dt.datetime(year - 1, 12, 30, tzinfo=UTC)
    end = dt.datetime(year + 1, 1, 2, tzinfo=UTC)
    before = offset_at(zone, t)
    while t < end:
        after_t = t + DAY
        after = offset_at(zone, after_t)
        if after != before:
            lo, hi = t, after_t                      # offset(lo) == before, offset(hi) != before
            while hi - lo > SECOND:
                mid = lo + (hi - lo) / 2
                if offset_at(zone, mid) == before:
                    lo = mid
                else:
                    hi = mid
            changed = offset_at(zone, hi)
            local_date = (hi + before).date()
            if local_date.year == year:
                found.append((local_date, before, changed))
            before = changed
            t = hi
        else:
            t = after_t
    return found


def seconds_at_offset(zone, year, offset):
    """Seconds of the year during which the zone keeps the given offset."""
    t = dt.datetime(year, 1, 1, tzinfo=UTC)
    end = dt.datetime(year + 1, 1, 1, tzinfo=UTC)
    total = 0
    while t < end:        # hourly sampling is exact enough to tell a month from half a year
        if offset_at(zone, t) == offset:
            total += 3600
        t += dt.timedelta(hours=1)
    return total


ZoneSummary = collections.namedtuple('ZoneSummary', 'std_hours rule wrong_days note')

HOUR = dt.timedelta(hours=1)


def dst_days(year, start, end):
    """The days of a year on daylight saving that starts on start and ends on end."""
    days = [dt.date(year, 1, 1) + DAY * i for i in range((dt.date(year + 1, 1, 1) - dt.date(year, 1, 1)).days)]
    if start <= end:
        return {d for d in days if start <= d < end}
    return {d for d in days if d < end or d >= start}     # southern: the end comes first in the year


def best_rule(starts, ends, years):
    """The rule code wrong on the fewest days of the years, and that number of days."""
    zone_days = {y: dst_days(y, starts[y], ends[y]) for y in years}
    wrong = {0: sum(len(zone_days[y]) for y in years)}
    for code, (_, start, end) in RULES.items():
        wrong[code] = sum(len(zone_days[y] ^ dst_days(y, start(y), end(y))) for y in years)
    code = min(wrong, key=lambda c: (wrong[c], c))
    return code, wrong[code]


def zone_summary(name, years):
    """Standard offset (hours east) and DST rule code of a zone over the given years.

    - No transition in the years: that offset, rule 0.
    - Two offsets alternating, one forward and one back in each year: the
      standard offset is the LOWER one (so zones whose tz data writes winter
      as a negative daylight saving, Europe/Dublin, come out as 0 with summer
      time like London), and the rule is best_rule() of the start and end
      dates (0 when the two offsets lie other than one hour apart: the rules
      move the clock by one hour).
      Exception: when the higher offset is kept for more than three quarters
      of each year, the lower one is an interruption (Africa/Casablanca during
      Ramadan): the standard offset is the higher one and the rule 0.
    - Anything else (an offset change for good, several changes a year): the
      offset in force at the end of the last year, rule 0.
    wrong_days counts the days of the years on which the rule's daylight
    saving differs from the zone's.
    """
    zone = ZoneInfo(name)
    per_year = {y: transitions(zone, y) for y in years}
    last = offset_at(zone, dt.datetime(years[-1], 12, 31, 12, tzinfo=UTC))
    if not any(per_year.values()):
        return ZoneSummary(hours(last), 0, 0, '')
    offsets = {o for ts in per_year.values() for _, a, b in ts for o in (a, b)}
    regular = len(offsets) == 2 and all(
        len(ts) == 2 and sorted(b > a for _, a, b in ts) == [False, True] for ts in per_year.values())
    if not regular:
        return ZoneSummary(hours(last), 0, None, 'irregular: ' + '; '.join(
            f'{d} {hours(a)}->{hours(b)}' for ts in per_year.values() for d, a, b in ts))
    low, high = sorted(offsets)
    if all(seconds_at_offset(zone, y, high) > 0.75 * 365 * 86400 for y in years):
        return ZoneSummary(hours(high), 0, None, 'short interruptions at the lower offset')
    if high - low != HOUR:
        return ZoneSummary(hours(low), 0, None, f'daylight saving of {hours(high - low)} h')
    starts = {y: next(d for d, a, b in ts if b > a) for y, ts in per_year.items()}
    ends = {y: next(d for d, a, b in ts if b < a) for y, ts in per_year.items()}
    code, wrong = best_rule(starts, ends, years)
    note = '' if wrong == 0 else 'nearest rule: ' + '; '.join(f'{starts[y]} to {ends[y]}' for y in years)
    return ZoneSummary(hours(low), code, wrong, note)


def rule_offset_hours(std_hours, rule, day):
    """Hours east of UT on a day by the standard offset and the rule (as the dialog's list reads)."""
    if rule == 0:
        return std_hours
    _, start, end = RULES[rule]
    return std_hours + (1 if day in dst_days(day.year, start(day.year), end(day.year)) else 0)


def hours(offset):
    seconds = offset.total_seconds()
    if seconds % 900:
        raise ValueError(f'offset {offset} is not a whole quarter hour')
    return seconds / 3600


def tzdata_version():
    zi = ZONEINFO / 'tzdata.zi'
    first = zi.read_text().splitlines()[0] if zi.exists() else ''
    return first.removeprefix('# version ').strip() or 'unknown'


def country_zones():
    """ISO country code -> zone names, from the tz database's zone.tab."""
    zones = collections.defaultdict(list)
    for line in (ZONEINFO / 'zone.tab').read_text().splitlines():
        if line and not line.startswith('#'):
            code, _, name = line.split('\t')[:3]
            zones[code].append(name)
    return zones


def zone_links():
    """Old zone name -> the zone it now stands for, from tzdata.zi's links ("L zone old")."""
    links = {}
    for line in (ZONEINFO / 'tzdata.zi').read_text().splitlines():
        if line.startswith('L '):
            _, target, name = line.split()
            links[name] = target
    return links


def canonical_zone(name, links):
    """The zone a name stands for today: Asia/Calcutta is Asia/Kolkata, America/Godthab America/Nuuk."""
    seen = set()
    while name in links and name not in seen:
        seen.add(name)
        name = links[name]
    return name


# ---------------------------------------------------------------------------
# Countries: codes, names, continents.
# ---------------------------------------------------------------------------

# Records without an ISO code in the source.
CODE_BY_COUNTRY = {'Kosovo': 'XK', 'Somaliland': 'SO'}

# Names shown instead of the source's (keyed by ISO code, because the source
# names the French overseas departments "France").
COUNTRY_NAMES = {
    'US': 'United States', 'HK': 'Hong Kong', 'MO': 'Macau', 'VA': 'Vatican City',
    'GW': 'Guinea-Bissau', 'FM': 'Micronesia', 'SZ': 'Eswatini', 'MK': 'North Macedonia',
    'GF': 'French Guiana', 'GP': 'Guadeloupe', 'MQ': 'Martinique', 'RE': 'Réunion',
    'YT': 'Mayotte', 'AX': 'Åland', 'CW': 'Curaçao', 'BS': 'Bahamas', 'GM': 'Gambia',
}

CONTINENTS = {
    'Africa': 'DZ AO BJ BW BF BI CM CV CF TD KM CG CD CI DJ EG GQ ER ET GA GM GH GN GW KE LS LR '
              'LY MG MW ML MR MU YT MA MZ NA NE NG RE RW ST SN SC SL SO ZA SS SD SZ TZ TG TN UG '
              'EH ZM ZW',
    'Antarctica': 'AQ',
    'Asia': 'AF AM AZ BH BD BT BN KH CN GE HK IN ID IR IQ IL JP JO KZ KW KG LA LB MO MY MV MN '
            'MM NP KP OM PK PS PH QA SA SG KR LK SY TW TJ TH TL TR TM AE UZ VN YE',
    'Europe': 'AX AL AD AT BY BE BA BG HR CY CZ DK EE FO FI FR DE GI GR HU IS IE IM IT XK LV LI '
              'LT LU MT MD MC ME NL MK NO PL PT RO RU SM RS SK SI ES SJ SE CH UA GB VA',
    'North America': 'AG AW BS BB BZ BM CA KY CR CU CW DM DO SV GL GD GP GT HT HN JM MQ MX NI PA '
                     'PR KN LC VC TT TC US VI',
    'Oceania': 'AS AU CK FJ PF GU KI MH FM NC NZ MP PW PG WS SB TO TV VU',
    'South America': 'AR BO BR CL CO EC FK GF GY PY PE SR UY VE GS',
}
CONTINENT_OF = {code: name for name, codes in CONTINENTS.items() for code in codes.split()}

# Listed source records that have no zone, in countries with more than one
# zone (zone.tab: Chubut is on Catamarca time; Penza Oblast keeps Moscow time;
# Perm Krai keeps Yekaterinburg time; McMurdo keeps New Zealand time).
MISSING_ZONES = {
    ('Comodoro Rivadavia', 'AR'): 'America/Argentina/Catamarca',
    ('McMurdo Station', 'AQ'): 'Antarctica/McMurdo',
    ('Penza', 'RU'): 'Europe/Moscow',
    ('Perm', 'RU'): 'Asia/Yekaterinburg',
}

# Provinces whose cities all keep one zone where the source gives some of
# them the zone of another part of the country: China keeps Beijing time
# outside Xinjiang, but the source puts Lhasa (Tibet), Dunhuang, Golmud and
# Yumen (Gansu), Maoming and Zhanjiang (Guangdong) on Urumqi time.
PROVINCE_ZONES = {
    ('CN', 'Gansu'): 'Asia/Shanghai',
    ('CN', 'Guangdong'): 'Asia/Shanghai',
    ('CN', 'Xizang'): 'Asia/Shanghai',
}


def plain_name(text):
    """A name without accents, case, "_" or "-" (zone.tab's Ciudad_Juarez is Ciudad Juárez)."""
    return sort_key(text.replace('_', ' ').replace('-', ' '))[0]


def sort_key(text):
    """Alphabetical order that ignores accents and case."""
    plain = unicodedata.normalize('NFKD', text)
    return ''.join(c for c in plain if not unicodedata.combining(c)).casefold(), text


def distance_km(a, b):
    lat1, lng1, lat2, lng2 = map(math.radians, (a['lat'], a['lng'], b['lat'], b['lng']))
    h = math.sin((lat2 - lat1) / 2) ** 2 + math.cos(lat1) * math.cos(lat2) * math.sin((lng2 - lng1) / 2) ** 2
    return 2 * 6371.0 * math.asin(math.sqrt(h))


# ---------------------------------------------------------------------------
# Building the list.
# ---------------------------------------------------------------------------
City = collections.namedtuple('City', 'line region lat lng_west zone std_hours rule record')


def load_records():
    records = json.loads(SOURCE.read_text(encoding='utf-8'))
    for r in records:
        code = r['iso2'] if isinstance(r['iso2'], str) and r['iso2'] else CODE_BY_COUNTRY[r['country']]
        r['code'] = code
        r['country_name'] = COUNTRY_NAMES.get(code, r['country'])
        r['city'] = r['city'].strip()
        r['province'] = (r.get('province') or '').strip()
    return records


def select(records):
    """Cities above the limit, and the largest city of each country without one."""
    chosen = [r for r in records if r['pop'] >= MIN_POPULATION]
    covered = {r['code'] for r in chosen}
    largest = {}
    for r in records:
        if r['code'] not in covered and r['pop'] > largest.get(r['code'], {'pop': -1})['pop']:
            largest[r['code']] = r
    chosen += largest.values()
    # One city recorded twice (two spellings of one place): keep the larger record.
    groups = collections.defaultdict(list)
    for r in chosen:
        groups[(r['city'], r['province'], r['code'])].append(r)
    kept, merged = [], {}
    for key, group in groups.items():
        group.sort(key=lambda r: -r['pop'])
        for other in group[1:]:
            if distance_km(group[0], other) > SAME_PLACE_KM:
                sys.exit(f'two places called {key} lie {distance_km(group[0], other):.0f} km apart')
            merged[id(other)] = group[0]
        kept.append(group[0])
    return kept, merged


def zone_of(record, zones_by_country, links):
    """The zone of a record, by its tz database name of today.

    In this order: a zone of the record's country named after the city itself
    (the source is older than America/Ciudad_Juarez and America/Punta_Arenas
    and gives those cities Ojinaga and Santiago time); the zone of its
    province in PROVINCE_ZONES; the source's zone; MISSING_ZONES; the
    country's only zone.
    """
    own = zones_by_country.get(record['code'], [])
    named = [z for z in own if plain_name(z.rsplit('/', 1)[-1]) == plain_name(record['city'])]
    if named:
        return named[0]
    if (record['code'], record['province']) in PROVINCE_ZONES:
        return PROVINCE_ZONES[(record['code'], record['province'])]
    if record.get('timezone'):
        return canonical_zone(record['timezone'], links)
    if (record['city'], record['code']) in MISSING_ZONES:
        return MISSING_ZONES[(record['city'], record['code'])]
    if len(own) == 1:
        return own[0]
    sys.exit(f"no time zone for {record['city']}, {record['country']}: add it to MISSING_ZONES")


def regions(records):
    """Region name of each record (keyed by id)."""
    continent = {}
    for r in records:
        if r['code'] not in CONTINENT_OF:
            sys.exit(f"no continent for {r['country']} ({r['code']})")
        continent[id(r)] = CONTINENT_OF[r['code']]
    # Russia: a province belongs to Asia when its cities lie east of the Urals on average.
    provinces = collections.defaultdict(list)
    for r in records:
        if r['code'] == 'RU':
            provinces[r['province']].append(r['lng'] % 360)
    for r in records:
        if r['code'] == 'RU':
            lngs = provinces[r['province']]
            continent[id(r)] = 'Asia' if sum(lngs) / len(lngs) > URALS_LNG_EAST else 'Europe'
    sizes = collections.Counter((continent[id(r)], r['code']) for r in records)
    names = {}
    for r in records:
        name = continent[id(r)]
        if r['country_name'] != name:               # not for Antarctica
            name += f" - {r['country_name']}"
        if sizes[(continent[id(r)], r['code'])] > SPLIT_ABOVE:
            if not r['province']:
                sys.exit(f"{r['city']}, {r['country']} has no province to be listed under")
            name += f" - {r['province']}"
        names[id(r)] = name
    return names


def city_lines(records):
    """"City, Country", or "City, Province, Country" where the short line is taken twice."""
    short = {id(r): f"{r['city']}, {r['country_name']}" for r in records}
    taken = collections.Counter(short.values())
    lines = {}
    for r in records:
        line = short[id(r)]
        if taken[line] > 1:
            if not r['province']:
                sys.exit(f'{line} is listed twice and has no province to tell it apart')
            line = f"{r['city']}, {r['province']}, {r['country_name']}"
        lines[id(r)] = line
    doubles = [line for line, n in collections.Counter(lines.values()).items() if n > 1]
    if doubles:
        sys.exit(f'city lines still listed twice: {doubles}')
    return lines


def format_number(value, decimals):
    """Shortest plain decimal text of value rounded to the given decimals ("-5", "5.5")."""
    text = f'{value:.{decimals}f}'
    if '.' in text:
        text = text.rstrip('0').rstrip('.')
    return '0' if text in ('-0', '') else text


def west_longitude(lng_east):
    west = round((-lng_east) % 360.0, 4)
    return 0.0 if west >= 360.0 else west


def build(records, years, zones_by_country, links):
    kept, merged = select(records)
    region_of = regions(kept)
    line_of = city_lines(kept)
    summaries = {}
    cities = []
    for r in kept:
        zone = zone_of(r, zones_by_country, links)
        if zone not in summaries:
            summaries[zone] = zone_summary(zone, years)
        s = summaries[zone]
        cities.append(City(line_of[id(r)], region_of[id(r)], round(r['lat'], 4), west_longitude(r['lng']),
                           zone, s.std_hours, s.rule, r))
    cities.sort(key=lambda c: (sort_key(c.region), sort_key(c.line)))
    return cities, merged, summaries


def render(cities):
    lines = []
    region = None
    for c in cities:
        if c.region != region:
            region = c.region
            lines.append('*' + region)
        lines += [c.line, format_number(c.lat, 4), format_number(c.lng_west, 4),
                  format_number(c.std_hours, 2), str(c.rule), c.zone]
    return ''.join(line + '\r\n' for line in lines).encode('utf-8')


# ---------------------------------------------------------------------------
# Self-check: read the written file back as the dialog does and check it.
# ---------------------------------------------------------------------------
def check(condition, message):
    """Stops the script with the message when the condition fails."""
    if not condition:
        sys.exit(f'self-check failed: {message}')


NUMBER = re.compile(r'-?\d+(\.\d+)?')

# City line: (standard offset, rule, latitude, west longitude, zone), coordinates within 0.5 degree.
SPOT_CHECKS = {
    'New York, United States': (-5, 1, 40.7, 74.0, 'America/New_York'),
    'Chicago, United States': (-6, 1, 41.8, 87.7, 'America/Chicago'),
    'Phoenix, United States': (-7, 0, 33.4, 112.1, 'America/Phoenix'),
    'Honolulu, United States': (-10, 0, 21.3, 157.8, 'Pacific/Honolulu'),
    'Washington, D.C., United States': (-5, 1, 38.9, 77.0, 'America/New_York'),
    'Toronto, Canada': (-5, 1, 43.7, 79.4, 'America/Toronto'),
    'St. John’s, Canada': (-3.5, 1, 47.6, 52.7, 'America/St_Johns'),
    'Mexico City, Mexico': (-6, 0, 19.4, 99.1, 'America/Mexico_City'),
    'Ciudad Juárez, Mexico': (-7, 1, 31.7, 106.5, 'America/Ciudad_Juarez'),
    'Havana, Cuba': (-5, 1, 23.1, 82.4, 'America/Havana'),
    'Nuuk, Greenland': (-2, 2, 64.2, 51.7, 'America/Nuuk'),
    'London, United Kingdom': (0, 2, 51.5, 0.1, 'Europe/London'),
    'Dublin, Ireland': (0, 2, 53.3, 6.2, 'Europe/Dublin'),
    'Paris, France': (1, 2, 48.9, 357.7, 'Europe/Paris'),
    'Berlin, Germany': (1, 2, 52.5, 346.6, 'Europe/Berlin'),
    'Athens, Greece': (2, 2, 38.0, 336.3, 'Europe/Athens'),
    'Moscow, Russia': (3, 0, 55.75, 322.4, 'Europe/Moscow'),
    'Casablanca, Morocco': (1, 0, 33.6, 7.6, 'Africa/Casablanca'),
    'Cairo, Egypt': (2, 12, 30.05, 328.75, 'Africa/Cairo'),
    'Jerusalem, Israel': (2, 2, 31.8, 324.8, 'Asia/Jerusalem'),
    'Tehran, Iran': (3.5, 0, 35.7, 308.6, 'Asia/Tehran'),
    'Kolkata, India': (5.5, 0, 22.5, 271.7, 'Asia/Kolkata'),
    'Kathmandu, Nepal': (5.75, 0, 27.7, 274.7, 'Asia/Kathmandu'),
    'Beijing, China': (8, 0, 39.9, 243.6, 'Asia/Shanghai'),
    'Lhasa, China': (8, 0, 29.65, 268.9, 'Asia/Shanghai'),
    'Urumqi, China': (6, 0, 43.8, 272.4, 'Asia/Urumqi'),
    'Tokyo, Japan': (9, 0, 35.7, 220.3, 'Asia/Tokyo'),
    'Sydney, Australia': (10, 4, -33.9, 208.8, 'Australia/Sydney'),
    'Adelaide, Australia': (9.5, 4, -34.9, 221.4, 'Australia/Adelaide'),
    'Auckland, New Zealand': (12, 4, -36.85, 185.2, 'Pacific/Auckland'),
    'Santiago, Chile': (-4, 10, -33.45, 70.65, 'America/Santiago'),
    'Punta Arenas, Chile': (-3, 0, -53.2, 70.9, 'America/Punta_Arenas'),
    'Buenos Aires, Argentina': (-3, 0, -34.6, 58.4, 'America/Argentina/Buenos_Aires'),
    'Sao Paulo, Brazil': (-3, 0, -23.55, 46.6, 'America/Sao_Paulo'),
}

# Zone: (standard offset, rule).
ZONE_CHECKS = {
    'America/New_York': (-5, 1), 'America/Havana': (-5, 1), 'America/St_Johns': (-3.5, 1),
    'America/Phoenix': (-7, 0), 'Europe/London': (0, 2), 'Europe/Dublin': (0, 2),
    'Europe/Paris': (1, 2), 'Asia/Beirut': (2, 2), 'Africa/Casablanca': (1, 0),
    'Africa/Cairo': (2, 12), 'Australia/Sydney': (10, 4), 'Australia/Lord_Howe': (10.5, 0),
    'Pacific/Auckland': (12, 4), 'Pacific/Chatham': (12.75, 4), 'America/Santiago': (-4, 10),
    'America/Asuncion': (-3, 0), 'Asia/Tehran': (3.5, 0), 'Asia/Kolkata': (5.5, 0),
    'Asia/Kathmandu': (5.75, 0), 'America/Nuuk': (-2, 2), 'Asia/Jerusalem': (2, 2),
}


def check_rule_dates():
    wanted = {  # 2026 dates from a calendar
        1: ('2026-03-08', '2026-11-01'), 2: ('2026-03-29', '2026-10-25'),
        3: ('2026-10-25', '2026-03-29'), 4: ('2026-10-04', '2026-03-29'),
        5: ('2026-10-04', '2026-03-15'), 6: ('2026-04-24', '2026-09-24'),
        7: ('2026-04-01', '2026-10-01'), 8: ('2026-10-10', '2026-03-14'),
        10: ('2026-09-13', '2026-04-12'), 11: ('2026-11-01', '2026-01-25'),
        12: ('2026-04-01', '2026-10-25'),
    }
    for code, (start, end) in wanted.items():
        got = (RULES[code][1](2026).isoformat(), RULES[code][2](2026).isoformat())
        check(got == (start, end), f'rule {code} in 2026: got {got}, want {(start, end)}')


def parse_file(data, zone_names):
    """Reads the file as the dialog does: regions -> [(city line, lat, lng, tz text, rule, zone)]."""
    check(not data.startswith(b'\xef\xbb\xbf'), 'the file starts with a byte order mark')
    text = data.decode('utf-8')
    check(text.endswith('\r\n'), 'the last line has no CR LF')
    lines = text[:-2].split('\r\n')
    check(not any('\r' in l or '\n' in l for l in lines), 'a line ends other than with CR LF')
    regions_ = {}
    current = None
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith('*'):
            current = line[1:]
            check(current and current not in regions_, f'region {current!r} empty or repeated')
            check(',' not in current, f'region {current!r} holds a ","')
            regions_[current] = []
            i += 1
            continue
        check(current is not None, f'line {i + 1} {line!r} stands before the first region')
        check(',' in line, f'line {i + 1} {line!r} is neither a region nor a city')
        check(i + 5 < len(lines), f'city {line!r} lacks its five lines')
        five = lines[i + 1:i + 6]
        for item in five:
            check(',' not in item and not item.startswith('*'), f'city {line!r}: bad line {item!r}')
        for item in five[:4]:
            check(NUMBER.fullmatch(item), f'city {line!r}: {item!r} is not a plain number')
        lat, lng, tz, rule, zone = five
        check(-90 <= float(lat) <= 90, f'{line}: latitude {lat}')
        check(0 <= float(lng) < 360, f'{line}: west longitude {lng}')
        check(-12 <= float(tz) <= 14 and (float(tz) * 4).is_integer(), f'{line}: time zone {tz}')
        check(re.fullmatch(r'\d{1,2}', rule) and 0 <= int(rule) <= 12, f'{line}: rule {rule}')
        check(zone in zone_names, f'{line}: {zone!r} is no zone of zone.tab')
        regions_[current].append((line, float(lat), float(lng), tz, int(rule), zone))
        i += 6
    return regions_


def self_check(data, cities, merged, records, summaries, years):
    check_rule_dates()
    for zone, (std, rule) in ZONE_CHECKS.items():
        s = summaries.get(zone) or zone_summary(zone, years)
        summaries[zone] = s
        check((s.std_hours, s.rule) == (std, rule), f'{zone}: got {s.std_hours} rule {s.rule}, want {std} rule {rule}')

    zones_by_country = country_zones()
    parsed = parse_file(data, {z for zs in zones_by_country.values() for z in zs})
    check(all(parsed.values()), 'a region without cities')
    names = list(parsed)
    check(names == sorted(names, key=sort_key), 'regions out of order')
    entries = [e for cs in parsed.values() for e in cs]
    for region, cs in parsed.items():
        check([c[0] for c in cs] == sorted((c[0] for c in cs), key=sort_key), f'{region}: cities out of order')
    lines = [e[0] for e in entries]
    check(len(lines) == len(set(lines)), 'a city line is listed twice')
    check(len(entries) == len(cities), f'{len(entries)} cities read back, {len(cities)} written')

    # Every city above the limit is listed (or is a second record of a listed one).
    listed = {id(c.record) for c in cities}
    for r in records:
        if r['pop'] >= MIN_POPULATION:
            check(id(r) in listed or id(merged.get(id(r))) in listed, f"{r['city']}, {r['country']} is missing")
    # Every country is listed.
    check({r['code'] for r in records} == {c.record['code'] for c in cities}, 'a country is missing')

    # Read back values agree with the source.
    by_line = {e[0]: e for e in entries}
    for c in cities:
        line, lat, lng, tz, rule, zone = by_line[c.line]
        check(abs(lat - c.record['lat']) < 1e-4 and abs(((lng + c.record['lng']) + 180) % 360 - 180) < 1e-4, f'{line}: position')
        check(float(tz) == c.std_hours and rule == c.rule and zone == c.zone, f'{line}: zone')

    # Standard offset and rule give the zone's clock in mid-winter and mid-summer.
    for line, _, _, tz, rule, zone in entries:
        for y in years:
            for month in (1, 7):
                day = dt.date(y, month, 15)
                want = hours(offset_at(ZoneInfo(zone), dt.datetime(y, month, 15, 12, tzinfo=UTC)))
                got = rule_offset_hours(float(tz), rule, day)
                check(got == want, f'{line}: {got} h on {day} by the standard offset and rule {rule}, {zone} keeps {want} h')

    # A city's zone is its country's, or keeps the same time as one of its country's zones.
    for c in cities:
        own = zones_by_country.get(c.record['code'])
        if own and c.zone not in own:
            alike = [z for z in own if zone_summary(z, years)[:2] == (c.std_hours, c.rule)]
            check(alike, f'{c.line}: zone {c.zone} keeps a time none of its country keeps')

    for line, (std, rule, lat, lng_west, zone) in SPOT_CHECKS.items():
        check(line in by_line, f'{line!r} is not listed')
        _, got_lat, got_lng, got_tz, got_rule, got_zone = by_line[line]
        check((float(got_tz), got_rule, got_zone) == (std, rule, zone),
              f'{line}: got {got_tz} rule {got_rule} {got_zone}, want {std} rule {rule} {zone}')
        check(abs(got_lat - lat) < 0.5 and abs(got_lng - lng_west) < 0.5, f'{line}: at {got_lat} {got_lng}')
    for region, line in [('Europe - Germany', 'Berlin, Germany'),
                         ('North America - United States - California', 'Los Angeles, United States'),
                         ('North America - United States - Illinois', 'Springfield, Illinois, United States'),
                         ('North America - United States - Missouri', 'Springfield, Missouri, United States'),
                         ('Asia - Russia', 'Novosibirsk, Russia'), ('Europe - Russia', 'Moscow, Russia'),
                         ('Antarctica', 'McMurdo Station, Antarctica')]:
        check(line in (e[0] for e in parsed.get(region, [])), f'{line!r} is not listed under {region!r}')
    return parsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--year', type=int, default=dt.date.today().year,
                        help='first of the two years whose daylight-saving dates are compared (default: this year)')
    args = parser.parse_args()
    years = (args.year, args.year + 1)
    if str(ZONEINFO) not in TZPATH:
        sys.exit(f'zoneinfo does not read {ZONEINFO}')

    records = load_records()
    cities, merged, summaries = build(records, years, country_zones(), zone_links())
    data = render(cities)
    OUTPUT.write_bytes(data)
    parsed = self_check(OUTPUT.read_bytes(), cities, merged, records, summaries, years)

    rules = collections.Counter(c.rule for c in cities)
    continents = collections.Counter(name.split(' - ')[0] for name in parsed)
    print(f'{OUTPUT.name}: {len(cities)} cities in {len(parsed)} regions, {len(data)} bytes')
    print(f'tz database {tzdata_version()}, daylight-saving dates of {years[0]} and {years[1]}')
    print('regions per continent: ' + ', '.join(f'{k} {v}' for k, v in sorted(continents.items())))
    print('cities per rule code: ' + ', '.join(f'{k}: {rules[k]}' for k in sorted(rules)))
    used = {c.zone for c in cities}
    for zone in sorted(used):
        s = summaries[zone]
        if s.note:
            print(f'  {zone}: standard {format_number(s.std_hours, 2)}, rule {s.rule} ({s.note}'
                  + (f'; wrong on {s.wrong_days} days)' if s.wrong_days else ')'))
    print('self-check passed')


if __name__ == '__main__':
    main()
