// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: one running copy per set of records, the hand cursor, the fonts, then the
// main menu.
#include "data/KanjiHistory.h"
#include "data/FuriganaReader.h"
#include "data/ProgramDir.h"
#include "data/RecordsDir.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/GameWindows.h"
#include "menu/StartChecks.h"
#include "menu/RecordsSaving.h"
#include "menu/TF_Main.h"
#include "menu/TF_Pop.h"
#include "menu/TestClock.h"
#include "platform/DisplayPlugin.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "platform/RunningCopy.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QIcon>
#include <sys/stat.h>

namespace {
// A desktop notification through the session bus, for a start from the desktop's menu where
// nobody reads stderr.
void NotifyDesktop(const QString& text)
{
    int argc = 1;
    char name[] = "mojimaru";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    m << QStringLiteral("もじまる") << quint32(0) << QStringLiteral(MOJI_APP_ID)
      << QStringLiteral("もじまる（ゲーム）") << text << QStringList() << QVariantMap() << qint32(-1);
    bus.call(m, QDBus::Block, 3000);
}

// Each game's window, as the menu opens it. One line per game.
void RegisterGames()
{
    // ---- game windows (one RegisterGameWindow line per game) ----
    RegisterGameWindow(1, [] { return new TF_Game1(); });
    RegisterGameWindow(2, [] { return new TF_Game2(); });
    RegisterGameWindow(3, [] { return new TF_Game3(); });
    RegisterGameWindow(4, [] { return new TF_Game4(); });
    RegisterGameWindow(5, [] { return new TF_Game5(); });
    RegisterGameWindow(6, [] { return new TF_Game6(); });
    RegisterGameWindow(7, [] { return new TF_Game7(); });
    // ---- end of game windows ----
}

// A second start knocked: the window the child works in comes to the front.
void BringForward()
{
    QWidget* front = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!front && w->isVisible() && !qobject_cast<TF_Pop*>(w) && w->isWindow() &&
            w->windowType() == Qt::Window)
            front = w;
    if (!front)
        return;
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}
}  // namespace

int main(int argc, char* argv[])
{
    // Everything the program writes (records, kanji history, lock, socket, notebook PDF) is the
    // user's own: a child's names and answers are nobody else's business on a shared machine.
    ::umask(S_IRWXG | S_IRWXO);
    AvoidBusAutolaunch();
    if (!PrepareDisplayPlugin(NotifyDesktop))
        return 1;
    QApplication app(argc, argv);
    SetProgramDirFromApplication();
    TestClockFromEnvironment(ProgramIsInstalled());
    InstallHandCursor();
    QApplication::setApplicationDisplayName(QStringLiteral("もじまる（ゲーム）"));
    // The desktop entry's name: task bars and docks show the installed icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOJI_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MOJI_APP_ID)));
    InstallFontSubstitutions();
    if (!JapaneseFontAvailable()) {
        ShowMessage(nullptr, QStringLiteral("Japanese fonts are missing; install fonts-ipafont-gothic.\n"
                                            "日本語のフォントがありません。"));
        return 1;
    }
    if (!StrokeOrderFontAvailable()) {
        ShowMessage(nullptr, QStringLiteral("Kanji stroke order font is missing; install "
                                            "fonts-kanjistrokeorders.\n書きじゅんのフォントがありません。"));
        return 1;
    }
    // The records folder and its lock come before anything is read from it.
    if (ProgramIsInstalled() && !UserRecordsDirReady() &&
        !ConfirmNoRecordsFolder(nullptr, UserRecordsDir()))
        return 1;
    const QString records = RecordsDir();
    const InstanceLock::Result lock = AcquireSingleInstance(records);
    switch (lock) {
    case InstanceLock::Result::HeldByOther:
        // Another copy runs on these records: it comes forward, or we say that it runs.
        if (!KnockOnRunningCopy(records))
            ShowMessage(nullptr, MsgAlreadyRunning);
        return 0;
    case InstanceLock::Result::Unlockable:
        if (!ConfirmUnlockableStart(nullptr, records))
            return 0;
        break;
    default:
        break;
    }
    InstallFuriganaReader();
    InstallFurigana(app);
    RegisterGames();

    // The one top-level window: the splash picture, the menu, the games and every box over them
    // stand in it. Closed from outside (Alt+F4, the session) it ends the program as the end
    // button does, after saving.
    ProgramHostWindow host;
    TF_Main* menu = nullptr;
    host.setCloseHandler([&menu] {
        if (!RecordsSaving::saveChanges(RecordsSaving::Report::AskToEnd))
            return false;
        if (menu)
            menu->close();
        return true;
    });

    // An ending asked for during start-up leaves through the return below.
    app.setProperty("moji_loop", true);
    menu = new TF_Main(nullptr, &host);
    if (!menu->created() || ProgramEnd::requested()) {
        delete menu;
        return 1;
    }
    // Only the holder of the lock answers later starts (its socket would replace another's).
    if (lock == InstanceLock::Result::Acquired)
        ListenForSecondStarts(records, [] { BringForward(); });
    menu->musicAfterFirstFrame();
    ShowProgramWindow(menu);
    OpenKanjiHistory(menu);  // says once when the notebook's history had to start anew
    // A signal or a lost window during the notice ended the program: no loop may start now.
    if (ProgramEnd::requested()) {
        delete menu;
        return 0;
    }
    const int code = app.exec();
    delete menu;
    menu = nullptr;
    return code;
}
