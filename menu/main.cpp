// The program's entry: one running copy, the hand cursor, the fonts, then the main menu.
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!AcquireSingleInstance())
        return 0;  // another copy runs: end silently
    InstallHandCursor();
    InstallFontSubstitutions();
    QApplication::setApplicationDisplayName(QStringLiteral("もじまる（ゲーム）"));

    QLabel window(QStringLiteral("もじまる(ゲーム集）"));
    window.setFont(PixelFont(27, true));
    window.setAlignment(Qt::AlignCenter);
    window.resize(640, 480);
    window.show();
    app.setProperty("moji_loop", true);
    return app.exec();
}
