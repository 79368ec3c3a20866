#!/usr/bin/env python3
"""End to end: start the real program under Xvfb, draw a pencil stroke, pick NEGATIVE in the MAGIC
category with the mouse, drag a box over the stroke with xdotool, and check the pixels of a
screenshot: inside the box every colour is inverted, outside nothing changed, and no outline is
left behind.

Usage: negative_e2e.py PROGRAM [SCREENSHOT.ppm]
"""

from session import Session, arguments, pixel

# The MAGIC category's icon strip; without it the program stops at a message box, so the run is
# skipped.
NEEDED_ARTWORK = ("a907.kvr",)


def check(img, left, top, right, bottom):
    """What is wrong with the screenshot, or None."""
    red, white, black, cyan = (255, 0, 0), (255, 255, 255), (0, 0, 0), (0, 255, 255)
    inside = {pixel(img, x, y) for x in range(left, right) for y in range(top, bottom)}
    if inside != {black, cyan}:
        return f"inside the box: {sorted(inside)}"
    if pixel(img, left + 10, 340) != cyan:
        return "the red line did not turn cyan"
    if pixel(img, left - 20, 340) != red or pixel(img, right + 20, 340) != red:
        return "the line outside the box changed"
    ring = [(x, y) for x in range(left - 3, right + 3) for y in (top - 1, top - 3, bottom, bottom + 2)]
    ring += [(x, y) for y in range(top - 3, bottom + 3) for x in (left - 1, left - 3, right, right + 2)]
    changed = [(x, y) for x, y in ring if pixel(img, x, y) not in (white, red)]
    if changed:
        return f"an outline was left round the box, e.g. at {changed[:3]}"
    return None


def main():
    program, shot = arguments(NEEDED_ARTWORK)
    with Session(program) as s:
        # A red pencil line across the canvas (the PENCIL is chosen at start-up).
        s.drag(250, 340, 650, 340, steps=20)
        # The MAGIC tab (the eighth: its icon at 36 x 7 + 17 in the tab set at (82, 60)), then the
        # NEGATIVE button (the eighth slot of the strip from x = 100, 40 pixels a slot).
        s.click(82 + 36 * 7 + 17 + 16, 60 + 16)
        s.click(100 + 40 * 7 + 20, 30)
        # Drag the box from its bottom right corner, across the line.
        left, top, right, bottom = 300, 250, 560, 430
        s.drag(right, bottom, left, top)
        s.settled(shot, lambda img: check(img, left, top, right, bottom))
        print("negative on a box dragged with the mouse: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
