// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the answer kanji without an input method: the reading table and its order, the
// conversion keys in the answer box, committing, judging, the picker and a system input method.
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/ReadingConversion.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "writing/ConversionInput.h"
#include "writing/ConversionStrip.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QtTest>

#include <memory>

using namespace GuessTest;

namespace {
QString kanjiOf(int k) { return Kanji_Tbl[k].text(); }

// Keys in a short notation: ' ' space, '~' shift+space, '#' Enter, '!' Escape, '<' Backspace,
// '^' up, '_' down, '>' right arrow; anything else is typed as it is.
void press(QWidget* w, const QString& keys)
{
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case ' ': QTest::keyClick(w, Qt::Key_Space); break;
        case '~': QTest::keyClick(w, Qt::Key_Space, Qt::ShiftModifier); break;
        case '#': QTest::keyClick(w, Qt::Key_Return); break;
        case '!': QTest::keyClick(w, Qt::Key_Escape); break;
        case '<': QTest::keyClick(w, Qt::Key_Backspace); break;
        case '^': QTest::keyClick(w, Qt::Key_Up); break;
        case '_': QTest::keyClick(w, Qt::Key_Down); break;
        case '>': QTest::keyClick(w, Qt::Key_Right); break;
        default: QTest::keyClicks(w, QString(c)); break;
        }
    }
}

// The sample data's kanji read `reading`, by kanji number, worked out from the sample table
// itself rather than from the sentence file.
QStringList sampleKanjiReading(const QString& reading)
{
    QStringList out;
    for (int k = 1; k <= SampleKanjiCount(); ++k)
        for (int i = 1; i <= SampleSentenceCount(k); ++i)
            if (SampleReading(k, i) == reading) {
                out.append(kanjiOf(k));
                break;
            }
    return out;
}

// A game 2 window of a year-`year` player, started, with the answer box open.
struct OpenGame {
    TF_Game2 g;
    ConversionInput* input = nullptr;
    explicit OpenGame(int question = 0)
    {
        g.Btn_StartClick();
        if (question > 0)
            g.Mondai_Kanji = question;
        g.Btn_kotaeClick();
        input = ConversionInput::of(g.Edt_Kotae);
    }
};
}  // namespace

class TestReadingConversion : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Midi_Count = 0;
        MessageBoxes::shown().clear();
    }

    // The order: the player's years first, then the rest, each by kanji number; no repeats.
    void candidateOrder_data()
    {
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<int>("gakunen");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> mixed{700, 300, 16, 100, 16, 460};
        QTest::newRow("year 1") << mixed << 1 << QList<int>{16, 100, 300, 460, 700};
        QTest::newRow("year 3") << mixed << 3 << QList<int>{16, 100, 300, 460, 700};
        QTest::newRow("no year") << mixed << 0 << QList<int>{16, 100, 300, 460, 700};
        QTest::newRow("year 6") << mixed << 6 << QList<int>{16, 100, 300, 460, 700};
        QTest::newRow("one kanji") << QList<int>{16} << 1 << QList<int>{16};
    }
    void candidateOrder()
    {
        QFETCH(QList<int>, added);
        QFETCH(int, gakunen);
        QFETCH(QList<int>, expected);
        TestEnv env;
        ReadingConversion table;
        for (int k : added)
            table.add(k, QStringLiteral("やま"));
        table.add(17, QStringLiteral("かわ"));
        QCOMPARE(table.candidates(QStringLiteral("やま"), gakunen), QVector<int>(expected));
        QVERIFY(table.candidates(QStringLiteral("やまい"), gakunen).isEmpty());
        QVERIFY(table.candidates(QString(), gakunen).isEmpty());
    }

    // The table read from the sentence file holds every sentence's reading for its kanji.
    void tableFromSampleFile()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        const ReadingConversion table = ReadingConversion::FromSentenceFile();
        for (int k = 1; k <= SampleKanjiCount(); ++k)
            for (int i = 1; i <= SampleSentenceCount(k); ++i)
                QVERIFY2(table.candidates(SampleReading(k, i), 1).contains(k),
                         qPrintable(SampleReading(k, i)));
        QCOMPARE(table.candidateTexts(QStringLiteral("やま"), 1).value(0), QStringLiteral("山"));
        QCOMPARE(table.candidateTexts(QStringLiteral("せん"), 1),
                 sampleKanjiReading(QStringLiteral("せん")));
    }

    // A missing sentence file leaves no candidates, and no error message.
    void missingSentenceFile()
    {
        TestEnv env;
        WriteSampleKanjiData(env);
        env.removeFile(MondaiFileName);
        const ReadingConversion table = ReadingConversion::FromSentenceFile();
        QCOMPARE(table.readingCount(), 0);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // With the shipped data, "やま" gives 山 first for a year-1 player.
    void realData()
    {
        TestEnv env(true);
        QVERIFY2(QFile::exists(env.path(MondaiFileName)),
                 "build the kanjidata target first: the program directory has no sentence file");
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        const ReadingConversion table = ReadingConversion::FromSentenceFile();
        QVERIFY(table.readingCount() > 500);
        const QStringList yama = table.candidateTexts(QStringLiteral("やま"), 1);
        QVERIFY(!yama.isEmpty());
        QCOMPARE(yama.first(), QStringLiteral("山"));
        QCOMPARE(table.candidateTexts(QStringLiteral("かわ"), 1).value(0), QStringLiteral("川"));
    }

    // In the game window with the shipped data: "yama" and a space give 山, and "回答する"
    // judges it right when 山 is the question.
    void realDataInTheWindow_data()
    {
        QTest::addColumn<int>("year");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 4") << 4;
    }
    void realDataInTheWindow()
    {
        QFETCH(int, year);
        TestEnv env;
        prepare(env, 2, year, 1);
        const QDir built(TestEnv::builtProgramDir());
        for (const QString& name : {KanjiFileName, MondaiIdxFileName, MondaiFileName}) {
            QVERIFY2(built.exists(name), "build the kanjidata target first");
            QFile::remove(env.path(name));
            QVERIFY(QFile::copy(built.filePath(name), env.path(name)));
        }
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        int yama = 0;
        for (int k = 1; k <= MaxKanji && !yama; ++k)
            if (kanjiOf(k) == QStringLiteral("山"))
                yama = k;
        QVERIFY(yama > 0);
        OpenGame o(yama);
        press(o.g.Edt_Kotae, QStringLiteral("yama "));
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("山"));
        QCOMPARE(o.input->candidateList().value(0), QStringLiteral("山"));
        o.g.Btn_kotae_Kinyu->click();
        QCOMPARE(o.g.Kekka, 1);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Verbs and adjectives typed in their dictionary form find their kanji (うつ: 打), with the
    // shipped data, as a child types them into the answer box.
    void dictionaryFormsInTheWindow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kanji");
        QTest::newRow("うつ") << QStringLiteral("utu ") << QStringLiteral("打");
        QTest::newRow("あかるい") << QStringLiteral("akarui ") << QStringLiteral("明");
        QTest::newRow("あける") << QStringLiteral("akeru ") << QStringLiteral("明");
        QTest::newRow("やすむ") << QStringLiteral("yasumu ") << QStringLiteral("休");
        QTest::newRow("うまれる") << QStringLiteral("umareru ") << QStringLiteral("生");
    }
    void dictionaryFormsInTheWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kanji);
        TestEnv env;
        prepare(env, 2, 4, 1);
        const QDir built(TestEnv::builtProgramDir());
        for (const QString& name : {KanjiFileName, MondaiIdxFileName, MondaiFileName}) {
            QVERIFY2(built.exists(name), "build the kanjidata target first");
            QFile::remove(env.path(name));
            QVERIFY(QFile::copy(built.filePath(name), env.path(name)));
        }
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        OpenGame o;
        press(o.g.Edt_Kotae, typed);
        QVERIFY2(o.input->candidateList().contains(kanji),
                 qPrintable(o.input->candidateList().join(QLatin1Char(' '))));
        // A reading the sentences do not ask as a kanji part stays out: 明 is not あきらか here
        // unless a sentence asks あき.
        const ReadingConversion table = ReadingConversion::FromSentenceFile();
        QVERIFY(table.candidateTexts(QStringLiteral("うる"), 4).indexOf(QStringLiteral("打")) < 0);
    }

    // Enter in the answer box answers as "回答する" does, once the reading is settled.
    void enterAnswers()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(1);
        press(o.g.Edt_Kotae, QStringLiteral("#"));
        QCOMPARE(o.g.Kekka, 0); // an empty box answers nothing
        o.g.Edt_Kotae->setText(kanjiOf(1));
        press(o.g.Edt_Kotae, QStringLiteral("#"));
        QCOMPARE(o.g.Kekka, 1);
    }

    // The keys in the answer box of a year-1 player (sample data).
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("composing");
        QTest::addColumn<int>("candidate");  // -1: the reading shows

        const QStringList sen = sampleKanjiReading(QStringLiteral("せん"));
        QTest::newRow("romaji becomes a reading") << "yama" << "やま" << true << -1;
        QTest::newRow("space gives yama's kanji") << "yama " << "山" << true << 0;
        QTest::newRow("enter commits the candidate") << "yama #" << "山" << false << -1;
        QTest::newRow("enter commits the reading") << "yama#" << "やま" << false << -1;
        QTest::newRow("escape returns to the reading") << "yama !" << "やま" << true << -1;
        QTest::newRow("escape twice drops the reading") << "yama !!" << "" << false << -1;
        QTest::newRow("backspace on a candidate returns") << "yama <" << "やま" << true << -1;
        QTest::newRow("backspace on a reading") << "yama<" << "や" << true << -1;
        QTest::newRow("no candidate stays as typed") << "zuzu " << "ずず" << true << -1;
        QTest::newRow("no candidate, spaces again") << "zuzu   " << "ずず" << true << -1;
        QTest::newRow("a trailing n waits") << "kan" << "かn" << true << -1;
        QTest::newRow("trailing n settles on enter") << "zun#" << "ずん" << false << -1;
        QTest::newRow("typing commits the candidate") << "yama ka" << "山か" << true << -1;
        QTest::newRow("an arrow commits") << "yama >" << "山" << false << -1;
        QTest::newRow("a digit commits") << "yama 1" << "山1" << false << -1;
        QTest::newRow("two words") << "yama #sen#" << "山せん" << false << -1;
        QTest::newRow("sen first") << "sen " << sen.value(0) << true << 0;
        QTest::newRow("sen second") << "sen  " << sen.value(1) << true << 1;
        QTest::newRow("sen third") << "sen   " << sen.value(2) << true << 2;
        QTest::newRow("sen down arrow") << "sen _" << sen.value(1) << true << 1;
        QTest::newRow("sen wraps") << "sen" + QString(sen.size() + 1, QLatin1Char(' '))
                                   << sen.value(0) << true << 0;
        QTest::newRow("sen back wraps") << "sen ~" << sen.value(sen.size() - 1) << true
                                        << int(sen.size() - 1);
        QTest::newRow("sen up arrow") << "sen  ^" << sen.value(0) << true << 0;
        QTest::newRow("sen second committed") << "sen  #" << sen.value(1) << false << -1;
        QTest::newRow("space with nothing open") << " " << " " << false << -1;
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, composing);
        QFETCH(int, candidate);
        TestEnv env;
        prepare(env, 2, 1, 1);
        QVERIFY(sampleKanjiReading(QStringLiteral("せん")).size() >= 3);
        OpenGame o;
        QVERIFY(o.input);
        press(o.g.Edt_Kotae, keys);
        QCOMPARE(o.g.Edt_Kotae->text(), text);
        QCOMPARE(o.input->composing(), composing);
        QCOMPARE(o.input->candidateIndex(), candidate);
    }

    // The question never shapes the candidates: same list, same order, whatever is asked.
    void candidatesIgnoreTheQuestion_data()
    {
        QTest::addColumn<int>("question");
        QTest::newRow("山") << 16;
        QTest::newRow("川") << 18;
        QTest::newRow("千") << 19;
        QTest::newRow("a year 3 kanji") << 300;
    }
    void candidatesIgnoreTheQuestion()
    {
        QFETCH(int, question);
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(question);
        press(o.g.Edt_Kotae, QStringLiteral("sen "));
        QCOMPARE(o.input->candidateList(), sampleKanjiReading(QStringLiteral("せん")));
        QCOMPARE(o.g.Edt_Kotae->text(), sampleKanjiReading(QStringLiteral("せん")).first());
    }

    // "回答する" judges what the box shows, committed or not.
    void judging_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("kekka");
        QTest::addColumn<QString>("message");
        QTest::newRow("committed right") << "yama #" << 1 << "";
        QTest::newRow("candidate shown, right") << "yama " << 1 << "";
        QTest::newRow("another candidate, wrong") << "sen  " << 0 << "ざんねん！ まちがいです";
        QTest::newRow("reading only, refused") << "yama" << 0 << "かんじ１文字で答えよう！";
    }
    void judging()
    {
        QFETCH(QString, keys);
        QFETCH(int, kekka);
        QFETCH(QString, message);
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);  // 山
        const int attempts = o.g.Nokori_Kaisuu;
        press(o.g.Edt_Kotae, keys);
        QVERIFY(!o.g.Btn_kotae_Kinyu->isHidden());
        o.g.Btn_kotae_Kinyu->click();
        QCOMPARE(o.g.Kekka, kekka);
        QCOMPARE(MessageBoxes::shown().value(0), message);
        QCOMPARE(o.g.Nokori_Kaisuu, attempts - (message.startsWith(QStringLiteral("ざんねん")) ? 1 : 0));
        // Whatever happened, the box holds no open reading afterwards.
        QVERIFY(!o.input->composing());
        QVERIFY(o.g.Edt_Kotae->text().isEmpty());
    }

    // After a wrong answer the box opens empty and converts again.
    void convertsAgainAfterAWrongAnswer()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        press(o.g.Edt_Kotae, QStringLiteral("sen  "));
        o.g.Btn_kotae_Kinyu->click();
        QCOMPARE(o.g.Kekka, 0);
        o.g.Btn_kotaeClick();
        QVERIFY(o.g.Edt_Kotae->text().isEmpty());
        press(o.g.Edt_Kotae, QStringLiteral("yama #"));
        o.g.Btn_kotae_Kinyu->click();
        QCOMPARE(o.g.Kekka, 1);
    }

    // The candidate picker still writes its kanji, replacing an open reading.
    void pickerStillWorks()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        press(o.g.Edt_Kotae, QStringLiteral("ka"));
        QVERIFY(o.input->composing());
        o.g.F_Kanji_Sel->lbl_Kotae->setText(QStringLiteral("山"));
        o.g.F_Kanji_Sel->Btn_EndClick();
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("山"));
        QVERIFY(!o.input->composing());
        press(o.g.Edt_Kotae, QStringLiteral("<"));  // an ordinary backspace again
        QVERIFY(o.g.Edt_Kotae->text().isEmpty());
    }

    // Text a system input method commits is taken as it comes, never converted.
    void systemInputMethod_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("text");
        QTest::newRow("kanji") << "" << "山" << "山";
        QTest::newRow("latin stays latin") << "" << "yama" << "yama";
        QTest::newRow("after an open reading") << "ka" << "山" << "か山";
        QTest::newRow("after a candidate") << "yama " << "川" << "山川";
    }
    void systemInputMethod()
    {
        QFETCH(QString, before);
        QFETCH(QString, commit);
        QFETCH(QString, text);
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        press(o.g.Edt_Kotae, before);
        QInputMethodEvent preedit(QStringLiteral("やま"), {});
        QCoreApplication::sendEvent(o.g.Edt_Kotae, &preedit);
        QInputMethodEvent done;
        done.setCommitString(commit);
        QCoreApplication::sendEvent(o.g.Edt_Kotae, &done);
        QCOMPARE(o.g.Edt_Kotae->text(), text);
        QVERIFY(!o.input->composing());
    }

    // Leaving the box settles what it shows.
    void focusOutCommits()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        press(o.g.Edt_Kotae, QStringLiteral("yama "));
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(o.g.Edt_Kotae, &out);
        QVERIFY(!o.input->composing());
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("山"));
    }

    // The strip shows the whole open reading and, while converting, the candidates and count.
    void stripShowsReadingAndCandidates_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QStringList>("contains");
        const QStringList sen = sampleKanjiReading(QStringLiteral("せん"));
        QTest::newRow("reading") << "yama" << true << QStringList{"やま"};
        QTest::newRow("candidate") << "yama " << true << QStringList{"やま", "山"};
        QTest::newRow("several") << "sen  " << true
                                 << QStringList{"せん", sen.value(0), sen.value(1),
                                                QStringLiteral("2/%1").arg(sen.size())};
        QTest::newRow("committed") << "yama #" << false << QStringList{};
        QTest::newRow("dropped") << "ya!" << false << QStringList{};
    }
    void stripShowsReadingAndCandidates()
    {
        QFETCH(QString, keys);
        QFETCH(bool, visible);
        QFETCH(QStringList, contains);
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        o.g.show();
        press(o.g.Edt_Kotae, keys);
        ConversionStrip* strip = o.input->strip();
        if (const QString shots = qEnvironmentVariable("MOJI_SHOT_DIR"); !shots.isEmpty())
            o.g.grab().save(QDir(shots).filePath(
                QStringLiteral("strip-%1.png").arg(QString::fromUtf8(QTest::currentDataTag()))));
        QCOMPARE(strip && strip->isVisible(), visible);
        for (const QString& part : contains)
            QVERIFY2(strip->text().contains(part), qPrintable(strip->text()));
        if (visible) {
            // Inside the window, not over the answer box.
            QVERIFY(o.g.rect().contains(strip->geometry()));
            QVERIFY(!strip->geometry().intersects(o.g.Edt_Kotae->geometry()));
        }
    }

    // A click on a candidate in the strip chooses it, as Enter does: the box keeps that kanji
    // and the focus, nothing stays open, and the click goes no further.
    void clickChoosesCandidate_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("clicked");
        QTest::newRow("first, first shown") << "sen " << 0;
        QTest::newRow("second, first shown") << "sen " << 1;
        QTest::newRow("first, second shown") << "sen  " << 0;
        QTest::newRow("after other text") << "yama #sen " << 1;
    }
    void clickChoosesCandidate()
    {
        QFETCH(QString, keys);
        QFETCH(int, clicked);
        TestEnv env;
        prepare(env, 2, 1, 1);
        const QStringList sen = sampleKanjiReading(QStringLiteral("せん"));
        QVERIFY(sen.size() >= 2);
        OpenGame o(16);
        o.g.show();
        QVERIFY(QTest::qWaitForWindowActive(&o.g));
        o.g.Edt_Kotae->setFocus();
        press(o.g.Edt_Kotae, keys);
        QVERIFY(o.input->converting());
        const QString before = keys.startsWith(QLatin1String("yama")) ? QStringLiteral("山") : QString();
        QLabel* label = o.input->strip()->candidateLabel(clicked);
        QVERIFY(label);
        QCOMPARE(label->text(), sen.value(clicked));
        // through the window, as the child's click arrives
        QTest::mouseClick(o.g.windowHandle(), Qt::LeftButton, {},
                          label->mapTo(&o.g, label->rect().center()));
        QVERIFY(!o.input->composing());
        QCOMPARE(o.g.Edt_Kotae->text(), before + sen.value(clicked));
        QVERIFY(!o.input->strip()->isVisible());
        QCOMPARE(QApplication::focusWidget(), o.g.Edt_Kotae);
        // typing goes on after the chosen kanji
        press(o.g.Edt_Kotae, QStringLiteral("a#"));
        QCOMPARE(o.g.Edt_Kotae->text(), before + sen.value(clicked) + QStringLiteral("あ"));
    }

    // While a reading is typed the box is wide enough to show all of it, and the strip with the
    // reading and its candidates covers neither the label above the box nor the board; the box
    // is one character wide again once the kanji is settled.
    void boxFitsTheReading_data()
    {
        QTest::addColumn<int>("game");
        QTest::newRow("game 2") << 2;
        QTest::newRow("game 3") << 3;
    }
    void boxFitsTheReading()
    {
        QFETCH(int, game);
        TestEnv env;
        prepare(env, game, 1, 1);
        std::unique_ptr<TPictureGameFrame> g;
        if (game == 2)
            g = std::make_unique<TF_Game2>();
        else
            g = std::make_unique<TF_Game3>();
        g->show();
        g->Btn_StartClick();
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        QLineEdit* box = g->Edt_Kotae;
        const int settledWidth = box->width();
        for (const QString& typed : {QStringLiteral("yamanoue"), QStringLiteral("yama ")}) {
            box->clear();
            press(box, typed);
            ConversionInput* input = ConversionInput::of(box);
            QVERIFY(input->composing());
            const int needed = QFontMetrics(box->font()).horizontalAdvance(input->shown());
            QVERIFY2(box->width() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(box->width()).arg(needed)));
            QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
            QWidget* strip = input->strip();
            QVERIFY(strip && strip->isVisible());
            QVERIFY(!strip->geometry().intersects(g->Lbl_Kotae->geometry()));
            QVERIFY(!strip->geometry().intersects(g->Image1->geometry()));
            QVERIFY(!box->geometry().intersects(g->Image1->geometry()));
            QVERIFY(box->parentWidget()->rect().contains(strip->geometry()));
            press(box, QStringLiteral("#"));
            QVERIFY(!input->composing());
            QCOMPARE(box->width(), settledWidth);
        }
    }

    // Leaving the game with the answer box emptied hides the strip.
    void stripHidesWithTheBox()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        o.g.show();
        press(o.g.Edt_Kotae, QStringLiteral("sen  "));
        o.g.Btn_kotae_Kinyu->click();  // wrong: the box is emptied and hidden
        QVERIFY(o.input->strip());
        QVERIFY(!o.input->strip()->isVisible());
    }

    // Keys arriving at the window as the system delivers them reach the conversion, and a
    // window shortcut on Escape does not take it from an open reading.
    void keysThroughTheWindow()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        int escapes = 0;
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &o.g);
        connect(shortcut, &QShortcut::activated, [&escapes] { ++escapes; });
        o.g.show();
        o.g.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&o.g));
        o.g.Edt_Kotae->setFocus(Qt::OtherFocusReason);
        QWindow* w = o.g.windowHandle();
        for (const char c : {'y', 'a', 'm', 'a'})
            QTest::keyClick(w, Qt::Key(Qt::Key_A + (c - 'a')), Qt::NoModifier);
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("やま"));
        QTest::keyClick(w, Qt::Key_Space);
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("山"));
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("やま"));
        QCOMPARE(escapes, 0);
        QTest::keyClick(w, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(o.g.Edt_Kotae->text(), QStringLiteral("山"));
        QVERIFY(!o.input->composing());
        QTest::keyClick(w, Qt::Key_Escape);  // nothing open: the window's shortcut has it
        QCOMPARE(escapes, 1);
    }

    // Games 2 and 3 both give their answer box the conversion.
    void bothGamesConvert()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        TF_Game3 g3;
        QVERIFY(ConversionInput::of(g3.Edt_Kotae));
        TF_Game2 g2;
        QVERIFY(ConversionInput::of(g2.Edt_Kotae));
    }

    // The open reading is underlined and a candidate stands out highlighted in the window.
    void looksLikeAnInputMethod()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        OpenGame o(16);
        o.g.show();
        QLineEdit* box = o.g.Edt_Kotae;
        const QColor text = box->palette().color(QPalette::Text);
        const QColor highlight = box->palette().color(QPalette::Highlight);
        // Rows holding a run of text-coloured pixels at least half the box wide.
        auto lineRows = [&](const QImage& img) {
            QSet<int> rows;
            for (int y = 0; y < img.height(); ++y) {
                int run = 0, best = 0;
                for (int x = 0; x < img.width(); ++x) {
                    run = img.pixelColor(x, y) == text ? run + 1 : 0;
                    best = std::max(best, run);
                }
                if (best >= img.width() / 2)
                    rows.insert(y);
            }
            return rows;
        };
        auto highlighted = [&](const QImage& img) {
            int hits = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    hits += img.pixelColor(x, y) == highlight ? 1 : 0;
            return hits > img.width() * img.height() / 5;
        };
        const QString shots = qEnvironmentVariable("MOJI_SHOT_DIR");
        // The same text open and then committed: only the open one is underlined.
        auto openAndCommitted = [&](const QString& keys, const QString& name) {
            box->clear();
            press(box, keys);
            const QImage open = box->grab().toImage();
            if (!shots.isEmpty())
                o.g.grab().save(QDir(shots).filePath(name));
            press(box, QStringLiteral("#"));
            const QImage committed = box->grab().toImage();
            return std::pair{open, committed};
        };

        const auto [reading, readingDone] =
            openAndCommitted(QStringLiteral("yama"), QStringLiteral("conversion-reading.png"));
        QVERIFY(!(lineRows(reading) - lineRows(readingDone)).isEmpty());
        QVERIFY(!highlighted(reading));

        const auto [candidate, candidateDone] =
            openAndCommitted(QStringLiteral("yama "), QStringLiteral("conversion-candidate.png"));
        QVERIFY(!(lineRows(candidate) - lineRows(candidateDone)).isEmpty());
        QVERIFY(highlighted(candidate));
        QVERIFY(!highlighted(candidateDone));
    }
};

QTEST_MAIN(TestReadingConversion)
#include "test_reading_conversion.moc"
