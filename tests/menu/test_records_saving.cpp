// SPDX-License-Identifier: GPL-3.0-or-later
// The records are saved whenever they change and before every ending, not only by the end
// button: after a registration, a levelling credit and a ranking result; on a close by the window
// manager; on SIGTERM and SIGHUP. A failed save while playing is reported once and play goes on;
// a start that could not read the records never writes over them.
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "aftergame/TF_Game_Kiroku.h"
#include "data/RecordsChanges.h"
#include "data/Rules.h"
#include "menu/RecordsSaving.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <qpa/qwindowsysteminterface.h>
#include <sys/resource.h>

namespace {
// What a parent reads when the records cannot be written: what, where, the likely causes.
QString saveError(const TestEnv& env) {
    return QStringLiteral("記録を保存できませんでした。\n"
                          "フォルダ「%1」に「Player.dat」を書きこめません。"
                          "ディスクがいっぱいか、書きこみがゆるされていないフォルダです。")
        .arg(QDir::cleanPath(env.dir()));
}
// The same when the child or the window manager asked to end: end anyway, or stay.
QString endQuestion(const TestEnv& env) {
    return saveError(env) +
           QStringLiteral("\n\n保存しないで終わりますか？ 保存できなかった記録は消えます。");
}

TPlayerRec onDisk(const TestEnv& env, int i) {
    const QByteArray bytes = env.readFile(PlayerFileName);
    if (bytes.size() < i * PlayerRecSize)
        return {};
    return DecodePlayer(bytes.constData() + (i - 1) * PlayerRecSize);
}

// "Player.dat" cannot be replaced while a folder of that name stands in its place.
void blockPlayerFile(const TestEnv& env) {
    env.removeFile(PlayerFileName);
    QVERIFY(QDir(env.dir()).mkdir(PlayerFileName));
}

void unblockPlayerFile(const TestEnv& env) {
    QVERIFY(QDir(env.dir()).rmdir(PlayerFileName));
}

// A close the window manager asks for, through the window system's own path.
void closeFromWindowManager(QWidget* w) {
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        w->windowHandle());
}
} // namespace

class TestRecordsSaving : public QObject {
    Q_OBJECT
  private slots:
    // Registration through the real button writes both files at once, byte for byte what the end
    // button would write.
    void registrationSaves() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        QTest::keyClicks(menu->Edt_Name, QStringLiteral("tarou")); // typed in かな
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QCOMPARE(Player_Count, 1);
        QCOMPARE(env.readFile(PlayerFileName), PlayerFileBytes());
        QCOMPARE(onDisk(env, 1).Name.text(), QStringLiteral("たろう"));
        QCOMPARE(env.readFile(GameFileName), GameFileBytes());
        QCOMPARE(env.readFile(GameFileName).size(), 4000);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A levelling credit is on disk as soon as the game grants it.
    void levelCreditSaves() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Cur_Player = 1;
        StartGame(1);
        LevelUp(1);
        QCOMPARE(onDisk(env, 1).Progress[1], std::int16_t(1));
        LevelUp(1);
        QCOMPARE(onDisk(env, 1).Level[1], std::int16_t(2));
        QCOMPARE(onDisk(env, 1).Progress[1], std::int16_t(0));
    }

    // The ranking window enters the result and the best score; both are on disk when it shows.
    void rankingResultSaves() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Cur_Player = 1;
        StartGame(5);
        Last_Score = 321;
        TF_Game_Kiroku ranking;
        QCOMPARE(ranking.ranking().newRank, 1);
        const QByteArray games = env.readFile(GameFileName);
        QCOMPARE(DecodeKiroku(games.constData() + 4 * 10 * KirokuRecSize).Tokuten, 321);
        QCOMPARE(onDisk(env, 1).Best[5], 321);
    }

    // Alt+F4 or the session closing the window: the changes are saved and the program ends.
    void windowManagerCloseSaves() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        Player_Tbl[1].Best[3] = 42; // a change no rule announced
        closeFromWindowManager(menu.get());
        QVERIFY(!menu->isVisible());
        QCOMPARE(onDisk(env, 1).Best[3], 42);
    }

    // When that save fails the report shows, every time it is tried, and the menu stays open.
    void windowManagerCloseSaveFails() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        Player_Tbl[1].Best[3] = 42;
        blockPlayerFile(env);
        closeFromWindowManager(menu.get());
        QVERIFY(menu->isVisible());
        closeFromWindowManager(menu.get());
        QCOMPARE(MessageBoxes::shown(), (QStringList{endQuestion(env), endQuestion(env)}));
        QVERIFY(menu->isVisible());
        unblockPlayerFile(env);
        closeFromWindowManager(menu.get());
        QVERIFY(!menu->isVisible());
        QCOMPARE(onDisk(env, 1).Best[3], 42);
    }

    // Saving during play that fails is reported once; a save that works again re-arms it.
    void failedAutosaveReportedOnce() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Cur_Player = 1;
        StartGame(2);
        blockPlayerFile(env);
        LevelUp(2);
        LevelUp(2);
        QCOMPARE(MessageBoxes::shown(), QStringList{saveError(env)});
        QCOMPARE(Player_Tbl[1].Progress[2], std::int16_t(2)); // play goes on, nothing lost
        QVERIFY(RecordsChangedSinceSave());
        unblockPlayerFile(env);
        LevelUp(2);
        QCOMPARE(onDisk(env, 1).Progress[2], std::int16_t(3));
        blockPlayerFile(env);
        LevelUp(2);
        QCOMPARE(MessageBoxes::shown(), (QStringList{saveError(env), saveError(env)}));
    }

    void endSignalSaves_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    // The signal only wakes the event loop; the save and the ending happen there.
    void endSignalSaves() {
        QFETCH(int, signal);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Player_Tbl[1].Best[6] = 77;
        QCOMPARE(::raise(signal), 0);
        QCOMPARE(onDisk(env, 1).Best[6], 0); // nothing done inside the handler
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(onDisk(env, 1).Best[6], 77);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // A signal while a modal window runs its own event loop (the start-up notice, a question,
    // the quiz): the records are saved, that loop ends at once, no later loop runs (the entry's
    // own included), and the program ends.
    void endSignalInModalLoop_data() {
        endSignalSaves_data();
    }
    void endSignalInModalLoop() {
        QFETCH(int, signal);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Player_Tbl[1].Best[6] = 77;
        QEventLoop modal;
        bool leftByItself = false;
        QTimer::singleShot(0, [signal] { ::raise(signal); });
        QTimer::singleShot(10000, &modal, [&] {
            leftByItself = true;
            modal.exit(9);
        });
        modal.exec();
        QVERIFY(!leftByItself);
        QCOMPARE(onDisk(env, 1).Best[6], 77);
        QVERIFY(ProgramEnd::requested());
        QEventLoop next;
        QTimer::singleShot(10000, &next, [&] { next.exit(9); });
        QVERIFY(next.exec() != 9);
        ProgramEnd::allowLoopsAgain();
    }

    // A start that could not read "Player.dat" never replaces it, whatever ends the program.
    void failedStartWritesNothing() {
        TestEnv env;
        WriteMenuFiles(env);
        env.writeFile(PlayerFileName, "short");
        env.writeFile(GameFileName, QByteArray(4000, '\0'));
        MenuPtr menu = MakeMenu();
        QVERIFY(!menu->created());
        Player_Count = 1;
        Player_Tbl[1].Gakunen = 1;
        QVERIFY(RecordsSaving::saveChanges(RecordsSaving::Report::Quiet));
        QCOMPARE(env.readFile(PlayerFileName), QByteArray("short"));
    }

    // The end button on a disk that refuses the write: the report, the old file as it was, and
    // the menu still there with everything in memory.
    void endButtonOnRefusedWrite() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        const QByteArray before = env.readFile(PlayerFileName);
        MenuPtr menu = MakeMenu();
        menu->show();
        Player_Tbl[1].Best[2] = 9;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 50; // less than one player record
        setrlimit(RLIMIT_FSIZE, &small);
        QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(MessageBoxes::shown(), QStringList{endQuestion(env)});
        QCOMPARE(env.readFile(PlayerFileName), before);
        QVERIFY(menu->isVisible());
        QCOMPARE(Player_Tbl[1].Best[2], 9);
        QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        QCOMPARE(onDisk(env, 1).Best[2], 9);
    }

    // When the records cannot be saved, 終わり asks and, told so, ends without them; the file
    // saved before stays as it was.
    void endButtonEndsAfterAsking() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        Player_Tbl[1].Best[2] = 9;
        blockPlayerFile(env);
        MessageBoxes::queueAnswer(MsgAnswer::Yes);
        QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(), QStringList{endQuestion(env)});
        QVERIFY(!menu->isVisible());
        unblockPlayerFile(env);
        QCOMPARE(env.readFile(PlayerFileName), QByteArray()); // nothing half-written either
    }
};

QTEST_MAIN(TestRecordsSaving)
#include "test_records_saving.moc"
