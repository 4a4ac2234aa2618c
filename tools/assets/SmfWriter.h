// SPDX-License-Identifier: GPL-3.0-or-later
// A small Standard MIDI File writer: format 1, one track per channel plus a tempo track.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class SmfWriter {
public:
    static constexpr int Division = 480;  // ticks per quarter note

    SmfWriter();

    void setTempo(qint64 tick, double quartersPerMinute);
    void setTimeSignature(int numerator, int denominator);
    void setTitle(const QString& title);

    void program(int channel, int program);
    void control(int channel, int controller, int value, qint64 tick = 0);
    // A note from tick for length ticks. Notes are cut at the end of the song.
    void note(int channel, qint64 tick, qint64 length, int pitch, int velocity);

    // The song ends exactly here (a whole number of bars, so a restart joins on the beat).
    void setEnd(qint64 tick) { end_ = tick; }
    qint64 end() const { return end_; }

    QByteArray bytes() const;
    bool save(const QString& path) const;

private:
    struct Event {
        qint64 tick;
        int order;  // at one tick: meta first, then note-offs, then controls, then note-ons
        QByteArray data;
    };
    std::vector<Event> tracks_[17];  // 0: tempo track, 1..16: channels 0..15
    qint64 end_ = 0;
};
