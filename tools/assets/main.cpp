// SPDX-License-Identifier: GPL-3.0-or-later
// The asset tool: writes the program directory's music, sounds, pictures, animations and help.
#include "Animations.h"
#include "Help.h"
#include "Icon.h"
#include "Pictures.h"
#include "Sounds.h"
#include "Tunes.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    // moji_assets --icons <folder> <id>: the desktop icon in the hicolor theme's layout.
    if (args.size() == 4 && args[1] == QLatin1String("--icons")) {
        const QStringList icons = Icon::writeAll(args[2], args[3]);
        if (icons.isEmpty()) {
            err << "moji_assets: icons failed\n";
            return 1;
        }
        return 0;
    }
    if (args.size() != 2) {
        err << "usage: moji_assets <program directory>\n";
        return 2;
    }
    const QString dir = args[1];
    QDir().mkpath(dir);
    QStringList done;
    for (const auto& step : {Tunes::writeAll, Sounds::writeAll, Pictures::writeAll, Animations::writeAll, Help::writeAll}) {
        const QStringList written = step(dir);
        if (written.isEmpty()) {
            err << "moji_assets: failed\n";
            return 1;
        }
        done += written;
    }
    QTextStream(stdout) << "moji_assets: " << done.size() << " files in " << dir << "\n";
    return 0;
}
