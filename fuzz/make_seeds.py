#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes small, well-formed seed inputs for every fuzz target into fuzz/corpus/<target>/.

Run with the built program directory as argument to also copy a few small real files
(data, help, metafiles, MIDI) as seeds: fuzz/make_seeds.py build/program
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def sjis(text, size):
    b = text.encode("cp932")
    return b + b"\0" * (size - len(b))


# Kanji.dat: number, two Shift-JIS bytes, strokes, four extra words.
def kanji_rec(n, ch, strokes):
    return struct.pack("<h2sh4h", n, ch.encode("cp932"), strokes, 0, 0, 0, 0)


# Mondai2.dat: key, first record (from 1), count.
def idx_rec(key, start, count):
    return struct.pack("<3h", key, start, count)


# Mondai1.dat: key, position, three parts of 20 bytes.
def mondai_rec(key, pos, a, b, c):
    return struct.pack("<hh", key, pos) + sjis(a, 20) + sjis(b, 20) + sjis(c, 20)


def name_field(text):
    b = text.encode("cp932")
    return bytes([len(b)]) + b + b"\0" * (20 - len(b))


def player_rec(no, name, gakunen, levels):
    r = struct.pack("<h", no) + name_field(name) + b"\0" + struct.pack("<hh", gakunen, 0)
    lv = (levels + [1] * 10)[:10]
    r += struct.pack("<10h", *lv) + struct.pack("<10h", *([0] * 10))
    r += struct.pack("<10i", *([1200, 0, 340] + [0] * 7))
    return r


def kiroku_rec(game, rank, name, gakunen, score, days):
    return (struct.pack("<hh", game, rank) + name_field(name) + b"\0" +
            struct.pack("<hid", gakunen, score, days))


# Tegaki.model (zinnia): size key, version, count; per character a 16-byte name, a float bias
# and (index, value) feature nodes ended by index -1.
def zinnia_model(chars):
    body = struct.pack("<I", len(chars))
    for name, bias, nodes in chars:
        body += name.encode("utf-8").ljust(16, b"\0") + struct.pack("<f", bias)
        for index, value in nodes + [(-1, 0.0)]:
            body += struct.pack("<if", index, value)
    size = 8 + len(body)
    return struct.pack("<II", 0xef71821 ^ size, 1) + body


# Tegaki.dat: "MJTG", version, feature size (8 x 8 cells x 8 directions), count; per template
# the character and one byte per feature.
def templates(entries):
    out = b"MJTG" + struct.pack("<III", 1, 512, len(entries))
    for ch, features in entries:
        out += struct.pack("<I", ord(ch)) + bytes(features)
    return out


def wmf_record(func, *words):
    return struct.pack("<IH", 3 + len(words), func) + struct.pack("<%dh" % len(words), *words)


def wmf(records, placeable=True, objects=4):
    body = b"".join(records) + wmf_record(0x0000)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, objects, 16, 0)
    out = header + body
    if placeable:
        p = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 100, 80, 1440, 0)
        check = 0
        for (w,) in struct.iter_unpack("<H", p[:20]):
            check ^= w
        out = p + struct.pack("<H", check) + out
    return out


def wmf_raw(func, body):
    if len(body) % 2:
        body += b"\0"
    return struct.pack("<IH", 3 + len(body) // 2, func) + body


def dib(width, height, bits=24, compression=0, pixels=None):
    stride = ((width * bits + 31) // 32) * 4
    colors = 2 if bits == 1 else (16 if bits == 4 else (256 if bits == 8 else 0))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, 0, 0, 0,
                         colors, 0)
    table = b"".join(struct.pack("<I", (i * 0x10305) & 0xFFFFFF) for i in range(colors))
    if pixels is None:
        pixels = bytes((i * 37) & 0xFF for i in range(stride * abs(height)))
    return header + table + pixels


def stretch_dib(x, y, w, h, bitmap):
    # rop, usage, source size and origin, destination size and origin, then the bitmap
    return wmf_raw(0x0F43, struct.pack("<11h", 0x0020, 0x00CC, 0, abs(h), w, 0, 0, h, w, y, x) +
                   bitmap)


def dib_bitblt(x, y, w, h, bitmap):
    return wmf_raw(0x0940, struct.pack("<8h", 0x0020, 0x00CC, 0, 0, h, w, y, x) + bitmap)


def font(height, weight, italic, face, charset=128, escapement=0):
    name = face.encode("cp932")[:31]
    return wmf_raw(0x02FB, struct.pack("<5h", height, 0, escapement, 0, weight) +
                   bytes([italic, 0, 0, charset, 0, 0, 0, 0]) + name + b"\0")


def text_out(x, y, text):
    raw = text.encode("cp932")
    padded = raw + (b"\0" if len(raw) % 2 else b"")
    return wmf_raw(0x0521, struct.pack("<h", len(raw)) + padded + struct.pack("<hh", y, x))


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def avi(width, height, frames, rate=10, bits=24, compression=0):
    """An AVI of one video stream: raw DIB frames (24, 16 or 8 bits with a palette) or RLE8."""
    stride = ((width * bits + 31) // 32) * 4
    palette = b""
    if bits == 8:
        palette = b"".join(struct.pack("<4B", (i * 7) & 0xFF, (i * 3) & 0xFF, i, 0)
                           for i in range(256))

    def frame(i):
        if compression == 1:  # RLE8: one run per row, then end of line; end of bitmap last
            rows = b"".join(bytes([width, (i * 16 + y) & 0xFF, 0, 0]) for y in range(height))
            return rows[:-2] + b"\x00\x01"
        return bytes(((x * 40 + i * 60) & 0xFF) for x in range(stride * height))

    sizes = [len(frame(i)) for i in range(frames)]
    avih = struct.pack("<10I4I", 1000000 // rate, 0, 0, 0x10, frames, 0, 1, max(sizes),
                       width, height, 0, 0, 0, 0)
    strh = (b"vids" + b"DIB " + struct.pack("<IHHIIIIIIII", 0, 0, 0, 0, 1, rate, 0, frames,
                                             max(sizes), 0xFFFFFFFF, 0) +
            struct.pack("<4h", 0, 0, width, height))
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression,
                       stride * height, 0, 0, 256 if bits == 8 else 0, 0) + palette
    strl = b"LIST" + struct.pack("<I", 4 + len(chunk(b"strh", strh)) + len(chunk(b"strf", strf)))
    strl += b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf)
    hdrl_body = b"hdrl" + chunk(b"avih", avih) + strl
    hdrl = b"LIST" + struct.pack("<I", len(hdrl_body)) + hdrl_body
    movi_body = b"movi"
    index = b""
    for i in range(frames):
        data = frame(i)
        index += b"00dc" + struct.pack("<III", 0x10, len(movi_body), len(data))
        movi_body += chunk(b"00dc", data)
    movi = b"LIST" + struct.pack("<I", len(movi_body)) + movi_body
    body = b"AVI " + hdrl + movi + chunk(b"idx1", index)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def midi_track(events):
    data = b"".join(events) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def midi(tracks, fmt=1):
    return b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), 96) + b"".join(tracks)


def main():
    put("kanji", "three", kanji_rec(1, "一", 1) + kanji_rec(2, "右", 5) + kanji_rec(1024, "読", 14))
    put("mondai_idx", "three", idx_rec(1, 1, 3) + idx_rec(2, 4, 2) + idx_rec(3, 6, 5))
    put("mondai", "three",
        idx_rec(1, 1, 3) + mondai_rec(1, 1, "", "一", "つ") +
        mondai_rec(1, 2, "ひと", "一", "り") + mondai_rec(1, 1, "", "一", "ばん"))
    put("mondai", "shifted", idx_rec(1, 2, 1) + mondai_rec(2, 1, "", "右", "て") +
        mondai_rec(1, 3, "だい", "一", "い"))
    put("player", "two",
        player_rec(1, "たろう", 2, [3, 1, 1, 2, 1, 1, 9]) + player_rec(2, "はなこ", 6, [10] * 7))
    put("player", "empty", b"")
    put("game", "three",
        kiroku_rec(1, 1, "たろう", 2, 1200, 46000.0) + kiroku_rec(1, 2, "はなこ", 6, 800, 46001.0) +
        kiroku_rec(0, 0, "", 0, 0, 0.0) + kiroku_rec(7, 10, "じろう", 1, 5, 45000.0))
    put("help", "two",
        "# comment\n@topic 1 はじめに\nこんにちは。\n\n== みだし\n* いち\n* に\n"
        "@topic 20 ゲーム\n<b>そのまま</b> & text\n".encode("utf-8"))
    put("wmf", "shapes", wmf([
        wmf_record(0x020B, 0, 0), wmf_record(0x020C, 80, 100),
        wmf_record(0x02FA, 0, 2, 0, 0x00FF, 0), wmf_record(0x012D, 0),
        wmf_record(0x02FC, 0, 0x7F00, 0x0020, 0), wmf_record(0x012D, 1),
        wmf_record(0x041B, 40, 60, 10, 10), wmf_record(0x0418, 70, 90, 50, 60),
        wmf_record(0x0324, 3, 10, 70, 30, 50, 50, 70),
        wmf_record(0x0325, 3, 0, 0, 50, 10, 99, 0),
        wmf_record(0x0538, 2, 3, 3, 0, 0, 10, 0, 5, 9, 20, 20, 30, 20, 25, 29),
        wmf_record(0x061C, 10, 10, 30, 90, 5, 60),
        wmf_record(0x081A, 0, 20, 20, 0, 40, 40, 0, 0),
        wmf_record(0x0817, 0, 20, 20, 0, 40, 40, 0, 0),
        wmf_record(0x0830, 0, 20, 20, 0, 40, 40, 0, 0),
        wmf_record(0x001E), wmf_record(0x0410, 1, 2, 1, 2), wmf_record(0x0127, -1),
        wmf_record(0x0214, 5, 5), wmf_record(0x0213, 75, 95),
        wmf_record(0x041F, 0x00FF, 0, 3, 3), wmf_record(0x01F0, 0),
        wmf_record(0x0102, 1), wmf_record(0x0201, 0x1234, 0x56), wmf_record(0x0106, 2),
        wmf_record(0x020F, 2, 2),
    ]))
    put("wmf", "text_and_bitmaps", wmf([
        wmf_record(0x020B, 0, 0), wmf_record(0x020C, 100, 100),
        font(-20, 700, 1, "ＭＳ ゴシック"), wmf_record(0x012D, 0),
        wmf_record(0x012E, 0x0018), text_out(10, 50, "もじまる"),
        font(16, 400, 0, "Arial", charset=0, escapement=900), wmf_record(0x012D, 1),
        wmf_record(0x012E, 0x0006), text_out(50, 90, "Abc"),
        stretch_dib(0, 0, 40, 30, dib(3, 2)),
        stretch_dib(50, 0, 20, 20, dib(4, -4, bits=8)),
        dib_bitblt(0, 60, 8, 8, dib(8, 8, bits=1)),
        stretch_dib(60, 60, 30, 30, dib(4, 4, bits=8, compression=1,
                                         pixels=b"\x04\x07\x00\x00\x04\x09\x00\x01")),
    ]))
    put("wmf", "plain", wmf([wmf_record(0x0418, 10, 10, 0, 0)], placeable=False, objects=0))
    put("avi", "tiny", avi(4, 3, 3))
    put("avi", "one_frame", avi(2, 2, 1, rate=25))
    put("avi", "pal8", avi(5, 4, 2, bits=8))
    put("avi", "rle8", avi(6, 3, 2, bits=8, compression=1))
    put("avi", "rgb555", avi(3, 2, 2, bits=16))
    put("midi", "format0", midi([midi_track([b"\x00\x90\x3c\x40", b"\x60\x80\x3c\x00"])], fmt=0))
    put("midi", "two_tracks", midi([midi_track([b"\x00\xff\x51\x03\x07\xa1\x20"]),
                                    midi_track([b"\x00\xc0\x05", b"\x00\x90\x40\x50",
                                                b"\x30\x90\x40\x00"])]))
    put("model", "two", zinnia_model([("あ", -0.01, [(1, 0.5), (7, -0.25), (40, 0.125)]),
                                      ("右", 0.02, [(0, 1.0), (3, 0.75)])]))
    put("model", "empty_lists", zinnia_model([("一", 0.0, [])]))
    put("template", "two", templates([("あ", [20] * 400 + [0] * 112),
                                      ("一", [0] * 256 + [400 // 8] * 64 + [0] * 192)]))

    if len(sys.argv) > 1:
        src = sys.argv[1]
        picks = {"kanji": ["Kanji.dat"], "mondai_idx": ["Mondai2.dat"], "help": ["Mojimaru.hlp"],
                 "wmf": ["Pop1.wmf", "Pop3.wmf", "Bang.wmf"], "midi": ["Menu1.mid"]}
        for target, names in picks.items():
            for n in names:
                p = os.path.join(src, n)
                if os.path.isfile(p) and os.path.getsize(p) <= 20 * 1024:
                    with open(p, "rb") as f:
                        put(target, "real_" + n, f.read())
        # The first sentences of the real sentence file, behind an index record for them.
        p = os.path.join(src, "Mondai1.dat")
        if os.path.isfile(p):
            with open(p, "rb") as f:
                put("mondai", "real_start", idx_rec(1, 1, 4) + f.read(64 * 6))


if __name__ == "__main__":
    main()
