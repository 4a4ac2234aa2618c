// SPDX-License-Identifier: GPL-3.0-or-later
// The picture games' media: the music and the effects are opened when the window is created, in
// each game's own order, and the first that cannot be opened is reported and stops the rest; the
// start plays the music opened then.
#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game4.h"
#include "guess/GuessTestFiles.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QtTest>

using namespace GuessTest;

namespace {
TPictureGameFrame* makeGame(int game) {
    switch (game) {
    case 2:
        return new TF_Game2();
    case 3:
        return new TF_Game3();
    default:
        return new TF_Game4();
    }
}

// The files the window opened, in order, in lower case (the picker's own click sound aside).
QStringList opened() {
    QStringList out;
    for (const QString& line : MediaPlayers::log())
        if (line.startsWith(QLatin1String("open ")) && !line.endsWith(QLatin1String("Select.wav")))
            out << line.mid(5).toLower();
    return out;
}

QStringList order(int game) {
    switch (game) {
    case 2:
        return {"game21.mid", "atari.wav", "bang.wav", "hazure.wav"};
    case 3:
        return {"game31.mid", "seikai.wav", "bang.wav", "hazure.wav"};
    default:
        return {"game41.mid", "seikai.wav", "hazure.wav", "gacha.wav", "bang.wav"};
    }
}
} // namespace

class TestPictureGameMedia : public QObject {
    Q_OBJECT
  private slots:
    // Everything opens at creation in the game's order; the start only plays the music.
    void openedAtCreation_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("midi");
        for (int g = 2; g <= 4; ++g) {
            QTest::addRow("game %d", g) << g << 1;
            QTest::addRow("game %d without MIDI", g) << g << 0;
        }
    }
    void openedAtCreation() {
        QFETCH(int, game);
        QFETCH(int, midi);
        TestEnv env;
        prepare(env, game);
        Midi_Count = midi;
        MediaPlayers::log().clear();
        QPointer<TPictureGameFrame> g = makeGame(game);
        QStringList expected = order(game);
        if (midi == 0)
            expected.removeFirst();
        QCOMPARE(opened(), expected);
        MediaPlayers::log().clear();
        g->Btn_StartClick();
        QVERIFY(g->started());
        QCOMPARE(opened(), QStringList());
        const QStringList plays = MediaPlayers::log().filter(
            QRegularExpression("^play .*mid$", QRegularExpression::CaseInsensitiveOption));
        QCOMPARE(plays.size(), midi);
        QCOMPARE(g->MP_Ate->isOn(), midi == 1);
        QVERIFY(MessageBoxes::shown().isEmpty());
        g->Btn_CancelClick();
    }

    // A file that cannot be opened is reported by its name and the later ones stay unopened;
    // the game still starts (a music file missing at creation is named again at the start).
    void failureStopsTheRest_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("missing"); // index into the game's order
        for (int g = 2; g <= 4; ++g)
            for (int i = 0; i < order(g).size(); ++i)
                QTest::addRow("game %d, %s", g, qPrintable(order(g)[i])) << g << i;
    }
    void failureStopsTheRest() {
        QFETCH(int, game);
        QFETCH(int, missing);
        TestEnv env;
        prepare(env, game);
        Midi_Count = 1;
        const QStringList files = order(game);
        QString file = files[missing];
        for (const QString& name : QDir(env.path(QString())).entryList(QDir::Files))
            if (name.toLower() == file)
                env.removeFile(name);
        if (missing == 0)
            file = QStringLiteral("game%1%2.mid").arg(game).arg(1);
        MediaPlayers::log().clear();
        QPointer<TPictureGameFrame> g = makeGame(game);
        QCOMPARE(opened(), files.mid(0, missing + 1));
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QCOMPARE(MessageBoxes::shown().first().toLower(),
                 file.toLower() + QStringLiteral(" でエラーがおこりました。 "));
        g->Btn_StartClick();
        QVERIFY(g->started());
        QCOMPARE(MessageBoxes::shown().size(), missing == 0 ? 2 : 1);
        QCOMPARE(MessageBoxes::shown().last().toLower(),
                 file.toLower() + QStringLiteral(" でエラーがおこりました。 "));
        g->Btn_CancelClick();
    }
};

QTEST_MAIN(TestPictureGameMedia)
#include "test_picture_game_media.moc"
