// Game 6's drawing: the board picture with its 25 holes and the characters rising out of them.
// The pictures are prepared at set-up, so drawing a tick allocates nothing.
#pragma once

#include <QImage>
#include <array>

class MoleBoard;

class MolePicture {
public:
    // Loads "Mogura.bmp" and "Atari.bmp" (backgrounds filled navy) and draws the characters of
    // the kanji set; on failure `failedFile` names the missing picture.
    bool setUp(int boardSize, const MoleBoard& board, double dispScale, QString& failedFile);
    void drawBoard(const MoleBoard& board);
    void drawHit(int column, int row);
    void clear();

    const QImage& board() const { return board_; }

private:
    QImage board_;
    QImage hole_;
    QImage hit_;
    std::array<QImage, 21> characters_;  // [index in the kanji set]
    int setBase_ = 0;
    int setCount_ = 0;
};
