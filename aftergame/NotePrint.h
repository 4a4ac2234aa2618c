// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook on paper: the kanji of the child's school years in their colours, then the weak
// list, on A4 pages of a PDF file or a printer.
#pragma once

#include "data/KanjiNoteRules.h"

#include <QString>
#include <functional>

class QPagedPaintDevice;

// The kanji of school years 1 to `gakunen` with a heading per year, in school-year order.
struct NoteCell;
QList<NoteCell> NoteYearCells(int gakunen);

// Paints every page; false when the device cannot be painted on.
bool PaintNotePages(QPagedPaintDevice& device, int player, const NoteSummary& summary);

// The PDF's path in the documents folder (created when missing); empty when there is none.
QString NotePdfPath(int player);
// Writes the PDF whole or not at all: on any failure an earlier file at `path` stays as it was.
bool WriteNotePdf(const QString& path, int player, const NoteSummary& summary);
// What the child and the parent are told when the PDF could not be written.
QString NotePdfFailedText(const QString& path, bool earlierKept);

namespace NotePrinting {
bool printerAvailable();
// Tests: pretend a printer is (or is not) there; an empty function asks the system again.
void setPrinterCheck(std::function<bool()> check);
} // namespace NotePrinting
