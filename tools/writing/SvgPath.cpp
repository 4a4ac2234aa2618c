// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/writing/SvgPath.h"

#include "writing/strokes/StrokeSampling.h"

#include <cmath>

namespace {

constexpr int CurvePieces = 32;

class Tokens {
public:
    explicit Tokens(const QString& d) : d_(d) {}

    void skipSeparators() {
        while (i_ < d_.size() && (d_[i_].isSpace() || d_[i_] == QLatin1Char(',')))
            ++i_;
    }
    bool atEnd() {
        skipSeparators();
        return i_ >= d_.size();
    }
    bool atCommand() {
        skipSeparators();
        return i_ < d_.size() && d_[i_].isLetter() && d_[i_] != QLatin1Char('e') &&
               d_[i_] != QLatin1Char('E');
    }
    QChar command() { return d_[i_++]; }
    // A number as SVG writes them: "-0.22", ".5", "1e-3"; a sign or a second point starts the
    // next number ("0.82-0.22", "1.5.5").
    bool number(double* out) {
        skipSeparators();
        const qsizetype start = i_;
        if (i_ < d_.size() && (d_[i_] == QLatin1Char('-') || d_[i_] == QLatin1Char('+')))
            ++i_;
        bool digits = false, point = false;
        while (i_ < d_.size()) {
            const QChar c = d_[i_];
            if (c.isDigit()) {
                digits = true;
            } else if (c == QLatin1Char('.') && !point) {
                point = true;
            } else {
                break;
            }
            ++i_;
        }
        if (digits && i_ < d_.size() && (d_[i_] == QLatin1Char('e') || d_[i_] == QLatin1Char('E'))) {
            ++i_;
            if (i_ < d_.size() && (d_[i_] == QLatin1Char('-') || d_[i_] == QLatin1Char('+')))
                ++i_;
            while (i_ < d_.size() && d_[i_].isDigit())
                ++i_;
        }
        if (!digits) {
            i_ = start;
            return false;
        }
        bool ok = false;
        *out = d_.mid(start, i_ - start).toDouble(&ok);
        return ok && std::isfinite(*out);
    }
    qsizetype position() const { return i_; }

private:
    const QString& d_;
    qsizetype i_ = 0;
};

QPointF cubic(const QPointF& p0, const QPointF& c1, const QPointF& c2, const QPointF& p1, double t) {
    const double u = 1 - t;
    return p0 * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + p1 * (t * t * t);
}

} // namespace

StrokePath SvgPathPoints(const QString& d, double spacing, QString* error) {
    Tokens in(d);
    StrokePath line;
    QPointF at, start, lastControl;
    QChar previous;
    QChar cmd;
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1 at character %2").arg(why).arg(in.position());
        return StrokePath{};
    };
    while (!in.atEnd()) {
        if (in.atCommand())
            cmd = in.command();
        else if (cmd.isNull())
            return fail(QStringLiteral("path data does not start with a command"));
        // After a move, further pairs are lines.
        else if (cmd == QLatin1Char('M'))
            cmd = QLatin1Char('L');
        else if (cmd == QLatin1Char('m'))
            cmd = QLatin1Char('l');
        const bool relative = cmd.isLower();
        const QPointF base = relative ? at : QPointF();
        const QChar upper = cmd.toUpper();
        double v[6];
        auto numbers = [&](int n) {
            for (int k = 0; k < n; ++k)
                if (!in.number(&v[k]))
                    return false;
            return true;
        };
        if (upper == QLatin1Char('Z')) {
            at = start;
            line << at;
        } else if (upper == QLatin1Char('M')) {
            if (!numbers(2))
                return fail(QStringLiteral("a move needs two numbers"));
            if (!line.isEmpty())
                return fail(QStringLiteral("a stroke has one line only"));
            at = start = base + QPointF(v[0], v[1]);
            line << at;
        } else if (line.isEmpty()) {
            return fail(QStringLiteral("drawing before a move"));
        } else if (upper == QLatin1Char('L')) {
            if (!numbers(2))
                return fail(QStringLiteral("a line needs two numbers"));
            at = base + QPointF(v[0], v[1]);
            line << at;
        } else if (upper == QLatin1Char('H') || upper == QLatin1Char('V')) {
            if (!numbers(1))
                return fail(QStringLiteral("a line needs a number"));
            if (upper == QLatin1Char('H'))
                at = QPointF(relative ? at.x() + v[0] : v[0], at.y());
            else
                at = QPointF(at.x(), relative ? at.y() + v[0] : v[0]);
            line << at;
        } else if (upper == QLatin1Char('C') || upper == QLatin1Char('S')) {
            QPointF c1, c2, end;
            if (upper == QLatin1Char('C')) {
                if (!numbers(6))
                    return fail(QStringLiteral("a curve needs six numbers"));
                c1 = base + QPointF(v[0], v[1]);
                c2 = base + QPointF(v[2], v[3]);
                end = base + QPointF(v[4], v[5]);
            } else {
                if (!numbers(4))
                    return fail(QStringLiteral("a smooth curve needs four numbers"));
                // The first control point mirrors the last curve's second one.
                const bool afterCurve = previous.toUpper() == QLatin1Char('C') ||
                                        previous.toUpper() == QLatin1Char('S');
                c1 = afterCurve ? at * 2 - lastControl : at;
                c2 = base + QPointF(v[0], v[1]);
                end = base + QPointF(v[2], v[3]);
            }
            for (int k = 1; k <= CurvePieces; ++k)
                line << cubic(at, c1, c2, end, double(k) / CurvePieces);
            lastControl = c2;
            at = end;
        } else {
            return fail(QStringLiteral("command %1 is not understood").arg(cmd));
        }
        previous = cmd;
    }
    if (line.isEmpty())
        return fail(QStringLiteral("empty path"));
    const int points = std::max(2, int(std::ceil(PathLength(line) / spacing)) + 1);
    return Resampled(line, points);
}
