#!/usr/bin/env python3
"""The real program asked to end while its start is held up: the session bus takes the connection and
never answers, so the check for a copy already running waits. SIGTERM ends it within a second, status 0.

    e2e_end_while_starting.py <stillmark>"""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

DEADLINE = 1.0  # seconds from the request to the end of the process


def main():
    program = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="stillmark-hung-bus-")
    listener = socket.socket(socket.AF_UNIX)
    listener.bind(os.path.join(folder, "bus"))
    listener.listen(4)
    listener.settimeout(10)
    env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=f"unix:path={os.path.join(folder, 'bus')}",
               XDG_CONFIG_HOME=folder)
    proc = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        connection, _ = listener.accept()  # kept open, never answered
        time.sleep(0.5)
        proc.send_signal(signal.SIGTERM)
        asked = time.time()
        try:
            status = proc.wait(5)
        except subprocess.TimeoutExpired:
            status = None
        took = time.time() - asked
        connection.close()
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        listener.close()
        shutil.rmtree(folder, ignore_errors=True)
    output = proc.stdout.read()
    if status == 0 and took <= DEADLINE:
        print(f"ok: status 0 after {took:.2f} s")
        return 0
    print(f"SIGTERM while the start waits for the bus: status {status} after {took:.2f} s, not 0 within "
          f"{DEADLINE:g} s\n{output}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
