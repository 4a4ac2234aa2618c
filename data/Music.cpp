// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Music.h"

#include "data/ErrorReports.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/MediaPlayer.h"

#include <QFileInfo>
#include <QWidget>

int MusicVariant(int game, int m)
{
    auto in = [m](int lo, int hi) { return m >= lo && m <= hi; };
    switch (game) {
    case 1:
        return in(19, 27) ? 2 : in(10, 18) ? 3 : in(1, 9) ? 4 : 1;
    case 2:
        return in(51, 75) ? 2 : in(26, 50) ? 3 : in(1, 25) ? 4 : 1;
    case 3:
    case 4:
        return in(1, 25) ? 1 : in(26, 50) ? 2 : in(51, 75) ? 3 : 4;
    case 5:
    case 7:
        return m < 2 ? 1 : m <= 3 ? 2 : m == 4 ? 3 : 4;
    case 6:
        return m < 13 ? 1 : m <= 25 ? 2 : m <= 37 ? 3 : 4;
    default:
        return 1;
    }
}

QString GameMusicFile(int game, int variant)
{
    return QStringLiteral("Game%1%2.mid").arg(game).arg(variant);
}

WindowMusic::WindowMusic(QWidget* window, const QString& errorName)
    : QObject(window), window_(window), errorName_(errorName), player_(new MediaPlayer(this))
{
    connect(player_, &MediaPlayer::notify, this, &WindowMusic::onCompletion);
}

WindowMusic::~WindowMusic() { player_->setNotify(false); }

bool WindowMusic::startPlaying(const QString& errorName)
{
    player_->setNotify(true);
    if (!player_->play()) {
        player_->setNotify(false);
        MediaErrorReport(window_, errorName);
        return false;
    }
    return true;
}

bool WindowMusic::playFile(const QString& fileName, const QString& errorName)
{
    file_ = fileName;
    player_->setFileName(ProgramFile(fileName));
    if (!player_->open()) {
        MediaErrorReport(window_, errorName);
        return false;
    }
    return startPlaying(errorName);
}

void WindowMusic::start(const QString& fileName)
{
    if (Midi_Count == 0)
        return;
    on_ = true;
    if (!playFile(fileName, errorName_.isEmpty() ? fileName : errorName_))
        on_ = false;
}

bool WindowMusic::open(const QString& fileName)
{
    if (Midi_Count == 0)
        return true;
    file_ = fileName;
    player_->setFileName(ProgramFile(fileName));
    if (player_->open())
        return true;
    MediaErrorReport(window_, errorName_.isEmpty() ? fileName : errorName_);
    return false;
}

void WindowMusic::play()
{
    if (Midi_Count == 0)
        return;
    const QString name = errorName_.isEmpty() ? file_ : errorName_;
    if (!player_->isOpen()) {
        // Not opened at creation: the device cannot play it now either.
        MediaErrorReport(window_, name);
        on_ = false;
        return;
    }
    player_->rewind();
    on_ = startPlaying(name);
}

void WindowMusic::stop()
{
    if (Midi_Count == 0 && !on_)
        return;
    on_ = false;
    player_->setNotify(false);
    player_->stop();
    player_->close();
}

void WindowMusic::onCompletion()
{
    if (!on_)
        return;
    player_->close();
    const QString next = nextFile ? nextFile() : QString();
    const QString file = next.isEmpty() ? file_ : next;
    if (!playFile(file, namesTrackAtChange || errorName_.isEmpty() ? file : errorName_))
        on_ = false;
}

SoundEffect::SoundEffect(QWidget* window, const QString& fileName, const QString& errorName,
                         bool openNow)
    : QObject(window), player_(new MediaPlayer(this)),
      name_(errorName.isEmpty() ? fileName : errorName)
{
    player_->setFileName(ProgramFile(fileName));
    if (openNow && !player_->open())
        MediaErrorReport(window, name_);
}

bool SoundEffect::isOpen() const { return player_->isOpen(); }

bool SoundEffect::open(QWidget* window)
{
    if (player_->open())
        return true;
    MediaErrorReport(window, name_);
    return false;
}

void SoundEffect::reopen(QWidget* window, const QString& fileName)
{
    player_->close();
    name_ = fileName;
    player_->setFileName(ProgramFile(fileName));
    open(window);
}

bool SoundEffect::play()
{
    if (!player_->isOpen())
        return true;  // already reported when opening
    player_->rewind();
    return player_->play();
}
