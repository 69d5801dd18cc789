#!/usr/bin/env python3
"""numora-cli.exe at a console, as a person types at it: Wine gives the
program a console on a pseudo-terminal. Each step waits for its effect and
fails at once, naming the step.
The program is numora-cli.exe as scripts/target names it.
Usage: console_test.py"""
import os
import pty
import select
import subprocess
import sys
import termios
import time

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")


def target():
    found = subprocess.run([os.path.join(ROOT, "scripts", "target"), "cli/numora-cli.exe"],
                           stdout=subprocess.PIPE, text=True, check=True)
    return found.stdout.strip()


class Console:
    def __init__(self, exe):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execv(WINE_RUN, [WINE_RUN, exe])
        self.seen = b""

    def read(self, limit):
        ready, _, _ = select.select([self.fd], [], [], limit)
        if ready:
            try:
                self.seen += os.read(self.fd, 4096)
            except OSError:  # the program has ended and closed the terminal
                return False
        return True

    def wait_for(self, step, condition, limit=20.0):
        end = time.monotonic() + limit
        while not condition():
            if time.monotonic() > end:
                self.fail(f"{step}: not seen in {limit:.0f} s")
            self.read(0.1)

    def raw(self):
        # Wine's console takes the terminal raw once it reads: typing before
        # that would reach the terminal's own line editing.
        return not termios.tcgetattr(self.fd)[3] & termios.ICANON

    def type(self, step, text, wanted):
        os.write(self.fd, text.encode())
        self.wait_for(step, lambda: wanted.encode() in self.seen)

    def exit_status(self, step, limit=20.0):
        end = time.monotonic() + limit
        while time.monotonic() < end:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                return os.waitstatus_to_exitcode(status)
            self.read(0.1)
        self.fail(f"{step}: the program did not end")

    def fail(self, what):
        os.kill(self.pid, 9)
        sys.exit(f"FAIL {what}; the console shows {self.seen!r}")


def main():
    console = Console(target())
    console.wait_for("the console is ready", console.raw)
    console.type("typing €5", "€5\r", "Penki Eur")
    console.type("typing abc", "abc\r", "numora-cli: 2: Turi būti skaičius")
    os.write(console.fd, b"\x1a\r")
    status = console.exit_status("Ctrl+Z, Enter")
    if status != 1:
        sys.exit(f"FAIL exit status {status}, not 1 (a text was refused)")
    print("3 passed, 0 failed")


main()
