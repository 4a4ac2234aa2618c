// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/NotePrint.h"

#include "aftergame/NoteDetail.h"
#include "aftergame/NoteGrid.h"
#include "aftergame/NotePainting.h"
#include "aftergame/PdfFile.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"

#include <QImage>
#include <QPainter>
#include <QPrinterInfo>

namespace {
std::function<bool()> printerCheck;

constexpr int Resolution = 200; // dots per inch of the PDF's pages
constexpr int Columns = 12;

int mm(double v) {
    return int(v * Resolution / 25.4);
}

// Lays the pages out top to bottom, turning to a new page when the next block would not fit. A
// first run only counts the pages (painting on a scrap image), so that each page can carry its
// number out of the total in the second.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, QPainter& p, int pages)
        : device_(device), p_(p), pages_(pages) {
        width_ = device.width();
        bottom_ = device.height() - mm(18); // the foot keeps the page number
        footY_ = device.height() - mm(14);
        y_ = mm(12);
    }
    int left() const { return mm(15); }
    int width() const { return width_ - 2 * mm(15); }
    int y() const { return y_; }
    int page() const { return page_; }
    void advance(int h) { y_ += h; }
    // Makes room for a block of height h.
    void need(int h) {
        if (y_ + h <= bottom_)
            return;
        newPage();
    }
    void newPage() {
        paintFoot();
        if (pages_ > 0)
            device_.newPage();
        ++page_;
        y_ = mm(12);
    }
    void paintFoot() {
        if (pages_ <= 0)
            return;
        p_.setFont(PixelFont(mm(3.5), false));
        p_.setPen(Qt::black);
        p_.drawText(QRect(0, footY_, width_, mm(8)), Qt::AlignCenter,
                    QStringLiteral("%1 / %2").arg(page_).arg(pages_));
    }

  private:
    QPagedPaintDevice& device_;
    QPainter& p_;
    const int pages_; // 0 while counting
    int width_ = 0;
    int bottom_ = 0;
    int footY_ = 0;
    int y_ = 0;
    int page_ = 1;
};

void drawText(QPainter& p, const QRect& r, int px, const QString& text, bool bold = true,
              Qt::Alignment align = Qt::AlignLeft) {
    p.setFont(PixelFont(px, bold));
    p.setPen(Qt::black);
    p.drawText(r, align | Qt::AlignVCenter, text);
}

void drawText(QPainter& p, int x, int y, int h, int px, const QString& text, bool bold = true) {
    drawText(p, QRect(x, y, 100000, h), px, text, bold);
}

void paintNotebook(PageFlow& f, QPainter& p, int player, const NoteSummary& s) {
    const int side = f.width() / Columns;
    const int gridWidth = side * Columns; // the date ends where the rows of kanji end
    const QString name = Player_Tbl[player].Name.text().trimmed();
    drawText(p, f.left(), f.y(), mm(12), mm(8), name + QStringLiteral("のかんじノート"));
    drawText(p, QRect(f.left(), f.y(), gridWidth, mm(12)), mm(4.5),
             Clock::today().toString(QStringLiteral("yyyy/MM/dd")), false, Qt::AlignRight);
    f.advance(mm(14));
    PaintNoteLegend(p, f.left(), f.y(), mm(6), Qt::black, true);
    f.advance(mm(10));

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
    if (col != 0)
        f.advance(side);
}

// The weak list in two columns, after the notebook on the same page when its heading and first
// row fit there.
void paintWeakList(PageFlow& f, QPainter& p, const NoteSummary& s) {
    const int side = mm(11);
    const int row = side + mm(2);
    const int columnWidth = f.width() / 2;
    f.advance(mm(6));
    f.need(mm(14) + row);
    drawText(p, f.left(), f.y(), mm(12), mm(8), QStringLiteral("にがてなかんじ"));
    f.advance(mm(14));
    if (s.weak.isEmpty()) {
        drawText(p, f.left(), f.y(), mm(10), mm(5),
                 QStringLiteral("まちがえたかんじは、まだありません。"), false);
        f.advance(mm(10));
        return;
    }
    for (int i = 0; i < s.weak.size(); i += 2) {
        f.need(row);
        for (int j = i; j < std::min<int>(i + 2, s.weak.size()); ++j) {
            const int k = s.weak[j];
            const int x = f.left() + (j - i) * columnWidth;
            PaintNoteCell(p, QRect(x, f.y(), side, side), k, s.kanji[k].mark(), false, true);
            const KanjiSummary& ks = s.kanji[k];
            const QString line = QStringLiteral("画数 %1　よみ：%2")
                                     .arg(Kanji_Tbl[k].Kakusuu)
                                     .arg(NoteReadings(NoteSentencesOf(k)));
            const QString counts = QStringLiteral("こたえた数 %1　まちがえた数 %2")
                                       .arg(ks.answers)
                                       .arg(ks.answers - ks.right);
            const int textX = x + side + mm(3);
            const int textW = columnWidth - side - mm(5);
            drawText(p, QRect(textX, f.y(), textW, side / 2), mm(4), line, false);
            drawText(p, QRect(textX, f.y() + side / 2, textW, side / 2), mm(3.6), counts, false);
        }
        f.advance(row);
    }
}

// Lays out (and, with the page count known, paints) every page; returns the number of pages.
int paintAll(QPagedPaintDevice& device, QPainter& p, int pages, int player,
             const NoteSummary& s) {
    PageFlow flow(device, p, pages);
    paintNotebook(flow, p, player, s);
    paintWeakList(flow, p, s);
    flow.paintFoot();
    return flow.page();
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
    int pages = 0;
    {
        QImage scrap(1, 1, QImage::Format_RGB32);
        QPainter counting(&scrap);
        pages = paintAll(device, counting, 0, player, summary);
    }
    QPainter p;
    if (!p.begin(&device))
        return false;
    paintAll(device, p, pages, player, summary);
    return p.end();
}

QString NotePdfPath(int player) {
    return DocumentsFilePath(SafeFileName(Player_Tbl[player].Name.text()) +
                             QStringLiteral("のかんじノート.pdf"));
}

bool WriteNotePdf(const QString& path, int player, const NoteSummary& summary) {
    return WriteA4Pdf(path,
                      Player_Tbl[player].Name.text().trimmed() + QStringLiteral("のかんじノート"),
                      Resolution, [&](QPagedPaintDevice& device) {
                          return PaintNotePages(device, player, summary);
                      });
}

QString NotePdfFailedText(const QString& path, bool earlierKept) {
    return PdfFailedText(QStringLiteral("かんじノート"), path, earlierKept);
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
