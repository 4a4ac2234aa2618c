// SPDX-License-Identifier: GPL-3.0-or-later
#include "TuneStyles.h"

#include "TuneThemes.h"

namespace Tunes {

namespace {

// The level factors come from rendering each style with the General MIDI soundfont and
// measuring its loudness, so that switching variants never jumps in volume.
const Style Styles[] = {
    /*0 piano trio*/ {GM::BrightPiano, GM::Glockenspiel, GM::Piano, GM::AcousticBass, -1, Comp::OomPah, Bass::RootFifth, Drums::Light, false, false, 0, 1.12},
    /*1 marimba*/ {GM::Marimba, GM::Xylophone, GM::Pizzicato, GM::FingerBass, -1, Comp::Arp, Bass::RootFifth, Drums::Bongo, false, true, 0, 1.15},
    /*2 flute*/ {GM::Flute, GM::Clarinet, GM::Harp, GM::AcousticBass, GM::Strings, Comp::Arp, Bass::Root, Drums::None, false, false, 0, 0.77},
    /*3 brass*/ {GM::Trumpet, GM::Horn, GM::Brass, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, false, 0, 0.85},
    /*4 music box*/ {GM::MusicBox, GM::Celesta, GM::Vibraphone, GM::AcousticBass, GM::SlowStrings, Comp::Arp, Bass::Root, Drums::Tambourine, false, false, 1, 0.99},
    /*5 band*/ {GM::Clarinet, GM::Flute, GM::Accordion, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, false, 0, 0.88},
    /*6 pop*/ {GM::SquareLead, GM::Vibraphone, GM::EPiano, GM::FingerBass, -1, Comp::Sync, Bass::Octaves, Drums::Pop, false, true, 0, 0.8},
    /*7 country*/ {GM::Banjo, GM::Violin, GM::SteelGuitar, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0, 1.01},
    /*8 xylophone*/ {GM::Xylophone, GM::Marimba, GM::Vibraphone, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Bongo, false, true, 0, 1.07},
    /*9 whistle*/ {GM::Ocarina, GM::Recorder, GM::NylonGuitar, GM::AcousticBass, -1, Comp::Arp, Bass::RootFifth, Drums::Light, false, false, 0, 0.72},
    /*10 harmonica*/ {GM::Harmonica, GM::Accordion, GM::NylonGuitar, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0, 0.86},
    /*11 steel drums*/ {GM::SteelDrums, GM::Marimba, GM::CleanGuitar, GM::SynthBass, -1, Comp::Sync, Bass::Octaves, Drums::Bongo, false, true, 0, 1.02},
    /*12 strings*/ {GM::Violin, GM::Oboe, GM::Pizzicato, GM::AcousticBass, GM::SlowStrings, Comp::OomPah, Bass::RootFifth, Drums::None, false, false, 0, 0.78},
    /*13 kalimba*/ {GM::Kalimba, GM::Glockenspiel, GM::Harp, GM::FingerBass, GM::Choir, Comp::Arp, Bass::Root, Drums::Tambourine, false, true, 0, 1.08},
    /*14 saxophone*/ {GM::AltoSax, GM::Trombone, GM::Piano, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0, 0.77},
    /*15 piccolo march*/ {GM::Piccolo, GM::Trumpet, GM::Brass, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, true, 0, 0.86},
};

const std::vector<Variant> Variants = {
    {"Menu1.mid", LightlyRow, 0, 2, 1.0, false},
    {"Menu2.mid", Twinkle, 4, 5, 1.0, false},
    {"Menu3.mid", Mary, 9, 0, 1.0, false},
    {"Menu4.mid", Frog, 1, 7, 1.0, true},

    {"Game11.mid", Jacques, 0, 0, 1.0, true},
    {"Game12.mid", Jacques, 2, 5, 0.92, true},
    {"Game13.mid", Jacques, 8, 2, 1.08, true},
    {"Game14.mid", Jacques, 6, 7, 1.18, true},

    {"Game21.mid", London, 9, 0, 1.0, false},
    {"Game22.mid", London, 12, 3, 0.95, false},
    {"Game23.mid", London, 1, 5, 1.08, false},
    {"Game24.mid", London, 15, 7, 1.18, false},

    {"Game31.mid", MacDonald, 7, 0, 1.0, false},
    {"Game32.mid", MacDonald, 8, 5, 1.06, false},
    {"Game33.mid", MacDonald, 10, 2, 1.12, false},
    {"Game34.mid", MacDonald, 6, 7, 1.2, false},

    {"Game41.mid", AuClair, 2, 0, 1.0, false},
    {"Game42.mid", AuClair, 13, 5, 1.0, false},
    {"Game43.mid", AuClair, 0, 2, 1.1, false},
    {"Game44.mid", AuClair, 12, 7, 1.15, false},

    {"Game51.mid", Yankee, 5, 0, 1.0, false},
    {"Game52.mid", Yankee, 3, 5, 1.05, false},
    {"Game53.mid", Yankee, 11, 2, 1.1, false},
    {"Game54.mid", Yankee, 15, 7, 1.18, false},

    {"Game61.mid", Saints, 14, 0, 1.0, false},
    {"Game62.mid", Saints, 1, 5, 1.05, false},
    {"Game63.mid", Saints, 3, 3, 1.1, false},
    {"Game64.mid", Saints, 6, 7, 1.18, false},

    {"Game71.mid", RowBoat, 9, 0, 1.0, true},
    {"Game72.mid", RowBoat, 4, 5, 1.0, true},
    {"Game73.mid", RowBoat, 11, 2, 1.1, true},
    {"Game74.mid", RowBoat, 0, 7, 1.2, true},
};

}  // namespace

const Style& style(int id) { return Styles[id]; }
const std::vector<Variant>& variants() { return Variants; }

}  // namespace Tunes
