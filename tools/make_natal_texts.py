#!/usr/bin/python3
"""Writes the natal interpretation texts in data/ from content/natal/.

Sources (one per family, "# heading" then paragraphs, blank lines between
paragraphs; text before the first heading is a note and ignored):
  rising.txt         "# Aries Rising" ... twelve sections      -> RISING.TXT
  signs.txt          "# Sun in Aries" ... ten bodies per sign  -> SIGN_ARI.TXT ..
  houses.txt         "# Sun in the First House" ...            -> HOUSE_1.TXT ..
  aspects.txt        "# Sun blending with Moon" ... the bodies and the
                     Ascendant; aspects-points.txt the same for the nodes,
                     the Part of Fortune and the Midheaven     -> Sun.TXT .. Asc.TXT
  exact.txt          closing sentences for the exact aspect names
                     ("# conjunct", "# sextile", ...; one sentence a line)

Each written section is a key line, its paragraphs wrapped at 72 columns, and
a "*" line. A line that continues a paragraph ends in one blank, so the RTF
copy of a report joins the lines into one paragraph. The exact-aspect sections
("Sun trine Moon") are the general section of their kind followed by one
closing sentence for that aspect, taken in turn from exact.txt, so that
one closing ends at most three pairs' texts.

Files are written with CR LF line ends; the run is deterministic.

    python3 tools/make_natal_texts.py            # write data/
    python3 tools/make_natal_texts.py --check    # compare with data/, check keys
"""

import re
import sys
import textwrap
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "content" / "natal"
DATA = ROOT / "data"

SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
         "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"]
BODIES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
          "Uranus", "Neptune", "Pluto"]
ORDINALS = ["First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh",
            "Eighth", "Ninth", "Tenth", "Eleventh", "Twelfth"]
# Report point names in report order, with the names the sources use.
REPORT_POINTS = BODIES + ["N_Node", "S_Node", "P_of_F", "Asc", "M_Heaven"]
FULL_NAMES = {"N_Node": "North Node", "S_Node": "South Node",
              "P_of_F": "Part of Fortune", "Asc": "Ascendant",
              "M_Heaven": "Midheaven"}
WORDS = ["blending with", "harmonizing with", "discordant to"]
# Exact aspect name -> the general word whose section it extends.
EXACT = [("conjunct", 0), ("sextile", 1), ("trine", 1), ("square", 2),
         ("opposite", 2)]
WIDTH = 72
MIN_WORDS, MAX_WORDS = 50, 140


def fail(message):
    sys.exit("make_natal_texts: " + message)


def read_sections(name):
    """[(heading, [paragraph, ...])] of one source file, in file order."""
    sections = []
    new_paragraph = True
    for raw in (SOURCE / name).read_text("ascii").splitlines():
        line = raw.strip()
        if line.startswith("# "):
            sections.append((line[2:].strip(), []))
            new_paragraph = True
        elif not sections or not line:
            new_paragraph = True
        elif new_paragraph:
            sections[-1][1].append(line)
            new_paragraph = False
        else:
            sections[-1][1][-1] += " " + line
    headings = [h for h, _ in sections]
    twice = {h for h in headings if headings.count(h) > 1}
    if twice:
        fail(f"{name}: {sorted(twice)} more than once")
    return sections


def by_heading(name, expected):
    """The paragraphs of each expected heading; every heading must be there."""
    sections = dict(read_sections(name))
    missing = [h for h in expected if h not in sections]
    extra = [h for h in sections if h not in expected]
    if missing or extra:
        fail(f"{name}: missing {missing[:5]}{'...' if len(missing) > 5 else ''}"
             f" unexpected {extra[:5]}")
    return sections


def wrap(paragraph, avoid):
    """Lines of one paragraph; no line but the first may begin like a key of
    the file (`avoid`, upper case), or the reader would stop there."""
    for width in range(WIDTH, WIDTH - 20, -1):
        lines = textwrap.wrap(paragraph, width, break_long_words=False,
                              break_on_hyphens=False)
        if not any(l.upper().startswith(a) for l in lines[1:] for a in avoid):
            return [l + " " for l in lines[:-1]] + lines[-1:]
    fail(f"cannot wrap: {paragraph[:40]}")


def section_lines(key_line, paragraphs, avoid):
    lines = [key_line]
    for n, paragraph in enumerate(paragraphs):
        if n:
            lines.append("")
        lines.extend(wrap(paragraph, avoid))
    return lines + ["*"]


def write_file(files, name, sections, keys):
    """sections: [(key line, paragraphs)]; keys: the keys read from the file."""
    avoid = [k.upper() for k in keys]
    lines = []
    for n, (key_line, paragraphs) in enumerate(sections):
        if n:
            lines.append("")
        lines.extend(section_lines(key_line, paragraphs, avoid))
    files[name] = "".join(l + "\r\n" for l in lines).encode("ascii")


def aspect_key_line(i, word, j):
    """The key line of point i's aspect to point j. A second point Asc is
    written out (the short key still matches it); the other short names are
    followed by their full names."""
    second = "Ascendant" if j == "Asc" else j
    line = f"{i} {word} {second}"
    spelled = [FULL_NAMES[p] for p in (i, second) if p in FULL_NAMES]
    return line + f" ({', '.join(spelled)})" if spelled else line


def aspect_pairs():
    """Every (first, second) point pair the natal report can look up."""
    return [(REPORT_POINTS[a], REPORT_POINTS[b]) for a in range(14) for b in range(a + 1, 15)]


def source_name(point):
    return FULL_NAMES.get(point, point)


def build():
    files = {}
    for family in (build_rising, build_signs, build_houses, build_aspects):
        family(files)
    return files


def build_rising(files):
    rising = by_heading("rising.txt", [f"{s} Rising" for s in SIGNS])
    write_file(files, "RISING.TXT", [(f"{s} Rising", rising[f"{s} Rising"]) for s in SIGNS],
               [f"{s} rising" for s in SIGNS])


def build_signs(files):
    signs = by_heading("signs.txt", [f"{b} in {s}" for s in SIGNS for b in BODIES])
    for s in SIGNS:
        write_file(files, f"SIGN_{s[:3].upper()}.TXT",
                   [(f"{b} in {s}", signs[f"{b} in {s}"]) for b in BODIES],
                   [f"{b} in" for b in BODIES])


def build_houses(files):
    house_heading = lambda b, h: f"{b} in the {ORDINALS[h]} House"
    houses = by_heading("houses.txt", [house_heading(b, h) for h in range(12) for b in BODIES])
    for h in range(12):
        write_file(files, f"HOUSE_{h + 1}.TXT",
                   [(house_heading(b, h), houses[house_heading(b, h)]) for b in BODIES],
                   [f"{b} in" for b in BODIES])


def build_aspects(files):
    pairs = aspect_pairs()
    heading = lambda i, w, j: f"{source_name(i)} {w} {source_name(j)}"
    body_pairs = [p for p in pairs if all(x in BODIES or x == "Asc" for x in p)]
    point_pairs = [p for p in pairs if p not in body_pairs]
    general = by_heading("aspects.txt", [heading(i, w, j) for i, j in body_pairs for w in WORDS])
    general.update(by_heading("aspects-points.txt",
                              [heading(i, w, j) for i, j in point_pairs for w in WORDS]))
    closings = dict(read_sections("exact.txt"))
    # Each closing ends at most three pairs' texts, pairs far apart in the
    # report's order.
    for name, _ in EXACT:
        if name not in closings or 3 * len(closings[name]) < len(pairs):
            fail(f"exact.txt: '{name}' needs at least {-(-len(pairs) // 3)} sentences")
    for first in REPORT_POINTS[:14]:
        mine = [p for p in pairs if p[0] == first]
        sections, keys = [], []
        for i, j in mine:
            n = pairs.index((i, j))
            for w in WORDS:
                sections.append((aspect_key_line(i, w, j), general[heading(i, w, j)]))
                keys.append(f"{i} {w} {j}")
            for name, kind in EXACT:
                pool = closings[name]
                closing = pool[n % len(pool)]
                paragraphs = list(general[heading(i, WORDS[kind], j)])
                paragraphs[-1] = paragraphs[-1] + " " + closing
                sections.append((aspect_key_line(i, name, j), paragraphs))
                keys.append(f"{i} {name} {j}")
        write_file(files, f"{first}.TXT", sections, keys)


# ---- checks: the keys as the report and the meanings browser build them ----
# These restate the key rules of the natal report and the natal meanings
# browser, so the texts can be checked before a build. The report's own key
# builder is checked against data/ by the gtest
# NatalReport.EveryLookupFindsItsTextAndTheReportReadsInOrder.

def report_keys():
    """(file, key) of every section the natal report can read."""
    keys = [("RISING.TXT", f"{s.upper()} rising") for s in SIGNS]
    for b in BODIES:
        keys += [(f"SIGN_{s[:3].upper()}.TXT", f"{b.upper()} in") for s in SIGNS]
        keys += [(f"HOUSE_{h}.TXT", f"{b.upper()} in") for h in range(1, 13)]
    words = {2: ("blending with", "conjunct"), 3: ("harmonizing with", "sextile"),
             4: ("discordant to", "square"), 5: ("harmonizing with", "trine"),
             6: ("discordant to", "opposite")}
    for extra in (0, 1):
        last_first, last_second = (14, 15) if extra else (10, 14)
        for i in range(1, last_first + 1):
            for j in range(i + 1, last_second + 1):  # a point never aspects itself
                if not extra and j in (11, 12, 13):
                    continue
                for code in range(2, 7):
                    for exact in (0, 1):
                        a, b = REPORT_POINTS[i - 1], REPORT_POINTS[j - 1]
                        keys.append((f"{a}.TXT", f"{a} {words[code][exact]} {b}"))
    return list(dict.fromkeys(keys))


def browser_keys():
    """(file, key) of every section the natal meanings browser can list."""
    planets = BODIES + ["Ascendant"]
    keys = [(f"SIGN_{s[:3]}.TXT", f"{p.upper()} in") for s in SIGNS for p in BODIES[:7]]
    keys += [(f"HOUSE_{h}.TXT", f"{p.upper()} in") for h in range(1, 13) for p in BODIES]
    keys += [("RISING.TXT", f"{s.upper()} rising") for s in SIGNS]
    refused = {("Sun", "Mercury", 1), ("Sun", "Mercury", 2), ("Sun", "Venus", 2),
               ("Mercury", "Venus", 2)}
    for a in range(11):
        for b in range(a + 1, 11):
            for w, word in enumerate(WORDS):
                if (planets[a], planets[b], w) not in refused:
                    keys.append((f"{planets[a]}.TXT", f"{planets[a]} {word} {planets[b]}"))
    return keys


def find_section(lines, key, empty_limit):
    empty = 0
    for n, line in enumerate(lines):
        empty = empty + 1 if line == "" else 0
        if empty_limit and empty >= empty_limit:
            return None
        text = line.lstrip(" ")
        if text[:len(key)].upper() == key.upper():
            end = n + 1
            while end < len(lines) and lines[end].lstrip(" ") not in ("*", "[]"):
                end += 1
            # Only a heading may match: the first line, or the one after a
            # section's "*" and the empty line that follows it.
            heading = n == 0 or n >= 2 and lines[n - 1] == "" and lines[n - 2] == "*"
            return lines[n:end] if heading and end < len(lines) else None
    return None


def check(files):
    problems = []
    for name, data in sorted(files.items()):
        path = DATA / name
        if not path.exists() or path.read_bytes() != data:
            problems.append(f"{name} differs from the sources; rerun the tool")
    by_upper = {n.upper(): d.decode("ascii").split("\r\n")[:-1] for n, d in files.items()}
    families = {}
    for reader, keys, limit in (("report", report_keys(), 10), ("browser", browser_keys(), 0)):
        for name, key in keys:
            lines = by_upper.get(name.upper())
            section = find_section(lines, key, limit) if lines else None
            if not section or not any(l.strip() for l in section[1:]):
                problems.append(f"{reader}: no section '{key}' in {name}")
                continue
            family = re.sub(r"[_.].*", "", name) if name[:4] in ("SIGN", "HOUS", "RISI") else "aspects"
            body = " ".join(l.strip() for l in section[1:])
            words = len(body.split())
            if not MIN_WORDS <= words <= MAX_WORDS:
                problems.append(f"{name} '{key}': {words} words")
            families.setdefault(family, {})[section[0]] = body
    for family, sections in families.items():
        bodies = list(sections.values())
        if len(set(bodies)) != len(bodies):
            problems.append(f"{family}: two sections with the same text")
    for problem in problems[:40]:
        print(problem)
    print(f"{len(report_keys())} report keys, {len(browser_keys())} browser keys, "
          f"{sum(len(s) for s in families.values())} sections checked, "
          f"{len(problems)} problems")
    return not problems


def main():
    files = build()
    if "--check" in sys.argv[1:]:
        sys.exit(0 if check(files) else 1)
    for name, data in sorted(files.items()):
        (DATA / name).write_bytes(data)
    print(f"wrote {len(files)} files to {DATA}")


if __name__ == "__main__":
    main()
