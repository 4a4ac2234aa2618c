// SPDX-License-Identifier: GPL-3.0-or-later
// The tunes' themes: melodies entered as notes with their chords, and the reader of that notation.
#pragma once

#include <QString>
#include <vector>

namespace Tunes {

// Notes: pitch with octave (C4 is middle C) or r for a rest, then "/beats" in quarter notes; a note
// without a length keeps the previous one. "|" closes a bar and is checked. Chords: one or more
// per bar, sharing the bar equally.
struct Theme {
    const char* name;
    int num;
    int den;
    double bpm;  // beats a minute: quarters, or dotted quarters in 6/8
    const char* melody;
    const char* chords;
    int melodyOctave;  // octaves to raise the entered melody for the lead
};

enum ThemeId { LightlyRow, Twinkle, Mary, Frog, Jacques, London, MacDonald, AuClair, Yankee, Saints, RowBoat, ThemeCount };

const Theme& theme(int id);

struct MNote {
    double start;
    double len;
    int pitch;  // -1: rest
};

struct Chord {
    double start;
    double len;
    int root;                // pitch class
    std::vector<int> tones;  // intervals above the root
};

// Both false with a reason when the notation does not add up.
bool parseMelody(const Theme& t, std::vector<MNote>& out, int& bars, QString& error);
bool parseChords(const Theme& t, int bars, std::vector<Chord>& out, QString& error);

}  // namespace Tunes
