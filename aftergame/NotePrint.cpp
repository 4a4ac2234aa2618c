#include "aftergame/NotePrint.h"

#include "aftergame/NoteDetail.h"
#include "aftergame/NoteGrid.h"
#include "aftergame/NotePainting.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {
std::function<bool()> printerCheck;

constexpr int Resolution = 200; // dots per inch of the PDF's pages
constexpr int Columns = 12;

int mm(double v) {
    return int(v * Resolution / 25.4);
}

QString safeFileName(QString name) {
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    return name.trimmed().isEmpty() ? QStringLiteral("_") : name.trimmed();
}

// Draws the pages top to bottom, turning to a new page when the next block would not fit.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, QPainter& p) : device_(device), p_(p) {
        width_ = device.width();
        bottom_ = device.height() - mm(12);
        y_ = mm(12);
    }
    int left() const { return mm(15); }
    int width() const { return width_ - 2 * mm(15); }
    int y() const { return y_; }
    void advance(int h) { y_ += h; }
    // Makes room for a block of height h.
    void need(int h) {
        if (y_ + h <= bottom_)
            return;
        newPage();
    }
    void newPage() {
        device_.newPage();
        y_ = mm(12);
    }

  private:
    QPagedPaintDevice& device_;
    QPainter& p_;
    int width_ = 0;
    int bottom_ = 0;
    int y_ = 0;
};

void drawText(QPainter& p, int x, int y, int h, int px, const QString& text, bool bold = true) {
    p.setFont(PixelFont(px, bold));
    p.setPen(Qt::black);
    p.drawText(QRect(x, y, 100000, h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintNotebook(PageFlow& f, QPainter& p, int player, const NoteSummary& s) {
    const QString name = Player_Tbl[player].Name.text().trimmed();
    drawText(p, f.left(), f.y(), mm(12), mm(8), name + QStringLiteral("のかんじノート"));
    drawText(p, f.left() + f.width() - mm(45), f.y(), mm(12), mm(4.5),
             Clock::today().toString(QStringLiteral("yyyy/MM/dd")), false);
    f.advance(mm(14));
    PaintNoteLegend(p, f.left(), f.y(), mm(6), Qt::black, true);
    f.advance(mm(10));

    const int side = f.width() / Columns;
    const QList<NoteCell> cells = NoteYearCells(Player_Tbl[player].Gakunen);
    int col = 0;
    for (const NoteCell& c : cells) {
        if (c.kanji == 0) {
            if (col != 0)
                f.advance(side);
            col = 0;
            f.need(mm(10) + side);
            drawText(p, f.left(), f.y(), mm(10), mm(6), c.heading);
            f.advance(mm(10));
            continue;
        }
        if (col == 0)
            f.need(side);
        PaintNoteCell(p, QRect(f.left() + col * side, f.y(), side, side), c.kanji,
                      s.kanji[c.kanji].mark(), false, true);
        if (++col == Columns) {
            col = 0;
            f.advance(side);
        }
    }
}

void paintWeakList(PageFlow& f, QPainter& p, const NoteSummary& s) {
    f.newPage();
    drawText(p, f.left(), f.y(), mm(12), mm(8), QStringLiteral("にがてなかんじ"));
    f.advance(mm(16));
    if (s.weak.isEmpty()) {
        drawText(p, f.left(), f.y(), mm(10), mm(5),
                 QStringLiteral("まちがえたかんじは、まだありません。"), false);
        return;
    }
    const int side = mm(11);
    for (int k : s.weak) {
        f.need(side + mm(2));
        PaintNoteCell(p, QRect(f.left(), f.y(), side, side), k, s.kanji[k].mark(), false, true);
        const KanjiSummary& ks = s.kanji[k];
        const QString line = QStringLiteral("画数 %1　よみ：%2")
                                 .arg(Kanji_Tbl[k].Kakusuu)
                                 .arg(NoteReadings(NoteSentencesOf(k)));
        const QString counts = QStringLiteral("こたえた数 %1　まちがえた数 %2")
                                   .arg(ks.answers)
                                   .arg(ks.answers - ks.right);
        drawText(p, f.left() + side + mm(4), f.y(), side / 2, mm(4.5), line, false);
        drawText(p, f.left() + side + mm(4), f.y() + side / 2, side / 2, mm(4), counts, false);
        f.advance(side + mm(2));
    }
}
} // namespace

QList<NoteCell> NoteYearCells(int gakunen) {
    QList<NoteCell> cells;
    const int last = std::clamp(gakunen, 1, 6);
    for (int y = 1; y <= last; ++y) {
        const TGakunenRec& e = Gakunen_Tbl[y];
        cells << NoteCell{0, QString::number(y) + QStringLiteral("年")};
        for (int k = e.First; k < e.First + e.Count && k <= MaxKanji; ++k)
            if (k >= 1)
                cells << NoteCell{k, QString()};
    }
    return cells;
}

bool PaintNotePages(QPagedPaintDevice& device, int player, const NoteSummary& summary) {
    QPainter p;
    if (!p.begin(&device))
        return false;
    PageFlow flow(device, p);
    paintNotebook(flow, p, player, summary);
    paintWeakList(flow, p, summary);
    return p.end();
}

QString NotePdfPath(int player) {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QDir().mkpath(docs))
        return QString();
    const QString name = safeFileName(Player_Tbl[player].Name.text());
    return QDir(docs).filePath(name + QStringLiteral("のかんじノート.pdf"));
}

bool WriteNotePdf(const QString& path, int player, const NoteSummary& summary) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(Resolution);
    writer.setTitle(Player_Tbl[player].Name.text().trimmed() + QStringLiteral("のかんじノート"));
    writer.setCreator(QStringLiteral("もじまる"));
    return PaintNotePages(writer, player, summary);
}

namespace NotePrinting {
bool printerAvailable() {
    if (printerCheck)
        return printerCheck();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}
void setPrinterCheck(std::function<bool()> check) {
    printerCheck = std::move(check);
}
} // namespace NotePrinting
