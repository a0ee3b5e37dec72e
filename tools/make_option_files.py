#!/usr/bin/python3
"""Generates the shipped option and orb files in data/:
Options.opt, its identical default copy Options.mst, and the seven orb files
NATAL.ORB, TRANSIT.ORB, NAT2TRAN.ORB, SYNASTRY.ORB, COMPOSIT.ORB, MAGI.ORB and
MAGI_NAT.ORB; and the program's names of the option numbers,
src/core/OptionNumbers.h.

Source: the options register content/options.md, whose "Proposed Options.opt"
section and "**NAME.ORB**" paragraphs each hold one fenced ```text block with
the file's lines: the value in characters 1-7, a blank, then a label.

The lines are copied as they stand and written with CR LF line ends and a
final line break, as the program's editors save them. Every line is checked
to hold a number in its first 7 characters, and the line counts (244 options,
17 orbs) are checked, so a damaged register stops the run.

The names come from the "In code" column of the register's section 1: one
name per option with a meaning, "—" for exactly the unused ones. Every name is
checked to be an identifier used once, so the header always compiles and
names each number once; a name that says what its option holds (...Color,
...FontSize, ...Orb, ...Offset) must sit on an option of that kind.

Rerun from the repository root:
    /usr/bin/python3 tools/make_option_files.py content/options.md data src/core
Check that a damaged register is refused:
    /usr/bin/python3 tools/make_option_files.py content/options.md --self-test
"""

import re
import sys
import textwrap
from pathlib import Path

ORB_FILES = ["NATAL.ORB", "TRANSIT.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB",
             "COMPOSIT.ORB", "MAGI.ORB", "MAGI_NAT.ORB"]
NUMBER = re.compile(r"[ \t]*[+-]?(\d+\.?\d*|\.\d+)")
OPTIONS = 244
HEADER = "OptionNumbers.h"
UNUSED = "—"
# A name that says what its option holds must sit on an option of that kind,
# so a name put on the wrong row of the register stops the run.
KIND_OF_NAME = [(re.compile(r"Color\d*$"), "colour"), (re.compile(r"FontSize\d*$"), "font"),
                (re.compile(r"Orb(Nodes|Lights)?$"), "orb"),
                (re.compile(r"(Offsets?\d*|Inset)$"), "offset")]


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


def register_rows(register):
    """Option number -> (name in code, what it controls, kind) of section 1."""
    rows = {}
    for line in register.split("\n"):
        cells = [c.strip() for c in line.split("|")]
        if len(cells) == 9 and cells[1].isdigit():
            rows[int(cells[1])] = (cells[3], cells[4], cells[5])
    return rows


def option_names(register):
    """(number, name, what it controls) of every named option."""
    rows = register_rows(register)
    named, seen = [], set()
    for k in range(1, OPTIONS + 1):
        if k not in rows:
            sys.exit(f"option {k}: no row in the register")
        code, controls, kind = rows[k]
        if (code == UNUSED) != (kind == "unused"):
            sys.exit(f"option {k}: kind {kind} but name in code {code!r}; "
                     f"exactly the unused options have none")
        if code == UNUSED:
            continue
        m = re.fullmatch(r"`([A-Za-z][A-Za-z0-9]*)`", code)
        if not m:
            sys.exit(f"option {k}: the name in code {code!r} is not one backticked identifier")
        name = m.group(1)
        if name in seen:
            sys.exit(f"option {k}: the name {name} is given twice")
        seen.add(name)
        for ending, wanted in KIND_OF_NAME:
            if ending.search(name) and kind != wanted:
                sys.exit(f"option {k}: {name} asks for kind {wanted}, but the option's kind is {kind}")
        named.append((k, name, controls))
    return named


def header(named):
    out = ["#pragma once",
           "// Written by tools/make_option_files.py from content/options.md; do not edit.",
           "// The number of every option that has a meaning, under the name the register",
           "// gives it in code: `options[OptionNumber::TrueNode]` is option 49. Numbers",
           "// the register lists as unused have no name.",
           "",
           "namespace orv::OptionNumber {",
           ""]
    for k, name, controls in named:
        out += textwrap.wrap(f"{k}: {controls}", 97, initial_indent="// ",
                             subsequent_indent="// ", break_on_hyphens=False)
        out.append(f"inline constexpr int {name} = {k};")
    out += ["", "}  // namespace orv::OptionNumber"]
    return "\n".join(out) + "\n"


def refused(register):
    """The message option_names stops with on `register`, or None."""
    try:
        option_names(register)
    except SystemExit as stop:
        return str(stop.code)
    return None


def self_test(register):
    """Damages the register one way at a time; each must be refused."""
    def row(k, code):
        start = register.index(f"\n| {k} | ") + 1
        cells = register[start:register.index("\n", start)].split("|")
        cells[3] = f" {code} "
        return register[:start] + "|".join(cells) + register[register.index("\n", start):]
    cases = [
        ("the same name twice", row(218, "`TrueNode`"), "given twice"),
        ("an option with a meaning left unnamed", row(49, UNUSED), "exactly the unused"),
        ("an unused option named", row(12, "`Spare`"), "exactly the unused"),
        ("not an identifier", row(131, "`Page Length`"), "not one backticked identifier"),
        ("a colour name on a font option", row(68, "`WheelHeaderColor`"), "asks for kind colour"),
        ("a font name on an offset option", row(188, "`PrintGridRowsFontSize`"),
         "asks for kind font"),
        ("an orb name on a flag option", row(49, "`TrueNodeOrb`"), "asks for kind orb"),
        ("an offset name on a colour option", row(176, "`PersonalHeaderInset`"),
         "asks for kind offset"),
    ]
    failed = 0
    if refused(register) is not None:
        print("the register itself is refused: " + refused(register))
        failed += 1
    for what, damaged, expected in cases:
        message = refused(damaged)
        if message is None or expected not in message:
            print(f"{what}: expected a refusal saying {expected!r}, got {message!r}")
            failed += 1
    if failed:
        sys.exit(f"{failed} of {len(cases) + 1} self-test cases failed")
    print(f"{len(cases) + 1} self-test cases passed")


def main():
    if len(sys.argv) == 3 and sys.argv[2] == "--self-test":
        self_test(Path(sys.argv[1]).read_text(encoding="utf-8"))
        return
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    register = Path(sys.argv[1]).read_text(encoding="utf-8")
    out = Path(sys.argv[2])
    named = option_names(register)

    options = block_after(register, "Proposed Options.opt")
    check("Options.opt", options, 244)
    write(out, "Options.opt", options)
    write(out, "Options.mst", options)

    for name in ORB_FILES:
        orbs = block_after(register, f"**{name}**")
        check(name, orbs, 17)
        write(out, name, orbs)

    Path(sys.argv[3], HEADER).write_text(header(named), encoding="utf-8")


if __name__ == "__main__":
    main()
