"""A private X display with a window manager, for tests that drive the real programs.

    with XSession() as x:
        app = x.application_folder(build_app_dir)      # temp folder with the programs
        proc = x.start(app, "slownik")
        win = x.window_of(proc.pid)
        print(x.geometry(win))
        x.screenshot(artifacts / "strip.png")

Windows are found through the window manager's client list and the process
id that the program's window carries (_NET_WM_PID), never by title search.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time
from pathlib import Path


class XSessionError(RuntimeError):
    pass


def wait_for(predicate, timeout=10.0, interval=0.05, what="condition"):
    """Polls predicate until it returns a true value; returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise XSessionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class XSession:
    def __init__(self, width=1280, height=800, window_manager=True):
        self.tmp = Path(tempfile.mkdtemp(prefix="slownik-x-"))
        self.config_home = self.tmp / "config"
        self.config_home.mkdir()
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.xvfb.kill()
            raise XSessionError("Xvfb did not start")
        self.display = f":{number}"
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "XDG_CONFIG_HOME": str(self.config_home),
            "XDG_RUNTIME_DIR": str(self.tmp),
            "QT_QPA_PLATFORM": "xcb",
            "LC_ALL": "C.UTF-8",
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wm = None
        self.processes = []
        if window_manager:
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                # A loaded machine can take a while to bring openbox up.
                wait_for(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
                         timeout=60, what="the window manager")
            except BaseException:
                self.close()
                raise

    # -- lifetime -----------------------------------------------------------
    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        for proc in self.processes:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            for pipe in (proc.stdout, proc.stderr):
                if pipe:
                    pipe.close()
        for proc in (self.wm, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # -- programs -----------------------------------------------------------
    def run(self, *argv, check=False):
        done = subprocess.run(argv, env=self.env, capture_output=True, text=True, check=check)
        return done.stdout

    def application_folder(self, source_app_dir, files=("slownik", "update", "slownik.txt")):
        """A fresh application folder holding copies of the built programs and data."""
        folder = Path(tempfile.mkdtemp(prefix="app-", dir=self.tmp))
        for name in files:
            src = Path(source_app_dir) / name
            if src.exists():
                shutil.copy2(src, folder / name)
        return folder

    def start(self, folder, program="slownik", **kwargs):
        proc = subprocess.Popen([f"./{program}"], cwd=folder, env=self.env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kwargs)
        self.processes.append(proc)
        return proc

    # -- windows ------------------------------------------------------------
    def client_windows(self):
        out = self.run("xprop", "-root", "_NET_CLIENT_LIST")
        return re.findall(r"0x[0-9a-fA-F]+", out.split("#", 1)[-1])

    def pid_of(self, win):
        m = re.search(r"= (\d+)", self.run("xprop", "-id", win, "_NET_WM_PID"))
        return int(m.group(1)) if m else None

    def windows_of(self, pid):
        return [w for w in self.client_windows() if self.pid_of(w) == pid]

    def window_of(self, pid, title=None, timeout=15.0):
        """The mapped client window of a process (optionally with this exact title)."""
        def find():
            for w in self.windows_of(pid):
                if self.is_viewable(w) and (title is None or self.title(w) == title):
                    return w
            return None
        return wait_for(find, timeout, what=f"a window of pid {pid} titled {title!r}")

    def title(self, win):
        m = re.search(r'= "(.*)"$', self.run("xprop", "-id", win, "_NET_WM_NAME").strip())
        return m.group(1) if m else None

    def is_viewable(self, win):
        return "IsViewable" in self.run("xwininfo", "-id", win)

    def geometry(self, win):
        """(x, y, width, height) of the window's client area on the screen."""
        info = self.run("xwininfo", "-id", win)
        def field(name):
            return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))

    def net_wm_state(self, win):
        out = self.run("xprop", "-id", win, "_NET_WM_STATE")
        return re.findall(r"_NET_WM_STATE_\w+", out)

    def has_frame(self, win):
        """True when the window manager drew a border or title bar round the window."""
        out = self.run("xprop", "-id", win, "_NET_FRAME_EXTENTS")
        nums = [int(n) for n in re.findall(r"\d+", out.split("=", 1)[-1])] if "=" in out else []
        return any(nums)

    # -- input --------------------------------------------------------------
    def xdotool(self, *args):
        return self.run("xdotool", *[str(a) for a in args])

    def move_mouse(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, button=1):
        self.move_mouse(x, y)
        time.sleep(0.05)
        self.xdotool("click", button)

    def drag(self, x1, y1, x2, y2, steps=10, button=1):
        self.move_mouse(x1, y1)
        time.sleep(0.1)
        self.xdotool("mousedown", button)
        time.sleep(0.1)
        for i in range(1, steps + 1):
            self.move_mouse(x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
            time.sleep(0.03)
        time.sleep(0.1)
        self.xdotool("mouseup", button)
        time.sleep(0.2)

    def key(self, *keys, window=None):
        args = ["key"]
        if window:
            args += ["--window", window]
        self.xdotool(*args, *keys)

    def menu_pick(self, x, y, index):
        """Right-clicks at (x, y) and picks the index-th item (1 = first, separators
        not counted) of the popup menu that opens, by keyboard."""
        self.click(x, y, button=3)
        time.sleep(0.4)
        for _ in range(index):
            self.xdotool("key", "Down")
            time.sleep(0.05)
        self.xdotool("key", "Return")
        time.sleep(0.3)

    def type_text(self, text):
        self.xdotool("type", "--delay", 30, text)

    def request_close(self, win):
        """Asks the window manager to close the window (_NET_CLOSE_WINDOW, then
        WM_DELETE_WINDOW to the program), as a close command of the desktop would."""
        self.run("wmctrl", "-i", "-c", win, check=True)

    # -- pictures -----------------------------------------------------------
    def screenshot(self, path, window=None):
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        self.run("import", "-window", window or "root", str(path), check=True)
        return path

    def pixels(self, x, y, width, height):
        """The screen's RGB pixels in a rectangle, as a list of rows of (r, g, b)."""
        out = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                              "-depth", "8", "rgb:-"], env=self.env, capture_output=True, check=True).stdout
        rows = []
        for j in range(height):
            row = out[j * width * 3:(j + 1) * width * 3]
            rows.append([tuple(row[i:i + 3]) for i in range(0, len(row), 3)])
        return rows
