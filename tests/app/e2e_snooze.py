#!/usr/bin/python3
"""The real program with a fake notification server (tests/app/fake_notification_server.py) on a session
bus of its own, started in the background before the 12:00 moment under a faked clock.
"In 5 minutes": the server chooses the action of the first reminder; under a clock thirty times as
fast, exactly one more reminder comes, "It is 12:05", offering the action again, and nothing else
until about 12:09. Inhibited: the reminder comes and the sound is not tried (the sound file does not
exist, so a try leaves the trace "cannot play"). Needs the private desktop of scripts/with-desktop.sh.

Usage: e2e_snooze.py PROGRAM
"""
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import Checks, PrivateSystemBus, Program  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ACTION = ["in-5-minutes", "In 5 minutes"]


class Desktop:
    """A session bus with only the fake notification server on it, and an empty system bus."""

    def __init__(self, *server_args):
        self.folder = tempfile.mkdtemp(prefix="stillmark-snooze-")
        self.daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env = {"DBUS_SESSION_BUS_ADDRESS": self.daemon.stdout.readline().strip()}
        self.system = PrivateSystemBus(self.folder)
        self.server = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "fake_notification_server.py"),
                                        *server_args], env=dict(os.environ, **self.env),
                                       stdout=subprocess.PIPE, text=True)
        self.server.stdout.readline()  # ready

    def start(self, program, fake_time, **settings):
        keys = dict(StartHour="12:00", EndHour="13:00", Stillpoints=2, UseSound=1, StartMinimized=1,
                    SoundToPlay="/nonexistent/bell.wav", **settings)
        return Program(program, keys, fake_env={"FAKETIME": fake_time},
                       env=dict(self.env, **self.system.env(), WXTRACE="stillmark"))

    def notifications(self):
        self.server.terminate()
        return [json.loads(line) for line in self.server.stdout.read().splitlines() if line.startswith("{")]

    def stop(self):
        self.server.wait()
        self.system.stop()
        self.daemon.terminate()
        self.daemon.wait()


def main():
    program = sys.argv[1]
    checks = Checks()
    snoozing = Desktop("--invoke")
    inhibited = Desktop("--inhibited")
    # x30: five minutes pass in 10 s; the start has three simulated minutes to come up in.
    fast = snoozing.start(program, "@2026-12-08 11:57:00 x30")
    quiet = inhibited.start(program, "@2026-12-08 11:59:55")
    time.sleep(12 * 60 / 30)  # up to about 12:09

    statuses = [fast.terminate(), quiet.terminate()]
    shown = snoozing.notifications()
    bodies = [n["body"] for n in shown]
    checks.expect("In 5 minutes: the moment, then one more at 12:05",
                  bodies == ["It is 12:00\nStillmark time !", "It is 12:05\nStillmark time !"],
                  f"{bodies}\n{fast.output()}")
    checks.expect("In 5 minutes: each reminder offers the action", all(n["actions"] == ACTION for n in shown),
                  str(shown))
    shown = inhibited.notifications()
    checks.expect("Inhibited: the reminder comes", [n["body"] for n in shown] == ["It is 12:00\nStillmark time !"],
                  str(shown))
    checks.expect("Inhibited: the sound is not tried", "cannot play" not in quiet.output(), quiet.output())
    checks.expect("both end on SIGTERM", statuses == [0, 0], str(statuses))
    for desktop in (snoozing, inhibited):
        desktop.stop()
    for run in (fast, quiet):
        run.remove_folder()
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
