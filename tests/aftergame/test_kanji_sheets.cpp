// SPDX-License-Identifier: GPL-3.0-or-later
// Practice sheets and writing tests: the PDF's pages rendered and measured (cells, stroke numbers
// at the stroke starts, the answers page against the test page), the full disk, and the notebook's
// print choice driven by clicks.
#include "aftergame/NoteGrid.h"
#include "aftergame/NotePrint.h"
#include "aftergame/TF_Kanji_Note.h"
#include "aftergame/practice/PracticeList.h"
#include "aftergame/sheets/KanjiSheets.h"
#include "aftergame/sheets/PracticeSheet.h"
#include "aftergame/sheets/TF_Print_Sel.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"
#include "writing/RubyText.h"
#include "writing/strokes/StrokeStore.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/mount.h>
#include <unistd.h>

namespace {
struct SheetEnv {
    TestEnv env;
    QTemporaryDir home;
    explicit SheetEnv(int year) {
        // Only the stroke data of the built program directory: copying its media takes long.
        QFile kakijun(TestEnv::builtProgramDir() + QStringLiteral("/Kakijun.dat"));
        if (kakijun.open(QIODevice::ReadOnly))
            env.writeFile(QStringLiteral("Kakijun.dat"), kakijun.readAll());
        ForgetSharedStrokeStore();
        WriteSampleKanjiData(env);
        Player_Count = 1;
        Player_Tbl[1].No = 1;
        Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(QStringLiteral("はなこ")));
        Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
        Cur_Player = 1;
        useHome(home.path());
        NotePrinting::setPrinterCheck([] { return false; });
    }
    ~SheetEnv() { NotePrinting::setPrinterCheck({}); }
    static void useHome(const QString& path) {
        qputenv("HOME", path.toUtf8());
        qputenv("XDG_CONFIG_HOME", (path + QStringLiteral("/config")).toUtf8());
    }
};

QList<QImage> renderPages(const QString& pdf, const QTemporaryDir& out, int dpi) {
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf,
                    out.filePath(QStringLiteral("page"))});
    pdftoppm.waitForFinished(60000);
    QList<QImage> pages;
    for (const QString& name :
         QDir(out.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
        pages << QImage(out.filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

QString pageText(const QString& pdf, int page) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool dark(QRgb c) {
    return qGray(c) < 150;
}

// Square frames drawn in dark lines with sides between minSide and maxSide pixels: a dark top
// edge, a dark bottom edge as far below, dark left and right edges. One rectangle per frame.
QList<QRect> findSquares(const QImage& img, int minSide, int maxSide, int fromY = 0) {
    QList<QRect> found;
    for (int y = fromY; y < img.height(); ++y) {
        int x = 0;
        while (x < img.width()) {
            if (!dark(img.pixel(x, y))) {
                ++x;
                continue;
            }
            int end = x;
            while (end < img.width() && dark(img.pixel(end, y)))
                ++end;
            const int side = end - x;
            if (side >= minSide && side <= maxSide && y + side - 1 < img.height()) {
                const auto column = [&](int cx) {
                    int n = 0;
                    for (int yy = y; yy < y + side - 1; ++yy)
                        n += dark(img.pixel(cx, yy)) ||
                             dark(img.pixel(std::min(cx + 1, img.width() - 1), yy));
                    return n >= (side - 1) * 9 / 10;
                };
                const auto rowDark = [&](int ry) {
                    int n = 0;
                    for (int xx = x; xx < end; ++xx)
                        n += dark(img.pixel(xx, ry));
                    return n >= side * 9 / 10;
                };
                const int bottom = y + side - 1;
                const bool bottomDark = rowDark(bottom) || rowDark(bottom - 1) ||
                                        (bottom + 1 < img.height() && rowDark(bottom + 1));
                const QRect r(x, y, side, side);
                bool known = false;
                for (const QRect& f : found)
                    known = known || (std::abs(f.x() - r.x()) <= 3 && std::abs(f.y() - r.y()) <= 3);
                if (bottomDark && column(x) && column(end - 2) && !known)
                    found << r;
            }
            x = end;
        }
    }
    return found;
}

int px(double mm, int dpi) {
    return int(std::lround(mm * dpi / 25.4));
}

bool lightGrey(QRgb c) {
    return qAbs(qRed(c) - qGreen(c)) < 8 && qAbs(qGreen(c) - qBlue(c)) < 8 && qGray(c) > 180 &&
           qGray(c) < 225;
}

bool numberRed(QRgb c) {
    return qRed(c) > 170 && qGreen(c) < 120 && qBlue(c) < 120;
}

// How many pixels of `img` inside r (shrunk by `inset`) satisfy `is`.
template <typename F> int countIn(const QImage& img, const QRect& r, int inset, F is) {
    int n = 0;
    for (int y = r.top() + inset; y <= r.bottom() - inset; ++y)
        for (int x = r.left() + inset; x <= r.right() - inset; ++x)
            n += is(img.pixel(x, y));
    return n;
}

const CharStrokes* strokesOf(int kanji) {
    const StrokeStore* store = SharedStrokeStore(nullptr);
    return store ? store->find(Kanji_Tbl[kanji].text()) : nullptr;
}

// A small tmpfs of our own (root only), for a documents folder on a disk that fills up.
struct SmallDisk {
    QTemporaryDir where;
    bool mounted = false;
    explicit SmallDisk(const char* size) {
        if (geteuid() != 0)
            return;
        const QByteArray opts = QByteArray("size=") + size;
        mounted = mount("tmpfs", QFile::encodeName(where.path()).constData(), "tmpfs", 0,
                        opts.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            umount2(QFile::encodeName(where.path()).constData(), MNT_DETACH);
    }
};
} // namespace

class TestKanjiSheets : public QObject {
    Q_OBJECT
  private slots:
    // Each kanji gets its cells: eight writing cells of which two carry the model in light grey,
    // and one small square per stroke for the build-up; the program says where the PDF went.
    void practiceCells_data() {
        QTest::addColumn<int>("year");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 4") << 4;
    }
    void practiceCells() {
        QFETCH(int, year);
        SheetEnv s(year);
        const QList<int> kanji = YearLevels(year).first().mid(0, 3);
        const QString path = PrintKanjiSheets(1, kanji, SheetKind::Practice);
        QVERIFY(!path.isEmpty());
        QVERIFY2(QFileInfo(path).fileName().startsWith(QStringLiteral("はなこのかんじれんしゅう_")),
                 qPrintable(path));
        QVERIFY(path.contains(Clock::today().toString(QStringLiteral("yyyy-MM-dd"))));
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("プリントをPDFにしました。\n") + path});
        QTemporaryDir out;
        const int dpi = 100;
        const QList<QImage> pages = renderPages(path, out, dpi);
        QCOMPARE(pages.size(), 2);  // two kanji a page
        const int writingCells = 8; // a row across the page: two to trace, six empty
        const int cell = px(210.0 - 30.0, dpi) / writingCells - px(1.5, dpi);
        for (int page = 0; page < 2; ++page) {
            const QList<int> here = kanji.mid(page * 2, 2);
            const QList<QRect> cells = findSquares(pages[page], cell - 3, cell + 3);
            QCOMPARE(cells.size(), int(here.size()) * writingCells);
            int traced = 0;
            for (const QRect& c : cells)
                traced += countIn(pages[page], c, 4, lightGrey) > c.width() * 2;
            QCOMPARE(traced, int(here.size()) * 2);
            int strokes = 0;
            for (int k : here) {
                QVERIFY(strokesOf(k));
                strokes += strokesOf(k)->count();
            }
            const int step = px(12.5, dpi);
            QCOMPARE(findSquares(pages[page], step - 3, step + 3).size(), strokes);
        }
    }

    // Every stroke's number stands beside that stroke's start in the model, and there is no red
    // of the numbers anywhere else in the model.
    void strokeNumbersAtStarts_data() {
        QTest::addColumn<int>("year");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 4") << 4;
    }
    void strokeNumbersAtStarts() {
        QFETCH(int, year);
        SheetEnv s(year);
        const QList<int> kanji = YearLevels(year).first().mid(2, 2);
        const QString path = PrintKanjiSheets(1, kanji, SheetKind::Practice);
        QTemporaryDir out;
        const int dpi = 150;
        const QList<QImage> pages = renderPages(path, out, dpi);
        QCOMPARE(pages.size(), 1);
        const QImage& page = pages.first();
        for (int slot = 0; slot < 2; ++slot) {
            const CharStrokes* c = strokesOf(kanji[slot]);
            QVERIFY(c);
            const QRectF mm = PracticeModelMm(slot);
            const double k = mm.width() / StrokeBoxSize;
            QList<QPointF> starts;
            for (const StrokePath& st : c->strokes)
                starts << QPointF(px(mm.x() + st.front().x() * k, dpi),
                                  px(mm.y() + st.front().y() * k, dpi));
            const int near = px(7.5, dpi);
            for (int i = 0; i < starts.size(); ++i) {
                const QRect around(starts[i].toPoint() - QPoint(near, near),
                                   QSize(2 * near, 2 * near));
                QVERIFY2(
                    countIn(page, around, 0, numberRed) > 6,
                    qPrintable(QStringLiteral("kanji %1 stroke %2").arg(kanji[slot]).arg(i + 1)));
            }
            const QRect square(px(mm.x(), dpi), px(mm.y(), dpi), px(mm.width(), dpi),
                               px(mm.height(), dpi));
            int stray = 0;
            for (int y = square.top(); y <= square.bottom(); ++y)
                for (int x = square.left(); x <= square.right(); ++x) {
                    if (!numberRed(page.pixel(x, y)))
                        continue;
                    double best = 1e9;
                    for (const QPointF& st : starts)
                        best = std::min(best, QLineF(st, QPointF(x, y)).length());
                    stray += best > near * 1.2;
                }
            QCOMPARE(stray, 0);
        }
    }

    // A test page has one box per question, numbered; its answers page has the same layout with
    // the kanji written in the boxes, and nothing else differs but the heading and the page number.
    void testAndAnswers_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("perPage");
        QTest::newRow("year 1, 10") << 1 << 10;
        QTest::newRow("year 1, 20") << 1 << 20;
        QTest::newRow("year 4, 10") << 4 << 10;
        QTest::newRow("year 4, 20") << 4 << 20;
    }
    void testAndAnswers() {
        QFETCH(int, year);
        QFETCH(int, perPage);
        SheetEnv s(year);
        const QList<int> kanji = YearLevels(year).first();
        const QString path =
            PrintKanjiSheets(1, kanji, perPage == 10 ? SheetKind::Test10 : SheetKind::Test20);
        QVERIFY(!path.isEmpty());
        QTemporaryDir out;
        const int dpi = 100;
        const QList<QImage> pages = renderPages(path, out, dpi);
        QVERIFY(pages.size() >= 2);
        QCOMPARE(pages.size() % 2, 0);
        const int below = px(23, dpi); // under the heading
        const QList<QRect> boxes = findSquares(pages[0], px(5, dpi), px(14, dpi), below);
        QCOMPARE(boxes.size(), perPage);
        const QString text = pageText(path, 1);
        for (int i = 1; i <= perPage; ++i)
            QVERIFY2(text.contains(QStringLiteral("(%1)").arg(i)), qPrintable(QString::number(i)));
        const QList<QRect> answerBoxes = findSquares(pages[1], px(5, dpi), px(14, dpi), below);
        QCOMPARE(answerBoxes.size(), boxes.size());
        for (int i = 0; i < boxes.size(); ++i) {
            QVERIFY(std::abs(boxes[i].x() - answerBoxes[i].x()) <= 1);
            QVERIFY(std::abs(boxes[i].y() - answerBoxes[i].y()) <= 1);
            QCOMPARE(countIn(pages[0], boxes[i], 3, [](QRgb c) { return qGray(c) < 240; }), 0);
            QVERIFY(countIn(pages[1], boxes[i], 3, numberRed) > 10);
        }
        QImage boxMask(pages[0].size(), QImage::Format_Grayscale8);
        boxMask.fill(0);
        {
            QPainter p(&boxMask);
            for (const QRect& b : boxes)
                p.fillRect(b.adjusted(-2, -2, 2, 2), Qt::white);
        }
        int differ = 0;
        const int foot = pages[0].height() - px(16, dpi); // the page numbers differ
        for (int y = below; y < foot; ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(pages[0].constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(pages[1].constScanLine(y));
            const uchar* inBox = boxMask.constScanLine(y);
            for (int x = 0; x < pages[0].width(); ++x)
                differ += !inBox[x] && a[x] != b[x];
        }
        QCOMPARE(differ, 0);
        QVERIFY(pageText(path, 2).contains(QStringLiteral("こたえ")));
    }

    // A disk that fills up while the sheets are written: the earlier PDF stays as it was, no part
    // file is left, and the program says so.
    void fullDiskKeepsEarlierFile() {
        SheetEnv s(1);
        SmallDisk disk("256k");
        if (!disk.mounted)
            QSKIP("a full disk needs a tmpfs of our own (root)");
        SheetEnv::useHome(disk.where.path());
        const QString pdf = KanjiSheetPath(1, SheetKind::Practice);
        QVERIFY(!pdf.isEmpty());
        const QByteArray earlier = "%PDF-1.4 this morning's sheets" + QByteArray(20000, ' ');
        {
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(earlier);
        }
        {
            QFile filler(disk.where.path() + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(512, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        QVERIFY(PrintKanjiSheets(1, YearKanji(1).mid(0, 6), SheetKind::Practice).isEmpty());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
        QCOMPARE(QFileInfo(pdf).dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(pdf).fileName()});
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("プリントのPDFを書きこめませんでした。ディスクが"
                                            "いっぱいか、書きこめないところです。\n") +
                             pdf +
                             QStringLiteral("\nまえに作ったPDFは、そのままのこっています。")});
    }

    // With a printer the print dialog follows the PDF; nothing to print is said, and nothing is
    // written.
    void printerAndNothingToPrint_data() {
        QTest::addColumn<int>("which"); // 0: a level, 1: no kanji, 2: kanji without sentences
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("practice, printer")
            << 0 << int(SheetKind::Practice) << QStringLiteral("プリントをPDFにしました。") << true;
        QTest::newRow("test, printer")
            << 0 << int(SheetKind::Test20) << QStringLiteral("プリントをPDFにしました。") << true;
        QTest::newRow("no kanji") << 1 << int(SheetKind::Practice)
                                  << QStringLiteral("プリントするかんじがありません。") << false;
        QTest::newRow("no sentences")
            << 2 << int(SheetKind::Test10)
            << QStringLiteral("このかんじには、テストにする文がありません。") << false;
    }
    void printerAndNothingToPrint() {
        QFETCH(int, which);
        QFETCH(int, kind);
        QFETCH(QString, said);
        QFETCH(bool, dialog);
        SheetEnv s(2);
        NotePrinting::setPrinterCheck([] { return true; });
        QStringList opened;
        Modal::setHook([&](QDialog* d) {
            opened << QString::fromLatin1(d->metaObject()->className());
            return int(QDialog::Rejected);
        });
        QList<int> kanji;
        if (which == 0)
            kanji = YearLevels(2).first().mid(0, 2);
        if (which == 2) // a slot of the table past the sample data: a kanji with no sentences
            kanji = {MaxKanji};
        const QString path = PrintKanjiSheets(1, kanji, SheetKind(kind));
        Modal::setHook({});
        QCOMPARE(path.isEmpty(), !dialog);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QVERIFY2(MessageBoxes::shown().first().startsWith(said),
                 qPrintable(MessageBoxes::shown().first()));
        QCOMPARE(opened.contains(QStringLiteral("QPrintDialog")), dialog);
        QCOMPARE(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .entryList(QDir::Files)
                     .size(),
                 dialog ? 1 : 0);
    }

    // The sheet's own words carry furigana while the child has not learned their kanji: the
    // heading of a test changes with the reader's kanji, the questions (with their readings
    // already) do not.
    void furiganaOnOwnWords() {
        SheetEnv s(1);
        const QList<int> kanji = YearLevels(1).first();
        QList<QImage> pages;
        QList<QTemporaryDir*> dirs;
        for (bool learned : {false, true}) {
            SetKanjiLearnedRule([learned](QChar) { return learned; });
            const QString path = PrintKanjiSheets(1, kanji, SheetKind::Test10);
            QVERIFY(!path.isEmpty());
            dirs << new QTemporaryDir;
            pages << renderPages(path, *dirs.back(), 100).first();
            QFile::remove(path);
        }
        SetKanjiLearnedRule({});
        qDeleteAll(dirs);
        const int headingBottom = px(22, 100);
        int headingDiffers = 0;
        int bodyDiffers = 0;
        for (int y = 0; y < pages[0].height(); ++y)
            for (int x = 0; x < pages[0].width(); ++x)
                (y < headingBottom ? headingDiffers : bodyDiffers) +=
                    pages[0].pixel(x, y) != pages[1].pixel(x, y);
        QVERIFY2(headingDiffers > 20, qPrintable(QString::number(headingDiffers)));
        QCOMPARE(bodyDiffers, 0);
    }

    // In the notebook: "プリント", "ノートでえらぶ", two kanji clicked in the grid, "プリント"
    // again, a test of 10: the answers page holds the two clicked kanji.
    void pickedInNotebook() {
        SheetEnv s(1);
        TF_Kanji_Note note(1);
        note.show();
        const QList<int> want = {YearKanji(1)[0], YearKanji(1)[4]};
        int round = 0;
        bool erabuWasOff = false;
        bool erabuChosen = false;
        Modal::setHook([&](QDialog* d) -> int {
            auto* choice = qobject_cast<TF_Print_Sel*>(d);
            if (!choice)
                return int(QDialog::Accepted); // message boxes
            d->show();
            if (round++ == 0) {
                erabuWasOff = !choice->Rad_Erabu->isEnabled(); // nothing picked yet
                QTest::mouseClick(choice->Btn_Erabu, Qt::LeftButton);
            } else {
                erabuChosen = choice->Rad_Erabu->isChecked();
                QTest::mouseClick(choice->Rad_Test10, Qt::LeftButton, {}, QPoint(8, 13));
                QTest::mouseClick(choice->Btn_Tsukuru, Qt::LeftButton);
            }
            return d->result();
        });
        QTest::mouseClick(note.Btn_Print, Qt::LeftButton);
        QVERIFY(note.picking());
        for (int k : want)
            QTest::mouseClick(note.Grd_Note, Qt::LeftButton, {},
                              note.Grd_Note->cellRect(k).center());
        QCOMPARE(note.picked(), want);
        QTest::mouseClick(note.Btn_Print, Qt::LeftButton);
        Modal::setHook({});
        QCOMPARE(round, 2);
        QVERIFY(erabuWasOff);
        QVERIFY(erabuChosen);
        const QString pdf = note.lastSheets();
        QVERIFY(!pdf.isEmpty());
        QVERIFY(
            QFileInfo(pdf).fileName().startsWith(QStringLiteral("はなこの書き取りテスト10もん_")));
        const QString answers = pageText(pdf, 2);
        for (int k : want)
            QVERIFY2(answers.contains(Kanji_Tbl[k].text()), qPrintable(Kanji_Tbl[k].text()));
    }
};

QTEST_MAIN(TestKanjiSheets)
#include "test_kanji_sheets.moc"
