#!/usr/bin/env python3
"""End to end: start the real program under Xvfb, pick RECTANGLE and the cross-hatch fill style with
the mouse, drag a rectangle with xdotool, and check the pixels of a screenshot.

Usage: rectangle_e2e.py PROGRAM [SCREENSHOT.ppm]
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


# The pictures this run needs beside the program: the pen-size and fill-style panels and the
# chooser's picture. Without them the program stops at a message box, so the run is skipped.
NEEDED_ARTWORK = ("a28.kvr", "a3.kvr", "fstyles.kvr")
SKIPPED = 77


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    missing = [f for f in NEEDED_ARTWORK if not os.path.exists(os.path.join(os.path.dirname(program), f))]
    if missing:
        print(f"skipped: the artwork {', '.join(missing)} is not beside the program")
        sys.exit(SKIPPED)
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

        def click(x, y, pause=0.4):
            xdo("mousemove", x, y)
            time.sleep(0.05)
            xdo("click", 1)
            time.sleep(pause)

        # The SHAPES tab (the fifth, its icon at 36 x 4 + 12 in the tab set at (82, 60)), then the
        # RECTANGLE button (the second slot of the strip from x = 100, 40 pixels a slot).
        click(82 + 36 * 4 + 12 + 16, 60 + 16)
        click(100 + 40 + 20, 30)
        # The fill-style panel (rows 280..330 of the left band) opens the chooser at (82, 94); its
        # picture sits one row higher, and the cross hatch is the fifth cell of the first row.
        click(40, 300, pause=1.0)
        click(82 + 4 * 32 + 16, 94 + 15, pause=1.0)
        # Drag the rectangle across the canvas.
        left, top, right, bottom = 300, 250, 560, 430
        xdo("mousemove", left, top)
        xdo("mousedown", 1)
        for i in range(1, 11):
            xdo("mousemove", left + (right - left) * i // 10, top + (bottom - top) * i // 10)
            time.sleep(0.02)
        xdo("mouseup", 1)
        time.sleep(0.5)
        subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", shot], check=True, env=env)
        img = read_ppm(shot)
        red, white = (255, 0, 0), (255, 255, 255)
        # The outline, two pixels wide, in the current red on all four sides.
        mid_x, mid_y = (left + right) // 2, (top + bottom) // 2
        for name, x, y in (("left", left, mid_y), ("right", right - 1, mid_y), ("top", mid_x, top),
                           ("bottom", mid_x, bottom - 1)):
            assert pixel(img, x, y) == red, f"the {name} side is not red: {pixel(img, x, y)}"
        # Inside, the cross hatch: red lines every 8 pixels across and down, white between them.
        row = [pixel(img, x, mid_y + 3) for x in range(left + 10, right - 10)]
        column = [pixel(img, mid_x + 3, y) for y in range(top + 10, bottom - 10)]
        for name, line in (("row", row), ("column", column)):
            reds = [i for i, p in enumerate(line) if p == red]
            assert reds and all(p in (red, white) for p in line), f"the {name} is not red on white"
            if len(reds) < len(line):
                gaps = {b - a for a, b in zip(reds, reds[1:])}
                assert gaps == {8}, f"hatch lines along the {name} are not 8 apart: {sorted(gaps)}"
        assert pixel(img, left - 10, mid_y) == white, "the canvas is not white outside the rectangle"
        print("rectangle with a cross hatch: 1 passed, 0 failed")
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
