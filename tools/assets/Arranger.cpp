// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arranger.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace Tunes {

namespace {

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
            smf_.control(ch, 7, std::min(127, int(std::lround(volume * s_.level))));
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
        smf_.control(ChDrums, 7, std::min(127, int(std::lround(88 * s_.level))));
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
            // Phrases swell towards their third bar and relax at the fourth.
            const int phraseBar = int(n.start / barLen_) % 4;
            const int swell[] = {0, 3, 7, 2};
            note(ChLead, at + n.start, len, pitch, accent(inBar) + swell[phraseBar]);

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
        // The second time round the accompaniment changes its figure, as a player would.
        Comp pattern = s_.compPattern;
        if (rep % 2 == 1) {
            switch (pattern) {
            case Comp::Arp: pattern = Comp::Strum; break;
            case Comp::Strum: pattern = Comp::Arp; break;
            case Comp::Sync: pattern = Comp::Strum; break;
            case Comp::OomPah: pattern = compound_ ? Comp::Arp : Comp::Strum; break;
            case Comp::Pad: pattern = Comp::Arp; break;
            }
        }
        switch (pattern) {
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
        }

        // Bass.
        const int root = 36 + c.root;
        const int fifth = root + 7 > 50 ? root - 5 : root + 7;
        switch (s_.bassPattern) {
        case Bass::Root:
            note(ChBass, at, c.len - 0.1, root, 92);
            break;
        case Bass::RootFifth: {
            // At the end of a four-bar phrase the bass walks up to the next chord instead.
            const int barIndex = int(std::floor((at - introBeats_ + 1e-6) / barLen_));
            const bool walkUp = !compound_ && t_.num == 4 && barIndex >= 0 && barIndex % 4 == 3 &&
                                inBar0 + c.len > barLen_ - 1e-6 && c.len >= 2;
            for (double b = at; b < end - 1e-6; b += pulse_) {
                const double inBar = std::fmod(b - at + inBar0, barLen_);
                const bool first = std::abs(b - at) < 1e-6;
                if (walkUp && inBar >= barLen_ - 2 - 1e-6) {
                    // The chord's third (or fifth), then a half step below the next root.
                    int target = 36 + nextRoot;
                    if (target <= root)
                        target += 12;
                    int p = target - 1;
                    if (inBar < barLen_ - 1 - 1e-6) {
                        p = root + c.tones[1];
                        if (p >= target - 1)
                            p = fifth;
                    }
                    note(ChBass, b, 0.85, p > 52 ? p - 12 : p, 84);
                    continue;
                }
                if (!compound_ && t_.num == 4 && std::fmod(inBar, 2.0) > 1e-6)
                    continue;
                note(ChBass, b, (compound_ ? 1.2 : (t_.num == 4 ? 1.6 : 0.8)), first ? root : fifth, first ? 96 : 86);
            }
            break;
        }
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
    int reps_ = 2;
    double introBeats_ = 8;
    SmfWriter smf_;
};

}  // namespace

SmfWriter arrange(const Theme& theme, const Style& style, const Variant& variant, const std::vector<MNote>& melody,
                  const std::vector<Chord>& chords, int bars)
{
    return Arranger(theme, style, variant, melody, chords, bars).build();
}

}  // namespace Tunes
