// SPDX-License-Identifier: GPL-3.0-or-later
// "Mojimaru.hlp": the topic parser, and each topic's text laid out as the help window does.
#include "FuzzSupport.h"

#include "platform/HelpFile.h"

#include <QTextDocument>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QMap<int, HelpTopic> topics = ParseHelpFile(FuzzBytes(data, size));
    for (auto it = topics.constBegin(); it != topics.constEnd(); ++it) {
        if (it.key() != it->number)
            abort();
        QTextDocument doc;
        doc.setHtml(QStringLiteral("<h2>") + it->title.toHtmlEscaped() + QStringLiteral("</h2>") +
                    it->html);
        (void)doc.toPlainText();
    }
    return 0;
}
