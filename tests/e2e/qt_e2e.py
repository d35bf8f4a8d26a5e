"""The Linux program on Xvfb (no window manager), driven by xdotool and read
back with xdotool and xclip. Usage: qt_e2e.py BUILD_DIR"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import case, started, check, click_at, finish, key, wait_until, Folders  # noqa: E402

BUILD = os.path.abspath(sys.argv[1])
CAPTION = "提取JPG文件名"


def start(name):
    env = dict(os.environ, LC_ALL="zh_CN.UTF-8")
    process = subprocess.Popen([os.path.join(BUILD, name)], env=env,
                               stderr=subprocess.DEVNULL)
    started.append(process)
    return process


def find_window(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def geometry(window):
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                         capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in out.split())
    return {k: int(v) for k, v in values.items() if k in ("X", "Y", "WIDTH", "HEIGHT")}


def clipboard():
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"],
                          capture_output=True, timeout=10).stdout


def set_clipboard(data):
    subprocess.Popen(["xclip", "-selection", "clipboard", "-i"],
                     stdin=subprocess.PIPE).communicate(data)
    wait_until(lambda: clipboard() == data, what="clipboard set")


class Program:
    def __init__(self, name="jpgnames"):
        self.process = start(name)
        self.window = wait_until(lambda: find_window(CAPTION), what="main window")
        time.sleep(0.5)
        self.geometry = geometry(self.window)
        g = self.geometry
        self.button_centre = (g["X"] + 48 + 40, g["Y"] + 12 + 16)

    def click_button(self):
        click_at(*self.button_centre)

    def close(self):
        if self.process.poll() is None:
            xdotool_focus(self.window)
            key("Escape")
        return self.process.wait(timeout=20)


def xdotool_focus(window):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)


def choose_in_dialog(folder):
    dialog = wait_until(lambda: find_window("浏览文件夹"), what="folder dialog")
    xdotool_focus(dialog)
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "20", folder], check=True)
    key("Return")


folders = Folders()
photos = folders.make("photos", ["照片.jpg", "b.JPG", "c.png", "IMG_10.jpg", "IMG_2.jpg"], ["x.jpg"])
PHOTOS_CLIP = "b\r\nIMG_2\r\nIMG_10\r\n照片\r\n".encode()


@case
def window_opens_centred_with_its_button():
    program = Program()
    g = program.geometry
    check((g["WIDTH"], g["HEIGHT"]) == (187, 66), f"client size {g}")
    check((g["X"], g["Y"]) == ((1024 - 187) // 2, (768 - 66) // 2), f"place {g}")
    check(program.close() == 0, "exit code after Esc")


@case
def click_chooses_folder_and_copies_names():
    set_clipboard(b"earlier")
    program = Program()
    program.click_button()
    choose_in_dialog(photos)
    box = wait_until(lambda: find_window("成功"), what="success box")
    check(clipboard() == PHOTOS_CLIP, f"clipboard {clipboard()!r}")
    xdotool_focus(box)
    key("Return")
    wait_until(lambda: not find_window("成功"), what="box closed")
    check(program.close() == 0, "exit code")


@case
def cancel_copies_nothing():
    set_clipboard(b"earlier")
    program = Program()
    program.click_button()
    dialog = wait_until(lambda: find_window("浏览文件夹"), what="folder dialog")
    xdotool_focus(dialog)
    key("Escape")
    wait_until(lambda: not find_window("浏览文件夹"), what="dialog closed")
    time.sleep(1.0)
    check(not find_window("成功") and not find_window("失败"), "a box after cancel")
    check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    check(program.close() == 0, "exit code")


@case
def folder_without_photos_gives_one_empty_line():
    set_clipboard(b"earlier")
    program = Program()
    program.click_button()
    choose_in_dialog(os.path.join(photos, "x.jpg"))
    box = wait_until(lambda: find_window("成功"), what="box for an empty folder")
    check(clipboard() == b"\r\n", f"clipboard {clipboard()!r}")
    xdotool_focus(box)
    key("Return")
    check(program.close() == 0, "exit code")


@case
def allocation_failure_ends_with_the_fatal_report():
    program = start("jpgnames_fails_allocation")
    box = wait_until(lambda: find_window("运行错误"), what="fatal box")
    xdotool_focus(box)
    key("Return")
    check(program.wait(timeout=20) == 255, "exit code after a fatal error")


folders.remove()
finish()
