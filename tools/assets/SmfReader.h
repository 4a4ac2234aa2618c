// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a Standard MIDI File far enough to check it and to know how long it plays: the tempo map,
// the last event and the number of notes. Header-only so the tests and the review sheet share it.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <map>
#include <optional>

struct SmfInfo {
    int format = 0;
    int tracks = 0;
    int division = 0;       // ticks per quarter note
    qint64 lengthTicks = 0;  // the latest end-of-track
    double seconds = 0;     // length with the tempo map applied
    int notes = 0;          // note-ons with a velocity
    int beatsPerBar = 4;    // from the first time signature (in quarter notes, times 2 for x/8)
    int beatUnit = 4;
    int barNumerator = 4;
    qint64 firstNoteTick = -1;  // the first note-on
    qint64 lastNoteTick = -1;   // the last note-on
    quint32 firstTempo = 500000;  // microseconds per quarter note
    int programs[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // first per channel
};

namespace SmfReader {

inline std::optional<SmfInfo> read(const QByteArray& bytes)
{
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qint64 n = bytes.size();
    auto u16 = [&](qint64 at) { return (d[at] << 8) | d[at + 1]; };
    auto u32 = [&](qint64 at) {
        return (quint32(d[at]) << 24) | (quint32(d[at + 1]) << 16) | (quint32(d[at + 2]) << 8) | quint32(d[at + 3]);
    };
    if (n < 14 || bytes.left(4) != "MThd" || u32(4) != 6)
        return std::nullopt;
    SmfInfo info;
    info.format = u16(8);
    info.tracks = u16(10);
    info.division = u16(12);
    if (info.format > 1 || info.tracks < 1 || info.tracks > 64 || info.division <= 0 || (info.division & 0x8000))
        return std::nullopt;

    std::map<qint64, quint32> tempo;  // tick -> microseconds per quarter
    bool haveTimeSig = false;
    qint64 pos = 14;
    for (int t = 0; t < info.tracks; ++t) {
        if (n - pos < 8 || bytes.mid(int(pos), 4) != "MTrk")
            return std::nullopt;
        const quint32 len = u32(pos + 4);
        pos += 8;
        if (len > quint32(n - pos))
            return std::nullopt;
        const qint64 end = pos + len;
        qint64 tick = 0;
        int status = 0;
        bool ended = false;
        auto varLen = [&](qint64& at, quint32& out) {
            out = 0;
            for (int i = 0; i < 4; ++i) {
                if (at >= end)
                    return false;
                const unsigned char b = d[at++];
                out = (out << 7) | (b & 0x7F);
                if (!(b & 0x80))
                    return true;
            }
            return false;
        };
        while (pos < end && !ended) {
            quint32 delta;
            if (!varLen(pos, delta))
                return std::nullopt;
            tick += delta;
            if (pos >= end)
                return std::nullopt;
            int b = d[pos];
            if (b & 0x80) {
                status = b;
                ++pos;
            } else if (status == 0 || status >= 0xF0) {
                return std::nullopt;  // running status without a status
            }
            if (status == 0xFF) {
                if (pos >= end)
                    return std::nullopt;
                const int type = d[pos++];
                quint32 mlen;
                if (!varLen(pos, mlen) || mlen > quint32(end - pos))
                    return std::nullopt;
                if (type == 0x51 && mlen == 3)
                    tempo[tick] = (quint32(d[pos]) << 16) | (quint32(d[pos + 1]) << 8) | d[pos + 2];
                if (type == 0x58 && mlen >= 2 && !haveTimeSig) {
                    haveTimeSig = true;
                    info.barNumerator = d[pos];
                    info.beatUnit = 1 << std::min(int(d[pos + 1]), 6);
                }
                if (type == 0x2F)
                    ended = true;
                pos += mlen;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                quint32 slen;
                if (!varLen(pos, slen) || slen > quint32(end - pos))
                    return std::nullopt;
                pos += slen;
                status = 0;
            } else {
                const int kind = status & 0xF0;
                const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (end - pos < dataBytes)
                    return std::nullopt;
                for (int i = 0; i < dataBytes; ++i)
                    if (d[pos + i] & 0x80)
                        return std::nullopt;
                if (kind == 0x90 && d[pos + 1] > 0) {
                    ++info.notes;
                    if (info.firstNoteTick < 0 || tick < info.firstNoteTick)
                        info.firstNoteTick = tick;
                    info.lastNoteTick = std::max(info.lastNoteTick, tick);
                }
                if (kind == 0xC0 && info.programs[status & 0x0F] < 0)
                    info.programs[status & 0x0F] = d[pos];
                pos += dataBytes;
            }
        }
        if (!ended)
            return std::nullopt;
        info.lengthTicks = std::max(info.lengthTicks, tick);
        pos = end;
    }

    // Seconds: walk the tempo map (120 beats a minute until the first tempo event).
    double seconds = 0;
    qint64 at = 0;
    quint32 usPerQuarter = 500000;
    for (const auto& [tick, us] : tempo) {
        if (tick >= info.lengthTicks)
            break;
        seconds += double(tick - at) * usPerQuarter / 1e6 / info.division;
        at = tick;
        usPerQuarter = us;
    }
    seconds += double(info.lengthTicks - at) * usPerQuarter / 1e6 / info.division;
    info.seconds = seconds;
    info.beatsPerBar = info.barNumerator;
    if (!tempo.empty())
        info.firstTempo = tempo.begin()->second;
    return info;
}

// Ticks in one bar of the file's first time signature.
inline qint64 barTicks(const SmfInfo& info)
{
    return qint64(info.division) * 4 * info.barNumerator / std::max(1, info.beatUnit);
}

}  // namespace SmfReader
