// SPDX-License-Identifier: GPL-3.0-or-later
// The kakijun tool: strokes in the ink text form on standard input, one verdict line per drawn
// stroke, then the model strokes never drawn; clear failures for bad use and bad input.
#include "support/HandStrokes.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run Kakijun(const QStringList& args, const QByteArray& input) {
    QProcess p;
    p.start(QStringLiteral(MOJI_PROGRAM_DIR "/../tools/writing/kakijun"), args);
    Run r;
    if (!p.waitForStarted())
        return r;
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000))
        return r;
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray Text(const Ink& ink) {
    return InkText::format(ink).toUtf8() + "\n";
}

} // namespace

class TestKakijunTool : public QObject {
    Q_OBJECT
  private slots:
    void verdictLines_data() {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("output");
        const Ink ju = HandStrokes(QStringLiteral("十"));
        const Ink kawa = HandStrokes(QStringLiteral("川"));
        QTest::newRow("right") << "十" << Text(ju) << "1 ok\n2 ok\n";
        QTest::newRow("backwards") << "十" << Text(ReversedInk(ju))
                                   << "1 direction\n2 order\nmissing 1\nmissing 2\n";
        QTest::newRow("one stroke short") << "川" << Text(kawa.first(2)) << "1 ok\n2 ok\nmissing 3\n";
        QTest::newRow("out of order") << "川" << Text(ReorderedInk(kawa))
                                      << "1 order\n2 ok\n3 ok\nmissing 3\n";
        QTest::newRow("one too many") << "一" << Text(ju) << "1 ok\n2 extra\n";
        QTest::newRow("a stroke a line")
            << "十" << Text({ju[0]}) + Text({ju[1]}) << "1 ok\n2 ok\n";
        QTest::newRow("nothing drawn") << "く" << QByteArray() << "missing 1\n";
    }
    void verdictLines() {
        QFETCH(QString, ch);
        QFETCH(QByteArray, input);
        QFETCH(QString, output);
        const Run r = Kakijun({QStringLiteral("--check"), ch}, input);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, output);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no arguments") << QStringList() << QByteArray() << 2 << "usage: kakijun";
        QTest::newRow("two characters") << QStringList{"--check", "十一"} << QByteArray() << 2
                                        << "usage: kakijun";
        QTest::newRow("unknown option") << QStringList{"--draw", "十"} << QByteArray() << 2
                                        << "usage: kakijun";
        QTest::newRow("no stroke data") << QStringList{"--check", "A"} << QByteArray("1,1 2,2")
                                        << 1 << "no stroke data for A";
        QTest::newRow("not points") << QStringList{"--check", "十"} << QByteArray("1,1 2;x")
                                    << 1 << "not strokes of x,y points";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run r = Kakijun(args, input);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.out, QString());
    }
};

QTEST_MAIN(TestKakijunTool)
#include "test_kakijun_tool.moc"
