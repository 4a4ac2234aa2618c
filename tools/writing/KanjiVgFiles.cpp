// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/writing/KanjiVgFiles.h"

#include "tools/writing/SvgPath.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

QString KanjiVgFile(const QString& packageDir, char32_t ch) {
    return QDir(packageDir).filePath(
        QStringLiteral("dist/main/%1.svg").arg(uint(ch), 5, 16, QLatin1Char('0')));
}

bool ReadKanjiVgStrokes(const QString& packageDir, char32_t ch, CharStrokes* out, QString* error) {
    const QString name = KanjiVgFile(packageDir, ch);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read").arg(name);
        return false;
    }
    const QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression path(
        QString::fromLatin1(R"re(<path\s+id="kvg:([0-9a-f]+)-s(\d+)"\s+d="([^"]*)")re"));
    CharStrokes c;
    c.ch = ch;
    for (auto it = path.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).toUInt(nullptr, 16) != uint(ch) || m.captured(2).toInt() != c.count() + 1) {
            *error = QStringLiteral("%1: stroke %2 is out of sequence").arg(name, m.captured(2));
            return false;
        }
        QString why;
        const StrokePath points = SvgPathPoints(m.captured(3), KanjiVgSpacing, &why);
        if (points.isEmpty()) {
            *error = QStringLiteral("%1: stroke %2: %3").arg(name, m.captured(2), why);
            return false;
        }
        c.strokes << points;
    }
    if (c.strokes.isEmpty()) {
        *error = QStringLiteral("%1: no strokes").arg(name);
        return false;
    }
    *out = c;
    return true;
}
