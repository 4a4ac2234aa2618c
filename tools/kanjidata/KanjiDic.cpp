// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/KanjiDic.h"

#include <QFile>
#include <QStringDecoder>
#include <iconv.h>

bool DecodeEucJp(const QByteArray& bytes, QString& out)
{
    iconv_t cd = iconv_open("UTF-8", "EUC-JP");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    QByteArray utf8(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* dst = utf8.data();
    size_t outLeft = static_cast<size_t>(utf8.size());
    const size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    utf8.truncate(utf8.size() - static_cast<qsizetype>(outLeft));
    out = QString::fromUtf8(utf8);
    return true;
}

bool DecodeDictionaryText(const QByteArray& bytes, QString& out)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) {
        out = text;
        return true;
    }
    return DecodeEucJp(bytes, out);
}

bool ParseKanjiDicLine(const QString& line, QString& kanji, KanjiDicEntry& e)
{
    if (line.startsWith(QLatin1Char('#')))
        return false;
    const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() < 3)
        return false;
    kanji = f[0];
    e = {};
    bool names = false;
    for (int i = 2; i < f.size(); ++i) {
        const QString& t = f[i];
        // Name readings follow T1 (T2: radical names); meanings ({...}) come last.
        if (t.startsWith(QLatin1Char('{')) || t == QLatin1String("T2"))
            break;
        if (t == QLatin1String("T1")) {
            names = true;
            continue;
        }
        const QChar c = t[0] == QLatin1Char('-') && t.size() > 1 ? t[1] : t[0];
        const ushort u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30FA) {
            (names ? e.nanori : e.on) << t;
            continue;
        }
        if (u >= 0x3041 && u <= 0x3096) {
            (names ? e.nanori : e.kun) << t;
            continue;
        }
        bool ok = false;
        const int v = t.mid(1).toInt(&ok);
        if (!ok)
            continue;
        if (t[0] == QLatin1Char('G'))
            e.grade = v;
        else if (t[0] == QLatin1Char('S') && e.strokes == 0)
            e.strokes = v;
        else if (t[0] == QLatin1Char('F'))
            e.freq = v;
    }
    return true;
}

bool ReadKanjiDic(const QString& path, QHash<QString, KanjiDicEntry>& out, QString& reason)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QString text;
    if (!DecodeDictionaryText(f.readAll(), text)) {
        reason = QStringLiteral("%1 is neither UTF-8 nor EUC-JP").arg(path);
        return false;
    }
    out.clear();
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString kanji;
        KanjiDicEntry e;
        if (ParseKanjiDicLine(line, kanji, e))
            out.insert(kanji, e);
    }
    return true;
}
