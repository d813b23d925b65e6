#!/usr/bin/env python3
"""Interval statistics of a click recorder's log.

press_stats.py LOG NOMINAL_MS [SKIP] [POINTS]
Reads the presses (lines "<kind> x y microseconds"), takes the time between
consecutive presses, and prints one line of JSON: count, median and p99 of the
signed error (interval - nominal) and of its absolute value, in ms. With
POINTS ("x,y x,y ..."), the presses must land on those points in turn, from
the first on: "misplaced" counts those that did not.
"""
import json
import sys


def percentile(values, p):
    ordered = sorted(values)
    if not ordered:
        return float("nan")
    k = (len(ordered) - 1) * p / 100.0
    lo = int(k)
    hi = min(lo + 1, len(ordered) - 1)
    return ordered[lo] + (ordered[hi] - ordered[lo]) * (k - lo)


def main():
    log, nominal = sys.argv[1], float(sys.argv[2])
    skip = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    points = [tuple(int(v) for v in p.split(",")) for p in sys.argv[4].split()] \
        if len(sys.argv) > 4 else []
    times = []
    places = []
    with open(log) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 4 and parts[0] in "LlRr":
                times.append(int(parts[3]))
                places.append((int(parts[1]), int(parts[2])))
    times = times[skip:]
    places = places[skip:]
    misplaced = sum(1 for i, at in enumerate(places)
                    if points and at != points[i % len(points)])
    errors = [(b - a) / 1000.0 - nominal for a, b in zip(times, times[1:])]
    absolute = [abs(e) for e in errors]
    print(json.dumps({
        "intervals": len(errors),
        "median_error_ms": round(percentile(errors, 50), 3),
        "p99_error_ms": round(percentile(errors, 99), 3),
        "median_abs_error_ms": round(percentile(absolute, 50), 3),
        "p99_abs_error_ms": round(percentile(absolute, 99), 3),
        "mean_interval_ms": round(sum(errors) / len(errors) + nominal, 3) if errors else None,
        "presses": len(times),
        "misplaced": misplaced if points else None,
    }))


if __name__ == "__main__":
    main()
