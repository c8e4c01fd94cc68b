#!/usr/bin/env python3
"""Writes the capture recordings of tests/fixtures/analysis/.

A stand-in for the station's simulated mouse: a hand swinging the mouse back
and forth, a sensor that reports the movement since its last report as whole
counts, 125 reports per second with a little timing jitter. Deterministic for
its seed, so the files never change unless this script does.

    tests/analysis/make_capture_fixtures.py [output folder]
"""

import math
import os
import random
import sys

FREQUENCY = 1_000_000  # timestamps in microseconds
REPORT_US = 8000


def recording(name, description, seed, amplitude, period_s, noise=0.0, pause=None,
              reports=1010, report_us=REPORT_US):
    """amplitude: peak hand speed in counts per report; noise: relative spread
    of each report's count; pause: (report index, microseconds) without reports."""
    rng = random.Random(seed)
    lines = [f"# {description}",
             f"# simulated sensor: peak {amplitude} counts per report, swing period {period_s} s,"
             f" noise {noise}, seed {seed}",
             "# written by tests/analysis/make_capture_fixtures.py",
             "frequency,timestamp,dx,dy"]
    t = 4_000_000_000
    # The first record only opens the capture; the second is the operator's
    # start jerk, which placement takes as the start and does not store.
    lines.append(f"{FREQUENCY},{t},0,0")
    t += report_us
    lines.append(f"{FREQUENCY},{t},31,-2")
    x = y = 0.0
    sent_x = sent_y = 0
    phase_t = 0.0
    for k in range(reports):
        if pause and k == pause[0]:
            t += pause[1]
            phase_t += pause[1] / 1e6
        step = report_us + rng.randint(-400, 400)
        t += step
        phase_t += step / 1e6
        speed = amplitude * math.sin(2 * math.pi * phase_t / period_s)
        if noise:
            speed *= 1 + rng.gauss(0, noise)
        x += speed
        y += 0.08 * abs(speed) * math.sin(phase_t * 1.3) + rng.gauss(0, 0.3)
        dx = math.floor(x) - sent_x
        dy = math.floor(y) - sent_y
        sent_x += dx
        sent_y += dy
        lines.append(f"{FREQUENCY},{t},{dx},{dy}")
    return name, "\n".join(lines) + "\n"


FIXTURES = [
    recording("smooth-sensor.csv", "a smooth sensor: even swings, scores high", 1, 40, 0.4),
    recording("jittery-sensor.csv", "a jittery sensor: each count off by about 30 %, scores low",
              2, 40, 0.4, noise=0.3),
    recording("too-slow.csv", "swings too slow: a few reversals only", 3, 40, 4.0),
    recording("few-peaks.csv", "swings too small: many reversals, none reaches 24 counts",
              4, 18, 0.4),
    recording("gap.csv", "a smooth sensor that stops reporting for 200 ms mid-test", 5, 40, 0.4,
              pause=(500, 200_000)),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "fixtures", "analysis")
    os.makedirs(folder, exist_ok=True)
    for name, text in FIXTURES:
        with open(os.path.join(folder, name), "w", encoding="ascii", newline="\n") as f:
            f.write(text)


if __name__ == "__main__":
    main()
