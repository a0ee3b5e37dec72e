#!/usr/bin/env python3
"""Runs a generator into a temporary folder and compares what it wrote, byte
for byte, with the committed files. CTest runs one such check per generator
(tests/CMakeLists.txt), so a hand edit of a generated file, or a generator
changed without rerunning it, fails the suite.

    check_generated.py [options] FILE... -- COMMAND...

FILE      a committed file, path from the repository root; the generator
          writes a file of the same base name into the temporary folder
COMMAND   the generator; "{out}" in it stands for the temporary folder
Options:
  --stdout NAME     the generator writes to standard output: keep it as NAME
  --needs WHAT      run only when WHAT is present, else report the check
                    skipped (exit 77) naming what is missing. WHAT is
                    module:NAME (Python module), library:SONAME (shared
                    library), file:PATH
  --missing REASON  skip at once with REASON (for a generator CMake could not
                    build here)
"""

import ctypes
import importlib.util
import os
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SKIP = 77


def skip(reason):
    print("skipped: " + reason)
    sys.exit(SKIP)


def missing(need):
    kind, _, what = need.partition(":")
    if kind == "module":
        return importlib.util.find_spec(what) is None
    if kind == "library":
        try:
            ctypes.CDLL(what)
            return False
        except OSError:
            return True
    if kind == "file":
        return not os.path.exists(what)
    sys.exit("unknown need: " + need)


def first_difference(expected, actual):
    """The first differing line, 1-based, with both versions of it."""
    old, new = expected.split(b"\n"), actual.split(b"\n")
    for number, (a, b) in enumerate(zip(old, new), 1):
        if a != b:
            return "line %d: committed %r, generated %r" % (number, a[:120], b[:120])
    return "committed %d lines, generated %d" % (len(old), len(new))


def parse(args):
    if "--" not in args:
        sys.exit(__doc__)
    split = args.index("--")
    options, command = args[:split], args[split + 1:]
    files, needs, stdout_name = [], [], None
    i = 0
    while i < len(options):
        if options[i] in ("--stdout", "--needs", "--missing") and i + 1 < len(options):
            if options[i] == "--missing":
                skip(options[i + 1])
            if options[i] == "--stdout":
                stdout_name = options[i + 1]
            else:
                needs.append(options[i + 1])
            i += 2
        else:
            files.append(options[i])
            i += 1
    if not files or not command:
        sys.exit(__doc__)
    return files, needs, stdout_name, command


def main():
    files, needs, stdout_name, command = parse(sys.argv[1:])
    absent = [n for n in needs if missing(n)]
    if absent:
        skip("this generator needs " + ", ".join(absent))
    with tempfile.TemporaryDirectory() as out:
        run = [part.replace("{out}", out) for part in command]
        result = subprocess.run(run, cwd=ROOT, stdout=subprocess.PIPE)
        if result.returncode != 0:
            sys.exit("the generator failed (exit %d): %s" % (result.returncode, " ".join(run)))
        if stdout_name:
            Path(out, stdout_name).write_bytes(result.stdout)
        stale = []
        for name in files:
            generated = Path(out, Path(name).name)
            if not generated.exists():
                stale.append("%s: not generated" % name)
                continue
            expected, actual = (ROOT / name).read_bytes(), generated.read_bytes()
            if expected != actual:
                stale.append("%s differs, %s" % (name, first_difference(expected, actual)))
    for line in stale:
        print(line)
    if stale:
        tool = next((os.path.basename(c) for c in command
                     if not os.path.basename(c).startswith("python")), command[0])
        sys.exit("%d of %d files differ from what %s writes" % (len(stale), len(files), tool))
    print("%d files as generated" % len(files))


if __name__ == "__main__":
    main()
