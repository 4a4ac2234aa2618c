// SPDX-License-Identifier: GPL-3.0-or-later
// What the asset tool writes into the program directory: one list shared by the tool, the review
// sheet and the tests.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace AssetList {

inline QStringList tunes()
{
    QStringList names;
    for (int i = 1; i <= 4; ++i)
        names << QStringLiteral("Menu%1.mid").arg(i);
    for (int game = 1; game <= 7; ++game)
        for (int k = 1; k <= 4; ++k)
            names << QStringLiteral("Game%1%2.mid").arg(game).arg(k);
    return names;
}

struct Sound {
    const char* name;
    double maxSeconds;
};
inline constexpr Sound Sounds[] = {
    {"Seikai.wav", 3.0}, {"Select.wav", 1.5}, {"Atari.wav", 1.5}, {"Hazure.wav", 1.5}, {"Bang.wav", 1.5},
    {"gacha.wav", 1.5}, {"Hassha1.wav", 1.5}, {"Hassha2.wav", 1.5}, {"Mondai.wav", 1.5},
    {"Kaku.wav", 0.5}, {"Yokudekita.wav", 2.0},
};

inline QStringList metafiles()
{
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("Pop%1.wmf").arg(i);
    names << QStringLiteral("Bang.wmf") << QStringLiteral("Bang1.wmf") << QStringLiteral("Bang2.wmf");
    return names;
}

struct Bitmap {
    const char* name;
    int width;
    int height;
    bool blackBackground;  // black around (1, 1), flood-filled navy by the game
};
inline constexpr Bitmap Bitmaps[] = {
    {"Tama.bmp", 16, 32, false}, {"Bang.bmp", 8, 8, false}, {"Atari.bmp", 64, 64, true},
    {"Mogura.bmp", 64, 64, true}, {"STARS2.bmp", 48, 24, false},
};

// Menu animations: 185x120 at 10 frames a second.
struct Animation {
    const char* name;
    int frames;
};
inline constexpr int AnimationRate = 10;
inline constexpr QSize AnimationSize(185, 120);
inline constexpr Animation Animations[] = {
    {"Game1.AVI", 40}, {"Game2.AVI", 36}, {"Game3.AVI", 30}, {"Game4.AVI", 36},
    {"Game5.AVI", 30}, {"Game6.AVI", 30}, {"Game7.AVI", 30},
};

// The writing practice's small menu clip, beside its caption.
inline constexpr Animation PracticeAnimation{"Kaku.AVI", 32};
inline constexpr QSize PracticeAnimationSize(64, 40);

inline const char* HelpFile = "Mojimaru.hlp";

}  // namespace AssetList
