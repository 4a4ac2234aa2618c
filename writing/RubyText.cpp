// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/RubyText.h"

#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const QChar RubyOpen(0x300A);  // 《
const QChar RubyClose(0x300B); // 》
const QChar Split(u'|');

std::function<bool(QChar)>& learnedRule() {
    static std::function<bool(QChar)> rule;
    return rule;
}

bool isHiragana(QChar c) {
    return (c >= QChar(0x3041) && c <= QChar(0x309F)) || c == QChar(0x30FC);
}

bool validReading(const QString& r) {
    return !r.isEmpty() && std::all_of(r.begin(), r.end(), isHiragana);
}

// Surrounding blanks are not part of an own text: "答1. " is the entry "答%1."
QString core(const QString& s) {
    return s.trimmed();
}

struct Pattern {
    QRegularExpression re;
    int entry = 0;
};

struct Index {
    QHash<QString, int> exact;
    QList<Pattern> patterns;
};

const QRegularExpression& placeholder() {
    static const QRegularExpression re(QStringLiteral("%[1-9]"));
    return re;
}

const Index& index() {
    static const Index idx = [] {
        Index i;
        const QList<OwnTextEntry>& table = OwnTextTable();
        for (int n = 0; n < table.size(); ++n) {
            const QString plain = core(PlainText(table[n].ruby));
            if (!plain.contains(placeholder())) {
                i.exact.insert(plain, n);
                continue;
            }
            QString re;
            qsizetype last = 0;
            auto it = placeholder().globalMatch(plain);
            while (it.hasNext()) {
                const auto m = it.next();
                re += QRegularExpression::escape(plain.mid(last, m.capturedStart() - last));
                re += QStringLiteral("(.+?)");
                last = m.capturedEnd();
            }
            re += QRegularExpression::escape(plain.mid(last));
            i.patterns.append(
                {QRegularExpression(QStringLiteral("^") + re + QStringLiteral("$")), n});
        }
        // The most specific text first: "のこり1分%1秒" before "のこり%1秒".
        std::stable_sort(i.patterns.begin(), i.patterns.end(),
                         [](const Pattern& a, const Pattern& b) {
                             return a.re.pattern().size() > b.re.pattern().size();
                         });
        return i;
    }();
    return idx;
}

void appendPlain(RubyText& t, const QString& s) {
    if (s.isEmpty())
        return;
    if (!t.isEmpty() && t.last().readings.isEmpty())
        t.last().base += s;
    else
        t.append({s, {}});
}

std::optional<RubyText> findCore(const QString& key, int depth);

// An entry with its placeholders filled by the captured values, in order of appearance.
RubyText fill(const RubyText& pattern, const QStringList& values, int depth) {
    RubyText out;
    int next = 0;
    for (const RubySegment& s : pattern) {
        if (!s.readings.isEmpty()) {
            out.append(s);
            continue;
        }
        qsizetype last = 0;
        auto it = placeholder().globalMatch(s.base);
        while (it.hasNext()) {
            const auto m = it.next();
            appendPlain(out, s.base.mid(last, m.capturedStart() - last));
            const QString value = next < values.size() ? values[next] : QString();
            ++next;
            if (const auto own = findCore(value, depth + 1))
                for (const RubySegment& v : *own)
                    v.readings.isEmpty() ? appendPlain(out, v.base) : out.append(v);
            else
                appendPlain(out, value);
            last = m.capturedEnd();
        }
        appendPlain(out, s.base.mid(last));
    }
    return out;
}

std::optional<RubyText> findCore(const QString& key, int depth) {
    if (key.isEmpty() || depth > 2)
        return std::nullopt;
    const Index& idx = index();
    const QList<OwnTextEntry>& table = OwnTextTable();
    if (const auto it = idx.exact.constFind(key); it != idx.exact.constEnd())
        return table[*it].ruby;
    for (const Pattern& p : idx.patterns) {
        const auto m = p.re.match(key);
        if (m.hasMatch())
            return fill(table[p.entry].ruby, m.capturedTexts().mid(1), depth);
    }
    return std::nullopt;
}

struct Metrics {
    QFont ruby;
    int inset = 0;  // from the top of the base box to the top of a kanji's ink
    int height = 0; // room needed above the base box
};

Metrics metricsFor(const QFont& base) {
    static QHash<QString, Metrics> cache;
    const QString key = base.key();
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    Metrics m;
    const QFontMetrics fm(base);
    const int px =
        base.pixelSize() > 0 ? base.pixelSize() : static_cast<int>(base.pointSizeF() * 96 / 72);
    m.ruby = base;
    m.ruby.setPixelSize(std::max(9, px / 2));
    const QFontMetrics rfm(m.ruby);
    m.inset = std::max(0, fm.ascent() + fm.tightBoundingRect(QStringLiteral("漢")).top());
    m.height = std::max(0, rfm.ascent() + rfm.descent() - m.inset);
    cache.insert(key, m);
    return m;
}

QString lineText(const RubyLine& line) {
    QString s;
    for (const RubyUnit& u : line)
        s += u.base;
    return s;
}

bool opensPhrase(QChar c) {
    return QStringLiteral("「『（(［【").contains(c);
}
bool closesPhrase(QChar c) {
    return c.isSpace() || QStringLiteral("、。，．！？!?」』）)］】…").contains(c);
}

// How good a break between two atoms is: 3 after punctuation, 2 where kana end before a new word.
int breakQuality(const RubyUnit& a, const RubyUnit& b) {
    const QChar x = a.base.back();
    const QChar y = b.base.front();
    if (closesPhrase(x) || opensPhrase(y))
        return closesPhrase(y) ? 0 : 3;
    if (isHiragana(x) && a.ruby.isEmpty() && !isHiragana(y) && !closesPhrase(y) &&
        y != QChar(0x30FC))
        return 2;
    return 0;
}

} // namespace

bool IsKanji(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0xF900 && u <= 0xFAFF) || u == 0x3005;
}

bool ParseRubyMarkup(const QString& markup, RubyText& out, QString* error) {
    out.clear();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QString plain;
    for (qsizetype i = 0; i < markup.size(); ++i) {
        const QChar c = markup[i];
        if (c == RubyClose || c == Split)
            return fail(QStringLiteral("stray %1").arg(c));
        if (c != RubyOpen) {
            plain += c;
            continue;
        }
        const qsizetype close = markup.indexOf(RubyClose, i + 1);
        if (close < 0)
            return fail(QStringLiteral("unclosed reading"));
        qsizetype runStart = plain.size();
        while (runStart > 0 && IsKanji(plain[runStart - 1]))
            --runStart;
        const QString base = plain.mid(runStart);
        if (base.isEmpty())
            return fail(QStringLiteral("a reading without kanji before it"));
        const QStringList readings = markup.mid(i + 1, close - i - 1).split(Split);
        if (readings.size() != 1 && readings.size() != base.size())
            return fail(QStringLiteral("%1 readings for the %2 kanji of %3")
                            .arg(readings.size())
                            .arg(base.size())
                            .arg(base));
        for (const QString& r : readings)
            if (!validReading(r))
                return fail(QStringLiteral("reading \"%1\" is not hiragana").arg(r));
        appendPlain(out, plain.left(runStart));
        out.append({base, readings});
        plain.clear();
        i = close;
    }
    appendPlain(out, plain);
    return true;
}

QString PlainText(const RubyText& text) {
    QString s;
    for (const RubySegment& seg : text)
        s += seg.base;
    return s;
}

QList<OwnTextEntry> ParseOwnTextTable(const QString& fileText, QStringList* errors) {
    QList<OwnTextEntry> entries;
    const QStringList lines = fileText.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        line.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        OwnTextEntry e{n + 1, line, {}};
        QString why;
        if (!ParseRubyMarkup(line, e.ruby, &why)) {
            if (errors)
                *errors << QStringLiteral("line %1: %2").arg(n + 1).arg(why);
            continue;
        }
        entries.append(e);
    }
    return entries;
}

const QList<OwnTextEntry>& OwnTextTable() {
    static const QList<OwnTextEntry> table = [] {
        QFile f(QStringLiteral(":/texts/furigana.txt"));
        if (!f.open(QIODevice::ReadOnly))
            return QList<OwnTextEntry>{};
        return ParseOwnTextTable(QString::fromUtf8(f.readAll()));
    }();
    return table;
}

std::optional<RubyText> FindOwnText(const QString& shown) {
    const QString key = core(shown);
    auto found = findCore(key, 0);
    if (!found)
        return std::nullopt;
    // Keep the blanks around the text, so positions match what is shown.
    const qsizetype lead = shown.indexOf(key);
    RubyText out;
    appendPlain(out, shown.left(lead));
    for (const RubySegment& s : *found)
        s.readings.isEmpty() ? appendPlain(out, s.base) : out.append(s);
    appendPlain(out, shown.mid(lead + key.size()));
    return out;
}

void SetKanjiLearnedRule(std::function<bool(QChar)> learned) {
    learnedRule() = std::move(learned);
}

bool KanjiNeedsReading(QChar kanji) {
    const auto& rule = learnedRule();
    return !(rule && rule(kanji));
}

RubyLine RubyUnits(const RubyText& text) {
    RubyLine out;
    auto plain = [&](const QString& s) {
        if (!out.isEmpty() && out.last().ruby.isEmpty())
            out.last().base += s;
        else
            out.append({s, {}});
    };
    for (const RubySegment& seg : text) {
        if (seg.readings.isEmpty()) {
            plain(seg.base);
        } else if (seg.readings.size() == 1 && seg.base.size() > 1) {
            const bool any = std::any_of(seg.base.begin(), seg.base.end(), KanjiNeedsReading);
            if (any)
                out.append({seg.base, seg.readings.first()});
            else
                plain(seg.base);
        } else {
            bool open = false; // the last unit is this run's annotated part
            for (qsizetype i = 0; i < seg.base.size(); ++i) {
                if (!KanjiNeedsReading(seg.base[i])) {
                    plain(seg.base.mid(i, 1));
                    open = false;
                } else if (open) {
                    out.last().base += seg.base[i];
                    out.last().ruby += seg.readings[i];
                } else {
                    out.append({seg.base.mid(i, 1), seg.readings[i]});
                    open = true;
                }
            }
        }
    }
    return out;
}

bool HasRuby(const RubyLine& line) {
    return std::any_of(line.begin(), line.end(),
                       [](const RubyUnit& u) { return !u.ruby.isEmpty(); });
}

QString RubyShown(const QList<RubyLine>& lines) {
    QStringList out;
    for (const RubyLine& l : lines) {
        QString s;
        for (const RubyUnit& u : l)
            s += u.ruby;
        out << s;
    }
    return out.join(QLatin1Char('\n'));
}

QList<RubyLine> SplitLines(const RubyLine& units) {
    QList<RubyLine> lines(1);
    for (const RubyUnit& u : units) {
        if (!u.ruby.isEmpty()) {
            lines.last().append(u);
            continue;
        }
        const QStringList parts = u.base.split(QLatin1Char('\n'));
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                lines.append(RubyLine{});
            if (!parts[i].isEmpty())
                lines.last().append({parts[i], {}});
        }
    }
    return lines;
}

QList<RubyLine> FuriganaLines(const QString& shown) {
    const auto own = FindOwnText(shown);
    if (!own)
        return {};
    const RubyLine units = RubyUnits(*own);
    return HasRuby(units) ? SplitLines(units) : QList<RubyLine>{};
}

QFont RubyFont(const QFont& base) {
    return metricsFor(base).ruby;
}

int RubyHeight(const QFont& base) {
    return metricsFor(base).height;
}

int LineWidth(const RubyLine& line, const QFont& base) {
    return QFontMetrics(base).horizontalAdvance(lineText(line));
}

namespace {
struct PlacedRuby {
    QString text;
    QFont font;
    QPointF baseline;
    QRectF ink;
};

// Where each furigana of a line goes: centred over its kanji, a long one set narrower, and never
// over the one before it.
QList<PlacedRuby> placeRuby(QPointF topLeft, const QFont& base, const RubyLine& line) {
    const QFontMetricsF fm(base);
    const Metrics m = metricsFor(base);
    const QString all = lineText(line);
    QList<PlacedRuby> out;
    qreal rubyRight = -1e9;
    qsizetype pos = 0;
    for (const RubyUnit& u : line) {
        const qreal x0 = pos == 0 ? 0 : fm.horizontalAdvance(all.left(pos));
        pos += u.base.size();
        const qreal x1 = fm.horizontalAdvance(all.left(pos));
        if (u.ruby.isEmpty())
            continue;
        QFont rf = m.ruby;
        qreal rw = QFontMetricsF(rf).horizontalAdvance(u.ruby);
        const qreal room = (x1 - x0) + QFontMetricsF(rf).height();
        if (rw > room) {
            rf.setStretch(std::max(60, static_cast<int>(100 * room / rw)));
            rw = QFontMetricsF(rf).horizontalAdvance(u.ruby);
        }
        const qreal rx = std::max(topLeft.x() + (x0 + x1 - rw) / 2, rubyRight);
        const QFontMetricsF rfm(rf);
        const qreal baseline = topLeft.y() + m.inset - rfm.descent();
        out.append({u.ruby, rf, QPointF(rx, baseline),
                    QRectF(rx, baseline - rfm.ascent(), rw, rfm.ascent() + rfm.descent())});
        rubyRight = rx + rw;
    }
    return out;
}
} // namespace

void PaintRubyLine(QPainter& p, QPointF topLeft, const QFont& base, const RubyLine& line,
                   bool paintBase, const QColor& rubyColor) {
    if (paintBase) {
        p.setFont(base);
        p.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(base).ascent()),
                   lineText(line));
    }
    const QPen basePen = p.pen();
    p.setPen(rubyColor);
    for (const PlacedRuby& r : placeRuby(topLeft, base, line)) {
        p.setFont(r.font);
        p.drawText(r.baseline, r.text);
    }
    p.setPen(basePen);
    p.setFont(base);
}

QList<QRectF> RubyInk(QPointF topLeft, const QFont& base, const RubyLine& line) {
    QList<QRectF> out;
    for (const PlacedRuby& r : placeRuby(topLeft, base, line))
        out << r.ink;
    return out;
}

QList<RubyLine> BreakRubyLines(const RubyLine& units, const QFont& base, int maxWidth) {
    QList<RubyLine> out;
    const QFontMetrics fm(base);
    for (const RubyLine& forced : SplitLines(units)) {
        RubyLine atoms;
        for (const RubyUnit& u : forced) {
            if (!u.ruby.isEmpty())
                atoms.append(u);
            else
                for (QChar c : u.base)
                    atoms.append({QString(c), {}});
        }
        qsizetype start = 0;
        while (start < atoms.size()) {
            qsizetype end = start + 1; // the line is atoms [start, end)
            QString text = atoms[start].base;
            while (end < atoms.size() && fm.horizontalAdvance(text + atoms[end].base) <= maxWidth)
                text += atoms[end++].base;
            if (end < atoms.size()) {
                // Back up to the best break: punctuation unless it leaves a short line, else the
                // end of a kana phrase; a word wider than the line is cut where it must.
                qsizetype best = -1;
                int bestQuality = 0;
                for (qsizetype k = end; k > start; --k) {
                    const int q = breakQuality(atoms[k - 1], atoms[k]);
                    const bool longEnough =
                        fm.horizontalAdvance(lineText(atoms.mid(start, k - start))) * 5 >=
                        maxWidth * 3;
                    if (q == 3 && longEnough) {
                        best = k;
                        break;
                    }
                    const int quality = q == 3 ? 1 : q;
                    if (quality > bestQuality) {
                        best = k;
                        bestQuality = quality;
                    }
                }
                if (best > start)
                    end = best;
            }
            RubyLine line;
            for (qsizetype k = start; k < end; ++k) {
                if (!line.isEmpty() && line.last().ruby.isEmpty() && atoms[k].ruby.isEmpty())
                    line.last().base += atoms[k].base;
                else
                    line.append(atoms[k]);
            }
            out.append(line);
            start = end;
            while (start < atoms.size() && atoms[start].base.front().isSpace())
                ++start;
        }
        if (forced.isEmpty())
            out.append(RubyLine{});
    }
    return out;
}
