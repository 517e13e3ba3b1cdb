#!/usr/bin/env python3
"""Several copies of the real program, each with its own schedule, run side by side under a sped-up
faked clock in the background, each on a session bus of its own (one Stillmark per session). Every moment whose five-second window lies in the simulated span must
alert exactly as often as the list holds it: never twice, never missed.

    fake_clock_day.py <stillmark> <stillmark_moment_list> short|day

short: about 40 simulated minutes around chosen moments of each schedule (make test).
day:   a little more than a whole day for every schedule (make soak).
STILLMARK_DAY_RATE overrides the clock rate (default x30: a tick every 33 ms, six in each window)."""

import calendar
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_harness import NotifyMonitor, PrivateBus, Program  # noqa: E402

DAY = "2026-12-08"

# name, start, end, count, Am-Pm, fake start of the short run
SCHEDULES = [
    ("count 1", "07:00", "22:00", 1, 0, "06:50:00"),
    ("count 9", "07:00", "22:00", 9, 0, "08:45:00"),
    ("count 40", "07:00", "22:00", 40, 0, "07:15:00"),
    ("across midnight", "22:00", "02:00", 9, 0, "23:25:00"),
    ("Am-Pm", "11:00 am", "01:00 pm", 5, 1, "11:55:00"),
    ("three equal moments", "07:00", "07:00", 3, 0, "06:55:00"),
]

START_GUARD = 180  # simulated seconds after the start in which a copy may still be starting up
END_GUARD = 30


def epoch(day, hms):
    return calendar.timegm(time.strptime(f"{day} {hms}", "%Y-%m-%d %H:%M:%S"))


def minute_of_day(text):
    hh, mm = int(text[0:2]), int(text[3:5])
    if text.endswith("am") or text.endswith("pm"):
        hh = hh % 12 + (12 if text.endswith("pm") else 0)
    return hh * 60 + mm


def expected_alerts(moments, fake_from, fake_to):
    """For each moment text: (alerts that must come, alerts that may come) in [fake_from, fake_to]."""
    must, may = {}, {}
    for text in moments:
        must.setdefault(text, 0)
        may.setdefault(text, 0)
    first_minute = (fake_from // 60) * 60
    for minute_start in range(first_minute, fake_to + 60, 60):
        window_end = minute_start + 5
        if window_end <= fake_from or minute_start >= fake_to:
            continue
        for text in moments:
            if minute_of_day(text) != (minute_start // 60) % 1440:
                continue
            may[text] += 1
            if minute_start >= fake_from + START_GUARD and window_end <= fake_to - END_GUARD:
                must[text] += 1
    return must, may


def main():
    program, moment_tool, mode = sys.argv[1], sys.argv[2], sys.argv[3]
    rate = float(os.environ.get("STILLMARK_DAY_RATE", 30))
    span = 40 * 60 if mode == "short" else 24 * 3600 + 20 * 60
    folder = os.environ.get("TMPDIR", "/tmp")
    logs = __import__("tempfile").mkdtemp(dir=folder, prefix="stillmark-day-")

    runs = []
    buses = {}
    for name, start, end, count, ampm, short_start in SCHEDULES:
        fake_start = epoch(DAY, short_start if mode == "short" else "21:50:00")
        moments = subprocess.run([moment_tool, start, end, str(count), str(ampm)], capture_output=True,
                                 text=True, check=True).stdout.split("\n")[:-1]
        settings = dict(StartHour=start, EndHour=end, Stillpoints=count, UseAmPm=ampm, UseSound=0,
                        StartMinimized=1, ShowTip=0)
        stamp = time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(fake_start))
        fake_env = {"FAKETIME": f"@{stamp} x{rate:g}"}
        bus = PrivateBus()
        monitor = NotifyMonitor(folder=__import__("tempfile").mkdtemp(dir=logs), bus=bus)
        buses[name] = (bus, monitor)
        runs.append((name, moments, fake_start, Program(program, settings, fake_env, name, env=bus.env)))

    print(f"{len(runs)} copies at x{rate:g} for {span / 60:.0f} simulated minutes "
          f"({span / rate:.0f} s)", flush=True)
    time.sleep(span / rate)

    stopped = time.time()
    failures = []
    for name, moments, fake_start, run in runs:
        status = run.terminate()
        if status != 0:
            failures.append(f"{name}: ended with status {status} on SIGTERM\n{run.output()}")
        elif "SoundFilter=" not in run.settings_text():
            failures.append(f"{name}: settings not written on SIGTERM")
    for bus, monitor in buses.values():
        monitor.stop()
        bus.stop()

    for name, moments, fake_start, run in runs:
        fake_to = fake_start + int((stopped - run.launched) * rate)
        must, may = expected_alerts(moments, fake_start, fake_to)
        mine = buses[name][1].calls()
        seen = {}
        for call in mine:
            text = call.body.split("\n")[0].removeprefix("It is ")
            seen[text] = seen.get(text, 0) + 1
            if call.summary != "Stillmark" or not call.body.endswith("\nStillmark time !"):
                failures.append(f"{name}: unexpected notification {call.summary!r} {call.body!r}")
        for text in sorted(set(seen) | set(must), key=lambda t: moments.index(t) if t in moments else 99):
            got, low, high = seen.get(text, 0), must.get(text, 0), may.get(text, 0)
            verdict = "ok" if low <= got <= high else "WRONG"
            if low or got:
                print(f"  {name:20} {text:9} alerted {got}, expected {low}" +
                      (f"..{high}" if high != low else "") + f"  {verdict}")
            if verdict != "ok":
                failures.append(f"{name}: {text} alerted {got} times, expected {low}..{high}")
        if not any(must.values()):
            failures.append(f"{name}: no moment lay wholly inside the simulated span")

    for f in failures:
        print("FAIL:", f)
    if not failures:
        for run in runs:
            run[3].remove_folder()
        shutil.rmtree(logs, ignore_errors=True)
    print("ok" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
