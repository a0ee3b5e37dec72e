#!/usr/bin/env python3
"""Tells whether anything wrote into a folder between two moments: the suite
records the shipped data/ before its tests and compares it after them, since
a test that takes data/ for the program's folder would otherwise leave its
output there to be shipped; scripts/test does the same with the user's own
folders (see user_folders).

  tools/watch_folder.py record FOLDER RECORD [DEPTH]  writes what FOLDER holds,
                                                      DEPTH levels down (all)
  tools/watch_folder.py compare FOLDER RECORD         exit 1 and one line per change
  tools/watch_folder.py record-user RECORD            the same for the user's folders
  tools/watch_folder.py compare-user RECORD
  tools/watch_folder.py --self-test                   plants a write into each user
                                                      folder and checks it is seen
"""

import json
import os
import sys
import tempfile
from pathlib import Path


def user_folders(env):
    """(folder, depth) of everything a test could write of the user's: the
    home's top level, and in depth the configuration folder, the data folder
    (where the program keeps its files) and the cache."""
    home = Path(env["HOME"])

    def xdg(name, default):
        return Path(env.get(name) or home / default)

    return [(home, 1), (xdg("XDG_CONFIG_HOME", ".config"), None),
            (xdg("XDG_DATA_HOME", ".local/share"), None), (xdg("XDG_CACHE_HOME", ".cache"), None)]


def entries(folder, depth):
    """Everything in folder, at most depth levels down (None: all); links not followed."""
    for root, folders, files in os.walk(folder):
        level = len(Path(root).relative_to(folder).parts) + 1
        for name in folders + files:
            yield Path(root) / name
        if depth is not None and level >= depth:
            folders.clear()


def listing(folder, depth=None):
    """Relative path -> [kind, size, modification time in ns] of everything in
    folder. A folder's time is kept too: it changes when an entry comes or
    goes below the depth recorded, a file written and removed again included."""
    out = {}
    for path in sorted(entries(folder, depth)):
        try:
            st = path.lstat()
        except FileNotFoundError:  # gone while listed: the other listing tells
            continue
        kind = "link" if path.is_symlink() else "folder" if path.is_dir() else "file"
        out[path.relative_to(folder).as_posix()] = [kind, st.st_size if kind == "file" else 0,
                                                     st.st_mtime_ns]
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


def record(folders, path):
    Path(path).write_text(json.dumps(
        [{"folder": str(f), "depth": d, "listing": listing(f, d)} for f, d in folders]))


def compare(path):
    """One line per change since the record, each naming its folder."""
    lines = []
    for r in json.loads(Path(path).read_text()):
        lines += [f"{os.path.join(r['folder'], '')}: {line}"
                  for line in changes(r["listing"], listing(r["folder"], r["depth"]))]
    return lines


def self_test():
    """A write into an existing folder below each user folder's top is seen;
    nothing is reported when nothing was written."""
    plants = [".local/share/Orvanta8/NAMES.FIL", ".local/share/Orvanta8/REPORTS/new.txt",
              ".cache/fontconfig/deep/x.cache", ".config/Orvanta8/Orvanta8.INI", "top.txt",
              ".local/made-and-removed"]
    failures = []
    with tempfile.TemporaryDirectory() as tmp, tempfile.TemporaryDirectory() as records:
        home = Path(tmp)
        for name in [".local/share/Orvanta8/REPORTS", ".cache/fontconfig/deep", ".config/Orvanta8"]:
            (home / name).mkdir(parents=True)
        (home / ".local/share/Orvanta8/NAMES.FIL").write_text("old")
        (home / ".config/Orvanta8/Orvanta8.INI").write_text("old")
        folders = user_folders({"HOME": tmp})
        rec = Path(records) / "record.json"
        record(folders, rec)
        if compare(rec):
            failures.append(f"untouched folders reported: {compare(rec)}")
        for plant in plants:
            target = home / plant
            os.utime(target.parent, ns=(1, 1))  # so that a write shows within the clock's tick
            record(folders, rec)
            if plant.endswith("removed"):
                target.write_text("x")
                target.unlink()
            else:
                target.write_text("new, longer")
            if not compare(rec):
                failures.append(f"unseen: {plant}")
        # XDG_DATA_HOME elsewhere is watched where it is.
        data = home / "data"
        (data / "Orvanta8").mkdir(parents=True)
        rec2 = Path(records) / "record2.json"
        record(user_folders({"HOME": tmp, "XDG_DATA_HOME": str(data)}), rec2)
        (data / "Orvanta8" / "x").write_text("x")
        if not any(str(data) in line for line in compare(rec2)):
            failures.append("unseen: a write into XDG_DATA_HOME")
    if failures:
        print("self-test failed:", *failures, sep="\n  ")
        return 1
    print("self-test passed")
    return 0


def main(argv):
    step = argv[1] if len(argv) > 1 else ""
    counts = {"record": (4, 5), "compare": (4,), "record-user": (3,), "compare-user": (3,),
              "--self-test": (2,)}
    if len(argv) not in counts.get(step, ()):
        print(__doc__, file=sys.stderr)
        return 2
    if step == "--self-test":
        return self_test()
    if step == "record-user":
        record(user_folders(os.environ), argv[2])
        return 0
    if step == "record":
        depth = int(argv[4]) if len(argv) == 5 else None
        record([(Path(argv[2]), depth)], argv[3])
        return 0
    lines = compare(argv[2] if step == "compare-user" else argv[3])
    for line in lines:
        print(line)
    return 1 if lines else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
