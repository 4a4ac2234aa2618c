// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/TF_Game_Kotae.h"

#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/AnswerReadings.h"
#include "platform/Modal.h"

#include "platform/CentredLayout.h"
#include "platform/ColourLabel.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/ProgramWindow.h"
#include "writing/Furigana.h"
#include "writing/StrokeOrderView.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
const QColor Background(0x1c, 0x2c, 0x5c);
const QColor Red(0xff, 0x50, 0x50);
constexpr int LineLeft = 16;
constexpr int LineWidth = 384; // the sentences' column; the kanji stands to the right
constexpr int LinePixels = 20;
constexpr int ReadingPixels = 16;

QFont lineFont(const QStringList& parts) {
    // A long sentence is set smaller rather than cut.
    int px = LinePixels;
    while (px > 12 &&
           QFontMetrics(PixelFont(px, true)).horizontalAdvance(parts.join(QString())) > LineWidth)
        --px;
    return PixelFont(px, true);
}

} // namespace

TAnswerLine::TAnswerLine(int number, const TMondaiRec& sentence, const QString& kanji,
                         QWidget* parent)
    : QWidget(parent) {
    QString before = QStringLiteral("%1) ").arg(number);
    QString after;
    for (int j = 1; j <= 3; ++j) {
        if (j == sentence.Pos)
            reading_ = sentence.partString(j);
        else
            (j < sentence.Pos ? before : after) += sentence.partString(j);
    }
    parts_ = {before, kanji, after};
    setFont(lineFont(parts_));
}

QString TAnswerLine::text() const {
    return parts_.join(QString());
}

QSize TAnswerLine::sizeHint() const {
    const QFontMetrics fm(font());
    return {LineWidth, QFontMetrics(PixelFont(ReadingPixels, true)).height() + fm.height()};
}

void TAnswerLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetrics fm(font());
    const QFont readingFont = PixelFont(ReadingPixels, true);
    const QFontMetrics rfm(readingFont);
    const int baseline = rfm.height() + fm.ascent();
    int x = 0;
    for (int i = 0; i < parts_.size(); ++i) {
        const int w = fm.horizontalAdvance(parts_[i]);
        p.setFont(font());
        p.setPen(i == 1 ? Red : Qt::white);
        p.drawText(x, baseline, parts_[i]);
        if (i == 1) {
            // The reading stands over the kanji; a long one spreads over its neighbours.
            const int rw = rfm.horizontalAdvance(reading_);
            const int rx = std::max(0, x + (w - rw) / 2);
            p.setFont(readingFont);
            p.setPen(Red);
            p.drawText(rx, rfm.ascent(), reading_);
        }
        x += w;
    }
}

TF_Game_Kotae::TF_Game_Kotae(int k, const QList<TMondaiRec>& sentences, QWidget* parent)
    : QDialog(parent), kanji_(std::clamp(k, 1, MaxKanji)) {
    PrepareProgramWindow(this, Background);
    resize(640, 480);
    setObjectName(QStringLiteral("F_Game_Kotae"));
    const QString kanji = Kanji_Tbl[std::clamp(k, 1, MaxKanji)].text();

    Lbl_Title = MakeColourLabel(this, QStringLiteral("こたえを見てみよう"), 26, Qt::yellow);
    Lbl_Title->move(LineLeft, 18);

    // Five sentences and the readings below them fit above the button.
    const int gap = sentences.size() > 3 ? 8 : 18;
    int top = 66;
    QList<AskedReading> asked;
    for (int i = 0; i < sentences.size(); ++i) {
        auto* line = new TAnswerLine(i + 1, sentences[i], kanji, this);
        line->setGeometry(LineLeft, top, LineWidth, line->sizeHint().height());
        top += line->height() + gap;
        Lbl_Kotae << line;
        QString after;
        for (int j = sentences[i].Pos + 1; j <= 3; ++j)
            after += sentences[i].partString(j);
        asked.append({line->reading(), after});
    }

    Lbl_Yomi = MakeColourLabel(this, QStringLiteral("よみかた"), 16, Qt::yellow);
    Lbl_Yomi->move(LineLeft, top + 4);
    Lbl_YomiList = MakeColourLabel(
        this, AnswerReadingsText(AnswerReadings(SchoolReadings(kanji), asked)), 18, Qt::white);
    Lbl_YomiList->setWordWrap(true);
    Lbl_YomiList->setGeometry(LineLeft + Lbl_Yomi->width() + 10, top, 440 - Lbl_Yomi->width() - 10,
                              Lbl_YomiList->heightForWidth(440 - Lbl_Yomi->width() - 10));

    Lbl_Kakijun = MakeColourLabel(this, QStringLiteral("書きじゅん"), 18, Qt::white);
    Img_Kakijun = new StrokeOrderView(this);
    Img_Kakijun->setGeometry(412, 82, 212, 212);
    Img_Kakijun->setKanji(kanji);
    Lbl_Kakijun->move(412, 82 - Lbl_Kakijun->height() - 2);
    Lbl_Kakusuu = MakeColourLabel(
        this, QStringLiteral("画数 %1").arg(Kanji_Tbl[std::clamp(k, 1, MaxKanji)].Kakusuu), 26,
        Qt::white);
    Lbl_Kakusuu->move(412 + (212 - Lbl_Kakusuu->width()) / 2, 318);

    Btn_Wakatta = new QPushButton(QStringLiteral("わかった"), this);
    Btn_Wakatta->setFont(PixelFont(22, true));
    Btn_Wakatta->setGeometry(456, 412, 168, 48);
    Btn_Wakatta->setDefault(true);
    GiveHandCursor(Btn_Wakatta);
    connect(Btn_Wakatta, &QPushButton::clicked, this, &TF_Game_Kotae::Btn_WakattaClick);

    Btn_Kaite = new QPushButton(QStringLiteral("かいてみよう"), this);
    Btn_Kaite->setFont(PixelFont(20, true));
    Btn_Kaite->setGeometry(412, 356, 212, 44);
    GiveHandCursor(Btn_Kaite);
    connect(Btn_Kaite, &QPushButton::clicked, this, &TF_Game_Kotae::Btn_KaiteClick);
    // Over the whole screen, the window it answers hidden behind it, its layout in the middle.
    setWindowState(Qt::WindowFullScreen);
    CentreLayout(this);
}

void TF_Game_Kotae::Btn_KaiteClick() {
    TF_Kaki_Renshuu practice(Cur_Player, {kanji_}, 0, this);
    ExecModal(&practice);
}

QString MissedAnswerLine(const QString& kanji) {
    return QStringLiteral("こたえは「%1」だったよ").arg(kanji);
}

TF_Game_Kotae* TF_Game_Kotae::ForMissedAnswer(int k, const TMondaiRec& sentence, QWidget* parent) {
    auto* w = new TF_Game_Kotae(k, {sentence}, parent);
    w->setObjectName(QStringLiteral("F_Game_Kotae_Missed"));
    const QString kanji = Kanji_Tbl[std::clamp(k, 1, MaxKanji)].text();
    w->Lbl_Title->setText(MissedAnswerLine(kanji));
    w->Lbl_Title->setFont(PixelFont(30, true));
    w->Lbl_Title->adjustSize();
    NoFurigana(w->Lbl_Title); // the kanji is the answer; its reading stands right below
    const QString reading = w->Lbl_Kotae.isEmpty() ? QString() : w->Lbl_Kotae.first()->reading();
    w->Lbl_Yomu = MakeColourLabel(
        LayoutBox(w), QStringLiteral("「%1」は「%2」とよむよ").arg(kanji, reading), 26, Qt::white);
    NoFurigana(w->Lbl_Yomu);
    w->Lbl_Yomu->move(LineLeft, 74);
    if (!w->Lbl_Kotae.isEmpty()) {
        TAnswerLine* line = w->Lbl_Kotae.first();
        line->move(LineLeft, 74 + w->Lbl_Yomu->height() + 28);
        // The readings follow the sentence down.
        const int top = line->geometry().bottom() + 1 + 18;
        w->Lbl_Yomi->move(LineLeft, top + 4);
        w->Lbl_YomiList->move(w->Lbl_YomiList->x(), top);
    }
    w->Btn_Wakatta->setText(QStringLiteral("つぎへ"));
    return w;
}

void TF_Game_Kotae::Btn_WakattaClick() {
    accept();
}
