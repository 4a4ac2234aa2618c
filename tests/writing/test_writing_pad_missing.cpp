// SPDX-License-Identifier: GPL-3.0-or-later
// A program directory without the glyph templates: the pad's button reports the file as every
// unreadable file is reported, opens nothing, and works once the file is there.
#include "data/ErrorReports.h"
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "platform/MessageBoxes.h"
#include "writing/handwriting/TemplateFile.h"
#include "support/HandStrokes.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QtTest>

class TestWritingPadMissing : public QObject {
    Q_OBJECT
  private slots:
    void reportsAndRecovers() {
        TestEnv env;
        WriteSampleKanjiData(env);
        MessageBoxes::setRecording(true);
        MessageBoxes::shown().clear();
        QWidget host;
        QLineEdit field(&host);
        QPointer<HandwritingPad> pad;
        QVERIFY(!OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
        QVERIFY(!pad);
        QCOMPARE(MessageBoxes::shown(), QStringList{FileErrorText(TemplateFileName)});

        env.writeFile(TemplateFileName, QByteArray("MJTG broken"));
        QVERIFY(!OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
        QCOMPARE(MessageBoxes::shown().size(), 2);

        CopyTemplates(env);
        QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
        QVERIFY(pad && pad->isVisible());
        QCOMPARE(MessageBoxes::shown().size(), 2);
    }
};

QTEST_MAIN(TestWritingPadMissing)
#include "test_writing_pad_missing.moc"
