// SPDX-License-Identifier: GPL-3.0-or-later
// The picture games at twice the layout's resolution: the boards show pictures drawn at the
// screen's own pixels (not the layout's pixels enlarged), and what they show is the same state
// the rules see in the layout's pixels.
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game4.h"
#include "guess/GuessTestFiles.h"
#include "platform/TwinPicture.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace GuessTest;

namespace {
// The share of 2x2 device-pixel blocks whose four pixels are not all alike: 0 for a picture
// enlarged from the layout's pixels, well above it where edges are drawn at device pixels.
double detailedBlocks(const QImage& image)
{
    int detailed = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != a || image.pixel(x, y + 1) != a ||
                image.pixel(x + 1, y + 1) != a)
                ++detailed;
        }
    return blocks ? double(detailed) / blocks : 0;
}

// Mean difference per channel between what `view` shows, brought back to the layout's pixels,
// and the layout-pixel picture the rules read.
double differenceFromRules(BoardView& view)
{
    const QImage rules = view.picture().convertToFormat(QImage::Format_RGB32);
    const QImage shown = view.grab().toImage().scaled(rules.size(), Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < rules.height(); ++y)
        for (int x = 0; x < rules.width(); ++x) {
            const QRgb a = rules.pixel(x, y), b = shown.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * rules.width() * rules.height());
}

void checkSharp(BoardView& view)
{
    const QImage shown = view.grab().toImage();
    QCOMPARE(shown.size(), view.size() * 2);
    const double detail = detailedBlocks(shown);
    QVERIFY2(detail > 0.002, qPrintable(QString::number(detail)));
    const double diff = differenceFromRules(view);
    QVERIFY2(diff < 8, qPrintable(QString::number(diff)));
}
}  // namespace

class TestSharpBoards : public QObject {
    Q_OBJECT
private slots:
    void scaleIsTwo() { QCOMPARE(TwinPicture::ScreenScale(), 2.0); }

    // Both pictures receive every drawing, cut and copy in the same place.
    void twinKeepsBothInStep()
    {
        TwinPicture board(QSize(40, 40), Qt::black, 2);
        QCOMPARE(board.screen().size(), QSize(80, 80));
        board.paint([](QPainter& p) { p.fillRect(QRect(0, 0, 10, 10), Qt::red); });
        const TwinPicture cell = board.copy(QRect(0, 0, 10, 10));
        QCOMPARE(cell.size(), QSize(10, 10));
        QCOMPARE(cell.screen().size(), QSize(20, 20));
        board.draw(QPoint(30, 30), cell);
        for (const QImage* img : {&board.rules(), &board.screen()}) {
            const int k = img == &board.rules() ? 1 : 2;
            QCOMPARE(img->pixelColor(35 * k, 35 * k), QColor(Qt::red));
            QCOMPARE(img->pixelColor(30 * k, 30 * k), QColor(Qt::red));
            QCOMPARE(img->pixelColor(40 * k - 1, 40 * k - 1), QColor(Qt::red));
            QCOMPARE(img->pixelColor(29 * k, 35 * k), QColor(Qt::black));
            QCOMPARE(img->pixelColor(20 * k, 20 * k), QColor(Qt::black));
        }
        board.draw(QPoint(0, 30), board, QRect(30, 30, 5, 5));
        QCOMPARE(board.rules().pixelColor(2, 32), QColor(Qt::red));
        QCOMPARE(board.screen().pixelColor(4, 64), QColor(Qt::red));
        QCOMPARE(board.rules().pixelColor(6, 32), QColor(Qt::black));
        QCOMPARE(board.screen().pixelColor(12, 64), QColor(Qt::black));
    }

    void guessBoard()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        for (int i = 1; i <= g.Bunkatsusu; ++i)
            for (int j = 1; j <= g.Bunkatsusu; ++j)
                g.Board.setBomb(i, j, false);
        for (int i = 1; i <= g.Bunkatsusu; ++i)
            for (int j = 1; j <= g.Bunkatsusu; ++j) {
                const QPoint c = g.cellRect(i, j).center();
                g.Image1MouseDown(Qt::LeftButton, c.x(), c.y());
            }
        checkSharp(*g.Image1);
        g.Btn_CancelClick();
    }

    void shuffleBoard()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        TF_Game3 g;
        g.Btn_StartClick();
        checkSharp(*g.Image1);
        g.Btn_CancelClick();
    }

    // The tray, the board with its practice guide and the piece in the hand.
    void jigsaw()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        TF_Game4 g;
        g.Rdo_Renshuu->click();
        g.Btn_StartClick();
        checkSharp(*g.Image1);
        checkSharp(*g.Image2);
        const QPoint c = g.Board.cellRect(1, 1).center();
        g.Image1MouseDown(c.x(), c.y());
        QVERIFY(g.Board.dragging());
        QCOMPARE(g.Img_Drag->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(g.Img_Drag->pixmap().deviceIndependentSize().toSize(),
                 g.Board.cellRect(1, 1).size());
        g.Btn_CancelClick();
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpBoards t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_sharp_boards.moc"
