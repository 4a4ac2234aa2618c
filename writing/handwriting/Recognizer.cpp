// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/Recognizer.h"

#include "writing/handwriting/DirectionFeatures.h"
#include "writing/handwriting/ZinniaModelCheck.h"

#include <QFile>

#include <zinnia.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Zinnia judges positions, so the ink is first moved and scaled to fill its box as the
// matcher's is: small or off-centre writing reads like writing that fills the pad.
constexpr double ZinniaBox = 1000.0;
constexpr double ZinniaFill = 0.9;

} // namespace

HandwritingRecognizer::HandwritingRecognizer() = default;

HandwritingRecognizer::~HandwritingRecognizer() {
    if (zinnia_)
        zinnia_recognizer_destroy(zinnia_);
}

bool HandwritingRecognizer::open(const QString& templateFile, const QString& zinniaModel,
                                 QString* failedFile) {
    byCharacter_.clear();
    if (!ReadTemplateFile(templateFile, &templates_)) {
        if (failedFile)
            *failedFile = templateFile;
        return false;
    }
    for (int i = 0; i < templates_.size(); ++i)
        byCharacter_[QString::fromUcs4(&templates_[i].character, 1)] << i;
    if (zinnia_) {
        zinnia_recognizer_destroy(zinnia_);
        zinnia_ = nullptr;
    }
    if (!zinniaModel.isEmpty() && QFile::exists(zinniaModel)) {
        // Zinnia trusts the counts in its model: a damaged one is refused before it sees it.
        QFile model(zinniaModel);
        if (!model.open(QIODevice::ReadOnly) || !CheckZinniaModel(model.readAll())) {
            templates_.clear();
            byCharacter_.clear();
            if (failedFile)
                *failedFile = zinniaModel;
            return false;
        }
        zinnia_ = zinnia_recognizer_new();
        if (!zinnia_recognizer_open(zinnia_, zinniaModel.toLocal8Bit().constData())) {
            zinnia_recognizer_destroy(zinnia_);
            zinnia_ = nullptr;
        }
    }
    return true;
}

bool HandwritingRecognizer::knows(const QString& character) const {
    return byCharacter_.contains(character);
}

QHash<QString, double> HandwritingRecognizer::zinniaScores(const Ink& ink) const {
    QHash<QString, double> scores;
    if (!zinnia_ || ink.isEmpty())
        return scores;
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (const Stroke& s : ink)
        for (const QPointF& p : s) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    const double scale = ZinniaBox * ZinniaFill / std::max({maxX - minX, maxY - minY, 1e-6});
    const double cx = (minX + maxX) / 2;
    const double cy = (minY + maxY) / 2;
    zinnia_character_t* c = zinnia_character_new();
    zinnia_character_set_width(c, size_t(ZinniaBox));
    zinnia_character_set_height(c, size_t(ZinniaBox));
    for (int i = 0; i < ink.size(); ++i)
        for (const QPointF& p : ink[i])
            zinnia_character_add(c, size_t(i), int((p.x() - cx) * scale + ZinniaBox / 2),
                                 int((p.y() - cy) * scale + ZinniaBox / 2));
    if (zinnia_result_t* r =
            zinnia_recognizer_classify(zinnia_, c, zinnia_recognizer_size(zinnia_))) {
        for (size_t i = 0; i < zinnia_result_size(r); ++i)
            scores.insert(QString::fromUtf8(zinnia_result_value(r, i)), zinnia_result_score(r, i));
        zinnia_result_destroy(r);
    }
    zinnia_character_destroy(c);
    return scores;
}

QVector<HandwritingRecognizer::Scored>
HandwritingRecognizer::rank(const Ink& ink, const QStringList& candidates, int n) const {
    QVector<Scored> scored;
    if (ink.isEmpty() || n <= 0)
        return scored;
    const FeatureVector f = InkFeatures(ink);
    scored.reserve(candidates.size());
    for (const QString& c : candidates) {
        const auto it = byCharacter_.constFind(c);
        if (it == byCharacter_.constEnd())
            continue;
        double best = std::numeric_limits<double>::max();
        for (int t : *it) {
            const FeatureVector& g = templates_[t].features;
            double dot = 0;
            for (int k = 0; k < FeatureSize; ++k)
                dot += f[size_t(k)] * g[size_t(k)];
            best = std::min(best, 1 - dot);
        }
        double d = best;
        const auto sc = strokeCounts_.constFind(c);
        if (sc != strokeCounts_.constEnd() && *sc > 0)
            d += weights_.strokes * std::abs(int(ink.size()) - *sc);
        scored.push_back({c, d});
    }
    std::sort(scored.begin(), scored.end(),
              [](const Scored& a, const Scored& b) { return a.distance < b.distance; });

    // Zinnia reorders the matcher's best: its score above the pool's median lowers a distance.
    const int pool = std::min(int(scored.size()), weights_.zinniaPool);
    if (zinnia_ && pool > 1 && weights_.zinnia > 0) {
        const QHash<QString, double> z = zinniaScores(ink);
        std::vector<double> zs;
        for (int i = 0; i < pool; ++i)
            zs.push_back(z.value(scored[i].text, -1.0));
        std::vector<double> sorted = zs;
        std::nth_element(sorted.begin(), sorted.begin() + pool / 2, sorted.end());
        const double median = sorted[size_t(pool / 2)];
        for (int i = 0; i < pool; ++i)
            scored[i].distance -= weights_.zinnia * std::max(0.0, zs[size_t(i)] - median);
        std::stable_sort(scored.begin(), scored.begin() + pool,
                         [](const Scored& a, const Scored& b) { return a.distance < b.distance; });
    }
    if (scored.size() > n)
        scored.resize(n);
    return scored;
}

QStringList HandwritingRecognizer::recognize(const Ink& ink, const QStringList& candidates,
                                             int n) const {
    QStringList out;
    for (const Scored& s : rank(ink, candidates, n))
        out << s.text;
    return out;
}

QStringList HandwritingRecognizer::zinniaOnly(const Ink& ink, const QStringList& candidates,
                                              int n) const {
    const QHash<QString, double> z = zinniaScores(ink);
    QVector<Scored> scored;
    for (const QString& c : candidates)
        if (z.contains(c))
            scored.push_back({c, -z.value(c)});
    std::sort(scored.begin(), scored.end(),
              [](const Scored& a, const Scored& b) { return a.distance < b.distance; });
    QStringList out;
    for (int i = 0; i < std::min(n, int(scored.size())); ++i)
        out << scored[i].text;
    return out;
}
