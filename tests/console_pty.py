#!/usr/bin/env python3
"""Runs the program on a pseudo-terminal of its own, as a person at a
terminal meets it: nothing is shown before the first key; after the first
key (Enter) the line is shown while the program still waits; after the
second key it exits with status 0.

usage: console_pty.py [emulator...] program
"""
import os
import pty
import select
import sys
import time

LINE = b"z  = -29139"
SLOW = 30  # seconds an emulator may take to start or to answer


def shown(fd, seconds, until=None):
    """What the terminal shows within `seconds`, or until `until` appears."""
    out = b""
    end = time.monotonic() + seconds
    while (left := end - time.monotonic()) > 0 and not (until and until in out):
        if not select.select([fd], [], [], left)[0]:
            break
        try:
            chunk = os.read(fd, 1024)
        except OSError:  # EIO: the program has ended
            break
        if not chunk:
            break
        out += chunk
    return out


class Child:
    """The program on the terminal; `status` is None while it runs."""

    def __init__(self, argv):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execvp(argv[0], argv)
        self.status = None

    def running(self):
        if self.status is None:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                self.status = os.waitstatus_to_exitcode(status)
        return self.status is None


def main():
    child = Child(sys.argv[1:])
    fd = child.fd
    failures = []

    before = shown(fd, 1.0)
    if before or not child.running():
        failures.append(f"before the first key: shown {before!r}, "
                        f"exit status {child.status}")
    os.write(fd, b"\r")
    after = shown(fd, SLOW, until=LINE)
    if LINE not in after:
        failures.append(f"after the first key: shown {after!r}")
    time.sleep(1.0)
    if not child.running():
        failures.append("did not wait for the second key")
    else:
        os.write(fd, b"\r")
        end = time.monotonic() + SLOW
        while child.running() and time.monotonic() < end:
            shown(fd, 0.1)
        if child.running():
            failures.append("still running after the second key")
            os.kill(child.pid, 9)
        elif child.status != 0:
            failures.append(f"exit status {child.status}")
    for failure in failures:
        print("FAIL", failure)
    if not failures:
        print("ok   terminal")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
