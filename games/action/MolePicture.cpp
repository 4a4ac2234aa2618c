// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/MolePicture.h"

#include "data/Tables.h"
#include "games/action/ActionSprites.h"
#include "games/action/BackBuffer.h"
#include "games/action/Blit.h"
#include "games/action/MoleBoard.h"
#include "platform/Fonts.h"

#include <QPainter>
#include <QtMath>

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
                        QString& failedFile, qreal scale)
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
    // On screen a rising character is only its strokes: the hole shows around it.
    auto character = [&font](int k, qreal s, bool onScreen) {
        QImage img(qCeil(CharSize * s), qCeil(CharSize * s),
                   onScreen ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        img.setDevicePixelRatio(s);
        img.fill(onScreen ? QColor(Qt::transparent) : QColor(Navy));
        if (k >= 1 && k <= MaxKanji) {
            QPainter painter(&img);
            painter.setFont(font);
            painter.setPen(QColor(Aqua));
            painter.drawText(QRect(0, 0, CharSize, CharSize), Qt::AlignLeft | Qt::AlignTop,
                             Kanji_Tbl[k].text());
        }
        return img;
    };
    sharp_.clear();
    // On screen from the larger masters where there are: the rims stay smooth at 4K.
    for (const auto& [file, picture] : {std::pair(QStringLiteral("Mogura.bmp"), &hole_),
                                        std::pair(QStringLiteral("Atari.bmp"), &hit_)})
        sharp_.add(SharpMasterPicture(file, *picture, picture->size(), scale, false, QColor(Navy)));
    for (int i = 0; i < setCount_; ++i) {
        characters_[i] = character(setBase_ + 1 + i, 1, false);
        sharp_.add(character(setBase_ + 1 + i, scale, true));
    }
    clear();
    return true;
}

void MolePicture::drawBoard(const MoleBoard& board, qint64 nowMs, int tickMs)
{
    scene_.clear();
    hit_shown_.fill(false);
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
            scene_.add({c * 10 + r, 2 + i, rect.x() + (HoleW - CharSize) / 2, rect.bottom() + 1,
                        rows});
        }
    frames_.step(scene_, nowMs, tickMs);
    drawn_ = true;
}

void MolePicture::drawHit(int column, int row)
{
    const QRect rect = holeRect(column, row);
    CopyRectTo(board_, rect.x(), rect.y(), hit_, hit_.rect());
    if (column >= 1 && column <= MoleBoard::Size && row >= 1 && row <= MoleBoard::Size)
        hit_shown_[static_cast<size_t>((column - 1) * MoleBoard::Size + row - 1)] = true;
}

void MolePicture::clear()
{
    FillRect(board_, board_.rect(), Navy);
    frames_.reset();
    hit_shown_.fill(false);
    drawn_ = false;
}

void MolePicture::paint(QPainter& painter, qint64 nowMs) const
{
    painter.fillRect(board_.rect(), QColor(Navy));
    if (!drawn_)
        return;
    for (int c = 1; c <= MoleBoard::Size; ++c)
        for (int r = 1; r <= MoleBoard::Size; ++r)
            sharp_.draw(painter, {0, holeRect(c, r).topLeft(), -1});
    sharp_.drawScene(painter, frames_, nowMs);
    for (int c = 1; c <= MoleBoard::Size; ++c)
        for (int r = 1; r <= MoleBoard::Size; ++r)
            if (hit_shown_[static_cast<size_t>((c - 1) * MoleBoard::Size + r - 1)])
                sharp_.draw(painter, {1, holeRect(c, r).topLeft(), -1});
}

QRegion MolePicture::itemsArea(qint64 nowMs) const
{
    if (!drawn_)
        return {};
    QRegion region = sharp_.sceneArea(frames_, nowMs);
    for (int c = 1; c <= MoleBoard::Size; ++c)
        for (int r = 1; r <= MoleBoard::Size; ++r)
            if (hit_shown_[static_cast<size_t>((c - 1) * MoleBoard::Size + r - 1)])
                region |= holeRect(c, r);
    return region;
}
