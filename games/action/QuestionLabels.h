// SPDX-License-Identifier: GPL-3.0-or-later
// The question sentence of the action games: three labels side by side from left 10, the part
// holding the kanji's reading in red, the rest in white (`ShowQuestion`).
#pragma once

#include <QColor>
#include <array>

class QLabel;
class QWidget;

class QuestionLabels {
public:
    // Created empty and visible on `window`, top edge at `top`.
    QuestionLabels(QWidget* window, int top);

    // One random sentence of kanji number `kanji`; false when "Mondai1.dat" cannot be read.
    bool showQuestion(int kanji);
    void setVisible(bool visible);
    void clear();
    QLabel* label(int i) const { return labels_[i]; }  // 1..3

private:
    std::array<QLabel*, 4> labels_{};
    int left_ = 10;
};

// The fatal end when the sentence file cannot be read: the file error report, the main menu
// closed and the program ended. The caller closes its own window and returns.
void QuestionFileFailure(QWidget* game);
