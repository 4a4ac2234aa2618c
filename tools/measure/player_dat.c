// SPDX-License-Identifier: GPL-3.0-or-later
/* player_dat: writes a Player.dat with two players, so the program starts straight into the game
 * menu (with no players it opens the registration instead).
 *
 * One 108-byte little-endian record per player:
 *   0 No (int16), 2 name length (byte), 3 name (20 bytes, Shift-JIS), 23 padding,
 *   24 school year (int16), 26 reserved (int16), 28 Level[1..10] (int16),
 *   48 Progress[1..10] (int16), 68 Best[1..10] (int32)
 *
 * Build: cc -O2 -o player_dat player_dat.c      Usage: player_dat FILE
 */
#include <stdio.h>
#include <string.h>

enum { REC = 108, NAME = 20, GAMES = 10 };

static void put16(unsigned char* p, int v)
{
    p[0] = (unsigned char)(v & 0xff);
    p[1] = (unsigned char)((v >> 8) & 0xff);
}

static void record(unsigned char* r, int no, const char* sjis, int year)
{
    memset(r, 0, REC);
    put16(r, no);
    const size_t len = strlen(sjis);
    r[2] = (unsigned char)len;
    memcpy(r + 3, sjis, len);
    put16(r + 24, year);
    for (int g = 0; g < GAMES; ++g)
        put16(r + 28 + 2 * g, 1);  // level 1 in every game; progress and best scores stay 0
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: player_dat FILE\n");
        return 1;
    }
    /* "けいそく" and "ためし" in Shift-JIS */
    static const char keisoku[] = "\x82\xaf\x82\xa2\x82\xbb\x82\xad";
    static const char tameshi[] = "\x82\xbd\x82\xdf\x82\xb5";
    unsigned char out[2 * REC];
    record(out, 1, keisoku, 2);
    record(out + REC, 2, tameshi, 4);
    FILE* f = fopen(argv[1], "wb");
    if (!f || fwrite(out, 1, sizeof out, f) != sizeof out || fclose(f) != 0) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
