#!/usr/bin/env python3
"""Peak memory of the real program under Xvfb after every tool, option panel, form and action but
PRINT has been used: each of the ten categories in turn, each button in it pressed, a stroke drawn
with it and its option panel clicked, whatever dialog opens answered (never Yes to quitting). The
background music plays into SDL's disk driver, from a song cache filled first.

Usage: bench/everything_footprint.py [PROGRAM]   (default build/bin/pindoodle)
"""
import os
import random
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from session import Session  # noqa: E402
from xsoak_e2e import Soak, scratch_copy  # noqa: E402
sys.path.insert(0, HERE)
from footprint import render_songs, status_mib  # noqa: E402

PROGRAM = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "bin", "pindoodle"))
PRINT = (9, 4)  # the FILES category's PRINT button


def main():
    work = tempfile.mkdtemp(prefix="pd-everything-")
    try:
        home = os.path.join(work, "home")
        os.mkdir(home)
        cache = os.path.join(home, "cache")
        env = dict(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=cache,
                   XDG_CONFIG_HOME=os.path.join(home, "config"), CUPS_SERVER=os.path.join(work, "no-cups"),
                   SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE="/dev/null")
        render_songs(PROGRAM, cache)
        os.environ.update(env)
        copy = os.path.join(work, "bin")
        os.mkdir(copy)
        with Session(scratch_copy(PROGRAM, copy), env=env) as s:
            soak = Soak(s, random.Random(1))
            time.sleep(3)
            rest = status_mib(s.app.pid, "VmHWM")
            for tab in range(10):
                for slot in range(1, 11):
                    if (tab, slot) == PRINT:
                        continue
                    s.click(82 + 36 * tab + 17 + 16, 76, pause=0.15)
                    s.click(100 + 40 * (slot - 1) + 20, 30, pause=0.3)
                    soak.answer()
                    s.drag(200, 200, 500, 450, steps=6)
                    soak.answer()
                    for y in (240, 300, 360):
                        s.click(20, y, pause=0.1)
                        soak.answer()
                    s.click(400, 400, pause=0.2)
                    soak.answer()
                    if s.app.poll() is not None:
                        raise AssertionError(f"the program ended at category {tab + 1}, button {slot}")
            peak = status_mib(s.app.pid, "VmHWM")
            now = status_mib(s.app.pid, "VmRSS")
        print(f"peak RSS MiB at rest: {rest:.1f}")
        print(f"peak RSS MiB after everything but PRINT: {peak:.1f} (resident now {now:.1f})")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
