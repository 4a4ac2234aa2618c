// SPDX-License-Identifier: GPL-3.0-or-later
// The help file "Mojimaru.hlp" and its viewer.
//
// The file is UTF-8 text. Lines beginning with "#" are comments. "@topic <number> <title>" begins
// a topic; the lines after it, up to the next "@topic", are its text. In the text an empty line
// separates paragraphs, a line beginning with "== " is a heading and one beginning with "* " is
// a bullet item. A kanji run may carry its reading in 《》 right after it, as the program's own
// texts do (名前《なまえ》): the viewer shows it as furigana to a child who has not learned the kanji.
#pragma once

#include "writing/RubyText.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class QWidget;

struct HelpBlock {
    enum Kind { Heading, Paragraph, Bullet };
    Kind kind = Paragraph;
    RubyText text;
};

struct HelpTopic {
    int number = 0;
    QString title;
    QString html;  // the text as plain HTML, readings left out
    RubyText titleRuby;
    QList<HelpBlock> blocks;  // the text for the viewer, with its readings
};

// Parses the file's bytes; topics that cannot be read are skipped, never a crash.
QMap<int, HelpTopic> ParseHelpFile(const QByteArray& bytes);

// The help file the program uses (set at start-up to Exe_Dir + "Mojimaru.hlp").
void SetHelpFile(const QString& path);
QString HelpFilePath();

// Opens the help window at a topic. A missing file or topic is said in the window itself.
void ShowHelp(QWidget* parent, int topic);
