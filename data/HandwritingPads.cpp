// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/HandwritingPads.h"

#include "data/ErrorReports.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"

#include <QFileInfo>
#include <QHash>

#include <memory>

namespace {

std::unique_ptr<HandwritingRecognizer>& Shared() {
    static std::unique_ptr<HandwritingRecognizer> r;
    return r;
}

} // namespace

QStringList PadKanji() {
    QStringList out;
    for (int k = 1; k <= MaxKanji; ++k)
        if (!Kanji_Tbl[size_t(k)].Kanji.isEmpty())
            out << Kanji_Tbl[size_t(k)].text();
    return out;
}

const HandwritingRecognizer* SharedRecognizer(QString* failedFile) {
    std::unique_ptr<HandwritingRecognizer>& r = Shared();
    if (!r) {
        auto made = std::make_unique<HandwritingRecognizer>();
        QString failed;
        if (!made->open(ProgramFile(TemplateFileName), ProgramFile(ZinniaModelFileName), &failed)) {
            if (failedFile)
                *failedFile = QFileInfo(failed).fileName();
            return nullptr;
        }
        QHash<QString, int> counts;
        for (int k = 1; k <= MaxKanji; ++k)
            if (!Kanji_Tbl[size_t(k)].Kanji.isEmpty())
                counts.insert(Kanji_Tbl[size_t(k)].text(), Kanji_Tbl[size_t(k)].Kakusuu);
        made->setStrokeCounts(counts);
        r = std::move(made);
    }
    return r.get();
}

QRect RectIn(const QWidget* window, const QWidget* w) {
    return QRect(w->mapTo(window, QPoint()), w->size());
}

HandwritingPad* OpenHandwritingPad(QWidget* host, QPointer<HandwritingPad>& pad, PadFor kind,
                                   QLineEdit* target, const QString& caption,
                                   const QRect& answered) {
    if (pad && pad->isHidden())
        delete pad.data(); // closed, its deletion not yet run: a new pad, not one about to go
    if (!pad) {
        QString failed;
        const HandwritingRecognizer* r = SharedRecognizer(&failed);
        if (!r) {
            FileErrorReport(host, failed.isEmpty() ? TemplateFileName : failed);
            return nullptr;
        }
        switch (kind) {
        case PadFor::Kanji:
            pad = new HandwritingPad(host, r, PadKanji(), HandwritingPad::Kana::None,
                                     HandwritingPad::Writing::Replace);
            break;
        case PadFor::Hiragana:
            pad = new HandwritingPad(host, r, KanaSets::hiragana(), HandwritingPad::Kana::Hiragana,
                                     HandwritingPad::Writing::Append);
            break;
        case PadFor::Name:
            pad = new HandwritingPad(host, r, KanaSets::hiragana() + KanaSets::katakana(),
                                     HandwritingPad::Kana::HiraganaKatakana,
                                     HandwritingPad::Writing::Append);
            break;
        }
    }
    pad->open(target, caption, answered);
    return pad;
}
