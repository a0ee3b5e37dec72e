#!/usr/bin/python3
"""Generates the shipped option and orb files in data/:
Options.opt, its identical default copy Options.mst, and the seven orb files
NATAL.ORB, TRANSIT.ORB, NAT2TRAN.ORB, SYNASTRY.ORB, COMPOSIT.ORB, MAGI.ORB and
MAGI_NAT.ORB.

Source: the options register content/options.md, whose "Proposed Options.opt"
section and "**NAME.ORB**" paragraphs each hold one fenced ```text block with
the file's lines: the value in characters 1-7, a blank, then a label.

The lines are copied as they stand and written with CR LF line ends and a
final line break, as the program's editors save them. Every line is checked
to hold a number in its first 7 characters, and the line counts (244 options,
17 orbs) are checked, so a damaged register stops the run.

Rerun from the repository root:
    /usr/bin/python3 tools/make_option_files.py content/options.md data
"""

import re
import sys
from pathlib import Path

ORB_FILES = ["NATAL.ORB", "TRANSIT.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB",
             "COMPOSIT.ORB", "MAGI.ORB", "MAGI_NAT.ORB"]
NUMBER = re.compile(r"[ \t]*[+-]?(\d+\.?\d*|\.\d+)")


def block_after(text, heading):
    """The lines of the first ```text block after `heading`."""
    start = text.index(heading)
    fence = text.index("```text\n", start) + len("```text\n")
    end = text.index("```", fence)
    return text[fence:end].rstrip("\n").split("\n")


def check(name, lines, count):
    if len(lines) != count:
        sys.exit(f"{name}: {len(lines)} lines, expected {count}")
    for k, line in enumerate(lines, 1):
        if not line.strip() or not NUMBER.match(line[:7]):
            sys.exit(f"{name}: line {k} has no value in its first 7 characters: {line!r}")


def write(folder, name, lines):
    (folder / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    register = Path(sys.argv[1]).read_text(encoding="utf-8")
    out = Path(sys.argv[2])

    options = block_after(register, "Proposed Options.opt")
    check("Options.opt", options, 244)
    write(out, "Options.opt", options)
    write(out, "Options.mst", options)

    for name in ORB_FILES:
        orbs = block_after(register, f"**{name}**")
        check(name, orbs, 17)
        write(out, name, orbs)


if __name__ == "__main__":
    main()
