// SPDX-License-Identifier: GPL-3.0-or-later
// Every input kept beside the fuzz targets, replayed through the program's own loading of the
// data, save and help files: the seeds (well-formed files that must load) and each input that
// once crashed or hung a reader (fuzz/regressions/<reader>/, which must now be refused or loaded
// without harm). A refused file leaves the tables as they were; a loaded one reads back intact.
#include "data/Dates.h"
#include "data/KanjiFiles.h"
#include "data/SaveFiles.h"
#include "platform/HelpFile.h"
#include "support/KeptInputs.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QDir>
#include <QTextBrowser>
#include <QtTest>

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

}  // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    // "Kanji.dat": loaded records are whole kanji; a refused file leaves the table untouched.
    void kanjiFile_data() { KeptInputs(QStringLiteral("kanji")); }
    void kanjiFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        const QByteArray bytes = readAll(path);
        QVERIFY(!bytes.isNull());
        env.writeFile(KanjiFileName, bytes);
        Kanji_Tbl[7].Kakusuu = 99;
        const bool loaded = LoadKanjiTable();
        if (seed)
            QVERIFY(loaded);
        if (!loaded) {
            QCOMPARE(Kanji_Tbl[7].Kakusuu, std::int16_t(99));
            return;
        }
        for (int k = 1; k <= MaxKanji; ++k) {
            if (Kanji_Tbl[k].Kanji.isEmpty())
                continue;
            QCOMPARE(Kanji_Tbl[k].Kanji.size(), 2);
            QVERIFY(!Kanji_Tbl[k].text().isEmpty());
        }
    }

    // "Mondai2.dat": a loaded index holds only entries the sentence reader accepts.
    void mondaiIndex_data() { KeptInputs(QStringLiteral("mondai_idx")); }
    void mondaiIndex()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        const QByteArray bytes = readAll(path);
        env.writeFile(MondaiIdxFileName, bytes);
        Mondai_Idx[1].Start = -7;
        const bool loaded = LoadMondaiIndex();
        if (seed)
            QVERIFY(loaded);
        if (!loaded) {
            QCOMPARE(Mondai_Idx[1].Start, std::int16_t(-7));
            return;
        }
        const int n = int(bytes.size() / MondaiIdxRecSize);
        for (int k = 1; k <= n; ++k) {
            QVERIFY(Mondai_Idx[k].Start >= 1);
            QVERIFY(Mondai_Idx[k].Count >= 1 && Mondai_Idx[k].Count <= MaxSentences);
        }
    }

    // "Mondai1.dat" (after one index record, as the fuzz target reads it): the quiz gets every
    // sentence of an entry inside the file and nothing for one past its end.
    void mondaiFile_data() { KeptInputs(QStringLiteral("mondai")); }
    void mondaiFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        const QByteArray bytes = readAll(path);
        if (bytes.size() < MondaiIdxRecSize ||
            !ParseMondaiIdxFile(bytes.left(MondaiIdxRecSize), Mondai_Idx)) {
            QVERIFY(!seed);
            return;
        }
        const QByteArray sentences = bytes.mid(MondaiIdxRecSize);
        env.writeFile(MondaiFileName, sentences);
        const TMondaiIdxRec e = Mondai_Idx[1];
        const qint64 records = sentences.size() / MondaiRecSize;
        const bool inside = e.Start - 1 + qint64(e.Count) <= records;
        if (seed)
            QVERIFY(inside);
        QVector<TMondaiRec> all;
        QCOMPARE(ReadAllMondai(1, all), inside);
        if (inside)
            QCOMPARE(int(all.size()), int(e.Count));
        for (const TMondaiRec& rec : all)
            for (int j = 1; j <= 3; ++j)
                QVERIFY(rec.partText(j).size() <= 20);
        TMondaiRec one;
        const bool read = Read_Mondai(1, one);
        QVERIFY(!inside || read);
        QVERIFY(e.Start <= records || !read);
    }

    // "Player.dat": a loaded file saves back byte for byte; a refused one changes nothing and
    // names the file for the error report.
    void playerFile_data() { KeptInputs(QStringLiteral("player")); }
    void playerFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        const QByteArray bytes = readAll(path);
        env.writeFile(PlayerFileName, bytes);
        Player_Count = 1;
        Player_Tbl[1].No = 4321;
        QString failed;
        const bool loaded = LoadPlayersAndRecords(&failed);
        if (seed)
            QVERIFY(loaded);
        if (!loaded) {
            QCOMPARE(failed, PlayerFileName);
            QCOMPARE(Player_Count, std::int16_t(1));
            QCOMPARE(Player_Tbl[1].No, std::int16_t(4321));
            return;
        }
        for (int i = 1; i <= Player_Count; ++i)
            QVERIFY(Player_Tbl[i].Name.sjis().size() <= NameBytes);
        QVERIFY(SavePlayersAndRecords(&failed));
        QCOMPARE(env.readFile(PlayerFileName), bytes);
    }

    // "Game.dat": every loaded entry shows its name and date, and the saved file loads again to
    // the same table.
    void gameFile_data() { KeptInputs(QStringLiteral("game")); }
    void gameFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        env.writeFile(GameFileName, readAll(path));
        Kiroku_Tbl[1][1].Tokuten = 777;
        QString failed;
        const bool loaded = LoadPlayersAndRecords(&failed);
        if (seed)
            QVERIFY(loaded);
        if (!loaded) {
            QCOMPARE(failed, GameFileName);
            QCOMPARE(Kiroku_Tbl[1][1].Tokuten, 777);
            return;
        }
        for (int g = 1; g <= MaxGames; ++g) {
            for (int r = 1; r <= MaxRanks; ++r) {
                const TKirokuRec& k = Kiroku_Tbl[g][r];
                QVERIFY(k.Name.sjis().size() <= NameBytes);
                const QString date = FormatHizuke(k.Hizuke);
                QVERIFY(date.isEmpty() || date.size() == 8);
            }
        }
        QVERIFY(SavePlayersAndRecords(&failed));
        const QByteArray saved = env.readFile(GameFileName);
        QCOMPARE(saved.size(), MaxGames * MaxRanks * KirokuRecSize);
        QVERIFY(LoadPlayersAndRecords(&failed));
        QCOMPARE(GameFileBytes(), saved);
    }

    // "Mojimaru.hlp": every topic read opens in the help window, its text escaped.
    void helpFile_data() { KeptInputs(QStringLiteral("help")); }
    void helpFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        const QMap<int, HelpTopic> topics = ParseHelpFile(readAll(path));
        if (seed)
            QVERIFY(!topics.isEmpty());
        SetHelpFile(path);
        int shown = 0;
        for (auto it = topics.constBegin(); it != topics.constEnd() && shown < 20; ++it, ++shown) {
            QCOMPARE(it->number, it.key());
            QWidget parent;
            ShowHelp(&parent, it.key());
            auto* window = parent.findChild<QDialog*>(QStringLiteral("HelpWindow"));
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), it->title);  // the topic, not "not found"
            QVERIFY(parent.findChild<QWidget*>(QStringLiteral("HelpText")));
        }
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
