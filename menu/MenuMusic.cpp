// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/MenuMusic.h"

#include "data/ErrorReports.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/MediaPlayer.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

MenuMusic::MenuMusic(QWidget* window) : QObject(window), window_(window) {
    // The menu's one completion handler (MP_1Notify) calls trackEnded; a second connection here
    // would advance two tracks per end.
    for (int n = 1; n <= 4; ++n)
        players_[static_cast<size_t>(n)] = new MediaPlayer(this);
}

void MenuMusic::setFiles() {
    for (int n = 1; n <= 4; ++n)
        player(n)->setFileName(ProgramFile(QStringLiteral("Menu%1.mid").arg(n)));
}

void MenuMusic::report(int n) {
    // The track that failed, so that a parent knows which file to look at.
    MediaErrorReport(window_, QStringLiteral("Menu%1.mid").arg(n));
}

void MenuMusic::closeAll() {
    for (int n = 1; n <= 4; ++n)
        player(n)->close();
}

void MenuMusic::start() {
    Midi_Count = MidiDeviceCount();
    if (Midi_Count == 0 || on_)
        return;
    for (int n = 1; n <= 4; ++n) {
        if (!player(n)->open()) {
            closeAll();
            report(n);
            return;
        }
    }
    player(1)->setNotify(true);
    if (!player(1)->play()) {
        player(1)->setNotify(false);
        closeAll();
        report(1);
        return;
    }
    track_ = 1;
    on_ = true;
}

void MenuMusic::startAfterFirstFrame() {
    QWindow* w = window_->window()->windowHandle(); // the program's window it stands in
    if (!w || w->isExposed()) {
        start();
        return;
    }
    if (!waiting_)
        w->installEventFilter(this);
    waiting_ = true;
}

bool MenuMusic::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWindow*>(watched);
    if (w && event->type() == QEvent::Expose && w->isExposed()) {
        w->removeEventFilter(this);
        // The window draws its frame as it handles this event; the music comes after it.
        QTimer::singleShot(0, this, [this] {
            if (waiting_) {
                waiting_ = false;
                start();
            }
        });
    }
    return false;
}

void MenuMusic::trackEnded() {
    if (!on_)
        return;
    player(track_)->setNotify(false);
    const int next = track_ % 4 + 1;
    player(next)->setNotify(true);
    track_ = next;
    if (!player(next)->play()) {
        // Nothing plays any more, so no end will come: the music is over until the next show.
        player(next)->setNotify(false);
        on_ = false;
        closeAll();
        report(next);
    }
}

void MenuMusic::stop() {
    waiting_ = false;
    if (Midi_Count == 0 || !on_)
        return;
    player(track_)->setNotify(false);
    if (!player(track_)->stop()) {
        report(track_); // still counts as on
        return;
    }
    closeAll();
    on_ = false;
}
