#!/usr/bin/python3
"""Cross-checks gen_solar_terms against PyEphem (Debian package python3-ephem).

For every solar term of 1900-2054, finds with PyEphem the instant at which the
Sun's apparent geocentric ecliptic longitude, referred to the equinox of date,
reaches the term's longitude, and compares it with the generator's
full-precision instant (gen_solar_terms --instants).

PyEphem works in UT with its own Delta T, so the differences are reported as
  TT  (ephem UT + ephem Delta T) - generator TT: the difference of the two
      solar theories alone;
  UT  ephem UT - generator UT (= the UTC+8 instants shifted by 8 h): the
      above plus the difference between the two Delta T models.

PyEphem's apparent Sun differs from the generator's in two known model
choices, each worth several seconds:
  * its annual aberration has a fixed size (about 20.5"), while the true
    one scales with 1/R (20.84" at perihelion, 20.15" at aphelion);
  * it precesses with the IAU 1976 rate; the generator uses the IAU 2006
    rate, 0.30" per century slower.
The "aligned" TT difference solves again with PyEphem's longitude corrected
for these two, which leaves the rest of both computations to be compared.
Exits non-zero if the aligned TT difference exceeds --tolerance seconds or
the raw one exceeds --raw-tolerance seconds.

Usage:
  check_ephem.py GENERATOR            run GENERATOR --instants
  check_ephem.py --instants FILE      read that output from FILE
"""

import argparse
import math
import subprocess
import sys

import ephem

FIRST_YEAR, LAST_YEAR = 1900, 2054
EXPECTED_TERMS = (LAST_YEAR - FIRST_YEAR + 1) * 24
DUBLIN_JD = 2415020.0                   # JD of ephem.Date(0), 1899-12-31 12:00
UNIX_EPOCH = float(ephem.Date('1970/1/1'))
SECONDS_PER_DAY = 86400.0
CST = 8 * ephem.hour                    # UTC+8


def read_instants(args):
    """Returns the generator's records as dicts, in output order."""
    if args.instants:
        with open(args.instants) as f:
            text = f.read()
    else:
        text = subprocess.run([args.generator, '--instants'], check=True,
                              capture_output=True, text=True).stdout
    records = []
    for line in text.splitlines():
        f = line.split()
        records.append({
            'year': int(f[0]), 'month': int(f[1]), 'pos': int(f[2]),
            'target': float(f[3]), 'jde': float(f[4]), 'delta_t': float(f[5]),
            'unix': float(f[6]), 'local': f[7],
        })
    return records


def wrap_pi(x):
    """Reduces an angle to (-pi, pi]."""
    x = math.fmod(x, 2 * math.pi)
    if x > math.pi:
        x -= 2 * math.pi
    elif x <= -math.pi:
        x += 2 * math.pi
    return x


_sun = ephem.Sun()


def apparent_longitude(date):
    """Apparent geocentric ecliptic longitude of the Sun, equinox of date.

    g_ra/g_dec are PyEphem's apparent geocentric place (aberration and
    nutation applied, equinox of date whatever epoch is asked for); turning
    them into ecliptic coordinates with the same epoch involves no
    precession. PyEphem uses the mean obliquity there, which changes the
    longitude of a point on the ecliptic only to second order (~1e-4").
    """
    _sun.compute(date)
    equatorial = ephem.Equatorial(_sun.g_ra, _sun.g_dec, epoch=date)
    return float(ephem.Ecliptic(equatorial, epoch=date).lon)


ARCSEC = math.pi / (180 * 3600)


def aligned_longitude(date):
    """apparent_longitude() with 1/R-scaled aberration and IAU 2006 precession."""
    lon = apparent_longitude(date)       # also computes _sun for this date
    r = _sun.earth_distance
    t = (float(date) + DUBLIN_JD - 2451545.0) / 36525.0   # centuries, UT is close enough
    aberration_scaling = -20.4898 * (1.0 / r - 1.0)
    precession = ((5028.796195 - 5029.0966) + (1.1054348 - 1.11113) * t) * t
    return lon + (aberration_scaling + precession) * ARCSEC


def solve_ut(target_deg, guess, longitude=apparent_longitude):
    """Secant search for the UT date (ephem days) of the given longitude."""
    target = math.radians(target_deg)

    def offset(d):
        return wrap_pi(longitude(d) - target)

    x0, x1 = guess, guess + 1.0
    f0, f1 = offset(x0), offset(x1)
    for _ in range(50):
        x2 = x1 - f1 * (x1 - x0) / (f1 - f0)
        if abs(x2 - x1) < 1e-9:
            return x2
        x0, f0 = x1, f1
        x1, f1 = x2, offset(x2)
    raise RuntimeError('no convergence for %s near %s' % (target_deg, ephem.Date(guess)))


def local_text(ut_date):
    """UTC+8 date and time of an ephem UT date, with milliseconds."""
    y, mo, d, h, mi, s = ephem.Date(ut_date + CST).tuple()
    return '%04d-%02d-%02dT%02d:%02d:%06.3f+08:00' % (y, mo, d, h, mi, s)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('generator', nargs='?', help='gen_solar_terms executable')
    parser.add_argument('--instants', help='saved output of gen_solar_terms --instants')
    parser.add_argument('--tolerance', type=float, default=5.0,
                        help='largest aligned TT difference accepted, seconds (default 5)')
    parser.add_argument('--raw-tolerance', type=float, default=30.0,
                        help='largest raw TT difference accepted, seconds (default 30)')
    args = parser.parse_args()
    if bool(args.generator) == bool(args.instants):
        parser.error('give either GENERATOR or --instants FILE')

    records = read_instants(args)
    if len(records) != EXPECTED_TERMS:
        sys.exit('expected %d instants, got %d' % (EXPECTED_TERMS, len(records)))

    rows = []
    for r in records:
        # Independent starting point: the 6th or 21st of the month, 00:00 UTC+8.
        guess = float(ephem.Date((r['year'], r['month'], 6 if r['pos'] == 0 else 21))) - CST
        ut = solve_ut(r['target'], guess)
        ephem_delta_t = ephem.delta_t(ut)
        gen_ut = UNIX_EPOCH + r['unix'] / SECONDS_PER_DAY
        gen_tt = r['jde'] - DUBLIN_JD
        ephem_tt = ut + ephem_delta_t / SECONDS_PER_DAY
        ut_aligned = solve_ut(r['target'], guess, aligned_longitude)
        tt_aligned = ut_aligned + ephem.delta_t(ut_aligned) / SECONDS_PER_DAY
        rows.append({
            'rec': r, 'ut': ut, 'ut_aligned': ut_aligned,
            'd_tt': (ephem_tt - gen_tt) * SECONDS_PER_DAY,
            'd_tt_aligned': (tt_aligned - gen_tt) * SECONDS_PER_DAY,
            'd_ut': (ut - gen_ut) * SECONDS_PER_DAY,
            'd_delta_t': ephem_delta_t - r['delta_t'],
        })

    def show(label, key, ut_key='ut'):
        worst = max(rows, key=lambda row: abs(row[key]))
        values = [row[key] for row in rows]
        rms = math.sqrt(sum(v * v for v in values) / len(values))
        r = worst['rec']
        print('%-31s max |%+.3f| s at %d-%02d term %d (ephem %s, generator %s);'
              ' mean %+.3f s, rms %.3f s'
              % (label, worst[key], r['year'], r['month'], r['pos'] + 1,
                 local_text(worst[ut_key]), r['local'], sum(values) / len(values), rms))
        return abs(worst[key])

    print('%d instants compared' % len(rows))
    max_tt = show('TT difference (solar theory):', 'd_tt')
    max_aligned = show('TT difference, aligned models:', 'd_tt_aligned', 'ut_aligned')
    show('UT / UTC+8 difference (raw):', 'd_ut')
    show('Delta T, ephem - generator:', 'd_delta_t')
    # The raw UT difference is the TT difference minus the Delta T difference.
    residual = max(abs(row['d_ut'] - (row['d_tt'] - row['d_delta_t'])) for row in rows)
    print('consistency |UT - (TT - dDeltaT)| max %.4f s' % residual)

    failed = False
    if max_aligned > args.tolerance:
        print('FAIL: aligned TT difference %.3f s exceeds %.3f s' % (max_aligned, args.tolerance))
        failed = True
    if max_tt > args.raw_tolerance:
        print('FAIL: raw TT difference %.3f s exceeds %.3f s' % (max_tt, args.raw_tolerance))
        failed = True
    if failed:
        return 1
    print('OK: TT difference within %.3f s aligned, %.3f s raw'
          % (args.tolerance, args.raw_tolerance))
    return 0


if __name__ == '__main__':
    sys.exit(main())
