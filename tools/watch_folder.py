#!/usr/bin/env python3
"""Tells whether anything wrote into a folder between two moments: the suite
records the shipped data/ before its tests and compares it after them, since
a test that takes data/ for the program's folder would otherwise leave its
output there to be shipped; scripts/test does the same with the user's home
and ~/.config.

  tools/watch_folder.py record FOLDER RECORD [DEPTH]  writes what FOLDER holds,
                                                      DEPTH levels down (all)
  tools/watch_folder.py compare FOLDER RECORD         exit 1 and one line per change
"""

import json
import os
import sys
from pathlib import Path


def entries(folder, depth):
    """Everything in folder, at most depth levels down (None: all); links not followed."""
    for root, folders, files in os.walk(folder):
        level = len(Path(root).relative_to(folder).parts) + 1
        for name in folders + files:
            yield Path(root) / name
        if depth is not None and level >= depth:
            folders.clear()


def listing(folder, depth=None):
    """Relative path -> [kind, size, modification time in ns] of everything in folder."""
    out = {}
    for path in sorted(entries(folder, depth)):
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
    step = argv[1] if len(argv) > 1 else ""
    if len(argv) not in {"record": (4, 5), "compare": (4,)}.get(step, ()):
        print(__doc__, file=sys.stderr)
        return 2
    folder, record = argv[2:4]
    if step == "record":
        depth = int(argv[4]) if len(argv) == 5 else None
        Path(record).write_text(json.dumps({"depth": depth, "listing": listing(folder, depth)}))
        return 0
    recorded = json.loads(Path(record).read_text())
    lines = changes(recorded["listing"], listing(folder, recorded["depth"]))
    for line in lines:
        print(f"{os.path.join(folder, '')}: {line}")
    return 1 if lines else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
