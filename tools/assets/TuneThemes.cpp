// SPDX-License-Identifier: GPL-3.0-or-later
#include "TuneThemes.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace Tunes {

namespace {

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

}  // namespace

const Theme& theme(int id) { return Themes[id]; }

namespace {

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

}  // namespace

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

}  // namespace Tunes
