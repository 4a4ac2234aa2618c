// SPDX-License-Identifier: GPL-3.0-or-later
// The writing pad driven as a child drives it: strokes through real mouse and touch events,
// candidates after every stroke, "1画もどす" and "けす", and a click on a candidate writing the
// character into the field the pad serves.
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "writing/handwriting/HandwritingPad.h"
#include "writing/handwriting/WritingSurface.h"
#include "support/HandStrokes.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestWritingPad : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void mouseStrokesAppendKana();
    void touchStrokesAppendKana();
    void penStrokesWrite();
    void undoAndClear();
    void kanjiReplacesAndCloses();
    void namesOfferKatakanaAndSmallKana();

  private:
    QPushButton* button(HandwritingPad& pad, const QString& c) {
        const qsizetype i = pad.offered().indexOf(c);
        return i >= 0 ? pad.Btn_Kouho[i] : nullptr;
    }
    std::unique_ptr<TestEnv> env_;
};

void TestWritingPad::initTestCase() {
    env_ = std::make_unique<TestEnv>();
    SetProgramDir(TestEnv::builtProgramDir());
    QVERIFY(LoadKanjiTable());
    QVERIFY(SharedRecognizer());
}

void TestWritingPad::mouseStrokesAppendKana() {
    QWidget host;
    QLineEdit field(&host);
    field.setText(QStringLiteral("か"));
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Hiragana, &field, QStringLiteral("答1.")));
    QVERIFY(pad->isVisible());
    QVERIFY(pad->Btn_Kouho.front()->isHidden()); // nothing written yet
    const Ink ink = HandStrokes(QStringLiteral("い"));
    WriteWithMouse(pad->Pnl_Kaku, ink.mid(0, 1));
    QCOMPARE(pad->Pnl_Kaku->ink().size(), 1);
    QVERIFY(!pad->offered().isEmpty()); // candidates after the first stroke already
    WriteWithMouse(pad->Pnl_Kaku, ink.mid(1));
    QCOMPARE(pad->Pnl_Kaku->ink().size(), 2);
    QVERIFY(pad->Pnl_Kaku->ink()[1].size() > 5); // the moves made the stroke, not just its ends
    QVERIFY(pad->offered().size() <= HandwritingPad::MaxOffered);
    QPushButton* b = button(*pad, QStringLiteral("い"));
    QVERIFY2(b, qPrintable(pad->offered().join(QLatin1Char(' '))));
    QVERIFY(pad->offered().indexOf(QStringLiteral("い")) < 5);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(field.text(), QStringLiteral("かい"));
    QVERIFY(pad->Pnl_Kaku->ink().isEmpty()); // ready for the next character
    QVERIFY(pad->isVisible());
    QCOMPARE(pad->Lbl_Caption->text(), QStringLiteral("答1."));
    QCOMPARE(pad->Lbl_Field->text(), QStringLiteral("かい"));
    // A wrong choice is taken back from the field without leaving the pad.
    QVERIFY(pad->Btn_Moji_Kesu->isVisible());
    QTest::mouseClick(pad->Btn_Moji_Kesu, Qt::LeftButton);
    QCOMPARE(field.text(), QStringLiteral("か"));
    QCOMPARE(pad->Lbl_Field->text(), QStringLiteral("か"));
}

void TestWritingPad::touchStrokesAppendKana() {
    QWidget host;
    QLineEdit field(&host);
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Hiragana, &field, QStringLiteral("答1.")));
    for (const char* c : {"し", "く"}) {
        WriteWithTouch(pad->Pnl_Kaku, HandStrokes(QString::fromUtf8(c)));
        QPushButton* b = button(*pad, QString::fromUtf8(c));
        QVERIFY2(b && pad->offered().indexOf(QString::fromUtf8(c)) < 5,
                 qPrintable(pad->offered().join(QLatin1Char(' '))));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(field.text(), QStringLiteral("しく"));
}

// A pen's tablet events write as the mouse does.
void TestWritingPad::penStrokesWrite() {
    QWidget host;
    QLineEdit field(&host);
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Hiragana, &field, QStringLiteral("答1.")));
    WritingSurface* s = pad->Pnl_Kaku;
    const QPointingDevice* pen = QPointingDevice::primaryPointingDevice();
    auto send = [&](QEvent::Type type, QPointF p, Qt::MouseButtons buttons) {
        QTabletEvent e(type, pen, p, s->mapToGlobal(p), 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                       Qt::LeftButton, buttons);
        QApplication::sendEvent(s, &e);
    };
    const double k = s->width() / InkBox;
    for (const Stroke& st : HandStrokes(QStringLiteral("く"))) {
        send(QEvent::TabletPress, st.front() * k, Qt::LeftButton);
        for (const QPointF& p : st)
            send(QEvent::TabletMove, p * k, Qt::LeftButton);
        send(QEvent::TabletRelease, st.back() * k, Qt::NoButton);
    }
    QCOMPARE(s->ink().size(), 1);
    QVERIFY(pad->offered().mid(0, 5).contains(QStringLiteral("く")));
}

void TestWritingPad::undoAndClear() {
    QWidget host;
    QLineEdit field(&host);
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Hiragana, &field, QStringLiteral("答1.")));
    const Ink ink = HandStrokes(QStringLiteral("こ"));
    WriteWithMouse(pad->Pnl_Kaku, ink);
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QStringLiteral("く"))); // a stray third stroke
    QCOMPARE(pad->Pnl_Kaku->ink().size(), 3);
    QTest::mouseClick(pad->Btn_Modosu, Qt::LeftButton);
    QCOMPARE(pad->Pnl_Kaku->ink().size(), 2);
    // The last stroke went, the second of "こ" stayed.
    QVERIFY(QLineF(pad->Pnl_Kaku->ink().back().front(), ink.back().front()).length() < 8);
    QVERIFY(pad->offered().mid(0, 5).contains(QStringLiteral("こ")));
    QTest::mouseClick(pad->Btn_Kesu, Qt::LeftButton);
    QVERIFY(pad->Pnl_Kaku->ink().isEmpty());
    QVERIFY(pad->offered().isEmpty());
    QVERIFY(pad->Btn_Kouho.front()->isHidden());
    QTest::mouseClick(pad->Btn_Modosu, Qt::LeftButton); // nothing to take back: no harm
    QVERIFY(pad->Pnl_Kaku->ink().isEmpty());
    QCOMPARE(field.text(), QString());
    QTest::mouseClick(pad->Btn_Tojiru, Qt::LeftButton);
    QVERIFY(!pad->isVisible());
}

// One kanji field: the choice replaces the text, raises the field's change once and closes.
void TestWritingPad::kanjiReplacesAndCloses() {
    QWidget host;
    QLineEdit field(&host);
    field.setText(QStringLiteral("x"));
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QStringLiteral("木")));
    QPushButton* b = button(*pad, QStringLiteral("木"));
    QVERIFY2(b, qPrintable(pad->offered().join(QLatin1Char(' '))));
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(field.text(), QStringLiteral("木"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!pad->isVisible());
    QVERIFY(pad->Btn_Moji_Kesu->isHidden()); // a choice replaces: nothing to take back
    // Opened again, even before the closed one is deleted, it starts empty for the same field
    // and stays.
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
    QVERIFY(pad->Pnl_Kaku->ink().isEmpty());
    QVERIFY(pad->offered().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(pad && pad->isVisible());
    pad->Btn_Tojiru->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pad);
}

void TestWritingPad::namesOfferKatakanaAndSmallKana() {
    QWidget host;
    QLineEdit field(&host);
    QPointer<HandwritingPad> pad;
    QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Name, &field, QStringLiteral("名前")));
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QStringLiteral("カ")));
    QVERIFY2(pad->offered().mid(0, 5).contains(QStringLiteral("カ")),
             qPrintable(pad->offered().join(QLatin1Char(' '))));
    QTest::mouseClick(button(*pad, QStringLiteral("カ")), Qt::LeftButton);
    WriteWithMouse(pad->Pnl_Kaku, HandStrokes(QStringLiteral("つ")));
    const qsizetype big = pad->offered().indexOf(QStringLiteral("つ"));
    QVERIFY2(big >= 0, qPrintable(pad->offered().join(QLatin1Char(' '))));
    QCOMPARE(pad->offered().value(big + 1), QStringLiteral("っ"));
    QTest::mouseClick(pad->Btn_Kouho[big + 1], Qt::LeftButton);
    QCOMPARE(field.text(), QStringLiteral("カっ"));
}

QTEST_MAIN(TestWritingPad)
#include "test_writing_pad.moc"
