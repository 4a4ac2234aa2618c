// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpFile.h"

#include "platform/CentredLayout.h"
#include "platform/ModalLayer.h"
#include "platform/ProgramWindow.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "writing/RubyTextView.h"

#include <QDialog>
#include <QPointer>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString helpPath;

RubyText rubyOf(const QString& line)
{
    RubyText t;
    if (!ParseRubyMarkup(line, t))
        t = RubyText{{line, {}}};  // markup that does not parse shows as it stands
    return t;
}

void appendRuby(RubyText& to, const RubyText& more)
{
    for (const RubySegment& s : more) {
        if (s.readings.isEmpty() && !to.isEmpty() && to.last().readings.isEmpty())
            to.last().base += s.base;
        else
            to.append(s);
    }
}

QList<HelpBlock> layoutBlocks(const QStringList& lines)
{
    QList<HelpBlock> blocks;
    bool inParagraph = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            inParagraph = false;
        } else if (line.startsWith(QLatin1String("== "))) {
            blocks.append({HelpBlock::Heading, rubyOf(line.mid(3))});
            inParagraph = false;
        } else if (line.startsWith(QLatin1String("* "))) {
            blocks.append({HelpBlock::Bullet, rubyOf(line.mid(2))});
            inParagraph = false;
        } else if (inParagraph) {
            appendRuby(blocks.last().text, RubyText{{QStringLiteral("\n"), {}}});
            appendRuby(blocks.last().text, rubyOf(line));
        } else {
            blocks.append({HelpBlock::Paragraph, rubyOf(line)});
            inParagraph = true;
        }
    }
    return blocks;
}

QString layoutHtml(const QList<HelpBlock>& blocks)
{
    QString html;
    bool inList = false;
    for (const HelpBlock& b : blocks) {
        const QString text = PlainText(b.text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        if (b.kind != HelpBlock::Bullet && inList) {
            html += QStringLiteral("</ul>");
            inList = false;
        }
        if (b.kind == HelpBlock::Heading) {
            html += QStringLiteral("<h3>") + text + QStringLiteral("</h3>");
        } else if (b.kind == HelpBlock::Bullet) {
            if (!inList)
                html += QStringLiteral("<ul>");
            inList = true;
            html += QStringLiteral("<li>") + text + QStringLiteral("</li>");
        } else {
            html += QStringLiteral("<p>") + text + QStringLiteral("</p>");
        }
    }
    if (inList)
        html += QStringLiteral("</ul>");
    return html;
}

}  // namespace

QMap<int, HelpTopic> ParseHelpFile(const QByteArray& bytes)
{
    QMap<int, HelpTopic> topics;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    HelpTopic current;
    QStringList body;
    bool open = false;
    auto finish = [&] {
        if (open) {
            current.blocks = layoutBlocks(body);
            current.html = layoutHtml(current.blocks);
            topics.insert(current.number, current);
        }
        body.clear();
        open = false;
    };
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("@topic"))) {
            finish();
            const QString rest = line.mid(6).trimmed();
            const QString numberText = rest.section(QLatin1Char(' '), 0, 0);
            bool ok = false;
            const int number = numberText.toInt(&ok);
            if (!ok)
                continue;  // an unreadable heading: its text is skipped with it
            current = HelpTopic{};
            current.number = number;
            current.titleRuby = rubyOf(rest.section(QLatin1Char(' '), 1).trimmed());
            current.title = PlainText(current.titleRuby);
            open = true;
            continue;
        }
        if (open)
            body << line;
    }
    finish();
    return topics;
}

void SetHelpFile(const QString& path) { helpPath = path; }

QString HelpFilePath() { return helpPath; }

void ShowHelp(QWidget* parent, int topic)
{
    QString title = QStringLiteral("ヘルプ");
    QList<HelpBlock> blocks;
    QFile file(helpPath);
    if (!file.open(QIODevice::ReadOnly)) {
        blocks.append({HelpBlock::Paragraph, rubyOf(QStringLiteral("ヘルプのファイルが見つかりません。"))});
    } else {
        const QMap<int, HelpTopic> topics = ParseHelpFile(file.read(1 << 20));
        const auto it = topics.constFind(topic);
        if (it == topics.constEnd()) {
            blocks.append({HelpBlock::Paragraph, RubyText{{QStringLiteral("このページのヘルプはありません。"), {}}}});
        } else {
            title = it->title;
            blocks.append({HelpBlock::Heading, it->titleRuby});
            blocks += it->blocks;
        }
    }

    // One help window at a time: each press of ヘルプ used to leave another one open behind.
    static QPointer<QDialog> shown;
    if (shown)
        shown->close();  // it deletes itself
    auto* dialog = new QDialog(parent);
    shown = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    dialog->setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QVBoxLayout(dialog);
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("HelpText"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Qt::white);
    page->setPalette(pal);
    auto* text = new QVBoxLayout(page);
    text->setSpacing(6);
    for (int i = 0; i < blocks.size(); ++i) {
        const HelpBlock& b = blocks[i];
        auto* view = new RubyTextView(page);
        const bool heading = b.kind == HelpBlock::Heading;
        view->setFont(PixelFont(i == 0 && heading ? 22 : heading ? 19 : 16, heading));
        RubyText t = b.text;
        if (b.kind == HelpBlock::Bullet)
            t.prepend({QStringLiteral("・"), {}});
        view->setRubyText(t);
        view->setMaxTextWidth(480);
        if (heading && i > 0)
            text->addSpacing(8);
        text->addWidget(view);
    }
    text->addStretch(1);
    scroll->setWidget(page);
    layout->addWidget(scroll);
    auto* close = new QPushButton(QStringLiteral("とじる"), dialog);
    close->setFont(PixelFont(16, true));
    GiveHandCursor(close);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    layout->addWidget(close);
    dialog->resize(560, 420);
    // In the middle of the program's window, like every window's layout.
    QWidget* host = ProgramHost();
    ShowOnLayer(dialog, host ? CentredLayoutPos(host->size(), dialog->size()) : QPoint());
}
