#include "platform/HelpFile.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString helpPath;

QString layoutText(const QStringList& lines)
{
    QString html;
    bool inList = false;
    QString paragraph;
    auto flushParagraph = [&] {
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>") + paragraph + QStringLiteral("</p>");
        paragraph.clear();
    };
    auto closeList = [&] {
        if (inList)
            html += QStringLiteral("</ul>");
        inList = false;
    };
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flushParagraph();
            closeList();
        } else if (line.startsWith(QLatin1String("== "))) {
            flushParagraph();
            closeList();
            html += QStringLiteral("<h3>") + line.mid(3).toHtmlEscaped() + QStringLiteral("</h3>");
        } else if (line.startsWith(QLatin1String("* "))) {
            flushParagraph();
            if (!inList)
                html += QStringLiteral("<ul>");
            inList = true;
            html += QStringLiteral("<li>") + line.mid(2).toHtmlEscaped() + QStringLiteral("</li>");
        } else {
            closeList();
            if (!paragraph.isEmpty())
                paragraph += QStringLiteral("<br>");
            paragraph += line.toHtmlEscaped();
        }
    }
    flushParagraph();
    closeList();
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
            current.html = layoutText(body);
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
            current = HelpTopic{number, rest.section(QLatin1Char(' '), 1).trimmed(), {}};
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
    QString html;
    QFile file(helpPath);
    if (!file.open(QIODevice::ReadOnly)) {
        html = QStringLiteral("<p>ヘルプのファイルが見つかりません。</p>");
    } else {
        const QMap<int, HelpTopic> topics = ParseHelpFile(file.read(1 << 20));
        const auto it = topics.constFind(topic);
        if (it == topics.constEnd()) {
            html = QStringLiteral("<p>このページのヘルプはありません。</p>");
        } else {
            title = it->title;
            html = QStringLiteral("<h2>") + it->title.toHtmlEscaped() + QStringLiteral("</h2>") +
                   it->html;
        }
    }

    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    dialog->setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QVBoxLayout(dialog);
    auto* browser = new QTextBrowser(dialog);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setFont(PixelFont(16));
    browser->setHtml(html);
    layout->addWidget(browser);
    auto* close = new QPushButton(QStringLiteral("とじる"), dialog);
    close->setFont(PixelFont(16, true));
    GiveHandCursor(close);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    layout->addWidget(close);
    dialog->resize(560, 420);
    dialog->show();
}
