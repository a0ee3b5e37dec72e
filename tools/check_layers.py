#!/usr/bin/env python3
"""Checks the layering of src/: a logic file includes only headers of its own
library and of the libraries it links (directly or through them), never a
window (ui/) or Qt header. The libraries and their links are read from the
orvanta_logic_library() calls of CMakeLists.txt, so the check follows the
build. Windows (*/ui/, platform/qt/) and src/app/ may include anything.

  tools/check_layers.py [--root DIR]   exit 1 and one line per fault
  tools/check_layers.py --self-test    plants each kind of fault in a small tree
"""

import argparse
import re
import sys
import tempfile
from pathlib import Path

LIBRARY_CALL = re.compile(r"orvanta_logic_library\(\s*(\w+)\s+(\w+)((?:\s+\w+)*)\s*\)")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
WINDOW_PARTS = ("ui", "qt")


def read_libraries(cmake_text):
    """Folder -> the folders it may include (itself and all it links)."""
    text = "\n".join(line.split("#", 1)[0] for line in cmake_text.splitlines())
    folder_of, links = {}, {}
    for name, folder, deps in LIBRARY_CALL.findall(text):
        folder_of[name] = folder
        links[folder] = deps.split()
    reach = {}

    def below(folder):
        if folder not in reach:
            found = {folder}
            for dep in links[folder]:
                if dep in folder_of:
                    found |= below(folder_of[dep])
            reach[folder] = found
        return reach[folder]

    return {folder: below(folder) for folder in links}


def is_window(parts):
    return any(p in WINDOW_PARTS for p in parts[:-1])


def faults(root):
    root = Path(root)
    allowed = read_libraries((root / "CMakeLists.txt").read_text())
    src = root / "src"
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".inc"):
            continue
        rel = path.relative_to(src)
        folder = rel.parts[0]
        if folder not in allowed or is_window(rel.parts):
            continue
        for kind, name in INCLUDE.findall(path.read_text(errors="replace")):
            where = f"src/{rel.as_posix()}: {kind}{name}{'>' if kind == '<' else kind}"
            if kind == "<":
                if re.match(r"Q[A-Za-z]", name):
                    found.append(f"{where}: Qt in a logic file")
                continue
            target = Path(name).parts
            if target[0] not in allowed:  # a file beside this one
                continue
            if is_window(target):
                found.append(f"{where}: a window header in a logic file")
            elif target[0] not in allowed[folder]:
                found.append(f"{where}: {target[0]}/ is not below {folder}/")
    return found


def self_test():
    cmake = """
orvanta_logic_library(orvanta_base base)
orvanta_logic_library(orvanta_shell shell orvanta_base)  # a comment: orvanta_logic_library(x y)
orvanta_logic_library(orvanta_wheels wheels orvanta_shell)
orvanta_logic_library(orvanta_reports reports orvanta_shell)
orvanta_logic_library(orvanta_commands commands orvanta_wheels
                      orvanta_reports)
"""
    files = {
        # sound: own folder, a library two links down, a file beside it
        "base/Text.h": '#include <string>\n',
        "shell/Options.cpp": '#include "shell/Options.h"\n#include "base/Text.h"\n#include "Ranges.inc"\n',
        "commands/Workbench.h": '#include "wheels/WheelRequest.h"\n#include "reports/ReportState.h"\n',
        "wheels/ui/Wheels.cpp": '#include <QWidget>\n#include "commands/Workbench.h"\n',
        # faults
        "shell/Settings.cpp": '#include "wheels/WheelRequest.h"\n',
        "wheels/Paint.cpp": '#include "reports/ReportState.h"\n  #  include "commands/Workbench.h"\n',
        "reports/Viewer.cpp": '#include <QString>\n',
        "base/Format.cpp": '#include "wheels/ui/Wheels.h"\n',
    }
    expected = [
        'src/base/Format.cpp: "wheels/ui/Wheels.h": a window header in a logic file',
        "src/reports/Viewer.cpp: <QString>: Qt in a logic file",
        'src/shell/Settings.cpp: "wheels/WheelRequest.h": wheels/ is not below shell/',
        'src/wheels/Paint.cpp: "reports/ReportState.h": reports/ is not below wheels/',
        'src/wheels/Paint.cpp: "commands/Workbench.h": commands/ is not below wheels/',
    ]
    with tempfile.TemporaryDirectory() as tmp:
        root = Path(tmp)
        (root / "CMakeLists.txt").write_text(cmake)
        for name, text in files.items():
            (root / "src" / name).parent.mkdir(parents=True, exist_ok=True)
            (root / "src" / name).write_text(text)
        got = faults(root)
    if got != expected:
        print("self-test failed; found:", *got, sep="\n  ")
        return 1
    print("self-test passed")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=Path(__file__).resolve().parent.parent)
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    found = faults(args.root)
    for line in found:
        print(line)
    if not found:
        print("every logic file includes only its own library and those below it")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
