// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji notebook: the quiz's answers in the history, the grades window's button, the cells'
// colours, a clicked kanji's details, the weak list, and the PDF with its pages rendered.
#include "aftergame/NoteGrid.h"
#include "aftergame/NotePainting.h"
#include "aftergame/NotePrint.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/TF_Kanji_Note.h"
#include "data/KanjiHistory.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/HistorySetUp.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void addPlayer(int gakunen) {
    Player_Count = 0;
    AddHistoryPlayer(1, "taro", gakunen);
    Cur_Player = 1;
}

int kanjiWithSentences(int count) {
    for (int k = 1; k <= SampleKanjiCount(); ++k)
        if (SampleSentenceCount(k) == count)
            return k;
    return 0;
}

void answers(int kanji, const QString& pattern, int game = 2) {
    Cur_Game = static_cast<std::int16_t>(game);
    for (QChar c : pattern) {
        RecordKanjiAnswer(kanji, KanjiAsked::Kanji, c == QLatin1Char('o'));
        Clock::advanceMs(1000);
    }
}

// Renders the PDF's pages at `dpi` into `out`, in page order.
QList<QImage> renderPages(const QString& pdf, const QTemporaryDir& out, int dpi = 50) {
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi),
                                                QStringLiteral("-png"), pdf,
                                                out.filePath(QStringLiteral("page"))});
    pdftoppm.waitForFinished(60000);
    QList<QImage> pages;
    for (const QString& name :
         QDir(out.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
        pages << QImage(out.filePath(name));
    return pages;
}

QString pageText(const QString& pdf, int page) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page),
                                          pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool inked(QRgb c) {
    return qGray(c) < 235;
}

// The lowest row with ink, above the page number's strip at the foot (a share of the height).
double usedHeight(const QImage& page) {
    const int foot = page.height() * 92 / 100;
    for (int y = foot - 1; y >= 0; --y)
        for (int x = 0; x < page.width(); ++x)
            if (inked(page.pixel(x, y)))
                return double(y) / page.height();
    return 0;
}

// The rightmost column with ink between rows top and bottom.
int rightmostInk(const QImage& page, int top, int bottom) {
    for (int x = page.width() - 1; x >= 0; --x)
        for (int y = top; y < bottom; ++y)
            if (inked(page.pixel(x, y)))
                return x;
    return -1;
}

// Writes the notebook of player 1 as a PDF into a documents folder of its own, by the button.
QString pressInsatsu(const QTemporaryDir& home) {
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    NotePrinting::setPrinterCheck([] { return false; });
    TF_Kanji_Note note(1);
    note.show();
    QTest::mouseClick(note.Btn_Insatsu, Qt::LeftButton);
    NotePrinting::setPrinterCheck({});
    return note.lastPdf();
}


QColor cellColour(KanjiNoteGrid* grid, int kanji) {
    const QImage img = grid->grab().toImage();
    const QRect r = grid->cellRect(kanji);
    return img.pixelColor(r.topLeft() + QPoint(3, 3));
}
} // namespace

class TestKanjiNote : public QObject {
    Q_OBJECT
  private slots:
    // Each quiz try writes every reading and the stroke count, right or wrong.
    void quizTries() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(1);
        Cur_Game = 3;
        const int k = kanjiWithSentences(2);
        QVERIFY(k != 0);
        Quiz_Kanji = k;
        TF_Game_Shutsudai quiz;
        quiz.show();
        quiz.Edt_Kaitou[0]->setText(QStringLiteral("ちがう"));
        quiz.Edt_Kaitou[1]->setText(SampleReading(k, 2));
        quiz.Edt_Kakusuu->setText(QString::number(SampleKanjiAt(k).strokes + 1));
        QTest::mouseClick(quiz.Btn_kotae_Kinyu, Qt::LeftButton);
        quiz.Edt_Kaitou[0]->setText(SampleReading(k, 1));
        quiz.Edt_Kakusuu->setText(QString::number(SampleKanjiAt(k).strokes));
        QTest::mouseClick(quiz.Btn_kotae_Kinyu, Qt::LeftButton);
        QVERIFY(Quiz_Passed);

        const QList<HistoryAnswer> h = KanjiHistory::answersOf(1);
        QCOMPARE(h.size(), 6);
        const QList<KanjiAsked> asked = {KanjiAsked::Reading, KanjiAsked::Reading,
                                         KanjiAsked::Kakusuu};
        const QList<bool> right = {false, true, false, true, true, true};
        for (int i = 0; i < h.size(); ++i) {
            QCOMPARE(h[i].kanji, k);
            QCOMPARE(h[i].game, 3);
            QCOMPARE(h[i].asked, asked[i % 3]);
            QCOMPARE(h[i].right, right[i]);
        }
    }

    // The grades window offers the notebook of the chosen player only.
    void gradesButton() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(1);
        Cur_Game = 0;
        QString opened;
        Modal::setHook([&](QDialog* d) {
            opened = QString::fromLatin1(d->metaObject()->className());
            return 0;
        });
        {
            auto* w = new TF_Game_Seiseki();
            w->show();
            QVERIFY(w->Btn_Note->isVisible());
            QVERIFY(!w->Btn_Note->geometry().intersects(w->Btn_Hyouji->geometry()));
            QTest::mouseClick(w->Btn_Note, Qt::LeftButton);
            QCOMPARE(opened, QStringLiteral("TF_Kanji_Note"));
            w->close();
        }
        Cur_Player = 0;
        auto* w = new TF_Game_Seiseki();
        w->show();
        QVERIFY(!w->Btn_Note->isVisible());
        w->close();
    }

    // Each cell takes the colour of its mark; the player's years show in school-year order.
    void colours() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(2);
        answers(81, QStringLiteral("ooo"));
        answers(82, QStringLiteral("ooox"));
        answers(83, QStringLiteral("o"));
        answers(1, QStringLiteral("xooo"), 6);
        TF_Kanji_Note note(1);
        note.show();
        QCOMPARE(note.Grd_Note->kanjiCount(), 240); // years 1 and 2
        QVERIFY(note.Grd_Note->cellRect(1).top() < note.Grd_Note->cellRect(80).top());
        QVERIFY(note.Grd_Note->cellRect(80).top() < note.Grd_Note->cellRect(81).top());
        QCOMPARE(cellColour(note.Grd_Note, 81), NoteMarkColour(NoteMark::Known));
        QCOMPARE(cellColour(note.Grd_Note, 82), NoteMarkColour(NoteMark::Missed));
        QCOMPARE(cellColour(note.Grd_Note, 83), NoteMarkColour(NoteMark::Met));
        QCOMPARE(cellColour(note.Grd_Note, 84), NoteMarkColour(NoteMark::NotMet));
        QCOMPARE(cellColour(note.Grd_Note, 1), NoteMarkColour(NoteMark::Known));
        QVERIFY(!note.Grd_Note->cellRect(241).isValid()); // year 3 is not this child's yet
    }

    // A click on a kanji shows its sentences with readings, its stroke count, recent answers.
    void clickShowsDetail() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(1);
        const int k = kanjiWithSentences(2);
        answers(k, QStringLiteral("xo"), 5);
        TF_Kanji_Note note(1);
        note.show();
        const QRect r = note.Grd_Note->cellRect(k);
        note.Scr_Note->ensureVisible(r.center().x(), r.center().y());
        QTest::mouseClick(note.Grd_Note, Qt::LeftButton, {}, r.center());
        QCOMPARE(note.chosenKanji(), k);
        QCOMPARE(note.Lbl_Kanji->text(), Kanji_Tbl[k].text());
        QVERIFY(note.Lbl_Kakusuu->text().contains(QString::number(SampleKanjiAt(k).strokes)));
        QVERIFY(note.Lbl_Bun->text().contains(SampleReading(k, 1)));
        QVERIFY(note.Lbl_Bun->text().contains(SampleReading(k, 2)));
        QString kotae;
        for (const QLabel* line : note.Lbl_KotaeGyou)
            if (line->isVisibleTo(&note))
                kotae += line->text() + QLatin1Char('\n');
        QVERIFY(kotae.contains(QStringLiteral("○")));
        QVERIFY(kotae.contains(QStringLiteral("×")));
        QVERIFY(kotae.indexOf(QStringLiteral("○")) <
                kotae.indexOf(QStringLiteral("×"))); // newest first
        QVERIFY(kotae.contains(QStringLiteral("かんじ打落し")));
    }

    // The second view lists the kanji missed most recently, newest first.
    void weakList() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(1);
        TF_Kanji_Note empty(1);
        empty.show();
        QTest::mouseClick(empty.Btn_Nigate, Qt::LeftButton);
        QVERIFY(empty.Lbl_Empty->isVisible());

        answers(5, QStringLiteral("x"));
        answers(6, QStringLiteral("x"));
        answers(7, QStringLiteral("o"));
        answers(5, QStringLiteral("o"));
        TF_Kanji_Note note(1);
        note.show();
        QTest::mouseClick(note.Btn_Nigate, Qt::LeftButton);
        QVERIFY(note.weakShown());
        QCOMPARE(note.Grd_Note->kanjiCount(), 2);
        QVERIFY(note.Grd_Note->cellRect(6).left() < note.Grd_Note->cellRect(5).left());
        QCOMPARE(note.Btn_Nigate->text(), QStringLiteral("かんじノート"));
        QTest::mouseClick(note.Btn_Nigate, Qt::LeftButton);
        QCOMPARE(note.Grd_Note->kanjiCount(), 80);
    }

    // "いんさつ" writes an A4 PDF into the documents folder, says where, and offers the print
    // dialog when a printer is there.
    void pdf() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(2);
        for (int k = 81; k < 120; k += 3)
            answers(k, QStringLiteral("x"));
        answers(100, QStringLiteral("ooo"));
        answers(5, QStringLiteral("oo"));
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
        QString dialogClass;
        NotePrinting::setPrinterCheck([] { return true; });
        Modal::setHook([&](QDialog* d) {
            dialogClass = QString::fromLatin1(d->metaObject()->className());
            return int(QDialog::Rejected);
        });
        TF_Kanji_Note note(1);
        note.show();
        QTest::mouseClick(note.Btn_Insatsu, Qt::LeftButton);
        NotePrinting::setPrinterCheck({});
        const QString path = home.path() + QStringLiteral("/Documents/taroのかんじノート.pdf");
        QCOMPARE(note.lastPdf(), path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QVERIFY(MessageBoxes::shown().first().contains(path));
        QCOMPARE(dialogClass, QStringLiteral("QPrintDialog"));

        // The pages, rendered: the notebook's colours on the first, the weak list after it.
        QTemporaryDir out;
        const QString prefix = out.filePath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"),
                                                    QStringLiteral("-png"), path, prefix});
        QVERIFY(pdftoppm.waitForFinished(60000));
        QCOMPARE(pdftoppm.exitCode(), 0);
        const QStringList pages =
            QDir(out.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
        QVERIFY2(pages.size() >= 2, qPrintable(pages.join(' ')));
        const QImage first(out.filePath(pages.first()));
        QCOMPARE(first.width() * 1000 / first.height(), 210 * 1000 / 297); // A4 portrait
        auto share = [](const QImage& img, const QColor& c) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor p = img.pixelColor(x, y);
                    n += std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                             std::abs(p.blue() - c.blue()) <
                         30;
                }
            return n;
        };
        QVERIFY(share(first, NoteMarkColour(NoteMark::Missed)) > 50);
        QVERIFY(share(first, NoteMarkColour(NoteMark::Known)) > 10);
        QVERIFY(share(first, NoteMarkColour(NoteMark::NotMet, true)) > 1000);
        QVERIFY(share(first, NoteMarkColour(NoteMark::NotMet)) == 0); // no navy on paper
        const QImage last(out.filePath(pages.last()));
        QVERIFY(share(last, NoteMarkColour(NoteMark::Missed)) > 50); // the weak list's cells
        const QByteArray keep = qgetenv("MOJI_KEEP_PAGES");
        if (!keep.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(keep));
            QFile::copy(path, QString::fromLocal8Bit(keep) + QStringLiteral("/note.pdf"));
            for (const QString& p : pages)
                QFile::copy(out.filePath(p), QString::fromLocal8Bit(keep) + QLatin1Char('/') + p);
        }
    }

    // The notebook opens at the child's own school year; the years before are above it.
    void opensAtOwnYear_data() {
        QTest::addColumn<int>("gakunen");
        QTest::newRow("year 1") << 1;
        QTest::newRow("year 3") << 3;
        QTest::newRow("year 4") << 4;
    }
    void opensAtOwnYear() {
        QFETCH(int, gakunen);
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(gakunen);
        TF_Kanji_Note note(1);
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        auto firstOfYearVisible = [&] {
            const QRect cell = note.Grd_Note->cellRect(Gakunen_Tbl[gakunen].First);
            const int top = note.Scr_Note->verticalScrollBar()->value();
            const int height = note.Scr_Note->viewport()->height();
            // The year's heading and its first row in the upper part of the view.
            return cell.top() >= top && cell.bottom() < top + height / 2;
        };
        QVERIFY(firstOfYearVisible());
        QTest::mouseClick(note.Btn_Nigate, Qt::LeftButton);
        QTest::mouseClick(note.Btn_Nigate, Qt::LeftButton);
        QVERIFY(firstOfYearVisible());
    }

    // The PDF's pages: each numbered, none left mostly blank before the last, the weak list on
    // the notebook's page when it fits, the date's right end on the grid's right edge.
    void pdfPages_data() {
        QTest::addColumn<int>("gakunen");
        QTest::addColumn<int>("pages");
        QTest::newRow("year 1: one page") << 1 << 1;
        QTest::newRow("year 4") << 4 << 0; // 0: as many as the kanji take
    }
    void pdfPages() {
        QFETCH(int, gakunen);
        QFETCH(int, pages);
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(gakunen);
        for (int k = 1; k < 80; k += 6)
            answers(k, QStringLiteral("x"));
        answers(12, QStringLiteral("ooo"));
        QTemporaryDir home;
        const QString pdf = pressInsatsu(home);
        QVERIFY(QFile::exists(pdf));
        QTemporaryDir out;
        const QList<QImage> images = renderPages(pdf, out);
        QVERIFY(!images.isEmpty());
        const QByteArray keep = qgetenv("MOJI_KEEP_PAGES"); // to look at them
        if (!keep.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(keep));
            QFile::copy(pdf, QString::fromLocal8Bit(keep) + QStringLiteral("/year%1.pdf").arg(gakunen));
        }
        if (pages > 0)
            QCOMPARE(images.size(), pages);
        for (int i = 0; i < images.size(); ++i) {
            // pdftotext may drop the spaces of "1 / 2"
            const QRegularExpression number(
                QStringLiteral("(^|\\s)%1\\s*/\\s*%2(\\s|$)").arg(i + 1).arg(images.size()));
            QVERIFY2(pageText(pdf, i + 1).contains(number), qPrintable(number.pattern()));
            if (i + 1 < images.size())
                QVERIFY2(usedHeight(images[i]) > 0.75, qPrintable(QString::number(i + 1)));
        }
        // The date in the heading band ends where the grid of kanji ends.
        const QImage& first = images.first();
        const int band = first.height() * 6 / 100;
        const int dateRight = rightmostInk(first, 0, band);
        const int gridRight = rightmostInk(first, first.height() / 5, first.height() * 2 / 5);
        QVERIFY2(std::abs(dateRight - gridRight) <= 2,
                 qPrintable(QStringLiteral("%1 %2").arg(dateRight).arg(gridRight)));
    }

    // A disk that fills up while the PDF is written: the earlier PDF stays as it was, no part
    // file is left, and the program says it could not write the notebook and kept the old one.
    void pdfOnFullDisk() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(4);
        answers(5, QStringLiteral("xox"));
        SmallDisk disk("256k");
        if (!disk.mounted)
            QSKIP("a full disk needs a tmpfs of our own (root)");
        const QString docs = disk.where.path() + QStringLiteral("/Documents");
        QVERIFY(QDir().mkpath(docs));
        const QString pdf = docs + QStringLiteral("/taroのかんじノート.pdf");
        const QByteArray earlier = "%PDF-1.4 the notebook printed last week" + QByteArray(20000, ' ');
        {
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(earlier);
        }
        FillUp(disk.path());
        qputenv("HOME", disk.where.path().toUtf8());
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        NotePrinting::setPrinterCheck([] { return true; });
        QString dialog;
        Modal::setHook([&](QDialog* d) {
            dialog = QString::fromLatin1(d->metaObject()->className());
            return int(QDialog::Rejected);
        });
        TF_Kanji_Note note(1);
        note.show();
        QTest::mouseClick(note.Btn_Insatsu, Qt::LeftButton);
        NotePrinting::setPrinterCheck({});
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
        QCOMPARE(QDir(docs).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("taroのかんじノート.pdf")});
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("かんじノートのPDFを書きこめませんでした。ディスクが"
                                            "いっぱいか、書きこめないところです。\n") +
                             pdf + QStringLiteral("\nまえに作ったPDFは、そのままのこっています。")});
        QVERIFY(note.lastPdf().isEmpty());
        QVERIFY(dialog.isEmpty()); // nothing to print from
    }

    // A documents folder that cannot be made: the program says so and nothing else happens.
    void pdfUnwritable() {
        TestEnv env;
        WriteSampleKanjiData(env);
        addPlayer(1);
        QTemporaryDir home;
        env.writeFile(QStringLiteral("blocker"), "x");
        qputenv("HOME", env.path(QStringLiteral("blocker")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
        TF_Kanji_Note note(1);
        note.show();
        QTest::mouseClick(note.Btn_Insatsu, Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("かんじノートのPDFを書きこめませんでした。ディスクが"
                                            "いっぱいか、書きこめないところです。")});
        QVERIFY(note.lastPdf().isEmpty());
    }
};

QTEST_MAIN(TestKanjiNote)
#include "test_kanji_note.moc"
