// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's music: four players on "Menu1.mid" to "Menu4.mid", played in turn while the menu
// shows. A device error names the track it befell; the menu stays usable without music.
#pragma once

#include <QObject>
#include <array>

class MediaPlayer;
class QWidget;

class MenuMusic : public QObject {
    Q_OBJECT
  public:
    explicit MenuMusic(QWidget* window);

    // Points the players at the four files of the program directory.
    void setFiles();
    // The menu shows: reads Midi_Count anew and starts with track 1.
    void start();
    // The same once the window's first frame is on the screen: loading a track's synthesizer
    // takes longer than drawing the whole menu, and the child should see the menu first.
    void startAfterFirstFrame();
    // The menu hides: stops and closes the players.
    void stop();
    // The end of a track: the next one plays (4 is followed by 1).
    void trackEnded();

    bool isOn() const { return on_; }
    int track() const { return track_; }
    MediaPlayer* player(int n) const { return players_[static_cast<size_t>(n)]; } // 1..4

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void report(int n);
    void closeAll();
    QWidget* window_;
    std::array<MediaPlayer*, 5> players_{};
    bool on_ = false;
    bool waiting_ = false;  // for the first frame, to start
    int track_ = 1;
};
