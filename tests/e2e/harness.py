"""What the end-to-end tests share: real folders, xdotool, waiting."""
import os
import shutil
import subprocess
import tempfile
import time
import traceback

failures = []
passed = 0
started = []  # processes a case started; ended after it


def stop_started():
    """Ends whatever a case left running, so the next one starts clean."""
    for process in started:
        if process.poll() is None:
            process.kill()
            process.wait()
    started.clear()
    time.sleep(0.5)


cleanups = [stop_started]  # run after every case, whatever became of it
only = set(filter(None, os.environ.get("E2E_CASES", "").split(",")))
skipped = set(filter(None, os.environ.get("E2E_SKIP", "").split(",")))


def case(function):
    """Runs one end-to-end case, recording its failure instead of stopping."""
    global passed
    if (only and function.__name__ not in only) or function.__name__ in skipped:
        return function
    print(f"--- {function.__name__}", flush=True)
    try:
        function()
        passed += 1
        print(f"ok {function.__name__}", flush=True)
    except Exception:  # a failed check or a harness error alike
        failures.append(function.__name__)
        traceback.print_exc()
    finally:
        for cleanup in cleanups:
            cleanup()
    return function


def finish():
    print(f"{passed} passed, {len(failures)} failed")
    if failures:
        print("failed: " + ", ".join(failures))
    raise SystemExit(1 if failures else 0)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait_until(probe, timeout=20.0, what="condition"):
    deadline = time.time() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.time() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.2)


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def key(name):
    xdotool("key", "--delay", "60", name)


def click_at(x, y):
    xdotool("mousemove", x, y)
    time.sleep(0.2)
    xdotool("click", 1)


def drag(from_xy, to_xy, steps=12):
    """Presses at from_xy, moves in steps, releases at to_xy: a real drag."""
    xdotool("mousemove", *from_xy)
    time.sleep(0.3)
    xdotool("mousedown", 1)
    time.sleep(0.3)
    (x0, y0), (x1, y1) = from_xy, to_xy
    for i in range(1, steps + 1):
        xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        time.sleep(0.08)
    time.sleep(0.5)
    xdotool("mouseup", 1)


class Folders:
    """Real folders of photos for one test run, removed afterwards."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="jpgnames-e2e-")

    def make(self, name, files=(), folders=()):
        path = os.path.join(self.root, name)
        os.makedirs(path)
        for f in files:
            open(os.path.join(path, f), "wb").close()
        for d in folders:
            os.makedirs(os.path.join(path, d))
        return path

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
