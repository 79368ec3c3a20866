#!/usr/bin/env python3
"""End to end: PRINT SETUP with the mouse takes the printer dialog's "Print to File (PDF)", then
PRINT with the mouse writes that file: one page titled "Pindoodle" with the stroke drawn on the
canvas in the top-left part of the page, where the preview put the picture. The printing system is
out of reach (CUPS_SERVER names no server), so nothing is printed for real.

Usage: print_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from session import Session, pixel, read_ppm

PC_TAB = (82 + 36 * 9 + 17 + 16, 76)
PRINT, PRINT_SETUP = (100 + 40 * 3 + 20, 30), (100 + 40 * 4 + 20, 30)
PRINT_BUTTON = (351 + 21, 201 + 19)  # in the placement dialog


def window_geometry(s, name):
    for _ in range(100):
        ids = s.xdo("search", "--onlyvisible", "--name", name).split()
        if ids:
            out = s.xdo("getwindowgeometry", "--shell", ids[-1])
            g = dict(line.split("=", 1) for line in out.split() if "=" in line)
            return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])
        time.sleep(0.05)
    raise AssertionError(f"no window named {name!r}")


def main():
    if not shutil.which("pdftoppm"):
        print("pdftoppm is not installed")
        sys.exit(77)
    program = sys.argv[1]
    work = tempfile.mkdtemp()
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(work, "shot.ppm")
    # The printer dialog offers $HOME/print.pdf; no printer is known.
    os.environ["HOME"] = work
    os.environ["CUPS_SERVER"] = os.path.join(work, "no-cups-here")
    pdf = os.path.join(work, "print.pdf")
    with Session(program) as s:
        for y in range(300, 306):  # a red band across the canvas, wide enough to see on paper
            s.drag(300, y, 600, y, steps=3)
        s.click(*PC_TAB)
        s.click(*PRINT_SETUP, pause=1.0)
        x, y, w, h = window_geometry(s, "Print Setup")
        s.xdo("mousemove", x + w // 2, y + h // 2)  # the keys go where the pointer is
        time.sleep(0.2)
        s.xdo("key", "Return")
        time.sleep(0.8)
        s.click(*PRINT, pause=1.0)
        x, y, w, h = window_geometry(s, "PRINT YOUR PICTURE")
        s.screenshot(shot)
        s.click(x + PRINT_BUTTON[0], y + PRINT_BUTTON[1], pause=1.0)
        for _ in range(100):
            if os.path.exists(pdf) and os.path.getsize(pdf) > 0:
                break
            time.sleep(0.1)
        assert os.path.exists(pdf), "PRINT wrote no file"
        time.sleep(0.5)
        # The program is still there, and said nothing: only its own window is shown.
        assert s.app.poll() is None, "the program ended"
        assert not s.xdo("search", "--onlyvisible", "--name", "PRINT YOUR PICTURE").split()

    info = subprocess.run(["pdfinfo", pdf], stdout=subprocess.PIPE, text=True).stdout
    assert "Pindoodle" in info and "Pages:           1" in info, info
    subprocess.run(["pdftoppm", "-r", "150", "-singlefile", pdf, os.path.join(work, "page")], check=True)
    page = read_ppm(os.path.join(work, "page.ppm"))
    w, h, _ = page
    assert h > w, "the page is not upright"
    reds = [(px, py) for py in range(h) for px in range(w)
            if (lambda c: c[0] > 200 and c[1] < 80 and c[2] < 80)(pixel(page, px, py))]
    assert reds, "the stroke is not on the page"
    # Size 50 at (10, 10): the picture fills about the left half of the page, its top third.
    xs, ys = [p[0] for p in reds], [p[1] for p in reds]
    assert w * 0.08 < min(xs) and max(xs) < w * 0.6, f"stroke across {min(xs)}..{max(xs)} of {w}"
    assert h * 0.03 < min(ys) and max(ys) < h * 0.35, f"stroke down {min(ys)}..{max(ys)} of {h}"
    shutil.rmtree(work, ignore_errors=True)
    print("print setup and print: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
