// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmfWriter.h"

#include <QSaveFile>
#include <algorithm>

namespace {

void putVarLen(QByteArray& out, quint32 v)
{
    char buf[5];
    int n = 0;
    buf[n++] = char(v & 0x7F);
    while ((v >>= 7) != 0)
        buf[n++] = char(0x80 | (v & 0x7F));
    while (n > 0)
        out.append(buf[--n]);
}

void putBE32(QByteArray& out, quint32 v)
{
    out.append(char(v >> 24));
    out.append(char(v >> 16));
    out.append(char(v >> 8));
    out.append(char(v));
}

}  // namespace

SmfWriter::SmfWriter() = default;

void SmfWriter::setTempo(qint64 tick, double quartersPerMinute)
{
    const quint32 us = quint32(60000000.0 / quartersPerMinute + 0.5);
    QByteArray d;
    d.append(char(0xFF)).append(char(0x51)).append(char(3));
    d.append(char(us >> 16)).append(char(us >> 8)).append(char(us));
    tracks_[0].push_back({tick, 0, d});
}

void SmfWriter::setTimeSignature(int numerator, int denominator)
{
    int power = 0;
    while ((1 << power) < denominator)
        ++power;
    QByteArray d;
    d.append(char(0xFF)).append(char(0x58)).append(char(4));
    d.append(char(numerator)).append(char(power)).append(char(24)).append(char(8));
    tracks_[0].push_back({0, 0, d});
}

void SmfWriter::setTitle(const QString& title)
{
    const QByteArray text = title.toUtf8();
    QByteArray d;
    d.append(char(0xFF)).append(char(0x03));
    putVarLen(d, quint32(text.size()));
    d.append(text);
    tracks_[0].push_back({0, 0, d});
}

void SmfWriter::program(int channel, int program)
{
    QByteArray d;
    d.append(char(0xC0 | channel)).append(char(program & 0x7F));
    tracks_[channel + 1].push_back({0, 2, d});
}

void SmfWriter::control(int channel, int controller, int value, qint64 tick)
{
    QByteArray d;
    d.append(char(0xB0 | channel)).append(char(controller & 0x7F)).append(char(value & 0x7F));
    tracks_[channel + 1].push_back({tick, 2, d});
}

void SmfWriter::note(int channel, qint64 tick, qint64 length, int pitch, int velocity)
{
    if (pitch < 0 || pitch > 127 || length <= 0 || tick < 0)
        return;
    velocity = std::clamp(velocity, 1, 127);
    QByteArray on;
    on.append(char(0x90 | channel)).append(char(pitch)).append(char(velocity));
    QByteArray off;
    off.append(char(0x80 | channel)).append(char(pitch)).append(char(64));
    tracks_[channel + 1].push_back({tick, 3, on});
    tracks_[channel + 1].push_back({tick + length, 1, off});
}

QByteArray SmfWriter::bytes() const
{
    std::vector<QByteArray> chunks;
    for (int t = 0; t < 17; ++t) {
        if (t > 0 && tracks_[t].empty())
            continue;
        std::vector<Event> events = tracks_[t];
        // Nothing sounds past the end: notes still on are released there.
        std::vector<Event> kept;
        for (Event e : events) {
            if (e.tick > end_) {
                if (e.order != 1)
                    continue;
                e.tick = end_;
            }
            if (e.tick == end_ && e.order == 3)
                continue;
            kept.push_back(e);
        }
        // Drop note-offs whose note-on was dropped at the end.
        std::stable_sort(kept.begin(), kept.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        QByteArray body;
        qint64 at = 0;
        int sounding[128] = {};
        for (const Event& e : kept) {
            if (e.order == 3)
                ++sounding[uchar(e.data[1])];
            if (e.order == 1) {
                if (sounding[uchar(e.data[1])] == 0)
                    continue;
                --sounding[uchar(e.data[1])];
            }
            putVarLen(body, quint32(e.tick - at));
            at = e.tick;
            body.append(e.data);
        }
        putVarLen(body, quint32(std::max<qint64>(0, end_ - at)));
        body.append(char(0xFF)).append(char(0x2F)).append(char(0));
        QByteArray chunk("MTrk");
        putBE32(chunk, quint32(body.size()));
        chunk.append(body);
        chunks.push_back(chunk);
    }
    QByteArray out("MThd");
    putBE32(out, 6);
    out.append(char(0)).append(char(1));
    out.append(char(chunks.size() >> 8)).append(char(chunks.size() & 0xFF));
    out.append(char(Division >> 8)).append(char(Division & 0xFF));
    for (const QByteArray& c : chunks)
        out.append(c);
    return out;
}

bool SmfWriter::save(const QString& path) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes());
    return f.commit();
}
