#!/usr/bin/env python3
"""End to end: choose a 64 x 64 stamp and a clip-art picture with the mouse in their choosers and
place each on the canvas, then check the screenshot.

Usage: stamps_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import sys
import tempfile

from session import HEIGHT, WIDTH, Session, pixel


def coloured(img, x0, y0, x1, y1):
    white = (255, 255, 255)
    return sum(1 for y in range(y0, y1, 2) for x in range(x0, x1, 2) if pixel(img, x, y) != white)


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    with Session(program) as s:
        s.click(82 + 36 * 8 + 17 + 14, 76)  # the PICTURES tab
        # STAMPS 64 x 64: the chooser is centred; its first stamp is at its top left.
        s.click(200, 30, pause=1.0)
        left, top = (WIDTH - 390) // 2, (HEIGHT - 273) // 2
        s.click(left + 30, top + 30, pause=1.0)
        s.drag(300, 300, 400, 350, steps=8)
        # CLIP ART: the first picture of the list, then Yes. On a busy machine a click in the list
        # can be lost; the choice is then made again (a dialog left without a choice chooses
        # nothing and leaves no tool).
        left, top = (WIDTH - 477) // 2, (HEIGHT - 299) // 2
        for _ in range(3):
            s.click(280, 30, pause=2.0)
            s.click(left + 360, top + 12, pause=1.0)
            s.click(left + 359, top + 267, pause=1.0)
            # No, in case the dialog is still open; once it has closed, this press places the clip art.
            s.click(left + 442, top + 268, pause=1.0)
            s.click(700, 450, pause=1.0)
            img = s.screenshot(shot)
            if coloured(img, 630, 380, 770, 520) > 500:
                break
    stamp = coloured(img, 368, 318, 432, 382)
    trail = coloured(img, 268, 268, 332, 332)
    clip = coloured(img, 630, 380, 770, 520)
    assert stamp > 300, f"no square stamp at the release point ({stamp} coloured samples)"
    assert trail == 0, f"the square stamp left a trail at the press point ({trail})"
    assert clip > 500, f"no clip art where it was placed ({clip} coloured samples)"
    print("stamps: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
