// SPDX-License-Identifier: GPL-3.0-or-later
// The after-game quiz: its layout for the kanji's sentences, the checking rules, the three tries,
// the stroke-count field and leaving with "もどる".
#include "aftergame/QuizCheck.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/UpDown.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "writing/KanaTable.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
int kanjiWithSentences(int count)
{
    for (int k = 1; k <= SampleKanjiCount(); ++k)
        if (SampleSentenceCount(k) == count)
            return k;
    return 0;
}

QByteArray field20(const QString& text)
{
    QByteArray b = Cp932::fromUnicode(text);
    b.append(QByteArray(20 - b.size(), ' '));
    return b;
}

void fillRight(TF_Game_Shutsudai& quiz, int k)
{
    for (int i = 0; i < quiz.Edt_Kaitou.size(); ++i)
        quiz.Edt_Kaitou[i]->setText(SampleReading(k, i + 1));
    quiz.Edt_Kakusuu->setText(QString::number(SampleKanjiAt(k).strokes));
}

bool isRed(QLineEdit* e) { return e->palette().color(QPalette::Text).red() > 200 &&
                                  e->palette().color(QPalette::Text).green() < 100; }
}  // namespace

class TestShutsudai : public QObject {
    Q_OBJECT
private slots:
    // The stroke count must be a whole number; anything else costs no try.
    void kakusuuParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "7" << true << 7;
        QTest::newRow("blanks") << " 12 " << true << 12;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank only") << "  " << false << 0;
        QTest::newRow("letters") << "ab" << false << 0;
        QTest::newRow("full-width digit") << "７" << false << 0;
        QTest::newRow("sign") << "-1" << true << -1;
    }
    void kakusuuParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        int v = 0;
        QCOMPARE(ParseKakusuu(text, &v), ok);
        if (ok)
            QCOMPARE(v, value);
    }

    // Readings compare trimmed, byte for byte; text Shift-JIS cannot hold never matches.
    void readingMatch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("match");
        QTest::newRow("same") << "やま" << "やま" << true;
        QTest::newRow("half-width blanks") << "  やま " << "やま" << true;
        QTest::newRow("other") << "かわ" << "やま" << false;
        QTest::newRow("katakana") << "ヤマ" << "やま" << false;
        QTest::newRow("full-width blank kept") << "やま　" << "やま" << false;
        QTest::newRow("outside cp932") << QString::fromUtf8("や\xF0\x9F\x98\x80") << "や" << false;
        QTest::newRow("empty vs reading") << "" << "やま" << false;
    }
    void readingMatch()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, match);
        QCOMPARE(ReadingMatches(typed, field20(expected)), match);
    }

    // The fixed label shows the corrected warning text.
    void warningLabelText()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        QCOMPARE(quiz.Label2->text(), QStringLiteral("３回まちがえると、不合格になるよ。"));
        QCOMPARE(quiz.lbl_Kanji->text(), QString::fromUtf8(SampleKanjiAt(1).kanji));
        QVERIFY(!Quiz_Passed);
    }

    // Three sentences: three lines, three answer fields "答1. " to "答3. ", and the tab order
    // answer 1, 2, 3, stroke count, "回答する", "もどる".
    void threeSentencesLayoutAndTabOrder()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(3);
        QVERIFY(k > 0);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        QCOMPARE(quiz.Lbl_Bun.size(), 3);
        QCOMPARE(quiz.Edt_Kaitou.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(quiz.Lbl_Kaitou[i]->text(), QStringLiteral("答%1. ").arg(i + 1));
            QCOMPARE(quiz.Lbl_Bun[i][0]->text(), QStringLiteral("%1) ").arg(i + 1));
            QCOMPARE(quiz.Lbl_Bun[i][2]->text(), QString::fromUtf8(SampleKanjiAt(k).kanji));
            QCOMPARE(quiz.Lbl_Bun[i][1]->text(), QStringLiteral("れい%1の").arg(i + 1));
            // each line stands 5 pixels below the previous one, its parts side by side
            if (i > 0)
                QCOMPARE(quiz.Lbl_Bun[i][0]->y(), quiz.Lbl_Bun[i - 1][0]->geometry().bottom() + 6);
            QCOMPARE(quiz.Lbl_Bun[i][1]->x(), quiz.Lbl_Bun[i][0]->geometry().right() + 1);
        }
        QCOMPARE(quiz.Lbl_Bun[0][0]->x(), quiz.Lbl_Mondai1->x() + 10);
        // the hiragana table never covers the sentences
        QVERIFY(quiz.Kana_Table->y() > quiz.Lbl_Bun.last()[0]->geometry().bottom());
        QVERIFY(quiz.Kana_Table->geometry().right() < 640);

        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        QCOMPARE(QApplication::focusWidget(), quiz.Edt_Kaitou[0]);
        const QList<QWidget*> order = {quiz.Edt_Kaitou[1], quiz.Edt_Kaitou[2], quiz.Edt_Kakusuu,
                                       quiz.Btn_kotae_Kinyu, quiz.Btn_Close};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Five sentences still fit the window, with the error line under the last answer field.
    void fiveSentencesFit()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        // Give kanji 1 five sentences by pointing its index at five records.
        Mondai_Idx[1].Count = 5;
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        QCOMPARE(quiz.Edt_Kaitou.size(), 5);
        QVERIFY2(quiz.Lbl_err_Msg->geometry().bottom() < 480, qPrintable(QString::number(quiz.Lbl_err_Msg->geometry().bottom())));
        QCOMPARE(quiz.Lbl_err_Msg->x(), quiz.Edt_Kaitou[0]->x());
        QVERIFY(quiz.Kana_Table->y() > quiz.Lbl_Bun.last()[0]->geometry().bottom());
        QVERIFY(quiz.Kana_Table->geometry().bottom() < quiz.Btn_kotae_Kinyu->y());
    }

    // A right answer passes at once.
    void rightAnswerPasses()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(2);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        fillRight(quiz, k);
        quiz.Edt_Kaitou[0]->setText(QStringLiteral(" ") + SampleReading(k, 1) + QStringLiteral("  "));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(Quiz_Passed);
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("おめでとう！ 合格です。")});
        QCOMPARE(quiz.result(), int(QDialog::Accepted));
    }

    // Enter in a reading field or in the stroke count answers as "回答する" does.
    void enterAnswers_data()
    {
        QTest::addColumn<int>("field"); // -1: the stroke count
        QTest::newRow("first reading") << 0;
        QTest::newRow("last reading") << 1;
        QTest::newRow("stroke count") << -1;
    }
    void enterAnswers()
    {
        QFETCH(int, field);
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(2);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        fillRight(quiz, k);
        QLineEdit* e = field < 0 ? quiz.Edt_Kakusuu : quiz.Edt_Kaitou[field];
        QTest::keyClick(e, Qt::Key_Return);
        QVERIFY(Quiz_Passed);
        QCOMPARE(quiz.result(), int(QDialog::Accepted));
    }

    // A wrong reading in sentence 2 only turns field 2 red; typing or clicking turns it black.
    void wrongFieldTurnsRed()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(3);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        fillRight(quiz, k);
        quiz.Edt_Kaitou[1]->setText(QStringLiteral("ちがう"));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(!Quiz_Passed);
        QVERIFY(!isRed(quiz.Edt_Kaitou[0]));
        QVERIFY(isRed(quiz.Edt_Kaitou[1]));
        QVERIFY(!isRed(quiz.Edt_Kaitou[2]));
        QVERIFY(!isRed(quiz.Edt_Kakusuu));
        QVERIFY(quiz.Lbl_err_Msg->isVisible());
        QCOMPARE(QApplication::focusWidget(), quiz.Edt_Kaitou[0]);
        QTest::mouseClick(quiz.Edt_Kaitou[1], Qt::LeftButton);
        QVERIFY(!isRed(quiz.Edt_Kaitou[1]));

        quiz.Edt_Kaitou[2]->setText(QStringLiteral("ちがう"));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(isRed(quiz.Edt_Kaitou[2]));
        QTest::keyClicks(quiz.Edt_Kaitou[2], QStringLiteral("a"));
        QVERIFY(!isRed(quiz.Edt_Kaitou[2]));
    }

    // Keys that change nothing (Tab, Shift, arrows, Home, End) leave the red marks, so a child
    // can tab through the fields to find its mistakes; only a click or a change clears them.
    void keysKeepRedMarks()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(3);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        fillRight(quiz, k);
        quiz.Edt_Kaitou[0]->setText(QStringLiteral("ちがう"));
        quiz.Edt_Kaitou[2]->setText(QStringLiteral("ちがう"));
        quiz.Edt_Kakusuu->setText(QStringLiteral("25"));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(isRed(quiz.Edt_Kaitou[0]));
        QVERIFY(isRed(quiz.Edt_Kaitou[2]));
        QVERIFY(isRed(quiz.Edt_Kakusuu));
        QCOMPARE(QApplication::focusWidget(), quiz.Edt_Kaitou[0]);
        const Qt::Key quiet[] = {Qt::Key_Shift, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                 Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
        for (QLineEdit* e : {quiz.Edt_Kaitou[0], quiz.Edt_Kaitou[1], quiz.Edt_Kaitou[2],
                             quiz.Edt_Kakusuu}) {
            QCOMPARE(QApplication::focusWidget(), e);
            for (Qt::Key key : quiet)
                QTest::keyClick(QApplication::focusWidget(), key);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), quiz.Edt_Kakusuu);
        QVERIFY(isRed(quiz.Edt_Kaitou[0]));
        QVERIFY(!isRed(quiz.Edt_Kaitou[1]));
        QVERIFY(isRed(quiz.Edt_Kaitou[2]));
        QVERIFY(isRed(quiz.Edt_Kakusuu));
        QTest::mouseClick(quiz.Edt_Kakusuu, Qt::LeftButton);
        QVERIFY(!isRed(quiz.Edt_Kakusuu));
        QVERIFY(isRed(quiz.Edt_Kaitou[2]));
        QTest::keyClick(quiz.Edt_Kaitou[2], Qt::Key_Backspace);
        QVERIFY(!isRed(quiz.Edt_Kaitou[2]));
        QVERIFY(isRed(quiz.Edt_Kaitou[0]));
    }

    // A wrong stroke count turns its field red; changing it turns it black.
    void wrongKakusuuTurnsRed()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        fillRight(quiz, 1);
        quiz.Edt_Kakusuu->setText(QStringLiteral("9"));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(isRed(quiz.Edt_Kakusuu));
        QVERIFY(!isRed(quiz.Edt_Kaitou[0]));
        quiz.UD_Kakusuu->stepUp();
        QCOMPARE(quiz.Edt_Kakusuu->text(), QStringLiteral("10"));
        QVERIFY(!isRed(quiz.Edt_Kakusuu));
    }

    // Three wrong tries: "ざんねん！ はずれです" three times, then "また、チャレンジしてね。".
    void threeWrongTriesFail()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        quiz.Edt_Kakusuu->setText(QStringLiteral("3"));
        for (int t = 0; t < 3; ++t)
            quiz.Btn_kotae_KinyuClick();
        const QString miss = QStringLiteral("ざんねん！ はずれです");
        QCOMPARE(MessageBoxes::shown(),
                 (QStringList{miss, miss, miss, QStringLiteral("また、チャレンジしてね。")}));
        QVERIFY(!Quiz_Passed);
        QCOMPARE(quiz.result(), int(QDialog::Rejected));
        QCOMPARE(quiz.tries(), 3);
    }

    // A right answer on the third try passes with only the pass message after the misses.
    void rightOnThirdTry()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        quiz.Edt_Kakusuu->setText(QStringLiteral("3"));
        quiz.Btn_kotae_KinyuClick();
        quiz.Btn_kotae_KinyuClick();
        fillRight(quiz, 1);
        quiz.Btn_kotae_KinyuClick();
        const QString miss = QStringLiteral("ざんねん！ はずれです");
        QCOMPARE(MessageBoxes::shown(),
                 (QStringList{miss, miss, QStringLiteral("おめでとう！ 合格です。")}));
        QVERIFY(Quiz_Passed);
    }

    // An empty stroke count shows the whole-number message and uses up no try.
    void emptyKakusuuCostsNothing()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        fillRight(quiz, 1);
        quiz.Edt_Kakusuu->clear();
        quiz.Btn_kotae_KinyuClick();
        quiz.Btn_kotae_KinyuClick();
        quiz.Btn_kotae_KinyuClick();
        QCOMPARE(quiz.tries(), 0);
        QCOMPARE(MessageBoxes::shown().size(), 3);
        QCOMPARE(MessageBoxes::shown().first(),
                 QStringLiteral("画数には、半角数字の整数を入れてください。"));
        QVERIFY(!Quiz_Passed);
    }

    // An answer with a character Shift-JIS cannot hold is simply wrong.
    void unencodableAnswerIsWrong()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        fillRight(quiz, 1);
        quiz.Edt_Kaitou[0]->setText(SampleReading(1, 1) + QString::fromUtf8("\xF0\x9F\x90\xB1"));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(!Quiz_Passed);
        QVERIFY(isRed(quiz.Edt_Kaitou[0]));
        QCOMPARE(quiz.tries(), 1);
    }

    // "もどる" asks first; only yes closes, and the quiz is not passed.
    void closeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes") << int(MsgAnswer::Yes) << true;
        QTest::newRow("no") << int(MsgAnswer::No) << false;
        QTest::newRow("cancel") << int(MsgAnswer::Cancel) << false;
    }
    void closeAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        TestEnv env;
        WriteSampleKanjiData(env);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        quiz.show();
        MessageBoxes::queueAnswer(static_cast<MsgAnswer>(answer));
        quiz.Btn_CloseClick();
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("このまま終わるとゲームの結果が記ろくされません。"
                                            "終わってもよいですか？")});
        QCOMPARE(quiz.isVisible(), !closes);
        QVERIFY(!Quiz_Passed);
    }

    // Esc (from the window or an answer field) and closing the window ask as "もどる" does;
    // only yes leaves, and the quiz is not passed.
    void otherWaysOutAsk_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        for (const char* way : {"esc", "esc in field", "close"}) {
            QTest::addRow("%s, yes", way) << QString::fromLatin1(way) << int(MsgAnswer::Yes) << true;
            QTest::addRow("%s, no", way) << QString::fromLatin1(way) << int(MsgAnswer::No) << false;
            QTest::addRow("%s, cancel", way)
                << QString::fromLatin1(way) << int(MsgAnswer::Cancel) << false;
        }
    }
    void otherWaysOutAsk()
    {
        QFETCH(QString, way);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(2);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        fillRight(quiz, k);
        MessageBoxes::queueAnswer(static_cast<MsgAnswer>(answer));
        if (way == QLatin1String("esc"))
            QTest::keyClick(&quiz, Qt::Key_Escape);
        else if (way == QLatin1String("esc in field"))
            QTest::keyClick(quiz.Edt_Kaitou[1], Qt::Key_Escape);
        else
            QVERIFY(quiz.close() == closes);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("このまま終わるとゲームの結果が記ろくされません。"
                                            "終わってもよいですか？")});
        QCOMPARE(quiz.isVisible(), !closes);
        QCOMPARE(quiz.result(), int(QDialog::Rejected));
        QVERIFY(!Quiz_Passed);
        if (!closes) {
            // still answering: the right answers pass
            quiz.Btn_kotae_KinyuClick();
            QVERIFY(Quiz_Passed);
            QVERIFY(!quiz.isVisible());
        }
    }

    // The child can pass with the mouse alone: the hiragana table and the up-down arrows.
    void passWithMouseOnly()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const int k = kanjiWithSentences(2);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        for (int i = 0; i < quiz.Edt_Kaitou.size(); ++i) {
            QTest::mouseClick(quiz.Edt_Kaitou[i], Qt::LeftButton);
            for (QChar c : SampleReading(k, i + 1)) {
                QToolButton* key = quiz.Kana_Table->keyButton(QString(c));
                QVERIFY2(key, qPrintable(QString(c)));
                QTest::mouseClick(key, Qt::LeftButton);
            }
        }
        for (int s = 0; s < SampleKanjiAt(k).strokes; ++s)
            quiz.UD_Kakusuu->stepUp();
        QTest::mouseClick(quiz.Btn_kotae_Kinyu, Qt::LeftButton);
        QVERIFY(Quiz_Passed);
    }

    // A kanji without any sentence asks only for the stroke count, and nothing ends.
    void kanjiWithoutSentences()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        Mondai_Idx[5] = {};
        Quiz_Kanji = 5;
        TF_Game_Shutsudai quiz;
        QVERIFY(quiz.loaded());
        QVERIFY(quiz.Edt_Kaitou.isEmpty());
        QVERIFY(!ProgramEnd::requested());
        quiz.Edt_Kakusuu->setText(QString::number(SampleKanjiAt(5).strokes));
        quiz.Btn_kotae_KinyuClick();
        QVERIFY(Quiz_Passed);
    }

    // Without "Mondai1.dat" the quiz reports the file and the program ends.
    void missingSentenceFile()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        env.removeFile(MondaiFileName);
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        QVERIFY(!quiz.loaded());
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("Mondai1.datでエラーがおこりました。 ")});
        QVERIFY(ProgramEnd::requested());
    }
};

QTEST_MAIN(TestShutsudai)
#include "test_shutsudai.moc"
