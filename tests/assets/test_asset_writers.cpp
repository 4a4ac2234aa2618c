// SPDX-License-Identifier: GPL-3.0-or-later
// The asset tool's writers and notation: MIDI files read back as written, themes whose bars add
// up, AVI frames decoded back pixel for pixel, and effects scaled to their peak.
// The tool's sources are compiled in here; the tool itself is not a library.
#include "tools/assets/AviWriter.cpp"
#include "tools/assets/SmfWriter.cpp"
#include "tools/assets/Sounds.cpp"
#include "tools/assets/TuneThemes.cpp"

#include "platform/AviStream.h"
#include "support/TestEnv.h"
#include "tools/assets/SmfReader.h"

#include <QtTest>

class TestAssetWriters : public QObject {
    Q_OBJECT
private slots:
    // Notes, tempo and the end come back from the reader as the writer put them.
    void midiRoundTrip()
    {
        SmfWriter smf;
        smf.setTimeSignature(3, 4);
        smf.setTempo(0, 120);
        smf.program(0, 73);
        smf.note(0, 0, 480, 60, 100);
        smf.note(0, 480, 480, 64, 100);
        smf.note(9, 960, 120, 36, 90);
        smf.setEnd(3 * 480 * 2);  // two bars of 3/4
        const auto info = SmfReader::read(smf.bytes());
        QVERIFY(info.has_value());
        QCOMPARE(info->division, SmfWriter::Division);
        QCOMPARE(info->notes, 3);
        QCOMPARE(info->lengthTicks, qint64(2880));
        QCOMPARE(info->seconds, 3.0);
        QCOMPARE(info->barNumerator, 3);
        QCOMPARE(SmfReader::barTicks(*info), qint64(1440));
        QCOMPARE(info->programs[0], 73);
        QCOMPARE(info->firstNoteTick, qint64(0));
        QCOMPARE(info->lastNoteTick, qint64(960));
    }

    // A tempo change halfway counts in the length.
    void tempoMap()
    {
        SmfWriter smf;
        smf.setTempo(0, 60);
        smf.setTempo(480, 120);
        smf.note(0, 0, 960, 60, 90);
        smf.setEnd(960);
        const auto info = SmfReader::read(smf.bytes());
        QVERIFY(info.has_value());
        QCOMPARE(info->seconds, 1.5);
    }

    // Notes running past the end are cut there and notes starting at the end are dropped.
    void notesCutAtTheEnd()
    {
        SmfWriter smf;
        smf.note(0, 0, 5000, 60, 90);
        smf.note(0, 960, 100, 62, 90);
        smf.setEnd(960);
        const auto info = SmfReader::read(smf.bytes());
        QVERIFY(info.has_value());
        QCOMPARE(info->notes, 1);
        QCOMPARE(info->lengthTicks, qint64(960));
    }

    // Every theme's bars add up and its chords cover every bar.
    void themesParse_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id < Tunes::ThemeCount; ++id)
            QTest::newRow(Tunes::theme(id).name) << id;
    }
    void themesParse()
    {
        QFETCH(int, id);
        const Tunes::Theme& t = Tunes::theme(id);
        std::vector<Tunes::MNote> melody;
        std::vector<Tunes::Chord> chords;
        int bars = 0;
        QString error;
        QVERIFY2(Tunes::parseMelody(t, melody, bars, error), qPrintable(error));
        QVERIFY2(Tunes::parseChords(t, bars, chords, error), qPrintable(error));
        QVERIFY(bars >= 8);
        const double barLen = t.num * 4.0 / t.den;
        QCOMPARE(melody.back().start + melody.back().len, bars * barLen);
        QCOMPARE(chords.back().start + chords.back().len, bars * barLen);
        // The tune ends on its home note.
        QCOMPARE(melody.back().pitch % 12, 0);
    }

    // Notation mistakes are caught with a reason: a bar that does not add up, a bad note or chord.
    void notationErrors_data()
    {
        QTest::addColumn<QString>("melody");
        QTest::addColumn<QString>("chords");
        QTest::newRow("short bar") << "C4/1 D4 E4 | C4/4 |" << "C | C";
        QTest::newRow("bad note") << "C4/1 H4 E4 F4 | C4/4 |" << "C | C";
        QTest::newRow("open last bar") << "C4/4 | C4/2" << "C | C";
        QTest::newRow("missing chord bar") << "C4/4 | C4/4 |" << "C";
        QTest::newRow("bad chord") << "C4/4 | C4/4 |" << "C | Q7";
    }
    void notationErrors()
    {
        QFETCH(QString, melody);
        QFETCH(QString, chords);
        const QByteArray m = melody.toLatin1(), c = chords.toLatin1();
        const Tunes::Theme t{"test", 4, 4, 100, m.constData(), c.constData(), 0};
        std::vector<Tunes::MNote> notes;
        std::vector<Tunes::Chord> chordList;
        int bars = 0;
        QString error;
        const bool ok = Tunes::parseMelody(t, notes, bars, error) && Tunes::parseChords(t, bars, chordList, error);
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
    }

    // AVI frames decode back exactly, at the written rate.
    void aviRoundTrip()
    {
        std::vector<QImage> frames;
        for (int i = 0; i < 5; ++i) {
            QImage img(21, 13, QImage::Format_RGB32);  // an odd width: rows are padded
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    img.setPixel(x, y, qRgb(x * 12, y * 19, i * 50));
            frames.push_back(img);
        }
        TestEnv env;
        QVERIFY(AviWriter::save(env.path(QStringLiteral("t.avi")), frames, 7));
        const AviClip clip = AviClip::decode(env.path(QStringLiteral("t.avi")));
        QCOMPARE(int(clip.frames.size()), 5);
        QCOMPARE(clip.frameRate, 7.0);
        QCOMPARE(clip.frameSize, QSize(21, 13));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(clip.frames[size_t(i)].convertToFormat(QImage::Format_RGB32), frames[size_t(i)]);
    }

    // Frames of different sizes, or none, are refused.
    void aviBadInput()
    {
        QVERIFY(AviWriter::encode({}, 10).isEmpty());
        QVERIFY(AviWriter::encode({QImage(4, 4, QImage::Format_RGB32), QImage(5, 4, QImage::Format_RGB32)}, 10).isEmpty());
        QVERIFY(AviWriter::encode({QImage(4, 4, QImage::Format_RGB32)}, 0).isEmpty());
    }

    // Effects are scaled so the loudest sample reaches 0.89 of full scale, whatever the input level.
    void wavScaledToPeak_data()
    {
        QTest::addColumn<double>("level");
        QTest::newRow("quiet") << 0.01;
        QTest::newRow("too loud") << 7.0;
    }
    void wavScaledToPeak()
    {
        QFETCH(double, level);
        std::vector<double> samples(1000);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = level * std::sin(i * 0.1);
        const QByteArray wav = Sounds::wavFile(samples);
        QCOMPARE(wav.size(), 44 + 2000);
        int peak = 0;
        for (int at = 44; at < wav.size(); at += 2)
            peak = std::max(peak, std::abs(int(qint16(quint16(uchar(wav[at]) | (uchar(wav[at + 1]) << 8))))));
        QVERIFY(std::abs(peak - int(0.89 * 32767)) <= 2);
    }
};

QTEST_MAIN(TestAssetWriters)
#include "test_asset_writers.moc"
