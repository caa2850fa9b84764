#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers

"""Fits the correction that brings libnova's Pluto onto JPL DE431.

libnova's Pluto is the series of Meeus, Astronomical Algorithms ch. 37,
fitted to DE200 for 1885-2099. Against DE431 its heliocentric longitude runs
about 1" behind in 1885 and 3.6" ahead by 2100. This script samples both
every 10 days of TT over 1885-2100 and fits, by least squares, a cubic in
Julian centuries of TT from J2000.0 to the difference DE431 - series of the
heliocentric ecliptic longitude and latitude (mean ecliptic and equinox of
J2000.0, geometric). It prints the coefficients as the C++ lines of
engine/plutocorrection.cpp, and the fit's residuals.

Sources:
  DE431: the Swiss Ephemeris (Debian 12 packages libswe2.0, the library, and
         swe-basic-data, the file sepl_18.se1 for 1800-2400), Pluto being
         the barycentre of the Pluto system.
  series: libnova 0.16 (Debian 12 package libnova-0.16-0), the same library
         the engine calls.
Both are needed only to run this script; the product does not link or read
the Swiss Ephemeris. Install with
    apt-get install libswe2.0 swe-basic-data libnova-0.16-0

Usage:
  /usr/bin/python3 fit-pluto-correction.py     prints the lines, changes nothing
"""

import ctypes
import math

J2000 = 2451545.0
FIRST_JDE = 2409542.5                    # 1885-01-01
LAST_JDE = 2488069.5                     # 2100-12-31
STEP_DAYS = 10.0
DEGREE = 3

SEFLG_SWIEPH = 2
SEFLG_HELCTR = 8
SEFLG_TRUEPOS = 16
SEFLG_J2000 = 32
SEFLG_NONUT = 64
SEFLG_NOGDEFL = 512
SEFLG_NOABERR = 1024
SE_PLUTO = 9
FLAGS = (SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_J2000 | SEFLG_NONUT |
         SEFLG_NOGDEFL | SEFLG_NOABERR)


class HelioPosn(ctypes.Structure):
    _fields_ = [('L', ctypes.c_double), ('B', ctypes.c_double), ('R', ctypes.c_double)]


swe = ctypes.CDLL('libswe.so.2')
swe.swe_calc.argtypes = [ctypes.c_double, ctypes.c_int32, ctypes.c_int32,
                         ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
swe.swe_calc.restype = ctypes.c_int32
swe.swe_set_ephe_path.argtypes = [ctypes.c_char_p]
nova = ctypes.CDLL('libnova-0.16.so.0')
nova.ln_get_pluto_helio_coords.argtypes = [ctypes.c_double, ctypes.POINTER(HelioPosn)]


def de431(jde):
    xx = (ctypes.c_double * 6)()
    err = ctypes.create_string_buffer(256)
    flags = swe.swe_calc(jde, SE_PLUTO, FLAGS, xx, err)
    if flags < 0 or not flags & SEFLG_SWIEPH:
        # Without its files the library falls back to a lesser theory.
        raise SystemExit('Swiss Ephemeris files not used: %s' % err.value.decode())
    return xx[0], xx[1]


def series(jde):
    p = HelioPosn()
    nova.ln_get_pluto_helio_coords(jde, ctypes.byref(p))
    return p.L, p.B


def least_squares(ts, ys):
    """Coefficients c0..c3 of sum c_k t^k by the normal equations."""
    n = DEGREE + 1
    a = [[sum(t ** (i + j) for t in ts) for j in range(n)] for i in range(n)]
    b = [sum(y * t ** i for t, y in zip(ts, ys)) for i in range(n)]
    for col in range(n):                 # Gauss-Jordan with partial pivoting
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        b[col], b[pivot] = b[pivot], b[col]
        for r in range(n):
            if r != col:
                f = a[r][col] / a[col][col]
                a[r] = [x - f * y for x, y in zip(a[r], a[col])]
                b[r] -= f * b[col]
    return [b[i] / a[i][i] for i in range(n)]


def evaluate(c, t):
    return sum(ck * t ** k for k, ck in enumerate(c))


def main():
    swe.swe_set_ephe_path(b'/usr/share/libswe/ephe')
    ts, d_lon, d_lat = [], [], []
    jde = FIRST_JDE
    while jde <= LAST_JDE:
        lon, lat = de431(jde)
        s_lon, s_lat = series(jde)
        ts.append((jde - J2000) / 36525)
        d_lon.append(math.remainder(lon - s_lon, 360) * 3600)
        d_lat.append((lat - s_lat) * 3600)
        jde += STEP_DAYS
    quantities = (('Lon', 'longitude', d_lon), ('Lat', 'latitude', d_lat))
    rows = {key: ['%.4f' % x for x in least_squares(ts, ys)] for key, _, ys in quantities}
    for key, _, _ in quantities:
        print('constexpr double k%sArcsec[] = {%s};' % (key, ', '.join(rows[key])))
    for key, name, ys in quantities:
        # The residuals of the coefficients as printed, not of the exact fit.
        committed = [float(x) for x in rows[key]]
        residuals = [y - evaluate(committed, t) for t, y in zip(ts, ys)]
        print('// %s: DE431 - series from %.2f" to %.2f"; after the correction at most %.3f", '
              'RMS %.3f" (%d samples)' % (
                  name, min(ys), max(ys), max(abs(r) for r in residuals),
                  math.sqrt(sum(r * r for r in residuals) / len(residuals)), len(ys)))


if __name__ == '__main__':
    main()
