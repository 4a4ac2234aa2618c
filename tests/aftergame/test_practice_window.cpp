// SPDX-License-Identifier: GPL-3.0-or-later
// The writing practice: whole kanji written through the real mouse, touch and pen event paths in
// the writing steps, each stroke judged at the pen's lift; wrong strokes shown, help after two
// misses, and the history rows every written kanji leaves. Nothing ever holds the child up.
#include "aftergame/practice/ModelView.h"
#include "aftergame/practice/PracticePad.h"
#include "aftergame/practice/PracticeTexts.h"
#include "aftergame/practice/SentenceBox.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/KanjiHistory.h"
#include "data/KanjiNoteRules.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "data/ErrorReports.h"
#include "writing/strokes/StrokeStore.h"
#include "platform/Cp932.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {
enum class Input { Mouse, Touch, Pen };

int numberOf(const QString& kanji) {
    for (int k = 1; k <= MaxKanji; ++k)
        if (Kanji_Tbl[k].text() == kanji)
            return k;
    return 0;
}

// The model strokes the window draws, from the program's own stroke data.
ModelStrokes modelOf(const QString& kanji) {
    ModelStrokes out;
    const StrokeStore* store = SharedStrokeStore(nullptr);
    if (const CharStrokes* c = store ? store->find(kanji) : nullptr)
        for (const StrokePath& s : c->strokes)
            out << QPolygonF(s);
    return out;
}

QPoint onPad(const QWidget* pad, QPointF inkPoint) {
    const double k = std::min(pad->width(), pad->height()) / InkBox;
    return (inkPoint * k).toPoint();
}

// A model stroke as a child writes it: in the ink box, a little off the line, start to end.
Stroke childStroke(const QPolygonF& model, double wobble = 6.0, bool backwards = false) {
    Stroke s;
    const QPolygonF dense = [&] {
        QPolygonF out;
        for (int i = 0; i <= 20; ++i)
            out << StrokePart(model, i / 20.0).back();
        return out;
    }();
    for (int i = 0; i < dense.size(); ++i) {
        const QPointF p = dense[backwards ? dense.size() - 1 - i : i] * (InkBox / ModelBox);
        s << p + QPointF(wobble * std::sin(i * 1.7), wobble * std::cos(i * 2.3));
    }
    return s;
}

void penEvent(QWidget* w, QPoint at, Qt::MouseButtons buttons, qreal pressure) {
    static QPointingDevice* pen = [] {
        auto* d = new QPointingDevice(QStringLiteral("test pen"), 4242,
                                      QInputDevice::DeviceType::Stylus,
                                      QPointingDevice::PointerType::Pen,
                                      QInputDevice::Capability::Position |
                                          QInputDevice::Capability::Pressure,
                                      1, 3);
        QWindowSystemInterface::registerInputDevice(d);
        return d;
    }();
    QWindow* window = w->window()->windowHandle();
    const QPointF local = w->mapTo(w->window(), QPointF(at));
    QWindowSystemInterface::handleTabletEvent(window, pen, local, window->mapToGlobal(local),
                                              buttons, pressure, 0, 0, 0, 0, 0);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// One stroke on the pad through the input's own event path.
void writeStroke(QWidget* pad, const Stroke& s, Input input) {
    static QPointingDevice* screen = QTest::createTouchDevice();
    switch (input) {
    case Input::Mouse:
        QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, onPad(pad, s.front()));
        for (int i = 1; i < s.size(); ++i)
            QTest::mouseMove(pad, onPad(pad, s[i]));
        QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, onPad(pad, s.back()));
        break;
    case Input::Touch:
        QTest::touchEvent(pad, screen).press(0, onPad(pad, s.front()), pad);
        for (int i = 1; i < s.size(); ++i)
            QTest::touchEvent(pad, screen).move(0, onPad(pad, s[i]), pad);
        QTest::touchEvent(pad, screen).release(0, onPad(pad, s.back()), pad);
        break;
    case Input::Pen:
        penEvent(pad, onPad(pad, s.front()), Qt::LeftButton, 0.6);
        for (int i = 1; i < s.size(); ++i)
            penEvent(pad, onPad(pad, s[i]), Qt::LeftButton, 0.6);
        penEvent(pad, onPad(pad, s.back()), Qt::NoButton, 0);
        break;
    }
}

// The message as one line: the window breaks it between words, dropping the space there.
QString said(const TF_Kaki_Renshuu& w) {
    QString out;
    for (const QString& line : w.Lbl_Message->text().split(QLatin1Char('\n'))) {
        if (!out.isEmpty() && !out.endsWith(QChar(0x3002)) && !out.endsWith(QChar(0xFF01)))
            out += QLatin1Char(' ');
        out += line;
    }
    return out;
}

QList<HistoryAnswer> history() {
    return KanjiHistory::answersOf(1);
}

// A child registered as player 1 in year 1, the sample kanji, the built stroke data and sounds.
struct PracticeEnv {
    TestEnv env{true};
    PracticeEnv() {
        ForgetSharedStrokeStore();
        WriteSampleKanjiData(env);
        Player_Count = 1;
        Player_Tbl[1].No = 1;
        Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(QStringLiteral("たろう")));
        Player_Tbl[1].Gakunen = 1;
        Cur_Player = 1;
    }
};

void openStep(TF_Kaki_Renshuu& w, PracticeStep step) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.Btn_Step[int(step)], Qt::LeftButton);
    QCOMPARE(w.step(), step);
}
} // namespace

Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(PracticeStep)

class TestPracticeWindow : public QObject {
    Q_OBJECT
  private slots:
    // Every stroke written right, in order, by each input in each writing step: each snaps into
    // clean ink with the soft sound, the kanji is done without help, and one history row says
    // what was asked and that it was right.
    void wholeKanjiRight_data() {
        QTest::addColumn<Input>("input");
        QTest::addColumn<PracticeStep>("step");
        QTest::addColumn<QString>("kanji");
        QTest::addColumn<int>("asked");
        const struct {
            const char* name;
            Input input;
        } inputs[] = {{"mouse", Input::Mouse}, {"touch", Input::Touch}, {"pen", Input::Pen}};
        for (const auto& in : inputs) {
            QTest::addRow("%s traces 山", in.name)
                << in.input << PracticeStep::Nazoru << QStringLiteral("山") << int(KanjiAsked::Traced);
            QTest::addRow("%s copies 木", in.name)
                << in.input << PracticeStep::Utsusu << QStringLiteral("木") << int(KanjiAsked::Copied);
            QTest::addRow("%s writes 右 from memory", in.name)
                << in.input << PracticeStep::Oboete << QStringLiteral("右") << int(KanjiAsked::FromMemory);
        }
    }
    void wholeKanjiRight() {
        QFETCH(Input, input);
        QFETCH(PracticeStep, step);
        QFETCH(QString, kanji);
        QFETCH(int, asked);
        PracticeEnv pe;
        const int k = numberOf(kanji);
        QVERIFY(k > 0);
        TF_Kaki_Renshuu w(1, {k});
        QVERIFY2(w.hasModel(), qPrintable(MessageBoxes::shown().join(QLatin1Char('|'))));
        openStep(w, step);
        const ModelStrokes model = modelOf(kanji);
        for (int i = 0; i < model.size(); ++i) {
            writeStroke(w.Pad_Kaku, childStroke(model[i]), input);
            QVERIFY2(w.run().isWritten(i), qPrintable(QStringLiteral("stroke %1: %2")
                                                              .arg(i + 1)
                                                              .arg(said(w))));
            QVERIFY(w.Pad_Kaku->ink().isEmpty()); // the raw ink gave way to the clean stroke
            QCOMPARE(w.Pad_Kaku->cleanCount(), i + 1);
        }
        QVERIFY(w.run().finished());
        QVERIFY(!w.run().helped());
        QCOMPARE(said(w), KanjiDoneMessage(false));
        QCOMPARE(MediaPlayers::log().count(QStringLiteral("play Kaku.wav")), model.size());
        const QList<HistoryAnswer> rows = history();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].kanji, k);
        QCOMPARE(rows[0].game, PracticeGame);
        QCOMPARE(int(rows[0].asked), asked);
        QVERIFY(rows[0].right);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A wrong stroke is shown and judged as what went wrong; the expected stroke's start flashes;
    // the child tries again.
    void wrongStrokeIsShown_data() {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("kanji");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("verdict");
        QTest::newRow("mouse, 十 second stroke first") << Input::Mouse << QStringLiteral("十")
                                                     << QStringLiteral("order") << int(StrokeVerdict::Order);
        QTest::newRow("touch, 三 first stroke backwards") << Input::Touch << QStringLiteral("三")
                                                        << QStringLiteral("backwards") << int(StrokeVerdict::Direction);
        QTest::newRow("pen, 川 first stroke backwards") << Input::Pen << QStringLiteral("川")
                                                      << QStringLiteral("backwards") << int(StrokeVerdict::Direction);
    }
    void wrongStrokeIsShown() {
        QFETCH(Input, input);
        QFETCH(QString, kanji);
        QFETCH(QString, how);
        QFETCH(int, verdict);
        PracticeEnv pe;
        TF_Kaki_Renshuu w(1, {numberOf(kanji)});
        openStep(w, PracticeStep::Utsusu);
        const ModelStrokes model = modelOf(kanji);
        const Stroke wrong = how == QLatin1String("order") ? childStroke(model[1])
                                                            : childStroke(model[0], 6.0, true);
        writeStroke(w.Pad_Kaku, wrong, input);
        QCOMPARE(w.run().writtenCount(), 0);
        QCOMPARE(said(w),
                 StrokeMessage(PracticeRun::Result::Missed, StrokeVerdict(verdict)));
        QCOMPARE(w.run().expected(), 0);
        QVERIFY(w.Pad_Kaku->flashShown());
        QVERIFY(w.Timer2->isActive());
        QVERIFY(!w.Pad_Kaku->helpShown());
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Kaku.wav")));
        // The flashing stops by itself; the next right stroke is taken.
        for (int i = 0; i < 10; ++i)
            w.Timer2Timer();
        QVERIFY(!w.Timer2->isActive());
        QVERIFY(!w.Pad_Kaku->flashShown());
        writeStroke(w.Pad_Kaku, childStroke(model[0]), input);
        QVERIFY(w.run().isWritten(0));
    }

    // The longest feedback, shown where the child writes: broken only between words, every line
    // within the label, no letter alone on a line.
    void feedbackWrapsBetweenWords() {
        PracticeEnv pe;
        TF_Kaki_Renshuu w(1, {numberOf(QStringLiteral("十"))});
        openStep(w, PracticeStep::Utsusu);
        writeStroke(w.Pad_Kaku, childStroke(modelOf(QStringLiteral("十"))[1]), Input::Mouse);
        const QString message = StrokeMessage(PracticeRun::Result::Missed, StrokeVerdict::Order);
        QCOMPARE(said(w), message);
        const QFontMetrics metrics(w.Lbl_Message->font());
        const QStringList lines = w.Lbl_Message->text().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 2);
        QVERIFY(lines.size() * metrics.lineSpacing() <= w.Lbl_Message->height());
        for (const QString& line : lines) {
            QVERIFY2(metrics.horizontalAdvance(line) <= w.Lbl_Message->width(), qPrintable(line));
            QVERIFY2(line.size() >= 2, qPrintable(line));
        }
        // Every break falls where the message has a space or a full stop.
        qsizetype at = 0;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            at += lines[i].size();
            QVERIFY2(message[at - 1] == QChar(0x3002) || message[at] == QLatin1Char(' '),
                     qPrintable(lines[i]));
            if (message[at] == QLatin1Char(' '))
                ++at;
        }
    }

    // The sentence to write from memory, at every width the box may have: no line starts with a
    // closing mark, no character stands alone on the last line, nothing is lost.
    void sentenceBreaksKeepMarksWithTheirWords() {
        SentenceBox box;
        box.setSentence({QStringLiteral("図画"), QStringLiteral("こう"),
                         QStringLiteral("作の時間がすきだ。")});
        for (int width = 120; width <= 300; width += 2) {
            box.resize(width, 250);
            const QStringList lines = box.lines();
            QCOMPARE(lines.join(QString()), QStringLiteral("図画□作の時間がすきだ。"));
            for (const QString& line : lines)
                QVERIFY2(!line.startsWith(QChar(0x3002)), qPrintable(lines.join(QLatin1Char('|'))));
            QVERIFY2(lines.last().size() >= 2, qPrintable(lines.join(QLatin1Char('|'))));
        }
        // At the window's own width the last line is not a stub of the one before.
        PracticeEnv pe;
        TF_Kaki_Renshuu w(1, {numberOf(QStringLiteral("一"))});
        box.resize(w.Lbl_Bun->width(), 250);
        box.setSentence({QStringLiteral("かけっこで"), QStringLiteral("いち"),
                         QStringLiteral("ばんになった。")});
        const QStringList lines = box.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(2 * lines[1].size() >= lines[0].size(), qPrintable(lines.join(QLatin1Char('|'))));
    }

    // Two misses at one stroke: the stroke is drawn for the child to trace, and the kanji counts
    // as not written from memory; a third miss writes the stroke in, so the child always gets on.
    void twoMissesShowTheStroke_data() {
        QTest::addColumn<int>("missesAtFirst");
        QTest::addColumn<bool>("right");
        QTest::newRow("no miss") << 0 << true;
        QTest::newRow("one miss, then right") << 1 << true;
        QTest::newRow("two misses: help shown") << 2 << false;
        QTest::newRow("three misses: stroke written in") << 3 << false;
    }
    void twoMissesShowTheStroke() {
        QFETCH(int, missesAtFirst);
        QFETCH(bool, right);
        PracticeEnv pe;
        const int k = numberOf(QStringLiteral("山"));
        TF_Kaki_Renshuu w(1, {k});
        openStep(w, PracticeStep::Oboete);
        const ModelStrokes model = modelOf(QStringLiteral("山"));
        for (int m = 0; m < missesAtFirst; ++m)
            writeStroke(w.Pad_Kaku, childStroke(model[0], 6.0, true), Input::Mouse);
        if (missesAtFirst == 2) {
            QCOMPARE(w.run().helpStroke(), 0);
            QVERIFY(w.Pad_Kaku->helpShown());
            QCOMPARE(said(w),
                     StrokeMessage(PracticeRun::Result::HelpShown, StrokeVerdict::Direction));
        }
        if (missesAtFirst < 3)
            writeStroke(w.Pad_Kaku, childStroke(model[0]), Input::Mouse);
        QVERIFY(w.run().isWritten(0));
        QVERIFY(!w.Pad_Kaku->helpShown());
        for (int i = 1; i < model.size(); ++i)
            writeStroke(w.Pad_Kaku, childStroke(model[i]), Input::Mouse);
        QVERIFY(w.run().finished());
        const QList<HistoryAnswer> rows = history();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].asked, KanjiAsked::FromMemory);
        QCOMPARE(rows[0].right, right);
        QCOMPARE(said(w), KanjiDoneMessage(!right));
        // Only a kanji written from memory without help colours the notebook.
        const NoteSummary s = Summarise(rows);
        QCOMPARE(s.kanji[k].answers, 1);
        QCOMPARE(s.weak.contains(k), !right);
    }

    // Tracing and copying leave rows in the history, but only writing from memory counts in the
    // notebook's colours.
    void onlyMemoryCountsInTheNotebook() {
        PracticeEnv pe;
        const int k = numberOf(QStringLiteral("十"));
        TF_Kaki_Renshuu w(1, {k});
        const ModelStrokes model = modelOf(QStringLiteral("十"));
        for (PracticeStep step : {PracticeStep::Nazoru, PracticeStep::Utsusu}) {
            openStep(w, step);
            for (int i = 0; i < 3; ++i)
                writeStroke(w.Pad_Kaku, childStroke(model[0], 6.0, true), Input::Mouse);
            writeStroke(w.Pad_Kaku, childStroke(model[1]), Input::Mouse);
            QVERIFY(w.run().finished());
        }
        QCOMPARE(history().size(), 2);
        QCOMPARE(Summarise(history()).kanji[k].mark(), NoteMark::NotMet);
        QVERIFY(Summarise(history()).weak.isEmpty());
        openStep(w, PracticeStep::Oboete);
        for (const QPolygonF& stroke : model)
            writeStroke(w.Pad_Kaku, childStroke(stroke), Input::Mouse);
        QCOMPARE(history().size(), 3);
        QCOMPARE(Summarise(history()).kanji[k].mark(), NoteMark::Met);
    }

    // みる: the strokes drawn one by one at a child's pace, driven by the timer; a click on the
    // picture draws them again. Nothing is judged or recorded there.
    void watchDrawsStrokeByStroke() {
        PracticeEnv pe;
        TF_Kaki_Renshuu w(1, {numberOf(QStringLiteral("木"))});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.step(), PracticeStep::Miru);
        QVERIFY(w.Img_Mihon->isVisible());
        QVERIFY(!w.Pad_Kaku->isVisible());
        QVERIFY(w.Timer1->isActive());
        const ModelStrokes model = modelOf(QStringLiteral("木"));
        QCOMPARE(model.size(), 4);
        int ticks = 0;
        QList<int> startedAt;
        int last = -1;
        while (!w.animation().finished() && ticks < 1000) {
            if (w.animation().stroke() != last) {
                last = w.animation().stroke();
                startedAt << ticks;
            }
            w.Timer1Timer();
            ++ticks;
        }
        QCOMPARE(startedAt.size(), 4);
        // A child's pace: no stroke over in less than half a second.
        for (int i = 1; i < startedAt.size(); ++i)
            QVERIFY((startedAt[i] - startedAt[i - 1]) * StrokeAnimation::TickMs >= 500);
        QVERIFY(!w.Timer1->isActive());
        QTest::mouseClick(w.Img_Mihon, Qt::LeftButton);
        QCOMPARE(w.animation().stroke(), 0);
        QVERIFY(!w.animation().finished());
        QVERIFY(w.Timer1->isActive());
        QVERIFY(history().isEmpty());
    }

    // Every button works at any moment: steps jump mid-kanji, "つぎへ" walks the steps and the
    // list to its end, and the window closes; no message box ever waits for the child.
    void nothingBlocks() {
        PracticeEnv pe;
        const QList<int> list = {numberOf(QStringLiteral("十")), numberOf(QStringLiteral("山"))};
        TF_Kaki_Renshuu w(1, list);
        openStep(w, PracticeStep::Utsusu);
        const ModelStrokes model = modelOf(QStringLiteral("十"));
        writeStroke(w.Pad_Kaku, childStroke(model[0]), Input::Mouse);
        QTest::mouseClick(w.Btn_Step[int(PracticeStep::Oboete)], Qt::LeftButton);
        QCOMPARE(w.run().writtenCount(), 0); // a new step starts the kanji anew
        QVERIFY(w.Lbl_Bun->isVisible());
        QVERIFY(!w.Lbl_Bun->sentence().reading.isEmpty());
        QTest::mouseClick(w.Btn_Step[int(PracticeStep::Miru)], Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QCOMPARE(w.step(), PracticeStep::Oboete);
        QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QCOMPARE(w.kanji(), list[1]);
        QCOMPARE(w.step(), PracticeStep::Miru);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton); // "おわる" after the last kanji
        QVERIFY(!w.isVisible());
        QVERIFY(history().isEmpty()); // nothing was written whole
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Without stroke data the window still opens, says once which file failed and that the kanji
    // has no model, and lets the child go on or leave.
    void withoutStrokeData() {
        PracticeEnv pe;
        pe.env.removeFile(QStringLiteral("Kakijun.dat"));
        TF_Kaki_Renshuu w(1, {numberOf(QStringLiteral("山")), numberOf(QStringLiteral("川"))});
        openStep(w, PracticeStep::Nazoru);
        QVERIFY(!w.hasModel());
        QCOMPARE(said(w), MsgNoModel);
        writeStroke(w.Pad_Kaku, Stroke{{100, 100}, {800, 100}}, Input::Mouse);
        QVERIFY(history().isEmpty());
        QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QTest::mouseClick(w.Btn_Tsugi, Qt::LeftButton);
        QCOMPARE(w.kanjiIndex(), 1);
        QCOMPARE(said(w), MsgNoModel);
        QTest::mouseClick(w.Btn_Modoru, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(MessageBoxes::shown(), QStringList{FileErrorText(QStringLiteral("Kakijun.dat"))});
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "test_practice_window.moc"
