// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaPlayer.h"
#include "platform/MidiSynth.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPointer>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool recordingMode = false;
bool midiForTests = true;
QStringList recordLog;
int nextId = 1;
QHash<int, QPointer<MediaPlayer>> livePlayers;

// What the audio thread may touch: which player owns each effect channel, under a lock.
QMutex ownersLock;
QHash<int, int> channelOwner;

enum class Audio { Untried, Open, Failed };
Audio audioState = Audio::Untried;
bool midiReady = false;  // the synthesizer feeds the mixer's music stream

void deliverOnUiThread(int id)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [id] {
            auto it = livePlayers.find(id);
            if (it != livePlayers.end() && *it)
                (*it)->deliverEnd();
        },
        Qt::QueuedConnection);
}

void channelFinished(int channel)
{
    int owner;
    {
        QMutexLocker lock(&ownersLock);
        owner = channelOwner.take(channel);
    }
    if (owner)
        deliverOnUiThread(owner);
}

bool ensureAudio()
{
    if (audioState == Audio::Untried) {
        audioState = Audio::Failed;
        // SDL would otherwise take over SIGINT and SIGTERM, and the program would ignore them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // A WAV cut short is a broken file, not a shorter sound.
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) == 0) {
            int rate = 0;
            Uint16 format = 0;
            int channels = 0;
            Mix_QuerySpec(&rate, &format, &channels);
            Mix_AllocateChannels(16);
            Mix_ChannelFinished(channelFinished);
            // The music is ours: FluidSynth renders into the mixer's music stream.
            MidiSynth::setEndHandler(deliverOnUiThread);
            midiReady = format == AUDIO_S16SYS && MidiSynth::attach(rate, channels);
            audioState = Audio::Open;
        }
    }
    return audioState == Audio::Open;
}

QString shortName(const QString& path) { return QFileInfo(path).fileName(); }

quint32 be32(const QByteArray& b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// FluidSynth accepts a truncated file silently; check the chunk structure ourselves so a damaged
// track is an open failure, as for any other broken file.
bool isWholeMidiFile(const QByteArray& b)
{
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) != 6)
        return false;
    const int tracks = (static_cast<unsigned char>(b[10]) << 8) | static_cast<unsigned char>(b[11]);
    qsizetype at = 14;
    int found = 0;
    while (at + 8 <= b.size()) {
        const quint32 len = be32(b, at + 4);
        if (len > static_cast<quint32>(b.size() - at - 8))
            return false;
        if (b.mid(at, 4) == "MTrk")
            ++found;
        at += 8 + static_cast<qsizetype>(len);
    }
    return found >= 1 && found >= tracks && at == b.size();
}

// The whole file when it is a whole MIDI file, else empty.
QByteArray readMidiFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (16 << 20))
        return {};
    QByteArray bytes = file.readAll();
    return isWholeMidiFile(bytes) ? bytes : QByteArray();
}

}  // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent), id_(nextId++)
{
    livePlayers.insert(id_, this);
}

MediaPlayer::~MediaPlayer()
{
    close();
    livePlayers.remove(id_);
}

void MediaPlayer::setFileName(const QString& path) { path_ = path; }

bool MediaPlayer::isMidi() const
{
    const QString lower = path_.toLower();
    return lower.endsWith(QLatin1String(".mid")) || lower.endsWith(QLatin1String(".midi"));
}

bool MediaPlayer::trackLoaded() const { return !recordingMode && MidiSynth::holds(id_); }

bool MediaPlayer::open()
{
    close();
    if (recordingMode) {
        recordLog << QStringLiteral("open ") + shortName(path_);
        open_ = QFileInfo(path_).isFile();
        return open_;
    }
    if (!QFileInfo(path_).isFile())
        return false;
    if (isMidi()) {
        midi_ = readMidiFile(path_);
        if (midi_.isEmpty())
            return false;
    }
    if (!ensureAudio()) {
        // No sound card: effects stay silent rather than interrupting the child with errors.
        open_ = !isMidi();
        return open_;
    }
    if (isMidi()) {
        open_ = midiReady;
        return open_;
    }
    chunk_ = Mix_LoadWAV(QFile::encodeName(path_).constData());
    open_ = chunk_ != nullptr;
    return open_;
}

void MediaPlayer::close()
{
    if (!open_)
        return;
    if (recordingMode) {
        recordLog << QStringLiteral("close ") + shortName(path_);
        open_ = false;
        return;
    }
    stop();
    if (chunk_)
        Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
    chunk_ = nullptr;
    midi_.clear();
    open_ = false;
}

bool MediaPlayer::play()
{
    if (recordingMode) {
        recordLog << QStringLiteral("play ") + shortName(path_);
        return open_;
    }
    if (!open_)
        return false;
    if (isMidi() && audioState == Audio::Open)
        return MidiSynth::play(midi_, id_);  // the track playing before never reports its end
    if (chunk_) {
        if (channel_ >= 0 && Mix_Playing(channel_)) {
            QMutexLocker lock(&ownersLock);
            if (channelOwner.value(channel_) == id_) {
                channelOwner.remove(channel_);
                lock.unlock();
                Mix_HaltChannel(channel_);
            }
        }
        channel_ = Mix_PlayChannel(-1, static_cast<Mix_Chunk*>(chunk_), 0);
        if (channel_ < 0)
            return false;
        QMutexLocker lock(&ownersLock);
        channelOwner.insert(channel_, id_);
        return true;
    }
    return true;  // silent effect without a sound card
}

bool MediaPlayer::stop()
{
    if (recordingMode) {
        recordLog << QStringLiteral("stop ") + shortName(path_);
        return true;
    }
    if (isMidi())
        MidiSynth::stop(id_);
    if (chunk_ && channel_ >= 0) {
        bool mine;
        {
            QMutexLocker lock(&ownersLock);
            mine = channelOwner.value(channel_) == id_;
            if (mine)
                channelOwner.remove(channel_);
        }
        if (mine)
            Mix_HaltChannel(channel_);
        channel_ = -1;
    }
    return true;
}

bool MediaPlayer::rewind()
{
    if (recordingMode) {
        recordLog << QStringLiteral("rewind ") + shortName(path_);
        return open_;
    }
    // Playing again starts from the beginning; a running effect is cut off first.
    stop();
    return open_;
}

bool MediaPlayer::isPlaying() const
{
    if (recordingMode || !open_)
        return false;
    if (isMidi())
        return MidiSynth::playing(id_);
    QMutexLocker lock(&ownersLock);
    return channel_ >= 0 && channelOwner.value(channel_) == id_;
}

void MediaPlayer::deliverEnd()
{
    if (isMidi() && !recordingMode) {
        // An end reported before this player started its track again belongs to the last one.
        if (MidiSynth::playing(id_))
            return;
        MidiSynth::releaseIfEnded(id_);
    }
    if (!notify_)
        return;
    notify_ = false;
    emit notify();
}

int MidiDeviceCount()
{
    if (recordingMode)
        return midiForTests ? 1 : 0;
    return !MidiSynth::soundFont().isEmpty() && ensureAudio() && midiReady ? 1 : 0;
}

namespace MediaPlayers {
void setRecording(bool on)
{
    recordingMode = on;
    recordLog.clear();
    midiForTests = true;
}
bool recording() { return recordingMode; }
QStringList& log() { return recordLog; }
void finish(MediaPlayer* p)
{
    if (p)
        p->deliverEnd();
}
void setMidiAvailableForTests(bool on) { midiForTests = on; }
int synthesizersMade() { return MidiSynth::synthesizersMade(); }
int soundFontsLoaded() { return MidiSynth::soundFontsLoaded(); }
}  // namespace MediaPlayers
