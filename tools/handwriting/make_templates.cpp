// SPDX-License-Identifier: GPL-3.0-or-later
// Writes "Tegaki.dat": the direction features of every kanji of "Kanji.dat" and every kana, each
// drawn as the skeleton of its glyph in the IPA Gothic and IPA Mincho fonts; and "Tegaki.model",
// zinnia's Japanese model cut down to the same characters.
#include "writing/handwriting/DirectionFeatures.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/TemplateFile.h"
#include "tools/handwriting/CandidateChars.h"
#include "tools/handwriting/GlyphSkeleton.h"
#include "tools/handwriting/ZinniaModel.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: make_templates PROGRAM_DIR TEMPLATES ZINNIA_MODEL MODEL_OUT\n");
        return 2;
    }
    QStringList chars = KanjiOfProgramDir(QString::fromLocal8Bit(argv[1]));
    if (chars.isEmpty()) {
        std::fprintf(stderr, "make_templates: cannot read Kanji.dat in %s\n", argv[1]);
        return 1;
    }
    chars << KanaSets::hiragana() << KanaSets::katakana();
    QVector<GlyphTemplate> templates;
    for (const QString& family : {QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")}) {
        for (const QString& c : chars) {
            Skeleton s;
            if (!GlyphSkeleton(c, family, &s)) {
                std::fprintf(stderr, "make_templates: %s has no glyph for %s\n", qPrintable(family),
                             qPrintable(c));
                return 1;
            }
            templates.push_back({c.toUcs4().front(), InkFeatures(SkeletonSegments(s))});
        }
    }
    if (!WriteTemplateFile(QString::fromLocal8Bit(argv[2]), templates)) {
        std::fprintf(stderr, "make_templates: cannot write %s\n", argv[2]);
        return 1;
    }
    int kept = 0;
    if (!ReduceZinniaModel(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]), chars,
                           &kept)) {
        std::fprintf(stderr, "make_templates: cannot cut %s down into %s\n", argv[3], argv[4]);
        return 1;
    }
    std::printf("%lld templates, %d characters of zinnia's model\n",
                static_cast<long long>(templates.size()), kept);
    return 0;
}
