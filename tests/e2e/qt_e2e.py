"""The Linux program on Xvfb (no window manager), driven by xdotool and read
back with xdotool and xclip. Usage: qt_e2e.py BUILD_DIR"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import case, started, check, click_at, drag, finish, key, wait_until, Folders  # noqa: E402

BUILD = os.path.abspath(sys.argv[1])
CAPTION = "提取JPG文件名"


def start(name, *args):
    env = dict(os.environ, LC_ALL="zh_CN.UTF-8")
    process = subprocess.Popen([os.path.join(BUILD, name), *args], env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               text=True)
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
    # xclip stays behind to serve the selection: it must not hold our output.
    subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).communicate(data)
    wait_until(lambda: clipboard() == data, what="clipboard set")


class Program:
    def __init__(self, name="jpgnames"):
        self.process = start(name)
        self.window = wait_until(lambda: find_window(CAPTION), what="main window")
        time.sleep(0.5)
        self.geometry = geometry(self.window)
        g = self.geometry
        self.button_centre = (g["X"] + 48 + 40, g["Y"] + 12 + 16)
        self.client_spot = (g["X"] + 20, g["Y"] + 50)

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


def drag_onto(program, paths, text=None, target=None):
    """Starts the test's drag source and drags from it onto the window."""
    args = ["60", "60"] + (["--text", text] if text else list(paths))
    source = start("qt_drag_source", *args)
    check(source.stdout.readline().strip() == "ready=1", "drag source did not start")
    time.sleep(0.5)
    drag((90, 90), target or program.client_spot)
    return source


def dismiss(caption):
    box = wait_until(lambda: find_window(caption), what=f"box {caption}")
    xdotool_focus(box)
    key("Return")
    wait_until(lambda: not find_window(caption), what=f"box {caption} closed")


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


others = folders.make("others", ["IMG_1.jpg"])


@case
def drop_runs_the_command_and_later_clicks_reuse_it():
    set_clipboard(b"earlier")
    program = Program()
    source = drag_onto(program, [photos])
    wait_until(lambda: find_window("成功"), what="success box")
    check(not find_window("浏览文件夹"), "a folder dialog after a drop")
    check(clipboard() == PHOTOS_CLIP, f"clipboard {clipboard()!r}")
    dismiss("成功")
    out, _ = source.communicate(timeout=30)
    check("finished_accepted=0" in out, f"the drop was reported as performed: {out}")

    set_clipboard(b"earlier")
    program.click_button()
    wait_until(lambda: find_window("成功"), what="success box after a click")
    check(not find_window("浏览文件夹"), "a folder dialog after a drop")
    check(clipboard() == PHOTOS_CLIP, f"clipboard {clipboard()!r}")
    dismiss("成功")

    source = drag_onto(program, [others], target=program.button_centre)
    wait_until(lambda: find_window("成功"), what="success box after the second drop")
    check(clipboard() == b"IMG_1\r\n", f"clipboard {clipboard()!r}")
    dismiss("成功")
    source.communicate(timeout=30)
    check(program.close() == 0, "exit code")


@case
def two_folders_or_text_dropped_change_nothing():
    set_clipboard(b"earlier")
    program = Program()
    source = drag_onto(program, [photos, others])
    wait_until(lambda: find_window("失败"), what="failure box")
    check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    dismiss("失败")
    source.communicate(timeout=30)

    source = drag_onto(program, [], text=photos)
    out, _ = source.communicate(timeout=30)
    check("exec_action=0" in out, f"a text drag was taken: {out}")
    check(not find_window("成功") and not find_window("失败"), "a box after a text drag")
    check(clipboard() == b"earlier", "clipboard changed by a text drag")
    check(program.close() == 0, "exit code")


@case
def keyboard_enter_and_tab_do_nothing_space_clicks():
    program = Program()
    xdotool_focus(program.window)
    for name in ("Return", "Tab", "shift+Tab", "F1"):
        key(name)
    time.sleep(1.0)
    check(not find_window("浏览文件夹"), "a key other than Space opened the dialog")
    key("space")  # the focus is still on the button
    dialog = wait_until(lambda: find_window("浏览文件夹"), what="dialog opened by Space")
    xdotool_focus(dialog)
    key("Escape")
    wait_until(lambda: not find_window("浏览文件夹"), what="dialog closed")
    check(program.close() == 0, "exit code")


@case
def started_elsewhere_works_in_its_own_folder():
    elsewhere = folders.make("elsewhere")
    env = dict(os.environ, LC_ALL="zh_CN.UTF-8")
    process = subprocess.Popen([os.path.join(BUILD, "jpgnames")], cwd=elsewhere, env=env,
                               stderr=subprocess.DEVNULL)
    started.append(process)
    window = wait_until(lambda: find_window(CAPTION), what="main window")
    cwd = os.readlink(f"/proc/{process.pid}/cwd")
    check(cwd == BUILD, f"current folder {cwd}")
    xdotool_focus(window)
    key("Escape")
    check(process.wait(timeout=20) == 0, "exit code")


@case
def allocation_failure_ends_with_the_fatal_report():
    program = start("jpgnames_fails_allocation")
    box = wait_until(lambda: find_window("运行错误"), what="fatal box")
    xdotool_focus(box)
    key("Return")
    check(program.wait(timeout=20) == 255, "exit code after a fatal error")


folders.remove()
finish()
