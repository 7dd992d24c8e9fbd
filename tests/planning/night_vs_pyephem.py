#!/usr/bin/python3
"""A night's twilight, Moon and usable hours against PyEphem, an independent
ephemeris, and the usable hours against a count made minute by minute.

Runs the night dumper over a year at several sites, from the tropics to
beyond 60 degrees, for targets across the sky and with horizon files, and
checks:
- each twilight edge (sunset and sunrise by the Sun's upper limb, the ends
  and starts of civil, nautical and astronomical twilight by its centre) is
  PyEphem's within a minute, and an edge is missing only where PyEphem's Sun
  stays on one side of that level;
- the Moon's altitude within 0.05 degrees, its lit fraction within 0.005,
  its days from the full Moon nearest the night's middle within a minute, and the target's
  separation from it within 0.05 degrees; its transit nearest the night's
  middle within a minute and its altitude there within 0.05 degrees;
- the avoidance distance by the Lorentzian rule from PyEphem's full Moon;
- the usable hours, with and without the Moon, the longest usable
  stretch and the hours with the Moon down, within two minutes of a
  count, minute by minute through PyEphem's dark span, of the minutes the
  target stands (refracted) above the horizon file and the lowest altitude
  and, for the first, is clear of the Moon by the Lorentzian rule; the Moon
  is up while its upper limb, refracted, is above the horizon, as for its
  rise and set.
The air is the standard atmosphere's at each site at 10 C; twilight's
levels below the horizon are the Sun's centre without it.
Prints how many nights were compared and the worst differences.
"""
import math
import os
import subprocess
import sys

import ephem

DUMPER, HORIZONS = sys.argv[1], sys.argv[2]
JD_OF_DUBLIN = 2415020.0
MINUTE = 1 / 1440
LEVELS = [("sunset", "0", False), ("civil", "-6", True), ("nautical", "-12", True), ("astronomical", "-18", True)]

# (latitude, longitude, elevation, first moment, days between nights, nights)
SITES = [
    (45.46, 9.19, 120, (2026, 1, 3, 20, 0), 23, 16),
    (-33.9, 151.2, 50, (2026, 1, 1, 11, 0), 29, 13),
    (19.8, -155.5, 4200, (2026, 2, 1, 8, 0), 31, 12),
    (60.2, 24.9, 20, (2026, 1, 10, 21, 0), 19, 20),
    (64.1, -21.9, 30, (2026, 5, 20, 23, 30), 3, 12),
    (69.6, 18.9, 10, (2026, 1, 1, 22, 0), 29, 13),
    # A month of nights a century back, every one, where the full Moons
    # either side are nearly as far.
    (45.0, 7.0, 0, (1899, 12, 31, 23, 0), 1, 31),
]
# (right ascension, declination, lowest altitude, horizon file)
TARGETS = [(10.68, 41.27, 30, "-"), (83.82, -5.39, 20, "wood.hrz"), (201.37, -47.48, 15, "-"),
           (283.4, 33.03, 25, "sea.hrz"), (56.75, 24.12, 0, "wood.hrz")]


def to_jd(date):
    return float(date) + JD_OF_DUBLIN


def horizon_profile(name):
    if name == "-":
        return None
    points = []
    with open(os.path.join(HORIZONS, name)) as file:
        for line in file:
            words = line.split("#")[0].replace(",", " ").split()
            if words:
                points.append((float(words[0]), float(words[1])))
    return sorted(points)


def horizon_at(points, azimuth):
    if not points:
        return 0.0
    for (a0, h0), (a1, h1) in zip(points, points[1:] + [(points[0][0] + 360, points[0][1])]):
        for shift in (0, 360):
            if a0 <= azimuth + shift <= a1:
                return h0 + (h1 - h0) * (azimuth + shift - a0) / (a1 - a0)
    return points[0][1]


def observer(lat, lon, elev, horizon="0", air=True):
    o = ephem.Observer()
    o.lat, o.lon, o.elevation = str(lat), str(lon), elev
    # The standard atmosphere's pressure at the elevation (ICAO).
    o.pressure = 1013.25 * (1 - 2.25577e-5 * elev) ** 5.25588 if air else 0
    o.temp = 10
    o.horizon = horizon
    return o


def altitude_difference(lat, lon, elev, jd, body, ours):
    """How far our altitude stands from PyEphem's: refracted where the body is
    up, geometric more than a degree below (where neither refracts alike)."""
    o = observer(lat, lon, elev, air=ours > -1)
    o.date = jd - JD_OF_DUBLIN
    body.compute(o)
    return abs(math.degrees(body.alt) - ours)


def edge(lat, lon, elev, level, centre, kind, midnight):
    """PyEphem's edge of this kind at this level in the half night, or None."""
    o = observer(lat, lon, elev, level[1], air=not centre)
    o.date = midnight - JD_OF_DUBLIN
    try:
        if kind == "evening":
            t = to_jd(o.previous_setting(ephem.Sun(), use_center=centre))
            return t if midnight - t <= 0.5 else None
        t = to_jd(o.next_rising(ephem.Sun(), use_center=centre))
        return t if t - midnight <= 0.5 else None
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None


def main():
    lines, cases = [], []
    for lat, lon, elev, first, days, nights in SITES:
        start = to_jd(ephem.Date(first))
        for i in range(nights):
            target = TARGETS[(i + len(cases)) % len(TARGETS)]
            d = ephem.Date(start + i * days - JD_OF_DUBLIN).tuple()
            # The rule's own start, one so wide that the Moon takes hours
            # away, and one in between that tells near from far.
            target = target[:4] + (((15, 6), (150, 30), (70, 30))[i % 3],)
            lines.append(f"{lat} {lon} {elev} {d[0]} {d[1]} {d[2]} {d[3]} {d[4]} {target[0]} {target[1]} "
                         f"{target[2]} {os.path.join(HORIZONS, target[3]) if target[3] != '-' else '-'} "
                         f"{target[4][0]} {target[4][1]}")
            cases.append((lat, lon, elev, to_jd(ephem.Date((d[0], d[1], d[2], d[3], d[4], 0))), target))
    out = subprocess.run([DUMPER], input="\n".join(lines) + "\n", capture_output=True, text=True, check=True)
    rows = out.stdout.splitlines()
    assert len(rows) == len(cases), "a line a night"

    faults = []
    worst = {"edge": 0.0, "moon altitude": 0.0, "lit": 0.0, "full moon": 0.0, "separation": 0.0, "hours": 0.0,
             "transit": 0.0, "transit altitude": 0.0, "avoidance": 0.0}
    edges = 0
    moon_cut = 0
    for (lat, lon, elev, jd, target), row in zip(cases, rows):
        fields = row.split()
        midnight = float(fields[0])
        evenings, mornings = fields[1:5], fields[5:9][::-1]
        moon_alt, lit, days_full, avoidance, separation, usable, ignoring, transit, transit_alt, longest, moonless = map(
            float, fields[9:20])
        where = f"{lat},{lon} on {ephem.Date(jd - JD_OF_DUBLIN)}"
        fault = lambda text: faults.append(f"{where}: {text}")

        dark_span = {}
        for level, evening, morning in zip(LEVELS, evenings, mornings):
            for kind, ours in (("evening", evening), ("morning", morning)):
                theirs = edge(lat, lon, elev, level, level[2], kind, midnight)
                if ours == "-" or theirs is None:
                    if (ours == "-") != (theirs is None):
                        fault(f"{level[0]} {kind}: ours {ours}, PyEphem's {theirs}")
                    continue
                edges += 1
                difference = abs(float(ours) - theirs) * 86400
                worst["edge"] = max(worst["edge"], difference)
                if difference > 60:
                    fault(f"{level[0]} {kind} differs by {difference:.0f} s")
            if level[0] == "astronomical":
                dark_span = (evening, morning)

        o = observer(lat, lon, elev)
        o.date = jd - JD_OF_DUBLIN
        moon = ephem.Moon(o)
        star = ephem.FixedBody()
        star._ra, star._dec, star._epoch = math.radians(target[0]), math.radians(target[1]), ephem.J2000
        star.compute(o)
        checks = [("moon altitude", altitude_difference(lat, lon, elev, jd, ephem.Moon(), moon_alt), 0.05),
                  ("lit", abs(moon.moon_phase - lit), 0.005),
                  ("separation", abs(math.degrees(ephem.separation(moon, star)) - separation), 0.05)]
        # The night's Moon: from the full Moon nearest the night's middle.
        middle = midnight - JD_OF_DUBLIN
        fulls = [to_jd(ephem.previous_full_moon(middle)), to_jd(ephem.next_full_moon(middle))]
        nearest = min(abs(midnight - t) for t in fulls)
        checks.append(("full moon", abs(nearest - days_full) * 1440, 1.0))
        # The Lorentzian rule from PyEphem's full Moon, the distance and width given.
        distance, width = target[4]
        checks.append(("avoidance", abs(distance / (1 + (nearest / width) ** 2) - avoidance), 0.01))
        o.date = midnight - JD_OF_DUBLIN
        theirs = min((to_jd(o.previous_transit(star)), to_jd(o.next_transit(star))), key=lambda t: abs(t - midnight))
        checks.append(("transit", abs(theirs - transit) * 86400, 60))
        checks.append(("transit altitude", altitude_difference(lat, lon, elev, theirs, star, transit_alt), 0.05))
        o.date = jd - JD_OF_DUBLIN
        star.compute(o)
        for name, difference, tolerance in checks:
            worst[name] = max(worst[name], difference)
            if difference > tolerance:
                fault(f"{name} differs by {difference:.4f}")

        # The usable minutes, counted one by one through the dark span.
        evening, morning = dark_span
        if "-" in dark_span and evening == morning:
            continue
        start = float(evening) if evening != "-" else midnight - 0.5
        end = float(morning) if morning != "-" else midnight + 0.5
        profile = horizon_profile(target[3])
        up_minutes = clear_minutes = moonless_minutes = 0
        run = longest_run = 0
        steps = int((end - start) / MINUTE)
        for k in range(steps):
            o.date = start + (k + 0.5) * MINUTE - JD_OF_DUBLIN
            star.compute(o)
            moon.compute(o)
            moon_down = math.degrees(moon.alt + moon.radius) < 0
            moonless_minutes += moon_down
            altitude, azimuth = math.degrees(star.alt), math.degrees(star.az)
            if altitude < max(target[2], horizon_at(profile, azimuth)):
                run = 0
                continue
            up_minutes += 1
            if moon_down or math.degrees(ephem.separation(moon, star)) >= avoidance:
                clear_minutes += 1
                run += 1
                longest_run = max(longest_run, run)
            else:
                run = 0
        moon_cut += clear_minutes < up_minutes
        for name, ours, counted in (("usable", usable, clear_minutes), ("up", ignoring, up_minutes),
                                    ("longest usable", longest, longest_run), ("moonless", moonless, moonless_minutes)):
            difference = abs(ours * 60 - counted)
            worst["hours"] = max(worst["hours"], difference)
            if difference > 2.5:  # a minute either edge on the minute grid, and seconds between the two
                fault(f"{name} {ours * 60:.1f} min, counted {counted}")
    print(f"{len(cases)} nights ({moon_cut} where the Moon took hours away), {edges} twilight edges compared; worst differences: edge {worst['edge']:.1f} s, "
          f"Moon's altitude {worst['moon altitude']:.4f} deg, lit {worst['lit']:.5f}, full Moon "
          f"{worst['full moon']:.2f} min, avoidance {worst['avoidance']:.4f} deg, separation {worst['separation']:.4f} deg, transit {worst['transit']:.1f} s "
          f"at {worst['transit altitude']:.4f} deg, usable time "
          f"{worst['hours']:.2f} min; {len(faults)} faults")
    for text in faults[:40]:
        print(text)
    return 1 if faults or moon_cut < 10 else 0  # the Moon rule must be put to the test


if __name__ == "__main__":
    sys.exit(main())
