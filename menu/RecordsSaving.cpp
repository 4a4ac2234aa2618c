#include "menu/RecordsSaving.h"

#include "data/ErrorReports.h"
#include "data/RecordsChanges.h"
#include "data/RecordsDir.h"
#include "data/SaveFiles.h"
#include "platform/EndSignals.h"

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

void endBySignal() {
    RecordsSaving::saveChanges(RecordsSaving::Report::Quiet);
    if (menuWindow)
        menuWindow->close();
    if (QCoreApplication::instance()->property("moji_loop").toBool())
        QCoreApplication::exit(0);
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
    } else if (!reported || report == Report::Always) {
        reported = true;
        FileErrorReport(reportParent(), failed);
    }
    return false;
}

void start(QWidget* menu) {
    menuWindow = menu;
    reported = false;
    SetRecordsChangedHook([] { saveChanges(Report::Once); });
    InstallEndSignals([](int) { endBySignal(); });
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
    QObject::disconnect(quitting);
    QObject::disconnect(sessionSaving);
    menuWindow = nullptr;
}

} // namespace RecordsSaving
