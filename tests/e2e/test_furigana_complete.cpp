// SPDX-License-Identifier: GPL-3.0-or-later
// Every window a child meets, read by a year-1 and a year-4 child, with its fields empty and then
// with something typed into them: each text of ours holding a kanji the reader has not learned
// shows its furigana, and no furigana stays on screen once the text it belongs to is hidden.
#include "aftergame/TF_Game_Kiroku.h"
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/TF_Kanji_Note.h"
#include "data/KanjiHistory.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "platform/Fonts.h"
#include "support/TestEnv.h"
#include "support/WindowWalk.h"
#include "writing/Furigana.h"
#include "writing/RubyText.h"
#include "writing/handwriting/HandwritingPad.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextDocumentFragment>
#include <QtTest>

namespace {

QString shownText(const QWidget* w) {
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        text = l->text();
        if (l->textFormat() == Qt::RichText ||
            (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        text = b->text();
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        text = g->title();
    }
    return text;
}

bool needsReading(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return IsKanji(c) && KanjiNeedsReading(c); });
}

QRect onWindow(const QWidget* w, const QWidget* window) {
    return QRect(w->mapTo(window, QPoint()), w->size());
}

// Texts whose furigana are missing, and furigana shown for no visible text.
QStringList furiganaFaults(QWidget* window) {
    QStringList faults;
    QList<QRect> ink;
    QList<QWidget*> overlays;
    for (QWidget* t : window->findChildren<QWidget*>()) {
        if (t->objectName() == QLatin1String("FuriganaOverlay")) {
            if (t->isVisibleTo(window))
                overlays << t;
            continue;
        }
        if (!t->isVisibleTo(window))
            continue;
        ink << FuriganaInk(t);
        const QString text = shownText(t);
        if (!IsNoFurigana(t) && needsReading(text) && FuriganaShown(t).isEmpty())
            faults << QStringLiteral("no furigana on %1 \"%2\"")
                          .arg(QString::fromLatin1(t->metaObject()->className()), text);
    }
    for (QWidget* o : overlays) {
        const QRect r = onWindow(o, window);
        if (std::none_of(ink.begin(), ink.end(), [&](const QRect& i) { return i.intersects(r); }))
            faults << QStringLiteral("furigana without their text at %1,%2 %3x%4")
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height());
    }
    return faults;
}

} // namespace

class TestFuriganaComplete : public QObject {
    Q_OBJECT

    int year_ = 1;
    QStringList faults_;
    int looked_ = 0;

    void look(QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ++looked_;
        for (const QString& f : furiganaFaults(w)) {
            faults_ << QStringLiteral("year %1, %2: %3").arg(year_).arg(name, f);
            qInfo().noquote() << faults_.last();
        }
    }

    // Looks at the window as it is, then again with a letter typed into every field shown.
    void lookEmptyAndFilled(QWidget* w, const QString& name) {
        look(w, name);
        bool typed = false;
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
            if (!e->isVisibleTo(w) || !e->isEnabled() || e->isReadOnly())
                continue;
            QTest::mouseClick(e, Qt::LeftButton);
            QTest::keyClicks(e, QStringLiteral("a"));
            typed = true;
        }
        if (typed)
            look(w, name + QStringLiteral(" (filled)"));
    }

  private slots:
    void initTestCase() { PrepareWindowWalk(); }

    void everyWindow_data() {
        QTest::addColumn<int>("year");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 4") << 4;
    }
    void everyWindow() {
        QFETCH(int, year);
        year_ = year;
        faults_.clear();
        looked_ = 0;
        TestEnv env(true);
        MenuPtr menu = MenuOfTwoChildren(env, year);
        QVERIFY(menu->created());
        look(menu.get(), QStringLiteral("menu before a child is picked"));
        menu->Lst_Player->setCurrentRow(0);
        menu->Lst_PlayerClick();
        QCOMPARE(FuriganaReaderYear(), year);
        look(menu.get(), QStringLiteral("menu"));
        QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
        lookEmptyAndFilled(menu.get(), QStringLiteral("registration"));
        QTest::mouseClick(menu->Btn_Tegaki, Qt::LeftButton);
        QVERIFY(menu->Pad_Tegaki);
        look(menu->Pad_Tegaki, QStringLiteral("registration's writing pad"));
        menu->Pad_Tegaki->close();
        QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
        look(menu.get(), QStringLiteral("menu again"));

        for (int game = 1; game <= 7; ++game) {
            menu->Btn_GameClick(game);
            QWidget* w = OpenGameWindow();
            QVERIFY2(w, "no game window");
            const QString name = QStringLiteral("game %1").arg(game);
            look(w, name);
            if (auto* g = qobject_cast<TPictureGameFrame*>(w)) {
                QTest::mouseClick(g->Btn_Start, Qt::LeftButton);
                look(w, name + QStringLiteral(" started"));
                if (g->Btn_kotae->isVisible()) {
                    QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
                    lookEmptyAndFilled(w, name + QStringLiteral(" answer box"));
                    if (g->Btn_Tegaki->isVisible()) {
                        QTest::mouseClick(g->Btn_Tegaki, Qt::LeftButton);
                        QVERIFY(g->Pad_Tegaki);
                        look(g->Pad_Tegaki, name + QStringLiteral(" writing pad"));
                        g->Pad_Tegaki->close();
                    }
                }
            }
            w->hide();
            delete w;
            menu->show();
        }

        const int k = Gakunen_Tbl[year].First + 2;
        Quiz_Kanji = k;
        {
            TF_Game_Shutsudai quiz;
            quiz.show();
            lookEmptyAndFilled(&quiz, QStringLiteral("quiz"));
            if (quiz.Btn_Tegaki && quiz.Btn_Tegaki->isVisible()) {
                QTest::mouseClick(quiz.Btn_Tegaki, Qt::LeftButton);
                if (quiz.Pad_Tegaki) {
                    look(quiz.Pad_Tegaki, QStringLiteral("quiz writing pad"));
                    quiz.Pad_Tegaki->close();
                }
            }
        }
        {
            QVector<TMondaiRec> recs;
            QVERIFY(ReadAllMondai(k, recs));
            TF_Game_Kotae answers(k, QList<TMondaiRec>(recs.begin(), recs.end()));
            answers.show();
            look(&answers, QStringLiteral("answers"));
        }
        {
            Cur_Game = 2;
            Last_Score = 120;
            TF_Game_Kiroku ranking;
            ranking.show();
            look(&ranking, QStringLiteral("ranking"));
        }
        {
            Cur_Game = 2;
            TF_Game_Seiseki grades;
            grades.show();
            look(&grades, QStringLiteral("grades"));
        }
        {
            // Recent answers from games whose names hold kanji, one asking the stroke count.
            KanjiHistory::add(1, k, 2, KanjiAsked::Kakusuu, false);
            KanjiHistory::add(1, k, 5, KanjiAsked::Reading, true);
            TF_Kanji_Note note(1);
            note.show();
            look(&note, QStringLiteral("notebook"));
            note.Grd_NoteClick(k);
            look(&note, QStringLiteral("notebook with a kanji"));
            QTest::mouseClick(note.Btn_Nigate, Qt::LeftButton);
            look(&note, QStringLiteral("notebook's weak kanji"));
        }

        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join(QLatin1Char('\n'))));
        QVERIFY(looked_ > 20);
    }
};

QTEST_MAIN(TestFuriganaComplete)
#include "test_furigana_complete.moc"
