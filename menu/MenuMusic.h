// The menu's music: four players on "Menu1.mid" to "Menu4.mid", played in turn while the menu
// shows. Every device error names "Menu.mid"; the menu stays usable without music.
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
    // The menu hides: stops and closes the players.
    void stop();
    // The end of a track: the next one plays (4 is followed by 1).
    void trackEnded();

    bool isOn() const { return on_; }
    int track() const { return track_; }
    MediaPlayer* player(int n) const { return players_[static_cast<size_t>(n)]; } // 1..4

  private:
    void report();
    void closeAll();
    QWidget* window_;
    std::array<MediaPlayer*, 5> players_{};
    bool on_ = false;
    int track_ = 1;
};
