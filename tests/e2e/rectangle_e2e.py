#!/usr/bin/env python3
"""End to end: start the real program under Xvfb, pick RECTANGLE and the cross-hatch fill style with
the mouse, drag a rectangle with xdotool, and check the pixels of a screenshot.

Usage: rectangle_e2e.py PROGRAM [SCREENSHOT.ppm]
"""

from session import Session, arguments, pixel

# The pictures this run needs beside the program: the pen-size and fill-style panels and the
# chooser's picture. Without them the program stops at a message box, so the run is skipped.
NEEDED_ARTWORK = ("a28.kvr", "a3.kvr", "fstyles.kvr")


def main():
    program, shot = arguments(NEEDED_ARTWORK)
    with Session(program) as s:
        # The SHAPES tab (the fifth, its icon at 36 x 4 + 12 in the tab set at (82, 60)), then the
        # RECTANGLE button (the second slot of the strip from x = 100, 40 pixels a slot).
        s.click(82 + 36 * 4 + 12 + 16, 60 + 16)
        s.click(100 + 40 + 20, 30)
        # The fill-style panel (rows 280..330 of the left band) opens the chooser at (82, 94); its
        # picture sits one row higher, and the cross hatch is the fifth cell of the first row.
        s.click(40, 300, pause=1.0)
        s.click(82 + 4 * 32 + 16, 94 + 15, pause=1.0)
        # Drag the rectangle across the canvas.
        left, top, right, bottom = 300, 250, 560, 430
        s.drag(left, top, right, bottom)
        img = s.screenshot(shot)
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


if __name__ == "__main__":
    main()
