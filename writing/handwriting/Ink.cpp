// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/Ink.h"

#include <QStringList>

#include <cmath>

namespace InkText {

bool parse(const QString& line, Ink* ink) {
    ink->clear();
    const QStringList strokes = line.split(QLatin1Char(';'));
    for (const QString& s : strokes) {
        Stroke stroke;
        const QStringList points = s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& p : points) {
            const qsizetype comma = p.indexOf(QLatin1Char(','));
            if (comma <= 0)
                return false;
            bool okX = false;
            bool okY = false;
            const double x = p.left(comma).toDouble(&okX);
            const double y = p.mid(comma + 1).toDouble(&okY);
            if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y))
                return false;
            stroke << QPointF(x, y);
        }
        if (!stroke.isEmpty())
            *ink << stroke;
    }
    return true;
}

QString format(const Ink& ink) {
    QStringList strokes;
    for (const Stroke& s : ink) {
        QStringList points;
        for (const QPointF& p : s)
            points << QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
        strokes << points.join(QLatin1Char(' '));
    }
    return strokes.join(QLatin1Char(';'));
}

} // namespace InkText
