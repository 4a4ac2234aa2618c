// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/handwriting/StrokeTracing.h"

#include "tools/handwriting/GlyphSkeleton.h"

#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int Dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int Dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

struct Graph {
    const Skeleton& s;
    std::vector<int> kind; // 0 off, 1 end, 2 path, 3 junction
    explicit Graph(const Skeleton& sk) : s(sk), kind(sk.on.size(), 0) {
        for (int y = 0; y < s.side; ++y)
            for (int x = 0; x < s.side; ++x) {
                if (!s.at(x, y))
                    continue;
                int count = 0;
                int rises = 0;
                for (int i = 0; i < 8; ++i) {
                    const bool a = s.at(x + Dx[i], y + Dy[i]);
                    const bool b = s.at(x + Dx[(i + 1) % 8], y + Dy[(i + 1) % 8]);
                    count += a;
                    rises += !a && b;
                }
                kind[idx(x, y)] = count <= 1 ? 1 : rises >= 3 ? 3 : 2;
            }
    }
    size_t idx(int x, int y) const { return size_t(y * s.side + x); }
};

struct Edge {
    Stroke points;
    int startNode = -1; // junction cluster at each end, -1 for a free end
    int endNode = -1;
};

QPointF At(int x, int y) {
    return QPointF(x, y);
}

std::vector<Edge> TraceEdges(const Skeleton& s, std::vector<int>* clusterOf) {
    Graph g(s);
    const int n = s.side;
    // Junction pixels that touch form one crossing.
    clusterOf->assign(s.on.size(), -1);
    int clusters = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (g.kind[g.idx(x, y)] != 3 || (*clusterOf)[g.idx(x, y)] >= 0)
                continue;
            std::vector<std::pair<int, int>> todo{{x, y}};
            (*clusterOf)[g.idx(x, y)] = clusters;
            while (!todo.empty()) {
                const auto [cx, cy] = todo.back();
                todo.pop_back();
                for (int i = 0; i < 8; ++i) {
                    const int nx = cx + Dx[i], ny = cy + Dy[i];
                    if (s.at(nx, ny) && g.kind[g.idx(nx, ny)] == 3 &&
                        (*clusterOf)[g.idx(nx, ny)] < 0) {
                        (*clusterOf)[g.idx(nx, ny)] = clusters;
                        todo.push_back({nx, ny});
                    }
                }
            }
            ++clusters;
        }
    std::vector<unsigned char> used(s.on.size(), 0);
    std::vector<Edge> edges;
    auto walk = [&](int x0, int y0, int x1, int y1) {
        Edge e;
        e.points << At(x0, y0) << At(x1, y1);
        e.startNode = (*clusterOf)[g.idx(x0, y0)];
        int px = x0, py = y0, cx = x1, cy = y1;
        used[g.idx(cx, cy)] = 1;
        while (g.kind[g.idx(cx, cy)] == 2) {
            int best = -1;
            for (int pass = 0; pass < 2 && best < 0; ++pass)
                for (int i = pass; i < 8; i += 2) { // straight neighbours before diagonal ones
                    const int nx = cx + Dx[i], ny = cy + Dy[i];
                    if (!s.at(nx, ny) || (nx == px && ny == py))
                        continue;
                    const int k = g.kind[g.idx(nx, ny)];
                    if ((k == 2 && !used[g.idx(nx, ny)]) ||
                        (k != 2 && !(nx == x0 && ny == y0 && e.points.size() < 4))) {
                        best = i;
                        break;
                    }
                }
            if (best < 0)
                break;
            px = cx;
            py = cy;
            cx += Dx[best];
            cy += Dy[best];
            e.points << At(cx, cy);
            if (g.kind[g.idx(cx, cy)] == 2)
                used[g.idx(cx, cy)] = 1;
        }
        e.endNode = (*clusterOf)[g.idx(cx, cy)];
        if (g.kind[g.idx(cx, cy)] == 1)
            used[g.idx(cx, cy)] = 1;
        edges.push_back(e);
    };
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int k = g.kind[g.idx(x, y)];
            if (k == 0 || k == 2 || (k == 1 && used[g.idx(x, y)]))
                continue;
            if (k == 1)
                used[g.idx(x, y)] = 1;
            for (int i = 0; i < 8; ++i) {
                const int nx = x + Dx[i], ny = y + Dy[i];
                if (!s.at(nx, ny))
                    continue;
                const int nk = g.kind[g.idx(nx, ny)];
                if (nk == 2 && !used[g.idx(nx, ny)])
                    walk(x, y, nx, ny);
                else if (nk == 1 && !used[g.idx(nx, ny)]) {
                    used[g.idx(nx, ny)] = 1;
                    Edge e;
                    e.points << At(x, y) << At(nx, ny);
                    e.startNode = (*clusterOf)[g.idx(x, y)];
                    edges.push_back(e);
                }
            }
            if (k == 1 && edges.empty()) {
                Edge e;
                e.points << At(x, y);
                edges.push_back(e);
            }
        }
    // Closed loops without a crossing: start anywhere.
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (g.kind[g.idx(x, y)] == 2 && !used[g.idx(x, y)]) {
                for (int i = 0; i < 8; ++i) {
                    const int nx = x + Dx[i], ny = y + Dy[i];
                    if (s.at(nx, ny) && !used[g.idx(nx, ny)]) {
                        used[g.idx(x, y)] = 1;
                        walk(x, y, nx, ny);
                        edges.back().points << At(x, y);
                        break;
                    }
                }
            }
    return edges;
}

double Length(const Stroke& s) {
    double l = 0;
    for (int i = 1; i < s.size(); ++i)
        l += QLineF(s[i - 1], s[i]).length();
    return l;
}

// Direction leaving the edge's given end, over its first few pixels.
QPointF Leaving(const Edge& e, bool atStart) {
    const int n = int(e.points.size());
    const int k = std::min(n - 1, 6);
    const QPointF a = atStart ? e.points[0] : e.points[n - 1];
    const QPointF b = atStart ? e.points[k] : e.points[n - 1 - k];
    const QPointF d = b - a;
    const double l = std::hypot(d.x(), d.y());
    return l > 0 ? d / l : QPointF();
}

void JoinStraightThrough(std::vector<Edge>& edges) {
    bool joined = true;
    while (joined) {
        joined = false;
        double bestDot = -0.8; // at least about 145 degrees between the two branches
        int bi = -1, bj = -1;
        bool biStart = false, bjStart = false;
        for (int i = 0; i < int(edges.size()); ++i)
            for (int j = i + 1; j < int(edges.size()); ++j)
                for (int ei = 0; ei < 2; ++ei)
                    for (int ej = 0; ej < 2; ++ej) {
                        const int ni = ei ? edges[size_t(i)].startNode : edges[size_t(i)].endNode;
                        const int nj = ej ? edges[size_t(j)].startNode : edges[size_t(j)].endNode;
                        if (ni < 0 || ni != nj)
                            continue;
                        const QPointF a = Leaving(edges[size_t(i)], ei);
                        const QPointF b = Leaving(edges[size_t(j)], ej);
                        const double dot = a.x() * b.x() + a.y() * b.y();
                        if (dot < bestDot) {
                            bestDot = dot;
                            bi = i;
                            bj = j;
                            biStart = ei;
                            bjStart = ej;
                        }
                    }
        if (bi < 0)
            break;
        Edge a = edges[size_t(bi)];
        Edge b = edges[size_t(bj)];
        if (biStart) { // make a end at the crossing
            std::reverse(a.points.begin(), a.points.end());
            std::swap(a.startNode, a.endNode);
        }
        if (!bjStart) { // make b start there
            std::reverse(b.points.begin(), b.points.end());
            std::swap(b.startNode, b.endNode);
        }
        Edge m;
        m.points = a.points + b.points.mid(1);
        m.startNode = a.startNode;
        m.endNode = b.endNode;
        edges.erase(edges.begin() + bj);
        edges.erase(edges.begin() + bi);
        edges.push_back(m);
        joined = true;
    }
}

Stroke Resampled(const Stroke& s, double step) {
    if (s.size() < 2)
        return s;
    Stroke out{s.front()};
    double carry = 0;
    for (int i = 1; i < s.size(); ++i) {
        const QLineF seg(s[i - 1], s[i]);
        double l = seg.length();
        double t = step - carry;
        while (t <= l) {
            out << seg.pointAt(t / l);
            t += step;
        }
        carry = l - (t - step);
    }
    if (QLineF(out.back(), s.back()).length() > step * 0.3)
        out << s.back();
    return out;
}

} // namespace

Ink TraceGlyph(const QString& character, const QString& family) {
    Skeleton s;
    if (!GlyphSkeleton(character, family, &s))
        return {};
    std::vector<int> clusterOf;
    std::vector<Edge> edges = TraceEdges(s, &clusterOf);
    // Short spurs off a crossing are thinning leftovers, not strokes.
    std::erase_if(edges, [](const Edge& e) {
        return (e.startNode < 0) != (e.endNode < 0) && Length(e.points) < 5;
    });
    JoinStraightThrough(edges);
    Ink ink;
    for (Edge& e : edges) {
        Stroke& p = e.points;
        const QPointF d = p.back() - p.front();
        if (std::abs(d.x()) >= std::abs(d.y()) ? d.x() < 0 : d.y() < 0)
            std::reverse(p.begin(), p.end());
        ink << p;
    }
    // Top first, left before right within a band of a tenth of the glyph.
    std::sort(ink.begin(), ink.end(), [](const Stroke& a, const Stroke& b) {
        const int ba = int(a.front().y()) / 13, bb = int(b.front().y()) / 13;
        return ba != bb ? ba < bb : a.front().x() < b.front().x();
    });
    return ink;
}

Ink Handwritten(const Ink& traced, std::mt19937& rng) {
    auto uni = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(rng);
    };
    const double size = uni(0.35, 0.9) * InkBox;
    const double k = size / GlyphSide;
    const double aspect = uni(0.9, 1.1);
    const double angle = uni(-5, 5);
    const double shear = uni(-0.08, 0.08);
    QTransform shape;
    shape.rotate(angle);
    shape.shear(shear, 0);
    shape.scale(k * aspect, k / aspect);
    shape.translate(-GlyphSide / 2.0, -GlyphSide / 2.0);
    const double room = (InkBox - size * 1.15) / 2;
    const QPointF centre(InkBox / 2 + uni(-room, room), InkBox / 2 + uni(-room, room));
    Ink out;
    for (const Stroke& s : traced) {
        const QPointF offset(uni(-1.5, 1.5), uni(-1.5, 1.5)); // glyph pixels
        const double phase = uni(0, 2 * std::numbers::pi);
        const double wobble = uni(0.3, 1.0);
        const Stroke r = Resampled(s, 2.0);
        Stroke w;
        for (int i = 0; i < r.size(); ++i) {
            const double t = double(i) / std::max<qsizetype>(1, r.size() - 1);
            const QPointF bend(wobble * std::sin(phase + 3 * t), wobble * std::cos(phase + 2 * t));
            const QPointF noise(uni(-0.3, 0.3), uni(-0.3, 0.3));
            const QPointF p = shape.map(r[i] + offset + bend + noise) + centre;
            w << QPointF(std::clamp(std::round(p.x()), 0.0, InkBox - 1),
                         std::clamp(std::round(p.y()), 0.0, InkBox - 1));
        }
        out << w;
    }
    return out;
}

Ink ShuffledStrokes(const Ink& ink, std::mt19937& rng) {
    Ink out = ink;
    std::shuffle(out.begin(), out.end(), rng);
    return out;
}

Ink ReversedStrokes(const Ink& ink) {
    Ink out = ink;
    for (Stroke& s : out)
        std::reverse(s.begin(), s.end());
    return out;
}
