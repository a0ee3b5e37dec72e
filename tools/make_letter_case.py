#!/usr/bin/env python3
"""Writes src/base/LetterCaseTable.inc, the table by which names are upper-
and lower-cased character by character, from Python's own Unicode data
(str.upper() and str.lower() of each code point).

Only one-to-one mappings are kept: a character whose case partner is more
than one character (German sharp s upper-cases to "SS", for one) is left
out here; the reader in src/base/LetterCase.cpp decides about those few.
Runs of code points that map by the same offset, every one or every other
code point, are stored as one row: {first, last, step, offset}.

    python3 tools/make_letter_case.py              # write the table
    python3 tools/make_letter_case.py --out DIR    # write it into DIR
"""

import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TABLE = "LetterCaseTable.inc"


def rows(convert):
    """[(first, last, step, offset)] over every code point that `convert`
    maps to exactly one other code point."""
    found = []
    for c in range(0x110000):
        if 0xD800 <= c < 0xE000:
            continue
        mapped = convert(chr(c))
        if len(mapped) == 1 and mapped != chr(c):
            found.append((c, ord(mapped) - c))
    out = []
    for c, offset in found:
        if out:
            first, last, step, previous = out[-1]
            gap = c - last
            if previous == offset and (gap == step or (first == last and gap in (1, 2))):
                out[-1] = (first, c, gap, offset)
                continue
        out.append((c, c, 1, offset))
    return out


def table():
    lines = [f"// Written by tools/make_letter_case.py from Unicode {unicodedata.unidata_version}"
             " (Python's str.upper()",
             "// and str.lower(), one-to-one mappings only); do not edit.",
             "// {first, last, step, offset}: every step-th code point from first to last",
             "// maps to itself plus offset."]
    for name, convert in (("kUpperRuns", str.upper), ("kLowerRuns", str.lower)):
        found = rows(convert)
        lines.append(f"inline constexpr CaseRun {name}[{len(found)}] = {{")
        lines += [f"    {{0x{f:04X}, 0x{l:04X}, {s}, {o}}}," for f, l, s, o in found]
        lines.append("};")
    return "\n".join(lines) + "\n"


def main(args):
    folder = ROOT / "src" / "base"
    if args[:1] == ["--out"] and len(args) == 2:
        folder = Path(args[1])
    elif args:
        sys.exit(__doc__)
    (folder / TABLE).write_text(table(), encoding="ascii", newline="\n")


if __name__ == "__main__":
    main(sys.argv[1:])
