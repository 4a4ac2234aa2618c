// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

namespace {
std::function<void()> handler;
bool wasRequested = false;
bool leaving = false;
}  // namespace

void EndProgram()
{
    wasRequested = true;
    if (handler) {
        handler();
        return;
    }
    // Leave the event loop; during start-up none runs yet, and the entry checks requested().
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
}

void EndProgramNow()
{
    wasRequested = true;
    leaving = true;
    // Leaves every loop of the thread and keeps any later one from running until the
    // application's own loop starts again, which the entry never lets happen after this.
    if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

namespace ProgramEnd {
void setHandler(std::function<void()> h) { handler = std::move(h); }
bool requested() { return wasRequested; }
void reset() { wasRequested = false; }
bool loopsLeft() { return leaving; }
void allowLoopsAgain()
{
    if (!leaving)
        return;
    leaving = false;
    // Qt lets loops run again only once its application loop has started (and ended) anew.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
}  // namespace ProgramEnd
