#!/usr/bin/env python3
"""Writes the transit interpretation texts in data/ from content/transit/.

Sources (text before the first "== heading" of a file is a note):
  transiting.txt  the fifteen transiting points: names, how long a transit
                  lasts, and sentences on what each stirs (meet, soft, hard)
  natal.txt       the fifteen natal points: names, what each stands for, and
                  sentences on how that part of life fares (meet, soft, hard)
  aspects.txt     the nine aspects: tone, openers and closers
  links.txt       short links by tone that may start the natal sentence
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
an opener naming the transit followed by the pair's own lines for that
aspect. A transiting point with no pairs file yet gets the older composed
paragraph instead: a sentence of the transiting point and one of the natal
point in the aspect's tone between the opener and a closer, dealt from their
pools by a fixed seed per file. Plain ASCII, CR LF line ends; the same
sources always give the same bytes.

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
TONES = ["meet", "soft", "hard"]
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


def linked(link, text):
    """`text` begun with `link` ("Often," + "You may..." -> "Often, you may...")."""
    return f"{link} {text[0].lower()}{text[1:]}"


def compose_file(transit, natal, aspects, links):
    """{key: paragraph} of one transiting point's file, in file order."""
    rng = random.Random(zlib.crc32(transit["ref"][0].encode()))
    t_deal = {tone: dealer(rng, transit[tone]) for tone in TONES}
    l_deal = {tone: dealer(rng, links[tone]) for tone in TONES}
    opens = {w: dealer(rng, a["open"]) for w, a in aspects.items()}
    closes = {w: dealer(rng, a["close"]) for w, a in aspects.items()}
    slots = {"t": transit["ref"][0], "short": transit["short"][0],
             "span": transit["span"][0], "period": transit["period"][0]}
    sections = {}
    for natal_name, point in natal.items():
        # Each tone's sentences for this natal point, none used twice.
        n_deal = {tone: iter(rng.sample(point[tone], len(point[tone])))
                  for tone in TONES}
        themes = dealer(rng, point["theme"])
        for word, aspect in aspects.items():
            tone = aspect["tone"][0]
            own = dict(slots, n=point["ref"][0], theme=next(themes))
            if word == "conjunct" and natal_name == transit["name"]:
                opener = sentence(transit["return"][0], **own)
            else:
                opener = sentence(next(opens[word]), **own)
            natal_sentence = next(n_deal[tone])
            if rng.random() < 0.5:
                natal_sentence = linked(next(l_deal[tone]), natal_sentence)
            parts = [opener, next(t_deal[tone]), natal_sentence,
                     sentence(next(closes[word]), **own)]
            key = f"{transit['name'].rstrip()} {word} {natal_name}"
            sections[key] = " ".join(parts)
    return sections


def pairs_path(transit):
    """The pairs file of a transiting point: SAT.txt for SAT_TR.TXT."""
    return SOURCE / "pairs" / (transit["file"][0].split("_")[0] + ".txt")


def read_pairs(transit):
    """{natal name: {aspect word: lines}} written for one transiting point,
    or None while it has no pairs file; a file must cover every pair."""
    path = pairs_path(transit)
    if not path.exists():
        return None
    pairs = {h: read_fields(b) for h, b in read_sections(path)}
    if sorted(pairs) != sorted(p.rstrip() for p in POINT_NAMES):
        raise ValueError(f"{path.name}: sections {list(pairs)}")
    for natal_name, entries in pairs.items():
        if sorted(entries) != sorted(ASPECT_WORDS) or any(len(v) != 1 for v in entries.values()):
            raise ValueError(f"{path.name}: {natal_name} needs one line per aspect")
    return {p: pairs[p.rstrip()] for p in POINT_NAMES}


def compose_written(transit, natal, aspects, pairs):
    """{key: paragraph} of a transiting point whose pairs are written: the
    aspect's opener, then the pair's own line for that aspect."""
    rng = random.Random(zlib.crc32(transit["ref"][0].encode()))
    opens = {w: dealer(rng, a["open"]) for w, a in aspects.items()}
    sections = {}
    for natal_name, point in natal.items():
        themes = dealer(rng, point["theme"])
        for word in aspects:
            own = {"t": transit["ref"][0], "short": transit["short"][0],
                   "n": point["ref"][0], "theme": next(themes)}
            if word == "conjunct" and natal_name == transit["name"]:
                opener = sentence(transit["return"][0], **own)
            else:
                opener = sentence(next(opens[word]), **own)
            key = f"{transit['name'].rstrip()} {word} {natal_name}"
            sections[key] = f"{opener} {pairs[natal_name][word][0]}"
    return sections


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
    links = {h: read_fields(b)["link"] for h, b in read_sections(SOURCE / "links.txt")}
    files = {}
    for name, transit in transiting.items():
        transit["name"] = name
        pairs = read_pairs(transit)
        if pairs:
            sections = compose_written(transit, natal, aspects, pairs)
        else:
            sections = compose_file(transit, natal, aspects, links)
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
    # A transiting point with written pairs says each sentence once.
    written = [t["file"][0] for t in read_points("transiting.txt").values()
               if pairs_path(t).exists()]
    _, _, _, where, inside = reuse(files)
    problems += [f"{key!r}: {s!r} said twice" for key, s in inside]
    for name in written:
        for key, paragraph in parse_sections(files[name]).items():
            for s in sentences_of(paragraph):
                if len(where[s]) > 1:
                    problems.append(f"{name}: {key!r} shares {s!r} with {where[s][1:]}")
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
