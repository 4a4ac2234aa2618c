// SPDX-License-Identifier: GPL-3.0-or-later
// "Tegaki.model" is zinnia's model, and zinnia trusts every count in it: a damaged model is
// refused before zinnia sees it, and the writing pad reports it as any unreadable file.
#include "data/ErrorReports.h"
#include "data/HandwritingPads.h"
#include "platform/MessageBoxes.h"
#include "support/HandStrokes.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"
#include "writing/handwriting/TemplateFile.h"
#include "writing/handwriting/ZinniaModelCheck.h"

#include <QLineEdit>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray builtModel() {
    QFile f(TestEnv::builtProgramDir() + QStringLiteral("/Tegaki.model"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
void setU32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
// The size check zinnia makes: the first word is a fixed value xor the file's size.
void resign(QByteArray& b) {
    setU32(b, 0, 0xef71821u ^ quint32(b.size()));
}
// Where the first entry's feature list ends (its terminator, index -1).
qsizetype firstTerminator(const QByteArray& b) {
    qsizetype p = 12 + 16 + 4;
    while (qint32(u32(b, p)) != -1)
        p += 8;
    return p;
}
} // namespace

class TestZinniaModel : public QObject {
    Q_OBJECT
  private slots:
    // Damage of every kind the file can suffer, each of the same size or a plausible one.
    void damagedModels_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = builtModel();
        QVERIFY(good.size() > 1000);
        QByteArray b;
        b = good;
        b[8] = char(b[8] + 1); // one more character than the file holds
        QTest::newRow("character count one up") << b;
        b = good;
        b[9] = char(b[9] + 1);
        QTest::newRow("character count high byte") << b;
        b = good;
        setU32(b, firstTerminator(b), 7); // a feature list that never ends
        QTest::newRow("terminator lost") << b;
        b = good;
        setU32(b, 12 + 16 + 4, 0xffffffffu); // a list ends early: the rest is read askew
        QTest::newRow("early terminator") << b;
        b = good;
        b.replace(12, 16, QByteArray(16, 'x')); // a name without its end
        QTest::newRow("name not ended") << b;
        b = good;
        b.replace(12, 16, QByteArray(16, '\0'));
        QTest::newRow("empty name") << b;
        b = good;
        b[12] = char(0xff);
        QTest::newRow("name not UTF-8") << b;
        b = good;
        setU32(b, 4, 2);
        QTest::newRow("other version") << b;
        b = good.left(good.size() - 8);
        resign(b);
        QTest::newRow("cut, size word matching") << b;
        b = good.left(good.size() / 2);
        QTest::newRow("cut in half") << b;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(12);
        b = good + QByteArray(8, '\0');
        resign(b);
        QTest::newRow("bytes after the end") << b;
    }
    void damagedModels() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!CheckZinniaModel(bytes));
    }

    // The model the build writes passes, and so does one character alone.
    void goodModels() {
        const QByteArray good = builtModel();
        QVERIFY(CheckZinniaModel(good));
        QByteArray one = good.left(firstTerminator(good) + 8);
        setU32(one, 8, 1);
        resign(one);
        QVERIFY(CheckZinniaModel(one));
    }

    // The pad with a damaged model: the file error report names it, no pad opens; with the good
    // model back the pad opens.
    void padRefusesDamagedModel() {
        TestEnv env;
        WriteSampleKanjiData(env);
        CopyTemplates(env);
        QByteArray bad = builtModel();
        bad[8] = char(bad[8] + 1);
        env.writeFile(ZinniaModelFileName, bad);
        MessageBoxes::shown().clear();
        QWidget host;
        QLineEdit field(&host);
        QPointer<HandwritingPad> pad;
        QVERIFY(!OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
        QVERIFY(!pad);
        QCOMPARE(MessageBoxes::shown(), QStringList{FileErrorText(ZinniaModelFileName)});
        env.writeFile(ZinniaModelFileName, builtModel());
        QVERIFY(OpenHandwritingPad(&host, pad, PadFor::Kanji, &field, QStringLiteral("答")));
        QVERIFY(pad);
    }
};

QTEST_MAIN(TestZinniaModel)
#include "test_zinnia_model.moc"
