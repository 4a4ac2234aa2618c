// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/PdfFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

QString SafeFileName(QString name) {
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    return name.trimmed().isEmpty() ? QStringLiteral("_") : name.trimmed();
}

QString DocumentsFilePath(const QString& fileName) {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QDir().mkpath(docs))
        return QString();
    return QDir(docs).filePath(fileName);
}

// The new PDF goes into a file of its own beside the old one and replaces it only when every
// byte was written and the file on disk has them all; otherwise the old one stays as it was.
bool WriteA4Pdf(const QString& path, const QString& title, int resolution,
                const std::function<bool(QPagedPaintDevice&)>& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(resolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("もじまる"));
        painted = paint(writer);
    }
    const qint64 written = file.pos();
    if (!painted || written <= 0 || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return QFileInfo(path).size() == written;
}

QString PdfFailedText(const QString& what, const QString& path, bool earlierKept) {
    QString text = what + QStringLiteral("のPDFを書きこめませんでした。ディスクがいっぱいか、"
                                         "書きこめないところです。");
    if (!path.isEmpty())
        text += QLatin1Char('\n') + path;
    if (earlierKept)
        text += QStringLiteral("\nまえに作ったPDFは、そのままのこっています。");
    return text;
}
