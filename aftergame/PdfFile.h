// SPDX-License-Identifier: GPL-3.0-or-later
// A4 PDF files for the program's printouts: written whole or not at all, in the documents folder.
#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;

// A name safe on any file system: no slashes, colons or control characters, never empty.
QString SafeFileName(QString name);
// `fileName` in the documents folder (created when missing); empty when there is none.
QString DocumentsFilePath(const QString& fileName);
// Writes an A4 PDF at `resolution` dots per inch, painted by `paint`, whole or not at all: on any
// failure an earlier file at `path` stays as it was.
bool WriteA4Pdf(const QString& path, const QString& title, int resolution,
                const std::function<bool(QPagedPaintDevice&)>& paint);
// "<what>のPDFを書きこめませんでした。..." with the path, and whether an earlier file is still
// there.
QString PdfFailedText(const QString& what, const QString& path, bool earlierKept);
