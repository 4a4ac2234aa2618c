// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/writing/OtherOrders.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

OtherOrderTable ReadOtherOrders(const QString& path, QStringList* errors) {
    OtherOrderTable table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *errors << QStringLiteral("%1: cannot be read").arg(path);
        return table;
    }
    const QString name = QFileInfo(path).fileName();
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString text = QString::fromUtf8(file.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
        if (text.isEmpty())
            continue;
        const QStringList fields = text.split(QRegularExpression(QStringLiteral("\\s+")));
        QList<int> order;
        bool ok = fields.size() >= 3 && fields[0].toUcs4().size() == 1;
        for (qsizetype i = 1; ok && i < fields.size(); ++i)
            order << fields[i].toInt(&ok) - 1;
        if (!ok || !IsStrokeOrder(order, int(order.size()))) {
            *errors << QStringLiteral("%1:%2: expected \"<kanji> <every stroke number once>\"")
                           .arg(name).arg(number);
            continue;
        }
        table[char32_t(fields[0].toUcs4().first())] << order;
    }
    return table;
}

bool IsStrokeOrder(const QList<int>& order, int strokes) {
    if (order.size() != strokes)
        return false;
    QList<bool> seen(strokes, false);
    for (int i : order) {
        if (i < 0 || i >= strokes || seen[i])
            return false;
        seen[i] = true;
    }
    return true;
}
