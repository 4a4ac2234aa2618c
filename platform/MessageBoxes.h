// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes. Tests switch them to a recording mode in which nothing is shown:
// every text is recorded and questions take answers queued beforehand, so no box can hang a test.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

enum class MsgAnswer { Yes, No, Cancel };

void ShowMessage(QWidget* parent, const QString& text);                 // information, OK only
MsgAnswer AskYesNo(QWidget* parent, const QString& text);               // question, yes / no
MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text);         // question, yes / no / cancel

namespace MessageBoxes {
void setRecording(bool on);
QStringList& shown();                 // every text shown while recording, in order
void queueAnswer(MsgAnswer answer);   // the next question's answer (No when none is queued)
// Runs while a recorded box is up, standing for the timer ticks and other events a real box's
// own event loop delivers to the windows behind it.
void setWhileShown(std::function<void()> events);
}  // namespace MessageBoxes
