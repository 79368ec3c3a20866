#!/usr/bin/env python3
"""A soak of the real program under Xvfb: for PD_XSOAK_SECONDS (30 by default) xdotool presses
random tabs, tool buttons, colours and option panels, draws, clicks and types on the canvas with
every button, presses UNDO, ABOUT and QUIT (answered No), and answers whatever dialog opens with
random clicks inside it, typing or Escape. Nothing reaches a real desktop: the display is a
scratch Xvfb without a session bus, HOME and the XDG directories are scratch, printing goes to a
printing system that does not exist, and the program runs from a scratch copy so that what it
saves stays there.

At the end the program must still be running, answer a press of ABOUT with its window, and its
memory must not have grown without bound (at most PD_XSOAK_GROWTH_MIB, 150 by default, beyond
what it held once warmed up).

Usage: xsoak_e2e.py PROGRAM [SCREENSHOT.ppm]
Environment: PD_XSOAK_SECONDS, PD_XSOAK_SEED (1 by default).
"""
import os
import random
import shutil
import tempfile
import time

from session import HEIGHT, WIDTH, Session, arguments

CANVAS = (90, 100, WIDTH - 8, HEIGHT - 8)
UNDO, ABOUT, QUIT = (40, 25), (930, 20), (1000, 20)


def scratch_copy(program, root):
    """The program copied into root with its assets linked beside it, and an empty picture store."""
    here = os.path.dirname(os.path.abspath(program))
    for name in os.listdir(here):
        source = os.path.join(here, name)
        if name in ("user", "TEMP.BMP", "name.sig"):
            continue
        if os.path.isdir(source) or name.endswith((".kvr", ".bmp", ".wmf", ".mid", ".wav", ".txt")):
            os.symlink(source, os.path.join(root, name))
    shutil.copy2(program, os.path.join(root, "pindoodle"))
    if os.path.exists(os.path.join(here, "name.sig")):
        shutil.copy2(os.path.join(here, "name.sig"), root)
    os.mkdir(os.path.join(root, "user"))
    return os.path.join(root, "pindoodle")


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


class Soak:
    def __init__(self, session, rng):
        self.s, self.rng = session, rng
        self.counts = {}

    def windows(self):
        """The program's other visible top-level windows (its dialogs) as (id, x, y, w, h)."""
        found = []
        for wid in self.s.xdo("search", "--onlyvisible", "--name", "").split():
            shell = self.s.xdo("getwindowgeometry", "--shell", wid)
            g = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            try:
                x, y, w, h = (int(g[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
            except (KeyError, ValueError):
                continue
            if (w, h) != (WIDTH, HEIGHT) and w > 20 and h > 20:
                found.append((wid, x, y, w, h))
        return found

    def point(self):
        left, top, right, bottom = CANVAS
        return self.rng.randrange(left, right), self.rng.randrange(top, bottom)

    def act(self):
        r = self.rng
        kind = r.choices(["tab", "tool", "colour", "panel", "drag", "click", "keys", "undo", "about", "quit"],
                         [8, 14, 8, 12, 25, 10, 8, 3, 1, 1])[0]
        self.counts[kind] = self.counts.get(kind, 0) + 1
        if kind == "tab":
            self.s.click(82 + 36 * r.randrange(10) + 17 + 16, 76, pause=0.15)
        elif kind == "tool":
            self.s.click(100 + 40 * r.randrange(10) + 20, 30, pause=0.15)
        elif kind == "colour":
            self.s.click(r.randrange(2, 78), r.randrange(52, 212), pause=0.05)
        elif kind == "panel":
            self.s.click(r.randrange(2, 78), r.randrange(220, 520), pause=0.1)
        elif kind == "drag":
            button = r.choice([1, 1, 1, 2, 3])
            points = [self.point() for _ in range(r.randrange(2, 8))]
            self.s.xdo("mousemove", *points[0])
            self.s.xdo("mousedown", button)
            for p in points[1:]:
                self.s.xdo("mousemove", *p)
                time.sleep(0.01)
            self.s.xdo("mouseup", button)
        elif kind == "click":
            self.s.xdo("mousemove", *self.point())
            self.s.xdo("click", r.choice([1, 1, 2, 3]))
        elif kind == "keys":
            keys = [r.choice(["a", "B", "z", "space", "BackSpace", "Return", "Escape", "Left", "1"])
                    for _ in range(r.randrange(1, 6))]
            self.s.xdo("key", "--delay", "10", *keys)
        elif kind == "undo":
            self.s.click(*UNDO, pause=0.1)
        elif kind == "about":
            self.s.click(*ABOUT, pause=0.3)
        else:
            self.s.click(*QUIT, pause=0.3)
            # The question can come late on a busy machine; left for the next action's random
            # clicks, one of them could answer Yes.
            for _ in range(30):
                if self.windows():
                    break
                time.sleep(0.1)
            self.answer(quitting=True)
            return
        self.answer()

    def answer(self, quitting=False):
        """Closes what opened: No to the quit question, anything at random to other dialogs."""
        for _ in range(200):
            open_ = self.windows()
            if not open_:
                return
            wid, x, y, w, h = open_[-1]
            if quitting or self.rng.random() < 0.2:
                self.s.xdo("key", "Escape")
            elif self.rng.random() < 0.8:
                self.s.xdo("mousemove", x + self.rng.randrange(w), y + self.rng.randrange(h))
                self.s.xdo("click", 1)
            else:
                self.s.xdo("type", "--delay", "5", self.rng.choice(["cat", "Sun", "x"]))
            time.sleep(0.15)
        raise AssertionError(f"a window of {open_[-1][3]} x {open_[-1][4]} could not be closed")


def main():
    program, shot = arguments()
    seconds = float(os.environ.get("PD_XSOAK_SECONDS", "30"))
    seed = int(os.environ.get("PD_XSOAK_SEED", "1"))
    limit_kib = int(os.environ.get("PD_XSOAK_GROWTH_MIB", "150")) * 1024
    rng = random.Random(seed)
    work = tempfile.mkdtemp(prefix="pd-xsoak-")
    try:
        home = os.path.join(work, "home")
        os.mkdir(home)
        os.environ.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                          XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_CONFIG_HOME=os.path.join(home, "config"),
                          CUPS_SERVER=os.path.join(work, "no-cups"))
        copy = os.path.join(work, "bin")
        os.mkdir(copy)
        with Session(scratch_copy(program, copy)) as s:
            soak = Soak(s, rng)
            start = time.monotonic()
            warm = None
            actions = 0
            while time.monotonic() - start < seconds:
                soak.act()
                actions += 1
                if s.app.poll() is not None:
                    raise AssertionError(f"the program ended (status {s.app.returncode}) after {actions} actions, "
                                         f"seed {seed}")
                if warm is None and time.monotonic() - start > min(10.0, seconds / 5):
                    warm = rss_kib(s.app.pid)
            soak.answer(quitting=True)
            end = rss_kib(s.app.pid)
            # Still answering: ABOUT opens its window.
            s.click(*ABOUT, pause=0.2)
            # A sanitizer build answers slowly: it has twenty seconds.
            for _ in range(200):
                if soak.windows():
                    break
                time.sleep(0.1)
            else:
                s.screenshot(shot)
                raise AssertionError("the program did not answer a press of ABOUT after the soak")
            soak.answer()
            warm = warm or end
            print(f"seed {seed}: {actions} actions in {seconds:.0f} s {sorted(soak.counts.items())}; "
                  f"memory {warm // 1024} MiB warmed up, {end // 1024} MiB at the end")
            assert end - warm <= limit_kib, f"memory grew from {warm // 1024} to {end // 1024} MiB"
        print("soak under Xvfb: 1 passed, 0 failed")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
