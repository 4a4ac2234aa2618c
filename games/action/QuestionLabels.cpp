// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/QuestionLabels.h"

#include "data/ErrorReports.h"
#include "data/KanjiFiles.h"
#include "data/MainMenu.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "platform/ProgramEnd.h"

#include <QLabel>

QuestionLabels::QuestionLabels(QWidget* window, int top)
{
    for (int i = 1; i <= 3; ++i) {
        auto* l = new QLabel(window);
        l->setFont(PointFont(20));
        l->move(left_, top);
        l->setAutoFillBackground(false);
        l->show();
        NoFurigana(l);  // the sentence follows the school-year writing as it is
        labels_[i] = l;
    }
}

void QuestionLabels::clear()
{
    for (int i = 1; i <= 3; ++i)
        labels_[i]->clear();
}

void QuestionLabels::setVisible(bool visible)
{
    for (int i = 1; i <= 3; ++i)
        labels_[i]->setVisible(visible);
}

bool QuestionLabels::showQuestion(int kanji)
{
    clear();
    TMondaiRec rec;
    if (!Read_Mondai(kanji, rec))
        return false;
    int x = left_;
    for (int i = 1; i <= 3; ++i) {
        QLabel* l = labels_[i];
        l->setText(rec.partString(i));
        const QColor colour = i == rec.Pos ? QColor(255, 0, 0) : QColor(255, 255, 255);
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
        l->adjustSize();
        l->move(x, l->y());
        x += l->width();
    }
    return true;
}

void QuestionFileFailure(QWidget* game)
{
    FileErrorReport(game, MondaiFileName);
    CloseMainMenu();
    EndProgram();
}
