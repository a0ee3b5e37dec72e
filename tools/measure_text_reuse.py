#!/usr/bin/env python3
"""Measures how often the shipped interpretation texts repeat themselves.

Every section of a family's shipped files is split into sentences (those over
20 characters count). A sentence is reused when it stands in more groups of
sections than the text needs: a group is one section, except where the text
itself holds the same paragraph twice - a natal exact-aspect section ("Sun
trine Moon") extends its general section ("Sun harmonizing with Moon"), and the
synastry report file and the browser section of one key hold one paragraph.
Per family the table gives the sections, the sentences, the share of sentence
occurrences whose sentence stands in more than one group, and the most groups one
sentence stands in.

A family fails when its share passes 15%, a sentence stands in more than 3
groups, or a sentence repeats inside one section. Families still waiting for
their rewrite are listed in KNOWN with the numbers they may not exceed, so
the check tightens as each is rewritten.

    python3 tools/measure_text_reuse.py            # print the table
    python3 tools/measure_text_reuse.py --check    # and fail past the limits
"""

import re
import sys
from collections import defaultdict
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_relationship_texts import scrambled_sections, unscramble  # noqa: E402

DATA = Path(__file__).resolve().parent.parent / "data"
MAX_SHARE, MAX_GROUPS, MIN_LENGTH = 0.15, 3, 21
# Families not yet rewritten: (share, most groups) they may not exceed.
KNOWN: dict[str, tuple[float, int]] = {}

NATAL_POINTS = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                "Uranus", "Neptune", "Pluto", "N_Node", "S_Node", "P_of_F", "Asc"]
# An exact aspect's section extends the general section of its kind.
KIND = {"conjunct": "blending with", "sextile": "harmonizing with",
        "trine": "harmonizing with", "square": "discordant to",
        "opposite": "discordant to"}
SENTENCE_END = re.compile(r"(?:(?<=[.!?])|(?<=[.!?][\"')]))\s+(?=[\"'(]?[A-Z])")


def sentences(text):
    text = " ".join(text.split())
    return [s for s in SENTENCE_END.split(text) if len(s) >= MIN_LENGTH]


def lines_of(path):
    return path.read_bytes().decode("ascii").split("\r\n")


def starred_sections(path):
    """{key: text} of a file of key line, text lines and a "*" line."""
    sections, key, body = {}, None, []
    for line in lines_of(path):
        if key is None:
            if line.strip():
                key, body = line.strip(), []
        elif line.strip() == "*":
            sections[key], key = " ".join(body), None
        else:
            body.append(line)
    return sections


def blank_parted_sections(path):
    """{key: text} of a file of key line, text lines and an empty line."""
    sections, key = {}, None
    for line in lines_of(path):
        if not line.strip():
            key = None
        elif key is None:
            key, sections[line.strip()] = line.strip(), ""
        else:
            sections[key] += " " + line
    return sections


def headed_file(path):
    """A whole file under its first line as heading."""
    lines = lines_of(path)
    return {lines[0].strip(): " ".join(lines[1:])}


def natal_aspect_group(key):
    m = re.match(r"(\S+) (.+?) (\S+)( \(.*\))?$", key)
    first, word, second = m.group(1), m.group(2), m.group(3)
    return f"{first} {KIND.get(word, word)} {second}"


def families():
    """{family: [(group, section key, text)]} read from data/."""
    out = defaultdict(list)

    def add(family, sections, group=lambda k: k, prefix=""):
        for key, text in sections.items():
            out[family].append((prefix + group(key), prefix + key, text))

    add("natal signs, houses, rising", starred_sections(DATA / "RISING.TXT"))
    for path in sorted(DATA.glob("SIGN_*.TXT")) + sorted(DATA.glob("HOUSE_*.TXT")):
        add("natal signs, houses, rising", starred_sections(path))
    for point in NATAL_POINTS:
        add("natal aspects", starred_sections(DATA / f"{point}.TXT"), natal_aspect_group)
    for path in sorted(DATA.glob("*_TR.TXT")):
        add("transits", blank_parted_sections(path), prefix=path.name + ":")
    for path in sorted((DATA / "COMPOSIT" / "HOUSE").iterdir()):
        add("composite houses", headed_file(path))
    for path in sorted((DATA / "COMPOSIT" / "ASPECT").iterdir()):
        add("composite aspects", headed_file(path))
    for name in ("C_ASPS.BIN", "C_HOUSES.BIN"):
        add("composite browser", scrambled_sections((DATA / name).read_bytes()),
            prefix=name + ":")
    # The report's file and the browser's section of one key hold one text.
    add("synastry", scrambled_sections((DATA / "S_ASPS.BIN").read_bytes()),
        prefix="S_ASPS.BIN:")
    for path in sorted((DATA / "SYNASTRY").glob("*.*")):
        text = " ".join(unscramble(l) for l in path.read_bytes().split(b"\r\n"))
        out["synastry"].append((path.name, path.name, text))
    return out


def measure(sections):
    """(sections, sentences, share reused, most groups, worst sentence,
    [(section key, sentence repeated inside it)])."""
    groups = defaultdict(list)
    total, inside = 0, []
    for group, key, text in sections:
        found = sentences(text)
        total += len(found)
        for s in {s for s in found if found.count(s) > 1}:
            inside.append((key, s))
        for s in found:
            groups[s].append(group)
    reused = sum(len(where) for where in groups.values() if len(set(where)) > 1)
    most, worst = 0, ""
    for s, where in groups.items():
        if len(set(where)) > most:
            most, worst = len(set(where)), s
    return len(sections), total, reused / max(total, 1), most, worst, inside


def synastry_groups(sections):
    """The report's file SUNMOO.CNJ and the browser's "Sun conjunct Moon"
    form one group: the same paragraph."""
    by_text = {}
    for group, key, text in sections:
        if group.startswith("S_ASPS.BIN:"):
            by_text[" ".join(text.split())] = group
    return [(by_text.get(" ".join(text.split()), group), key, text)
            for group, key, text in sections]


def self_test():
    """The splitter and the measure on texts whose answer is known."""
    split_cases = [
        ("You lead.  Others follow you gladly. (Mostly so.)",
         ["Others follow you gladly."]),
        ('He said "Enough for today." Then the long day ended well.',
         ['He said "Enough for today."', "Then the long day ended well."]),
        ("The ratio is 2.5 times the usual amount here. Then it fades away slowly.",
         ["The ratio is 2.5 times the usual amount here.",
          "Then it fades away slowly."]),
    ]
    failures = [f"split {text!r}: {sentences(text)}"
                for text, want in split_cases if sentences(text) != want]
    a, b, c = ("Alpha sentence is long enough.", "Beta sentence is long enough.",
               "Gamma sentence is long enough.")
    family = [("g1", "k1", f"{a} {b}"), ("g1", "k1x", f"{a} {b} {c}"),
              ("g2", "k2", f"{a} {c}"), ("g3", "k3", f"{b} {b}")]
    got = measure(family)
    # a in g1 twice and g2: reused; b in g1 and g3: reused; c in g1, g2.
    want = (4, 9, 9 / 9, 2, a, [("k3", b)])
    if got != want:
        failures.append(f"measure: {got} != {want}")
    got = measure([("g1", "k1", f"{a} {b}"), ("g2", "k2", c)])
    if got[2] != 0 or got[3] != 1:
        failures.append(f"measure of distinct sentences: {got}")
    return failures


def main():
    if sys.argv[1:] == ["--self-test"]:
        failures = self_test()
        print("\n".join(failures) or "self test passed")
        return 1 if failures else 0
    check = sys.argv[1:] == ["--check"]
    problems = []
    print(f"{'family':30} {'sections':>8} {'sentences':>9} {'reused':>7} {'most':>5}")
    for family, sections in families().items():
        if family == "synastry":
            sections = synastry_groups(sections)
        count, total, share, most, worst, inside = measure(sections)
        print(f"{family:30} {count:8} {total:9} {share:7.1%} {most:5}")
        limit_share, limit_most = KNOWN.get(family, (MAX_SHARE, MAX_GROUPS))
        if share > limit_share + 0.0005:
            problems.append(f"{family}: {share:.1%} of sentences reused")
        if most > limit_most:
            problems.append(f"{family}: a sentence in {most} sections: {worst!r}")
        if family not in KNOWN:
            problems += [f"{family}: {key}: repeats {s!r}" for key, s in inside]
    for problem in problems:
        print(problem)
    return 1 if check and problems else 0


if __name__ == "__main__":
    sys.exit(main())
