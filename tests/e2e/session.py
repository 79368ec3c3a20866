"""A running copy of the program on its own Xvfb display, driven with xdotool, for the
end-to-end tests."""
import os
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1024, 768


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6", "not a binary PPM"
    assert fields[3] == b"255", "not an 8-bit PPM"
    w, h = int(fields[1]), int(fields[2])
    pos += 1
    return w, h, data[pos:pos + w * h * 3]


SKIPPED = 77


def arguments(needed_artwork=()):
    """The program and the screenshot's path from the command line; the run is skipped (exit 77)
    when artwork it needs is not beside the program."""
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    missing = [f for f in needed_artwork if not os.path.exists(os.path.join(os.path.dirname(program), f))]
    if missing:
        print(f"skipped: the artwork {', '.join(missing)} is not beside the program")
        sys.exit(SKIPPED)
    return program, shot


def pixel(img, x, y):
    w, _, px = img
    i = (y * w + x) * 3
    return tuple(px[i:i + 3])


class Session:
    """Starts Xvfb and the program, waits for its window; ends both on leaving the block."""

    def __init__(self, program, env=None):
        self.program = program
        self.extra_env = env or {}
        self.display = None
        self.env = None
        self.xvfb = self.app = None

    def __enter__(self):
        # Xvfb picks a free display itself and writes its number once it accepts connections.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
        self.env.update(self.extra_env)
        # Nothing reaches a real desktop: no Wayland, no session bus, no desktop's own settings.
        for name in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                     "XDG_SESSION_TYPE"):
            self.env.pop(name, None)
        self.app = subprocess.Popen([self.program], env=self.env)
        for _ in range(200):
            if self.xdo("search", "--onlyvisible", "--name", "Pindoodle").strip():
                break
            time.sleep(0.05)
        else:
            raise AssertionError("the program's window did not appear")
        time.sleep(1.0)
        return self

    def __exit__(self, *exc):
        if self.app:
            self.app.terminate()
            try:
                self.app.wait(5)
            except subprocess.TimeoutExpired:
                self.app.kill()
        self.xvfb.terminate()
        self.xvfb.wait()
        return False

    def xdo(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=False,
                              stdout=subprocess.PIPE, text=True).stdout

    def click(self, x, y, pause=0.4):
        self.xdo("mousemove", x, y)
        time.sleep(0.05)
        self.xdo("click", 1)
        time.sleep(pause)

    def drag(self, x0, y0, x1, y1, steps=10):
        # A short pause between moves keeps them from being merged into one.
        self.xdo("mousemove", x0, y0)
        self.xdo("mousedown", 1)
        for i in range(1, steps + 1):
            self.xdo("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.02)
        self.xdo("mouseup", 1)
        time.sleep(0.5)

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", path],
                       check=True, env=self.env)
        return read_ppm(path)

    def settled(self, shot, check):
        """The screenshot once check finds nothing wrong with it; a loaded machine may still be
        working through the last gestures, so it looks again for up to ten seconds."""
        problem = None
        for _ in range(20):
            img = self.screenshot(shot)
            problem = check(img)
            if problem is None:
                return img
            time.sleep(0.5)
        raise AssertionError(problem)
