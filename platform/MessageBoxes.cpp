#include "platform/MessageBoxes.h"

#include "platform/MessageDialog.h"

#include <QApplication>
#include <QAbstractButton>
#include <QQueue>

namespace {
bool recording = false;
QStringList shownTexts;
QQueue<MsgAnswer> answers;

QString title() { return QApplication::applicationDisplayName(); }

MsgAnswer ask(QWidget* parent, const QString& text, bool withCancel)
{
    if (recording) {
        shownTexts << text;
        return answers.isEmpty() ? MsgAnswer::No : answers.dequeue();
    }
    MessageDialog box(MessageDialog::Question, title(), text, parent);
    QAbstractButton* yes = box.addButton(QStringLiteral("はい"));
    QAbstractButton* no = box.addButton(QStringLiteral("いいえ"));
    if (withCancel)
        box.addButton(QStringLiteral("キャンセル"));
    box.exec();
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
        shownTexts << text;
        return;
    }
    MessageDialog box(MessageDialog::Information, title(), text, parent);
    box.addButton(QStringLiteral("OK"));
    box.exec();
}

MsgAnswer AskYesNo(QWidget* parent, const QString& text) { return ask(parent, text, false); }

MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text) { return ask(parent, text, true); }

namespace MessageBoxes {
void setRecording(bool on)
{
    recording = on;
    shownTexts.clear();
    answers.clear();
}
QStringList& shown() { return shownTexts; }
void queueAnswer(MsgAnswer answer) { answers.enqueue(answer); }
}  // namespace MessageBoxes
