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
#include "menu/RecordsSaving.h"
#include "menu/TF_Main.h"
#include "platform/DisplayPlugin.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/HandCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QIcon>

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
}  // namespace

int main(int argc, char* argv[])
{
    AvoidBusAutolaunch();
    if (!PrepareDisplayPlugin(NotifyDesktop))
        return 1;
    QApplication app(argc, argv);
    SetProgramDirFromApplication();
    if (!AcquireSingleInstance(RecordsDir()))
        return 0;  // another copy runs on these records: end silently
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
    InstallFuriganaReader();
    InstallFurigana(app);
    RegisterGames();

    // The one top-level window: the splash picture, the menu, the games and every box over them
    // stand in it. Closed from outside (Alt+F4, the session) it ends the program as the end
    // button does, after saving.
    ProgramHostWindow host;
    TF_Main* menu = nullptr;
    host.setCloseHandler([&menu] {
        if (!RecordsSaving::saveChanges(RecordsSaving::Report::Always))
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
    menu->musicAfterFirstFrame();
    ShowProgramWindow(menu);
    OpenKanjiHistory(menu);  // says once when the notebook's history had to start anew
    const int code = app.exec();
    delete menu;
    menu = nullptr;
    return code;
}
