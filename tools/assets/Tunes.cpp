#include "Tunes.h"

#include "SmfReader.h"
#include "SmfWriter.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// ---------------------------------------------------------------- themes

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

// Traditional and public-domain children's tunes.
const Theme Themes[] = {
    {"Lightly Row", 4, 4, 112,
     "G4/1 E4 E4/2 | F4/1 D4 D4/2 | C4/1 D4 E4 F4 | G4 G4 G4/2 |"
     "G4/1 E4 E4/2 | F4/1 D4 D4/2 | C4/1 E4 G4 G4 | E4 E4 E4/2 |"
     "D4/1 D4 D4 D4 | D4 E4 F4/2 | E4/1 E4 E4 E4 | E4 F4 G4/2 |"
     "G4/1 E4 E4/2 | F4/1 D4 D4/2 | C4/1 E4 G4 G4 | C4/4 |",
     "C | G7 | C | C | C | G7 | C | C | G7 | G7 | C | C | C | G7 | C G7 | C", 1},
    {"Twinkle Twinkle", 4, 4, 100,
     "C4/1 C4 G4 G4 | A4 A4 G4/2 | F4/1 F4 E4 E4 | D4 D4 C4/2 |"
     "G4/1 G4 F4 F4 | E4 E4 D4/2 | G4/1 G4 F4 F4 | E4 E4 D4/2 |"
     "C4/1 C4 G4 G4 | A4 A4 G4/2 | F4/1 F4 E4 E4 | D4 D4 C4/2 |",
     "C | F C | F C | G7 C | C F | C G | C F | C G | C | F C | F C | G7 C", 1},
    {"Mary Had a Little Lamb", 4, 4, 116,
     "E4/1 D4 C4 D4 | E4 E4 E4/2 | D4/1 D4 D4/2 | E4/1 G4 G4/2 |"
     "E4/1 D4 C4 D4 | E4 E4 E4 E4 | D4 D4 E4 D4 | C4/4 |",
     "C | C | G | C | C | C | G7 | C", 1},
    {"Frog Song", 4, 4, 108,
     "C4/1 D4 E4 F4 | E4 D4 C4/2 | E4/1 F4 G4 A4 | G4 F4 E4/2 |"
     "C4/1 r C4 r | C4 r C4 r | C4/.5 C4 D4 D4 E4 E4 F4 F4 | E4/1 D4 C4/2 |",
     "C | C | C | C | C | C | C | C G7 C C", 1},
    {"Frere Jacques", 4, 4, 120,
     "C4/1 D4 E4 C4 | C4 D4 E4 C4 | E4 F4 G4/2 | E4/1 F4 G4/2 |"
     "G4/.5 A4 G4 F4 E4/1 C4 | G4/.5 A4 G4 F4 E4/1 C4 | C4 G3 C4/2 | C4/1 G3 C4/2 |",
     "C | C | C | C | C | C | C G7 C C | C G7 C C", 1},
    {"London Bridge", 4, 4, 112,
     "G4/1.5 A4/.5 G4/1 F4 | E4 F4 G4/2 | D4/1 E4 F4/2 | E4/1 F4 G4/2 |"
     "G4/1.5 A4/.5 G4/1 F4 | E4 F4 G4/2 | D4/2 G4/2 | E4/1 C4/3 |",
     "C | C | G7 | C | C | C | G7 | C", 1},
    {"Old MacDonald", 4, 4, 120,
     "C5/1 C5 C5 G4 | A4 A4 G4/2 | E5/1 E5 D5 D5 | C5/3 G4/1 |"
     "C5/1 C5 C5 G4 | A4 A4 G4/2 | E5/1 E5 D5 D5 | C5/3 G4/.5 G4 |"
     "C5/1 C5 C5 G4/.5 G4 | C5/1 C5 C5/2 | C5/.5 C5 C5/1 C5/.5 C5 C5/1 | C5/.5 C5 C5 C5 C5/1 C5 |"
     "C5/1 C5 C5 G4 | A4 A4 G4/2 | E5/1 E5 D5 D5 | C5/4 |",
     "C | F C | C G7 | C | C | F C | C G7 | C | C | C | C | C | C | F C | C G7 | C", 0},
    {"Au Clair de la Lune", 4, 4, 96,
     "C4/1 C4 C4 D4 | E4/2 D4/2 | C4/1 E4 D4 D4 | C4/4 |"
     "C4/1 C4 C4 D4 | E4/2 D4/2 | C4/1 E4 D4 D4 | C4/4 |"
     "D4/1 D4 D4 D4 | A3/2 A3/2 | D4/1 C4 B3 A3 | G3/4 |"
     "C4/1 C4 C4 D4 | E4/2 D4/2 | C4/1 E4 D4 D4 | C4/4 |",
     "C | C G | C G7 | C | C | C G | C G7 | C | G | D7 | G G G D7 | G | C | C G | C G7 | C", 1},
    {"Yankee Doodle", 4, 4, 126,
     "C4/1 C4 D4 E4 | C4 E4 D4 G3 | C4 C4 D4 E4 | C4/2 B3/2 |"
     "C4/1 C4 D4 E4 | F4 E4 D4 C4 | B3 G3 A3 B3 | C4/2 C4/2 |"
     "A3/1 B3 A3 G3 | A3 B3 C4 A3 | G3 A3 G3 F3 | E3/2 G3/2 |"
     "A3/1 B3 A3 G3 | A3 B3 C4 A3 | G3 C4 B3 D4 | C4/2 C4/2 |",
     "C | C G | C | C G7 | C | F G7 | G7 | C | F | F | C | C | F | F | C G7 | C", 1},
    {"When the Saints", 4, 4, 132,
     "r/1 C4 E4 F4 | G4/4 | r/1 C4 E4 F4 | G4/4 |"
     "r/1 C4 E4 F4 | G4/2 E4/2 | C4/2 E4/2 | D4/4 |"
     "r/1 E4 E4 D4 | C4/3 C4/1 | E4/2 G4/2 | G4/1 F4/3 |"
     "r/1 E4 F4 G4 | E4/2 C4/2 | D4/4 | C4/4 |",
     "C | C | C | G7 | C | C | C | G7 | C | C | C7 | F | C | C | G7 | C", 1},
    {"Row Your Boat", 6, 8, 66,
     "C4/1.5 C4/1.5 | C4/1 D4/.5 E4/1.5 | E4/1 D4/.5 E4/1 F4/.5 | G4/3 |"
     "C5/.5 C5 C5 G4 G4 G4 | E4/.5 E4 E4 C4 C4 C4 | G4/1 F4/.5 E4/1 D4/.5 | C4/3 |",
     "C | C | C G7 | C | C | C | G7 | C", 1},
};

enum ThemeId { LightlyRow, Twinkle, Mary, Frog, Jacques, London, MacDonald, AuClair, Yankee, Saints, RowBoat };

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

int pitchOf(const QString& token, bool* ok)
{
    static const QRegularExpression re(QStringLiteral("^([A-G])([#b]?)(-?\\d)$"));
    const auto m = re.match(token);
    *ok = m.hasMatch();
    if (!*ok)
        return 0;
    static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int p = base[m.captured(1)[0].unicode() - 'A'];
    if (m.captured(2) == QLatin1String("#"))
        ++p;
    if (m.captured(2) == QLatin1String("b"))
        --p;
    return p + (m.captured(3).toInt() + 1) * 12;
}

bool parseMelody(const Theme& t, std::vector<MNote>& out, int& bars, QString& error)
{
    const double barLen = t.num * 4.0 / t.den;
    double at = 0, barStart = 0, len = 1;
    bars = 0;
    for (const QString& tok : QString::fromLatin1(t.melody).replace(QLatin1Char('|'), QLatin1String(" | ")).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (tok == QLatin1String("|")) {
            if (std::abs(at - barStart - barLen) > 1e-6) {
                error = QStringLiteral("%1: bar %2 holds %3 beats").arg(t.name).arg(bars + 1).arg(at - barStart);
                return false;
            }
            barStart = at;
            ++bars;
            continue;
        }
        const QStringList parts = tok.split(QLatin1Char('/'));
        if (parts.size() == 2) {
            bool ok = false;
            len = parts[1].toDouble(&ok);
            if (!ok || len <= 0) {
                error = QStringLiteral("%1: bad length in %2").arg(t.name, tok);
                return false;
            }
        }
        int pitch = -1;
        if (parts[0] != QLatin1String("r")) {
            bool ok = false;
            pitch = pitchOf(parts[0], &ok);
            if (!ok) {
                error = QStringLiteral("%1: bad note %2").arg(t.name, tok);
                return false;
            }
        }
        out.push_back({at, len, pitch});
        at += len;
    }
    if (std::abs(at - barStart) > 1e-6) {
        error = QStringLiteral("%1: the last bar is not closed").arg(t.name);
        return false;
    }
    return bars > 0;
}

bool parseChords(const Theme& t, int bars, std::vector<Chord>& out, QString& error)
{
    const double barLen = t.num * 4.0 / t.den;
    const QStringList barTexts = QString::fromLatin1(t.chords).split(QLatin1Char('|'));
    if (barTexts.size() != bars) {
        error = QStringLiteral("%1: %2 chord bars for %3 melody bars").arg(t.name).arg(barTexts.size()).arg(bars);
        return false;
    }
    static const QRegularExpression re(QStringLiteral("^([A-G])([#b]?)(m7|maj7|m|7|dim|6|sus4)?$"));
    for (int b = 0; b < bars; ++b) {
        const QStringList names = barTexts[b].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (names.isEmpty()) {
            error = QStringLiteral("%1: bar %2 has no chord").arg(t.name).arg(b + 1);
            return false;
        }
        const double each = barLen / names.size();
        for (int i = 0; i < names.size(); ++i) {
            const auto m = re.match(names[i]);
            if (!m.hasMatch()) {
                error = QStringLiteral("%1: bad chord %2").arg(t.name, names[i]);
                return false;
            }
            bool ok;
            const int root = pitchOf(m.captured(1) + m.captured(2) + QLatin1String("4"), &ok) % 12;
            const QString q = m.captured(3);
            std::vector<int> tones{0, 4, 7};
            if (q == QLatin1String("m")) tones = {0, 3, 7};
            else if (q == QLatin1String("7")) tones = {0, 4, 7, 10};
            else if (q == QLatin1String("m7")) tones = {0, 3, 7, 10};
            else if (q == QLatin1String("maj7")) tones = {0, 4, 7, 11};
            else if (q == QLatin1String("dim")) tones = {0, 3, 6};
            else if (q == QLatin1String("6")) tones = {0, 4, 7, 9};
            else if (q == QLatin1String("sus4")) tones = {0, 5, 7};
            out.push_back({b * barLen + i * each, each, root, tones});
        }
    }
    return true;
}

// ---------------------------------------------------------------- styles

enum class Comp { Pad, OomPah, Arp, Strum, Sync, Waltz };
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

const Style Styles[] = {
    /*0 piano trio*/ {GM::BrightPiano, GM::Glockenspiel, GM::Piano, GM::AcousticBass, -1, Comp::OomPah, Bass::RootFifth, Drums::Light, false, false, 0},
    /*1 marimba*/ {GM::Marimba, GM::Xylophone, GM::Pizzicato, GM::FingerBass, -1, Comp::Arp, Bass::RootFifth, Drums::Bongo, false, true, 0},
    /*2 flute*/ {GM::Flute, GM::Clarinet, GM::Harp, GM::AcousticBass, GM::Strings, Comp::Arp, Bass::Root, Drums::None, false, false, 0},
    /*3 brass*/ {GM::Trumpet, GM::Horn, GM::Brass, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, false, 0},
    /*4 music box*/ {GM::MusicBox, GM::Celesta, GM::Vibraphone, GM::AcousticBass, GM::SlowStrings, Comp::Arp, Bass::Root, Drums::Tambourine, false, false, 1},
    /*5 band*/ {GM::Clarinet, GM::Flute, GM::Accordion, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, false, 0},
    /*6 pop*/ {GM::SquareLead, GM::Vibraphone, GM::EPiano, GM::FingerBass, -1, Comp::Sync, Bass::Octaves, Drums::Pop, false, true, 0},
    /*7 country*/ {GM::Banjo, GM::Violin, GM::SteelGuitar, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0},
    /*8 xylophone*/ {GM::Xylophone, GM::Marimba, GM::Vibraphone, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Bongo, false, true, 0},
    /*9 whistle*/ {GM::Ocarina, GM::Recorder, GM::NylonGuitar, GM::AcousticBass, -1, Comp::Arp, Bass::RootFifth, Drums::Light, false, false, 0},
    /*10 harmonica*/ {GM::Harmonica, GM::Accordion, GM::NylonGuitar, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0},
    /*11 steel drums*/ {GM::SteelDrums, GM::Marimba, GM::CleanGuitar, GM::SynthBass, -1, Comp::Sync, Bass::Octaves, Drums::Bongo, false, true, 0},
    /*12 strings*/ {GM::Violin, GM::Oboe, GM::Pizzicato, GM::AcousticBass, GM::SlowStrings, Comp::OomPah, Bass::RootFifth, Drums::None, false, false, 0},
    /*13 kalimba*/ {GM::Kalimba, GM::Glockenspiel, GM::Harp, GM::FingerBass, GM::Choir, Comp::Arp, Bass::Root, Drums::Tambourine, false, true, 0},
    /*14 saxophone*/ {GM::AltoSax, GM::Trombone, GM::Piano, GM::AcousticBass, -1, Comp::Strum, Bass::Walking, Drums::Shuffle, true, false, 0},
    /*15 piccolo march*/ {GM::Piccolo, GM::Trumpet, GM::Brass, GM::Tuba, -1, Comp::OomPah, Bass::RootFifth, Drums::March, false, true, 0},
};

struct Variant {
    const char* file;
    int theme;
    int style;
    int transpose;      // semitones from C
    double tempoScale;
    bool canon;         // a second voice follows the lead two bars behind
};

const Variant Variants[] = {
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

// ---------------------------------------------------------------- arranging

enum Channel { ChLead = 0, ChSecond = 1, ChComp = 2, ChBass = 3, ChPad = 4, ChDrums = 9 };

namespace Drum {
enum { Kick = 36, SideStick = 37, Snare = 38, Clap = 39, LowTom = 45, HiHat = 42, PedalHat = 44,
       MidTom = 47, OpenHat = 46, HighTom = 50, Crash = 49, Ride = 51, Tambourine = 54, Cowbell = 56,
       HiBongo = 60, LoBongo = 61, HiConga = 62, LoConga = 64, Cabasa = 69, Shaker = 70, Triangle = 81 };
}

class Arranger {
public:
    Arranger(const Theme& theme, const Style& style, const Variant& variant, std::vector<MNote> melody,
             std::vector<Chord> chords, int bars)
        : t_(theme), s_(style), v_(variant), melody_(std::move(melody)), chords_(std::move(chords)), bars_(bars),
          rng_(std::hash<std::string>{}(variant.file))
    {
        barLen_ = t_.num * 4.0 / t_.den;
        compound_ = t_.den == 8;
        pulse_ = compound_ ? 1.5 : 1.0;
        pulses_ = int(std::lround(barLen_ / pulse_));
    }

    SmfWriter build()
    {
        const double quartersPerMinute = t_.bpm * v_.tempoScale * pulse_;
        const double secondsPerBar = barLen_ * 60.0 / quartersPerMinute;
        const int introBars = barLen_ < 3 ? 4 : 2;
        const double repSeconds = bars_ * secondsPerBar;
        int reps = std::max(2, int(std::ceil((42.0 - introBars * secondsPerBar) / repSeconds)));
        while (reps > 2 && introBars * secondsPerBar + reps * repSeconds > 85)
            --reps;
        reps_ = reps;
        introBeats_ = introBars * barLen_;

        smf_.setTitle(QString::fromLatin1(t_.name));
        smf_.setTimeSignature(t_.num, t_.den);
        smf_.setTempo(0, quartersPerMinute);
        setUpChannels();

        // Intro: the tonic, then the dominant leading into the tune.
        const int key = v_.transpose;
        for (int b = 0; b < introBars; ++b) {
            const bool last = b == introBars - 1;
            const Chord c{introBeats_ - (introBars - b) * barLen_, barLen_, last ? (key + 7) % 12 : key % 12,
                          last ? std::vector<int>{0, 4, 7, 10} : std::vector<int>{0, 4, 7}};
            playChord(c, c.start, 0, last ? (c.root + 5) % 12 : c.root);
            drumsBar(b * barLen_, last, b == 0, 0);
        }
        for (int r = 0; r < reps; ++r) {
            const double at = introBeats_ + r * bars_ * barLen_;
            playMelody(at, r);
            for (size_t i = 0; i < chords_.size(); ++i) {
                Chord c = chords_[i];
                c.root = (c.root + key) % 12;
                const int nextRoot = (chords_[(i + 1) % chords_.size()].root + key) % 12;
                playChord(c, at + c.start, r, nextRoot);
            }
            for (int b = 0; b < bars_; ++b)
                drumsBar(at + b * barLen_, b == bars_ - 1 || (b % 8) == 7, b == 0, r);
        }
        smf_.setEnd(tick(introBeats_ + reps * bars_ * barLen_));
        return smf_;
    }

private:
    qint64 tick(double beats) const { return qint64(std::llround(beats * SmfWriter::Division)); }
    int jitter(int amount) { return std::uniform_int_distribution<int>(-amount, amount)(rng_); }

    // Swing moves off-beat eighths late, towards the triplet.
    double swung(double beat) const
    {
        if (!s_.swing || compound_)
            return beat;
        const double whole = std::floor(beat);
        const double f = beat - whole;
        const double g = f <= 0.5 ? f * (2.0 / 3.0) / 0.5 : 2.0 / 3.0 + (f - 0.5) * (1.0 / 3.0) / 0.5;
        return whole + g;
    }

    void note(int ch, double start, double len, int pitch, int velocity, int timing = 4)
    {
        const double a = swung(start), b = swung(start + len);
        qint64 t0 = tick(a) + (ch == ChDrums ? 0 : std::abs(jitter(timing)));
        qint64 t1 = tick(b);
        if (t1 - t0 < 30)
            t1 = t0 + 30;
        smf_.note(ch, t0, t1 - t0, pitch, velocity + jitter(5));
    }

    int accent(double beatInBar) const
    {
        if (std::abs(beatInBar) < 1e-6)
            return 104;
        const double f = std::fmod(beatInBar, pulse_);
        if (f < 1e-6)
            return (!compound_ && t_.num == 4 && std::abs(beatInBar - 2) < 1e-6) ? 96 : 90;
        return 82;
    }

    void setUpChannels()
    {
        auto setUp = [&](int ch, int program, int volume, int pan, int reverb) {
            smf_.program(ch, program);
            smf_.control(ch, 7, volume);
            smf_.control(ch, 10, pan);
            smf_.control(ch, 91, reverb);
            smf_.control(ch, 93, 12);
        };
        setUp(ChLead, s_.lead, 108, 64, 48);
        setUp(ChSecond, s_.second, 78, 88, 52);
        setUp(ChComp, s_.comp, 70, 40, 44);
        setUp(ChBass, s_.bass, 96, 60, 24);
        if (s_.pad >= 0)
            setUp(ChPad, s_.pad, 56, 80, 70);
        smf_.control(ChDrums, 7, 88);
        smf_.control(ChDrums, 91, 36);
    }

    const Chord* chordAt(double beatInRep) const
    {
        for (const Chord& c : chords_)
            if (beatInRep >= c.start - 1e-6 && beatInRep < c.start + c.len - 1e-6)
                return &c;
        return &chords_.back();
    }

    void playMelody(double at, int rep)
    {
        const int octave = leadOctave();
        // The third time round sits an octave higher and sparkles, when that stays sweet.
        const bool octaveUp = rep == 2 && highestNote() + octave + 12 <= HighestLead;
        for (size_t i = 0; i < melody_.size(); ++i) {
            const MNote& n = melody_[i];
            if (n.pitch < 0)
                continue;
            const int pitch = n.pitch + v_.transpose + octave + (octaveUp ? 12 : 0);
            const double inBar = std::fmod(n.start, barLen_);
            // Repeated notes and staccato styles breathe; others sing.
            const bool repeated = i + 1 < melody_.size() && melody_[i + 1].pitch == n.pitch;
            double len = n.len * (s_.staccato ? 0.62 : (repeated ? 0.82 : 0.95));
            if (n.len >= 2)
                len = n.len - 0.15;
            note(ChLead, at + n.start, len, pitch, accent(inBar) + 4);

            if (v_.canon)
                continue;
            if (rep % 2 == 1 && n.len >= 0.5) {
                // A harmony a third to a sixth below, from the chord of the moment.
                const Chord* c = chordAt(n.start);
                int best = -1;
                for (int p = pitch - 3; p >= pitch - 9; --p) {
                    const int pc = ((p - v_.transpose - c->root) % 12 + 12) % 12;
                    if (std::find(c->tones.begin(), c->tones.end(), pc) != c->tones.end()) {
                        best = p;
                        break;
                    }
                }
                if (best > 0)
                    note(ChSecond, at + n.start, len, best, accent(inBar) - 14);
            } else if (rep == 2) {
                // The lead climbs an octave; the second voice keeps the tune where it was.
                note(ChSecond, at + n.start, len, pitch - (pitch > n.pitch + v_.transpose + octave ? 12 : 0),
                     accent(inBar) - 20);
            }
        }
        if (v_.canon) {
            // The round: the second voice enters two bars behind and goes on across the repeat.
            const double lag = 2 * barLen_;
            const double repLen = bars_ * barLen_;
            for (const MNote& n : melody_) {
                if (n.pitch < 0)
                    continue;
                const double start = n.start + lag;
                if (start >= repLen && rep + 1 >= reps_)
                    continue;  // the last time round ends with the lead
                const int pitch = n.pitch + v_.transpose + leadOctave() - 12;
                note(ChSecond, at + start, n.len * 0.9, pitch, accent(std::fmod(n.start, barLen_)) - 10);
            }
        }
    }

    static constexpr int HighestLead = 88;  // E6: above it small speakers turn shrill

    int highestNote() const
    {
        int high = 0;
        for (const MNote& n : melody_)
            high = std::max(high, n.pitch + v_.transpose);
        return high;
    }

    // The lead's shift in semitones: the theme's and the style's octaves, lowered when too high.
    int leadOctave() const
    {
        int octave = 12 * (t_.melodyOctave + s_.leadShift);
        while (octave > 0 && highestNote() + octave > HighestLead)
            octave -= 12;
        return octave;
    }

    std::vector<int> voicing(const Chord& c)
    {
        // Close position with its lowest note nearest G3, so chords move little.
        std::vector<int> best;
        int bestScore = 1000;
        for (const int lowTone : c.tones) {
            for (int low = 48; low <= 62; ++low) {
                if ((low - c.root - lowTone) % 12 != 0)
                    continue;
                std::vector<int> v{low};
                for (const int tone : c.tones) {
                    if (tone == lowTone)
                        continue;
                    int p = c.root + tone;
                    while (p <= low)
                        p += 12;
                    while (p > low + 12)
                        p -= 12;
                    v.push_back(p);
                }
                std::sort(v.begin(), v.end());
                const int score = std::abs(low - 55);
                if (score < bestScore) {
                    bestScore = score;
                    best = v;
                }
            }
        }
        return best;
    }

    void playChord(const Chord& c, double at, int rep, int nextRoot)
    {
        const std::vector<int> v = voicing(c);
        const double end = at + c.len;
        const double inBar0 = std::fmod(at - introBeats_ + 64 * barLen_, barLen_);

        // Pad: held.
        if (s_.pad >= 0) {
            for (int p : v)
                note(ChPad, at, c.len - 0.05, p, 66);
        }

        // Accompaniment.
        switch (s_.compPattern) {
        case Comp::Pad:
            for (int p : v)
                note(ChComp, at, c.len - 0.05, p, 72);
            break;
        case Comp::OomPah:
            for (double b = at; b < end - 1e-6; b += pulse_) {
                const double inBar = std::fmod(b - at + inBar0, barLen_);
                if (compound_) {
                    for (double e = 0.5; e < 1.5 - 1e-6; e += 0.5)
                        for (int p : v)
                            note(ChComp, b + e, 0.35, p, 64);
                } else if (inBar > 1e-6 && (t_.num != 4 || std::fmod(inBar, 2.0) > 0.5)) {
                    // Off-beats: two and four in common time, two and three in a waltz.
                    for (int p : v)
                        note(ChComp, b, 0.45, p, 66);
                }
            }
            break;
        case Comp::Arp: {
            std::vector<int> up = v;
            up.push_back(v.front() + 12);
            const std::vector<int> order = compound_ ? std::vector<int>{0, 1, 2, 3, 2, 1} : std::vector<int>{0, 1, 2, 3, 2, 1, 2, 1};
            int k = int(std::lround(inBar0 / 0.5));
            for (double b = at; b < end - 1e-6; b += 0.5, ++k)
                note(ChComp, b, 0.9, up[size_t(order[size_t(k) % order.size()]) % up.size()] + (rep == 2 ? 12 : 0), 62);
            break;
        }
        case Comp::Strum:
            for (double b = at; b < end - 1e-6; b += pulse_) {
                const double inBar = std::fmod(b - at + inBar0, barLen_);
                const int vel = inBar < 1e-6 ? 74 : 62;
                for (size_t i = 0; i < v.size(); ++i)
                    note(ChComp, b + 0.02 * double(i), pulse_ * 0.7, v[i], vel);
                if (!compound_ && std::abs(inBar - (barLen_ - 1)) < 1e-6 && end - b > 0.9)
                    for (int p : v)
                        note(ChComp, b + 0.5, 0.35, p, 54);
            }
            break;
        case Comp::Sync:
            for (double b = at; b < end - 1e-6; b += 0.5) {
                const double inBar = std::fmod(b - at + inBar0, barLen_);
                const bool hit = std::abs(inBar) < 1e-6 || std::abs(inBar - 1.5) < 1e-6 || std::abs(inBar - 3) < 1e-6 ||
                                 (barLen_ < 4 && std::abs(inBar - 1) < 1e-6);
                if (hit)
                    for (int p : v)
                        note(ChComp, b, 0.4, p, 70);
            }
            break;
        case Comp::Waltz:
            break;
        }

        // Bass.
        const int root = 36 + c.root;
        const int fifth = root + 7 > 50 ? root - 5 : root + 7;
        switch (s_.bassPattern) {
        case Bass::Root:
            note(ChBass, at, c.len - 0.1, root, 92);
            break;
        case Bass::RootFifth:
            for (double b = at; b < end - 1e-6; b += pulse_) {
                const double inBar = std::fmod(b - at + inBar0, barLen_);
                const bool first = std::abs(b - at) < 1e-6;
                if (!compound_ && t_.num == 4 && std::fmod(inBar, 2.0) > 1e-6)
                    continue;
                note(ChBass, b, (compound_ ? 1.2 : (t_.num == 4 ? 1.6 : 0.8)), first ? root : fifth, first ? 96 : 86);
            }
            break;
        case Bass::Walking: {
            const int steps = int(std::lround(c.len / pulse_));
            const int target = 36 + nextRoot;
            for (int i = 0; i < steps; ++i) {
                int p;
                if (i == 0)
                    p = root;
                else if (i == steps - 1 && steps > 1)
                    p = target + (target > root ? -1 : 1) * (c.tones.size() > 3 ? 1 : 2);
                else
                    p = root + c.tones[size_t(i) % c.tones.size()];
                note(ChBass, at + i * pulse_, pulse_ * 0.85, p, i == 0 ? 96 : 84);
            }
            break;
        }
        case Bass::Octaves:
            for (double b = at; b < end - 1e-6; b += 0.5) {
                const int k = int(std::lround((b - at) / 0.5));
                note(ChBass, b, 0.4, k % 2 ? root + 12 : root, k % 2 ? 78 : 94);
            }
            break;
        }
    }

    void drumsBar(double at, bool fill, bool phraseStart, int rep)
    {
        using namespace Drum;
        auto hit = [&](double b, int n, int vel) { note(ChDrums, at + b, 0.25, n, vel); };
        if (phraseStart && s_.drums != Drums::None && s_.drums != Drums::Tambourine && at > 0)
            hit(0, Crash, 92);
        const double half = barLen_ / 2;
        switch (s_.drums) {
        case Drums::None:
            if (phraseStart && at > 0)
                hit(0, Triangle, 60);
            return;
        case Drums::Light:
            for (double b = 0; b < barLen_ - 1e-6; b += pulse_)
                hit(b, compound_ ? Shaker : HiHat, b == 0 ? 66 : 52);
            hit(0, Kick, 84);
            if (!compound_ && barLen_ >= 3)
                hit(barLen_ == 4 ? 2 : 1, SideStick, 66);
            else
                hit(half, SideStick, 66);
            break;
        case Drums::Pop:
            for (double b = 0; b < barLen_ - 1e-6; b += 0.5)
                hit(b, HiHat, std::fmod(b, 1.0) < 1e-6 ? 70 : 54);
            hit(0, Kick, 96);
            if (barLen_ == 4) {
                hit(2, Kick, 88);
                hit(2.5, Kick, 72);
                hit(1, Snare, 90);
                if (!fill)
                    hit(3, Snare, 92);
            } else {
                hit(half, Snare, 90);
            }
            break;
        case Drums::March:
            hit(0, Kick, 90);
            if (barLen_ >= 3)
                hit(barLen_ == 4 ? 2 : 1.5, Kick, 80);
            for (double b = 0; b < barLen_ - 1e-6; b += pulse_) {
                hit(b, Snare, b == 0 ? 84 : 70);
                if (!fill || b < half)
                    hit(b + (compound_ ? 1.0 : 0.5), Snare, 56);
            }
            if (barLen_ == 4 && !fill) {
                hit(3.75, Snare, 52);
            }
            break;
        case Drums::Shuffle:
            for (double b = 0; b < barLen_ - 1e-6; b += 0.5)
                hit(b, std::fmod(b, 1.0) < 1e-6 ? Ride : HiHat, std::fmod(b, 1.0) < 1e-6 ? 70 : 50);
            hit(0, Kick, 90);
            if (barLen_ == 4) {
                hit(2, Kick, 80);
                hit(1, Snare, 82);
                if (!fill)
                    hit(3, Snare, 84);
            } else {
                hit(half, Snare, 82);
            }
            break;
        case Drums::Bongo: {
            const int pat[] = {HiBongo, LoBongo, HiBongo, HiBongo, LoBongo, HiBongo, LoBongo, LoBongo};
            int k = 0;
            for (double b = 0; b < barLen_ - 1e-6; b += 0.5, ++k)
                if (!fill || b < half)
                    hit(b, pat[k % 8], k % 2 ? 62 : 78);
            for (double b = 0; b < barLen_ - 1e-6; b += 0.25)
                hit(b, Cabasa, std::fmod(b, 0.5) < 1e-6 ? 46 : 34);
            hit(0, Kick, 74);
            if (rep >= 1)
                hit(half, Clap, 60);
            break;
        }
        case Drums::Tambourine:
            for (double b = 0; b < barLen_ - 1e-6; b += pulse_)
                if (b > 0)
                    hit(b, Tambourine, 58);
            hit(0, Triangle, phraseStart ? 74 : 54);
            if (rep >= 1)
                hit(0, Kick, 60);
            break;
        }
        if (fill && s_.drums != Drums::Tambourine) {
            // A short fill into the next phrase.
            const int toms[] = {HighTom, HighTom, MidTom, LowTom};
            int k = 0;
            for (double b = half; b < barLen_ - 1e-6; b += (barLen_ - half) / 4, ++k)
                hit(b, s_.drums == Drums::Bongo ? (k < 2 ? HiConga : LoConga) : (s_.drums == Drums::Light ? SideStick : toms[k % 4]),
                    70 + 6 * k);
        }
    }

    const Theme& t_;
    const Style& s_;
    const Variant& v_;
    std::vector<MNote> melody_;
    std::vector<Chord> chords_;
    int bars_;
    std::mt19937 rng_;
    double barLen_ = 4;
    bool compound_ = false;
    double pulse_ = 1;
    int pulses_ = 4;
    int reps_ = 2;
    double introBeats_ = 8;
    SmfWriter smf_;
};

}  // namespace

QStringList Tunes::writeAll(const QString& dir)
{
    QTextStream err(stderr);
    QStringList written;
    for (const Variant& v : Variants) {
        const Theme& t = Themes[v.theme];
        std::vector<MNote> melody;
        std::vector<Chord> chords;
        int bars = 0;
        QString error;
        if (!parseMelody(t, melody, bars, error) || !parseChords(t, bars, chords, error)) {
            err << "tune: " << error << "\n";
            return {};
        }
        Arranger arranger(t, Styles[v.style], v, melody, chords, bars);
        const SmfWriter smf = arranger.build();
        const QByteArray bytes = smf.bytes();
        const auto info = SmfReader::read(bytes);
        if (!info || info->seconds < 30 || info->seconds > 90) {
            err << "tune: " << v.file << " plays " << (info ? info->seconds : -1) << " s\n";
            return {};
        }
        if (!smf.save(QDir(dir).filePath(QString::fromLatin1(v.file)))) {
            err << "tune: cannot write " << v.file << "\n";
            return {};
        }
        written << QStringLiteral("%1 %2 s").arg(QString::fromLatin1(v.file)).arg(info->seconds, 0, 'f', 1);
    }
    return written;
}
