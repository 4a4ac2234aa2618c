// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBoxes.h"

#include "platform/MessageDialog.h"
#include "platform/MessagePlace.h"
#include "platform/ModalLayer.h"

#include <QApplication>
#include <QAbstractButton>
#include <QQueue>

namespace {
bool recording = false;
QStringList shownTexts;
QQueue<MsgAnswer> answers;
std::function<void()> whileShown;

void record(const QString& text)
{
    shownTexts << text;
    if (whileShown)
        whileShown();
}

QString title() { return QApplication::applicationDisplayName(); }

MsgAnswer ask(QWidget* parent, const QString& text, bool withCancel)
{
    if (recording) {
        record(text);
        return answers.isEmpty() ? MsgAnswer::No : answers.dequeue();
    }
    MessageDialog box(MessageDialog::Question, title(), text, parent);
    QAbstractButton* yes = box.addButton(QStringLiteral("はい"));
    QAbstractButton* no = box.addButton(QStringLiteral("いいえ"));
    if (withCancel)
        box.addButton(QStringLiteral("キャンセル"));
    PlaceMessageBox(&box, parent);
    RunModal(&box);
    if (box.clickedButton() == yes)
        return MsgAnswer::Yes;
    if (box.clickedButton() == no)
        return MsgAnswer::No;
    return MsgAnswer::Cancel;
}
}  // namespace

void ShowMessage(QWidget* parent, const QString& text)
{
    if (recording) {
        record(text);
        return;
    }
    MessageDialog box(MessageDialog::Information, title(), text, parent);
    box.addButton(QStringLiteral("OK"));
    PlaceMessageBox(&box, parent);
    RunModal(&box);
}

MsgAnswer AskYesNo(QWidget* parent, const QString& text) { return ask(parent, text, false); }

MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text) { return ask(parent, text, true); }

namespace MessageBoxes {
void setRecording(bool on)
{
    recording = on;
    shownTexts.clear();
    answers.clear();
    whileShown = nullptr;
}
QStringList& shown() { return shownTexts; }
void queueAnswer(MsgAnswer answer) { answers.enqueue(answer); }
void setWhileShown(std::function<void()> events) { whileShown = std::move(events); }
}  // namespace MessageBoxes
