// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/HandwritingPad.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/CentredLayout.h"
#include "platform/ModalLayer.h"
#include "platform/ProgramWindow.h"
#include "writing/Furigana.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"
#include "writing/handwriting/WritingSurface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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
    : QWidget(host, Qt::Window), recognizer_(recognizer), candidates_(candidates), kana_(kana),
      writing_(writing) {
    setAttribute(Qt::WA_DeleteOnClose);
    PrepareProgramWindow(this, QColor(0, 0, 0x80));
    resize(640, 480);

    Lbl_Title = new QLabel(QStringLiteral("ここに 1もじ かいてね"), this);
    Lbl_Title->setFont(PixelFont(22, true));
    Lbl_Title->setStyleSheet(QStringLiteral("color: yellow"));
    Lbl_Title->setGeometry(16, 12, 372, 34);
    // The caption and the field's text apart: a caption with a child's text after it would no
    // longer be one of our texts, and would lose its furigana at the first letter.
    Lbl_Caption = new QLabel(this);
    Lbl_Caption->setFont(PixelFont(22, true));
    Lbl_Caption->setStyleSheet(QStringLiteral("color: white"));
    Lbl_Caption->setGeometry(404, 12, 0, 34);
    Lbl_Field = new QLabel(this);
    Lbl_Field->setFont(PixelFont(22, true));
    Lbl_Field->setStyleSheet(QStringLiteral("color: white"));
    Lbl_Field->setGeometry(404, 12, 220, 34);
    NoFurigana(Lbl_Field);

    Pnl_Kaku = new WritingSurface(this);
    Pnl_Kaku->setGeometry(16, 54, 372, 372);
    connect(Pnl_Kaku, &WritingSurface::strokeFinished, this, &HandwritingPad::recognise);

    for (int i = 0; i < MaxOffered; ++i) {
        const QRect r(404 + (i % 2) * 114, 54 + (i / 2) * 94, 106, 86);
        QPushButton* b = makeButton(this, QString(), r, 54);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { choose(i); });
        Btn_Kouho << b;
    }
    Btn_Kesu = makeButton(this, QStringLiteral("けす"), QRect(16, 436, 110, 38), 18);
    Btn_Modosu = makeButton(this, QStringLiteral("1画もどす"), QRect(136, 436, 140, 38), 18);
    Btn_Moji_Kesu = makeButton(this, QStringLiteral("1もじけす"), QRect(286, 436, 140, 38), 18);
    Btn_Moji_Kesu->setVisible(writing_ == Writing::Append);
    Btn_Tojiru = makeButton(this, QStringLiteral("とじる"), QRect(514, 436, 110, 38), 18);
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
    CentreLayout(this, QSize(640, 480));
}

void HandwritingPad::open(QLineEdit* target, const QString& caption) {
    target_ = target;
    caption_ = caption;
    Pnl_Kaku->clear();
    recognise();
    showField();
    ShowOnLayer(this);
}

void HandwritingPad::showField() {
    Lbl_Caption->setText(caption_);
    const int w = Lbl_Caption->sizeHint().width();
    Lbl_Caption->setGeometry(404, 12, w, 34);
    Lbl_Field->setGeometry(404 + w + 8, 12, std::max(0, 624 - (404 + w + 8)), 34);
    Lbl_Field->setText(target_ ? target_->text() : QString());
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
