#!/usr/bin/env python3
"""End to end: start the real program under Xvfb, draw a PENCIL stroke with xdotool, and check
the pixels of a screenshot.

Usage: pencil_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1024, 768


def free_display():
    for n in range(90, 140):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return f":{n}"
    raise RuntimeError("no free X display number")


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


def pixel(img, x, y):
    w, _, px = img
    i = (y * w + x) * 3
    return tuple(px[i:i + 3])


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
    env.pop("WAYLAND_DISPLAY", None)
    app = None
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
                break
            time.sleep(0.05)
        app = subprocess.Popen([program], env=env)
        xdo = lambda *a: subprocess.run(["xdotool", *map(str, a)], env=env, check=False,
                                        stdout=subprocess.PIPE, text=True).stdout
        for _ in range(200):
            if xdo("search", "--onlyvisible", "--name", "Pindoodle").strip():
                break
            time.sleep(0.05)
        else:
            raise AssertionError("the program's window did not appear")
        time.sleep(1.0)
        # The canvas starts at (82, 92) with a one-pixel border: draw across it.
        y = 400
        xdo("mousemove", 300, y)
        xdo("mousedown", 1)
        for x in range(300, 601, 20):
            xdo("mousemove", x, y)
            time.sleep(0.01)
        xdo("mouseup", 1)
        time.sleep(0.5)
        subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", shot], check=True, env=env)
        img = read_ppm(shot)
        red = (255, 0, 0)
        # A width-2 stroke covers two rows at the pointer's row.
        rows = [yy for yy in range(y - 4, y + 5) if pixel(img, 450, yy) == red]
        assert len(rows) == 2 and y - 2 <= rows[0] <= y + 1, f"the stroke's rows at x=450: {rows}"
        on = [pixel(img, x, rows[0]) for x in range(305, 595, 7)]
        assert all(p == red for p in on), f"the stroke is not pure red along its path: {on[:5]}"
        assert pixel(img, 450, y - 10) == (255, 255, 255), "the canvas is not white beside the stroke"
        assert pixel(img, 40, 300) == (0, 0, 0), "the left band is not black"
        assert pixel(img, 200, 100) == (255, 255, 255), "the canvas does not start at (82, 92)"
        print("pencil stroke: 1 passed, 0 failed")
    finally:
        if app:
            app.terminate()
            try:
                app.wait(5)
            except subprocess.TimeoutExpired:
                app.kill()
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
