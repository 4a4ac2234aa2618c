// SPDX-License-Identifier: GPL-3.0-or-later
// Arrangement styles (instruments, accompaniment, bass and drum patterns) and the files made
// from each theme: which style, key and tempo each tune uses.
#pragma once

#include <vector>

namespace Tunes {

enum class Comp { Pad, OomPah, Arp, Strum, Sync };
enum class Bass { Root, RootFifth, Walking, Octaves };
enum class Drums { None, Light, Pop, March, Shuffle, Bongo, Tambourine };

struct Style {
    int lead;      // General MIDI programs
    int second;    // harmony or doubling voice
    int comp;
    int bass;
    int pad;       // -1: none
    Comp compPattern;
    Bass bassPattern;
    Drums drums;
    bool swing;
    bool staccato;
    int leadShift;  // extra octaves for the lead
    double level;   // channel volume factor, so every style sounds about as loud as the others
};

namespace GM {
enum {
    Piano = 0, BrightPiano = 1, EPiano = 4, Harpsichord = 6, Clavinet = 7, Celesta = 8, Glockenspiel = 9,
    MusicBox = 10, Vibraphone = 11, Marimba = 12, Xylophone = 13, Accordion = 21, Harmonica = 22,
    NylonGuitar = 24, SteelGuitar = 25, CleanGuitar = 27, AcousticBass = 32, FingerBass = 33,
    SynthBass = 38, Violin = 40, Pizzicato = 45, Harp = 46, Strings = 48, SlowStrings = 49, Choir = 52,
    Trumpet = 56, Trombone = 57, Tuba = 58, MutedTrumpet = 59, Horn = 60, Brass = 61, AltoSax = 65,
    Oboe = 68, Bassoon = 70, Clarinet = 71, Piccolo = 72, Flute = 73, Recorder = 74, PanFlute = 75,
    Whistle = 78, Ocarina = 79, SquareLead = 80, Banjo = 105, Kalimba = 108, SteelDrums = 114,
};
}

const Style& style(int id);

struct Variant {
    const char* file;
    int theme;
    int style;
    int transpose;      // semitones from C
    double tempoScale;
    bool canon;         // a second voice follows the lead two bars behind
};

const std::vector<Variant>& variants();

}  // namespace Tunes
