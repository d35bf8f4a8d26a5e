"""The Windows program under Wine, in a 1024x768 virtual desktop on Xvfb,
driven by xdotool and read back through a Win32 probe of the tests.
Usage: win32_e2e.py BUILD_DIR
The locale (JPGNAMES_WINE_LOCALE) sets Windows' ANSI code page: 936 for
zh_CN.UTF-8 (a Chinese Windows, the default), 1252 for C.UTF-8 (an English
one). The probe reads every text as UTF-16, so both read the same."""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import case, started, check, click_at, drag, finish, key, wait_until, Folders  # noqa: E402

BUILD = os.path.abspath(sys.argv[1])
RUN = os.path.join(os.path.dirname(__file__), "..", "wine", "run.sh")
CAPTION = "提取JPG文件名"
SUCCESS_TEXT = "成功将照片文件名复制到剪辑板."
LOCALE = os.environ.setdefault("JPGNAMES_WINE_LOCALE", "zh_CN.UTF-8")
CODE_PAGE, ANSI, LCID = (936, "gbk", "0x0804") if LOCALE.startswith("zh_CN") else (1252, "cp1252", "0x0409")
os.environ["WINEPREFIX"] = os.environ.setdefault("JPGNAMES_WINEPREFIX", os.path.abspath(
    os.path.join(os.path.dirname(__file__), "..", "..", "build", "wineprefix")))
print(f"locale {LOCALE}: ANSI code page {CODE_PAGE}", flush=True)


def exe(name):
    return os.path.join(BUILD, name + ".exe")


def start(name, *args, **kwargs):
    process = subprocess.Popen([RUN, exe(name), *args], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True, **kwargs)
    started.append(process)
    return process


def probe(*args):
    try:
        out = subprocess.run([RUN, exe("win32_probe"), *args], capture_output=True,
                             text=True, timeout=30).stdout
    except subprocess.TimeoutExpired:
        return {}  # Wine still starting up: the caller asks again
    values = {}
    for line in out.splitlines():
        k, _, v = line.strip().partition("=")
        values.setdefault(k, v)
        if k in ("box_caption_hex", "box_text_hex", "box_icon"):
            values.setdefault(k + "s", []).append(v)
    return values


def hexof(text):
    return text.encode().hex()


def ansi(text):
    """text in the ANSI code page, "?" for what it cannot spell."""
    return text.encode(ANSI, errors="replace")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def boxes():
    found = probe("boxes")
    return [(bytes.fromhex(c).decode(), bytes.fromhex(t).decode(), int(i))
            for c, t, i in zip(found.get("box_caption_hexs", []),
                               found.get("box_text_hexs", []),
                               found.get("box_icons", []))]


def message_boxes():
    return [b for b in boxes() if b[0] in ("成功", "失败")]


def wait_box(caption, timeout=20.0):
    return wait_until(lambda: [b for b in boxes() if b[0] == caption],
                      timeout=timeout, what=f"message box {caption}")[0]


def clipboard():
    """CF_TEXT's bytes."""
    found = wait_until(lambda: probe("clipboard"), what="clipboard")
    return bytes.fromhex(found["text_hex"]) if "text_hex" in found else None


def unicode_clipboard():
    """CF_UNICODETEXT, and the clipboard as a whole."""
    found = wait_until(lambda: probe("clipboard"), what="clipboard")
    text = bytes.fromhex(found["unicode_hex"]).decode("utf-16-le") if "unicode_hex" in found else None
    return text, found


def check_names_copied(names):
    """The clipboard holds the names, each line ending in CR LF, exactly in
    CF_UNICODETEXT and in the ANSI code page in CF_TEXT, with its locale."""
    text, found = unicode_clipboard()
    expected = "".join(name + "\r\n" for name in names)
    check(text == expected, f"CF_UNICODETEXT {text!r}, expected {expected!r}")
    check(clipboard() == ansi(expected), f"CF_TEXT {clipboard()!r}, expected {ansi(expected)!r}")
    check(found.get("locale") == found.get("system_locale") == LCID,
          f"CF_LOCALE {found.get('locale')}, system {found.get('system_locale')}")
    check(found.get("acp") == str(CODE_PAGE), f"ANSI code page {found.get('acp')}")


def set_clipboard(data):
    subprocess.run([RUN, exe("win32_probe"), "set-clipboard", data.hex()], check=True)


class Program:
    """jpgnames.exe running; its window's geometry read back once shown."""

    def __init__(self, name="jpgnames"):
        self.process = start(name)
        try:
            self.window = wait_until(lambda: self.find(), timeout=45, what="main window")
        except AssertionError:
            # Seen once: a Wine desktop that shows no new window. Start afresh.
            print("no main window; restarting Wine:", probe("boxes"), flush=True)
            self.process.kill()
            reset_wine()
            self.process = start(name)
            self.window = wait_until(lambda: self.find(), timeout=90, what="main window")
        ox, oy = map(int, self.window["client_origin"].split(","))
        bx, by, bw, bh = map(int, self.window["button"].split(","))
        self.button_centre = (ox + bx + bw // 2, oy + by + bh // 2)
        self.client_centre = (ox + 20, oy + 50)

    @staticmethod
    def find():
        found = probe("window", CAPTION)
        return found if found.get("found") == "1" and found.get("visible") == "1" else None

    def state(self):
        return wait_until(lambda: probe("window", CAPTION), what="window state")

    def click_button(self):
        click_at(*self.button_centre)

    def close(self):
        if self.process.poll() is None:
            self.state()
            key("Escape")
        return self.process.wait(timeout=30)


def open_folder_browser(program):
    """Clicks the button and waits for the browser to disable the window."""
    program.click_button()
    wait_until(lambda: program.state()["enabled"] == "0", what="folder browser open")
    time.sleep(1.0)


def point_desktop_at(folder):
    """Wine's folder browser opens on the Desktop: Enter picks it."""
    prefix = os.environ["WINEPREFIX"]
    users = os.path.join(prefix, "drive_c", "users")
    for user in os.listdir(users):
        desktop = os.path.join(users, user, "Desktop")
        if os.path.islink(desktop) or os.path.isdir(desktop):
            if os.path.islink(desktop):
                os.remove(desktop)
            else:
                os.rename(desktop, desktop + ".orig")
            os.symlink(folder, desktop)


def drag_onto(program, paths, text=None, target=None, options=()):
    """Starts the test's drag source, drags from it onto the window."""
    args = ["60", "60", *options] + (["--text", text] if text else
                                     [p if p.startswith("Z:") else windows_path(p) for p in paths])
    source = start("win32_drag_source", *args)
    check(source.stdout.readline().strip() == "ready=1", "drag source did not start")
    time.sleep(1.0)
    drag((90, 90), target or program.client_centre)
    return source


def reset_wine():
    """A clean slate: no program of an earlier run still holds a box open."""
    # A wineserver keeps the code page it was started with: end it.
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], stderr=subprocess.DEVNULL)
    subprocess.run([RUN, exe("win32_probe"), "boxes"], capture_output=True, timeout=300)


reset_wine()
folders = Folders()
photos = folders.make("photos", ["a.jpg", "b.JPG", "c.png", "照片.jpg", "運.jpg"], ["x.jpg"])
others = folders.make("others", ["IMG_1.jpg"])
PHOTOS = ["a", "b", "照片", "運"]


@case
def window_opens_centred_with_its_button():
    program = Program()
    w = program.window
    check(w["outer"] == "415,338,193,91", f"outer {w['outer']}")
    check(w["screen"] == "1024,768", w["screen"])
    style = int(w["style"], 16)
    check(not style & 0x00040000, "resizable")
    check(not style & 0x00010000, "has a maximise box")
    check(style & 0x00020000, "has no minimise box")
    check(w["button"] == "48,12,80,32", f"button {w['button']}")
    check(w["button_text_hex"] == hexof("选择文件夹"), "button caption")
    check(int(w["button_style"], 16) & 0xF == 0, "button is a default button")
    check(w["client"] == "0,0,187,66", f"client {w['client']}")
    check(program.close() == 0, "exit code after Esc")


@case
def click_chooses_folder_and_copies_names():
    point_desktop_at(photos)
    set_clipboard(b"earlier")
    program = Program()
    open_folder_browser(program)
    key("Return")
    caption, text, icon = wait_box("成功")
    check(text == SUCCESS_TEXT and icon == 0, f"box {text!r} icon {icon}")
    check_names_copied(PHOTOS)
    # CF_TEXT, CF_UNICODETEXT and CF_LOCALE; CF_OEMTEXT is the system's own.
    formats = set(filter(None, probe("clipboard")["formats"].split(",")))
    check({"1", "13", "16"} <= formats <= {"1", "7", "13", "16"}, f"formats {formats}")
    key("Return")
    wait_until(lambda: not message_boxes(), what="box closed")
    state = wait_until(lambda: (s := program.state())["enabled"] == "1" and s, what="enabled")
    check(state["foreground"] == "1", "main window not active again")
    check(program.close() == 0, "exit code")


@case
def cancel_copies_nothing():
    point_desktop_at(photos)
    set_clipboard(b"earlier")
    program = Program()
    open_folder_browser(program)
    key("Escape")
    wait_until(lambda: program.state()["enabled"] == "1", what="browser closed")
    time.sleep(1.0)
    check(message_boxes() == [], f"a box after cancel: {boxes()}")
    check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    check(program.close() == 0, "exit code")


@case
def drop_runs_the_command_and_later_clicks_reuse_it():
    set_clipboard(b"earlier")
    program = Program()
    source = drag_onto(program, [photos])
    wait_box("成功")
    time.sleep(0.5)
    check(source.poll() is None, "the drag ended before the box was closed")
    check_names_copied(PHOTOS)
    key("Return")
    out, _ = source.communicate(timeout=30)
    check("result=0x80004005" in out, f"DoDragDrop: {out}")

    set_clipboard(b"earlier")
    program.click_button()
    wait_box("成功")  # no folder browser: the dropped folder is reused
    check_names_copied(PHOTOS)
    key("Return")
    wait_until(lambda: not message_boxes(), what="box closed")

    source = drag_onto(program, [others], target=program.button_centre)
    wait_box("成功")
    check_names_copied(["IMG_1"])
    key("Return")
    source.communicate(timeout=30)
    check(program.close() == 0, "exit code")


@case
def two_folders_or_text_dropped_change_nothing():
    set_clipboard(b"earlier")
    program = Program()
    source = drag_onto(program, [photos, others])
    caption, text, icon = wait_box("失败")
    expected = "无法读取文件夹:\r\n" + windows_path(photos) + "\r\n" + windows_path(others) + "\r\n"
    check(text == expected and icon == 1, f"box {text!r} icon {icon}")
    check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    key("Return")
    source.communicate(timeout=30)

    source = drag_onto(program, [], text="C:\\")
    out, _ = source.communicate(timeout=30)
    print("text drag:", out.replace("\n", " "))
    check("last_feedback=0" in out, f"text drag showed an effect: {out}")
    time.sleep(0.5)
    check(message_boxes() == [], "a box after a text drag")
    check(clipboard() == b"earlier", "clipboard changed by a text drag")
    check(program.close() == 0, "exit code")


@case
def hostile_drops_give_names_or_the_failure_box():
    chinese = folders.make("照片集", ["照片.jpg", "a.jpg"])
    deep = folders.root
    while len(windows_path(deep)) < 360:  # far past MAX_PATH (260)
        deep = os.path.join(deep, "d" * 40)
        os.makedirs(deep)
    open(os.path.join(deep, "deep.jpg"), "wb").close()
    cases = [  # options, paths, the box expected (None: none), the names copied (None: none)
        ((), [deep], "成功", ["deep"]),
        (("--wide",), [deep], "成功", ["deep"]),
        ((), [], "失败", None),
        (("--wide",), [chinese], "成功", ["a", "照片"]),
        (("--getdata-fails",), [photos], None, None),
        ((), [windows_path(photos) + "\r\n"], "失败", None),
    ]
    program = Program()
    for options, paths, box, names in cases:
        print("drop", options, [p[-40:] for p in paths], flush=True)
        set_clipboard(b"earlier")
        source = drag_onto(program, paths, options=options)
        if box:
            wait_box(box)
            if names is None:
                check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
            else:
                check_names_copied(names)
            key("Return")
        out, _ = source.communicate(timeout=30)
        check("result=0x80004005" in out, f"DoDragDrop: {out}")
        wait_until(lambda: not message_boxes(), what="no box left open")
        if names is None:
            check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    check(program.close() == 0, "exit code")


@case
def every_name_is_copied_whole_whatever_the_code_page():
    names = ["café", "plain", "한국", "照片", "😀 smile"]
    folder = folders.make("한국 사진 😀 照片 café", [n + ".jpg" for n in names])
    program = Program()
    source = drag_onto(program, [folder], options=("--wide",))
    wait_box("成功")
    text, found = unicode_clipboard()
    lines = text.split("\r\n")
    check(lines[-1] == "" and sorted(lines[:-1]) == sorted(names), f"CF_UNICODETEXT {text!r}")
    check(found.get("locale") == found.get("system_locale") == LCID,
          f"CF_LOCALE {found.get('locale')}, system {found.get('system_locale')}")
    # CF_TEXT: a line for every name; exact for the names the code page spells.
    ansi_lines = clipboard().split(b"\r\n")
    check(len(ansi_lines) == len(lines), f"CF_TEXT {ansi_lines!r}")
    spelled = 0
    for line, ansi_line in zip(lines, ansi_lines):
        try:
            expected = line.encode(ANSI)
        except UnicodeEncodeError:
            continue
        spelled += 1
        check(ansi_line == expected, f"CF_TEXT line {ansi_line!r}, expected {expected!r}")
    print(f"CF_TEXT exact for {spelled - 1} of {len(names)} names in code page {CODE_PAGE}")
    key("Return")
    source.communicate(timeout=30)
    check(program.close() == 0, "exit code")


@case
def clipboard_held_open_is_reported():
    program = Program()
    source = drag_onto(program, [photos])
    wait_box("成功")
    key("Return")
    source.communicate(timeout=30)
    set_clipboard(b"earlier")
    holder = start("win32_probe", "hold-clipboard", "4000")
    check(holder.stdout.readline().strip() == "held=1", "holder did not open the clipboard")
    program.click_button()
    caption, text, icon = wait_box("失败")
    check(text == "无法将照片文件名复制到剪辑板." and icon == 1, f"box {text!r}")
    holder.wait(timeout=30)
    check(clipboard() == b"earlier", f"clipboard {clipboard()!r}")
    key("Return")
    check(program.close() == 0, "exit code")


@case
def keyboard_enter_and_tab_do_nothing_space_clicks():
    point_desktop_at(photos)
    program = Program()
    for name in ("Return", "Tab", "shift+Tab", "F1"):
        key(name)
    time.sleep(1.0)
    check(program.state()["enabled"] == "1", "a key other than Space opened something")
    key("space")  # the focus is still on the button
    wait_until(lambda: program.state()["enabled"] == "0", what="browser opened by Space")
    time.sleep(1.0)
    key("Escape")
    wait_until(lambda: program.state()["enabled"] == "1", what="browser closed")
    check(program.close() == 0, "exit code")


@case
def close_button_ends_with_zero():
    program = Program()
    x, y, w, h = map(int, program.window["outer"].split(","))
    client_top = int(program.window["client_origin"].split(",")[1])
    click_at(x + w - 10, (y + client_top) // 2)
    check(program.process.wait(timeout=30) == 0, "exit code after the close button")


@case
def started_elsewhere_works_in_its_own_folder():
    # 運 is 0xDF 0x5C in code page 936: no part of it may be taken for a
    # backslash, and under code page 1252 the ANSI calls could not name it.
    home = folders.make("運 程序")
    shutil.copy(exe("jpgnames"), os.path.join(home, "運.exe"))
    elsewhere = folders.make("elsewhere")
    process = subprocess.Popen([RUN, os.path.join(home, "運.exe")], cwd=elsewhere,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    started.append(process)
    wait_until(Program.find, timeout=90, what="main window")
    found = probe("cwd", CAPTION)
    cwd = bytes.fromhex(found.get("cwd_hex", "")).decode()
    check(cwd.rstrip("\\") == windows_path(home), f"current folder {cwd!r}")
    key("Escape")
    check(process.wait(timeout=30) == 0, "exit code")


@case
def alt_f4_ends_with_zero():
    program = Program()
    key("alt+F4")
    check(program.process.wait(timeout=30) == 0, "exit code after Alt+F4")


@case
def allocation_failure_ends_with_the_fatal_report():
    program = start("jpgnames_fails_allocation")
    # The box comes right after a fresh start: give it the start's deadline.
    # Under load, a new Wine process in code page 1252 was seen to take
    # about 30 s to show its first window and box.
    caption, text, icon = wait_box("运行错误", timeout=60)
    check("运行时错误" in text and icon == 1, f"fatal box {text!r}")
    key("Return")
    check(program.wait(timeout=30) == 255, "exit code after a fatal error")


folders.remove()
reset_wine()
finish()
