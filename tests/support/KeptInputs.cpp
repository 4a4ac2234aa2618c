// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/KeptInputs.h"

#include <QDir>
#include <QtTest>

void KeptInputs(const QString& reader)
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("seed");
    const QString root = QStringLiteral(MOJI_SOURCE_DIR "/fuzz/");
    int rows = 0;
    for (const bool seed : {true, false}) {
        const QDir dir(root + (seed ? QStringLiteral("corpus/") : QStringLiteral("regressions/")) +
                       reader);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QTest::addRow("%s/%s/%s", qPrintable(reader), seed ? "seed" : "regression",
                          qPrintable(name))
                << dir.filePath(name) << seed;
            ++rows;
        }
    }
    if (rows == 0)
        QTest::addRow("%s/none", qPrintable(reader)) << QString() << true;
}
