#!/usr/bin/env python3
"""Writes the composite, synastry and keyword texts in data/ from content/.

Sources (text before the first "== heading" of a file is a note):
  content/composite/bodies.txt   the composite bodies: roles, house and tone
                                 sentences
  content/composite/houses.txt   the twelve houses: areas and notes; openers
  content/composite/aspects.txt  the report's five aspects and the browser's
                                 three wordings: tones, openers, closers
  content/composite/pairs.txt    each pair's own sentence for each aspect
  content/synastry/bodies.txt    the synastry bodies: gifts, tone sentences,
                                 same-body sentences
  content/synastry/aspects.txt   the five synastry aspects
  content/synastry/pairs.txt     each pair's own sentence for each aspect
  content/keywords/*.txt         the keyword course, one section per file

Output:
  COMPOSIT/HOUSE/SUN.1 .. PLUTO.12                a body in a house (120)
  COMPOSIT/ASPECT/SUNMOO.CNJ ..                   the report's aspect pairs
                                                  (52 x 5) and the node
                                                  conjunctions (20)
  C_HOUSES.BIN, C_ASPS.BIN, S_ASPS.BIN            scrambled keyed sections
  SYNASTRY/SUNMOO.CNJ ..                          scrambled aspect texts
                                                  (60 pairs x 5)
  INTRO1.TXT .. The_Sun.TXT                       the keyword course (41)

A composed aspect paragraph is an opener naming both bodies, the pair's own
sentence for the aspect and, while they last, a body sentence in the aspect's
tone and a closer, each standing in one text only. A house paragraph is an
opener naming the body and its house's axis, the body's house sentence and, while
the house's notes last, one of them. A synastry paragraph is an opener naming
both bodies (or the body both charts hold), the pair's own sentence and, while
they last, a body sentence in the aspect's tone and a closer.
Sentences are dealt by a seed taken from the family's name, so the same
sources always give the same bytes. Plain ASCII, CR LF line ends. The
reports' framing texts (COMPOSIT/COMPOPEN .., SYNASTRY/DOCS/..) are written
by hand; the check only finds them.

    python3 tools/make_relationship_texts.py           # write data/
    python3 tools/make_relationship_texts.py --check [--codec PATH]
        # data/ up to date, every key the reports and browsers build found,
        # no text repeated; the codec tool (default build/scramble_text; CTest passes its own),
        # when built, writes and reads the scrambled files to the same bytes
"""

import random
import re
import subprocess
import sys
import tempfile
import textwrap
import zlib
from pathlib import Path

# The transit texts' source format: "== heading" sections of "key: value"
# fields.
from make_transit_texts import read_fields, read_sections

ROOT = Path(__file__).resolve().parent.parent
CONTENT = ROOT / "content"
DATA = ROOT / "data"
WIDTH = 72
SECTION_WIDTH = 68  # scrambled sections carry a five-blank prefix
PREFIX = " " * 5

# The browsers' planet buttons in index order; the composite report's body
# order for house texts; the synastry file-name order.
BUTTONS = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
           "Uranus", "Neptune", "Pluto", "Ascendant"]
HOUSE_BUTTONS = ["1st", "2nd", "3rd"] + [f"{n}th" for n in range(4, 13)]
OUTER = {"Uranus", "Neptune", "Pluto"}
# Chart points 1..10 and 14 by name, as the reports number them.
POINT = {"Sun": 1, "Mercury": 2, "Venus": 3, "Mars": 4, "Jupiter": 5,
         "Saturn": 6, "Uranus": 7, "Neptune": 8, "Pluto": 9, "Moon": 10,
         "Ascendant": 14}
BY_POINT = {n: name for name, n in POINT.items()}
COMPOSITE_EXTS = ["CNJ", "SXT", "SQR", "TRI", "OPP"]
COMPOSITE_WORDS = ["blending with", "harmonizing with", "discordant to"]
SYNASTRY_WORDS = ["conjunct", "sextile", "square", "trine", "opposite"]
KEYWORD_FILES = (["INTRO1.TXT", "INTRO2.TXT", "KEY.TXT", "GENERAL.TXT",
                  "EXAMPLE1.TXT", "EXAMPLE2.TXT", "ASPECTS.TXT"]
                 + [s[:3].upper() + ".TXT" for s in
                    ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                     "Libra", "Scorpio", "Sagittarius", "Capricorn",
                     "Aquarius", "Pisces"]]
                 + [f"{h}.TXT" for h in range(1, 13)]
                 + ["The_Sun.TXT"] + [p[:3] + ".TXT" for p in BUTTONS[1:10]])

# The scrambled form: each byte c stored as ((c + A) xor B), line ends plain.
SCRAMBLE_A, SCRAMBLE_B = -3, 17
UNSTORABLE = {0, 10, 13, 26}


def scramble(text):
    out = []
    for ch in text:
        code = (ord(ch) + SCRAMBLE_A) ^ SCRAMBLE_B
        if ord(ch) > 127 or not 0 <= code <= 255 or code in UNSTORABLE:
            raise ValueError(f"cannot scramble {ch!r} in {text!r}")
        out.append(code)
    return bytes(out)


def unscramble(data):
    return "".join(chr((b ^ SCRAMBLE_B) - SCRAMBLE_A) for b in data)


# ---------------------------------------------------------------- sources

def read_family(path):
    return {h: read_fields(b) for h, b in read_sections(path)}


def read_texts(path):
    """{heading: [paragraphs]} of whole written texts; a blank line parts
    paragraphs, and a line starting with two blanks is kept as it stands."""
    texts = {}
    for heading, body in read_sections(path):
        while body and not body[-1].strip():
            body.pop()
        texts[heading] = body
    return texts


# ---------------------------------------------------------------- writing

def upper_first(text):
    return text[0].upper() + text[1:]


class Deck:
    """Deals each pool's sentences in a fresh shuffle per round, so that a
    sentence comes back only after all the others of its pool; the seed and
    the order of the calls fix the outcome."""

    def __init__(self, seed):
        self.rng = random.Random(zlib.crc32(seed.encode()))
        self.rounds, self.last = {}, {}

    def deal(self, pool):
        key = tuple(pool)
        if not self.rounds.get(key):
            order = list(pool)
            self.rng.shuffle(order)
            # No sentence twice in a row across the turn of a round.
            if len(order) > 1 and order[-1] == self.last.get(key):
                order.insert(0, order.pop())
            self.rounds[key] = order
        self.last[key] = self.rounds[key].pop()
        return self.last[key]


def wrap(paragraph, width=WIDTH):
    return textwrap.wrap(paragraph, width, break_on_hyphens=False)


def render_lines(lines):
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def render_text(body):
    """A written text: paragraphs wrapped, lines starting with two blanks
    (lists, examples) kept, one empty line between paragraphs."""
    lines, words = [], []

    def flush():
        if words:
            lines.extend(wrap(" ".join(words)))
            words.clear()

    for line in body:
        if not line.strip():
            flush()
            if lines and lines[-1]:
                lines.append("")
        elif line.startswith("  "):
            flush()
            lines.append(line.rstrip())
        else:
            words.append(line.strip())
    flush()
    return lines + [""]


def render_sections(sections):
    """A scrambled keyed file: per section the key line, the wrapped text and
    an "*" line, each behind the five-blank prefix."""
    out = b""
    for key, paragraph in sections.items():
        lines = [key] + wrap(paragraph, SECTION_WIDTH) + ["*"]
        out += b"".join(scramble(PREFIX + line) + b"\r\n" for line in lines)
    return out


# ---------------------------------------------------------------- composite

def composite_bodies():
    bodies = read_family(CONTENT / "composite" / "bodies.txt")
    return {name: {k: v if len(v) > 1 or k in ("house", "meet", "soft", "hard")
                   else v[0] for k, v in f.items()} for name, f in bodies.items()}


def composite_pairs():
    """The report's aspect pairs as (first body, second body), in file-name
    order, and the node pairs (body, node)."""
    planets = BUTTONS[:10]
    order = ["Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
             "Neptune", "Pluto", "Moon"]
    pairs = [(b, "Ascendant") for b in order]
    pairs += [("Sun", b) for b in order[1:]]
    pairs += [("Moon", b) for b in order[1:9]]
    for k in range(1, 6):
        pairs += [(order[k], order[m]) for m in range(k + 1, 9)]
    nodes = [(b, n) for n in ("North Node", "South Node") for b in order]
    assert len(pairs) == 52 and set(sum(pairs, ())) <= set(planets) | {"Ascendant"}
    return pairs, nodes


SHORT = 40  # words; a shorter synastry text takes a sentence used before
BARE = 30  # words; a shorter composite text keeps its opener's echo


class OnceDeck:
    """Deals each pool's sentences in a shuffled order, each at most once;
    an empty pool deals None, so no sentence stands in two texts."""

    def __init__(self, seed):
        self.rng = random.Random(zlib.crc32(seed.encode()))
        self.left = {}

    def deal(self, pool, fits=lambda sentence: True):
        key = tuple(pool)
        if key not in self.left:
            order = list(pool)
            self.rng.shuffle(order)
            self.left[key] = order
        for n in range(len(self.left[key]) - 1, -1, -1):
            if fits(self.left[key][n]):
                return self.left[key].pop(n)
        return None


# Words every couple text uses; sharing one of them says nothing.
COMMON = {"relationship", "couple", "together", "partnership", "other", "others",
          "their", "there", "where", "which", "while", "about", "bond", "between",
          "composite"} | {name.lower() for name in BUTTONS}


def echoes(first, second):
    """Whether two sentences share a word of five letters or more beyond the
    common ones: a neighbour that does is likely to say the same thing."""
    words = lambda text: {w.rstrip("s") for w in re.findall(r"[a-z]{5,}", text.lower())
                          if w not in COMMON}
    return bool(words(first) & words(second))


def pair_sentence(pairs, a, b, field):
    pair = pairs.get(frozenset((a, b)), {})
    if field not in pair:
        raise ValueError(f"pairs.txt: no {field} sentence for {a} and {b}")
    return pair[field][0]


def aspect_paragraph(openers, once, a, b, aspect, own):
    """An opener naming both bodies, the pair's own sentence for this aspect,
    then, while they last, one body sentence in the aspect's tone and a
    closer, none of them in any other text of the file family."""
    tone = aspect["tone"][0]
    slots = {"a": a["ref"], "b": b["ref"], "ra": a["role"], "rb": b["role"]}
    opener = openers.deal(aspect["open"]).format(**slots)
    full = opener
    if echoes(opener, own):
        opener = openers.deal(aspect["plain"]).format(**slots)
    parts = [upper_first(opener), own]
    for body in (a, b) if once.rng.random() < 0.5 else (b, a):
        extra = once.deal(body.get(tone, []), lambda s: not echoes(own, s))
        if extra:
            parts.append(extra)
            break
    parts.append(once.deal(aspect["close"], lambda s: not echoes(parts[-1], s)))
    if len(" ".join(p for p in parts if p).split()) < BARE:
        parts[0] = upper_first(full)  # an echo reads better than a bare line
    return " ".join(p for p in parts if p)


def house_core(deck, body, house, opposite, opens):
    """The opener naming the body and its house's axis, and the body's
    sentence, dealt again while the sentence echoes the opener."""
    for _ in range(len(opens) * len(body["house"])):
        core = [upper_first(deck.deal(opens).format(ref=body["ref"], role=body["role"],
                                                    word=house["word"][0].lower(),
                                                    opposite=opposite["word"][0].lower())),
                deck.deal(body["house"]).format(area=deck.deal(house["area"]))]
        if not echoes(*core):
            break
    return core


def house_notes(houses, cores):
    """{(body, house): note}: each of a house's notes goes to one body, the
    bodies taking turns from house to house, and never to a body whose own
    sentence it would echo; so no note stands in two texts."""
    notes = {}
    for h in range(1, 13):
        pool = list(houses[str(h)]["note"])
        random.Random(h).shuffle(pool)
        turn = BUTTONS[(h * 3) % 10:10] + BUTTONS[:(h * 3) % 10]
        for name in turn:
            fits = [n for n in pool if not echoes(cores[(name, h)][-1], n)]
            if fits:
                notes[(name, h)] = fits[0]
                pool.remove(fits[0])
    return notes


def build_composite():
    bodies = composite_bodies()
    houses = read_family(CONTENT / "composite" / "houses.txt")
    opens = houses.pop("open")["open"]
    aspects = read_family(CONTENT / "composite" / "aspects.txt")
    files = {}
    c_houses = {}
    houses_deck, report_deck = Deck("composite houses"), Deck("composite aspects")
    browser_deck = Deck("composite meanings")
    cores = {(name, h): house_core(houses_deck, bodies[name], houses[str(h)],
                                   houses[str((h + 5) % 12 + 1)], opens)
             for name in BUTTONS[:10] for h in range(1, 13)}
    notes = house_notes(houses, cores)
    for name in BUTTONS[:10]:
        body = bodies[name]
        for h in range(1, 13):
            house = houses[str(h)]
            note = notes.get((name, h))
            paragraph = " ".join(cores[(name, h)] + ([note] if note else []))
            # A turned body's text stands in the report for the opposite
            # house too: neither heading nor opener places the body.
            heading = f"Composite {name} and the {house['word'][0]} House"
            files[f"COMPOSIT/HOUSE/{body['file']}.{h}"] = render_lines(
                [heading, ""] + wrap(paragraph) + [""])
            c_houses[f"{name} in {HOUSE_BUTTONS[h - 1]} house"] = paragraph
    own = {}
    for heading, f in read_family(CONTENT / "composite" / "pairs.txt").items():
        # Two body names, either of which may hold a blank ("North Node").
        halves = [(heading[:n], heading[n + 1:]) for n, c in enumerate(heading)
                  if c == " " and heading[:n] in bodies and heading[n + 1:] in bodies]
        if len(halves) != 1:
            raise ValueError(f"pairs.txt: {heading!r} does not name two bodies")
        own[frozenset(halves[0])] = f
    pairs, nodes = composite_pairs()
    fields = dict(zip(COMPOSITE_EXTS, ["cnj", "sxt", "sqr", "tri", "opp"]))
    # The node conjunctions first: their bodies' sentences are dealt before
    # the planet pairs use them up.
    once = OnceDeck("composite aspects")
    for ext, a, b in [("CNJ", a, b) for a, b in nodes] + \
            [(e, a, b) for e in COMPOSITE_EXTS for a, b in pairs]:
        name = bodies[a]["abbr"] + bodies[b]["abbr"] + "." + ext
        paragraph = aspect_paragraph(report_deck, once, bodies[a], bodies[b], aspects[ext],
                                     pair_sentence(own, a, b, fields[ext]))
        heading = f"Composite {a} {aspects[ext]['word'][0]} {b}"
        files[f"COMPOSIT/ASPECT/{name}"] = render_lines([heading, ""] + wrap(paragraph) + [""])
    c_asps = {}
    once = OnceDeck("composite meanings")
    word_fields = dict(zip(COMPOSITE_WORDS, ["cnj", "tri", "sqr"]))
    for i, a in enumerate(BUTTONS):
        for b in BUTTONS[i + 1:]:
            for word in COMPOSITE_WORDS:
                c_asps[f"{a} {word} {b}"] = aspect_paragraph(
                    browser_deck, once, bodies[a], bodies[b], aspects[word],
                    pair_sentence(own, a, b, word_fields[word]))
    files["C_HOUSES.BIN"] = render_sections(c_houses)
    files["C_ASPS.BIN"] = render_sections(c_asps)
    return files


# ---------------------------------------------------------------- synastry

def synastry_pairs():
    """(first, second) body pairs in file-name order that the report and the
    browser can look up: same bodies included, two outer planets not."""
    order = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
             "Uranus", "Neptune", "Pluto", "Ascendant"]
    return [(a, b) for i, a in enumerate(order) for b in order[i:]
            if not (a in OUTER and b in OUTER)]


def synastry_paragraph(deck, once, a, b, bodies, aspect, own):
    """An opener naming both bodies (or the body both charts hold), the
    pair's own sentence for this aspect, then, while they last, one body
    sentence in the aspect's tone and a closer, each in one text only."""
    tone = aspect["tone"][0]
    own = own.format(a=a, b=b)
    if a == b:
        pair = bodies[a]["pair"][0]
        for _ in aspect["same"]:
            opener = deck.deal(aspect["same"]).format(p=pair, P=upper_first(pair))
            if not echoes(opener, own):
                break
        parts = [opener, own]
        both = [s.split(": ", 1)[1] for s in bodies[a]["both"] if s.startswith(tone + ":")]
        parts.append(once.deal(both, lambda s: not echoes(own, s)))
    else:
        # An opener whose gifts the pair's sentence does not repeat, if any.
        for _ in range(len(aspect["open"]) * 4):
            ga, gb = deck.deal(bodies[a]["gift"]), deck.deal(bodies[b]["gift"])
            opener = deck.deal(aspect["open"]).format(a=a, b=b, ga=ga, gb=gb)
            if not echoes(opener, own):
                break
        parts = [opener, own]
        turns = ((a, b), (b, a)) if once.rng.random() < 0.5 else ((b, a), (a, b))
        for me, you in turns:
            extra = once.deal(bodies[me][tone],
                              lambda s: not echoes(own, s.format(me=me, you=you)))
            if extra:
                parts.append(extra.format(me=me, you=you))
                break
        else:
            # Both bodies' sentences used up: a short text takes one again.
            if len(" ".join(parts).split()) < SHORT:
                tries = [(me, you) for me, you in turns for _ in bodies[me][tone]]
                for me, you in tries:
                    extra = deck.deal(bodies[me][tone]).format(me=me, you=you)
                    if not echoes(own, extra):
                        break
                parts.append(extra)
    last = [p for p in parts if p][-1]
    parts.append(once.deal(aspect["close"], lambda s: not echoes(last, s)))
    return " ".join(p for p in parts if p)


def build_synastry():
    bodies = read_family(CONTENT / "synastry" / "bodies.txt")
    aspects = read_family(CONTENT / "synastry" / "aspects.txt")
    own = {tuple(h.split(" ")): f
           for h, f in read_family(CONTENT / "synastry" / "pairs.txt").items()}
    files = {}
    s_asps = {}
    deck, once = Deck("synastry"), OnceDeck("synastry sentences")
    # Aspect by aspect, for the same reason as the composite aspects.
    for word, a, b in [(w, a, b) for w in SYNASTRY_WORDS for a, b in synastry_pairs()]:
        aspect = aspects[word]
        field = aspect["ext"][0].lower()
        if (a, b) not in own or field not in own[(a, b)]:
            raise ValueError(f"synastry/pairs.txt: no {field} sentence for {a} {b}")
        paragraph = synastry_paragraph(deck, once, a, b, bodies, aspect, own[(a, b)][field][0])
        s_asps[f"{a} {word} {b}"] = paragraph
        name = bodies[a]["abbr"][0] + bodies[b]["abbr"][0] + "." + aspect["ext"][0]
        # The closing empty line parts this text from the next heading.
        files[f"SYNASTRY/{name}"] = b"".join(
            scramble(line) + b"\r\n" for line in wrap(paragraph) + [""])
    s_asps = {f"{a} {w} {b}": s_asps[f"{a} {w} {b}"]
              for a, b in synastry_pairs() for w in SYNASTRY_WORDS}
    files["S_ASPS.BIN"] = render_sections(s_asps)
    return files


# ---------------------------------------------------------------- keywords

def build_keywords():
    files = {}
    for path in sorted((CONTENT / "keywords").glob("*.txt")):
        for name, text in read_texts(path).items():
            files[name] = render_lines(render_text(text))
    return files


def build():
    files = {}
    files.update(build_composite())
    files.update(build_synastry())
    files.update(build_keywords())
    return files


# ---------------------------------------------------------------- checks

def scrambled_sections(data):
    """{key: text} of a scrambled keyed file, read as the section lister
    reads it (key after the five-character prefix, "*" or "[]" ends)."""
    sections, key = {}, None
    for raw in data.split(b"\r\n"):
        line = unscramble(raw)
        if key is None:
            if len(line) >= 5 and line[5:] not in sections:
                key, sections[line[5:]] = line[5:], []
            continue
        if len(line) >= 5 and line[5:] in ("*", "[]"):
            key = None
        else:
            sections[key].append(line[5:])
    return {k: " ".join(v) for k, v in sections.items()}


def composite_report_files():
    """Every file the composite report can read, by its own rules."""
    names = [f"COMPOSIT/{n}" for n in ("COMPOPEN", "PLHOUSE", "PLASPECT", "CLOSING")]
    abbr = {1: "SUN", 2: "MER", 3: "VEN", 4: "MAR", 5: "JUP", 6: "SAT", 7: "URA",
            8: "NEP", 9: "PLU", 10: "MOO", 11: "NN", 12: "SN", 14: "ASC"}
    house_names = ["SUN", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN",
                   "URANUS", "NEPTUNE", "PLUTO", "MOON"]
    names += [f"COMPOSIT/HOUSE/{n}.{h}" for n in house_names for h in range(1, 13)]
    pairs = [(i, 14) for i in range(1, 11)] + [(1, i) for i in range(2, 11)]
    pairs += [(10, i) for i in range(2, 10)]
    pairs += [(k, m) for k in range(2, 7) for m in range(k + 1, 10)]
    names += [f"COMPOSIT/ASPECT/{abbr[p]}{abbr[q]}.{e}" for p, q in pairs
              for e in COMPOSITE_EXTS]
    names += [f"COMPOSIT/ASPECT/{abbr[i]}{abbr[n]}.CNJ" for n in (11, 12)
              for i in range(1, 11)]
    return names


def synastry_report_files():
    """Every aspect file the synastry report can read, by its own rules."""
    order = [1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 14]
    abbr = {n: BY_POINT[n][:3].upper() for n in order}
    pairs = [(14, b) for b in range(1, 11)] + [(a, 14) for a in range(1, 11)]
    pairs += [(14, 14)] + [(1, b) for b in range(1, 11)] + [(10, b) for b in range(1, 11)]
    pairs += [(a, b) for a in range(2, 10) for b in range(1, 11)
              if not (7 <= a <= 9 and 7 <= b <= 9)]
    names = set()
    for a, b in pairs:
        first, second = sorted((a, b), key=order.index)
        for e in COMPOSITE_EXTS:
            names.add(f"SYNASTRY/{abbr[first]}{abbr[second]}.{e}")
    return sorted(names), pairs


def check_neighbours():
    """Few neighbouring sentences in the couple texts share a telling word,
    the mark of two sentences saying the same thing."""
    texts = {"C_ASPS.BIN": list(scrambled_sections((DATA / "C_ASPS.BIN").read_bytes()).values()),
             "S_ASPS.BIN": list(scrambled_sections((DATA / "S_ASPS.BIN").read_bytes()).values()),
             "COMPOSIT/HOUSE": [" ".join(p.read_text("ascii").split("\n")[2:])
                                for p in (DATA / "COMPOSIT" / "HOUSE").iterdir()]}
    problems = []
    for family, paragraphs in texts.items():
        pairs = [(x, y) for t in paragraphs
                 for x, y in zip(*(lambda s: (s, s[1:]))(re.split(r"(?<=\.) (?=[A-Z])", t)))]
        echoed = [y for x, y in pairs if echoes(x, y)]
        if len(echoed) > 0.03 * len(pairs):
            problems.append(f"{family}: {len(echoed)} of {len(pairs)} sentences echo the "
                            f"one before, as {echoed[0]!r}")
    return problems


def check_keyword_phrasing():
    """The keyword course ends each sign, planet and house with the same
    words for its sentence example, so one part reads alike in every file."""
    problems = []
    signs, houses = KEYWORD_FILES[7:19], KEYWORD_FILES[19:31]
    planets = KEYWORD_FILES[31:]
    for names, pattern in ((signs, r"In a sentence, [A-Z][a-z]+ makes the planet "),
                           (planets, r"In a sentence it supplies \""),
                           (houses, r"In a sentence, use \"")):
        for name in names:
            text = " ".join((DATA / name).read_text("ascii").split())
            found = re.findall(r"In a [^,\"]*", text)
            if not re.search(pattern, text) or len(found) != 1:
                problems.append(f"{name}: its sentence example is not phrased "
                                f"as {pattern!r}")
    return problems


def check_synastry_names(name, text, a, b):
    """A synastry text names only its own two bodies, as whole words, and a
    same-body text names no one; nothing holds the hyphen the report's name
    replacement starts after."""
    problems = []
    if "-" in text:
        problems.append(f"{name}: holds a hyphen")
    for body in BUTTONS:
        for m in re.finditer(body, text):
            whole = re.match(r"\w", text[m.end():m.end() + 1] or " ") is None and \
                (m.start() == 0 or not text[m.start() - 1].isalpha())
            if not whole or body not in (a, b) or a == b:
                problems.append(f"{name}: {body!r} at {m.start()} would be misread")
    return problems


def plain_text(name, data):
    """A shipped file's text; a synastry aspect file is read unscrambled."""
    if re.match(r"SYNASTRY/\w{6}\.", name):
        return "\n".join(unscramble(line) for line in data.split(b"\r\n"))
    return data.decode("ascii")


def check(files, codec):
    problems = []
    for name, data in files.items():
        shipped = DATA / name
        if not shipped.exists() or shipped.read_bytes() != data:
            problems.append(f"{name}: not up to date; run tools/make_relationship_texts.py")
    found = 0
    # Whole files the reports and the keyword window open.
    synastry_files, _ = synastry_report_files()
    docs = [f"SYNASTRY/DOCS/{n}" for n in ("INTRO", "RISING", "ASPECT", "CLOSING")]
    for name in composite_report_files() + synastry_files + docs + KEYWORD_FILES:
        path = DATA / name
        text = plain_text(name, path.read_bytes()) if path.exists() else ""
        if len(text.split()) < 25:
            problems.append(f"{name}: missing or too short")
        elif "TODO" in text or "{" in text:
            problems.append(f"{name}: a placeholder")
        else:
            found += 1
    # Keyed sections the browsers look up.
    keys = {"C_HOUSES.BIN": [f"{p} in {h} house" for p in BUTTONS[:10]
                             for h in HOUSE_BUTTONS],
            "C_ASPS.BIN": [f"{BUTTONS[l]} {w} {BUTTONS[r]}" for l in range(11)
                           for r in range(l + 1, 11) for w in COMPOSITE_WORDS],
            "S_ASPS.BIN": [f"{BUTTONS[l]} {w} {BUTTONS[r]}" for l in range(11)
                           for r in range(l, 11) for w in SYNASTRY_WORDS
                           if not {BUTTONS[l], BUTTONS[r]} <= OUTER]}
    for name, wanted in keys.items():
        path = DATA / name
        sections = scrambled_sections(path.read_bytes()) if path.exists() else {}
        for key in wanted:
            if len(sections.get(key, "").split()) < 25:
                problems.append(f"{name}: no section under {key!r}")
            else:
                found += 1
    # No two texts of a family alike.
    families = {
        "composite houses": [f for f in files if f.startswith("COMPOSIT/HOUSE/")],
        "composite aspects": [f for f in files if f.startswith("COMPOSIT/ASPECT/")],
        "synastry": [f for f in files if re.match(r"SYNASTRY/\w{6}\.", f)],
        "keywords": KEYWORD_FILES,
    }
    for family, names in families.items():
        seen = {}
        for name in names:
            body = (DATA / name).read_bytes().split(b"\r\n", 1)[-1] \
                if family.startswith("composite") else (DATA / name).read_bytes()
            if body in seen:
                problems.append(f"{family}: {name} repeats {seen[body]}")
            seen[body] = name
    problems += check_keyword_phrasing()
    problems += check_neighbours()
    for name in keys:
        texts = list(scrambled_sections((DATA / name).read_bytes()).values())
        if len(set(texts)) != len(texts):
            problems.append(f"{name}: two sections alike")
    # The synastry texts as the report's name replacement reads them.
    plain = scrambled_sections((DATA / "S_ASPS.BIN").read_bytes())
    for key, text in plain.items():
        a, word, b = re.match(r"(\w+) (\w+) (\w+)$", key).groups()
        problems += check_synastry_names(key, text, a, b)
    problems += round_trip(codec)
    return problems, found


def round_trip(tool):
    """The program's own codec tool, when built, scrambles the plain text of
    the scrambled files to the very bytes shipped, and reads them back."""
    if not tool.exists():
        print(f"{tool} not built: the scrambled files were not read back")
        return []
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        for name in ("S_ASPS.BIN", "C_ASPS.BIN", "C_HOUSES.BIN", "SYNASTRY/SUNMOO.CNJ"):
            shipped = (DATA / name).read_bytes()
            plain = "".join(unscramble(line) + "\r\n"
                            for line in shipped.split(b"\r\n")[:-1])
            source, scrambled, back = (Path(tmp) / n for n in ("p", "s", "b"))
            source.write_bytes(plain.encode("ascii"))
            subprocess.run([str(tool), "encode", str(source), str(scrambled)], check=True)
            subprocess.run([str(tool), "decode", str(DATA / name), str(back)], check=True)
            if scrambled.read_bytes() != shipped or back.read_bytes() != source.read_bytes():
                problems.append(f"{name}: the program's codec reads it differently")
    return problems


def main():
    files = build()
    args = sys.argv[1:]
    if args[:1] == ["--check"]:
        codec = Path(args[2]) if args[1:2] == ["--codec"] else ROOT / "build" / "scramble_text"
        problems, found = check(files, codec)
        for problem in problems:
            print(problem)
        print(f"{found} relationship and keyword texts found, {len(problems)} problems")
        return 1 if problems else 0
    for name, data in files.items():
        path = DATA / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    print(f"wrote {len(files)} files to {DATA}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
