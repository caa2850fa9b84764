#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers

"""The Tonight window's rows computed with PyEphem, timed.

The reference beside bench_tonight's BM_TonightRefresh: the same twelve
targets (the Sun, the Moon, Mercury to Neptune, Vega, Deneb and M 31), the
same observer (52 N, 0.1 W), the same day (2024-11-04 from local midnight at
UT+1) and the same instants, one minute later each refresh. A refresh
computes per target what a row shows: the day's rising, upper transit (with
its altitude) and setting (with their azimuths), the place now, and the
upper transits before and after now. The observer is the almanac's: no
refraction model (pressure 0), the standard altitudes as horizon (the Sun's
upper limb at -0:50, the Moon's at -0:34 with its parallax, any other
centre at -0:34).

Needs Debian's python3-ephem (run with /usr/bin/python3).

Usage:
  /usr/bin/python3 pyephem_tonight.py [REFRESHES] [REPETITIONS]
prints the median over REPETITIONS (default 5) of the processor time per
refresh over REFRESHES refreshes (default 100), in milliseconds, as Google
Benchmark's CPU column gives it for BM_TonightRefresh.
"""

import math
import statistics
import sys
import time

import ephem

AUTOMATION_EPOCH_JD = 2415018.5  # JD of automation date 0
DUBLIN_EPOCH_JD = 2415020.0      # JD of ephem.Date(0)
DAY_START = 45600 - 1.0 / 24     # 2024-11-04, local midnight at UT+1
NOW = 45600 + 20.0 / 24
LAT_DEG = 52.0
LNG_WEST_DEG = 0.1
# Right ascension (hours) and declination (degrees) of date.
FIXED = (('Vega', 18.6156, 38.7836), ('Deneb', 20.6905, 45.2803), ('M 31', 0.7123, 41.2689))


def to_ephem(days):
    return ephem.Date(days + AUTOMATION_EPOCH_JD - DUBLIN_EPOCH_JD)


def targets():
    bodies = [ephem.Sun(), ephem.Moon(), ephem.Mercury(), ephem.Venus(), ephem.Mars(),
              ephem.Jupiter(), ephem.Saturn(), ephem.Uranus(), ephem.Neptune()]
    for name, ra_hours, dec_deg in FIXED:
        star = ephem.FixedBody()
        star.name = name
        star._ra = math.radians(ra_hours * 15)
        star._dec = math.radians(dec_deg)
        star._epoch = to_ephem(NOW)
        bodies.append(star)
    return bodies


def observer(body):
    obs = ephem.Observer()
    obs.lat = math.radians(LAT_DEG)
    obs.lon = math.radians(-LNG_WEST_DEG)
    obs.elevation = 0
    obs.pressure = 0
    obs.horizon = math.radians((-50 if isinstance(body, ephem.Sun) else -34) / 60)
    return obs


def row(body, day_start, now):
    obs = observer(body)
    use_center = not isinstance(body, ephem.Moon)
    start = to_ephem(day_start)
    events = []
    for method in (obs.next_rising, obs.next_setting):
        try:
            events.append((method(body, start=start, use_center=use_center), body.az))
        except ephem.CircumpolarError:
            events.append(None)
    transit = obs.next_transit(body, start=start)
    transit_alt = body.alt
    obs.date = to_ephem(now)
    body.compute(obs)
    place = (body.alt, body.az, body.alt >= obs.horizon)
    around = (obs.previous_transit(body), obs.next_transit(body))
    return events, transit, transit_alt, place, around


def refresh(bodies, day_start, now):
    return [row(body, day_start, now) for body in bodies]


def main():
    refreshes = int(sys.argv[1]) if len(sys.argv) > 1 else 100
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    bodies = targets()
    per_refresh_ms = []
    day_start, now = DAY_START, NOW
    for _ in range(repetitions):
        begin = time.process_time()
        for _ in range(refreshes):
            refresh(bodies, day_start, now)
            day_start += 1.0 / 1440
            now += 1.0 / 1440
        per_refresh_ms.append((time.process_time() - begin) * 1000 / refreshes)
    print('PyEphem %s, Tonight refresh of %d rows: %.3f ms (median of %d x %d refreshes)' % (
        ephem.__version__, len(bodies), statistics.median(per_refresh_ms), repetitions, refreshes))


if __name__ == '__main__':
    main()
