#include "games/action/MolePicture.h"

#include "data/Tables.h"
#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"
#include "games/action/Blit.h"
#include "games/action/MoleBoard.h"
#include "platform/Fonts.h"

#include <QPainter>

namespace {
constexpr int HoleW = 72;
constexpr int HoleH = 64;
constexpr int CharSize = 64;

// A hole picture: background flood-filled navy, stretched to the hole rectangle.
bool loadHolePicture(const QString& name, QImage& out)
{
    QImage img;
    if (!LoadGamePicture(name, img))
        return false;
    FloodFillBlack(img, 1, 1, Navy);
    out = img.scaled(HoleW, HoleH, Qt::IgnoreAspectRatio, Qt::FastTransformation)
              .convertToFormat(QImage::Format_RGB32);
    return true;
}

QRect holeRect(int c, int r)
{
    return QRect(MoleBoard::Pitch * (c - 1) + 8, MoleBoard::Pitch * (r - 1) + 8, HoleW, HoleH);
}
}  // namespace

bool MolePicture::setUp(int boardSize, const MoleBoard& board, double dispScale,
                        QString& failedFile)
{
    if (!loadHolePicture(QStringLiteral("Mogura.bmp"), hole_)) {
        failedFile = QStringLiteral("Mogura.bmp");
        return false;
    }
    if (!loadHolePicture(QStringLiteral("Atari.bmp"), hit_)) {
        failedFile = QStringLiteral("Atari.bmp");
        return false;
    }
    board_ = QImage(boardSize, boardSize, QImage::Format_RGB32);
    board_.fill(Navy);
    setBase_ = board.setBase;
    setCount_ = board.setCount;
    const QFont font = PointFont(static_cast<int>(40 / dispScale));
    for (int i = 0; i < setCount_; ++i) {
        QImage img(CharSize, CharSize, QImage::Format_RGB32);
        img.fill(Navy);
        const int k = setBase_ + 1 + i;
        if (k >= 1 && k <= MaxKanji) {
            QPainter painter(&img);
            painter.setFont(font);
            painter.setPen(QColor(Aqua));
            painter.drawText(img.rect(), Qt::AlignLeft | Qt::AlignTop, Kanji_Tbl[k].text());
        }
        characters_[i] = img;
    }
    return true;
}

void MolePicture::drawBoard(const MoleBoard& board)
{
    FillRect(board_, board_.rect(), Navy);
    for (int c = 1; c <= MoleBoard::Size; ++c)
        for (int r = 1; r <= MoleBoard::Size; ++r) {
            const QRect rect = holeRect(c, r);
            CopyRectTo(board_, rect.x(), rect.y(), hole_, hole_.rect());
            const Hole& h = board.holes[c][r];
            const int i = h.kanji - setBase_ - 1;
            if (h.kanji == 0 || i < 0 || i >= setCount_)
                continue;
            // The top rows of the character show in the bottom rows of the hole.
            const int rows = MoleBoard::VisibleRows(h.state);
            BlitTopRows(board_, characters_[i], rows, rect.x() + (HoleW - CharSize) / 2,
                        rect.bottom() + 1 - rows);
        }
}

void MolePicture::drawHit(int column, int row)
{
    const QRect rect = holeRect(column, row);
    CopyRectTo(board_, rect.x(), rect.y(), hit_, hit_.rect());
}

void MolePicture::clear() { FillRect(board_, board_.rect(), Navy); }
