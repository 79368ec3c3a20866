#!/usr/bin/env python3
"""Click-to-screen time of the BUCKET under Xvfb at a 1920 x 1080 canvas: from the fake button
press sent to the X server to the moment the far corner of the canvas shows the fill colour on the
screen, read back from the server itself.

Usage: bench/bucket_latency.py [PROGRAM] [RUNS]   (default build/bin/pindoodle, 15 runs)

Each run fills the white canvas with the solid red, then UNDO puts the white canvas back.
"""
import ctypes
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import session  # noqa: E402

PROGRAM = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "bin", "pindoodle")
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
CANVAS_W, CANVAS_H = 1920, 1080
# The canvas panel starts at (82, 92) and ends 2 pixels above the bottom of the screen; its
# pixels lie inside a one-pixel border.
session.WIDTH, session.HEIGHT = CANVAS_W + 84, CANVAS_H + 96
LEFT, TOP = 83, 93


class XImage(ctypes.Structure):
    # Only the leading fields are read; the image is freed with XFree.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte))]


class Server:
    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xt = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xt.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                 ctypes.c_ulong]
        self.xt.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise AssertionError("cannot open " + display)
        self.root = self.x.XDefaultRootWindow(self.dpy)

    def pixel(self, x, y):
        img = self.x.XGetImage(self.dpy, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)  # ZPixmap
        b, g, r = img.contents.data[0], img.contents.data[1], img.contents.data[2]
        self.x.XFree(ctypes.cast(img.contents.data, ctypes.c_void_p))
        self.x.XFree(img)
        return (r, g, b)

    def click(self, x, y):
        self.xt.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        self.x.XSync(self.dpy, 0)
        start = time.perf_counter()
        self.xt.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        self.xt.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        self.x.XFlush(self.dpy)
        return start


def main():
    times = []
    with session.Session(PROGRAM) as s:
        # The PAINT tab (the second), then BUCKET (the third slot of the strip).
        s.click(82 + 36 * 1 + 12 + 16, 60 + 16)
        s.click(100 + 2 * 40 + 20, 30)
        server = Server(s.display)
        corner = (LEFT + CANVAS_W - 1, TOP + CANVAS_H - 1)
        for _ in range(RUNS):
            assert server.pixel(*corner) == (255, 255, 255), "the canvas is not white before the fill"
            start = server.click(LEFT + CANVAS_W // 2, TOP + CANVAS_H // 2)
            while server.pixel(*corner) != (255, 0, 0):
                if time.perf_counter() - start > 5:
                    raise AssertionError("the fill never reached the corner")
            times.append((time.perf_counter() - start) * 1000)
            time.sleep(0.3)
            s.click(40, 26, pause=0.5)  # UNDO
    print("runs (ms):", " ".join(f"{t:.1f}" for t in times))
    print(f"bucket click to screen, {CANVAS_W} x {CANVAS_H} canvas, {RUNS} runs: "
          f"median {statistics.median(times):.1f} ms, best {min(times):.1f} ms, worst {max(times):.1f} ms")


if __name__ == "__main__":
    main()
