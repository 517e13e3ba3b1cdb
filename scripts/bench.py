#!/usr/bin/env python3
"""Footprint and timing of Stillmark, and of any other break reminder installed, measured the same way.
Run inside scripts/with-desktop.sh (a virtual display, a session bus, a notification daemon, a tray):

    scripts/bench.py <build dir>

BENCH_IDLE_SECONDS (default 60) sets the idle period; BENCH_NOTIFY_SAMPLES (default 5) how many
moments the notification delay is measured on."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "reliability"))
from desktop_harness import NotifyMonitor, PrivateSystemBus, Program, faketime_library, write_settings  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
TARGETS = {  # metric: (limit, unit)
    "rss_start": (40.0, "MB"), "pss_start": (26.0, "MB"), "rss_idle": (40.0, "MB"),
    "pss_idle": (26.0, "MB"), "mapped": (0.30, "s"), "cpu_per_20s": (0.001, "s"),
    "notify_max": (1.0, "s"),
    "notify_mean": (0.1, "s"), "wakeups_per_min": (0.0, "/min"),
}
OTHERS = ["workrave", "rsibreak", "safeeyes"]  # Debian's break reminders, measured when installed


def status_kb(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def pss_kb(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Pss:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def memory(pid):
    """Peak RSS (VmHWM), current RSS and PSS, in MB."""
    return {"hwm": status_kb(pid, "VmHWM") / 1024, "rss": status_kb(pid, "VmRSS") / 1024,
            "pss": pss_kb(pid) / 1024}


def cpu_seconds(pid):
    """utime + stime of the whole process from /proc/<pid>/stat, and the finer sum of its threads'
    run time from schedstat."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = (int(fields[11]) + int(fields[12])) / CLOCK_TICKS
    threads = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/comm") as f:
                name = f"{f.read().strip()}[{task}]"
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                threads[name] = int(f.read().split()[0]) / 1e9
        except OSError:
            pass
    return ticks, sum(threads.values()), threads


def main_thread_wakeups(pid):
    """Voluntary context switches of the main thread: each is one sleep ended by a wake-up."""
    return status_kb(f"{pid}/task/{pid}", "voluntary_ctxt_switches")


def visible_window(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def wait_mapped(pid, launched, timeout=20):
    """Seconds from just before exec to the first visible window of pid (polled every few ms)."""
    deadline = launched + timeout
    while time.time() < deadline:
        window = visible_window(pid)
        if window:
            return time.time() - launched, window
        time.sleep(0.003)
    return None, None


def top_mappings(pid, count=8):
    """The mapped files with the most resident memory, in MB."""
    sizes, current = {}, None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            parts = line.split()
            if "-" in parts[0] and len(parts) >= 5 and ":" not in parts[0]:
                current = parts[5] if len(parts) >= 6 else "[anon]"
            elif parts[0] == "Rss:" and current:
                sizes[current] = sizes.get(current, 0) + int(parts[1])
    ranked = sorted(sizes.items(), key=lambda kv: -kv[1])[:count]
    return [(os.path.basename(name) or name, kb / 1024) for name, kb in ranked]


def measure_program(label, argv, env, idle, background):
    """Start, window, memory after start, then idle in the background: memory and CPU."""
    result = {"label": label}
    launched = time.time()
    # The pointer in a corner: a pointer that happens to rest on a control would open its tip.
    subprocess.run(["xdotool", "mousemove", "0", "0"], capture_output=True)
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped, window = wait_mapped(proc.pid, launched)
    result["mapped"] = mapped
    time.sleep(2)  # let it settle: first paint, fonts, the sound system
    if proc.poll() is not None:
        result["error"] = "ended by itself"
        return result
    start = memory(proc.pid)
    result.update(rss_start=start["hwm"], pss_start=start["pss"])
    if background:
        background(window)
    time.sleep(4)  # the balloon of going to the background comes and goes
    cpu_before = cpu_seconds(proc.pid)
    wakeups_before = main_thread_wakeups(proc.pid)
    time.sleep(idle)
    wakeups_after = main_thread_wakeups(proc.pid)
    cpu_after = cpu_seconds(proc.pid)
    result["wakeups_per_min"] = (wakeups_after - wakeups_before) * 60 / idle
    after = memory(proc.pid)
    result.update(rss_idle=after["hwm"], rss_idle_now=after["rss"], pss_idle=after["pss"])
    result["cpu_ticks"] = cpu_after[0] - cpu_before[0]
    # Over the threads that lived through the whole period: one that ended took its run time with it.
    result["cpu_run"] = sum(sec - cpu_before[2][name] for name, sec in cpu_after[2].items()
                            if name in cpu_before[2])
    result["cpu_per_20s"] = result["cpu_run"] * 20 / idle
    result["cpu_threads"] = {name: (cpu_after[2][name] - cpu_before[2].get(name, 0)) * 20 / idle
                             for name in cpu_after[2]}
    result["maps"] = top_mappings(proc.pid)
    with open(f"/proc/{proc.pid}/maps") as f:
        result["webkit_loaded"] = "webkit" in f.read().lower()
    proc.terminate()
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    return result


def stillmark_run(build, idle):
    home = tempfile.mkdtemp(prefix="stillmark-bench-")
    # No moment during the run: the only moment lies twelve hours away. Play Sound and the tips stay
    # ticked, as on a first start: ticked boxes have their own drawing cost.
    hour = (time.localtime().tm_hour + 12) % 24
    write_settings(home, StartHour=f"{hour:02d}:00", EndHour=f"{hour:02d}:00", Stillpoints=1, UseSound=1,
                   StartMinimized=0, ShowTip=1)
    env = dict(os.environ, XDG_CONFIG_HOME=home)

    def run_background(window):
        # "Run Background" is the default button: Enter in the dialog sends it to the tray.
        subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True)
        subprocess.run(["xdotool", "key", "--window", window, "Return"], capture_output=True)
        time.sleep(0.5)
        if visible_window_id_still(window):
            print("  (the window did not go to the background)", file=sys.stderr)

    def visible_window_id_still(window):
        out = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
        return "IsViewable" in out

    result = measure_program("Stillmark", [os.path.join(build, "stillmark")], env, idle, run_background)
    shutil.rmtree(home, ignore_errors=True)
    return result


def notification_delays(build, samples):
    """Delay from the start of a moment's minute (faked clock) to the Notify call on the bus."""
    folder = tempfile.mkdtemp(prefix="stillmark-bench-notify-")
    monitor = NotifyMonitor(folder)
    clock_file = os.path.join(folder, "faketime.rc")
    base = 1796731200  # 2026-12-08 12:00:00 UTC

    def set_clock(fake_epoch):
        offset = fake_epoch - time.time()
        with open(clock_file + ".new", "w") as f:
            f.write(f"{offset:+.6f}\n")
        os.replace(clock_file + ".new", clock_file)
        return offset

    # A jump of the faked clock reaches no kernel timer: a resume announced on a bus standing in for the
    # system bus makes the program read the clock again.
    system_bus = PrivateSystemBus(folder)
    offset = set_clock(base - 600)
    run = Program(os.path.join(build, "stillmark"),
                  dict(StartHour="12:00", EndHour=f"12:{samples - 1:02d}", Stillpoints=samples, UseSound=0,
                       StartMinimized=1, ShowTip=0),
                  {"FAKETIME_TIMESTAMP_FILE": clock_file, "FAKETIME_NO_CACHE": "1",
                   "FAKETIME_DONT_FAKE_MONOTONIC": "1"}, env=system_bus.env())
    time.sleep(3)
    delays = []
    for i in range(samples):
        minute_start = base + 60 * i
        # A random fraction: the wake's phase against the second varies as in real use.
        offset = set_clock(minute_start - 2 - random.random())
        system_bus.resume()
        text = f"It is 12:{i:02d}\n"
        found = monitor.wait_for(lambda c: c.body.startswith(text), 8)
        if found:
            delays.append(found[0].arrival - (minute_start - offset))
    run.terminate()
    run.remove_folder()
    monitor.stop()
    system_bus.stop()
    shutil.rmtree(folder, ignore_errors=True)
    return delays


def other_reminders(idle):
    results = []
    for name in OTHERS:
        path = shutil.which(name)
        if not path:
            continue
        home = tempfile.mkdtemp(prefix=f"bench-{name}-")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        results.append(measure_program(name, [path], env, idle, None))
        shutil.rmtree(home, ignore_errors=True)
    return results


def fmt(value, unit):
    if value is None:
        return "n/a"
    return f"{value:.3f} {unit}" if unit == "s" else f"{value:.1f} {unit}"


def within(value, limit):
    return value <= limit + 1e-9


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    idle = float(os.environ.get("BENCH_IDLE_SECONDS", "60"))
    samples = int(os.environ.get("BENCH_NOTIFY_SAMPLES", "5"))
    faketime_library()

    mine = stillmark_run(build, idle)
    delays = notification_delays(build, samples)
    mine["notify_max"] = max(delays) if delays else None
    mine["notify_mean"] = sum(delays) / len(delays) if delays else None
    others = other_reminders(idle)

    rows = [("Peak RSS after start (VmHWM)", "rss_start", "MB"), ("PSS after start", "pss_start", "MB"),
            (f"Peak RSS after {idle:g} s idle in background", "rss_idle", "MB"),
            (f"PSS after {idle:g} s idle in background", "pss_idle", "MB"),
            ("Start to window mapped", "mapped", "s"),
            ("Idle CPU per 20 s (threads' run time)", "cpu_per_20s", "s"),
            ("Main thread wake-ups per minute while idle", "wakeups_per_min", "/min"),
            ("Moment's minute start to Notify, max", "notify_max", "s"),
            ("Moment's minute start to Notify, mean", "notify_mean", "s")]
    header = f"{'Measure':46} {'Stillmark':>11} {'target':>9}  "
    header += "".join(f"{o['label']:>11} {'ratio':>6}  " for o in others)
    print(header)
    print("-" * len(header))
    missed = []
    for title, key, unit in rows:
        value = mine.get(key)
        limit = TARGETS.get(key, (None, unit))[0]
        verdict = ""
        if limit is not None and value is not None:
            verdict = "ok" if within(value, limit) else "MISSED"
            if verdict == "MISSED":
                missed.append(title)
        line = f"{title:46} {fmt(value, unit):>11} {('≤ ' + fmt(limit, unit)) if limit else '':>9} {verdict:6}"
        for o in others:
            theirs = o.get(key)
            ratio = f"{theirs / value:.1f}x" if theirs and value else "n/a"
            line += f"{fmt(theirs, unit):>11} {ratio:>6}  "
        print(line)
    print(f"\nIdle CPU as utime+stime over {idle:g} s: {mine.get('cpu_ticks', 0):.2f} s "
          f"(resolution {1 / CLOCK_TICKS:.2f} s); threads' run time {mine.get('cpu_run', 0):.4f} s")
    print("Idle CPU per 20 s by thread: " + ", ".join(
        f"{name} {sec:.4f} s" for name, sec in sorted(mine.get("cpu_threads", {}).items())))
    print("Notification delays: " + ", ".join(f"{d:.3f} s" for d in delays))
    print(f"WebKit mapped while idle: {'YES' if mine.get('webkit_loaded') else 'no'}")
    print(f"RSS after idle (current): {mine.get('rss_idle_now', 0):.1f} MB; largest mappings:")
    for name, mb in mine.get("maps", []):
        print(f"    {mb:6.1f} MB  {name}")
    if not others:
        print("No other break reminder installed (looked for: " + ", ".join(OTHERS) + ").")
    if "error" in mine:
        print("Stillmark:", mine["error"])
        return 1
    if missed:
        print("Targets missed: " + "; ".join(missed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
