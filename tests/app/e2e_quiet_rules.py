#!/usr/bin/python3
"""The quiet rules in the real program: each case starts it in the background a few seconds before a
moment under a faked clock, on a session bus of its own with a notification daemon (dunst), and looks
whether the break notification arrives and whether the sound is tried (the sound file does not exist,
so each try leaves the trace "cannot play"). Locked by a screen saver or logind: nothing, not even
after it unlocks. Xfce's do-not-disturb, dunst paused, or GNOME's banners off (do-not-disturb), or a fullscreen window: the
notification without the sound. The setting off: both, locked or presenting. Needs the private desktop of scripts/with-desktop.sh.

Usage: e2e_quiet_rules.py PROGRAM
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import Checks, NotifyMonitor, PrivateBus, PrivateSystemBus, Program  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
MOMENT = "It is 12:00"


class Case:
    def __init__(self, name, program, service=None, dnd=False, quiet=True, notified=True, sound=True,
                 gnome_banners=True):
        self.name, self.notified, self.sound = name, notified, sound
        self.folder = tempfile.mkdtemp(prefix="stillmark-quiet-")
        self.bus = PrivateBus()
        self.env = dict(os.environ, **self.bus.env)
        self.monitor = NotifyMonitor(self.folder, self.bus)
        # logind's place taken by a bus with nobody on it: the machine's own session tells nothing here.
        self.system = PrivateSystemBus(self.folder)
        # A fake service that starts locked or in do-not-disturb, and leaves it after the moment.
        self.saver = None
        if service:
            self.saver = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "fake_desktop_service.py"),
                                           service, "1"], env=dict(self.env, **self.system.env()),
                                          stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
            self.saver.stdout.readline()
        if dnd:
            subprocess.run(["dunstctl", "set-paused", "true"], env=self.env, check=True)
        settings = dict(StartHour="12:00", EndHour="13:00", Stillpoints=2, UseSound=1, StartMinimized=1,
                        SoundToPlay="/nonexistent/bell.wav")
        if not quiet:
            settings["QuietWhenBusy"] = 0
        env = dict(self.bus.env, **self.system.env(), WXTRACE="stillmark")
        if not gnome_banners:
            env.update(XDG_CURRENT_DESKTOP="ubuntu:GNOME", GSETTINGS_BACKEND="keyfile")
        self.program = Program(program, settings, fake_env={"FAKETIME": "@2026-12-08 11:59:55"}, env=env)
        if not gnome_banners:
            # GSettings' keyfile in the program's own config folder, which follows the file's changes.
            keyfile = os.path.join(self.program.folder, "glib-2.0", "settings", "keyfile")
            os.makedirs(os.path.dirname(keyfile))
            with open(keyfile, "w") as f:
                f.write("[org/gnome/desktop/notifications]\nshow-banners=false\n")

    def unlock(self):
        if self.saver:
            self.saver.stdin.write("0\n")
            self.saver.stdin.flush()

    def finish(self, checks):
        calls = [c for c in self.monitor.calls() if MOMENT in c.body]
        status = self.program.terminate()
        output = self.program.output()
        tried = "cannot play" in output
        checks.expect(f"{self.name}: {'one' if self.notified else 'no'} break notification",
                      len(calls) == (1 if self.notified else 0), f"saw {len(calls)}\n{output}")
        checks.expect(f"{self.name}: sound {'tried' if self.sound else 'not tried'}", tried == self.sound, output)
        checks.expect(f"{self.name}: ends on SIGTERM", status == 0, f"status {status}")
        # A missing service is no fault: the desktop of the tests has no logind and no GNOME.
        checks.expect(f"{self.name}: no warnings", "WARNING" not in output and "CRITICAL" not in output, output)
        if self.saver:
            self.saver.stdin.close()
            self.saver.wait()
        self.monitor.stop()
        self.bus.stop()
        self.system.stop()
        self.program.remove_folder()
        shutil.rmtree(self.folder, ignore_errors=True)


def run(cases, checks):
    # The moment comes five seconds after each start; a locked screen opens again after it.
    time.sleep(8)
    for case in cases:
        case.unlock()
    time.sleep(4)
    for case in cases:
        case.finish(checks)


def xprop_root(*args):
    subprocess.run(["xprop", "-root", *args], check=True)


def main():
    program = sys.argv[1]
    checks = Checks()
    run([Case("free", program),
         Case("locked (screen saver)", program, service="screensaver", notified=False, sound=False),
         Case("locked (logind)", program, service="logind", notified=False, sound=False),
         Case("Xfce do-not-disturb", program, service="xfconf", sound=False),
         Case("dunst paused", program, dnd=True, sound=False),
         Case("GNOME without banners", program, gnome_banners=False, sound=False),
         Case("setting off, locked", program, service="screensaver", quiet=False)], checks)
    # A window manager's word that a window fills the screen, on the display all programs share: the
    # root window itself stands for the active window, one that is not the program's.
    root = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True).stdout
    root_id = root.split("Window id: ")[1].split()[0]
    xprop_root("-f", "_NET_ACTIVE_WINDOW", "32c", "-set", "_NET_ACTIVE_WINDOW", str(int(root_id, 16)))
    xprop_root("-f", "_NET_WM_STATE", "32a", "-set", "_NET_WM_STATE", "_NET_WM_STATE_FULLSCREEN")
    try:
        run([Case("a fullscreen window", program, sound=False),
             Case("a fullscreen window, setting off", program, quiet=False)], checks)
    finally:
        xprop_root("-remove", "_NET_ACTIVE_WINDOW")
        xprop_root("-remove", "_NET_WM_STATE")
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
