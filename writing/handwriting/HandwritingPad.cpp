// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/HandwritingPad.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/ModalLayer.h"
#include "platform/ProgramWindow.h"
#include "writing/Furigana.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"
#include "writing/handwriting/WritingSurface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

QPushButton* makeButton(QWidget* parent, const QString& text, const QRect& r, int pixels) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(r);
    b->setFont(PixelFont(pixels, true));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    GiveHandCursor(b);
    return b;
}

} // namespace

HandwritingPad::HandwritingPad(QWidget* host, const HandwritingRecognizer* recognizer,
                               const QStringList& candidates, Kana kana, Writing writing)
    : QWidget(host, Qt::Window), host_(host), recognizer_(recognizer), candidates_(candidates),
      kana_(kana), writing_(writing) {
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, QColor(0, 0, 0x80));

    Lbl_Title = new QLabel(QStringLiteral("ここに 1もじ かいてね"), this);
    Lbl_Title->setFont(PixelFont(18, true));
    Lbl_Title->setStyleSheet(QStringLiteral("color: yellow"));
    // The caption and the field's text apart: a caption with a child's text after it would no
    // longer be one of our texts, and would lose its furigana at the first letter.
    Lbl_Caption = new QLabel(this);
    Lbl_Caption->setFont(PixelFont(18, true));
    Lbl_Caption->setStyleSheet(QStringLiteral("color: white"));
    Lbl_Field = new QLabel(this);
    Lbl_Field->setFont(PixelFont(18, true));
    Lbl_Field->setStyleSheet(QStringLiteral("color: white"));
    NoFurigana(Lbl_Field);

    Pnl_Kaku = new WritingSurface(this);
    connect(Pnl_Kaku, &WritingSurface::strokeFinished, this, &HandwritingPad::recognise);

    for (int i = 0; i < MaxOffered; ++i) {
        QPushButton* b = makeButton(this, QString(), QRect(), 40);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { choose(i); });
        Btn_Kouho << b;
    }
    Btn_Kesu = makeButton(this, QStringLiteral("けす"), QRect(), 16);
    Btn_Modosu = makeButton(this, QStringLiteral("1画もどす"), QRect(), 16);
    Btn_Moji_Kesu = makeButton(this, QStringLiteral("1もじけす"), QRect(), 16);
    Btn_Moji_Kesu->setVisible(writing_ == Writing::Append);
    Btn_Tojiru = makeButton(this, QStringLiteral("とじる"), QRect(), 16);
    connect(Btn_Kesu, &QPushButton::clicked, this, [this] {
        Pnl_Kaku->clear();
        recognise();
    });
    connect(Btn_Modosu, &QPushButton::clicked, this, [this] {
        Pnl_Kaku->undoStroke();
        recognise();
    });
    connect(Btn_Moji_Kesu, &QPushButton::clicked, this, [this] {
        if (target_)
            target_->backspace();
        showField();
    });
    connect(Btn_Tojiru, &QPushButton::clicked, this, &HandwritingPad::closePad);
    arrange(PadShape::Wide);
}

// Wide: the ink left, the candidates and buttons right of it. Tall: the ink over them.
void HandwritingPad::arrange(PadShape shape) {
    shape_ = shape;
    const QSize size = PadSize(shape);
    resize(size);
    const bool wide = shape == PadShape::Wide;
    // The caption's line keeps room above it for its furigana.
    Lbl_Title->setGeometry(8, 12, wide ? 196 : size.width() - 16, 24);
    const int ink = 188;
    Pnl_Kaku->setGeometry(wide ? 8 : (size.width() - ink) / 2, wide ? 44 : 80, ink, ink);
    const QPoint kouho = wide ? QPoint(204, 44) : QPoint(8, 278);
    for (int i = 0; i < MaxOffered; ++i) // at least 56 px each way: a child's finger
        Btn_Kouho[i]->setGeometry(kouho.x() + (i % 4) * 61, kouho.y() + (i / 4) * 60, 59, 58);
    const QPoint tools = wide ? QPoint(204, 168) : QPoint(8, 402);
    int n = 0;
    for (QPushButton* b : {Btn_Kesu, Btn_Modosu, Btn_Moji_Kesu, Btn_Tojiru}) {
        if (b == Btn_Moji_Kesu && writing_ != Writing::Append)
            continue;
        b->setGeometry(tools.x() + (n % 2) * 122, tools.y() + (n / 2) * 36, 118, 32);
        ++n;
    }
    showField();
}

void HandwritingPad::open(QLineEdit* target, const QString& caption, const QRect& answered) {
    target_ = target;
    caption_ = caption;
    Pnl_Kaku->clear();
    recognise();
    QWidget* program = ProgramHost();
    if (!program || !program->isVisible() || !host_) {
        showField();
        ShowOnLayer(this); // a window of its own beside a window shown alone
        return;
    }
    if (!LayerOf(this)) {
        const QRect inProgram = answered.isNull()
                                    ? QRect()
                                    : QRect(host_->mapTo(program, answered.topLeft()),
                                            answered.size());
        const PadPlace place = PlacePad(program->rect(), inProgram);
        arrange(place.shape);
        ShowOnLayer(this, place.rect.topLeft());
    } else {
        showField();
        ShowOnLayer(this);
    }
}

void HandwritingPad::showField() {
    Lbl_Caption->setText(caption_);
    const int w = Lbl_Caption->sizeHint().width();
    const bool wide = shape_ == PadShape::Wide;
    const QPoint at = wide ? QPoint(212, 12) : QPoint(8, 48);
    Lbl_Caption->setGeometry(at.x(), at.y(), w, 24);
    Lbl_Field->setGeometry(at.x() + w + 8, at.y(), std::max(0, width() - 8 - (at.x() + w + 8)),
                           24);
    Lbl_Field->setText(target_ ? target_->text() : QString());
}

void HandwritingPad::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // A frame sets the pad apart from the window it stands on, navy as well.
    QPainter p(this);
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xff), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void HandwritingPad::recognise() {
    offered_.clear();
    if (recognizer_ && !Pnl_Kaku->ink().isEmpty()) {
        if (kana_ == Kana::None)
            offered_ = recognizer_->recognize(Pnl_Kaku->ink(), candidates_, MaxOffered);
        else // small kana share their large form's shape and come beside it
            offered_ = KanaSets::withSmallForms(
                recognizer_->recognize(Pnl_Kaku->ink(), candidates_, MaxOffered), MaxOffered);
    }
    for (int i = 0; i < MaxOffered; ++i) {
        Btn_Kouho[i]->setVisible(i < offered_.size());
        Btn_Kouho[i]->setText(i < offered_.size() ? offered_[i] : QString());
    }
}

void HandwritingPad::choose(int i) {
    if (i < 0 || i >= offered_.size() || !target_)
        return;
    const QString c = offered_[i];
    if (writing_ == Writing::Replace)
        target_->setText(c); // raises textChanged, as typing does
    else
        target_->insert(c);
    emit written(target_, c);
    Pnl_Kaku->clear();
    recognise();
    showField();
    if (writing_ == Writing::Replace)
        closePad();
}

void HandwritingPad::closePad() { close(); }

void HandwritingPad::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // A window of its own gives the keyboard back to its host's window; inside the program's
    // window the keyboard goes straight back to the field.
    if (QWidget* host = parentWidget(); host && !ProgramHost())
        host->activateWindow();
    if (target_)
        target_->setFocus(Qt::OtherFocusReason);
}

void HandwritingPad::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        closePad();
    else
        QWidget::keyPressEvent(e);
}
