#!/usr/bin/env python3
"""Footprint of the program under Xvfb at 1024x768: time from starting the process to the first
full paint on screen, peak resident memory, and idle CPU use.

Usage: bench/footprint.py [PROGRAM] [RUNS]   (default build/bin/pindoodle, 5 runs)

PD_DISPLAY picks the X display the private Xvfb takes (default :77), so that several runs on one
machine do not meet.

Without a sound device (as on a machine without a sound card); with PD_FOOTPRINT_MUSIC=1 the
program plays its background music into SDL's disk driver, which takes the sound at the pace of
a real device, so the cost of the music shows. The songs are rendered into a cache of the
program's own (here a scratch directory, never the user's) while they first play: a first run,
not counted, fills it with the first two songs, so the runs measure music played from the cache;
PD_FOOTPRINT_COLD=1 leaves the cache empty, so the songs are synthesized live.
"""
import os
import statistics
import shutil
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "bin", "pindoodle")
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
IDLE_SECONDS = int(os.environ.get("PD_IDLE_SECONDS", "20"))


def cpu_seconds(pid):
    # Time on the CPU in nanoseconds, summed over the threads: finer than the clock ticks of
    # /proc/PID/stat, which at 0.5 % of ten seconds would count five ticks.
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:
            pass  # a thread that ended in between: its time is lost, but none ends while idle
    return total / 1e9


def status_mib(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1]) / 1024
    return float("nan")


def peak_rss_mib(pid):
    return status_mib(pid, "VmHWM")


def program_env(display, cache):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", PINDOODLE_TRACE_STARTUP="1",
               SDL_AUDIODRIVER="dummy", XDG_CACHE_HOME=cache)
    if os.environ.get("PD_FOOTPRINT_MUSIC") == "1":
        env.update(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE="/dev/null")
    return env


def render_songs(program, cache, songs=2):
    """Renders the first songs into the cache with render_songs from beside the program, at normal
    priority, so that a busy machine does not hold it up; False when there is no render_songs."""
    renderer = os.path.join(os.path.dirname(program), "render_songs")
    if not os.path.exists(renderer):
        return False
    midis = [os.path.join(os.path.dirname(program), "snd", f"pc{n}.mid") for n in range(1, songs + 1)]
    subprocess.run([renderer] + midis, env=dict(os.environ, XDG_CACHE_HOME=cache), check=True,
                   stdout=subprocess.DEVNULL)
    return True


def fill_cache(display, cache, songs=2, timeout=180):
    """Renders the first songs into the cache: with render_songs when it is there, else by running
    the program until its own renderer has made them."""
    if render_songs(PROGRAM, cache, songs):
        return
    songs_dir = os.path.join(cache, "pindoodle", "songs")
    proc = subprocess.Popen([PROGRAM], env=program_env(display, cache), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    start = time.monotonic()
    while time.monotonic() - start < timeout:
        if os.path.isdir(songs_dir) and len([n for n in os.listdir(songs_dir) if n.endswith(".ogg")]) >= songs:
            break
        time.sleep(0.5)
    proc.terminate()
    proc.wait(10)
    print(f"cache filled in {time.monotonic() - start:.0f} s")


def one_run(display, cache):
    env = program_env(display, cache)
    start = time.monotonic() * 1000
    proc = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    first_paint = None
    while True:
        line = proc.stderr.readline()
        if not line:
            break
        if line.startswith("first-paint-monotonic-ms"):
            first_paint = float(line.split()[1]) - start
            break
    # Whatever the program says later is read and dropped, so a full pipe never holds it up.
    threading.Thread(target=proc.stderr.read, daemon=True).start()
    time.sleep(3)  # let start-up work settle
    c0, t0 = cpu_seconds(proc.pid), time.monotonic()
    time.sleep(IDLE_SECONDS)
    c1, t1 = cpu_seconds(proc.pid), time.monotonic()
    rss = peak_rss_mib(proc.pid)
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
    return first_paint, rss, 100.0 * (c1 - c0) / (t1 - t0)


def main():
    display = os.environ.get("PD_DISPLAY", ":77")
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    cache = tempfile.mkdtemp(prefix="pd_footprint_cache_")
    try:
        if os.environ.get("PD_FOOTPRINT_MUSIC") == "1" and os.environ.get("PD_FOOTPRINT_COLD") != "1":
            fill_cache(display, cache)
        results = [one_run(display, cache) for _ in range(RUNS)]
    finally:
        xvfb.terminate()
        shutil.rmtree(cache, ignore_errors=True)
    paints = [r[0] for r in results if r[0] is not None]
    print(f"first paint ms: median {statistics.median(paints):.0f} (runs: {', '.join(f'{p:.0f}' for p in paints)})")
    print(f"peak RSS MiB:   median {statistics.median(r[1] for r in results):.1f}")
    print(f"idle CPU %:     median {statistics.median(r[2] for r in results):.2f} "
          f"(runs: {', '.join(f'{r[2]:.2f}' for r in results)})")


if __name__ == "__main__":
    main()
