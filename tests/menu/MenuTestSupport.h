// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the main-menu tests: a menu on a made-up 1280x1024 display and players on file.
#pragma once

#include "FakeModeSource.h"
#include "data/SaveFiles.h"
#include "data/Tables.h"
#include "menu/TF_Main.h"
#include "menu/TF_Pop.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <memory>

inline DisplayMode Mode(int w, int h) {
    return {w, h, 32, 60};
}

inline std::unique_ptr<FakeModeSource> UsualDisplay(int ppi = 96) {
    return std::make_unique<FakeModeSource>(
        std::vector<DisplayMode>{Mode(640, 480), Mode(800, 600), Mode(1280, 1024)},
        Mode(1280, 1024), ppi);
}

// Writes "Player.dat" with the given names, all of school year `year` unless listed in years.
inline void WritePlayers(const TestEnv& env, const QStringList& names, QList<int> years = {}) {
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i) {
        TPlayerRec p;
        p.No = static_cast<std::int16_t>(i + 1);
        p.Name.setSjis(Cp932::fromUnicode(names[i]));
        p.Gakunen = static_cast<std::int16_t>(i < years.size() ? years[i] : 1);
        p.Level.fill(1);
        bytes += EncodePlayer(p);
    }
    env.writeFile(PlayerFileName, bytes);
}

// Closes and frees a menu and its splash screen.
struct MenuCloser {
    void operator()(TF_Main* menu) const {
        menu->close();
        delete menu;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
using MenuPtr = std::unique_ptr<TF_Main, MenuCloser>;

inline MenuPtr MakeMenu(std::unique_ptr<DisplayModeSource> source = UsualDisplay()) {
    return MenuPtr(new TF_Main(std::move(source)));
}
