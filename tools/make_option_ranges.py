#!/usr/bin/python3
"""Writes src/shell/OptionRanges.inc, the program's table of option ranges,
from the options register content/options.md: for every option 1..244 its
kind (section 1's Kind column), the range of that kind (section 1.1) and its
shipped value (the first 7 characters of its line in the "Proposed
Options.opt" block, which tools/make_option_files.py ships as Options.opt).

Every shipped value is checked to lie inside its kind's range and to equal
the Default column, so a damaged register stops the run.

Rerun from the repository root:
    python3 tools/make_option_ranges.py            # write the table
    python3 tools/make_option_ranges.py --check    # the table is up to date
"""

import re
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
REGISTER = TOP / "content" / "options.md"
TABLE = TOP / "src" / "shell" / "OptionRanges.inc"
OPTIONS = 244
NUMBER = re.compile(r"[ \t]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)")


def number_text(text):
    """A number as C++ reads it exactly: whole numbers without a point."""
    value = float(text)
    return str(int(value)) if value == int(value) else repr(value)


def kinds(register):
    section = register[register.index("### 1.1 Kinds"):register.index("## 2.")]
    found = {}
    for line in section.split("\n"):
        m = re.match(r"\| ([a-z-]+) \| (-?\d+) to (-?\d+) \|", line)
        if m:
            found[m.group(1)] = (int(m.group(2)), int(m.group(3)))
    return found


def shipped_values(register):
    start = register.index("```text\n", register.index("Proposed Options.opt")) + 8
    lines = register[start:register.index("```", start)].rstrip("\n").split("\n")
    if len(lines) != OPTIONS:
        sys.exit(f"Options.opt block: {len(lines)} lines, expected {OPTIONS}")
    values = []
    for k, line in enumerate(lines, 1):
        m = NUMBER.match(line[:7])
        if not m:
            sys.exit(f"Options.opt block: line {k} has no value: {line!r}")
        values.append(m.group(1))
    return values


def table():
    register = REGISTER.read_text(encoding="utf-8")
    ranges = kinds(register)
    values = shipped_values(register)
    rows = {}
    for line in register.split("\n"):
        cells = [c.strip() for c in line.split("|")]
        if len(cells) == 9 and cells[1].isdigit():
            rows[int(cells[1])] = (cells[5], cells[6])
    out = ["// Written by tools/make_option_ranges.py from content/options.md; do not edit.",
           "// Option k, k = 1..244: its kind, the lowest and highest value the kind",
           "// admits, and the value the program ships with."]
    for k in range(1, OPTIONS + 1):
        if k not in rows:
            sys.exit(f"option {k}: no row in the register")
        kind, default = rows[k]
        if kind not in ranges:
            sys.exit(f"option {k}: unknown kind {kind!r}")
        low, high = ranges[kind]
        value = float(values[k - 1])
        if float(default) != value:
            sys.exit(f"option {k}: default {default} but {values[k - 1]} in the file block")
        if not low <= value <= high:
            sys.exit(f"option {k}: shipped value {values[k - 1]} outside {kind} {low} to {high}")
        out.append(f'{{"{kind}", {low}, {high}, {number_text(values[k - 1])}}},')
    return "\n".join(out) + "\n"


def main():
    text = table()
    if sys.argv[1:] == ["--check"]:
        if TABLE.read_text(encoding="utf-8") != text:
            sys.exit(f"{TABLE} does not match {REGISTER}: rerun tools/make_option_ranges.py")
        return
    if sys.argv[1:]:
        sys.exit(__doc__)
    TABLE.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
