// SPDX-License-Identifier: GPL-3.0-or-later
// A media player for one MIDI or WAV file, on SDL2_mixer (MIDI through the run's one FluidSynth
// synthesizer and the system General MIDI soundfont, as the mixer's music stream). Like the players the windows use: file name, open, close, play, stop,
// rewind, and a one-shot report of the end of play that arrives on the UI thread.
//
// Tests switch the back end to recording: nothing is played, every call is logged, a missing file
// still fails to open, and the test ends a track with MediaPlayers::finish().
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setFileName(const QString& path);
    QString fileName() const { return path_; }

    // Each returns false on a device or file error (the caller shows its media error report).
    bool open();
    void close();
    bool play();
    bool stop();
    bool rewind();
    bool isOpen() const { return open_; }
    bool isPlaying() const;
    // Whether this player's MIDI track is the one on the synthesizer (from play until it ends,
    // stops or is cut off by another player's track).
    bool trackLoaded() const;

    // Ask for one report of the end of play (cleared when it fires, or by setNotify(false)).
    void setNotify(bool on) { notify_ = on; }
    bool notifyRequested() const { return notify_; }

    int id() const { return id_; }
    void deliverEnd();  // back end only: the track ended

signals:
    void notify();  // the end of play, when asked for

private:
    bool isMidi() const;
    QString path_;
    QByteArray midi_;  // a MIDI track's file, read and checked when it opens
    bool open_ = false;
    bool notify_ = false;
    int id_ = 0;
    void* chunk_ = nullptr;  // Mix_Chunk*
    int channel_ = -1;
};

// Number of usable MIDI outputs: 1 when music can really play (audio device, synthesizer and
// soundfont all present), else 0.
int MidiDeviceCount();

namespace MediaPlayers {
void setRecording(bool on);
bool recording();
QStringList& log();           // "open Menu1.mid", "play Menu1.mid", ... (file names only)
void finish(MediaPlayer* p);  // recording: end the track of p as if it had played out
void setMidiAvailableForTests(bool on);  // recording: what MidiDeviceCount() reports
// Synthesizers made and soundfonts loaded in this run (one of each once music has played).
int synthesizersMade();
int soundFontsLoaded();
}  // namespace MediaPlayers
