// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/RecordsSaving.h"

#include "data/ErrorReports.h"
#include "data/RecordsChanges.h"
#include "data/RecordsDir.h"
#include "data/SaveFiles.h"
#include "platform/EndSignals.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/WindowLoss.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QWidget>
#include <cstdio>

namespace {
QPointer<QWidget> menuWindow;
bool reported = false;
QMetaObject::Connection quitting, sessionSaving;

QWidget* reportParent() {
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    if (QWidget* w = QApplication::activeWindow())
        return w;
    return menuWindow;
}

// Whatever runs at that moment (the start-up notice, a question, a game, the quiz), the
// records are saved and the program ends: no window is asked, since none may be left to ask.
void endNow() {
    RecordsSaving::saveChanges(RecordsSaving::Report::Quiet);
    if (menuWindow)
        menuWindow->close();
    EndProgramNow();
}
} // namespace

namespace RecordsSaving {

bool saveChanges(Report report) {
    if (!RecordsChangedSinceSave())
        return true;
    QString failed;
    if (SavePlayersAndRecords(&failed)) {
        reported = false;
        return true;
    }
    if (report == Report::Quiet) {
        std::fprintf(stderr, "mojimaru: %s could not be saved in %s\n", qPrintable(failed),
                     qPrintable(RecordsDir()));
    } else if (report == Report::AskToEnd) {
        return AskYesNo(reportParent(), SaveErrorEndQuestion(failed, RecordsDir())) ==
               MsgAnswer::Yes;
    } else if (!reported) {
        reported = true;
        ShowMessage(reportParent(), SaveErrorText(failed, RecordsDir()));
    }
    return false;
}

void start(QWidget* menu) {
    menuWindow = menu;
    reported = false;
    SetRecordsChangedHook([] { saveChanges(Report::Once); });
    InstallEndSignals([](int) { endNow(); });
    WatchWindowLoss([] { endNow(); });
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QObject::disconnect(quitting);
    QObject::disconnect(sessionSaving);
    quitting =
        QObject::connect(app, &QCoreApplication::aboutToQuit, [] { saveChanges(Report::Quiet); });
    sessionSaving = QObject::connect(app, &QGuiApplication::commitDataRequest,
                                     [](QSessionManager&) { saveChanges(Report::Quiet); });
}

void stop() {
    SetRecordsChangedHook({});
    InstallEndSignals({});
    WatchWindowLoss({});
    QObject::disconnect(quitting);
    QObject::disconnect(sessionSaving);
    menuWindow = nullptr;
}

} // namespace RecordsSaving
