// SPDX-License-Identifier: GPL-3.0-or-later
// The answers after the quiz: they open when the quiz ends, passed or failed, and show each
// sentence's expected reading over the kanji, the stroke count from "Kanji.dat" and the kanji's
// stroke-order picture; "わかった" closes them. Passing is decided as before.
#include "data/AnswerReadings.h"
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "platform/MessageBoxes.h"
#include "platform/CentredLayout.h"
#include "platform/Modal.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "writing/StrokeOrderView.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {
int kanjiWithSentences(int count) {
    for (int k = 1; k <= SampleKanjiCount(); ++k)
        if (SampleSentenceCount(k) == count)
            return k;
    return 0;
}

struct SeenAnswers {
    int opened = 0;
    QStringList readings;
    QStringList sentences;
    QString kakusuu;
    QString strokeKanji;
    QStringList messagesBefore;

    void install() {
        Modal::setHook([this](QDialog* d) {
            auto* a = qobject_cast<TF_Game_Kotae*>(d);
            if (!a)
                return 0;
            ++opened;
            messagesBefore = MessageBoxes::shown();
            for (TAnswerLine* l : a->Lbl_Kotae) {
                readings << l->reading();
                sentences << l->text();
            }
            kakusuu = a->Lbl_Kakusuu->text();
            strokeKanji = a->Img_Kakijun->kanji();
            a->show();
            QTest::mouseClick(a->Btn_Wakatta, Qt::LeftButton);
            return a->result();
        });
    }
};
} // namespace

class TestKotae : public QObject {
    Q_OBJECT
  private slots:
    void answersShowEveryReadingAndTheStrokeCount_data() {
        QTest::addColumn<bool>("pass");
        QTest::addColumn<int>("sentences");
        QTest::newRow("passed, one sentence") << true << 1;
        QTest::newRow("passed, three sentences") << true << 3;
        QTest::newRow("failed, two sentences") << false << 2;
        QTest::newRow("failed, three sentences") << false << 3;
    }
    void answersShowEveryReadingAndTheStrokeCount() {
        QFETCH(bool, pass);
        QFETCH(int, sentences);
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(sentences);
        QVERIFY(k > 0);
        Quiz_Kanji = k;
        SeenAnswers seen;
        seen.install();
        TF_Game_Shutsudai quiz;
        quiz.show();
        const int tries = pass ? 1 : 3;
        for (int t = 0; t < tries; ++t) {
            for (int i = 0; i < quiz.Edt_Kaitou.size(); ++i)
                quiz.Edt_Kaitou[i]->setText(pass ? SampleReading(k, i + 1)
                                                 : QStringLiteral("ちがう"));
            quiz.Edt_Kakusuu->setText(QString::number(SampleKanjiAt(k).strokes));
            QTest::mouseClick(quiz.Btn_kotae_Kinyu, Qt::LeftButton);
            if (t + 1 < tries)
                QCOMPARE(seen.opened, 0); // a wrong try with tries left shows no answers yet
        }
        QCOMPARE(seen.opened, 1);
        QCOMPARE(Quiz_Passed, pass);
        QCOMPARE(quiz.result(), pass ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // The answers come after the last message, before the quiz closes.
        QCOMPARE(seen.messagesBefore.last(), pass ? QStringLiteral("おめでとう！ 合格です。")
                                                  : QStringLiteral("また、チャレンジしてね。"));
        QStringList expected;
        for (int i = 1; i <= sentences; ++i)
            expected << SampleReading(k, i);
        QCOMPARE(seen.readings, expected);
        const QString kanji = QString::fromUtf8(SampleKanjiAt(k).kanji);
        for (int i = 0; i < sentences; ++i) {
            // the sentence with the kanji in its place (the reading stands over it)
            QVERIFY2(
                seen.sentences[i].startsWith(QStringLiteral("%1) れい%1の").arg(i + 1) + kanji),
                qPrintable(seen.sentences[i]));
        }
        QCOMPARE(seen.kakusuu, QStringLiteral("画数 %1").arg(Kanji_Tbl[k].Kakusuu));
        QCOMPARE(seen.strokeKanji, kanji);
    }

    void leavingWithModoruShowsNoAnswers() {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = kanjiWithSentences(2);
        SeenAnswers seen;
        seen.install();
        TF_Game_Shutsudai quiz;
        MessageBoxes::queueAnswer(MsgAnswer::Yes);
        quiz.Btn_CloseClick();
        QCOMPARE(seen.opened, 0);
        QVERIFY(!Quiz_Passed);
    }

    void strokeCountComesFromTheKanjiFile() {
        // The real "Kanji.dat": the answers show its stroke count for the kanji.
        TestEnv env(true);
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        for (int k : {1, 80, 441, 640}) {
            QVector<TMondaiRec> recs;
            QVERIFY(ReadAllMondai(k, recs));
            TF_Game_Kotae answers(k, QList<TMondaiRec>(recs.begin(), recs.end()));
            QCOMPARE(answers.Lbl_Kakusuu->text(),
                     QStringLiteral("画数 %1").arg(Kanji_Tbl[k].Kakusuu));
            QVERIFY(Kanji_Tbl[k].Kakusuu > 0);
            QCOMPARE(answers.Lbl_Kotae.size(), recs.size());
            for (int i = 0; i < recs.size(); ++i)
                QCOMPARE(answers.Lbl_Kotae[i]->reading(), recs[i].partString(recs[i].Pos));
        }
    }

    // Every school reading is listed; each sentence's number stands after the reading it asks,
    // the okurigana written after the kanji telling あ(がる) from あ(げる).
    void readingsListTheirSentences_data() {
        QTest::addColumn<QStringList>("asked"); // "reading|after"
        QTest::addColumn<QString>("expected");
        QTest::newRow("kun and on")
            << QStringList{"うえ|を見る", "あ|がる", "じょう|手だ", "あ|げる"}
            << QStringLiteral("ジョウ③　うえ①　うわ　あ(げる)④　あ(がる)②　のぼ(る)");
        QTest::newRow("two sentences, one reading")
            << QStringList{"うえ|", "うえ|の"} << QStringLiteral("ジョウ　うえ①②　うわ　あ(げる)　あ(がる)　のぼ(る)");
        QTest::newRow("a later year's reading") << QStringList{"うわ|ばき"}
                                        << QStringLiteral("ジョウ　うえ　うわ①　あ(げる)　あ(がる)　のぼ(る)");
        QTest::newRow("a reading the table lacks")
            << QStringList{"かみ|て", "かみ|"} << QStringLiteral("ジョウ　うえ　うわ　あ(げる)　あ(がる)　のぼ(る)　かみ①②");
    }
    void readingsListTheirSentences() {
        QFETCH(QStringList, asked);
        QFETCH(QString, expected);
        QStringList errors;
        const auto table = ParseKanjiReadings(QStringLiteral("上 ジョウ うえ うわ>3 あ.げる あ.がる のぼ.る"), errors);
        QVERIFY(errors.isEmpty());
        QList<AskedReading> list;
        for (const QString& a : asked)
            list.append({a.section(QLatin1Char('|'), 0, 0), a.section(QLatin1Char('|'), 1)});
        QCOMPARE(AnswerReadingsText(AnswerReadings(table.value(0).readings, list)), expected);
    }

    // With the real data: the answers of a year 1 to 4 kanji list every reading of the built-in
    // table, and every sentence's number once.
    void answersShowEverySchoolReading_data() {
        QTest::addColumn<QString>("kanji");
        for (const char* k : {"木", "上", "音", "行", "黒", "億", "生", "後"})
            QTest::newRow(k) << QString::fromUtf8(k);
    }
    void answersShowEverySchoolReading() {
        QFETCH(QString, kanji);
        TestEnv env(true);
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        int k = 1;
        while (k <= 640 && Kanji_Tbl[k].text() != kanji)
            ++k;
        QVERIFY(k <= 640);
        QVector<TMondaiRec> recs;
        QVERIFY(ReadAllMondai(k, recs));
        TF_Game_Kotae answers(k, QList<TMondaiRec>(recs.begin(), recs.end()));
        const QString shown = answers.Lbl_YomiList->text();
        QVERIFY(!SchoolReadings(kanji).isEmpty());
        for (const KanjiReading& r : SchoolReadings(kanji))
            QVERIFY2(shown.contains(r.shown()), qPrintable(shown + " lacks " + r.shown()));
        for (int i = 0; i < recs.size(); ++i)
            QCOMPARE(shown.count(QChar(0x2460 + i)), 1);
        answers.show();
        // Below the last sentence, inside the window, left of the button.
        const QRect list = answers.Lbl_YomiList->geometry();
        QVERIFY(list.top() > answers.Lbl_Kotae.last()->geometry().bottom());
        QVERIFY(list.bottom() < answers.height());
        QVERIFY(list.right() < answers.Btn_Wakatta->geometry().left());
    }

    // Inside the program's window the answers cover the whole screen, the window they answer
    // hidden behind them, and their layout stands in the middle like the games'; after a quiz
    // and after a lost game alike. "わかった" / "つぎへ" clicked closes them.
    void fillTheScreenCentred_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("missed");
        for (const QSize s : {QSize(854, 480), QSize(640, 512)})
            for (bool missed : {false, true})
                QTest::newRow(qPrintable(QStringLiteral("%1x%2%3").arg(s.width()).arg(s.height())
                                             .arg(missed ? QStringLiteral(", lost game")
                                                         : QString())))
                    << s << missed;
    }
    void fillTheScreenCentred() {
        QFETCH(QSize, screen);
        QFETCH(bool, missed);
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(2);
        QVector<TMondaiRec> recs;
        QVERIFY(ReadAllMondai(k, recs));
        ProgramHostWindow host;
        host.setWindowState(Qt::WindowNoState);
        host.setGeometry(QRect(QPoint(0, 0), screen));
        host.show();
        QWidget below; // the quiz or the game the answers go with
        ShowProgramWindow(&below);
        std::unique_ptr<TF_Game_Kotae> answers(
            missed ? TF_Game_Kotae::ForMissedAnswer(k, recs.first(), &below)
                   : new TF_Game_Kotae(k, QList<TMondaiRec>(recs.begin(), recs.end()), &below));
        if (missed)
            answers->setWindowState(Qt::WindowMaximized); // as the game opens it
        Modal::setHook({});
        QRect covered, box;
        QTimer::singleShot(0, answers.get(), [&] {
            covered = QRect(answers->mapTo(&host, QPoint()), answers->size());
            if (QWidget* b = LayoutBox(answers.get()))
                box = QRect(b->mapTo(&host, QPoint()), b->size());
            QTest::mouseClick(answers->Btn_Wakatta, Qt::LeftButton);
        });
        ExecModal(answers.get());
        QCOMPARE(covered, host.rect());
        QCOMPARE(box, QRect(CentredLayoutPos(screen, QSize(640, 480)), QSize(640, 480)));
        QVERIFY(!answers->isVisible());
        // The readings list stands below the sentences, the lost game's moved one too.
        for (QWidget* l : {static_cast<QWidget*>(answers->Lbl_Yomi),
                           static_cast<QWidget*>(answers->Lbl_YomiList)})
            QVERIFY(l->geometry().top() > answers->Lbl_Kotae.last()->geometry().bottom());
    }
};

QTEST_MAIN(TestKotae)
#include "test_kotae.moc"
