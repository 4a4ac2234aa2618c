#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QThread>

namespace {
std::function<void()> handler;
bool wasRequested = false;
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

namespace ProgramEnd {
void setHandler(std::function<void()> h) { handler = std::move(h); }
bool requested() { return wasRequested; }
void reset() { wasRequested = false; }
}  // namespace ProgramEnd
