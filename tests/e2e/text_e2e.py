#!/usr/bin/env python3
"""End to end with the real keyboard: start the program under Xvfb, choose TYPING in the TEXT
category, click on the canvas, type a word with xdotool and press Enter; then choose SHADOW TEXT,
pull out a box, type a word into the dialog's edit box and press Enter. Each time the screenshot
must show the word in the current colour (and the shadow its dark copy) where it belongs, and no
caret left behind.

Usage: text_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import time

from session import Session, arguments, pixel

NEEDED_ARTWORK = ("a905.kvr", "dlgok.kvr", "dlgno.kvr")
RED, WHITE = (255, 0, 0), (255, 255, 255)


def inked(img, left, top, right, bottom, colours):
    """The bounding box of the pixels of the given colours (a set or a predicate) in the area."""
    found = [(x, y) for y in range(top, bottom) for x in range(left, right)
             if (pixel(img, x, y) in colours if isinstance(colours, set) else colours(pixel(img, x, y)))]
    if not found:
        return None
    xs, ys = [p[0] for p in found], [p[1] for p in found]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1, len(found)


def main():
    program, shot = arguments(NEEDED_ARTWORK)
    with Session(program) as s:
        # The TEXT tab (the sixth in the tab set at (82, 60)), then TYPING, the first slot of the
        # strip (from x = 100, 40 pixels a slot).
        s.click(82 + 36 * 5 + 17 + 16, 60 + 16)
        s.click(100 + 20, 30)
        s.click(250, 250)
        s.xdo("type", "--delay", "60", "Hello")
        s.xdo("key", "Return")

        def typed(img):
            box = inked(img, 240, 200, 700, 300, {RED})
            if box is None:
                return "no typed word on the canvas"
            left, top, right, bottom, _ = box
            if not 250 <= left <= 256 or not 228 <= top <= 250 or right - left < 30:
                return f"the typed word is at {box}, not to the right of the click"
            return None
        img = s.settled(shot, typed)
        # Enter ended the line: the next word starts a new line where it is clicked.
        line = inked(img, 240, 200, 700, 300, {RED})

        # SHADOW TEXT, the second slot: a box pulled out across the lower canvas, a word typed into
        # the dialog that its release opens.
        s.click(100 + 40 + 20, 30)
        s.drag(250, 450, 650, 480)
        time.sleep(1.0)
        s.xdo("type", "--delay", "60", "Sun")
        s.xdo("key", "Return")

        def shadowed(img):
            front = inked(img, 150, 380, 800, 740, {RED})
            dark = inked(img, 150, 380, 800, 740, lambda p: p not in (RED, WHITE))
            if front is None:
                return "no shadow text on the canvas"
            if not 330 <= front[2] - front[0] <= 410:
                return f"the word is {front[2] - front[0]} pixels wide, not the box's 400"
            if dark is None or dark[4] < 50:
                return "no dark copy behind the word"
            return None
        img = s.settled(shot, shadowed)
        if inked(img, 240, 200, 700, 300, {RED}) != line:
            raise AssertionError("the typed line changed")
        print("a typed word and a shadow text from the keyboard: 2 passed, 0 failed")


if __name__ == "__main__":
    main()
