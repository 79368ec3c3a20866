#!/usr/bin/env python3
"""End to end: the ERASERS with the mouse on the real program under Xvfb. CHALKBOARD turns the
canvas dark green at once; WIPE then sweeps it white, and the sweep is seen on the screen while it
runs. Last, a TRAIN run: the program sleeps between the train's steps, so its user-interface thread
uses little of a core meanwhile.

Usage: erasers_e2e.py PROGRAM [SCREENSHOT.ppm]
"""
import os
import sys
import tempfile
import time

from session import Session, pixel

GREEN, WHITE = (0, 135, 0), (255, 255, 255)
# Points spread over the canvas, which lies from (83, 93) to the screen's edges.
GRID = [(x, y) for x in range(90, 1020, 31) for y in range(100, 760, 29)]


def tab(index):
    return 82 + 36 * index + (12 if index <= 6 else 17) + 16, 76


def button(slot):
    return 100 + 40 * (slot - 1) + 20, 30


def thread_seconds(pid):
    # utime and stime of the main (user-interface) thread, in clock ticks.
    with open(f"/proc/{pid}/task/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    program = sys.argv[1]
    shot = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "shot.ppm")
    with Session(program) as s:
        s.click(*tab(6))
        s.click(*button(3))
        img = s.screenshot(shot)
        off = [p for p in GRID if pixel(img, *p) != GREEN]
        assert not off, f"CHALKBOARD left {len(off)} of {len(GRID)} points not dark green, e.g. {off[:3]}"

        s.click(*button(1), pause=0.05)
        mixed = 0
        for _ in range(4):
            img = s.screenshot(shot)
            colours = {pixel(img, *p) for p in GRID}
            mixed += GREEN in colours and WHITE in colours
        assert mixed > 0, "no screenshot caught the wipe half done"
        time.sleep(1.5)
        img = s.screenshot(shot)
        off = [p for p in GRID if pixel(img, *p) != WHITE]
        assert not off, f"WIPE left {len(off)} points not white, e.g. {off[:3]}"

        # TRAIN from near the left edge: 27 steps of 100 ms.
        s.click(*tab(2))
        s.click(*button(7))
        before = thread_seconds(s.app.pid)
        s.click(190, 400, pause=0)
        time.sleep(2.7)
        share = (thread_seconds(s.app.pid) - before) / 2.7
        time.sleep(0.5)
        img = s.screenshot(shot)
        # The rails run left from the click, straight or sinking a pixel a step.
        rails = [y for y in range(400, 440) if pixel(img, 120, y) == (255, 0, 0)]
        assert rails, "no rails were laid"
    print(f"erasers: CHALKBOARD, WIPE seen in {mixed} of 4 shots; TRAIN used {share:.1%} of a core")
    assert share < 0.25, f"the user-interface thread used {share:.0%} of a core during TRAIN"


if __name__ == "__main__":
    main()
