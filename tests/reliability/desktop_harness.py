"""Runs the real program inside the private desktop (scripts/with-desktop.sh), under a faked clock where
asked, finds its windows, types into them and watches its notifications on the session bus. The one set
of desktop helpers of the end-to-end tests and the benchmark."""

import glob
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

FAKETIME_LIBS = ("/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1",
                 *glob.glob("/usr/lib/*/faketime/libfaketimeMT.so.1"))


def wait_for(found, timeout, interval=0.1):
    """What found() gives once it is true, or None when timeout seconds pass first."""
    deadline = time.monotonic() + timeout
    while True:
        result = found()
        if result:
            return result
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def xdotool(*args, env=None):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, env=env).stdout.strip()


def windows(pid, env=None):
    """The process's windows on screen, by id."""
    return set(xdotool("search", "--onlyvisible", "--pid", str(pid), "--name", ".", env=env).split())


def window_width(wid, env=None):
    found = re.search(r"Geometry: (\d+)x", xdotool("getwindowgeometry", wid, env=env))
    return int(found.group(1)) if found else 0


def main_window(pid, env=None, timeout=10):
    """The main window's id once it is on screen, titled "Stillmark", or None. The tray's icon window
    carries the program's name too, but is the size of an icon."""
    return wait_for(lambda: next((wid for wid in windows(pid, env)
                                  if xdotool("getwindowname", wid, env=env) == "Stillmark"
                                  and window_width(wid, env) > 64), None), timeout)


def wait_new_window(pid, before, timeout=15):
    """A window of the process that is not among `before`, once it shows, or None."""
    new = wait_for(lambda: windows(pid) - before, timeout)
    if not new:
        return None
    time.sleep(0.3)  # let it take the focus and start its loop
    return new.pop()


# Tab stops from the start time field, in reading order (the combo box's arrow is a stop of its own;
# the autostart box, the quiet box and the seven day toggles come before the sound).
TABS_TO = {"count": 6, "browse_sound": 22, "close": 27, "about": 28}


def focus_by_tab(wid, control, env=None):
    """Moves the focus from the start time field, which has it when the window opens, to `control`."""
    xdotool("windowfocus", "--sync", wid, env=env)
    for _ in range(TABS_TO[control]):
        xdotool("key", "Tab", env=env)


def type_start_time(wid, text, env=None):
    """The start time field has the focus when the window opens, its text selected."""
    xdotool("windowfocus", "--sync", wid, env=env)
    xdotool("key", "ctrl+a", env=env)
    xdotool("type", "--delay", "30", text, env=env)


class Checks:
    """The verdicts of an end-to-end test, one line each, and its summary."""

    def __init__(self):
        self.failures = []

    def expect(self, what, ok, detail=""):
        print(f"  {what:70} {'ok' if ok else 'WRONG'}", flush=True)
        if not ok:
            self.failures.append(f"{what}: {detail}")

    def report(self):
        """Prints the failures and a summary; gives the exit status."""
        for f in self.failures:
            print("FAIL:", f)
        print("ok" if not self.failures else f"{len(self.failures)} failures")
        return 1 if self.failures else 0


def faketime_library():
    for path in FAKETIME_LIBS:
        if os.path.exists(path):
            return path
    raise SystemExit("libfaketime is missing (install the faketime package)")


class Notification:
    def __init__(self, arrival, sender, summary, body, expire):
        self.arrival = arrival  # real time the bus carried the call (seconds since the epoch)
        self.sender = sender    # the caller's unique bus name
        self.summary = summary
        self.body = body
        self.expire = expire


def parse_notify_calls(text):
    """The Notify calls in dbus-monitor output."""
    calls = []
    for block in re.split(r"\n(?=(?:method call|method return|signal|error) )", text):
        if "member=Notify" not in block.split("\n", 1)[0]:
            continue
        head = block.split("\n", 1)[0]
        arrival = float(re.search(r"time=([0-9.]+)", head).group(1))
        sender = re.search(r"sender=(\S+)", head).group(1)
        strings = [s.encode().decode("unicode_escape") if "\\" in s else s
                   for s in re.findall(r'string "((?:[^"\\]|\\.)*)"', block, re.S)]
        ints = re.findall(r"int32 (-?\d+)", block)
        summary = strings[2] if len(strings) > 2 else ""
        body = strings[3] if len(strings) > 3 else ""
        calls.append(Notification(arrival, sender, summary, body, int(ints[-1]) if ints else None))
    return calls


class PrivateBus:
    """A session bus of its own, with a notification daemon on it: the program owns its name once per
    session, so copies that run side by side each need one."""

    def __init__(self):
        self._daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env = {"DBUS_SESSION_BUS_ADDRESS": self._daemon.stdout.readline().strip()}
        self._dunst = subprocess.Popen(["dunst"], env=dict(os.environ, **self.env), stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        deadline = time.time() + 5
        while time.time() < deadline and not self.has_owner("org.freedesktop.Notifications"):
            time.sleep(0.1)

    def has_owner(self, name):
        out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                              "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                             capture_output=True, text=True, env=dict(os.environ, **self.env)).stdout
        return "true" in out

    def stop(self):
        for proc in (self._dunst, self._daemon):
            proc.terminate()
            proc.wait()


class NotifyMonitor:
    """dbus-monitor on the Notify calls of the session bus (or of a private bus), its output kept in a file."""

    def __init__(self, folder, bus=None):
        self.log = os.path.join(folder, "monitor.log")
        self._out = open(self.log, "w")
        self._proc = subprocess.Popen(
            ["dbus-monitor", "--session",
             "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"],
            stdout=self._out, stderr=subprocess.STDOUT, env=dict(os.environ, **(bus.env if bus else {})))
        # The monitor is ready once it has printed its own NameAcquired/NameLost lines.
        deadline = time.time() + 5
        while time.time() < deadline and os.path.getsize(self.log) == 0:
            time.sleep(0.05)
        time.sleep(0.2)

    def calls(self):
        with open(self.log, errors="replace") as f:
            return parse_notify_calls(f.read())

    def wait_for(self, predicate, timeout):
        return wait_for(lambda: [c for c in self.calls() if predicate(c)], timeout, 0.02) or []

    def stop(self):
        self._proc.terminate()
        self._proc.wait()
        self._out.close()


def write_settings(folder, **keys):
    """A stillmark.INI in folder (used as XDG_CONFIG_HOME) holding the given keys."""
    lines = ["[Settings]"] + [f"{k}={v}" for k, v in keys.items()]
    with open(os.path.join(folder, "stillmark.INI"), "w") as f:
        f.write("\n".join(lines) + "\n")


class Program:
    """The real program with its own settings folder, optionally under libfaketime."""

    def __init__(self, program, settings, fake_env=None, name="stillmark", env=None):
        self.name = name
        self.folder = tempfile.mkdtemp(prefix="stillmark-rel-")
        write_settings(self.folder, **settings)
        env = dict(os.environ, **(env or {}), XDG_CONFIG_HOME=self.folder, TZ="UTC")
        if fake_env:
            env.update(fake_env)
            env["LD_PRELOAD"] = faketime_library()
            # A sanitizer build wants its runtime first; libfaketime only wraps clock calls.
            options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
            env["ASAN_OPTIONS"] = ":".join(options + ["verify_asan_link_order=0"])
        self.log = open(os.path.join(self.folder, "program.log"), "w")
        self.launched = time.time()
        self.proc = subprocess.Popen([program], env=env, stdout=self.log, stderr=subprocess.STDOUT)

    def settings_text(self):
        with open(os.path.join(self.folder, "stillmark.INI")) as f:
            return f.read()

    def terminate(self, timeout=10):
        """SIGTERM; returns the exit status, or None when the program did not end in time."""
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            return None
        finally:
            self.log.close()

    def remove_folder(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def output(self):
        with open(os.path.join(self.folder, "program.log"), errors="replace") as f:
            return f.read()


class PrivateSystemBus:
    """A bus of its own standing in for the system bus, on which the test announces what logind would:
    the machine has woken up. A jump of libfaketime's clock reaches no kernel timer; a resume makes the
    program read the clock again, as it does after a real clock change."""

    def __init__(self, folder):
        self._proc = subprocess.Popen(
            ["dbus-daemon", "--config-file=/usr/share/dbus-1/session.conf", "--nofork",
             f"--address=unix:path={os.path.join(folder, 'system_bus')}", "--print-address"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self._proc.stdout.readline().strip()

    def env(self):
        return {"DBUS_SYSTEM_BUS_ADDRESS": self.address}

    def resume(self):
        # As a client of "the system bus": a sender that never says hello to the bus (gdbus emit --address,
        # dbus-send --address) reaches no one.
        done = subprocess.run(["gdbus", "emit", "--system", "--object-path", "/org/freedesktop/login1",
                               "--signal", "org.freedesktop.login1.Manager.PrepareForSleep", "false"],
                              env=dict(os.environ, **self.env()), capture_output=True, text=True)
        if done.returncode != 0:
            raise RuntimeError(f"cannot announce a resume: {done.stderr.strip()}")

    def stop(self):
        self._proc.terminate()
        self._proc.wait()
