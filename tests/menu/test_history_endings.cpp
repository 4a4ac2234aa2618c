// SPDX-License-Identifier: GPL-3.0-or-later
// The answers an action game records reach the kanji history however the play ends: the game's
// window closed, the end button, SIGTERM, SIGHUP. While the game runs nothing is written, so a
// hit never waits for the disk inside a tick.
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "data/KanjiHistory.h"
#include "data/Rules.h"
#include "games/action/MoleBoard.h"
#include "games/action/TF_Game6.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"

#include <QImage>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>
#include <csignal>

namespace {
// Rows in the history's file, read by a connection of its own (what a parent's tool would see).
int rowsOnDisk(const QString& path) {
    const QString name = QStringLiteral("counting");
    int rows = -1;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(path);
        QSqlQuery q(d);
        if (d.open() && q.exec(QStringLiteral("SELECT count(*) FROM answers")) && q.next())
            rows = q.value(0).toInt();
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

void writeHolePicture(const TestEnv& env, const QString& name) {
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    img.save(env.path(name), "BMP");
}

// Runs the program's event loop until whatever `ending` sets off leaves it (or 10 s pass).
int runLoopUntilEnd(const std::function<void()>& ending) {
    qApp->setProperty("moji_loop", true);
    QTimer::singleShot(0, ending);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    const int code = QCoreApplication::exec();
    qApp->setProperty("moji_loop", false);
    return code;
}
} // namespace

class TestHistoryEndings : public QObject {
    Q_OBJECT
  private slots:
    void endings_data() {
        QTest::addColumn<QString>("ending");
        QTest::newRow("game window closed") << QStringLiteral("close");
        QTest::newRow("end button") << QStringLiteral("end");
        QTest::newRow("SIGTERM") << QStringLiteral("SIGTERM");
        QTest::newRow("SIGHUP") << QStringLiteral("SIGHUP");
    }
    void endings() {
        QFETCH(QString, ending);
        TestEnv env;
        WriteMenuFiles(env);
        writeHolePicture(env, QStringLiteral("Mogura.bmp"));
        writeHolePicture(env, QStringLiteral("Atari.bmp"));
        for (const char* name :
             {"Atari.wav", "Hazure.wav", "Mondai.wav", "Game61.mid", "Game62.mid"})
            env.writeFile(QString::fromLatin1(name), "x");
        WritePlayers(env, {QStringLiteral("じろう")}, {2});
        MenuPtr menu = MakeMenu();
        QVERIFY(menu->created());
        menu->show();
        Cur_Player = 1;
        OpenKanjiHistory(menu.get());
        const QString path = env.path(KanjiHistory::FileName);
        QCOMPARE(rowsOnDisk(path), 0);

        StartGame(6);
        auto* w = new TF_Game6();
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        menu->hide();
        w->Btn_StartClick();
        MoleBoard& b = w->board();
        const int asked = b.currentKanji();
        for (int round = 0; round < 3; ++round) {
            b.holes[2][2] = {3, asked};
            b.holes[3][3] = {3, asked == 81 ? 82 : 81};
            w->Img1MouseDown(72 + 36, 72 + 40);
            w->Img1MouseDown(144 + 36, 144 + 40);
            w->Timer1Timer();
        }
        QCOMPARE(rowsOnDisk(path), 0); // nothing written while the game runs

        if (ending == QLatin1String("close")) {
            w->close();
        } else if (ending == QLatin1String("end")) {
            QCOMPARE(runLoopUntilEnd([&] {
                         w->close();
                         QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
                     }),
                     0);
        } else {
            const int signal = ending == QLatin1String("SIGTERM") ? SIGTERM : SIGHUP;
            QCOMPARE(runLoopUntilEnd([signal] { ::raise(signal); }), 0);
        }
        QCOMPARE(rowsOnDisk(path), 6);
        QCOMPARE(KanjiHistory::pendingCount(), 0);
        QVERIFY(MessageBoxes::shown().isEmpty());
        if (ending != QLatin1String("close") && ending != QLatin1String("end"))
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestHistoryEndings)
#include "test_history_endings.moc"
