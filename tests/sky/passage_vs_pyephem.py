#!/usr/bin/python3
"""Rise, transit and set against PyEphem, an independent ephemeris.

Runs the passage dumper over a year at several sites in both hemispheres and
checks, for every body at every moment:
- each rise and set given is a root of PyEphem's heights, and PyEphem's own
  event of that kind within a minute (or, where the body barely climbs,
  within the time it takes to climb GRAZE);
- no time is missing that PyEphem finds within the dumper's reach;
- the verdict (rises and sets, always above, never above) matches PyEphem's
  heights over the day around the moment;
- each transit away from the poles is PyEphem's within a minute.
Prints how many body-days were compared and the worst difference.
"""
import math
import signal
import subprocess
import sys

import ephem

DUMPER = sys.argv[1]
REACH = 1.75  # days either side that the dumper follows a body
TOLERANCE = 60.0  # seconds
GRAZE = 0.02  # degrees: what two ephemerides differ by (the Moon's place by up to 0.011 here)
JD_OF_DUBLIN = 2415020.0  # PyEphem counts days from 1899-12-31 12:00 UT

# (latitude, longitude, elevation, first moment, hours between moments, moments)
SITES = [
    (45.46, 9.19, 120, (2026, 1, 1, 0, 0), 23, 381),
    (-33.9, 151.2, 50, (2026, 1, 1, 3, 0), 23, 381),
    (66.0, 25.0, 200, (2025, 6, 1, 0, 0), 31, 283),
    (78.0, 15.0, 10, (2025, 1, 1, 5, 0), 31, 283),
    (-54.8, -68.3, 0, (2024, 3, 1, 11, 0), 43, 204),
    (85.0, 0.0, 0, (2026, 1, 1, 2, 0), 53, 166),
    (-90.0, 0.0, 2800, (2026, 3, 1, 0, 0), 97, 91),
]
BODIES = {
    "sun": ephem.Sun, "moon": ephem.Moon, "mercury": ephem.Mercury, "venus": ephem.Venus,
    "mars": ephem.Mars, "jupiter": ephem.Jupiter, "saturn": ephem.Saturn, "uranus": ephem.Uranus,
    "neptune": ephem.Neptune, "pluto": ephem.Pluto,
}
RISES_AND_SETS, ALWAYS_ABOVE, NEVER_ABOVE = 0, 1, 2


def to_jd(date):
    return float(date) + JD_OF_DUBLIN


class SearchStalled(Exception):
    pass


def stalled(signum, frame):
    raise SearchStalled()


STALLS = []


def event(o, body, kind, near):
    """PyEphem's event of this kind nearest `near`: the next one from an hour
    before and the previous one from an hour after, or None. PyEphem's own
    search now and then circles forever near the poles; such a search is cut
    after 0.3 s and counted."""
    searches = {"rise": (o.next_rising, o.previous_rising), "set": (o.next_setting, o.previous_setting),
                "transit": (o.next_transit, o.previous_transit)}[kind]
    found = []
    for find, start in zip(searches, (near - 1 / 24, near + 1 / 24)):
        o.date = start - JD_OF_DUBLIN
        signal.setitimer(signal.ITIMER_REAL, 0.3)
        try:
            found.append(to_jd(find(body)))
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            pass
        except SearchStalled:
            STALLS.append(f"{body.name} {kind} from {ephem.Date(start - JD_OF_DUBLIN)}")
        finally:
            signal.setitimer(signal.ITIMER_REAL, 0)
    return min(found, key=lambda t: abs(t - near)) if found else None


def height(o, body, jd):
    """How far PyEphem puts the upper limb above the horizon, in degrees."""
    o.date = jd - JD_OF_DUBLIN
    body.compute(o)
    return math.degrees(body.alt) + math.degrees(body.radius)


def main():
    signal.signal(signal.SIGALRM, stalled)
    lines = []
    moments = []
    for lat, lon, elev, first, hours, count in SITES:
        start = to_jd(ephem.Date(first))
        for i in range(count):
            d = ephem.Date(start + i * hours / 24 - JD_OF_DUBLIN).tuple()
            lines.append(f"{lat} {lon} {elev} {d[0]} {d[1]} {d[2]} {d[3]} {d[4]}")
            # The moment as the dumper reads it: to the minute.
            moments.append((lat, lon, elev, to_jd(ephem.Date((d[0], d[1], d[2], d[3], d[4], 0)))))
    out = subprocess.run([DUMPER], input="\n".join(lines) + "\n", capture_output=True, text=True, check=True)
    blocks = out.stdout.split("end\n")[:-1]
    assert len(blocks) == len(moments), "one block a moment"

    faults = []
    misses = []
    worst = 0.0
    worst_below_66 = 0.0
    compared = 0
    for (lat, lon, elev, jd), block in zip(moments, blocks):
        o = ephem.Observer()
        o.lat, o.lon, o.elevation = str(lat), str(lon), elev
        o.pressure = 0
        o.horizon = "0"
        for row in block.splitlines():
            name, verdict, rise, transit, sett, altitude = row.split()
            body = BODIES[name]()
            verdict = int(verdict)
            times = {kind: float(t) for kind, t in (("rise", rise), ("transit", transit), ("set", sett)) if t != "-"}
            compared += 1
            where = f"{name} at {lat},{lon} on {ephem.Date(jd - JD_OF_DUBLIN)}"
            fault = lambda text: faults.append(f"{where}: {text}")

            height(o, body, jd)
            if abs(math.degrees(body.alt) - float(altitude)) > 0.05:
                fault(f"altitude {altitude}, PyEphem {math.degrees(body.alt):.3f}")
            # The verdict against PyEphem's heights over the day, every half
            # hour and at each time given: a margin of GRAZE either way is
            # within what two ephemerides may differ by. A rise or set in the
            # day, checked below as a root of PyEphem's heights, shows the
            # crossing by itself.
            crossing_given = any(abs(times[k] - jd) <= 0.5 for k in ("rise", "set") if k in times)
            if not (verdict == RISES_AND_SETS and crossing_given):
                day = [height(o, body, jd + k / 144) for k in range(-72, 73, 3)]
                day += [height(o, body, t) for t in times.values() if abs(t - jd) <= 0.5]
                if verdict == ALWAYS_ABOVE and min(day) < -GRAZE or verdict == NEVER_ABOVE and max(day) > GRAZE:
                    fault(f"verdict {verdict}, PyEphem's heights over the day from {min(day):.3f} to {max(day):.3f}")
                if verdict == RISES_AND_SETS and (min(day) > GRAZE or max(day) < -GRAZE):
                    fault(f"rises and sets, PyEphem's heights over the day from {min(day):.3f} to {max(day):.3f}")

            for kind in ("rise", "set"):
                if kind not in times:
                    if verdict == RISES_AND_SETS:
                        theirs = event(o, body, kind, jd)
                        if theirs is not None and abs(theirs - jd) < REACH - 0.3 and in_pass(o, body, jd, theirs):
                            fault(f"no {kind}, PyEphem has one at {ephem.Date(theirs - JD_OF_DUBLIN)}")
                    continue
                t = times[kind]
                # A root of PyEphem's heights, rising or setting as named.
                sign = 1 if kind == "rise" else -1
                misses.append(abs(height(o, body, t)))
                if abs(height(o, body, t)) > GRAZE or sign * (height(o, body, t + 0.01) - height(o, body, t - 0.01)) < 0:
                    fault(f"{kind} at {ephem.Date(t - JD_OF_DUBLIN)}, where PyEphem's height is {height(o, body, t):.3f}")
                theirs = event(o, body, kind, t)
                if theirs is not None and abs(theirs - t) < 0.25:
                    difference = abs(theirs - t) * 86400
                    rate = abs(height(o, body, t + 1 / 1440) - height(o, body, t - 1 / 1440)) / 120  # degrees a second
                    worst = max(worst, difference)
                    if abs(lat) <= 66:
                        worst_below_66 = max(worst_below_66, difference)
                    if difference > max(TOLERANCE, GRAZE / max(rate, 1e-9)):
                        fault(f"{kind} differs by {difference:.0f} s")
            if "transit" in times and abs(lat) < 70:
                theirs = event(o, body, "transit", times["transit"])
                difference = abs(theirs - times["transit"]) * 86400 if theirs is not None else math.inf
                worst = max(worst, difference)
                if difference > TOLERANCE:
                    fault(f"transit differs by {difference:.0f} s")
    print(f"{compared} body-days compared, worst difference {worst:.1f} s ({worst_below_66:.1f} s up to 66 degrees "
          f"of latitude), worst height at a rise or set "
          f"{max(misses):.4f} deg, {len(faults)} faults, "
          f"{len(STALLS)} of PyEphem's searches stalled")
    for fault in faults[:40]:
        print(fault)
    return 1 if faults else 0


def in_pass(o, body, jd, event_jd):
    """Whether the body stays up between the moment and PyEphem's event."""
    step = 1 / 144
    direction = 1 if event_jd > jd else -1
    t = jd
    while (t - event_jd) * direction < -2 * step:
        if height(o, body, t) < 0:
            return False
        t += direction * step
    return True


if __name__ == "__main__":
    sys.exit(main())
