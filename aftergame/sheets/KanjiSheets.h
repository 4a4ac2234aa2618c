// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets to print for a set of kanji: a practice sheet (model, stroke order, readings, cells to
// trace and to write in) or a writing test with its answers, as an A4 PDF in the documents
// folder, and on a printer when there is one.
#pragma once

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QWidget;
class StrokeStore;

enum class SheetKind { Practice, Test10, Test20 };

// "れんしゅうプリント", "書き取りテスト 10もん", ...
QString SheetKindName(SheetKind kind);
// Paints every page; false when the device cannot be painted on or nothing is to be printed.
bool PaintKanjiSheets(QPagedPaintDevice& device, int player, const QList<int>& kanji,
                      SheetKind kind, const StrokeStore* strokes);
// "<name>のかんじれんしゅう_2026-12-09.pdf" in the documents folder; empty when there is none.
QString KanjiSheetPath(int player, SheetKind kind);
// Writes the PDF whole or not at all (an earlier file stays on any failure).
bool WriteKanjiSheetPdf(const QString& path, int player, const QList<int>& kanji, SheetKind kind,
                        const StrokeStore* strokes);

// The sheets of `kanji` for `player`: writes the PDF, tells where it went (or why it could not
// be written) over `host`, then offers the print dialog when a printer is there. Returns the
// PDF's path, empty when none was written.
QString PrintKanjiSheets(int player, const QList<int>& kanji, SheetKind kind,
                         QWidget* host = nullptr);
