// A media player for one MIDI or WAV file, on SDL2_mixer (MIDI through FluidSynth and the system
// General MIDI soundfont). Like the players the windows use: file name, open, close, play, stop,
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
    // Whether a MIDI track holds its synthesizer (loaded when it plays, released when it ends,
    // stops or is cut off by another player's track).
    bool trackLoaded() const { return music_ != nullptr; }

    // Ask for one report of the end of play (cleared when it fires, or by setNotify(false)).
    void setNotify(bool on) { notify_ = on; }
    bool notifyRequested() const { return notify_; }

    int id() const { return id_; }
    void deliverEnd();  // back end only: the track ended

signals:
    void notify();  // the end of play, when asked for

private:
    bool isMidi() const;
    void freeMusic();
    QString path_;
    bool open_ = false;
    bool notify_ = false;
    int id_ = 0;
    void* music_ = nullptr;  // Mix_Music*
    void* chunk_ = nullptr;  // Mix_Chunk*
    int channel_ = -1;
};

// Number of usable MIDI outputs: 1 when music can really play (audio device, MIDI decoder and
// soundfont all present), else 0.
int MidiDeviceCount();

namespace MediaPlayers {
void setRecording(bool on);
bool recording();
QStringList& log();           // "open Menu1.mid", "play Menu1.mid", ... (file names only)
void finish(MediaPlayer* p);  // recording: end the track of p as if it had played out
void setMidiAvailableForTests(bool on);  // recording: what MidiDeviceCount() reports
// Synthesizer settings made so far that load the soundfont's samples as instruments are used.
int onDemandSynthesizers();
}  // namespace MediaPlayers
