#!/usr/bin/env python3
"""Tells whether anything wrote into a folder between two moments: the suite
records the shipped data/ before its tests and compares it after them, since
a test that takes data/ for the program's folder would otherwise leave its
output there to be shipped.

  tools/watch_folder.py record FOLDER RECORD    writes what FOLDER holds
  tools/watch_folder.py compare FOLDER RECORD   exit 1 and one line per change
"""

import json
import os
import sys
from pathlib import Path


def listing(folder):
    """Relative path -> [kind, size, modification time in ns] of everything in folder."""
    out = {}
    for path in sorted(Path(folder).rglob("*")):
        st = path.lstat()
        kind = "link" if path.is_symlink() else "folder" if path.is_dir() else "file"
        out[path.relative_to(folder).as_posix()] = [kind, st.st_size if kind == "file" else 0,
                                                     st.st_mtime_ns if kind != "folder" else 0]
    return out


def changes(before, after):
    lines = []
    for name in sorted(set(before) | set(after)):
        if name not in before:
            lines.append(f"added: {name}")
        elif name not in after:
            lines.append(f"removed: {name}")
        elif before[name] != after[name]:
            lines.append(f"written: {name}")
    return lines


def main(argv):
    if len(argv) != 4 or argv[1] not in ("record", "compare"):
        print(__doc__, file=sys.stderr)
        return 2
    _, step, folder, record = argv
    if step == "record":
        Path(record).write_text(json.dumps(listing(folder)))
        return 0
    lines = changes(json.loads(Path(record).read_text()), listing(folder))
    for line in lines:
        print(f"{os.path.join(folder, '')}: {line}")
    return 1 if lines else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
