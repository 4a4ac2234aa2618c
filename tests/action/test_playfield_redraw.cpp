// SPDX-License-Identifier: GPL-3.0-or-later
// The action games redraw only where their moving items were and are, 60 times a second: what
// the window shows after many such redraws is exactly what a whole repaint of the same moment
// shows (no trail, no cut character), at a fractional screen scale, and the redraws cover far
// less than the playfield.
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ImageView.h"
#include "games/action/MoleBoard.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "platform/Clock.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <qpa/qplatformbackingstore.h>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QtTest>

namespace {
void prepare(const TestEnv& env, int game)
{
    WriteSampleKanjiData(env);
    Player_Count = 1;
    TPlayerRec& p = Player_Tbl[1];
    p.No = 1;
    p.Name.setSjis("taro");
    p.Gakunen = 2;
    p.Level[game] = 6;
    Cur_Player = 1;
    Midi_Count = 1;
    StartGame(game);
    Modal::setHook([](QDialog*) { return 0; });
}

// The area of every paint of a control.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QWidget* w) { w->installEventFilter(this); }
    qint64 area = 0;
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                area += qint64(r.width()) * r.height();
        }
        return false;
    }
};

// The playfield as the window shows it: its part of the window's backing store.
QImage shown(ActionGameWindow* w)
{
    QCoreApplication::processEvents();
    const QImage all = w->backingStore()->handle()->toImage();
    const qreal s = w->devicePixelRatio();
    const QRect r(w->Img1->mapTo(w, QPoint(0, 0)) * s, w->Img1->size() * s);
    return all.copy(r);
}

// Plays `ms` of game time as the program does: the rules' timer every `tickMs`, the display timer
// every 16 ms, each drawing before the next. Stops early when the game ends.
void play(ActionGameWindow* w, int ms, int tickMs, const std::function<void()>& tick)
{
    int sinceTick = 0;
    for (int t = 0; t < ms && w->running(); t += 8) {
        Clock::advanceMs(8);
        sinceTick += 8;
        if (sinceTick >= tickMs) {
            sinceTick = 0;
            tick();
        }
        if (t % 16 == 8)
            w->displayTimerTimer();
        QCoreApplication::processEvents();
    }
}

// The window's timers are driven by the test alone.
void holdTimers(ActionGameWindow* w)
{
    w->Timer1->stop();
    w->displayTimer->stop();
}

// The display timer shows the moment; a whole repaint of that moment must look the same.
void compareWithWholeRepaint(ActionGameWindow* w)
{
    w->displayTimerTimer();
    const QImage incremental = shown(w);
    w->Img1->repaint();
    const QImage whole = shown(w);
    QVERIFY(!incremental.isNull());
    QCOMPARE(incremental.size(), whole.size());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differing += incremental.pixel(x, y) != whole.pixel(x, y);
    QCOMPARE(differing, 0);
}

// A game window shown on the screen.
template <class Window>
Window* openGame(const TestEnv& env, int game)
{
    prepare(env, game);
    auto* w = new Window();
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

// Six rounds of 700 ms, each steered first and compared with a whole repaint after; the redraws
// between the compares (whose own repaints are whole ones) cover under a third of the playfield.
void playComparing(ActionGameWindow* w, const std::function<void(int)>& steer,
                   const std::function<void()>& tick)
{
    constexpr int Rounds = 6;
    PaintLog log(w->Img1);
    for (int round = 0; round < Rounds; ++round) {
        QVERIFY(w->running());
        steer(round);
        play(w, 700, 30, tick);
        compareWithWholeRepaint(w);
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 field = qint64(w->Img1->width()) * w->Img1->height();
    const qint64 redraws = log.paints - Rounds;
    QVERIFY(redraws > 200);
    const qint64 area = log.area - Rounds * field;
    QVERIFY2(area < redraws * field / 3,
             qPrintable(QStringLiteral("%1 of %2").arg(area).arg(redraws * field)));
}
}  // namespace

class TestPlayfieldRedraw : public QObject {
    Q_OBJECT

  private slots:
    void shootDown()
    {
        TestEnv env(true);
        auto* w = openGame<TF_Game5>(env, 5);
        QVERIFY(w);
        QVERIFY(w->devicePixelRatio() > 2 && w->devicePixelRatio() < 2.5);
        w->TBar_Speed->setValue(5);
        w->Btn_StartClick();
        holdTimers(w);
        w->game().setHeld(HeldControl::Fire);
        play(w, 500, 30, [w] { w->Timer1Timer(); });
        playComparing(
            w,
            [w](int round) {
                w->game().setHeld(round % 2 ? HeldControl::Left : HeldControl::Right);
            },
            [w] {
                w->game().p.bombLimit = 0; // the launcher is never hit: the game goes on
                w->Timer1Timer();
            });
        w->Cancel();
    }

    void catcher()
    {
        TestEnv env(true);
        auto* w = openGame<TF_Game7>(env, 7);
        QVERIFY(w);
        w->TBar_Speed->setValue(5);
        w->Btn_StartClick();
        holdTimers(w);
        playComparing(
            w,
            [w](int round) {
                w->game().held = round % 2 ? CatcherControl::Left : CatcherControl::Right;
            },
            [w] { w->Timer1Timer(); });
        w->Cancel();
    }

    // Characters rise and sink in the holes; a click's hit picture stays until the next tick.
    void moles()
    {
        TestEnv env(true);
        auto* w = openGame<TF_Game6>(env, 6);
        QVERIFY(w);
        w->TBar_Speed->setValue(15);
        w->Btn_StartClick();
        const int tickMs = w->Timer1->interval();
        holdTimers(w);
        int hits = 0;
        for (int round = 0; round < 8 && w->running(); ++round) {
            play(w, 3 * tickMs + 40, tickMs, [w] { w->Timer1Timer(); });
            const MoleBoard& b = w->board();
            for (int c = 1; c <= 5 && hits <= round; ++c)
                for (int r = 1; r <= 5 && hits <= round; ++r)
                    if (b.holes[c][r].state == 3) {
                        QTest::mouseClick(w->Img1, Qt::LeftButton, {},
                                          QPoint(72 * (c - 1) + 36, 72 * (r - 1) + 40));
                        ++hits;
                    }
            compareWithWholeRepaint(w);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(hits > 0);
        w->Cancel();
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2.25");
    QApplication app(argc, argv);
    TestPlayfieldRedraw t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_playfield_redraw.moc"
