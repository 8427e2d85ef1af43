// gen_solar_terms: computes the instants of the 24 solar terms for the years
// 1900-2054 and writes them as the byte table engine/solar_term_table.inc.
//
// A solar term is the instant at which the Sun's apparent geocentric ecliptic
// longitude (true equinox of date) reaches a multiple of 15 degrees.  Month m
// of a Gregorian year holds two of them: 285 + 30*(m-1) degrees and 15 degrees
// more (January: 285 and 300, March: 345 and 0, December: 255 and 270).
//
// Method:
//   * Earth's heliocentric position from the complete VSOP87D series
//     (ecliptic and equinox of date), turned around to give the Sun,
//   * light time and annual aberration, the FK5 frame correction (Meeus,
//     Astronomical Algorithms, chapter 32), the IAU 2006 precession rate in
//     place of the older one built into VSOP87D, and IAU 1980 nutation in
//     longitude (Meeus chapter 22),
//   * a secant iteration on the longitude, in Terrestrial Time,
//   * Delta T from the Espenak-Meeus polynomials, then UTC+8.
//
// Each instant is stored as three bytes: day and hour of the instant in UTC+8
// (truncated), and the minute of the hour rounded to the nearest minute
// without carrying into the hour, so 21:59:45 is stored as 21 and 60.
//
// Usage:
//   gen_solar_terms [OUTPUT]          table to OUTPUT (default: stdout)
//   gen_solar_terms --instants [OUT]  one line per term with the full-precision
//                                     instant, for cross-checking:
//     YEAR MONTH POS TARGET_DEG JDE_TT DELTA_T_S UNIX_UTC LOCAL_UTC+8
//   POS is 0 for the month's first term and 1 for the second.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numbers>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2054;

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kArcsecToRad = kDegToRad / 3600.0;

constexpr double kJ2000 = 2451545.0;          // JD of 2000-01-01 12:00 TT
constexpr double kUnixEpochJd = 2440587.5;    // JD of 1970-01-01 00:00 UTC
constexpr double kSecondsPerDay = 86400.0;
constexpr double kChinaStandardTimeOffsetDays = 8.0 / 24.0;

// ---------------------------------------------------------------------------
// Series data (converted from the npm package astronomia, see the
// convert_*.js scripts next to this file).

struct VsopTerm {
    double a, b, c;
};
using VsopSeries = std::span<const VsopTerm>;
#include "vsop87d_earth.inc"

struct NutationTerm {
    int d, m, mp, f, om;   // multipliers of the fundamental arguments
    double s0, s1;         // longitude coefficient (s0 + s1*T), 0.0001"
    double c0, c1;         // obliquity coefficient (c0 + c1*T), 0.0001"
};
#include "nutation_iau1980.inc"

// ---------------------------------------------------------------------------
// Small helpers.

// Reduces an angle to [0, 2*pi).
double normalizeAngle(double rad) {
    double r = std::fmod(rad, kTwoPi);
    return r < 0 ? r + kTwoPi : r;
}

// Reduces an angle difference to (-pi, pi].
double wrapDifference(double rad) {
    double r = normalizeAngle(rad);
    return r > kPi ? r - kTwoPi : r;
}

// Julian centuries of 36525 days from J2000.0.
double centuriesSinceJ2000(double jde) { return (jde - kJ2000) / 36525.0; }

// Julian Day Number (integer, noon-based) of a Gregorian calendar date.
long julianDayNumber(int year, int month, int day) {
    const long a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Julian Date of 00:00 on a Gregorian calendar date.
double julianDateAtMidnight(int year, int month, int day) {
    return static_cast<double>(julianDayNumber(year, month, day)) - 0.5;
}

struct CivilDate {
    int year, month, day;
};

// Gregorian calendar date of a Julian Day Number.
CivilDate civilFromJulianDayNumber(long jdn) {
    const long a = jdn + 32044;
    const long b = (4 * a + 3) / 146097;
    const long c = a - 146097 * b / 4;
    const long d = (4 * c + 3) / 1461;
    const long e = c - 1461 * d / 4;
    const long m = (5 * e + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    date.month = static_cast<int>(m + 3 - 12 * (m / 10));
    date.year = static_cast<int>(100 * b + d - 4800 + m / 10);
    return date;
}

// ---------------------------------------------------------------------------
// Position of the Sun.

// Evaluates one VSOP87 coordinate: sum over powers i of tau^i * sum(A cos(B + C tau)).
double evaluateVsop(std::span<const VsopSeries> series, double tau) {
    double result = 0.0;
    double tauPower = 1.0;
    for (const VsopSeries& terms : series) {
        double sum = 0.0;
        for (const VsopTerm& t : terms) sum += t.a * std::cos(t.b + t.c * tau);
        result += sum * tauPower;
        tauPower *= tau;
    }
    return result;
}

struct HeliocentricPosition {
    double longitude;  // radians, ecliptic and mean equinox of date (VSOP87 frame)
    double latitude;   // radians
    double radius;     // au
};

// Earth's heliocentric position at the given Julian Ephemeris Day (TT).
HeliocentricPosition earthPosition(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;
    return {evaluateVsop(kEarthL, tau), evaluateVsop(kEarthB, tau),
            evaluateVsop(kEarthR, tau)};
}

// Nutation in longitude (radians), IAU 1980 theory with the 63-term series.
double nutationInLongitude(double jde) {
    const double t = centuriesSinceJ2000(jde);
    // Fundamental arguments (Meeus 22): mean elongation of the Moon, mean
    // anomalies of the Sun and Moon, Moon's argument of latitude, and the
    // longitude of the Moon's ascending node.
    const double d = (297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474.0))) * kDegToRad;
    const double m = (357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000.0))) * kDegToRad;
    const double mp = (134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250.0))) * kDegToRad;
    const double f = (93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270.0))) * kDegToRad;
    const double om = (125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000.0))) * kDegToRad;

    double psi = 0.0;  // units of 0.0001"
    for (const NutationTerm& n : kNutationTerms) {
        const double arg = n.d * d + n.m * m + n.mp * mp + n.f * f + n.om * om;
        psi += (n.s0 + n.s1 * t) * std::sin(arg);
    }
    return psi * 1e-4 * kArcsecToRad;
}

// Light time for one astronomical unit, in days (499.004784 s).
constexpr double kLightTimePerAuDays = 0.0057755183;

// General precession in longitude, arcseconds per Julian century at J2000.
constexpr double kPrecessionRate = 5028.796195;

// VSOP87D refers its "of date" coordinates to the mean equinox given by the
// IAU 1976 precession (general precession in longitude 5029.0966" T +
// 1.11113" T^2, T in Julian centuries from J2000).  The equinox of date as
// realized today follows the IAU 2006 precession (5028.796195" T +
// 1.1054348" T^2): the old rate is 0.30" per century too fast, which would
// put the instants of 1900 about 7 seconds late and those of 2054 about
// 4 seconds early.  Returns the difference to add to a VSOP87D longitude.
double precessionCorrection(double t) {
    return ((5028.796195 - 5029.0966) + (1.1054348 - 1.11113) * t) * t * kArcsecToRad;
}

// Apparent geocentric ecliptic longitude of the Sun (radians, [0, 2*pi)),
// referred to the true equinox of date, at the given JDE (TT).
double apparentSolarLongitude(double jde) {
    // Aberration and light time together: the Sun is seen where it was
    // relative to the Earth one light time (~8.3 min) ago, i.e. opposite to
    // the Earth's heliocentric position at jde - tau.  This is the annual
    // aberration with the Earth's actual velocity; Meeus' -20.4898"/R is
    // its mean-motion approximation.
    const double tau = kLightTimePerAuDays * earthPosition(jde).radius;
    const HeliocentricPosition earth = earthPosition(jde - tau);
    // Carry the longitude from the equinox of jde - tau to that of jde.
    const double equinoxShift = kPrecessionRate * kArcsecToRad * tau / 36525.0;

    // Geocentric Sun: the Earth's heliocentric direction reversed.
    const double lambda = earth.longitude + kPi + equinoxShift;
    const double beta = -earth.latitude;

    // Correction from the VSOP87 dynamical frame to FK5 (Meeus 32.3).
    const double t = centuriesSinceJ2000(jde);
    const double lambdaPrime = lambda - (1.397 + 0.00031 * t) * t * kDegToRad;
    const double fk5 = (-0.09033 + 0.03916 * (std::cos(lambdaPrime) + std::sin(lambdaPrime)) *
                                       std::tan(beta)) * kArcsecToRad;

    return normalizeAngle(lambda + fk5 + precessionCorrection(t) + nutationInLongitude(jde));
}

// ---------------------------------------------------------------------------
// Finding the instant of a solar term.

// Solves apparentSolarLongitude(jde) == target by the secant method, starting
// from a guess within a few days of the answer.  Returns the JDE (TT).
double solveForLongitude(double targetRad, double guessJde) {
    auto offset = [targetRad](double jde) {
        return wrapDifference(apparentSolarLongitude(jde) - targetRad);
    };
    constexpr double kToleranceDays = 1e-9;  // about 0.1 ms
    double x0 = guessJde;
    double x1 = guessJde + 1.0;
    double f0 = offset(x0);
    double f1 = offset(x1);
    for (int iteration = 0; iteration < 50; ++iteration) {
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (std::fabs(x2 - x1) < kToleranceDays) return x2;
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = offset(x1);
    }
    std::fprintf(stderr, "no convergence for target %.6f rad near JDE %.5f\n", targetRad,
                 guessJde);
    std::exit(1);
}

// ---------------------------------------------------------------------------
// Time scales.

// Gregorian year plus the elapsed fraction of it, for a Julian Date.
double decimalYear(double jd) {
    const int year = civilFromJulianDayNumber(static_cast<long>(std::floor(jd + 0.5))).year;
    const double start = julianDateAtMidnight(year, 1, 1);
    const double end = julianDateAtMidnight(year + 1, 1, 1);
    return year + (jd - start) / (end - start);
}

// Espenak-Meeus polynomial expressions for Delta T (seconds), 1900-2050.
double deltaTPolynomial(double y) {
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 +
               t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    const double t = y - 2000;
    return 62.92 + t * (0.32217 + t * 0.005589);
}

// Long-term parabola for Delta T (seconds).
double deltaTParabola(double y) {
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 31.0 * u * u;
}

// Delta T = TT - UT in seconds for a decimal year.  From 2015 on, the
// parabola is used, shifted by an amount that joins it continuously to the
// polynomial at 2015 and fades out linearly towards 2115.
double deltaTSeconds(double y) {
    constexpr double kJoinYear = 2015.0;
    if (y < kJoinYear) return deltaTPolynomial(y);
    const double shift = deltaTParabola(kJoinYear) - deltaTPolynomial(kJoinYear);
    return deltaTParabola(y) - shift * (2115.0 - y) / 100.0;
}

// ---------------------------------------------------------------------------
// The table.

struct SolarTerm {
    int year;
    int month;
    int position;      // 0: first term of the month, 1: second
    double targetDeg;  // apparent solar longitude of the term
    double jde;        // instant, Julian Ephemeris Day (TT)
    double deltaT;     // seconds
    double jdUtc;      // instant, Julian Date (UT)
    // Stored record (UTC+8).
    int day;
    int hour;
    int minute;        // 0..60, see the file comment
};

// Longitude (degrees) of the given term of a month.
double termLongitudeDeg(int month, int position) {
    return std::fmod(285.0 + 30.0 * (month - 1) + 15.0 * position, 360.0);
}

// Computes one term and its stored record.
SolarTerm computeTerm(int year, int month, int position) {
    SolarTerm term{};
    term.year = year;
    term.month = month;
    term.position = position;
    term.targetDeg = termLongitudeDeg(month, position);

    // The first term of a month falls on day 3..9 and the second on day
    // 18..24, so the 6th and the 21st are guesses within a few days.
    const double guess = julianDateAtMidnight(year, month, position == 0 ? 6 : 21);
    term.jde = solveForLongitude(term.targetDeg * kDegToRad, guess);

    // TT -> UT -> UTC+8.
    term.deltaT = deltaTSeconds(decimalYear(term.jde));
    term.jdUtc = term.jde - term.deltaT / kSecondsPerDay;
    const double local = term.jdUtc + kChinaStandardTimeOffsetDays;

    // Split the local Julian Date into a civil date and a time of day.
    const double dayStart = std::floor(local + 0.5);  // JDN of the local date
    const CivilDate date = civilFromJulianDayNumber(static_cast<long>(dayStart));
    if (date.year != year || date.month != month) {
        std::fprintf(stderr, "term %d-%02d/%d fell on %d-%02d-%02d\n", year, month, position,
                     date.year, date.month, date.day);
        std::exit(1);
    }
    const double secondOfDay = (local + 0.5 - dayStart) * kSecondsPerDay;
    term.day = date.day;
    term.hour = static_cast<int>(std::floor(secondOfDay / 3600.0));
    const double secondOfHour = secondOfDay - 3600.0 * term.hour;
    term.minute = static_cast<int>(std::lround(secondOfHour / 60.0));
    return term;
}

std::vector<SolarTerm> computeAllTerms() {
    std::vector<SolarTerm> terms;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int position = 0; position < 2; ++position)
                terms.push_back(computeTerm(year, month, position));
    return terms;
}

// The table as included by the engine: one line of 72 numbers per year.
std::string formatTable(const std::vector<SolarTerm>& terms) {
    std::ostringstream out;
    out << "// Generated by tools/solarterms/regenerate.sh. Do not edit.\n";
    int currentYear = 0;
    for (const SolarTerm& t : terms) {
        if (t.year != currentYear) {
            if (currentYear != 0) out << '\n';
            currentYear = t.year;
            out << "/* " << t.year << " */ ";
        }
        out << t.day << ',' << t.hour << ',' << t.minute << ',';
    }
    out << '\n';
    return out.str();
}

// Full-precision instants, one term per line.
std::string formatInstants(const std::vector<SolarTerm>& terms) {
    std::ostringstream out;
    char line[160];
    for (const SolarTerm& t : terms) {
        const double unixSeconds = (t.jdUtc - kUnixEpochJd) * kSecondsPerDay;
        // Local time in whole milliseconds, so the printed fields never show 60 s.
        const long long localMs = std::llround(unixSeconds * 1000.0) + 8LL * 3600 * 1000;
        const long long msPerDay = 86400LL * 1000;
        const long long days = (localMs >= 0 ? localMs : localMs - msPerDay + 1) / msPerDay;
        const long long msOfDay = localMs - days * msPerDay;
        const CivilDate date = civilFromJulianDayNumber(static_cast<long>(days) + 2440588L);
        std::snprintf(line, sizeof line,
                      "%d %d %d %g %.9f %.3f %.3f %04d-%02d-%02dT%02lld:%02lld:%02lld.%03lld+08:00\n",
                      t.year, t.month, t.position, t.targetDeg, t.jde, t.deltaT, unixSeconds,
                      date.year, date.month, date.day, msOfDay / 3600000, msOfDay / 60000 % 60,
                      msOfDay / 1000 % 60, msOfDay % 1000);
        out << line;
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    bool instants = false;
    const char* outputPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--instants") {
            instants = true;
        } else if (!arg.empty() && arg[0] != '-' && outputPath == nullptr) {
            outputPath = argv[i];
        } else {
            std::fprintf(stderr, "usage: %s [--instants] [OUTPUT]\n", argv[0]);
            return 2;
        }
    }

    const std::vector<SolarTerm> terms = computeAllTerms();
    const std::string text = instants ? formatInstants(terms) : formatTable(terms);

    if (outputPath == nullptr) {
        std::cout << text;
        return std::cout.good() ? 0 : 1;
    }
    std::ofstream file(outputPath, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", outputPath);
        return 1;
    }
    return 0;
}
