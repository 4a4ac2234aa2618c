// SPDX-License-Identifier: GPL-3.0-or-later
// Every window with the program's own texts, read by a year-1 and a year-4 child: the furigana
// they show overlap no other control and no other furigana, and none is cut by its window.
// MOJI_SHOTS=<folder> keeps a picture of each screen for a look by eye; MOJI_SHOT_SCALE=2 (a
// 1280x1024 screen) or 2.25 (1920x1080) draws them as the program does on that screen.
#include "aftergame/TF_Game_Kiroku.h"
#include "aftergame/TF_Game_Kotae.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "platform/DisplayModes.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/HelpFile.h"
#include "platform/MessageDialog.h"
#include "writing/RubyText.h"
#include "support/TestEnv.h"
#include "support/WindowWalk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

QRect textRect(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (!l->pixmap().isNull())
            return l->geometry();
        if (l->text().isEmpty())
            return {};
        const QRect r =
            QFontMetrics(l->font()).boundingRect(l->contentsRect(), int(l->alignment()), l->text());
        return r.translated(l->pos());
    }
    return w->geometry();
}

// Problems with the furigana shown in a window: overlaps and cuts.
QStringList furiganaProblems(QWidget* window, int* annotated) {
    QStringList problems;
    QList<QPair<QRect, const QWidget*>> allInk;
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    auto onWindow = [window](const QWidget* w, const QRect& inParent) {
        return w->parentWidget()
                   ? QRect(w->parentWidget()->mapTo(window, inParent.topLeft()), inParent.size())
                   : inParent;
    };
    for (QWidget* t : all) {
        if (!t->isVisibleTo(window))
            continue;
        const QList<QRect> ink = FuriganaInk(t);
        if (ink.isEmpty())
            continue;
        ++*annotated;
        const QString name = QStringLiteral("\"%1\"").arg(FuriganaShown(t));
        const QRect targetRect = onWindow(t, t->geometry());
        for (const QRect& r : ink) {
            if (!window->rect().contains(r))
                problems << name + QStringLiteral(" is cut by the window");
            for (const auto& other : allInk)
                if (other.first.intersects(r) && other.second != t)
                    problems << name + QStringLiteral(" runs into the furigana of another text");
            allInk << qMakePair(r, static_cast<const QWidget*>(t));
            for (QWidget* s : all) {
                if (s == t || !s->isVisibleTo(window) ||
                    s->objectName() == QLatin1String("FuriganaOverlay") || s->isAncestorOf(t) ||
                    t->isAncestorOf(s) || onWindow(s, s->geometry()).contains(targetRect))
                    continue; // the text itself, or a panel behind it
                const QRect sr = onWindow(s, textRect(s));
                if (sr.intersects(r))
                    problems << name + QStringLiteral(" overlaps %1 \"%2\" at %3,%4 %5x%6")
                                           .arg(QString::fromLatin1(s->metaObject()->className()))
                                           .arg(s->objectName())
                                           .arg(sr.x())
                                           .arg(sr.y())
                                           .arg(sr.width())
                                           .arg(sr.height());
            }
        }
    }
    return problems;
}

} // namespace

class TestFuriganaScreens : public QObject {
    Q_OBJECT

    int year_ = 1;
    QStringList problems_;
    int annotated_ = 0;

    void look(QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        int count = 0;
        const QStringList p = furiganaProblems(w, &count);
        annotated_ += count;
        for (const QString& s : p) {
            problems_ << QStringLiteral("year %1, %2: %3").arg(year_).arg(name, s);
            qInfo().noquote() << problems_.last();
        }
        const QString dir = qEnvironmentVariable("MOJI_SHOTS");
        if (!dir.isEmpty())
            w->grab().save(QStringLiteral("%1/y%2-%3.png").arg(dir).arg(year_).arg(name));
    }

  private slots:
    void initTestCase() {
        if (const double scale = qEnvironmentVariable("MOJI_SHOT_SCALE").toDouble(); scale > 0)
            ApplyGlobalScaleFactor(scale);
        PrepareWindowWalk();
    }

    void everyWindow_data() {
        QTest::addColumn<int>("year");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 4") << 4;
    }
    void everyWindow() {
        QFETCH(int, year);
        year_ = year;
        problems_.clear();
        annotated_ = 0;
        TestEnv env(true);
        MenuPtr menu = MenuOfTwoChildren(env, year);
        QVERIFY(menu->created());
        look(menu.get(), QStringLiteral("menu-noplayer"));
        menu->Lst_Player->setCurrentRow(0);
        menu->Lst_PlayerClick();
        QCOMPARE(FuriganaReaderYear(), year);
        look(menu.get(), QStringLiteral("menu"));
        menu->Btn_TourokuClick();
        look(menu.get(), QStringLiteral("menu-touroku"));
        menu->Btn_TourokuClick();

        for (int game = 1; game <= 7; ++game) {
            menu->Btn_GameClick(game);
            QWidget* w = OpenGameWindow();
            QVERIFY2(w, "no game window");
            look(w, QStringLiteral("game%1").arg(game));
            if (auto* g = qobject_cast<TPictureGameFrame*>(w)) {
                g->Btn_StartClick();
                look(w, QStringLiteral("game%1-started").arg(game));
                if (g->F_Kanji_Sel) {
                    g->Btn_KouhoClick();
                    g->F_Kanji_Sel->Grd_KanjiSelectCell(1, 2);
                    look(g->F_Kanji_Sel, QStringLiteral("game%1-picker").arg(game));
                    g->F_Kanji_Sel->Grd_KanjiSelectCell(
                        g->F_Kanji_Sel->Grd_Kanji->columnCount() - 2, 2);
                    look(g->F_Kanji_Sel, QStringLiteral("game%1-picker-right").arg(game));
                    g->F_Kanji_Sel->hide();
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
            look(&quiz, QStringLiteral("quiz"));
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
        for (int game : {0, 2}) {
            Cur_Game = static_cast<std::int16_t>(game);
            TF_Game_Seiseki grades;
            grades.show();
            look(&grades, QStringLiteral("grades%1").arg(game));
            if (game == 0) {
                grades.Btn_HyoujiClick();
                QCOMPARE(FuriganaReaderYear(), 1); // the all-players view reads as year 1
                look(&grades, QStringLiteral("grades-all"));
            }
        }
        QCOMPARE(FuriganaReaderYear(), year);
        {
            MessageDialog box(
                MessageDialog::Question, QStringLiteral("もじまる"),
                QStringLiteral(
                    "このまま終わるとゲームの結果が記ろくされません。終わってもよいですか？"),
                nullptr);
            box.addButton(QStringLiteral("はい"));
            box.addButton(QStringLiteral("いいえ"));
            box.show();
            look(&box, QStringLiteral("message"));
        }
        ShowHelp(menu.get(), 31);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("HelpWindow") && w->isVisible()) {
                look(w, QStringLiteral("help"));
                w->close();
            }

        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));
        // Year 1 reads few kanji: many texts carry furigana. Year 4 still meets some.
        QVERIFY2(annotated_ > (year == 1 ? 40 : 3), qPrintable(QString::number(annotated_)));
    }
};

QTEST_MAIN(TestFuriganaScreens)
#include "test_furigana_screens.moc"
