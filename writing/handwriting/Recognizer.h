// SPDX-License-Identifier: GPL-3.0-or-later
// One recogniser for the writing pad and the classify tool. Two judges: the order-free matcher
// (direction features of the ink against the glyph templates) and zinnia, which knows how
// characters are written stroke by stroke but is lost when the order differs. Zinnia only moves
// characters the matcher already found plausible, so a child's own stroke order never costs a
// character the matcher ranks high.
#pragma once

#include "writing/handwriting/Ink.h"
#include "writing/handwriting/TemplateFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

struct zinnia_recognizer_t;

struct RecognizerWeights {
    double zinnia = 0.05;  // distance taken off per unit of zinnia's score above its median
    int zinniaPool = 30;   // how many of the matcher's best zinnia may reorder
    double strokes = 0.01; // distance added per stroke written more or fewer than expected
};

class HandwritingRecognizer {
  public:
    HandwritingRecognizer();
    ~HandwritingRecognizer();
    HandwritingRecognizer(const HandwritingRecognizer&) = delete;
    HandwritingRecognizer& operator=(const HandwritingRecognizer&) = delete;

    // The templates are needed; without zinnia's model the matcher works alone, but a damaged
    // model is refused. On false, *failedFile names the file that could not be used.
    bool open(const QString& templateFile, const QString& zinniaModel,
              QString* failedFile = nullptr);
    bool isOpen() const { return !templates_.isEmpty(); }
    bool hasZinnia() const { return zinnia_ != nullptr; }
    bool knows(const QString& character) const;

    // Expected stroke counts (a soft hint; characters without one are not judged by it).
    void setStrokeCounts(const QHash<QString, int>& counts) { strokeCounts_ = counts; }
    void setWeights(const RecognizerWeights& w) { weights_ = w; }

    struct Scored {
        QString text;
        double distance = 0; // smaller is better
    };
    // The n best of the candidates for the ink, best first; candidates without a template are
    // never offered.
    QVector<Scored> rank(const Ink& ink, const QStringList& candidates, int n) const;
    QStringList recognize(const Ink& ink, const QStringList& candidates, int n) const;

    // Zinnia's own n best over its whole model (for measuring it alone).
    QStringList zinniaOnly(const Ink& ink, const QStringList& candidates, int n) const;

  private:
    QHash<QString, double> zinniaScores(const Ink& ink) const;
    QVector<GlyphTemplate> templates_;
    QHash<QString, QVector<int>> byCharacter_;
    QHash<QString, int> strokeCounts_;
    RecognizerWeights weights_;
    zinnia_recognizer_t* zinnia_ = nullptr;
};
