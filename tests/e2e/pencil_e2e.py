#!/usr/bin/env python3
"""End to end: start the real program under Xvfb, draw a PENCIL stroke with xdotool, and check
the pixels of a screenshot.

Usage: pencil_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import sys
import tempfile

from session import Session, pixel


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    with Session(program) as s:
        # The canvas starts at (82, 92) with a one-pixel border: draw across it.
        y = 400
        s.drag(300, y, 600, y, steps=15)
        img = s.screenshot(shot)
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


if __name__ == "__main__":
    main()
