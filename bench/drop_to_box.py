"""End to end on Linux: a folder dropped on the real window, timed from the
mouse's release to the 成功 box, against a bare directory read of the same
folder (the benchmark's floor). Medians of RUNS rounds, warm cache.
Usage: drop_to_box.py BUILD_DIR FOLDER RUNS (DISPLAY: an X server)"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import wait_until, xdotool  # noqa: E402

BUILD, FOLDER, RUNS = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), int(sys.argv[3])
CAPTION = "提取JPG文件名"


def find_window(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def start(name, *args):
    return subprocess.Popen([os.path.join(BUILD, name), *args], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True,
                            env=dict(os.environ, LC_ALL="zh_CN.UTF-8"))


def one_drop():
    program = start("jpgnames")
    window = wait_until(lambda: find_window(CAPTION), what="main window")
    time.sleep(0.5)
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                         capture_output=True, text=True).stdout
    g = {k: int(v) for k, v in (line.split("=", 1) for line in out.split()) if k in "XY"}
    source = start("qt_drag_source", "60", "60", FOLDER)
    assert source.stdout.readline().strip() == "ready=1"
    time.sleep(0.5)
    xdotool("mousemove", 90, 90)
    time.sleep(0.3)
    xdotool("mousedown", 1)
    time.sleep(0.3)
    for i in range(1, 13):
        xdotool("mousemove", 90 + (g["X"] + 20 - 90) * i // 12, 90 + (g["Y"] + 50 - 90) * i // 12)
        time.sleep(0.08)
    time.sleep(0.5)
    released = time.monotonic()
    xdotool("mouseup", 1)
    try:
        while not find_window("成功"):
            if time.monotonic() - released > 60:
                raise SystemExit("no 成功 box within 60 s")
            time.sleep(0.01)  # leaves the program the processor meanwhile
        return (time.monotonic() - released) * 1000
    finally:
        for process in (program, source):
            process.kill()
            process.wait()


def floor_ms():
    out = subprocess.run([os.path.join(BUILD, "extraction_bench"), "time", FOLDER, "5"],
                         capture_output=True, text=True, check=True).stdout
    return float(dict(line.split("=", 1) for line in out.split())["floor_ms"])


times = [one_drop() for _ in range(RUNS)]
drop, floor = statistics.median(times), floor_ms()
print(f"drop_to_box_ms={drop:.1f}\nfloor_ms={floor:.1f}\nx_floor={drop / floor:.2f}")
