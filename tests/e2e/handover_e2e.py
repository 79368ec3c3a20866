#!/usr/bin/env python3
"""End to end: CLIPBOARD with the mouse, then another program (xclip) reads an image of the
canvas's size and pixels; WALLPAPER with the mouse sets the root window's background.

Usage: handover_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import subprocess
import sys
import tempfile
import time

from session import Session, pixel, read_ppm

PC_TAB = (82 + 36 * 9 + 17 + 16, 76)
CLIPBOARD, WALLPAPER = (100 + 40 * 7 + 20, 30), (100 + 40 * 8 + 20, 30)
RED, WHITE = (255, 0, 0), (255, 255, 255)


def to_ppm(data, path, fmt="png"):
    src = path + "." + fmt
    with open(src, "wb") as f:
        f.write(data)
    subprocess.run(["convert", src, "-depth", "8", path], check=True)
    return read_ppm(path)


def main():
    program = sys.argv[1]
    work = tempfile.mkdtemp()
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(work, "shot.ppm")
    with Session(program) as s:
        s.drag(300, 400, 600, 400, steps=15)   # a red stroke across the canvas
        s.click(*PC_TAB)
        s.click(*CLIPBOARD, pause=1.0)
        targets = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], env=s.env,
                                 stdout=subprocess.PIPE, text=True, timeout=10).stdout.split()
        assert "image/png" in targets and "image/bmp" in targets, f"clipboard formats: {targets}"
        png = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"], env=s.env,
                             stdout=subprocess.PIPE, timeout=10).stdout
        w, h, _ = image = to_ppm(png, os.path.join(work, "clip.ppm"))
        # The canvas panel runs from (82, 92) to the right edge and 2 above the bottom; the picture
        # is what lies inside its one-pixel frame.
        assert (w, h) == (1024 - 82 - 2, 768 - 92 - 2 - 2), f"clipboard picture is {w} x {h}"
        screen = s.screenshot(shot)
        for x, y in ((450 - 83, 400 - 93), (100, 100), (700, 500)):
            assert pixel(image, x, y) == pixel(screen, x + 83, y + 93), f"pixel ({x}, {y}) differs"
        assert pixel(image, 450 - 83, 400 - 93) in (RED,) or pixel(image, 450 - 83, 399 - 93) == RED

        s.click(*WALLPAPER, pause=1.5)
        root = subprocess.run(["xprop", "-root", "_XROOTPMAP_ID"], env=s.env, stdout=subprocess.PIPE,
                              text=True).stdout
        assert "pixmap id" in root, f"no root pixmap: {root!r}"
        # With the program gone the root window shows the picture: white with the red stroke.
        s.app.terminate()
        s.app.wait(10)
        s.app = None
        time.sleep(0.5)
        bg = s.screenshot(os.path.join(work, "root.ppm"))
        colours = [pixel(bg, x, y) for x in range(0, 1024, 16) for y in range(0, 768, 16)]
        assert colours.count(WHITE) > len(colours) * 0.8, "the root background is not the white picture"
        reds = [pixel(bg, x, y) for x in range(300, 700, 4) for y in range(330, 480)]
        assert RED in reds, "the stroke is not on the root background"
    print("clipboard and wallpaper: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
