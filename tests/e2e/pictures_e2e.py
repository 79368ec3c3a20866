#!/usr/bin/env python3
"""End to end: draw a PENCIL stroke, SAVE it, wipe the canvas and draw over it, then OPEN the
picture from the thumbnail browser with the mouse: the canvas shows the picture saved.

Usage: pictures_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import sys
import tempfile
import time

from session import HEIGHT, WIDTH, Session, pixel

NEEDED_ARTWORK = ("a85.kvr",)
SKIPPED = 77


def tab(s, index):
    # The tab under the mouse is (x - 12) div 36 left of x = 228 and (x - 17) div 36 from there.
    x = 12 + 36 * index + 16 if index <= 6 else 17 + 36 * index + 16
    s.click(82 + x, 60 + 16)


def button(s, slot):
    s.click(100 + 40 * (slot - 1) + 20, 30, pause=1.0)


def answer_message(s):
    # The message box is the program's only window with the bare caption.
    for _ in range(40):
        found = s.xdo("search", "--onlyvisible", "--name", "^Pindoodle$").split()
        if found:
            s.xdo("key", "--window", found[-1], "Return")
            time.sleep(0.5)
            return
        time.sleep(0.1)
    raise AssertionError("no message box appeared")


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    here = os.path.dirname(program)
    missing = [f for f in NEEDED_ARTWORK if not os.path.exists(os.path.join(here, f))]
    if missing:
        print(f"skipped: the artwork {', '.join(missing)} is not beside the program")
        sys.exit(SKIPPED)
    user = os.path.join(here, "user")
    before = set(os.listdir(user)) if os.path.isdir(user) else set()
    try:
        with Session(program) as s:
            y = 400
            s.drag(300, y, 600, y, steps=15)
            tab(s, 9)
            button(s, 2)  # SAVE
            answer_message(s)
            saved = sorted(set(os.listdir(user)) - before)
            assert len(saved) == 1 and saved[0].startswith("UP"), f"saved files: {saved}"
            # WIPE THE SCREEN WHITE, then a black stroke where the red one was.
            tab(s, 6)
            button(s, 1)
            tab(s, 0)
            button(s, 1)  # the PENCIL again
            s.click(2, 76)  # black: the greys' button, its darkest band
            s.drag(300, y + 30, 600, y + 30, steps=15)
            s.drag(300, y, 600, y, steps=15)
            tab(s, 9)
            button(s, 1)  # OPEN
            # The browser is centred on the screen; the newest picture is in its first slot.
            left, top = (WIDTH - 620) // 2, (HEIGHT - 430) // 2
            s.click(left + 187, top + 125, pause=1.5)
            img = s.screenshot(shot)
    finally:
        for name in set(os.listdir(user)) - before if os.path.isdir(user) else ():
            os.remove(os.path.join(user, name))
    red = (255, 0, 0)
    on = [pixel(img, x, y) for x in range(305, 595, 7)]
    assert all(p == red for p in on) or all(pixel(img, x, y + 1) == red for x in range(305, 595, 7)), \
        f"the saved red stroke is not back: {on[:5]}"
    later = [pixel(img, x, y + 30) for x in range(305, 595, 7)]
    assert all(p == (255, 255, 255) for p in later), f"the later stroke is still there: {later[:5]}"
    print("save, wipe, open: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
