// SPDX-License-Identifier: GPL-3.0-or-later
// Small program-directory files for the picture-game tests: the three bomb pictures in plain
// colours (so a test can tell which one the board shows), empty sounds and music.
#pragma once

#include "data/Tables.h"
#include "data/Rules.h"
#include "platform/WmfWriter.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QColor>

namespace GuessTest {

inline const QColor BangColor(200, 0, 0);
inline const QColor Bang1Color(0, 200, 0);
inline const QColor Bang2Color(200, 200, 0);

inline void writePicture(const TestEnv& env, const QString& name, const QColor& color)
{
    WmfWriter w(QRect(0, 0, 100, 100));
    w.setNullPen();
    w.setBrush(color);
    w.rectangle(QRect(0, 0, 100, 100));
    env.writeFile(name, w.bytes());
}

// Data, pictures, sounds and music, and one player of school year `year` at `level` in game g.
inline void prepare(const TestEnv& env, int game, int year = 1, int level = 1)
{
    WriteSampleKanjiData(env);
    writePicture(env, QStringLiteral("Bang.wmf"), BangColor);
    writePicture(env, QStringLiteral("Bang1.wmf"), Bang1Color);
    writePicture(env, QStringLiteral("Bang2.wmf"), Bang2Color);
    for (const char* f : {"Atari.wav", "Hazure.wav", "Bang.wav", "Seikai.wav", "Select.wav", "gacha.wav"})
        env.writeFile(QString::fromLatin1(f), QByteArray("RIFF"));
    for (int k = 1; k <= 4; ++k)
        env.writeFile(QStringLiteral("Game%1%2.mid").arg(game).arg(k), QByteArray("MThd"));
    Player_Count = 1;
    Player_Tbl[1].No = 1;
    Player_Tbl[1].Name.setSjis(QByteArray("taro"));
    Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
    for (int g = 1; g <= MaxGames; ++g)
        Player_Tbl[1].Level[g] = 1;
    Player_Tbl[1].Level[game] = static_cast<std::int16_t>(level);
    Cur_Player = 1;
    StartGame(game);
}

}  // namespace GuessTest
