// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/KanjiSheets.h"

#include "aftergame/NotePrint.h"
#include "aftergame/PdfFile.h"
#include "aftergame/sheets/PracticeSheet.h"
#include "aftergame/sheets/SheetPage.h"
#include "aftergame/sheets/TestSheet.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "writing/strokes/StrokeStore.h"

#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
int perPage(SheetKind kind) {
    return kind == SheetKind::Test20 ? 20 : 10;
}

QString childName(int player) {
    return Player_Tbl[std::clamp(player, 1, MaxPlayers)].Name.text().trimmed();
}

QString title(int player, SheetKind kind) {
    return childName(player) + (kind == SheetKind::Practice ? QStringLiteral("のかんじれんしゅう")
                                                            : QStringLiteral("の書き取りテスト"));
}

// QPdfWriter and QPrinter scale differently: the pages are laid out at the sheet's resolution
// and scaled to whatever the device has.
void scaleToDevice(QPainter& p, const QPagedPaintDevice& device) {
    const double k = double(device.logicalDpiX()) / SheetResolution;
    p.scale(k, k);
}

bool paintPractice(QPagedPaintDevice& device, QPainter& p, int player, const QList<int>& kanji,
                   const StrokeStore* strokes) {
    const int pages = (int(kanji.size()) + PracticeKanjiPerPage - 1) / PracticeKanjiPerPage;
    const QString date = Clock::today().toString(QStringLiteral("yyyy/MM/dd"));
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        PaintSheetHeading(p, title(player, SheetKind::Practice), date);
        for (int slot = 0; slot < PracticeKanjiPerPage; ++slot) {
            const int i = page * PracticeKanjiPerPage + slot;
            if (i >= kanji.size())
                break;
            const int k = kanji[i];
            PaintPracticeBlock(p, slot, k, strokes ? strokes->find(Kanji_Tbl[k].text()) : nullptr);
        }
        PaintSheetFoot(p, page + 1, pages);
    }
    return true;
}

bool paintTest(QPagedPaintDevice& device, QPainter& p, int player, const QList<int>& kanji,
               SheetKind kind) {
    const int n = perPage(kind);
    const QList<TestQuestion> questions = TestQuestions(kanji, n);
    const int tests = (int(questions.size()) + n - 1) / n;
    const int pages = 2 * tests;
    const QString date = Clock::today().toString(QStringLiteral("yyyy/MM/dd"));
    for (int t = 0; t < tests; ++t) {
        for (int answers = 0; answers < 2; ++answers) {
            const int page = 2 * t + answers;
            if (page > 0 && !device.newPage())
                return false;
            PaintSheetHeading(
                p, answers ? QStringLiteral("書き取りテスト　こたえ") : title(player, kind), date);
            PaintTestPage(p, questions, t * n, n, answers != 0);
            PaintSheetFoot(p, page + 1, pages);
        }
    }
    return true;
}

bool anythingToPrint(const QList<int>& kanji, SheetKind kind) {
    if (kanji.isEmpty())
        return false;
    return kind == SheetKind::Practice || !TestQuestions(kanji, perPage(kind)).isEmpty();
}
} // namespace

QString SheetKindName(SheetKind kind) {
    switch (kind) {
    case SheetKind::Practice:
        return QStringLiteral("れんしゅうプリント");
    case SheetKind::Test10:
        return QStringLiteral("書き取りテスト 10もん");
    case SheetKind::Test20:
        return QStringLiteral("書き取りテスト 20もん");
    }
    return QString();
}

bool PaintKanjiSheets(QPagedPaintDevice& device, int player, const QList<int>& kanji,
                      SheetKind kind, const StrokeStore* strokes) {
    if (!anythingToPrint(kanji, kind))
        return false;
    QPainter p;
    if (!p.begin(&device))
        return false;
    scaleToDevice(p, device);
    const bool painted = kind == SheetKind::Practice
                             ? paintPractice(device, p, player, kanji, strokes)
                             : paintTest(device, p, player, kanji, kind);
    return p.end() && painted;
}

QString KanjiSheetPath(int player, SheetKind kind) {
    QString what = title(player, kind).mid(childName(player).size());
    if (kind != SheetKind::Practice)
        what += QString::number(perPage(kind)) + QStringLiteral("もん");
    return DocumentsFilePath(SafeFileName(childName(player)) + what + QLatin1Char('_') +
                             Clock::today().toString(QStringLiteral("yyyy-MM-dd")) +
                             QStringLiteral(".pdf"));
}

bool WriteKanjiSheetPdf(const QString& path, int player, const QList<int>& kanji, SheetKind kind,
                        const StrokeStore* strokes) {
    return WriteA4Pdf(path, title(player, kind), SheetResolution, [&](QPagedPaintDevice& device) {
        return PaintKanjiSheets(device, player, kanji, kind, strokes);
    });
}

QString PrintKanjiSheets(int player, const QList<int>& kanji, SheetKind kind, QWidget* host) {
    if (!anythingToPrint(kanji, kind)) {
        ShowMessage(host, kanji.isEmpty()
                              ? QStringLiteral("プリントするかんじがありません。")
                              : QStringLiteral("このかんじには、テストにする文がありません。"));
        return QString();
    }
    const StrokeStore* strokes = nullptr;
    if (kind == SheetKind::Practice) {
        strokes = SharedStrokeStore(host); // says itself why it is missing
        if (!strokes)
            return QString();
    }
    const QString path = KanjiSheetPath(player, kind);
    if (path.isEmpty() || !WriteKanjiSheetPdf(path, player, kanji, kind, strokes)) {
        ShowMessage(host, PdfFailedText(QStringLiteral("プリント"), path,
                                        !path.isEmpty() && QFile::exists(path)));
        return QString();
    }
    ShowMessage(host, QStringLiteral("プリントをPDFにしました。\n") + path);
    if (!NotePrinting::printerAvailable())
        return path;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, host);
    if (ExecModal(&dialog) == QDialog::Accepted)
        PaintKanjiSheets(printer, player, kanji, kind, strokes);
    return path;
}
