// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/HiraganaInput.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QHash>
#include <QLineEdit>
#include <QSet>

#include <algorithm>

namespace {

const QHash<QString, QString>& table()
{
    static const QHash<QString, QString> t = [] {
        QHash<QString, QString> m;
        auto row = [&m](const QString& consonant, const QString& kana) {
            static const QString vowels = QStringLiteral("aiueo");
            for (int v = 0; v < 5; ++v)
                if (kana[v] != QLatin1Char(' '))
                    m.insert(consonant + vowels[v], QString(kana[v]));
        };
        row(QString(), QStringLiteral("あいうえお"));
        row(QStringLiteral("k"), QStringLiteral("かきくけこ"));
        row(QStringLiteral("g"), QStringLiteral("がぎぐげご"));
        row(QStringLiteral("s"), QStringLiteral("さしすせそ"));
        row(QStringLiteral("z"), QStringLiteral("ざじずぜぞ"));
        row(QStringLiteral("t"), QStringLiteral("たちつてと"));
        row(QStringLiteral("d"), QStringLiteral("だぢづでど"));
        row(QStringLiteral("n"), QStringLiteral("なにぬねの"));
        row(QStringLiteral("h"), QStringLiteral("はひふへほ"));
        row(QStringLiteral("b"), QStringLiteral("ばびぶべぼ"));
        row(QStringLiteral("p"), QStringLiteral("ぱぴぷぺぽ"));
        row(QStringLiteral("m"), QStringLiteral("まみむめも"));
        row(QStringLiteral("y"), QStringLiteral("や ゆ よ"));
        row(QStringLiteral("r"), QStringLiteral("らりるれろ"));
        row(QStringLiteral("w"), QStringLiteral("わ   を"));
        row(QStringLiteral("x"), QStringLiteral("ぁぃぅぇぉ"));
        row(QStringLiteral("l"), QStringLiteral("ぁぃぅぇぉ"));
        // Hepburn and other common spellings.
        m.insert(QStringLiteral("shi"), QStringLiteral("し"));
        m.insert(QStringLiteral("chi"), QStringLiteral("ち"));
        m.insert(QStringLiteral("tsu"), QStringLiteral("つ"));
        m.insert(QStringLiteral("fu"), QStringLiteral("ふ"));
        m.insert(QStringLiteral("ji"), QStringLiteral("じ"));
        m.insert(QStringLiteral("ci"), QStringLiteral("し"));
        m.insert(QStringLiteral("ce"), QStringLiteral("せ"));
        m.insert(QStringLiteral("fa"), QStringLiteral("ふぁ"));
        m.insert(QStringLiteral("fi"), QStringLiteral("ふぃ"));
        m.insert(QStringLiteral("fe"), QStringLiteral("ふぇ"));
        m.insert(QStringLiteral("fo"), QStringLiteral("ふぉ"));
        m.insert(QStringLiteral("wi"), QStringLiteral("うぃ"));
        m.insert(QStringLiteral("we"), QStringLiteral("うぇ"));
        m.insert(QStringLiteral("xtu"), QStringLiteral("っ"));
        m.insert(QStringLiteral("ltu"), QStringLiteral("っ"));
        m.insert(QStringLiteral("xtsu"), QStringLiteral("っ"));
        m.insert(QStringLiteral("ltsu"), QStringLiteral("っ"));
        m.insert(QStringLiteral("xwa"), QStringLiteral("ゎ"));
        m.insert(QStringLiteral("lwa"), QStringLiteral("ゎ"));
        m.insert(QStringLiteral("xya"), QStringLiteral("ゃ"));
        m.insert(QStringLiteral("lya"), QStringLiteral("ゃ"));
        m.insert(QStringLiteral("xyu"), QStringLiteral("ゅ"));
        m.insert(QStringLiteral("lyu"), QStringLiteral("ゅ"));
        m.insert(QStringLiteral("xyo"), QStringLiteral("ょ"));
        m.insert(QStringLiteral("lyo"), QStringLiteral("ょ"));
        m.insert(QStringLiteral("nn"), QStringLiteral("ん"));
        m.insert(QStringLiteral("xn"), QStringLiteral("ん"));

        // Contracted sounds: the i-kana of the row followed by a small ya, yu, yo (and ye).
        const QString small = QStringLiteral("ゃゅょ");
        const QString ys = QStringLiteral("auo");
        auto yoon = [&](const QString& prefix, const QString& ikana) {
            for (int v = 0; v < 3; ++v)
                m.insert(prefix + ys[v], ikana + small[v]);
        };
        yoon(QStringLiteral("ky"), QStringLiteral("き"));
        yoon(QStringLiteral("gy"), QStringLiteral("ぎ"));
        yoon(QStringLiteral("sy"), QStringLiteral("し"));
        yoon(QStringLiteral("sh"), QStringLiteral("し"));
        yoon(QStringLiteral("zy"), QStringLiteral("じ"));
        yoon(QStringLiteral("jy"), QStringLiteral("じ"));
        yoon(QStringLiteral("j"), QStringLiteral("じ"));
        yoon(QStringLiteral("ty"), QStringLiteral("ち"));
        yoon(QStringLiteral("ch"), QStringLiteral("ち"));
        yoon(QStringLiteral("cy"), QStringLiteral("ち"));
        yoon(QStringLiteral("dy"), QStringLiteral("ぢ"));
        yoon(QStringLiteral("ny"), QStringLiteral("に"));
        yoon(QStringLiteral("hy"), QStringLiteral("ひ"));
        yoon(QStringLiteral("by"), QStringLiteral("び"));
        yoon(QStringLiteral("py"), QStringLiteral("ぴ"));
        yoon(QStringLiteral("my"), QStringLiteral("み"));
        yoon(QStringLiteral("ry"), QStringLiteral("り"));
        m.insert(QStringLiteral("she"), QStringLiteral("しぇ"));
        m.insert(QStringLiteral("sye"), QStringLiteral("しぇ"));
        m.insert(QStringLiteral("je"), QStringLiteral("じぇ"));
        m.insert(QStringLiteral("zye"), QStringLiteral("じぇ"));
        m.insert(QStringLiteral("jye"), QStringLiteral("じぇ"));
        m.insert(QStringLiteral("che"), QStringLiteral("ちぇ"));
        m.insert(QStringLiteral("tye"), QStringLiteral("ちぇ"));
        m.insert(QStringLiteral("thi"), QStringLiteral("てぃ"));
        m.insert(QStringLiteral("dhi"), QStringLiteral("でぃ"));
        m.insert(QStringLiteral("-"), QStringLiteral("ー"));
        return m;
    }();
    return t;
}

bool isLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }
bool isVowel(QChar c) { return QStringLiteral("aiueo").contains(c); }

// Whether s is the start of some spelling (so more letters may still complete it).
bool isPrefix(const QString& s)
{
    static const QSet<QString> prefixes = [] {
        QSet<QString> p;
        for (auto it = table().cbegin(); it != table().cend(); ++it)
            for (int n = 1; n < it.key().size(); ++n)
                p.insert(it.key().left(n));
        return p;
    }();
    return prefixes.contains(s);
}

}  // namespace

namespace Hiragana {

QString fromRomaji(const QString& text, bool final)
{
    QString out;
    const QString lower = text.toLower();
    const int size = static_cast<int>(text.size());
    int i = 0;
    while (i < size) {
        const QChar c = lower[i];
        if (!isLetter(c) && c != QLatin1Char('-')) {
            out += text[i++];
            continue;
        }
        const QChar next = i + 1 < size ? lower[i + 1] : QChar();
        // "n" before a consonant other than y (or before a non-letter) is already "ん".
        if (c == QLatin1Char('n') && next != QLatin1Char('n') && !next.isNull() &&
            !isVowel(next) && next != QLatin1Char('y')) {
            out += QStringLiteral("ん");
            i += next == QLatin1Char('\'') ? 2 : 1;
            continue;
        }
        // A doubled consonant is a small "tsu" before the second one.
        if (c == next && !isVowel(c) && c != QLatin1Char('n') && c != QLatin1Char('-')) {
            out += QStringLiteral("っ");
            ++i;
            continue;
        }
        bool matched = false;
        for (int len = std::min(4, size - i); len >= 1; --len) {
            const auto it = table().constFind(lower.mid(i, len));
            if (it != table().cend()) {
                out += it.value();
                i += len;
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        const QString rest = lower.mid(i);
        if (isPrefix(rest) && rest.size() <= 3) {
            // Still being typed: leave it, or settle a trailing n.
            if (final && rest == QLatin1String("n"))
                out += QStringLiteral("ん");
            else
                out += text.mid(i);
            break;
        }
        out += text[i++];  // not romaji: keep the letter
    }
    return out;
}

}  // namespace Hiragana

HiraganaInput::HiraganaInput(QLineEdit* edit) : QObject(edit), edit_(edit)
{
    connect(edit, &QLineEdit::textEdited, this, &HiraganaInput::onEdited);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.startsWith(kept_))
            kept_.clear();  // the kept part was changed or cleared: nothing to protect
    });
    edit->installEventFilter(this);
}

HiraganaInput* HiraganaInput::attach(QLineEdit* edit)
{
    if (auto* existing = of(edit))
        return existing;
    return new HiraganaInput(edit);
}

HiraganaInput* HiraganaInput::of(QLineEdit* edit)
{
    return edit->findChild<HiraganaInput*>(QString(), Qt::FindDirectChildrenOnly);
}

void HiraganaInput::setActive(bool on)
{
    if (on == active_)
        return;
    if (!on)
        finish(edit_);  // a pending "n" was meant as "ん"
    active_ = on;
    if (on)
        kept_ = edit_->text().left(edit_->cursorPosition());
}

QString HiraganaInput::convertible(const QString& text, QString* kept) const
{
    *kept = text.startsWith(kept_) ? kept_ : QString();
    return text.mid(kept->size());
}

void HiraganaInput::finish(QLineEdit* edit)
{
    const HiraganaInput* input = of(edit);
    if (input && !input->active_)
        return;
    QString kept;
    const QString open = input ? input->convertible(edit->text(), &kept) : edit->text();
    const QString settled = kept + Hiragana::fromRomaji(open, true);
    if (settled != edit->text())
        edit->setText(settled);
}

void HiraganaInput::onEdited()
{
    if (committing_) {
        // An input method's text is taken as it comes, now and when more is typed after it.
        committing_ = false;
        kept_ = edit_->text().left(edit_->cursorPosition());
        return;
    }
    if (!active_)
        return;
    // Only the part before the cursor is being typed; the rest was converted already.
    const QString text = edit_->text();
    const int cursor = edit_->cursorPosition();
    const QString before = text.left(cursor);
    QString kept;
    const QString open = convertible(before, &kept);
    const QString converted = kept + Hiragana::fromRomaji(open);
    if (converted == before)
        return;
    edit_->setText(converted + text.mid(cursor));
    edit_->setCursorPosition(static_cast<int>(converted.size()));
}

bool HiraganaInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_) {
        if (event->type() == QEvent::FocusOut)
            finish(edit_);
        else if (event->type() == QEvent::KeyPress)
            committing_ = false;
        else if (event->type() == QEvent::InputMethod)
            committing_ = !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
    }
    return QObject::eventFilter(watched, event);
}
