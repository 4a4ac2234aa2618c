// SPDX-License-Identifier: GPL-3.0-or-later
// Furigana on the program's own texts in every window: labels, buttons, radio buttons and group
// captions whose text is one of the own texts (RubyText.h) show the readings of the kanji the
// reader has not learned. Labels, radio buttons and group captions keep their text where it is
// and get the furigana in the room above it; push buttons set text and furigana inside.
// Installed once for the whole application; windows need no code of their own.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QApplication;
class QWidget;

void InstallFurigana(QApplication& app);
// Repaints every furigana after the reader changed (another player chosen).
void RefreshFurigana();
// A widget whose text is data, not the program's own (example sentences): never annotated.
void NoFurigana(QWidget* widget);
bool IsNoFurigana(const QWidget* widget);
// What a widget shows above its text now, by lines, "" where no furigana (tests, screenshots).
QString FuriganaShown(const QWidget* widget);
// Where a label's, radio button's or group caption's furigana are painted, in its window's
// coordinates (tests check they overlap no other control and are not cut).
QList<QRect> FuriganaInk(const QWidget* widget);
