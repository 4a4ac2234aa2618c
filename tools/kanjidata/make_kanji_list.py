#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds data/kanji/kanji.txt from Debian's kanjidic (run once; the result is committed).

Usage: make_kanji_list.py [/usr/share/edict/kanjidic] > data/kanji/kanji.txt
Left-out kanji are printed to stderr for the notes file.
"""
import sys

SLOTS = {1: 80, 2: 160, 3: 200, 4: 200, 5: 185, 6: 181}
NO_FREQ = 10**9  # a missing F field counts as least frequent


def read_kanjidic(path):
    entries = []
    with open(path, encoding="euc_jp", errors="strict") as f:
        for order, line in enumerate(f):
            if line.startswith("#"):
                continue
            fields = line.split()
            kanji = fields[0]
            grade = strokes = None
            freq = 0
            for fld in fields[2:]:
                if fld.startswith("{"):
                    break
                if fld[0] == "G" and fld[1:].isdigit():
                    grade = int(fld[1:])
                elif fld[0] == "S" and fld[1:].isdigit() and strokes is None:
                    strokes = int(fld[1:])  # the first S is the real count
                elif fld[0] == "F" and fld[1:].isdigit():
                    freq = int(fld[1:])
            if grade is not None and 1 <= grade <= 6:
                entries.append((kanji, strokes, grade, freq, order))
    return entries


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/edict/kanjidic"
    entries = read_kanjidic(path)
    number = 0
    for year in range(1, 7):
        year_list = [e for e in entries if e[2] == year]
        # least frequent first; among equals the later file position goes first
        by_rarity = sorted(year_list, key=lambda e: (-(e[3] or NO_FREQ), -e[4]))
        drop = by_rarity[:len(year_list) - SLOTS[year]]
        for e in drop:
            print(f"left out: year {year} {e[0]} strokes {e[1]} "
                  f"freq {e[3] or 'none'}", file=sys.stderr)
        kept = [e for e in year_list if e not in drop]
        kept.sort(key=lambda e: (e[1], e[3] or NO_FREQ, e[4]))
        for kanji, strokes, grade, freq, _ in kept:
            number += 1
            print(f"{number} {kanji} {strokes} {grade} {freq}")


main()
