#!/usr/bin/env python3
"""The real program while its wall clock is moved: set back across an alerted moment it never alerts it
again (time synchronisation steps the clock back by seconds); moved forward it never catches up on the
moments it jumped over, so there is no burst.

    clock_changes.py <stillmark>

The clock is moved through libfaketime's timestamp file, which no kernel timer sees: each move is
followed by a resume announced on a private system bus, which makes the program read the clock again.
The schedule has a moment every minute from 12:00 to 12:39."""

import calendar
import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_harness import NotifyMonitor, PrivateSystemBus, Program  # noqa: E402


def fake(hms):
    return calendar.timegm(time.strptime(f"2026-12-08 {hms}", "%Y-%m-%d %H:%M:%S"))


class FakeClock:
    def __init__(self, folder, system_bus):
        self.file = os.path.join(folder, "faketime.rc")
        self.offset = 0.0
        self.system_bus = system_bus
        self.running = False

    def set(self, hms):
        """From now on the program's wall clock reads hms, and runs on at the normal rate."""
        self.offset = fake(hms) - time.time()
        with open(self.file + ".new", "w") as f:
            f.write(f"{self.offset:+.3f}\n")
        os.replace(self.file + ".new", self.file)
        if self.running:
            self.system_bus.resume()

    def now(self):
        return time.time() + self.offset

    def wait_until(self, hms):
        while self.now() < fake(hms):
            time.sleep(0.02)


def main():
    program = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="stillmark-clock-")
    monitor = NotifyMonitor(folder)
    system_bus = PrivateSystemBus(folder)
    clock = FakeClock(folder, system_bus)
    clock.set("11:50:00")
    run = Program(program,
                  dict(StartHour="12:00", EndHour="12:39", Stillpoints=40, UseSound=0, StartMinimized=1,
                       ShowTip=0),
                  {"FAKETIME_TIMESTAMP_FILE": clock.file, "FAKETIME_NO_CACHE": "1",
                   "FAKETIME_DONT_FAKE_MONOTONIC": "1"}, env=system_bus.env())
    time.sleep(3)  # start-up, and the first notification (going to the background)
    clock.running = True

    def alerts(text):
        return sum(1 for c in monitor.calls() if c.body.startswith(f"It is {text}\n"))

    failures = []

    def expect(what, text, count):
        got = alerts(text)
        print(f"  {what:62} {text}: {got} alert(s), expected {count}  {'ok' if got == count else 'WRONG'}",
              flush=True)
        if got != count:
            failures.append(f"{what}: {text} alerted {got} times, expected {count}")

    # Set back after a tick at second 5 or later: a moment alerts once per occurrence, never again.
    clock.set("12:00:57")
    clock.wait_until("12:01:07")
    clock.set("12:00:58")
    clock.wait_until("12:01:06")
    expect("set back across the moment after its window", "12:01", 1)

    # Set back within the window, no tick at second 5 or later between: no second alert.
    clock.set("12:02:57")
    monitor.wait_for(lambda c: c.body.startswith("It is 12:03\n"), 5)
    clock.set("12:03:01")
    clock.wait_until("12:03:04")
    time.sleep(0.5)
    expect("set back inside the window, no tick at second 5+ between", "12:03", 1)

    # Set back from inside the window to before the minute: the given alert is not repeated.
    clock.set("12:04:58")
    monitor.wait_for(lambda c: c.body.startswith("It is 12:05\n"), 5)
    clock.wait_until("12:05:03")
    clock.set("12:04:58")
    clock.wait_until("12:05:06")
    expect("set back from inside the window to before the minute", "12:05", 1)

    # Jump forward across fourteen moments: only the one whose window is hit alerts.
    clock.set("12:06:30")
    clock.wait_until("12:06:33")
    clock.set("12:20:02")
    clock.wait_until("12:20:08")
    skipped = sum(alerts(f"12:{minute:02d}") for minute in range(7, 20))
    print(f"  {'jumped over 12:07 to 12:19':62} {skipped} alert(s), expected 0  {'ok' if not skipped else 'WRONG'}")
    if skipped:
        failures.append(f"a jump forward caught up {skipped} moments")
    expect("jumped into the window", "12:20", 1)

    # Jump into the sixth second of a moment's minute: that moment is missed, the next one comes.
    clock.set("12:25:06")
    clock.wait_until("12:25:09")
    clock.set("12:25:58")
    clock.wait_until("12:26:06")
    expect("jumped past the window (second 6): no catch-up", "12:25", 0)
    expect("the next moment after the jump", "12:26", 1)

    # Jump back an hour and forward a day: no moment of the list lies in between, nothing alerts.
    before = len(monitor.calls())
    clock.set("11:00:00")
    time.sleep(2)
    clock.set("11:59:57")  # the next day's list is the same list: 12:00 alerts once
    clock.wait_until("12:00:06")
    expect("jump back an hour then run into 12:00", "12:00", 1)
    if len(monitor.calls()) != before + 1:
        failures.append(f"{len(monitor.calls()) - before} notifications after the jump back, expected 1")

    status = run.terminate()
    monitor.stop()
    system_bus.stop()
    if status != 0:
        failures.append(f"ended with status {status} on SIGTERM:\n{run.output()}")
    for f in failures:
        print("FAIL:", f)
    if not failures:
        run.remove_folder()
        shutil.rmtree(folder, ignore_errors=True)
    print("ok" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
