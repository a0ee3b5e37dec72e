#!/usr/bin/env python3
"""Generates data/ATLAS.DAT, the atlas's gazetteer, from the GeoNames city
database that Debian packages in libgeonames0 (read through its C interface).

Source: GeoNames (https://www.geonames.org), places of 15,000 people or more,
each with its country, first-order region and IANA time-zone name. Licence:
Creative Commons Attribution 4.0 (the package's copyright file says so for
its data/ folder); the attribution line is written into the file itself.

The file is UTF-8 text with LF line ends, in four sections:
  [fold]       character <TAB> its search form (case and accents removed),
               for every letter of the names and of the Latin ranges a user
               may type
  [countries]  two-letter code <TAB> country name
  [zones]      IANA zone name, numbered from 0 in file order
  [places]     name <TAB> region <TAB> country code <TAB> zone number
               <TAB> latitude <TAB> longitude (degrees, North and East
               positive, 4 decimals); larger places first

Rerun from the repository root (needs the Debian package libgeonames0):
    /usr/bin/python3 tools/make_gazetteer.py [--out FOLDER]
The output depends only on the package's version, so a rerun with the same
version rewrites the file byte for byte.
"""

import ctypes
import os
import subprocess
import sys
import unicodedata

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "ATLAS.DAT")

# Letters that have no decomposition into a base letter and marks.
SPECIAL_FOLDS = {
    "ß": "ss", "æ": "ae", "œ": "oe", "ø": "o", "đ": "d", "ð": "d", "þ": "th",
    "ł": "l", "ı": "i", "ħ": "h", "ŧ": "t", "ŀ": "l", "ŉ": "n", "ĸ": "k",
    "ə": "e", "ǝ": "e", "ɛ": "e", "ɔ": "o", "ƒ": "f", "ƚ": "l", "ƀ": "b",
    "ʼ": "'", "‘": "'", "’": "'", "`": "'", "–": "-", "—": "-",
}


def fold(ch):
    base = ch.lower()
    if base in SPECIAL_FOLDS:
        return SPECIAL_FOLDS[base]
    text = "".join(c for c in unicodedata.normalize("NFD", base)
                   if unicodedata.category(c) != "Mn")
    text = "".join(SPECIAL_FOLDS.get(c, c) for c in text)
    return text


def load_cities():
    lib = ctypes.CDLL("libgeonames.so.0")
    lib.geonames_get_n_cities.restype = ctypes.c_int
    lib.geonames_get_city.restype = ctypes.c_void_p
    lib.geonames_get_city.argtypes = [ctypes.c_int]
    lib.geonames_city_free.argtypes = [ctypes.c_void_p]
    getters = {}
    for field in ("name", "state", "country", "country_code", "timezone"):
        fn = getattr(lib, "geonames_city_get_" + field)
        fn.restype, fn.argtypes = ctypes.c_char_p, [ctypes.c_void_p]
        getters[field] = fn
    for field in ("latitude", "longitude"):
        fn = getattr(lib, "geonames_city_get_" + field)
        fn.restype, fn.argtypes = ctypes.c_double, [ctypes.c_void_p]
        getters[field] = fn
    population = lib.geonames_city_get_population
    population.restype, population.argtypes = ctypes.c_uint, [ctypes.c_void_p]

    cities = []
    for i in range(lib.geonames_get_n_cities()):
        city = lib.geonames_get_city(i)
        row = {f: g(city) for f, g in getters.items()}
        for f in ("name", "state", "country", "country_code", "timezone"):
            row[f] = (row[f] or b"").decode("utf-8").replace("\t", " ").strip()
        row["population"] = population(city)
        lib.geonames_city_free(city)
        if row["name"] and row["timezone"] and row["country_code"]:
            cities.append(row)
    return cities


def package_version():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libgeonames0"],
                         capture_output=True, text=True, check=True)
    return out.stdout.strip()


def main():
    # The library translates names by the locale; the file keeps its own.
    os.environ["LANGUAGE"] = "C"
    os.environ["LC_ALL"] = "C.UTF-8"
    cities = load_cities()
    cities.sort(key=lambda c: (-c["population"], c["name"], c["state"], c["country_code"],
                               c["latitude"], c["longitude"]))

    letters = set()
    for c in cities:
        letters.update(ch for ch in c["name"] + c["state"] if ord(ch) > 127)
    latin = (chr(cp) for r in ((0xC0, 0x250), (0x1E00, 0x1F00)) for cp in range(*r))
    letters.update(ch for ch in latin if unicodedata.category(ch).startswith("L"))
    folds = sorted((ch, fold(ch)) for ch in letters)

    countries = sorted({c["country_code"]: c["country"] for c in cities}.items())
    zones = sorted({c["timezone"] for c in cities})
    zone_number = {z: i for i, z in enumerate(zones)}

    lines = [
        "# Orvanta8 atlas: " + str(len(cities)) + " places from GeoNames (https://www.geonames.org),",
        "# licensed under Creative Commons Attribution 4.0, as packaged in Debian's",
        "# libgeonames0 " + package_version() + ". Made by tools/make_gazetteer.py.",
        "[fold]",
    ]
    lines += [ch + "\t" + f for ch, f in folds if f != ch]
    lines.append("[countries]")
    lines += [code + "\t" + name for code, name in countries]
    lines.append("[zones]")
    lines += zones
    lines.append("[places]")
    for c in cities:
        lines.append("\t".join([c["name"], c["state"], c["country_code"],
                                str(zone_number[c["timezone"]]),
                                "%.4f" % c["latitude"], "%.4f" % c["longitude"]]))
    out = OUT
    if sys.argv[1:2] == ["--out"]:  # tools/check_generated.py writes elsewhere
        out = os.path.join(sys.argv[2], "ATLAS.DAT")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print("wrote %s: %d places, %d countries, %d zones" %
          (os.path.normpath(out), len(cities), len(countries), len(zones)), file=sys.stderr)


if __name__ == "__main__":
    main()
