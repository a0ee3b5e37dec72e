#!/usr/bin/env python3
"""Writes the transit interpretation texts in data/ from content/transit/.

Sources (text before the first "== heading" of a file is a note):
  transiting.txt  the fifteen transiting points: names, file, and the
                  opener used when a point meets its own natal place
  natal.txt       the fifteen natal points: names and what each stands for
  aspects.txt     the nine aspects: tone and openers
  retro.txt       one written paragraph per retrograde planet
  pairs/*.txt     one file per transiting point (SAT.txt for SAT_TR.TXT):
                  under each natal point's heading a line per aspect,
                  written for this transiting point, this natal point and
                  this aspect, grouped by tone (meet, soft, hard)

Output: SUN_TR.TXT .. MC_TR.TXT, one file per transiting point with a section
for every natal point and aspect (15 x 9 = 135), and RETRO.TXT. A section is
its heading line (the lookup key, "SUN square MOON", "MOON conjunct MC " with
the blank that the name "MC " carries), the paragraph wrapped at 72 columns,
and one empty line, which ends the paragraph for the reader. A paragraph is
an opener naming the transit, dealt from the aspect's openers by a fixed
seed per file, followed by the pair's own lines for that aspect. No sentence
of the family stands in two sections, so a report that lists several
transits on one day, or the same slow transit day after day beside others,
never says one thing twice. Plain ASCII, CR LF line ends; the same sources
always give the same bytes.

    python3 tools/make_transit_texts.py           # write data/
    python3 tools/make_transit_texts.py --check   # data/ up to date, every
                                                  # key found, sections sound
    python3 tools/make_transit_texts.py --measure # how often sentences recur
"""

import random
import re
import sys
import textwrap
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "content" / "transit"
DATA = ROOT / "data"
NAME_TABLES = ROOT / "src" / "core" / "FixedTables.h"

# The point names in chart-point order 1..15 and the aspect words of aspect
# kinds 1..5 and 7..10, as the program spells them in its keys.
POINT_NAMES = ["SUN", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN", "URANUS",
               "NEPTUNE", "PLUTO", "MOON", "N. NODE", "S. NODE", "Part F.", "ASC",
               "MC "]
ASPECT_WORDS = ["conjunct", "sextile", "square", "trine", "opposite",
                "s.sextile", "s.square", "ses.square", "quincunx"]
RETROGRADE_POINTS = POINT_NAMES[1:9]  # Mercury to Pluto
WIDTH = 72
WORDS_MIN, WORDS_MAX = 40, 80


def read_sections(path):
    """[(heading, body lines)] of a source file; headings lose trailing blanks."""
    sections = []
    for line in path.read_text(encoding="ascii").splitlines():
        if line.startswith("== "):
            sections.append((line[3:].rstrip(), []))
        elif sections:
            sections[-1][1].append(line)
    return sections


def read_fields(body):
    """{field: [values]} of "key: value" lines; indented lines continue one."""
    fields = {}
    last = None
    for line in body:
        if not line.strip():
            continue
        m = re.match(r"([a-z.]+): (.*)$", line)
        if m:
            last = fields.setdefault(m.group(1), [])
            last.append(m.group(2).strip())
        elif line.startswith(" ") and last is not None:
            last[-1] += " " + line.strip()
        else:
            raise ValueError(f"unreadable source line: {line!r}")
    return fields


def read_points(name):
    """{point name: fields} in the order of POINT_NAMES."""
    points = {h: read_fields(b) for h, b in read_sections(SOURCE / name)}
    missing = [p for p in POINT_NAMES if p.rstrip() not in points]
    if missing:
        raise ValueError(f"{name}: no section for {missing}")
    return {p: points[p.rstrip()] for p in POINT_NAMES}


def dealer(rng, pool):
    """Endless draws from `pool`, each round a fresh shuffle of it."""
    while True:
        order = list(pool)
        rng.shuffle(order)
        yield from order


def sentence(text, **slots):
    text = text.format(**slots)
    return text[0].upper() + text[1:]


def pairs_path(transit):
    """The pairs file of a transiting point: SAT.txt for SAT_TR.TXT."""
    return SOURCE / "pairs" / (transit["file"][0].split("_")[0] + ".txt")


def read_pairs(transit):
    """{natal name: {aspect word: lines}} written for one transiting point;
    the file must cover every pair."""
    path = pairs_path(transit)
    pairs = {h: read_fields(b) for h, b in read_sections(path)}
    if sorted(pairs) != sorted(p.rstrip() for p in POINT_NAMES):
        raise ValueError(f"{path.name}: sections {list(pairs)}")
    for natal_name, entries in pairs.items():
        if sorted(entries) != sorted(ASPECT_WORDS) or any(len(v) != 1 for v in entries.values()):
            raise ValueError(f"{path.name}: {natal_name} needs one line per aspect")
    return {p: pairs[p.rstrip()] for p in POINT_NAMES}


def compose_file(transit, natal, aspects, pairs):
    """{key: paragraph} of one transiting point's file: the aspect's opener,
    then the pair's own line for that aspect."""
    rng = random.Random(zlib.crc32(transit["ref"][0].encode()))
    opens = {w: dealer(rng, a["open"]) for w, a in aspects.items()}
    sections = {}
    for natal_name, point in natal.items():
        themes = dealer(rng, point["theme"])
        for word in aspects:
            own = {"t": transit["ref"][0], "short": transit["short"][0],
                   "n": point["ref"][0]}
            line = pairs[natal_name][word][0]
            if word == "conjunct" and natal_name == transit["name"]:
                opener = sentence(transit["return"][0], **own)
            else:
                opener = fitting_opener(opens[word], themes, own, line)
            key = f"{transit['name'].rstrip()} {word} {natal_name}"
            sections[key] = f"{opener} {line}"
    return sections


# Short words an opener and the line after it may share without echoing.
COMMON = {"your", "with", "from", "that", "this", "what", "when", "where",
          "into", "than", "them", "they", "have", "more", "less", "some",
          "just", "very", "over", "each", "much", "only", "were", "will"}


SUFFIXES = ("fulness", "ness", "ment", "fully", "ful", "ingly", "ing", "edly",
            "ed", "es", "s", "ly", "er")


def stem(word):
    """`word` without its ending, cut to six letters: "restlessness" and
    "restless", "helpful" and "helps" meet."""
    for suffix in SUFFIXES:
        if word.endswith(suffix) and len(word) - len(suffix) >= 4:
            word = word[:-len(suffix)]
            break
    return word[:6]


def stems(text, leave=frozenset()):
    """The stems of the words over three letters long in `text`, but for
    common words and those in `leave`."""
    words = re.findall(r"[a-z]+", text.lower())
    return {stem(w) for w in words if len(w) > 3 and w not in COMMON} - leave


def fitting_opener(deal, themes, slots, line):
    """The next opener of `deal`, with the next theme, that shares no word
    beyond the two points' names with the first sentence of `line`, so that
    the two do not say one thing twice ("stirring restlessness ...
    Restlessness may tempt you"), and that makes the section long enough."""
    names = stems(" ".join(slots.values()))
    first = stems(sentences_of(line)[0], names)
    tried = []
    for _ in range(12):
        opener = sentence(next(deal), **dict(slots, theme=next(themes)))
        tried.append(opener)
        if len(f"{opener} {line}".split()) >= WORDS_MIN and \
                stems(opener, names).isdisjoint(first):
            return opener
    return next((o for o in tried if len(f"{o} {line}".split()) >= WORDS_MIN), tried[0])


def render(sections):
    """The file's bytes: heading, wrapped paragraph, empty line; CR LF."""
    lines = []
    for key, paragraph in sections.items():
        lines.append(key)
        lines.extend(textwrap.wrap(paragraph, WIDTH, break_on_hyphens=False))
        lines.append("")
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def build():
    """{file name: bytes} of every transit text."""
    transiting = read_points("transiting.txt")
    natal = read_points("natal.txt")
    aspects = {h: read_fields(b) for h, b in read_sections(SOURCE / "aspects.txt")}
    if list(aspects) != ASPECT_WORDS:
        raise ValueError(f"aspects.txt: sections {list(aspects)}")
    files = {}
    for name, transit in transiting.items():
        transit["name"] = name
        sections = compose_file(transit, natal, aspects, read_pairs(transit))
        files[transit["file"][0]] = render(sections)
    retro = {h: " ".join(l.strip() for l in b if l.strip())
             for h, b in read_sections(SOURCE / "retro.txt")}
    files["RETRO.TXT"] = render(retro)
    return files


def find_section(lines, key):
    """The paragraph under `key` as the transit reader finds it, or None.

    A heading matches when the line without leading blanks equals the key,
    letter case aside (trailing blanks count); ten empty lines in a row end
    the search; the paragraph runs to the first empty line."""
    empty = 0
    for i, line in enumerate(lines):
        empty = empty + 1 if line == "" else 0
        if empty >= 10:
            return None
        if line.lstrip(" ").upper() == key.upper():
            body = []
            for text in lines[i + 1:]:
                if text == "":
                    break
                body.append(text)
            return body
    return None


def code_names():
    """PointNames 1..15 and the aspect words of kinds 1..5, 7..10 as the
    program's name tables spell them."""
    source = NAME_TABLES.read_text()
    points = re.search(r"PointNames = \{(.*?)\};", source, re.S).group(1)
    points = re.findall(r'"([^"]*)"', points)[1:16]
    words = "".join(re.findall(r'"([^"]*)"',
                               re.search(r"AspectNames =(.*?);", source, re.S).group(1)))
    fields = [words[k * 12:(k + 1) * 12].rstrip() for k in range(1, 11)]
    return points, fields[:5] + fields[6:]


def check(files):
    """Problems found in the shipped files; an empty list when all is well."""
    problems = []
    points, words = code_names()
    if points != POINT_NAMES or words != ASPECT_WORDS:
        problems.append(f"name tables differ from the program's: {points} {words}")
    for name, data in files.items():
        shipped = DATA / name
        if not shipped.exists() or shipped.read_bytes() != data:
            problems.append(f"{name}: not up to date; run tools/make_transit_texts.py")
    transit_files = list(files)[:-1]
    keys = {f: [f"{t.rstrip()} {w} {n}" for n in POINT_NAMES for w in ASPECT_WORDS]
            for f, t in zip(transit_files, POINT_NAMES)}
    keys["RETRO.TXT"] = [f"{p} Retrograde" for p in RETROGRADE_POINTS]
    found = 0
    for name, wanted in keys.items():
        path = DATA / name
        if not path.exists():
            continue
        text = path.read_bytes().decode("ascii")
        if "\n" in text.replace("\r\n", ""):
            problems.append(f"{name}: a line end other than CR LF")
        lines = text.split("\r\n")
        seen = set()
        for key in wanted:
            body = find_section(lines, key)
            if not body:
                problems.append(f"{name}: no paragraph under {key!r}")
                continue
            found += 1
            paragraph = " ".join(body)
            if paragraph in seen:
                problems.append(f"{name}: paragraph under {key!r} repeated")
            seen.add(paragraph)
            count = len(paragraph.split())
            if not WORDS_MIN <= count <= WORDS_MAX:
                problems.append(f"{name}: {key!r} has {count} words")
    # An opener does not say again what the pair's first sentence says.
    for name, t in read_points("transiting.txt").items():
        names = stems(f"{t['ref'][0]} your natal {' '.join(POINT_NAMES)} Ascendant Midheaven"
                      " North South Node Part Fortune")
        for key, paragraph in parse_sections(files[t["file"][0]]).items():
            opener, first = sentences_of(paragraph)[:2]
            shared = stems(opener, names) & stems(first, names)
            if shared and key != f"{name.rstrip()} conjunct {name}":
                problems.append(f"{key!r}: the opener and the next sentence share {shared}")
    # Each sentence of the family is said once.
    _, _, _, where, inside = reuse(files)
    problems += [f"{key!r}: {s!r} said twice" for key, s in inside]
    problems += [f"{s!r} stands in {keys}" for s, keys in where.items() if len(keys) > 1]
    return problems, found


def sentences_of(paragraph):
    """The sentences of a paragraph that count when measuring reuse: those
    over 20 characters."""
    parts = re.split(r"(?<=[.!?])\s+(?=[A-Z])", paragraph)
    return [p for p in parts if len(p) > 20]


def parse_sections(data):
    """{key: paragraph} of a rendered file."""
    sections = {}
    for block in data.decode("ascii").split("\r\n\r\n"):
        lines = [l for l in block.split("\r\n") if l]
        if lines:
            sections[lines[0]] = " ".join(lines[1:])
    return sections


def reuse(files):
    """(sections, sentences, reused, {sentence: sections it stands in},
    [(key, sentence) repeated inside a section]) of the transit family."""
    where = {}
    inside = []
    count = sections = 0
    for name, data in files.items():
        if name == "RETRO.TXT":
            continue
        for key, paragraph in parse_sections(data).items():
            sections += 1
            own = sentences_of(paragraph)
            count += len(own)
            inside += [(key, s) for s in set(own) if own.count(s) > 1]
            for s in set(own):
                where.setdefault(s, []).append(key)
    reused = sum(len(keys) for keys in where.values() if len(keys) > 1)
    return sections, count, reused, where, inside


def measure(files):
    sections, count, reused, where, inside = reuse(files)
    worst = max(where.items(), key=lambda item: len(item[1]))
    print(f"transit sections {sections}, sentences {count}, "
          f"reused {reused} ({100 * reused / count:.1f}%), "
          f"in more than 3 sections {sum(len(k) > 3 for k in where.values())}, "
          f"repeated inside a section {len(inside)}")
    print(f"most sections for one sentence: {len(worst[1])} ({worst[0]!r})")


def main():
    files = build()
    if sys.argv[1:] == ["--measure"]:
        measure(files)
        return 0
    if sys.argv[1:] == ["--check"]:
        problems, found = check(files)
        for problem in problems:
            print(problem)
        print(f"{found} transit sections found, {len(problems)} problems")
        return 1 if problems else 0
    for name, data in files.items():
        (DATA / name).write_bytes(data)
    print(f"wrote {len(files)} files to {DATA}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
