// SPDX-License-Identifier: GPL-3.0-or-later
// Background music and sound effects of a window: the music flag, looping with a new track
// chosen at every completion, and effects that rewind and play.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class MediaPlayer;
class QWidget;

// Which variant 1..4 of game g's music the measure m calls for.
int MusicVariant(int game, int measure);
// "Game<g><k>.mid"
QString GameMusicFile(int game, int variant);

class WindowMusic : public QObject {
    Q_OBJECT
public:
    // errorName is what the media error report names, e.g. "Mogu.mid"; empty: the file's name.
    WindowMusic(QWidget* window, const QString& errorName = {});
    ~WindowMusic() override;

    // Starts file f (a name in the program directory) when Midi_Count is not 0.
    void start(const QString& fileName);
    // For windows that open their music when they are created and play it at the start: opens
    // f when Midi_Count is not 0 (false after the error report), and plays it from its beginning
    // (a file that could not be opened fails again there, with its own report).
    bool open(const QString& fileName);
    void play();
    void stop();
    bool isOn() const { return on_; }
    QString currentFile() const { return file_; }
    MediaPlayer* player() const { return player_; }

    // Called at each completion to choose the next file; empty keeps the same file.
    std::function<QString()> nextFile;
    // An error at a track change names the new track's file instead of errorName.
    bool namesTrackAtChange = false;

    void onCompletion();  // the player's end-of-play report

private:
    bool playFile(const QString& fileName, const QString& errorName);
    bool startPlaying(const QString& errorName);
    QWidget* window_;
    QString errorName_;
    MediaPlayer* player_;
    QString file_;
    bool on_ = false;
};

// An effect: opened once, rewound and played on each use. A missing file or device error shows
// the media error report once when opening and the effect stays silent. A window opening several
// effects passes openNow = false after the first failure, so the child sees one message, not one
// per file.
class SoundEffect : public QObject {
    Q_OBJECT
public:
    SoundEffect(QWidget* window, const QString& fileName, const QString& errorName = {},
                bool openNow = true);
    bool isOpen() const;
    bool play();  // false on a device error (the caller decides whether to report it)
    // Opens an effect made with openNow = false, reporting a failure; false when it failed.
    bool open(QWidget* window);
    // Closes the player and opens it on another file, reporting a failure as when created; the
    // effect stays the same object, so a window never holds a pointer to a freed player.
    void reopen(QWidget* window, const QString& fileName);
    MediaPlayer* player() const { return player_; }

private:
    MediaPlayer* player_;
    QString name_;  // as the error report names it
};
