#!/usr/bin/env python3
"""Installed like a desktop program: `cmake --install` into a scratch prefix lays out the program,
its assets, desktop entry, metadata, icons and manual page; the desktop files validate; the program
runs from the read-only prefix and writes only into $XDG_DATA_HOME/pindoodle.

Usage: install_e2e.py BUILD_DIR
"""
import os
import shutil
import stat
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from session import Session  # noqa: E402


def files_under(root):
    return sorted(os.path.relpath(os.path.join(d, f), root) for d, _, fs in os.walk(root) for f in fs)


def main():
    build = sys.argv[1]
    scratch = tempfile.mkdtemp(prefix="pd-install-")
    try:
        prefix = os.path.join(scratch, "usr")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
        share = os.path.join(prefix, "share")
        expected = ["bin/pindoodle", "share/pindoodle/a1.kvr", "share/pindoodle/a900.kvr",
                    "share/applications/org.pindoodle.Pindoodle.desktop",
                    "share/metainfo/org.pindoodle.Pindoodle.metainfo.xml", "share/man/man1/pindoodle.1"]
        expected += [f"share/icons/hicolor/{n}x{n}/apps/pindoodle.png" for n in (16, 24, 32, 48, 64, 128, 256)]
        for rel in expected:
            assert os.path.isfile(os.path.join(prefix, rel)), f"not installed: {rel}"
        assets = files_under(os.path.join(share, "pindoodle"))
        programs = [a for a in assets if os.access(os.path.join(share, "pindoodle", a), os.X_OK)]
        assert not programs, f"programs among the assets: {programs[:5]}"
        assert not [a for a in assets if a.startswith("user/") or a == "TEMP.BMP"], "written files installed"
        assert any(a.startswith("snd/") for a in assets), "no sounds installed"

        for tool, args in (("desktop-file-validate", [os.path.join(share, "applications", "org.pindoodle.Pindoodle.desktop")]),
                           ("appstreamcli", ["validate", "--no-net",
                                             os.path.join(share, "metainfo", "org.pindoodle.Pindoodle.metainfo.xml")])):
            if shutil.which(tool):
                r = subprocess.run([tool, *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
                assert r.returncode == 0, f"{tool} failed:\n{r.stdout}"

        program = os.path.join(prefix, "bin", "pindoodle")
        out = subprocess.run([program, "--version"], stdout=subprocess.PIPE, text=True, check=True).stdout
        assert out.startswith("pindoodle "), out
        assert subprocess.run([program, "--bogus"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 2

        # Read-only prefix (as root, writes would still succeed: the program must not try).
        before = files_under(prefix)
        for d, _, fs in os.walk(prefix):
            os.chmod(d, 0o555)
        xdg = os.path.join(scratch, "xdg")
        os.environ["XDG_DATA_HOME"] = xdg
        os.environ["HOME"] = scratch
        with Session(program):
            pass
        assert os.path.isdir(os.path.join(xdg, "pindoodle", "user")), "no data directory made"
        assert files_under(prefix) == before, "the program wrote under its prefix"
        print("install: 1 passed, 0 failed")
    finally:
        for d, _, _ in os.walk(scratch):
            os.chmod(d, stat.S_IRWXU)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
