// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"

#include "AnimationKit.h"

using namespace AnimationKit;

// ---------------------------------------------------------------- writing practice

// 木, stroke by stroke, in a 36-pixel square; a pencil follows the line being drawn.
std::vector<QImage> Animations::writing(int count)
{
    const QSize size = AssetList::PracticeAnimationSize;
    const QRectF paper(14, 2, 36, 36);
    const QList<QPolygonF> strokes = {
        QPolygonF{{6, 13}, {30, 13}},
        QPolygonF{{18, 4}, {18, 33}},
        QPolygonF{{17, 14}, {13, 21}, {5, 28}},
        QPolygonF{{19, 14}, {24, 21}, {32, 28}},
    };
    // Each stroke takes six frames; the whole kanji rests for the frames left.
    const int perStroke = 6;
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Navy);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(paper, Qt::white);
        p.setPen(QPen(QColor(230, 150, 150), 1, Qt::DashLine));
        p.drawLine(QPointF(paper.center().x(), paper.top()), QPointF(paper.center().x(), paper.bottom()));
        p.drawLine(QPointF(paper.left(), paper.center().y()), QPointF(paper.right(), paper.center().y()));
        QPointF tip = paper.topLeft() + strokes[0].front();
        for (int s = 0; s < strokes.size(); ++s) {
            const double u = phase(f, s * perStroke, s * perStroke + perStroke - 1);
            if (u <= 0)
                break;
            const QPolygonF& line = strokes[s];
            // The part drawn so far: along the segments by length.
            double total = 0;
            for (int i = 1; i < line.size(); ++i)
                total += QLineF(line[i - 1], line[i]).length();
            double left = total * ease(u);
            QPolygonF drawn{paper.topLeft() + line.front()};
            for (int i = 1; i < line.size() && left > 0; ++i) {
                const QLineF seg(line[i - 1], line[i]);
                const double take = std::min(left, seg.length());
                drawn << paper.topLeft() + seg.pointAt(take / seg.length());
                left -= take;
            }
            p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(drawn);
            tip = drawn.back();
        }
        // The pencil: a yellow body leaning to the right, its point on the line.
        p.save();
        p.translate(tip);
        p.rotate(-35);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 205, 60));
        p.drawRect(QRectF(-2.5, -22, 5, 16));
        p.setBrush(QColor(240, 200, 150));
        p.drawPolygon(QPolygonF{{-2.5, -6}, {2.5, -6}, {0, 0}});
        p.setBrush(QColor(240, 120, 140));
        p.drawRect(QRectF(-2.5, -25, 5, 3));
        p.restore();
        out.push_back(img);
    }
    return out;
}
